// What a command, a keystroke and one piece of output cost in the console, in the core alone and
// in the Qt window (offscreen), with a short transcript and after a long session.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "bench_console.h"

namespace {

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
