// The console window frmMainConsole on screen: the transcript box, the title, the status labels
// and the column of button labels, bound to the core's MainConsole.
#pragma once

#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "console/console_view.h"

class MainConsole;
class QLabel;

// The transcript and typing position. Every key goes to the core, which owns the text; the box
// only shows it, so typing always lands at the end whatever the caret shows.
//
// Laying out text is what the window spends most on, so the box gathers the core's changes to
// the transcript and applies them together, then moves the caret and scrolls once: when the
// event loop next gets its turn, at the end of a key or click it handled, or when FlushOutput is
// called before the game waits. Whatever the player can see is therefore up to date.
class ConsoleTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ConsoleTextBox(QWidget* parent);
    void Bind(MainConsole& console) { console_ = &console; }
    void SetTextColour(const QColor& colour);
    void MoveCaretToEnd();

    // The core's changes to the transcript, shown at the next flush.
    void TranscriptAppended();
    void TranscriptTruncated(std::size_t newLength);
    void TranscriptTrimmed(std::string_view removed);
    void TranscriptReplaced();
    // Shows every change gathered so far.
    void FlushOutput();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void HandleKey(QKeyEvent* event);
    void TypeCharacters(const QString& text);
    void Changed();

    MainConsole* console_ = nullptr;
    QColor textColour_;
    QTimer caretBlink_;
    bool caretShown_ = true;

    // The box shows the transcript's first shownBytes_ bytes once trimChars_ characters are
    // taken from its top and cutChars_ from its end, unless it must be filled anew.
    std::size_t shownBytes_ = 0;
    int trimChars_ = 0;
    int cutChars_ = 0;
    bool refill_ = false;
    bool changed_ = false;
    bool appended_ = false;
    bool flushQueued_ = false;
};

class ConsoleWindow : public QWidget, public ConsoleView {
    Q_OBJECT
public:
    ConsoleWindow();
    void Bind(MainConsole& console);

    ConsoleTextBox* CommandLine() const { return commandLine_; }

    // ConsoleView
    void ShowWindow() override;
    void TranscriptAppended(std::string_view added) override;
    void TranscriptTruncated(std::size_t newLength) override;
    void TranscriptTrimmed(std::string_view removed) override;
    void TranscriptReplaced(const std::string& text) override;
    void InputEnabledChanged(bool enabled) override;
    void TextColourChanged(Colour colour) override;
    void CaptionChanged(const std::string& control, const std::string& text) override;
    void VisibilityChanged(const std::string& control, bool visible) override;
    void CaretToStart() override;
    void FocusCommandLine() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    QLabel* AddLabel(const char* name, const QString& text = {});

    MainConsole* console_ = nullptr;
    ConsoleTextBox* commandLine_ = nullptr;
    bool forwardingKey_ = false;
};
