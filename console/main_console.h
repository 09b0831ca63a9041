// The logic of the main console window frmMainConsole: the transcript with the typing position,
// its output operations, its key rules, its labels and timers, and the start-up sequence.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "app/platform.h"
#include "console/console_view.h"

class Game;

enum class ConsoleKey { Backspace, Enter, ArrowUp, ArrowDown, Other };

class MainConsole {
public:
    MainConsole(Game& game, ConsoleView& view);

    // The text that ends the transcript while the console waits for a command.
    std::string Prompt;

    // The scrollback: a game left running for a night of missions must not grow without end, so
    // the transcript keeps its last kScrollbackLines lines. Lines are dropped from the top a
    // thousand at a time, once that many have gathered above the limit, so the console holds
    // between kScrollbackLines and kScrollbackLines + kTrimLines lines.
    static constexpr std::size_t kScrollbackLines = 10'000;
    static constexpr std::size_t kTrimLines = 1'000;
    // The same in bytes, for long lines (a paste of a whole file): the oldest lines go, a half
    // megabyte at a time, once the transcript passes its four megabytes. The last line always
    // stays.
    static constexpr std::size_t kScrollbackBytes = 4 * 1024 * 1024;
    static constexpr std::size_t kTrimBytes = 512 * 1024;

    // Output operations: they always append at the very end of the transcript.
    void ConsolePrint(std::string_view text, int pauseSteps, bool newLine);
    void TypeText(std::string_view text);
    void ShowPrompt();
    void PrintBanner();
    void ClearTranscript();
    // Takes back what the player typed after the prompt but did not enter, so that a command the
    // game submits (a tool's, the hang-up's) stands alone behind the prompt, as it runs.
    void DiscardUnsentTyping();

    const std::string& Transcript() const { return transcript_; }
    bool CommandLineEnabled() const { return commandLineEnabled_; }
    void SetCommandLineEnabled(bool enabled);
    Colour TextColour() const { return textColour_; }
    void SetTextColour(Colour colour);
    void FocusCommandLine() { view_.FocusCommandLine(); }

    // Shows the help text in the console. From the help button it also prints the prompt and
    // puts the caret at the start, so the window shows the beginning of the text.
    void ShowHelp(bool fromButton);
    void PutCaretAtStart() { view_.CaretToStart(); }

    // Captions and visibility of the window's labels, by control name.
    void SetCaption(const std::string& control, const std::string& text);
    std::string Caption(const std::string& control) const;
    void SetVisible(const std::string& control, bool visible);
    bool IsVisible(const std::string& control) const;

    // Window events.
    void Form_Load();
    [[noreturn]] void Form_Unload();
    void CommandLine_KeyDown(ConsoleKey key);
    void CommandLine_KeyPress(char character);
    void topright_Click();
    // A click on one of the button labels; every button does nothing while the input is disabled.
    void ButtonClick(const std::string& button);

    GameTimer& StartupTimer() { return *startupTimer_; }
    GameTimer& MissionTimer() { return *missionTimer_; }
    GameTimer& TotalTimer() { return *totalTimer_; }
    GameTimer& TraceTimer() { return *traceTimer_; }

    static constexpr const char* kButtons[] = {
        "butemail",        "butping",  "buttelnet", "butcopyfile", "butportscan", "butdestroy",
        "butpasswordhack", "butvirus", "buthangup", "buthelp",     "butsettings"};

private:
    void Append(std::string_view text);
    void TrimScrollback();
    void StartupTimer_Timer();
    void MissionTimer_Timer();
    void TotalTimer_Timer();
    void TraceTimer_Timer();

    Game& game_;
    ConsoleView& view_;
    std::string transcript_;
    std::size_t lineBreaks_ = 0;  // the CR LF pairs in the transcript
    // Where the player's typing begins: right after the prompt while the console waits at it,
    // npos once anything else has been printed since.
    std::size_t typingStart_ = std::string::npos;
    bool commandLineEnabled_ = true;
    Colour textColour_ = kConsoleGreen;
    std::map<std::string, std::string> captions_;
    std::map<std::string, bool> visible_;
    std::unique_ptr<GameTimer> startupTimer_;
    std::unique_ptr<GameTimer> missionTimer_;
    std::unique_ptr<GameTimer> totalTimer_;
    std::unique_ptr<GameTimer> traceTimer_;
};
