// Wiring of the game core and the few routines every subsystem shares.
#include "game.h"

#include "app/file_routines.h"
#include "app/wave_file.h"

Game::Game(Platform& platformIn, GameFolders foldersIn, ConsoleView& consoleView)
    : platform(platformIn),
      folders(std::move(foldersIn)),
      lang(*this),
      messageForm(state),
      intro(*this),
      settingsForm(*this),
      pingForm(*this),
      telnetForm(*this),
      portScanForm(*this),
      passwordHackForm(*this),
      virusUploadForm(*this),
      downloadForm(*this, kDownload),
      wiperForm(*this, kWiper),
      console(*this, consoleView),
      interpreter(*this),
      savedGames(*this) {}

void Game::ShowMessage(const std::string& text) {
    if (state.MessageWindowOpen) return;
    state.MessageText = text;
    messageForm.ShowModal(platform);
}

void Game::PlaySoundFile(const std::string& name, int flags) {
    if (settings.SoundOn != 1) return;
    const std::filesystem::path file = folders.Find(std::filesystem::path("Sound") / name);
    const bool returnAtOnce = (flags & 1) != 0;
    if (returnAtOnce) {
        platform.StartSound(file);
        return;
    }
    if (!folders.Files().IsFile(file)) return;
    // Sound devices report the end of a sound unreliably, so the wait is the length of the sound
    // the file holds. Nothing of the game runs meanwhile: a command waiting for its sound must
    // not find another command run inside it.
    const int duration = WaveDurationMilliseconds(file, folders.Files());
    if (platform.StartSound(file) && duration > 0) platform.WaitForSound(duration);
}

bool Game::SaveSettings() {
    // The player's folder may not be there yet on the first save of an installed game.
    return ::SaveSettings(folders.ForWriting("Zindrel.ini").parent_path(), settings,
                          folders.Files());
}

void Game::ShowIntro() {
    intro.ShowModal(platform);
    if (!intro.Accepted()) platform.EndProgram();
}
