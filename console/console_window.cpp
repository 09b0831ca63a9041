// The console window's widgets and how they talk to the core.
#include "console_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>

#include "app/clickable_label.h"
#include "app/qt_accessibility.h"
#include "app/qt_text.h"
#include "app/window_chrome.h"
#include "console/main_console.h"

namespace {

QColor ToQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

// How many characters of the box the transcript's bytes take: one each, and one for a CR LF.
int DisplayLength(std::string_view bytes) {
    std::size_t length = bytes.size();
    for (std::size_t at = bytes.find("\r\n"); at != std::string_view::npos;
         at = bytes.find("\r\n", at + 2))
        --length;
    return static_cast<int>(length);
}

QString ConsoleStyle() {
    return R"(
    QWidget#frmMainConsole { background: #101010; }
    QLabel#mainlabel { font-size: 11pt; }
    QFrame[frameLabel="true"] { border: 1px solid #006000; background: #001800; }
    QScrollBar:vertical { background: #001800; width: 12px; border: 1px solid #006000; }
    QScrollBar::handle:vertical { background: #006000; min-height: 20px; }
    QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }
    QPlainTextEdit#CommandLine { border: 1px solid #006000; }
    QLabel[button="true"] { padding: 3px 6px; }
    QLabel[button="true"]:hover { color: #000000; background: #00c000; }
    QFrame[decoration="line"] { color: #006000; }
)" + FocusRingStyle("QPlainTextEdit#CommandLine");
}

}  // namespace

ConsoleTextBox::ConsoleTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName("CommandLine");
    QFont font("Courier");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(9.75);
    setFont(font);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setUndoRedoEnabled(false);
    // The core owns the text: the box never edits it itself (no input method, drop or undo can
    // slip past the key rules), but the caret still moves and text can be marked and copied.
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The block caret is painted in the text colour; the system's line caret stays hidden.
    setCursorWidth(0);
    // Tab leaves the box for the buttons, so the keyboard reaches every one of them.
    setTabChangesFocus(true);
    SetTextColour(QColor(0, 192, 0));
    caretBlink_.setInterval(530);
    connect(&caretBlink_, &QTimer::timeout, this, [this] {
        caretShown_ = !caretShown_;
        viewport()->update();
    });
}

void ConsoleTextBox::SetTextColour(const QColor& colour) {
    textColour_ = colour;
    QPalette colours = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, Qt::black);
        colours.setColor(group, QPalette::Text, colour);
        colours.setColor(group, QPalette::Highlight, colour);
        colours.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    setPalette(colours);
    viewport()->update();
}

void ConsoleTextBox::MoveCaretToEnd() {
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    setTextCursor(cursor);
}

void ConsoleTextBox::Changed() {
    changed_ = true;
    if (flushQueued_) return;
    flushQueued_ = true;
    // The turn of the event loop after this one shows the change, unless a flush comes first.
    QTimer::singleShot(0, this, [this] {
        flushQueued_ = false;
        FlushOutput();
    });
}

void ConsoleTextBox::TranscriptAppended() {
    appended_ = true;
    Changed();
}

void ConsoleTextBox::TranscriptTruncated(std::size_t newLength) {
    // Only single characters of a line are ever taken back (Backspace), never a line break.
    if (!refill_ && newLength < shownBytes_) {
        cutChars_ += static_cast<int>(shownBytes_ - newLength);
        shownBytes_ = newLength;
    }
    Changed();
}

void ConsoleTextBox::TranscriptTrimmed(std::string_view removed) {
    if (!refill_) {
        if (removed.size() <= shownBytes_) {
            trimChars_ += DisplayLength(removed);
            shownBytes_ -= removed.size();
        } else {
            // Lines the box never showed went too: it is simpler to fill it anew.
            refill_ = true;
        }
    }
    Changed();
}

void ConsoleTextBox::TranscriptReplaced() {
    refill_ = true;
    Changed();
}

void ConsoleTextBox::FlushOutput() {
    if (!changed_ || console_ == nullptr) return;
    const std::string& transcript = console_->Transcript();
    if (refill_) {
        setPlainText(ForDisplay(transcript));
    } else {
        QTextCursor cursor(document());
        cursor.beginEditBlock();
        if (trimChars_ > 0) {
            cursor.setPosition(trimChars_, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
        if (cutChars_ > 0) {
            cursor.movePosition(QTextCursor::End);
            cursor.setPosition(cursor.position() - cutChars_, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
        if (transcript.size() > shownBytes_) {
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(ForDisplay(std::string_view(transcript).substr(shownBytes_)));
        }
        cursor.endEditBlock();
    }
    shownBytes_ = transcript.size();
    trimChars_ = cutChars_ = 0;
    refill_ = changed_ = false;
    MoveCaretToEnd();
    if (appended_) ensureCursorVisible();
    appended_ = false;
}

void ConsoleTextBox::TypeCharacters(const QString& text) {
    if (console_ == nullptr) return;
    // Only printable characters are typed: Delete, the other control keys and the halves of
    // characters the code page cannot hold give nothing.
    for (QChar character : text)
        if (character.isPrint()) console_->CommandLine_KeyPress(ToCodePage(character));
}

void ConsoleTextBox::keyPressEvent(QKeyEvent* event) {
    if (console_ == nullptr) return;
    HandleKey(event);
    // What the key did is shown before the event loop goes on.
    FlushOutput();
}

void ConsoleTextBox::HandleKey(QKeyEvent* event) {
    caretShown_ = true;
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        console_->CommandLine_KeyDown(ConsoleKey::Other);
        if (const QMimeData* clip = QGuiApplication::clipboard()->mimeData())
            insertFromMimeData(clip);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Backspace:
            console_->CommandLine_KeyDown(ConsoleKey::Backspace);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            console_->CommandLine_KeyDown(ConsoleKey::Enter);
            return;
        case Qt::Key_Up:
            console_->CommandLine_KeyDown(ConsoleKey::ArrowUp);
            return;
        case Qt::Key_Down:
            console_->CommandLine_KeyDown(ConsoleKey::ArrowDown);
            return;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            // Moving the caret is allowed; the next change of the text puts it back at the end.
            console_->CommandLine_KeyDown(ConsoleKey::Other);
            QPlainTextEdit::keyPressEvent(event);
            return;
        default:
            break;
    }
    console_->CommandLine_KeyDown(ConsoleKey::Other);
    TypeCharacters(event->text());
}

void ConsoleTextBox::mousePressEvent(QMouseEvent* event) {
    QPlainTextEdit::mousePressEvent(event);
}

void ConsoleTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    // A click leaves the caret at the end of the transcript, unless the player marked text to copy.
    if (!textCursor().hasSelection()) MoveCaretToEnd();
}

void ConsoleTextBox::insertFromMimeData(const QMimeData* source) {
    if (source != nullptr && source->hasText()) TypeCharacters(source->text());
}

void ConsoleTextBox::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    if (!hasFocus() || !caretShown_) return;
    QPainter painter(viewport());
    QRect caret = cursorRect();
    caret.setWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')));
    painter.fillRect(caret, textColour_);
}

void ConsoleTextBox::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    caretShown_ = true;
    caretBlink_.start();
}

void ConsoleTextBox::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    caretBlink_.stop();
    viewport()->update();
}

QLabel* ConsoleWindow::AddLabel(const char* name, const QString& text) {
    return AddNamedLabel(this, name, text);
}

ConsoleWindow::ConsoleWindow() {
    InstallGameAccessibility();
    setObjectName("frmMainConsole");
    setWindowTitle("Zindrel");
    setStyleSheet(ChromeStyle() + ConsoleStyle());
    resize(860, 600);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 6, 8, 8);
    outer->setSpacing(6);

    // Title bar: icon, title and the close control.
    auto* titleRow = new QHBoxLayout;
    auto* icon = AddLabel("ZDLicon");
    icon->setPixmap(ZdlIcon());
    titleRow->addWidget(icon);
    titleRow->addWidget(AddLabel("topleft", "::"));
    AddTitleLabel(this, titleRow, {});
    titleRow->addWidget(AddLabel("topright", "::"));
    for (const char* decoration : {"ZDLicon", "topleft", "topright"})
        MarkDecorative(findChild<QWidget*>(decoration));
    AddCloseLabel(this, titleRow, [this] {
        if (console_ != nullptr) console_->topright_Click();
    });
    outer->addLayout(titleRow);

    auto addLine = [this](const char* name, QFrame::Shape shape) {
        auto* line = new QFrame(this);
        line->setObjectName(name);
        line->setFrameShape(shape);
        line->setProperty("decoration", "line");
        MarkDecorative(line);
        return line;
    };
    outer->addWidget(addLine("Line1", QFrame::HLine));

    // Middle: the transcript, and the column of button labels.
    auto* middle = new QHBoxLayout;
    auto* consoleColumn = new QVBoxLayout;
    QLabel* consoleLabel = AddLabel("consolelabel", "vorlOS console");
    consoleColumn->addWidget(consoleLabel);
    commandLine_ = new ConsoleTextBox(this);
    // The label names the box for screen readers.
    consoleLabel->setBuddy(commandLine_);
    consoleColumn->addWidget(commandLine_, 1);
    middle->addLayout(consoleColumn, 1);
    middle->addWidget(addLine("Line2", QFrame::VLine));

    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->setSpacing(4);
    buttonColumn->addWidget(AddLabel("midleft", "[ toolz ]"), 0, Qt::AlignHCenter);
    for (const char* name : MainConsole::kButtons) {
        // The frame drawn behind the button; it shows and hides together with it.
        auto* frame = new QFrame(this);
        frame->setObjectName(QString::fromStdString(std::string(name) + "_"));
        frame->setProperty("frameLabel", true);
        MarkSeeThrough(frame);
        auto* frameLayout = new QHBoxLayout(frame);
        frameLayout->setContentsMargins(1, 1, 1, 1);
        auto* button = new ClickableLabel(frame);
        button->setObjectName(name);
        button->setProperty("button", true);
        button->setCursor(Qt::PointingHandCursor);
        button->setMinimumWidth(140);
        frameLayout->addWidget(button);
        const std::string control = name;
        connect(button, &ClickableLabel::clicked, this, [this, control] {
            if (console_ == nullptr) return;
            console_->ButtonClick(control);
            commandLine_->FlushOutput();
            // A button pressed from the keyboard hands it back to the command line, and the
            // console is the active window again once the window the button opened is gone.
            FocusCommandLine();
        });
        buttonColumn->addWidget(frame);
    }
    buttonColumn->addStretch(1);
    QLabel* columnEnd = AddLabel("midright", "::");
    MarkDecorative(columnEnd);
    buttonColumn->addWidget(columnEnd, 0, Qt::AlignHCenter);
    middle->addLayout(buttonColumn);
    outer->addLayout(middle, 1);

    outer->addWidget(addLine("Line3", QFrame::HLine));
    // Bottom: the four status labels.
    auto* statusRow = new QHBoxLayout;
    for (const char* name : {"lblScore", "lblStatus", "lblTrace", "lblBusted"})
        statusRow->addWidget(AddLabel(name), 1);
    outer->addLayout(statusRow);
    outer->addWidget(addLine("Line4", QFrame::HLine));

    // The caret picture and the black backdrop belong to the window but show nothing.
    for (const char* hidden : {"Picture2", "black"}) {
        QLabel* label = AddLabel(hidden);
        label->hide();
        MarkDecorative(label);
    }
}

void ConsoleWindow::Bind(MainConsole& console) {
    console_ = &console;
    commandLine_->Bind(console);
    // Which buttons show is the core's to say; the window starts from its view of it.
    for (const char* button : MainConsole::kButtons) {
        VisibilityChanged(button, console.IsVisible(button));
        VisibilityChanged(std::string(button) + "_", console.IsVisible(button));
    }
}

void ConsoleWindow::ShowWindow() {
    show();
    raise();
    activateWindow();
}

void ConsoleWindow::TranscriptAppended(std::string_view /*added*/) {
    commandLine_->TranscriptAppended();
}

void ConsoleWindow::TranscriptTruncated(std::size_t newLength) {
    commandLine_->TranscriptTruncated(newLength);
}

void ConsoleWindow::TranscriptTrimmed(std::string_view removed) {
    commandLine_->TranscriptTrimmed(removed);
}

void ConsoleWindow::TranscriptReplaced(const std::string& /*text*/) {
    commandLine_->TranscriptReplaced();
}

void ConsoleWindow::InputEnabledChanged(bool /*enabled*/) {
    // The core refuses keys while the input is disabled. The widget itself stays enabled, so it
    // keeps the keyboard focus between a command's outputs.
}

void ConsoleWindow::TextColourChanged(Colour colour) {
    commandLine_->SetTextColour(ToQColor(colour));
}

void ConsoleWindow::CaptionChanged(const std::string& control, const std::string& text) {
    if (auto* label = findChild<QLabel*>(QString::fromStdString(control)))
        label->setText(ToQString(text));
}

void ConsoleWindow::VisibilityChanged(const std::string& control, bool visible) {
    if (auto* widget = findChild<QWidget*>(QString::fromStdString(control)))
        widget->setVisible(visible);
}

void ConsoleWindow::CaretToStart() {
    commandLine_->FlushOutput();
    QTextCursor cursor = commandLine_->textCursor();
    cursor.movePosition(QTextCursor::Start);
    commandLine_->setTextCursor(cursor);
    commandLine_->ensureCursorVisible();
}

void ConsoleWindow::FocusCommandLine() {
    activateWindow();
    commandLine_->setFocus();
}

void ConsoleWindow::closeEvent(QCloseEvent* event) {
    // Closing the console ends the game.
    event->accept();
    if (console_ != nullptr) console_->Form_Unload();
}

void ConsoleWindow::keyPressEvent(QKeyEvent* event) {
    // A key that a focused button does not take is typed at the command line, as if the
    // keyboard had never left it.
    // A key the command line itself let pass comes back here on its way up: it goes no further.
    if (forwardingKey_ || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        QWidget::keyPressEvent(event);
        return;
    }
    commandLine_->setFocus();
    forwardingKey_ = true;
    QCoreApplication::sendEvent(commandLine_, event);
    forwardingKey_ = false;
}

bool ConsoleWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) commandLine_->setFocus();
    return QWidget::event(event);
}
