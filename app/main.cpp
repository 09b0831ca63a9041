// Starts the game: the Qt platform and windows around the game core, in the application folder
// the executable sits in, or installed, on the shared data and the player's own folder.
#include <dlfcn.h>

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "app/first_paint.h"
#include "app/game.h"
#include "app/intro_window.h"
#include "app/qt_command_line.h"
#include "app/qt_platform.h"
#include "app/settings_window.h"
#include "console/lazy_console_window.h"
#include "tools/file_transfer_window.h"
#include "tools/mail_window.h"
#include "tools/message_window.h"
#include "tools/password_hack_window.h"
#include "tools/ping_window.h"
#include "tools/port_scan_window.h"
#include "tools/telnet_window.h"
#include "tools/virus_upload_window.h"

namespace {

// Reading the system's font configuration is the largest single part of a start that shows
// text. The library that does it is loaded with Qt's; here it starts on a thread of its own
// while Qt opens its connection to the display, and Qt finds it done when the intro needs fonts.
void ReadFontConfigurationEarly() {
#ifdef __linux__
    std::thread([] {
        if (auto init = reinterpret_cast<int (*)()>(dlsym(RTLD_DEFAULT, "FcInit"))) init();
    }).detach();
#endif
}

#ifndef ZINDREL_MODULES_FROM_BIN
#error "ZINDREL_MODULES_FROM_BIN must give the installed module folder relative to the programs"
#endif

const char* const kDescription =
    "Zindrel, a hacking-simulation game. Without options it plays on the data beside the "
    "program, or installed, on the shared data with your files in your own data folder.";

void NameProgram() {
    QCoreApplication::setApplicationName("Zindrel");
    QCoreApplication::setApplicationVersion(Game::kVersion);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (AsksOnlyForInformation(argc, argv)) {
        // Answered on the terminal, with no display needed.
        QCoreApplication information(argc, argv);
        NameProgram();
        ProgramCommandLine(kDescription).Process();
    }
    ReadFontConfigurationEarly();
    QApplication application(argc, argv);
    NameProgram();
    // The desktop matches the windows to the menu entry, and its icon, by this name.
    QGuiApplication::setDesktopFileName("org.zindrel.Zindrel");
    ProgramCommandLine commandLine(kDescription);
    commandLine.Process();
    const GameFolders folders =
        ChooseFoldersOrEnd(commandLine, StandardCandidates(QCoreApplication::applicationDirPath()));
    InstallFirstPaintProbe();
    // Every window of the game writes in the one typewriter face; as the program's font it is
    // also the only face the start loads.
    QFont typewriter = QApplication::font();
    typewriter.setFamily("Courier");
    typewriter.setStyleHint(QFont::TypeWriter);
    QApplication::setFont(typewriter);

    QtPlatform platform;
    // Beside the executable in the application folder; installed, in the library folder.
    const QDir programFolder(QCoreApplication::applicationDirPath());
    platform.SetSoundModuleFolders(
        {programFolder.path(), programFolder.filePath(ZINDREL_MODULES_FROM_BIN)});
    // The console window is made once the intro has been accepted; dialogs centre on it from
    // then on, and the console output it gathered is on screen whenever the game waits.
    LazyConsoleWindow consoleWindow(
        [&platform](ConsoleWindow& window) { platform.SetMainWindow(&window); });
    Game game(platform, folders, consoleWindow);
    consoleWindow.Bind(game.console);
    // A player or a community server may send the highscore elsewhere.
    if (const char* host = std::getenv("ZINDREL_HIGHSCORE_URL"); host != nullptr && *host != '\0') {
        if (const std::optional<std::string> base = HighscoreBase(host))
            game.highscoreHost = *base;
        else
            std::fprintf(stderr,
                         "zindrel: ZINDREL_HIGHSCORE_URL \"%s\" is no http:// or https:// address "
                         "of a host with an optional port and path; the highscore goes to %s\n",
                         host, kDefaultHighscoreHost);
    }
    platform.SetBeforeWaiting([&consoleWindow] { consoleWindow.FlushOutput(); });
    platform.RegisterWindow("frmMessage", &CreateFormWindow<MessageWindow>);
    platform.RegisterWindow("frmIntro", &CreateFormWindow<IntroWindow>);
    platform.RegisterWindow("frmSettings", &CreateFormWindow<SettingsWindow>);
    platform.RegisterWindow("frmMail", &CreateFormWindow<MailWindow>);
    platform.RegisterWindow("frmPing", &CreateFormWindow<PingWindow>);
    platform.RegisterWindow("frmTelnet", &CreateFormWindow<TelnetWindow>);
    platform.RegisterWindow("frmPortscan", &CreateFormWindow<PortScanWindow>);
    platform.RegisterWindow("frmPasswordhack", &CreateFormWindow<PasswordHackWindow>);
    platform.RegisterWindow("frmUploadvirus", &CreateFormWindow<VirusUploadWindow>);
    platform.RegisterWindow("frmCopyfile", &CreateFormWindow<FileTransferWindow>);
    platform.RegisterWindow("frmDestroyfile", &CreateFormWindow<FileTransferWindow>);
    // The intro plays no sound: the sound module loads while the player reads it.
    AfterFirstPaint([&platform] { platform.LoadSoundPlayer(); });

    QTimer::singleShot(0, [&game] { game.console.Form_Load(); });
    return QApplication::exec();
}
