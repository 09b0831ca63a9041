// The label button's clicks, keys, focus mark and its description for screen readers.
#include "clickable_label.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "app/window_chrome.h"

namespace {

// Screen readers see a button named by its caption (or by the accessible name the window gave
// it), which can be pressed.
class AccessibleClickableLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickableLabel(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        const QString given = widget()->accessibleName();
        return given.isEmpty() ? Label()->text().simplified() : given;
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            Label()->Click();
        else
            QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction()) return {"Space"};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    ClickableLabel* Label() const { return static_cast<ClickableLabel*>(widget()); }
};

QAccessibleInterface* AccessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String("ClickableLabel") && object != nullptr && object->isWidgetType())
        return new AccessibleClickableLabel(static_cast<ClickableLabel*>(object));
    return nullptr;
}

void InstallAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(&AccessibleFor);
        return true;
    }();
    (void)installed;
}

}  // namespace

ClickableLabel::ClickableLabel(QWidget* parent) : ClickableLabel(QString(), parent) {}

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    InstallAccessibleFactory();
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
