// How long one tick of a tool window's progress bar takes to draw on the window's image.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "tools/progress_bar.h"
#include "tools/qt_image_surface.h"

namespace {

// The virus uploader's bar: gradient in green, red text, on its 339 x 21 picture. The percentage
// alternates so that no call is skipped as a repeat.
void WholeGradientFrameWithText(benchmark::State& state) {
    QtImageSurface surface(339, 21);
    ProgressBar bar;
    std::int32_t percent = 50;
    for (auto _ : state) {
        percent = percent == 50 ? 51 : 50;
        if (!bar.DrawProgress(surface, percent, 0, 65280, 255, true, 3, "Uploading")) {
            state.SkipWithError("the bar drew nothing");
            break;
        }
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
}
BENCHMARK(WholeGradientFrameWithText)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    // Text needs Qt's font database; no window is shown.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
