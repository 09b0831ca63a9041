// The scores server's throughput and latency: the real program on a SQLite file in a temporary
// folder, 8 keep-alive clients on 127.0.0.1 sending 10,000 submissions, each answered with the
// page the player sees (his rank and the list around it). Run by hand:
//   build/bench/scores_bench [SUBMISSIONS] [CLIENTS]
#include <QCoreApplication>
#include <cstdio>
#include <filesystem>

#include "tests/scores/server_process.h"

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int clients = argc > 2 ? std::atoi(argv[2]) : 8;
    const auto folder = std::filesystem::temp_directory_path() /
                        ("zindrel-scores-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    int status = 1;
    {
        ServerProcess server(ZINDREL_SCORES_PROGRAM, "sqlite:" + (folder / "scores.sqlite").string(),
                             {"--limit", "0"});
        if (server.Port() > 0) {
            const LoadResult load = Load(server.Port(), 1, count, clients);
            std::printf("%d submissions, %d clients: %.0f a second; latency median %.2f ms, "
                        "99th percentile %.2f ms, slowest %.2f ms; %d failed\n",
                        count, clients, load.answered.size() / load.seconds,
                        Percentile(load.latencyMs, 0.5), Percentile(load.latencyMs, 0.99),
                        Percentile(load.latencyMs, 1.0), load.failed);
            status = load.failed == 0 ? 0 : 1;
        } else {
            std::fprintf(stderr, "the server did not start\n");
        }
    }
    std::filesystem::remove_all(folder);
    return status;
}
