// Playing wave files for the Qt platform. The player and the audio libraries behind it are a
// module of their own beside the executable, loaded once the first window is up: the intro
// plays no sound, and the libraries cost start-up time and memory.
#pragma once

#include <filesystem>

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts playing the file and returns at once; false when nothing can play (no audio device).
    virtual bool Play(const std::filesystem::path& waveFile) = 0;
};

// The module's file name without its extension, and its one entry point.
inline constexpr const char* kSoundModule = "zindrel_sound";
inline constexpr const char* kCreateSoundPlayer = "CreateZindrelSoundPlayer";
using CreateSoundPlayerFunction = SoundPlayer* (*)();
