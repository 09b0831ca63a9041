// Notes the first paint of any window, lets that paint reach the window system, then reports.
#include "first_paint_probe.h"

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

class FirstPaintProbe : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_ && watched->isWidgetType()) {
            seen_ = true;
            // The report waits for the next turn of the event loop: by then the whole window has
            // been drawn and its picture handed to the window system.
            QMetaObject::invokeMethod(this, &FirstPaintProbe::Report, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Report() {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("first-paint-us %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
        std::fflush(nullptr);
        std::_Exit(0);
    }

    bool seen_ = false;
};

}  // namespace

void InstallFirstPaintProbe() {
    if (std::getenv("ZINDREL_FIRST_PAINT_PROBE") == nullptr) return;
    auto* probe = new FirstPaintProbe;
    probe->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(probe);
}
