// The small file routines that the game and the mission-pack creator share: reading a line the
// way every data file of ours is read, asking whether a normal file exists, finding a file the
// way the desktop systems our packs come from do (without regard to case), and rewriting a file
// without ever leaving it half-written.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A file that cannot be read: missing, not a normal file, past the size limits, or a read past
// its end. Every reader turns it into its own "could not be read" message.
class FileReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Limits every reader of our text files applies. They lie far above anything a real pack or
// language file holds (a mission is a few kilobytes with lines of a hundred characters), so a
// file past them is broken or hostile and is refused as unreadable instead of being loaded.
inline constexpr std::size_t kMaxFileBytes = 8 * 1024 * 1024;
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;
inline constexpr std::size_t kMaxLines = 200'000;

// A text file held in memory and read front to back, as a sequential file handle would be.
class LineReader {
public:
    explicit LineReader(std::string bytes) : bytes_(std::move(bytes)) {}

    // Opens a normal file (found without regard to case) and reads it whole; throws
    // FileReadError when it cannot be opened or read, is no normal file, or is larger than
    // kMaxFileBytes.
    static LineReader Open(const std::filesystem::path& path);

    bool AtEnd() const { return position_ >= bytes_.size(); }
    // The whole file, for a reader that works on its bytes; the reader is spent.
    std::string TakeBytes() { return std::move(bytes_); }

private:
    friend std::string ReadLine(LineReader& reader);
    std::string bytes_;
    std::size_t position_ = 0;
    std::size_t linesRead_ = 0;
};

// A file's bytes, read whole as LineReader::Open reads them; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// The next line without its line end. A CR ends the line and the one character after it is
// dropped whatever it is; a lone LF is an ordinary character. Reading at the end of the file,
// finding a CR as the file's last character, a line longer than kMaxLineBytes or more than
// kMaxLines lines throws FileReadError.
std::string ReadLine(LineReader& reader);

// The path of an existing entry that names the same file as the given path without regard to
// the letter case of its last part: the path itself when it exists, else the first such entry
// of its folder in name order, else the path unchanged. Names listed by extension ("M1.ZDL") and
// names the game builds itself ("m1.zdl") thus reach the same file on every file system.
std::filesystem::path FindIgnoringCase(const std::filesystem::path& path);

// The text with its ASCII letters in upper case and every other byte as it was: how names,
// extensions and section headers are compared without regard to case.
std::string UpperAscii(std::string_view text);

// True when the path names a normal file (found without regard to case): not a folder, not
// hidden (a dot file). Wildcards ('*' and '?') in the last part of the path match any normal
// file of that folder.
bool FileExists(const std::filesystem::path& path);

// True when a name matches a pattern in which '*' stands for any run of characters and '?' for
// any one; letter case counts.
bool MatchesWildcard(std::string_view pattern, std::string_view name);

// True when a name taken from a player, an author or a settings file can name a file or folder
// right inside a given folder, and nowhere else, on every desktop system: no path separator,
// drive, wildcard or control character (NUL included), not "." or "..", not ending in a dot or
// a blank, and no device name (with or without an extension).
bool IsPlainName(std::string_view name);

// The folders directly inside a folder, and its normal files whose names end in the given
// extension (in any letter case); hidden (dot) entries are left out. Both come sorted by name
// without regard to case, the same order every time whatever the file system hands out.
std::vector<std::string> ListFolders(const std::filesystem::path& folder);
std::vector<std::string> ListFiles(const std::filesystem::path& folder, std::string_view extension);

// Writes the bytes to a temporary file of its own beside the target, flushes it to the disk and
// renames it over the target (an existing file that differs only in case is the one replaced).
// Returns false, and leaves any earlier file as it was, when anything fails, and also when the
// target is read-only. A successful save removes what saves that were killed left behind. The
// temporary file's name stays within the systems' limit of 255 bytes whatever the target's.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// True when the file (found without regard to case) exists and is one the game must not replace:
// not a normal file, without write permission (the player's way of saying "keep this"), or not
// writable for us.
bool IsKeptFile(const std::filesystem::path& path);

// Renames a finished file over the target in one step (an existing file that differs from the
// target only in case is the one replaced) and makes the new name durable. False, with both
// files as they were, when the rename fails.
bool ReplaceFile(const std::filesystem::path& finished, const std::filesystem::path& target);

// The longest file name the desktop systems take, in bytes.
inline constexpr std::size_t kMaxFileNameBytes = 255;
