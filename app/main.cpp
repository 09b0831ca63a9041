// Starts the game: the Qt platform and windows around the game core, in the application folder
// the executable sits in.
#include <QApplication>
#include <QTimer>

#include "app/game.h"
#include "app/intro_window.h"
#include "app/qt_platform.h"
#include "app/settings_window.h"
#include "console/console_window.h"
#include "tools/file_transfer_window.h"
#include "tools/mail_window.h"
#include "tools/message_window.h"
#include "tools/password_hack_window.h"
#include "tools/ping_window.h"
#include "tools/port_scan_window.h"
#include "tools/telnet_window.h"
#include "tools/virus_upload_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Zindrel");

    QtPlatform platform;
    ConsoleWindow consoleWindow;
    Game game(platform, QCoreApplication::applicationDirPath().toStdString(), consoleWindow);
    consoleWindow.Bind(game.console);
    platform.SetMainWindow(&consoleWindow);
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

    QTimer::singleShot(0, [&game] { game.console.Form_Load(); });
    return QApplication::exec();
}
