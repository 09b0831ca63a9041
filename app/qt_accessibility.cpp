// The game's descriptions for screen readers: one factory for the few controls Qt cannot
// describe well by itself.
#include "qt_accessibility.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "app/clickable_label.h"

namespace {

constexpr const char* kDecorative = "zindrelDecorative";
constexpr const char* kSeeThrough = "zindrelSeeThrough";
constexpr const char* kPercent = "zindrelPercent";

bool Has(const QWidget* widget, const char* property) {
    return widget->property(property).toBool();
}

// The controls a screen reader finds in a container: its child widgets without the decoration,
// with the content of see-through frames in their place.
void CollectChildren(const QWidget* container, QList<QWidget*>& found) {
    for (QObject* object : container->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child == nullptr || child->isWindow() || Has(child, kDecorative)) continue;
        if (Has(child, kSeeThrough))
            CollectChildren(child, found);
        else
            found.push_back(child);
    }
}

// The container a screen reader finds a control in: see-through frames do not count.
QWidget* ExposedParent(const QWidget* widget) {
    QWidget* parent = widget->parentWidget();
    while (parent != nullptr && !parent->isWindow() && Has(parent, kSeeThrough))
        parent = parent->parentWidget();
    return parent;
}

// A game window: a frame (the console) or a dialog, whose children leave out what only
// decorates.
class AccessibleWindow : public QAccessibleWidget {
public:
    AccessibleWindow(QWidget* window, QAccessible::Role role) : QAccessibleWidget(window, role) {}

    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = Children();
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) return -1;
        return static_cast<int>(Children().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> Children() const {
        QList<QWidget*> children;
        CollectChildren(widget(), children);
        return children;
    }
};

// A label used as a button: named by its caption (or the accessible name the window gave it),
// pressed like any button, and found directly in its window when its frame is see-through.
class AccessibleClickableLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickableLabel(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        const QString given = widget()->accessibleName();
        return given.isEmpty() ? Label()->text().simplified() : given;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(ExposedParent(widget()));
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

// A text box as screen readers read it: its text, caret and selection, and no parts of its
// own (viewport, scroll bars). The console's transcript is a terminal, whose new text screen
// readers speak as it arrives after a command, where in a text box they would keep quiet. The
// text is the box's document, in the positions Qt's own insertion events name.
class AccessibleTextBox : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    AccessibleTextBox(QPlainTextEdit* box, QAccessible::Role role)
        : QAccessibleWidget(box, role), terminal_(role == QAccessible::Terminal) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.multiLine = true;
        // The console is read-only to Qt because the game owns its text, but the player types
        // into it; the mail is only read.
        state.editable = terminal_ || !Box()->isReadOnly();
        state.readOnly = !state.editable;
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return Box()->toPlainText();
        return QAccessibleWidget::text(kind);
    }
    // The box's viewport and scroll bars are its own business.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }

    void selection(int index, int* start, int* end) const override {
        const QTextCursor cursor = Box()->textCursor();
        *start = *end = 0;
        if (index == 0 && cursor.hasSelection()) {
            *start = cursor.selectionStart();
            *end = cursor.selectionEnd();
        }
    }
    int selectionCount() const override { return Box()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int /*index*/) override {
        QTextCursor cursor = Box()->textCursor();
        cursor.clearSelection();
        Box()->setTextCursor(cursor);
    }
    void setSelection(int /*index*/, int start, int end) override {
        QTextCursor cursor = Box()->textCursor();
        cursor.setPosition(Clamped(start));
        cursor.setPosition(Clamped(end), QTextCursor::KeepAnchor);
        Box()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return Box()->textCursor().position(); }
    void setCursorPosition(int position) override {
        // A caret moved by a screen reader is put back at the end by the next output, as one
        // moved with the arrow keys is.
        QTextCursor cursor = Box()->textCursor();
        cursor.setPosition(Clamped(position));
        Box()->setTextCursor(cursor);
    }
    QString text(int start, int end) const override {
        QTextCursor cursor(Box()->document());
        cursor.setPosition(Clamped(start));
        cursor.setPosition(Clamped(end), QTextCursor::KeepAnchor);
        return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    }
    int characterCount() const override { return Box()->document()->characterCount() - 1; }
    QRect characterRect(int offset) const override {
        QTextCursor cursor(Box()->document());
        cursor.setPosition(Clamped(offset));
        QRect rect = Box()->cursorRect(cursor);
        rect.setWidth(QFontMetrics(Box()->font()).horizontalAdvance(QLatin1Char('M')));
        return QRect(Box()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return Box()->cursorForPosition(Box()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int /*end*/) override {
        setCursorPosition(start);
        Box()->ensureCursorVisible();
    }
    QString attributes(int /*offset*/, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QPlainTextEdit* Box() const { return static_cast<QPlainTextEdit*>(widget()); }
    int Clamped(int position) const { return std::clamp(position, 0, characterCount()); }

    bool terminal_;
};

// A tool's progress picture as the progress bar it shows, with the percentage as its value.
class AccessibleProgress : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleProgress(QWidget* picture)
        : QAccessibleWidget(picture, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return QString::number(Percent()) + QLatin1Char('%');
        return QAccessibleWidget::text(kind);
    }
    QVariant currentValue() const override { return Percent(); }
    void setCurrentValue(const QVariant& /*value*/) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    int Percent() const { return widget()->property(kPercent).toInt(); }
};

QAccessibleInterface* GameAccessibleFor(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("ClickableLabel"))
        return new AccessibleClickableLabel(static_cast<ClickableLabel*>(widget));
    if (className == QLatin1String("ConsoleTextBox"))
        return new AccessibleTextBox(static_cast<QPlainTextEdit*>(widget), QAccessible::Terminal);
    if (className == QLatin1String("QPlainTextEdit"))
        return new AccessibleTextBox(static_cast<QPlainTextEdit*>(widget),
                                     QAccessible::EditableText);
    if (className == QLatin1String("ConsoleWindow"))
        return new AccessibleWindow(widget, QAccessible::Window);
    if (className == QLatin1String("FormDialog"))
        return new AccessibleWindow(widget, QAccessible::Dialog);
    if (className == QLatin1String("ProgressLabel")) return new AccessibleProgress(widget);
    return nullptr;
}

}  // namespace

void InstallGameAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&GameAccessibleFor);
        return true;
    }();
    (void)installed;
}

void MarkDecorative(QWidget* widget) {
    widget->setProperty(kDecorative, true);
}

void MarkSeeThrough(QWidget* widget) {
    widget->setProperty(kSeeThrough, true);
}

void MarkProgress(QWidget* picture, int percent) {
    const QVariant before = picture->property(kPercent);
    if (before.isValid() && before.toInt() == percent) return;
    picture->setProperty(kPercent, percent);
    if (!before.isValid() || !QAccessible::isActive()) return;
    QAccessibleValueChangeEvent event(picture, percent);
    QAccessible::updateAccessibility(&event);
}
