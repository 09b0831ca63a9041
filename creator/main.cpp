// Starts Quenbry on the game's packs: in a portable application folder the packs beside it,
// installed the shipped packs and the player's own.
#include <QApplication>
#include <QDir>

#include "app/qt_command_line.h"
#include "creator/focus_ring_window.h"
#include "creator/pack_manager_window.h"

namespace {

const char* const kDescription =
    "Quenbry, the mission-pack creator of Zindrel. It works on the packs the game plays: beside "
    "it in the game's folder, or installed, the shipped packs and your own, which it keeps in "
    "your own data folder.";

void NameProgram() {
    QCoreApplication::setApplicationName("Quenbry");
    QCoreApplication::setApplicationVersion("1.1");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (AsksOnlyForInformation(argc, argv)) {
        QCoreApplication information(argc, argv);
        NameProgram();
        ProgramCommandLine(kDescription).Process();
    }
    QApplication application(argc, argv);
    NameProgram();
    QGuiApplication::setDesktopFileName("org.zindrel.Quenbry");
    FocusRingWindow::Install();
    ProgramCommandLine commandLine(kDescription);
    commandLine.Process();

    // In the application folder Quenbry sits in MissionPack, so the game's folder is the one
    // above it.
    const GameFolders game = ChooseFoldersOrEnd(
        commandLine,
        StandardCandidates(QDir(QCoreApplication::applicationDirPath()).filePath("..")));
    PackManagerWindow window(
        PackManager(GameFolders{game.data / "MissionPack", game.user / "MissionPack"}));
    window.show();
    return QApplication::exec();
}
