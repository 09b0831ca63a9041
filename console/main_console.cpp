// The console window's behaviour, independent of any toolkit.
#include "main_console.h"

#include "app/game.h"
#include "app/text_helpers.h"

namespace {

constexpr const char* kHiddenTools[] = {"butportscan", "butdestroy", "butpasswordhack", "butvirus"};

}  // namespace

MainConsole::MainConsole(Game& game, ConsoleView& view) : game_(game), view_(view) {
    Platform& platform = game_.platform;
    startupTimer_ = platform.CreateTimer("StartupTimer", 2000, [this] { StartupTimer_Timer(); });
    missionTimer_ = platform.CreateTimer("MissionTimer", 5000, [this] { MissionTimer_Timer(); });
    totalTimer_ = platform.CreateTimer("TotalTimer", 1000, [this] { TotalTimer_Timer(); });
    traceTimer_ = platform.CreateTimer("TraceTimer", 500, [this] { TraceTimer_Timer(); });
    for (const char* button : kButtons) visible_[button] = true;
    for (const char* tool : kHiddenTools) visible_[tool] = false;
}

void MainConsole::Append(std::string_view text) {
    if (text.empty()) return;
    // A line break whose CR came with the previous piece counts as well.
    if (text.front() == '\n' && transcript_.ends_with('\r')) ++lineBreaks_;
    for (std::size_t at = text.find(kCrLf); at != std::string_view::npos;
         at = text.find(kCrLf, at + kCrLf.size()))
        ++lineBreaks_;
    transcript_ += text;
    view_.TranscriptAppended(text);
    if (lineBreaks_ + 1 > kScrollbackLines + kTrimLines ||
        transcript_.size() > kScrollbackBytes + kTrimBytes)
        TrimScrollback();
}

void MainConsole::TrimScrollback() {
    // Whole lines from the top, until both the lines and the bytes are within their bounds; the
    // last line always stays.
    const std::size_t tooMany =
        lineBreaks_ + 1 > kScrollbackLines ? lineBreaks_ + 1 - kScrollbackLines : 0;
    std::size_t drop = 0, end = 0;
    while (drop < lineBreaks_ && (drop < tooMany || transcript_.size() - end > kScrollbackBytes)) {
        end = transcript_.find(kCrLf, end) + kCrLf.size();
        ++drop;
    }
    if (drop == 0) return;
    view_.TranscriptTrimmed(std::string_view(transcript_).substr(0, end));
    transcript_.erase(0, end);
    lineBreaks_ -= drop;
    if (typingStart_ != std::string::npos)
        typingStart_ = typingStart_ >= end ? typingStart_ - end : std::string::npos;
}

void MainConsole::SetCommandLineEnabled(bool enabled) {
    if (commandLineEnabled_ == enabled) return;
    commandLineEnabled_ = enabled;
    view_.InputEnabledChanged(enabled);
}

void MainConsole::SetTextColour(Colour colour) {
    textColour_ = colour;
    view_.TextColourChanged(colour);
}

void MainConsole::SetCaption(const std::string& control, const std::string& text) {
    captions_[control] = text;
    view_.CaptionChanged(control, text);
}

std::string MainConsole::Caption(const std::string& control) const {
    const auto found = captions_.find(control);
    return found == captions_.end() ? std::string() : found->second;
}

void MainConsole::SetVisible(const std::string& control, bool visible) {
    visible_[control] = visible;
    view_.VisibilityChanged(control, visible);
    // A button's frame label is shown and hidden together with it.
    view_.VisibilityChanged(control + "_", visible);
}

bool MainConsole::IsVisible(const std::string& control) const {
    const auto found = visible_.find(control);
    return found != visible_.end() && found->second;
}

void MainConsole::ConsolePrint(std::string_view text, int pauseSteps, bool newLine) {
    SetCommandLineEnabled(false);
    typingStart_ = std::string::npos;
    Append(text);
    if (newLine) Append(kCrLf);
    if (pauseSteps != 0) {
        Platform& platform = game_.platform;
        for (int step = 0; step < pauseSteps + 1; ++step) {
            platform.DoEvents();
            platform.Sleep(100);
            platform.DoEvents();
        }
    }
    SetCommandLineEnabled(true);
}

void MainConsole::TypeText(std::string_view text) {
    Platform& platform = game_.platform;
    SetCommandLineEnabled(false);
    typingStart_ = std::string::npos;
    for (char c : text) {
        Append(std::string_view(&c, 1));
        platform.Sleep(100);
        platform.DoEvents();
    }
    Append(kCrLf);
    SetCommandLineEnabled(true);
}

void MainConsole::ShowPrompt() {
    ConsolePrint("", 0, true);
    ConsolePrint(Prompt, 0, false);
    typingStart_ = transcript_.size();
}

void MainConsole::PrintBanner() {
    ConsolePrint("-Zindrel- Command console", 0, true);
    ConsolePrint(std::string("running vorlOS >version ") + Game::kVersion, 0, true);
    ConsolePrint(std::string(29, '-'), 0, true);
    ConsolePrint("", 0, true);
    ConsolePrint(game_.LangString("str41") + " [ " + game_.state.HackerHandle + " ]", 0, true);
}

void MainConsole::ClearTranscript() {
    transcript_.clear();
    lineBreaks_ = 0;
    typingStart_ = std::string::npos;
    view_.TranscriptReplaced(transcript_);
}

void MainConsole::DiscardUnsentTyping() {
    // Typed characters never hold a line break, so this takes back part of the last line only.
    if (typingStart_ == std::string::npos || transcript_.size() <= typingStart_) return;
    transcript_.resize(typingStart_);
    view_.TranscriptTruncated(transcript_.size());
}

void MainConsole::Form_Load() {
    GameState& state = game_.state;
    game_.ShowIntro();
    game_.CountPackMissions();

    SetCaption("butemail", game_.LangString("str6") + " 0");
    static constexpr std::pair<const char*, const char*> kButtonCaptions[] = {
        {"butping", "str140"},     {"buttelnet", "str141"},  {"butcopyfile", "str142"},
        {"butportscan", "str143"}, {"butdestroy", "str144"}, {"butpasswordhack", "str145"},
        {"butvirus", "str146"},    {"buthangup", "str147"},  {"buthelp", "str148"},
        {"butsettings", "str149"}};
    for (const auto& [button, key] : kButtonCaptions) SetCaption(button, game_.LangString(key));

    view_.ShowWindow();
    SetCaption("mainlabel", std::string("=[ Zindrel ") + Game::kVersion + " ]=");

    state.BustedCount = 0;
    state.MissionsCompleted = 0;
    game_.ShowScore();
    game_.ShowStatus(game_.LangString("str16"));
    game_.ShowTrace(game_.LangString("str17"));
    game_.ShowBusted();

    PrintBanner();
    ConsolePrint(game_.LangString("str15"), 0, true);
    SetCommandLineEnabled(false);
    startupTimer_->SetEnabled(true);

    game_.LoadFileSystem("default");
    game_.local.CurrentFolder = ".";
    Prompt = "root[.]# ";

    state.SaveCount = 0;
    state.PlaySeconds = 0;
    totalTimer_->SetEnabled(true);
}

void MainConsole::Form_Unload() {
    game_.platform.EndProgram();
}

void MainConsole::topright_Click() {
    Form_Unload();
}

void MainConsole::StartupTimer_Timer() {
    game_.PlaySoundFile("ok.wav", 2);
    ShowPrompt();
    SetCommandLineEnabled(true);
    missionTimer_->SetEnabled(true);
    startupTimer_->SetEnabled(false);
    FocusCommandLine();
}

void MainConsole::MissionTimer_Timer() {
    game_.MissionTimerTick();
}

void MainConsole::TotalTimer_Timer() {
    ++game_.state.PlaySeconds;
}

void MainConsole::TraceTimer_Timer() {
    game_.TraceTimerTick();
}

void MainConsole::CommandLine_KeyDown(ConsoleKey key) {
    // A disabled input line takes no keys at all.
    if (!commandLineEnabled_) return;
    switch (key) {
        case ConsoleKey::Backspace:
            // The guard space is what the Backspace erases, so neither a line break nor any part
            // of the prompt can be erased.
            if (!transcript_.empty() && transcript_.back() == '\n') Append(" ");
            if (transcript_.ends_with(Prompt)) Append(" ");
            if (!transcript_.empty()) {
                transcript_.pop_back();
                view_.TranscriptTruncated(transcript_.size());
            }
            break;
        case ConsoleKey::Enter:
            game_.interpreter.RunCommandLine();
            break;
        case ConsoleKey::ArrowUp:
        case ConsoleKey::ArrowDown:
        case ConsoleKey::Other:
            break;
    }
    if (game_.settings.TypeSoundOn == 1) game_.PlaySoundFile("click.wav", 1);
}

void MainConsole::CommandLine_KeyPress(char character) {
    if (!commandLineEnabled_) return;
    // Only printable characters are typed; control characters (Delete's 0x7F among them) never
    // reach the transcript, where they would turn a command into rubbish.
    const auto byte = static_cast<unsigned char>(character);
    if (byte < 0x20 || byte == 0x7F) return;
    Append(std::string_view(&character, 1));
}

void MainConsole::ButtonClick(const std::string& button) {
    // A hidden button (a tool not installed yet) cannot be clicked, whatever sends the click.
    if (!commandLineEnabled_ || !IsVisible(button)) return;
    game_.ButtonClicked(button);
}
