// The console window as the game starts it: built only when the core first has something to
// show in it, which is after the intro was accepted, so the intro opens without waiting for it.
#pragma once

#include <functional>
#include <memory>

#include "console/console_view.h"
#include "console/console_window.h"

class MainConsole;

class LazyConsoleWindow : public ConsoleView {
public:
    // whenBuilt runs once, right after the window was made and bound to the console.
    explicit LazyConsoleWindow(std::function<void(ConsoleWindow&)> whenBuilt = {});
    ~LazyConsoleWindow() override;

    void Bind(MainConsole& console) { console_ = &console; }
    // The window, or null while it has not been needed yet.
    ConsoleWindow* Window() const { return window_.get(); }
    // Shows the console output the window gathered; nothing while there is no window.
    void FlushOutput();

    // ConsoleView: each makes the window first.
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

private:
    ConsoleWindow& Built();

    std::function<void(ConsoleWindow&)> whenBuilt_;
    MainConsole* console_ = nullptr;
    std::unique_ptr<ConsoleWindow> window_;
};
