// The label button's clicks, keys and focus ring.
#include "clickable_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "app/qt_accessibility.h"
#include "app/window_chrome.h"

ClickableLabel::ClickableLabel(QWidget* parent) : ClickableLabel(QString(), parent) {}

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    InstallGameAccessibility();
    // Tab reaches it, but a click leaves the keyboard where it was (the console's command line
    // keeps it while its buttons are clicked).
    setFocusPolicy(Qt::TabFocus);
}

void ClickableLabel::Click() {
    if (isEnabled()) emit clicked();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Click();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Select:
            if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
                Click();
                return;
            }
            break;
        default:
            break;
    }
    // Other keys go to the window, which may hand them on (the console types them).
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    DrawFocusRing(painter, rect());
}
