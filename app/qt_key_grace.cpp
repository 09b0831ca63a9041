// Dropping the keys that reach a window in its first moment on screen.
#include "qt_key_grace.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

int gGraceMilliseconds = KeyGrace::kDefaultMilliseconds;

}  // namespace

KeyGrace::KeyGrace(QWidget* window)
    : QObject(window), window_(window), milliseconds_(gGraceMilliseconds) {
    // Keys go to the window's focused control, or first to its native window: the application
    // sees them all before any of them does.
    QCoreApplication::instance()->installEventFilter(this);
}

KeyGrace::~KeyGrace() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void KeyGrace::SetMilliseconds(int milliseconds) {
    gGraceMilliseconds = milliseconds;
}

bool KeyGrace::MeantForTheWindow(QObject* watched) const {
    if (auto* widget = qobject_cast<QWidget*>(watched)) return widget->window() == window_;
    return watched == window_->windowHandle();
}

bool KeyGrace::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
            if (watched == window_) shown_.start();
            break;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::InputMethod:
            // A window not yet on screen cannot have been read either.
            if (MeantForTheWindow(watched) &&
                (!shown_.isValid() || shown_.elapsed() < milliseconds_))
                return true;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}
