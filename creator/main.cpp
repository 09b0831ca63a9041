// Starts Quenbry on the folder it sits in, whose sub-folders are the mission packs.
#include <QApplication>

#include "creator/pack_manager_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quenbry");

    // The folder is a path, not game text: it keeps the system's own encoding, as the game's does.
    PackManagerWindow window(QCoreApplication::applicationDirPath().toStdString());
    window.show();
    return QApplication::exec();
}
