// Reading a text file the game's way, for the checkers.
#include "file_text.h"

#include "app/file_routines.h"

std::optional<std::string> ReadAsTheGameDoes(const std::filesystem::path& path,
                                             const FileStore& files) {
    try {
        // The game's own reader decides whether the file can be read at all (a folder, past the
        // size limits, unreadable).
        LineReader reader = files.Open(path);
        while (!reader.AtEnd()) ReadLine(reader);
        return files.Read(path);
    } catch (const FileReadError&) {
        return std::nullopt;
    }
}

std::vector<TextLine> CutLines(const std::string& bytes) {
    std::vector<TextLine> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t cr = bytes.find('\r', at);
        if (cr == std::string::npos) {
            lines.push_back({bytes.substr(at), static_cast<int>(lines.size()) + 1});
            break;
        }
        lines.push_back({bytes.substr(at, cr - at), static_cast<int>(lines.size()) + 1});
        at = cr + 2;
    }
    return lines;
}

std::optional<std::string> LineEndProblem(const std::string& bytes) {
    std::size_t crLf = 0, loneLf = 0, loneCr = 0;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (bytes[at] == '\r') {
            if (at + 1 < bytes.size() && bytes[at + 1] == '\n') {
                ++crLf;
                ++at;
            } else {
                ++loneCr;
            }
        } else if (bytes[at] == '\n') {
            ++loneLf;
        }
    }
    if (loneLf > 0 && crLf == 0) return "the lines end in LF only: the game reads them as one line";
    if (loneLf > 0 || loneCr > 0) return "mixed line ends: only CR LF ends a line for the game";
    return std::nullopt;
}

std::optional<std::string> UnshownByteProblem(const std::string& line) {
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        const bool control = (byte < 0x20 && byte != '\t' && byte != '\n') || byte == 0x7F;
        const bool undefined =
            byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
        if (control || undefined) {
            static const char* const kHex = "0123456789ABCDEF";
            return std::string("byte 0x") + kHex[byte >> 4] + kHex[byte & 15] +
                   " is no character the game can show";
        }
    }
    return std::nullopt;
}
