// The game core assembled: platform, settings, state, language table, windows and interpreter,
// reachable from every subsystem through one object.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/game_folders.h"
#include "app/intro_form.h"
#include "app/lang_table.h"
#include "app/platform.h"
#include "app/settings.h"
#include "app/settings_form.h"
#include "console/command_interpreter.h"
#include "console/file_system.h"
#include "console/main_console.h"
#include "mission/game_state.h"
#include "mission/highscore.h"
#include "mission/saved_games.h"
#include "tools/file_transfer_form.h"
#include "tools/mail_form.h"
#include "tools/message_form.h"
#include "tools/password_hack_form.h"
#include "tools/ping_form.h"
#include "tools/port_scan_form.h"
#include "tools/progress_bar.h"
#include "tools/telnet_form.h"
#include "tools/virus_upload_form.h"

class ConsoleView;

class Game {
public:
    static constexpr const char* kTitle = "Zindrel";
    static constexpr const char* kVersion = "1.21";

    Game(Platform& platform, GameFolders folders, ConsoleView& consoleView);
    // A portable application folder: the data and the player's files in one place.
    Game(Platform& platformIn, const std::filesystem::path& appFolder, ConsoleView& consoleView)
        : Game(platformIn, GameFolders::Portable(appFolder), consoleView) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Platform& platform;
    const GameFolders folders;
    Settings settings;
    GameState state;
    FileSystemRecord local;
    FileSystemRecord remote;
    LangTable lang;
    MessageForm messageForm;
    IntroForm intro;
    MailForm mailForm;
    SettingsForm settingsForm;
    // The one bar state every timed tool shares.
    ProgressBar progressBar;
    PingForm pingForm;
    TelnetForm telnetForm;
    PortScanForm portScanForm;
    PasswordHackForm passwordHackForm;
    VirusUploadForm virusUploadForm;
    FileTransferForm downloadForm;
    FileTransferForm wiperForm;
    MainConsole console;
    CommandInterpreter interpreter;
    SavedGames savedGames;
    // Where the highscore goes: the reserved example host, unless the start-up says otherwise.
    std::string highscoreHost = kDefaultHighscoreHost;

    std::string LangString(const std::string& key) { return lang.LangString(key); }

    // Shows a text in the modal message window and returns once it is closed; while a message
    // is already open the text is dropped.
    void ShowMessage(const std::string& text);

    // Plays a wave file of the Sound folder (its name found without regard to case) when sound is
    // on. Flag 1 returns at once; without it the call blocks until the sound has ended (and plays
    // nothing when the file is missing).
    void PlaySoundFile(const std::string& name, int flags);

    // Writes the settings file; false when it could not be written.
    bool SaveSettings();

    // The four status labels of the console.
    void ShowScore();
    void ShowStatus(const std::string& statusText);
    void ShowTrace(const std::string& traceText);
    void ShowBusted();

    // Shows the intro modally; it fills the handle and the pack. Leaving it without an accepted
    // entry ends the program.
    void ShowIntro();

    // What a click on a console button does, once the console has let it through.
    void ButtonClicked(const std::string& button);

    // The file system a command works on: the target's while logged in, else the player's own.
    // A command takes it once, at its start, and keeps working on that one.
    FileSystemRecord& ActiveFileSystem() { return state.Connected ? remote : local; }

    // Reads the player's file system from FileSystem/<name>fs.zdl (his own, else the shipped one);
    // a failure ends the program.
    void LoadFileSystem(const std::string& name);
    // Reads such a file without taking it: the record it gives (on top of the file list in
    // memory, which a file without file lines keeps), or nothing when it cannot be read. The
    // values its placeholders draw are kept only when it reads.
    std::optional<FileSystemRecord> ReadFileSystem(const std::string& name);
    // The same for the bytes of such a file.
    std::optional<FileSystemRecord> FileSystemFromText(std::string bytes);

    // Fills the mission placeholders into a line of a mission or file-system text; drawing a
    // target value also makes it the target's.
    std::string ExpandPlaceholders(const std::string& line);

    // Missions: the pack's folder (the player's pack of that name, else the shipped one), counting
    // its missions at start, starting and loading one, and the mission timer's tick that starts the
    // next one or ends the pack.
    std::filesystem::path PackFolder() const;
    void CountPackMissions();
    void StartMission(const std::filesystem::path& missionFile);
    void LoadMission(const std::filesystem::path& missionFile);
    void MissionTimerTick();

    // The line to the target: switching the console to it and back, and the host's welcome.
    void SetConnected(bool connected);
    void PrintHostBanner();

    // Judging a mission at the hang-up; the trace's tick; being busted.
    void ObjectiveCheck();
    void TraceTimerTick();
    enum class BustReason { Traced, LogFile };
    void Busted(BustReason reason);
    // Closes the open tool windows (password hacker, virus uploader, download, wiper, in order).
    void CloseToolWindows();
};
