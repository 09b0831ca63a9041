// What the game needs to know about a wave file: how long it plays.
#pragma once

#include <filesystem>
#include <string_view>

// The playing time the file's header declares (data size / byte rate), or 0 when the file is
// missing or not a wave file.
int WaveDurationMilliseconds(const std::filesystem::path& file);
int WaveDurationFromHeader(std::string_view bytes);
