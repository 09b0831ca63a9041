// Making the console window on first use and passing the core's notifications on to it.
#include "lazy_console_window.h"

#include "console/main_console.h"

LazyConsoleWindow::LazyConsoleWindow(std::function<void(ConsoleWindow&)> whenBuilt)
    : whenBuilt_(std::move(whenBuilt)) {}

LazyConsoleWindow::~LazyConsoleWindow() = default;

ConsoleWindow& LazyConsoleWindow::Built() {
    if (!window_) {
        window_ = std::make_unique<ConsoleWindow>();
        if (console_ != nullptr) window_->Bind(*console_);
        if (whenBuilt_) whenBuilt_(*window_);
    }
    return *window_;
}

void LazyConsoleWindow::FlushOutput() {
    if (window_) window_->CommandLine()->FlushOutput();
}

void LazyConsoleWindow::ShowWindow() {
    Built().ShowWindow();
}

void LazyConsoleWindow::TranscriptAppended(std::string_view added) {
    Built().TranscriptAppended(added);
}

void LazyConsoleWindow::TranscriptTruncated(std::size_t newLength) {
    Built().TranscriptTruncated(newLength);
}

void LazyConsoleWindow::TranscriptTrimmed(std::string_view removed) {
    Built().TranscriptTrimmed(removed);
}

void LazyConsoleWindow::TranscriptReplaced(const std::string& text) {
    Built().TranscriptReplaced(text);
}

void LazyConsoleWindow::InputEnabledChanged(bool enabled) {
    Built().InputEnabledChanged(enabled);
}

void LazyConsoleWindow::TextColourChanged(Colour colour) {
    Built().TextColourChanged(colour);
}

void LazyConsoleWindow::CaptionChanged(const std::string& control, const std::string& text) {
    Built().CaptionChanged(control, text);
}

void LazyConsoleWindow::VisibilityChanged(const std::string& control, bool visible) {
    Built().VisibilityChanged(control, visible);
}

void LazyConsoleWindow::CaretToStart() {
    Built().CaretToStart();
}

void LazyConsoleWindow::FocusCommandLine() {
    Built().FocusCommandLine();
}
