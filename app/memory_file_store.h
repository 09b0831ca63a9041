// A small folder tree held in memory, with the disk's rules: the pack checker plays a pack aside
// in one, and tests and fuzz targets lay their files into one instead of onto the disk.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "app/file_store.h"

class MemoryFileStore final : public FileStore {
public:
    // Lays a file in place, making the folders leading to it, whatever it held before.
    void Put(const std::filesystem::path& path, std::string_view bytes);
    // The bytes of the file of exactly that name, if there is one.
    std::optional<std::string> Get(const std::filesystem::path& path) const;
    // Marks a file the way a player keeps it: write-protected.
    void Keep(const std::filesystem::path& path) { kept_.insert(Key(path)); }

    std::filesystem::path Find(const std::filesystem::path& path) const override;
    std::string Read(const std::filesystem::path& path) const override;
    std::string ReadStart(const std::filesystem::path& path, std::size_t count) const override;
    std::optional<FileVersion> VersionOf(const std::filesystem::path& path) const override;
    bool IsFile(const std::filesystem::path& path) const override;
    bool IsFolder(const std::filesystem::path& path) const override;
    bool Exists(const std::filesystem::path& path) const override;
    std::vector<std::string> Folders(const std::filesystem::path& folder) const override;
    std::vector<std::string> Files(const std::filesystem::path& folder,
                                   std::string_view extension) const override;
    bool Write(const std::filesystem::path& target, std::string_view bytes) override;
    bool IsKept(const std::filesystem::path& path) const override;
    bool Replace(const std::filesystem::path& finished,
                 const std::filesystem::path& target) override;
    void Remove(const std::filesystem::path& path) override;
    bool MakeFolders(const std::filesystem::path& folder) override;

private:
    struct File {
        std::string bytes;
        std::int64_t version = 0;
    };
    static std::string Key(const std::filesystem::path& path);
    // The file found there without regard to case, if it is one.
    const File* FileAt(const std::filesystem::path& path) const;
    // The names directly inside a folder, files or folders, in no particular order.
    std::vector<std::string> Children(const std::string& folder, bool folders) const;
    bool HasFolder(const std::string& key) const;

    std::map<std::string, File> files_;
    std::set<std::string> folders_;
    std::set<std::string> kept_;
    std::int64_t writes_ = 0;
};
