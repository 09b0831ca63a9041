// What a command, a keystroke and one piece of output cost in the console, in the core alone and
// in the Qt window (offscreen), with a short transcript and after a long session.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "console/console_window.h"
#include "harness/test_game.h"

namespace {

// The virtual clock with one thing of the Qt platform: before every wait the windows show what
// they gathered, as the game's main sets it up.
class BenchPlatform : public FakePlatform {
public:
    std::function<void()> beforeWaiting;

    void Pause(int milliseconds) override {
        BeforeWaiting();
        FakePlatform::Pause(milliseconds);
    }
    void Sleep(int milliseconds) override {
        BeforeWaiting();
        FakePlatform::Sleep(milliseconds);
    }
    void WaitForSound(int milliseconds) override {
        BeforeWaiting();
        FakePlatform::WaitForSound(milliseconds);
    }
    void DoEvents() override {
        BeforeWaiting();
        FakePlatform::DoEvents();
    }
    void ShowModal(ModalForm& form) override {
        BeforeWaiting();
        FakePlatform::ShowModal(form);
    }

private:
    void BeforeWaiting() {
        if (beforeWaiting) beforeWaiting();
    }
};

// A started console on the virtual clock whose transcript holds the given number of lines: the
// shipped file system, so DIR lists what a player sees. With a window, the game shows in it.
class BenchConsole {
public:
    BenchConsole(bool withWindow, int lines) {
        folder_.CopyFromData("Lang/English.zdl");
        folder_.CopyFromData("FileSystem/defaultfs.zdl");
        folder_.Write("MissionPack/Bench/m1.zdl", "m1.zdl\r\n");
        if (withWindow) {
            window_ = std::make_unique<ConsoleWindow>();
            game_ = std::make_unique<Game>(platform_, folder_.Path(), *window_);
            window_->Bind(game_->console);
            platform_.beforeWaiting = [this] { window_->CommandLine()->FlushOutput(); };
        } else {
            game_ = std::make_unique<Game>(platform_, folder_.Path(), coreView_);
        }
        platform_.WhenShown("frmIntro", [](ModalForm& form) {
            auto& intro = dynamic_cast<IntroForm&>(form);
            intro.txtHandle = "neo";
            intro.SelectPack(0);
            intro.Form_KeyPress(IntroForm::kEnter);
        });
        Console().Form_Load();
        platform_.Pause(2000);
        FillTo(lines);
        Settle();
    }

    MainConsole& Console() { return game_->console; }

    // Prints whole lines of session output, a thousand at a time, until the transcript holds
    // the given number of lines.
    void FillTo(int lines) {
        std::string block;
        int held = LineCount();
        while (held < lines) {
            block.clear();
            const int count = std::min(1000, lines - held);
            for (int i = 0; i < count; ++i)
                block += "line " + std::to_string(held + i) + " of an evening's output\r\n";
            Console().ConsolePrint(block, 0, false);
            held += count;
        }
        Console().ShowPrompt();
    }

    int LineCount() const {
        const std::string& text = game_->console.Transcript();
        int lines = 0;
        for (std::size_t at = text.find("\r\n"); at != std::string::npos;
             at = text.find("\r\n", at + 2))
            ++lines;
        return lines;
    }

    // A key as the player presses it: through the window when there is one.
    void Press(Qt::Key key, const QString& text = {}) {
        if (window_) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            QApplication::sendEvent(window_->CommandLine(), &press);
            return;
        }
        switch (key) {
            case Qt::Key_Return:
                Console().CommandLine_KeyDown(ConsoleKey::Enter);
                break;
            case Qt::Key_Backspace:
                Console().CommandLine_KeyDown(ConsoleKey::Backspace);
                break;
            default:
                Console().CommandLine_KeyDown(ConsoleKey::Other);
                for (QChar c : text) Console().CommandLine_KeyPress(static_cast<char>(c.unicode()));
        }
    }

    void Type(const QString& text) {
        for (QChar c : text) Press(static_cast<Qt::Key>(c.toUpper().unicode()), QString(c));
    }

    // The return to the event loop after an input: the window shows and paints what changed.
    void Settle() {
        if (window_) QCoreApplication::processEvents();
    }

    void Show() {
        if (!window_) return;
        window_->show();
        Settle();
    }

private:
    TempAppFolder folder_;
    BenchPlatform platform_;
    ConsoleView coreView_;
    std::unique_ptr<ConsoleWindow> window_;
    std::unique_ptr<Game> game_;
};

constexpr int kShortSession = 100;
constexpr int kLongSession = 100'000;

// DIR typed and entered at the prompt, in the root of the player's machine.
void Dir(benchmark::State& state, bool withWindow) {
    const int lines = static_cast<int>(state.range(0));
    BenchConsole console(withWindow, lines);
    console.Show();
    for (auto _ : state) {
        console.Type("dir");
        console.Press(Qt::Key_Return);
        console.Settle();
        // A short session stays short: it starts over once it has doubled.
        if (lines == kShortSession && console.LineCount() > 2 * kShortSession) {
            state.PauseTiming();
            console.Console().ClearTranscript();
            console.FillTo(lines);
            console.Settle();
            state.ResumeTiming();
        }
    }
}
BENCHMARK_CAPTURE(Dir, Core, false)
    ->Arg(kShortSession)
    ->Arg(kLongSession)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Dir, QtConsole, true)
    ->Arg(kShortSession)
    ->Arg(kLongSession)
    ->Unit(benchmark::kMicrosecond);

// One keystroke at the prompt: a letter, then a Backspace taking it back, in turns.
void Keystroke(benchmark::State& state, bool withWindow) {
    BenchConsole console(withWindow, static_cast<int>(state.range(0)));
    console.Show();
    bool typed = false;
    for (auto _ : state) {
        if (typed)
            console.Press(Qt::Key_Backspace);
        else
            console.Press(Qt::Key_A, "a");
        typed = !typed;
        console.Settle();
    }
}
BENCHMARK_CAPTURE(Keystroke, Core, false)
    ->Arg(kShortSession)
    ->Arg(kLongSession)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Keystroke, QtConsole, true)
    ->Arg(kShortSession)
    ->Arg(kLongSession)
    ->Unit(benchmark::kMicrosecond);

// Pieces of output printed in one turn of the event loop, then shown: one alone, as a timer's
// line is, or a burst, as a command's listing is. The counter gives the cost of one piece.
void OutputPiece(benchmark::State& state) {
    const auto pieces = static_cast<int>(state.range(0));
    BenchConsole console(true, kShortSession);
    console.Show();
    int printed = 0;
    for (auto _ : state) {
        for (int i = 0; i < pieces; ++i) console.Console().ConsolePrint("vorlkrnl.dll", 0, true);
        console.Settle();
        printed += pieces;
        if (printed > 5000) {
            printed = 0;
            state.PauseTiming();
            console.Console().ClearTranscript();
            console.FillTo(kShortSession);
            console.Settle();
            state.ResumeTiming();
        }
    }
    state.counters["per_piece"] = benchmark::Counter(
        pieces, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(OutputPiece)->Arg(1)->Arg(20)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
