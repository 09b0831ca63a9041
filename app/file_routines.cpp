// The shared line reader, file test and safe rewrite; both programs compile this one source.
#include "file_routines.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <system_error>

LineReader LineReader::Open(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FileReadError("cannot open " + path.string());
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw FileReadError("cannot read " + path.string());
    return LineReader(std::move(bytes));
}

std::string ReadLine(LineReader& reader) {
    std::string line;
    const std::string& bytes = reader.bytes_;
    do {
        if (reader.AtEnd()) throw FileReadError("read past the end of the file");
        const char c = bytes[reader.position_++];
        if (c != '\r') {
            line += c;
            continue;
        }
        // The character after a CR is taken to be its LF, whatever it is.
        if (reader.AtEnd()) throw FileReadError("read past the end of the file");
        ++reader.position_;
        return line;
    } while (!reader.AtEnd());
    return line;
}

namespace {

bool MatchesWildcard(const std::string& pattern, const std::string& name) {
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

bool IsNormalFile(const std::filesystem::path& path) {
    std::error_code error;
    const std::string name = path.filename().string();
    if (name.empty() || name[0] == '.') return false;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

bool FileExists(const std::filesystem::path& path) {
    const std::string pattern = path.filename().string();
    if (pattern.find_first_of("*?") == std::string::npos) return IsNormalFile(path);

    std::error_code error;
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (MatchesWildcard(pattern, it->path().filename().string()) && IsNormalFile(it->path()))
            return true;
    }
    return false;
}

namespace {

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

std::vector<std::string> ListEntries(
    const std::filesystem::path& folder,
    const std::function<bool(const std::filesystem::path&)>& keep) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.empty() && name[0] != '.' && keep(it->path())) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return UpperAscii(a) < UpperAscii(b);
    });
    return names;
}

}  // namespace

bool IsPlainName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    if (name.find_first_of("/\\:*?\"<>|") != std::string::npos) return false;
    // Names the old desktop systems reserve for devices, with or without an extension.
    const std::string stem = UpperAscii(name.substr(0, name.find('.')));
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL"};
    for (const char* device : kDevices)
        if (stem == device) return false;
    if ((stem.starts_with("COM") || stem.starts_with("LPT")) && stem.size() == 4 &&
        stem[3] >= '1' && stem[3] <= '9')
        return false;
    return true;
}

std::vector<std::string> ListFolders(const std::filesystem::path& folder) {
    return ListEntries(folder, [](const std::filesystem::path& entry) {
        std::error_code error;
        return std::filesystem::is_directory(entry, error);
    });
}

std::vector<std::string> ListFiles(const std::filesystem::path& folder,
                                   std::string_view extension) {
    const std::string wanted = UpperAscii(extension);
    return ListEntries(folder, [&wanted](const std::filesystem::path& entry) {
        const std::string name = entry.filename().string();
        return name.size() >= wanted.size() &&
               UpperAscii(std::string_view(name).substr(name.size() - wanted.size())) == wanted &&
               IsNormalFile(entry);
    });
}

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}
