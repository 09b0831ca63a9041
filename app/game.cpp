// Wiring of the game core and the few routines every subsystem shares.
#include "game.h"

#include "app/file_routines.h"
#include "app/wave_file.h"

Game::Game(Platform& platformIn, std::filesystem::path appFolderIn, ConsoleView& consoleView)
    : platform(platformIn),
      appFolder(std::move(appFolderIn)),
      lang(*this),
      messageForm(state),
      console(*this, consoleView),
      interpreter(*this) {}

void Game::ShowMessage(const std::string& text) {
    if (state.MessageWindowOpen) return;
    state.MessageText = text;
    messageForm.ShowModal(platform);
}

void Game::PlaySoundFile(const std::string& name, int flags) {
    if (settings.SoundOn != 1) return;
    const std::filesystem::path file = appFolder / "Sound" / name;
    const bool returnAtOnce = (flags & 1) != 0;
    if (returnAtOnce) {
        platform.StartSound(file);
        return;
    }
    if (!FileExists(file)) return;
    // Sound devices report the end of a sound unreliably, so the wait is the length the file
    // itself declares.
    const int duration = WaveDurationMilliseconds(file);
    if (platform.StartSound(file) && duration > 0) platform.Pause(duration);
}

void Game::SaveSettings() {
    ::SaveSettings(appFolder, settings);
}

// The intro screen is not built yet: the handle and pack are whatever the game state holds.
void Game::ShowIntro() {}

// Counting the pack's missions arrives with the mission loader.
void Game::CountPackMissions() {}

// The local file system starts as a bare root until its loader exists.
void Game::LoadFileSystem(const std::string& /*name*/) {
    local = FileSystemRecord{};
}

void Game::MissionTimerTick() {}

void Game::TraceTimerTick() {}

void Game::ButtonClicked(const std::string& /*button*/) {}
