// The shared line reader, file tests and safe rewrite; both programs compile this one source.
#include "file_routines.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <system_error>

namespace fs = std::filesystem;

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

namespace {

bool IsRegularFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

}  // namespace

fs::path FindIgnoringCase(const fs::path& path) {
    std::error_code error;
    if (fs::exists(fs::symlink_status(path, error)) || !path.has_filename()) return path;
    const std::string wanted = UpperAscii(path.filename().string());
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::string best;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (UpperAscii(name) == wanted && (best.empty() || name < best)) best = name;
    }
    return best.empty() ? path : path.parent_path() / best;
}

LineReader LineReader::Open(const fs::path& path) {
    const fs::path file = FindIgnoringCase(path);
    // A folder, a device or a pipe is no data file of ours, whatever its name says.
    if (!IsRegularFile(file)) throw FileReadError("not a readable file: " + path.string());
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error || size > kMaxFileBytes) throw FileReadError("too large to read: " + path.string());
    try {
        std::ifstream in(file, std::ios::binary);
        if (!in) throw FileReadError("cannot open " + path.string());
        std::string bytes(static_cast<std::size_t>(size), '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (in.bad()) throw FileReadError("cannot read " + path.string());
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        return LineReader(std::move(bytes));
    } catch (const FileReadError&) {
        throw;
    } catch (const std::exception& failure) {
        // The stream library reports some read failures by throwing; they are unreadable files.
        throw FileReadError(failure.what());
    }
}

std::optional<std::string> ReadWholeFile(const fs::path& path) {
    try {
        return LineReader::Open(path).TakeBytes();
    } catch (const FileReadError&) {
        return std::nullopt;
    }
}

std::string ReadLine(LineReader& reader) {
    if (++reader.linesRead_ > kMaxLines) throw FileReadError("too many lines");
    const std::string& bytes = reader.bytes_;
    if (reader.AtEnd()) throw FileReadError("read past the end of the file");
    const std::size_t start = reader.position_;
    const std::size_t cr = bytes.find('\r', start);
    const std::size_t end = cr == std::string::npos ? bytes.size() : cr;
    if (end - start > kMaxLineBytes) throw FileReadError("line too long");
    std::string line = bytes.substr(start, end - start);
    if (cr == std::string::npos) {
        reader.position_ = bytes.size();
        return line;
    }
    // The character after a CR is taken to be its LF, whatever it is.
    if (cr + 1 >= bytes.size()) throw FileReadError("read past the end of the file");
    reader.position_ = cr + 2;
    return line;
}

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0, starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

namespace {

bool IsNormalFile(const fs::path& path) {
    const std::string name = path.filename().string();
    if (name.empty() || name[0] == '.') return false;
    return IsRegularFile(path);
}

}  // namespace

bool FileExists(const fs::path& path) {
    const std::string pattern = path.filename().string();
    if (pattern.find_first_of("*?") == std::string::npos)
        return IsNormalFile(FindIgnoringCase(path));

    std::error_code error;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : ".";
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (MatchesWildcard(pattern, it->path().filename().string()) && IsNormalFile(it->path()))
            return true;
    }
    return false;
}

namespace {

std::vector<std::string> ListEntries(const fs::path& folder,
                                     const std::function<bool(const fs::path&)>& keep) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.empty() && name[0] != '.' && keep(it->path())) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return UpperAscii(a) < UpperAscii(b);
    });
    return names;
}

// The device names the desktop systems reserve, compared with the part of a name before its
// first dot, trailing blanks removed ("CON .txt" is the console too). The superscript digits are
// written both as single bytes of the game's code page and as the file system's UTF-8.
bool IsDeviceName(std::string_view name) {
    std::string stem = UpperAscii(name.substr(0, name.find('.')));
    stem.erase(stem.find_last_not_of(' ') + 1);
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* device : kDevices)
        if (stem == device) return true;
    if (!stem.starts_with("COM") && !stem.starts_with("LPT")) return false;
    const std::string_view number = std::string_view(stem).substr(3);
    static const char* const kNumbers[] = {
        "0", "1", "2",    "3",    "4",    "5",        "6",        "7",
        "8", "9", "\xB9", "\xB2", "\xB3", "\xC2\xB9", "\xC2\xB2", "\xC2\xB3"};
    for (const char* digit : kNumbers)
        if (number == digit) return true;
    return false;
}

}  // namespace

bool IsPlainName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    if (name.find_first_of("/\\:*?\"<>|") != std::string_view::npos) return false;
    // Control characters, NUL among them: a NUL would cut the name short at the system's door.
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    // A trailing dot or blank is dropped by some systems, which would then open another name.
    if (name.back() == '.' || name.back() == ' ') return false;
    return !IsDeviceName(name);
}

std::vector<std::string> ListFolders(const fs::path& folder) {
    return ListEntries(folder, [](const fs::path& entry) {
        std::error_code error;
        return fs::is_directory(entry, error);
    });
}

std::vector<std::string> ListFiles(const fs::path& folder, std::string_view extension) {
    const std::string wanted = UpperAscii(extension);
    return ListEntries(folder, [&wanted](const fs::path& entry) {
        const std::string name = entry.filename().string();
        return name.size() >= wanted.size() &&
               UpperAscii(std::string_view(name).substr(name.size() - wanted.size())) == wanted &&
               IsNormalFile(entry);
    });
}

namespace {

// Temporary files are hidden (a leading dot), so no listing ever shows one as a pack, a mission
// or a language, and carry the writer's process number, so a later save can tell the leftovers
// of a killed writer from the file another running save is still writing. A target whose name
// leaves no room for that is named by its first bytes and a hash of the whole name.
std::string TemporaryPrefix(const fs::path& target) {
    // Room for the dot, the tag, the process number, a counter and a clock reading.
    constexpr std::size_t kRoom = kMaxFileNameBytes - 48;
    std::string name = target.filename().string();
    if (name.size() > kRoom) {
        std::uint64_t hash = 14695981039346656037ull;
        for (unsigned char c : name) hash = (hash ^ c) * 1099511628211ull;
        char hex[17];
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
        name = name.substr(0, kRoom - 17) + "~" + hex;
    }
    return "." + name + ".tmp-";
}

bool WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void SyncFolder(const fs::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

bool ProcessIsGone(const std::string& pidText) {
    try {
        const long pid = std::stol(pidText);
        return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
    } catch (const std::exception&) {
        return false;
    }
}

void RemoveLeftovers(const fs::path& target) {
    const std::string prefix = TemporaryPrefix(target);
    const std::string ours = prefix + std::to_string(::getpid()) + "-";
    std::error_code error;
    const fs::path folder = target.parent_path();
    std::vector<fs::path> leftovers;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix)) continue;
        const std::string pid =
            name.substr(prefix.size(), name.find('-', prefix.size()) - prefix.size());
        if (name.starts_with(ours) || ProcessIsGone(pid)) leftovers.push_back(it->path());
    }
    for (const fs::path& leftover : leftovers) fs::remove(leftover, error);
}

}  // namespace

bool IsKeptFile(const fs::path& path) {
    const fs::path file = FindIgnoringCase(path);
    struct stat existing {};
    if (::stat(file.c_str(), &existing) != 0) return false;
    return !S_ISREG(existing.st_mode) || (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
           ::access(file.c_str(), W_OK) != 0;
}

bool ReplaceFile(const fs::path& finished, const fs::path& requested) {
    const fs::path target = FindIgnoringCase(requested);
    if (::rename(finished.c_str(), target.c_str()) != 0) return false;
    SyncFolder(target.has_parent_path() ? target.parent_path() : fs::path("."));
    return true;
}

bool WriteFileAtomically(const fs::path& requested, std::string_view bytes) {
    const fs::path target = FindIgnoringCase(requested);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

    // A read-only file is the player's way of saying "keep this"; it is reported, not replaced.
    if (IsKeptFile(target)) return false;
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;

    static std::atomic<unsigned> counter{0};
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    int descriptor = -1;
    fs::path temporary;
    for (int attempt = 0; attempt < 16 && descriptor < 0; ++attempt) {
        temporary = folder / (TemporaryPrefix(target) + std::to_string(::getpid()) + "-" +
                              std::to_string(counter++) + "-" + std::to_string(now % 1000000));
        descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST) return false;
    }
    if (descriptor < 0) return false;

    bool written = WriteAll(descriptor, bytes);
    if (written && exists) written = ::fchmod(descriptor, existing.st_mode & 07777) == 0;
    // The bytes are on the disk before the name points at them, so a power cut leaves the old
    // file or the new one, never an empty one.
    if (written) written = ::fsync(descriptor) == 0;
    if (::close(descriptor) != 0) written = false;
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    RemoveLeftovers(target);
    return true;
}
