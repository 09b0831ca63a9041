// What the game needs to know about a wave file: how long it plays.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "app/file_store.h"

// The longest a sound may hold the game up, whatever a file claims: far longer than any sound
// effect, short enough that a broken file cannot freeze the game for hours.
inline constexpr int kMaxSoundMilliseconds = 60'000;

// The playing time of a wave file in milliseconds: the sound bytes the file really holds after
// its data header (or the size the header declares, when that is smaller) divided by the byte
// rate, at most kMaxSoundMilliseconds; 0 when the file is missing or its header cannot be read.
int WaveDurationMilliseconds(const std::filesystem::path& file,
                             const FileStore& files = DiskFiles());
// The same for a file's first bytes (at least its header) and the file's whole size.
int WaveDurationFromHeader(std::string_view bytes, std::uint64_t fileSize);
