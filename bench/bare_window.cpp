// The yardstick of the start-up benchmark: a bare Qt window, built with the game's flags, that
// opens and is painted and nothing more.
#include <QApplication>
#include <QWidget>

#include "app/first_paint.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    InstallFirstPaintProbe();
    QWidget window;
    window.setWindowTitle("Bare window");
    window.resize(400, 300);
    window.show();
    return QApplication::exec();
}
