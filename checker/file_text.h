// What the checkers share about a text file the game reads: whether the game can read it at all,
// its lines as the game cuts them, its line ends and the bytes the game cannot show.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/file_store.h"

struct TextLine {
    std::string text;
    int number = 0;  // from 1
};

// The file's bytes when the game's own reader can read it (a normal file within the size
// limits); nothing otherwise.
std::optional<std::string> ReadAsTheGameDoes(const std::filesystem::path& file,
                                             const FileStore& files = DiskFiles());
inline constexpr const char* kUnreadableFile =
    "the game cannot read the file (no normal file, or past the size limits of 8 MiB, 64 KiB a "
    "line and 200,000 lines)";

// The lines as the game's line reader cuts them: a CR and the one character after it end a line.
std::vector<TextLine> CutLines(const std::string& bytes);

// A warning about LF-only or mixed line ends, if the file has them.
std::optional<std::string> LineEndProblem(const std::string& bytes);

// A warning about the first byte of the line the game cannot show (a control character, or one
// of the five bytes Windows-1252 leaves undefined), if there is one.
std::optional<std::string> UnshownByteProblem(const std::string& line);
