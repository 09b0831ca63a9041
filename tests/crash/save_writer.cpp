// The program the crash tests kill: it saves with one writer, over and over, alternating the
// two versions, until it is killed (or once, with "once"). After its first save it writes one
// byte to its output, so the test kills it while it saves, not while it starts. Exit status 0
// when every save it finished reported success.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "crash_writers.h"

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: save_writer WRITER APPFOLDER once|forever\n");
        return 2;
    }
    const CrashWriter* writer = FindCrashWriter(argv[1]);
    if (writer == nullptr) return 2;
    const std::filesystem::path folder = argv[2];
    const bool forever = std::string(argv[3]) == "forever";
    for (int round = 0;; ++round) {
        if (!writer->save(folder, round % 2)) return 1;
        if (!forever) return 0;
        if (round == 0 && ::write(STDOUT_FILENO, "s", 1) != 1) return 1;
    }
}
