// The focus ring drawn around Quenbry's focused control.
#include "focus_ring_window.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

void FocusRingWindow::Install() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    // The ring lives in the window of the focused control, so a window that closes takes it
    // along; the next focus change makes a new one.
    static QPointer<FocusRingWindow> ring;
    auto follow = [](QWidget* control) {
        if (ring == nullptr) ring = new FocusRingWindow;
        ring->Follow(control);
    };
    QObject::connect(qApp, &QApplication::focusChanged, qApp,
                     [follow](QWidget*, QWidget* now) { follow(now); });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] { delete ring; });
    follow(QApplication::focusWidget());
}

QColor FocusRingWindow::Colour() { return QColor(0x00, 0x20, 0x80); }

FocusRingWindow::FocusRingWindow() {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusRingWindow::Follow(QWidget* control) {
    if (control_ != nullptr) control_->removeEventFilter(this);
    control_ = control;
    if (control == nullptr || control->window() == control) {
        hide();
        return;
    }
    control->installEventFilter(this);
    setParent(control->window());
    Place();
}

void FocusRingWindow::Place() {
    if (control_ == nullptr || !control_->isVisible()) {
        hide();
        return;
    }
    // Just outside the control, so nothing of it is covered.
    const QPoint origin = control_->mapTo(control_->window(), QPoint(0, 0));
    setGeometry(QRect(origin, control_->size()).adjusted(-kWidth, -kWidth, kWidth, kWidth));
    raise();
    show();
}

bool FocusRingWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == control_) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide: Place(); break;
            default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRingWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Colour());
    for (int i = 0; i < kWidth; ++i) painter.drawRect(rect().adjusted(i, i, -i - 1, -i - 1));
}
