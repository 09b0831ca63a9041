// The small file routines that the game and the mission-pack creator share: reading a line the
// way every data file of ours is read, asking whether a normal file exists, and rewriting a file
// without ever leaving it half-written.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A read past the end of a file: the one way ReadLine fails, left to the caller to handle.
class FileReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text file held in memory and read front to back, as a sequential file handle would be.
class LineReader {
public:
    explicit LineReader(std::string bytes) : bytes_(std::move(bytes)) {}

    // Opens a file and reads it whole; throws FileReadError when it cannot be opened or read.
    static LineReader Open(const std::filesystem::path& path);

    bool AtEnd() const { return position_ >= bytes_.size(); }

private:
    friend std::string ReadLine(LineReader& reader);
    std::string bytes_;
    std::size_t position_ = 0;
};

// The next line without its line end. A CR ends the line and the one character after it is
// dropped whatever it is; a lone LF is an ordinary character. Reading at the end of the file,
// or finding a CR as the file's last character, throws FileReadError.
std::string ReadLine(LineReader& reader);

// True when the path names a normal file: not a folder, not hidden (a dot file). Wildcards
// ('*' and '?') in the last part of the path match any normal file of that folder.
bool FileExists(const std::filesystem::path& path);

// True when a name taken from a player, an author or a settings file can name a file or folder
// right inside a given folder and nowhere else: no path separator, drive or wildcard, not "." or
// "..", no device name.
bool IsPlainName(std::string_view name);

// The folders directly inside a folder, and its normal files whose names end in the given
// extension (in any letter case); hidden (dot) entries are left out. Both come sorted by name
// without regard to case, the same order every time whatever the file system hands out.
std::vector<std::string> ListFolders(const std::filesystem::path& folder);
std::vector<std::string> ListFiles(const std::filesystem::path& folder, std::string_view extension);

// Writes the bytes to a temporary file beside the target and renames it over the target.
// Returns false, and leaves any earlier file as it was, when anything fails.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);
