// Noting the first paint of any window and running what waited for it.
#include "first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

class FirstPaintWatcher : public QObject {
public:
    static FirstPaintWatcher& Instance() {
        static auto* watcher = [] {
            auto* made = new FirstPaintWatcher;
            made->setParent(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(made);
            return made;
        }();
        return *watcher;
    }

    void Add(std::function<void()> action) { actions_.push_back(std::move(action)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_ && watched->isWidgetType()) {
            painted_ = true;
            QCoreApplication::instance()->removeEventFilter(this);
            // The next turn of the event loop: by then the whole window has been drawn.
            QMetaObject::invokeMethod(this, &FirstPaintWatcher::Run, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Run() {
        for (const auto& action : actions_) action();
        actions_.clear();
    }

    std::vector<std::function<void()>> actions_;
    bool painted_ = false;
};

}  // namespace

void AfterFirstPaint(std::function<void()> action) {
    FirstPaintWatcher::Instance().Add(std::move(action));
}

void InstallFirstPaintProbe() {
    if (std::getenv("ZINDREL_FIRST_PAINT_PROBE") == nullptr) return;
    AfterFirstPaint([] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("first-paint-us %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
        std::fflush(nullptr);
        std::_Exit(0);
    });
}
