// The player's three settings and the settings file Zindrel.ini that keeps them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "app/file_store.h"

struct Settings {
    std::string Language = "English";
    std::int16_t SoundOn = 1;
    std::int16_t TypeSoundOn = 1;
};

// Reads the three lines of the settings file Zindrel.ini in the player's folder; any failure gives
// the defaults for all three.
Settings LoadSettings(const std::filesystem::path& folder, const FileStore& files = DiskFiles());

// Writes the three lines; false when the file could not be written (the old file stays, and the
// settings stay in effect for this run).
bool SaveSettings(const std::filesystem::path& folder, const Settings& settings,
                  FileStore& files = DiskFiles());

// The leading numeric value of a text as a 16-bit number: blanks are ignored, no digits give 0.
// Throws std::out_of_range when the value does not fit.
std::int16_t LeadingNumber16(const std::string& text);
