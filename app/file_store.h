// The one door through which the game, the pack checker and Quenbry reach their files: the disk
// in the programs, a small folder held in memory where the checker plays a pack aside and where
// tests and fuzz targets hand the readers their bytes. Both kinds follow the same rules, those of
// the file routines: names found without regard to case, hidden (dot) entries left out of lists,
// the size limits, and a rewrite that replaces a file whole or not at all.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/file_routines.h"

// What tells a reader that a file it read before has changed since.
struct FileVersion {
    std::uintmax_t size = 0;
    std::int64_t seconds = 0;
    std::int64_t nanoseconds = 0;
    bool operator==(const FileVersion&) const = default;
};

class FileStore {
public:
    virtual ~FileStore() = default;

    // The entry that names the same file without regard to the case of its last part, as
    // FindIgnoringCase finds it.
    virtual std::filesystem::path Find(const std::filesystem::path& path) const = 0;
    // A normal file's bytes (found without regard to case), whole; throws FileReadError when it
    // is missing, no normal file, or larger than kMaxFileBytes.
    virtual std::string Read(const std::filesystem::path& path) const = 0;
    // The first bytes of a normal file of any size (a sound's header); throws FileReadError
    // when there is no normal file.
    virtual std::string ReadStart(const std::filesystem::path& path, std::size_t count) const = 0;
    // The version of the normal file found there; nothing when there is none.
    virtual std::optional<FileVersion> VersionOf(const std::filesystem::path& path) const = 0;
    // As FileExists: a normal file that is not hidden, wildcards in the last part allowed.
    virtual bool IsFile(const std::filesystem::path& path) const = 0;
    virtual bool IsFolder(const std::filesystem::path& path) const = 0;
    // Any entry at all, found without regard to case.
    virtual bool Exists(const std::filesystem::path& path) const = 0;
    // As ListFolders and ListFiles.
    virtual std::vector<std::string> Folders(const std::filesystem::path& folder) const = 0;
    virtual std::vector<std::string> Files(const std::filesystem::path& folder,
                                           std::string_view extension) const = 0;

    // As WriteFileAtomically, IsKeptFile and ReplaceFile.
    virtual bool Write(const std::filesystem::path& target, std::string_view bytes) = 0;
    virtual bool IsKept(const std::filesystem::path& path) const = 0;
    virtual bool Replace(const std::filesystem::path& finished,
                         const std::filesystem::path& target) = 0;
    // Removes a file; nothing happens when there is none.
    virtual void Remove(const std::filesystem::path& path) = 0;
    // Makes a folder and the folders leading to it; false when that fails.
    virtual bool MakeFolders(const std::filesystem::path& folder) = 0;

    // The file as a line reader, and its bytes or nothing when it cannot be read.
    LineReader Open(const std::filesystem::path& path) const { return LineReader(Read(path)); }
    std::optional<std::string> ReadIfReadable(const std::filesystem::path& path) const;
};

// The disk, through the file routines.
FileStore& DiskFiles();
