// Memory of an endless session: commands typed into the Qt console (offscreen, on the virtual
// clock), with the resident memory printed every 10,000 commands.
//
//   console_memory [COMMANDS]      (default 100000)
//
// The last line compares the memory at the end with the memory after the first 10,000.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench_console.h"

namespace {

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    const long commands = argc > 1 ? std::atol(argv[1]) : 100'000;

    BenchConsole console(true, 0);
    console.Show();
    std::printf("%10s %12s %10s\n", "commands", "lines_held", "rss_kB");
    long after10000 = 0, last = 0;
    for (long done = 1; done <= commands; ++done) {
        console.Type("dir");
        console.Press(Qt::Key_Return);
        console.Settle();
        if (done % 10'000 == 0) {
            last = ResidentKilobytes();
            if (done == 10'000) after10000 = last;
            std::printf("%10ld %12d %10ld\n", done, console.LineCount() + 1, last);
            std::fflush(stdout);
        }
    }
    if (after10000 > 0)
        std::printf("memory after %ld commands / after 10000: %.3f\n", commands,
                    static_cast<double>(last) / static_cast<double>(after10000));
    return 0;
}
