// The game core assembled: platform, settings, state, language table, windows and interpreter,
// reachable from every subsystem through one object.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "app/lang_table.h"
#include "app/platform.h"
#include "app/settings.h"
#include "console/command_interpreter.h"
#include "console/file_system.h"
#include "console/main_console.h"
#include "mission/game_state.h"
#include "tools/message_form.h"

class ConsoleView;

class Game {
public:
    static constexpr const char* kTitle = "Zindrel";
    static constexpr const char* kVersion = "1.21";

    Game(Platform& platform, std::filesystem::path appFolder, ConsoleView& consoleView);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Platform& platform;
    const std::filesystem::path appFolder;
    Settings settings;
    GameState state;
    FileSystemRecord local;
    FileSystemRecord remote;
    LangTable lang;
    MessageForm messageForm;
    MainConsole console;
    CommandInterpreter interpreter;

    std::string LangString(const std::string& key) { return lang.LangString(key); }

    // Shows a text in the modal message window and returns once it is closed; while a message
    // is already open the text is dropped.
    void ShowMessage(const std::string& text);

    // Plays a wave file of the Sound folder when sound is on. Flag 1 returns at once; without it
    // the call waits until the sound has ended (and plays nothing when the file is missing).
    void PlaySoundFile(const std::string& name, int flags);

    void SaveSettings();

    // The four status labels of the console.
    void ShowScore();
    void ShowStatus(const std::string& statusText);
    void ShowTrace(const std::string& traceText);
    void ShowBusted();

    // Steps of the start-up and of the console's timers and buttons whose subsystems are not
    // built yet; each is the single place where that subsystem will plug in.
    void ShowIntro();
    void CountPackMissions();
    void LoadFileSystem(const std::string& name);
    void MissionTimerTick();
    void TraceTimerTick();
    void ButtonClicked(const std::string& button);
};
