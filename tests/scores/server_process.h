// The real zindrel-scores program in a child process, and clients that load it: shared by the
// load-and-fault test and the benchmark.
#pragma once

#include <httplib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "mission/highscore_data.h"

extern char** environ;

class ServerProcess {
public:
    // Starts the program on 127.0.0.1 and a free port; Port() is 0 when it did not come up.
    ServerProcess(const std::string& program, const std::string& database,
                  std::vector<std::string> extra = {}) {
        std::vector<std::string> arguments = {program, "--database", database, "--listen",
                                              "127.0.0.1:0"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        std::vector<char*> argv;
        for (std::string& a : arguments) argv.push_back(a.data());
        argv.push_back(nullptr);
        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        const int spawned = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        if (spawned != 0) {
            pid_ = -1;
            close(out[0]);
            return;
        }
        // The first line names the address: "...listening on http://127.0.0.1:PORT/ ...".
        std::string line;
        char c;
        while (line.size() < 4096 && read(out[0], &c, 1) == 1 && c != '\n') line += c;
        close(out[0]);
        const std::size_t at = line.find("127.0.0.1:");
        if (at != std::string::npos) port_ = std::atoi(line.c_str() + at + 10);
    }
    ~ServerProcess() { Kill(SIGTERM); }
    int Port() const { return port_; }
    // Ends the process with the signal and waits for it; its exit status, or -1.
    int Kill(int signalNumber) {
        if (pid_ <= 0) return -1;
        kill(pid_, signalNumber);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return status;
    }

private:
    pid_t pid_ = -1;
    int port_ = 0;
};

// The handle of the n-th submission of a load run, within the game's ten characters.
inline std::string LoadHandle(int run, int n) { return "r" + std::to_string(run) + "n" + std::to_string(n); }

inline std::string LoadTarget(int run, int n) {
    const std::string handle = LoadHandle(run, n);
    return "/zindrel/?zdl=zdlscore&h=" + handle + "&data=" +
           HighscoreData(handle, n % 7, 100 + n, n % 3, 1 + n % 5);
}

struct LoadResult {
    std::vector<int> answered;       // the n of every submission whose page came back
    std::vector<double> latencyMs;   // of each answered one
    int failed = 0;                  // no answer, or not 200
    double seconds = 0;
};

// `clients` threads send submissions 0..count-1 of the run between them, each on its own
// keep-alive connection, until all are sent or `stop` is set.
inline LoadResult Load(int port, int run, int count, int clients, std::atomic<bool>* stop = nullptr) {
    LoadResult result;
    std::mutex mutex;
    std::atomic<int> next{0};
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> threads;
    for (int t = 0; t < clients; ++t) {
        threads.emplace_back([&] {
            httplib::Client client("127.0.0.1", port);
            client.set_keep_alive(true);
            client.set_tcp_nodelay(true);
            client.set_connection_timeout(5);
            client.set_read_timeout(10);
            for (int n = next++; n < count && !(stop && *stop); n = next++) {
                const auto sent = std::chrono::steady_clock::now();
                auto reply = client.Get(LoadTarget(run, n));
                const double ms = std::chrono::duration<double, std::milli>(
                                      std::chrono::steady_clock::now() - sent).count();
                std::lock_guard lock(mutex);
                if (reply && reply->status == 200) {
                    result.answered.push_back(n);
                    result.latencyMs.push_back(ms);
                } else {
                    ++result.failed;
                }
            }
        });
    }
    for (std::thread& t : threads) t.join();
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

inline double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(fraction * values.size()))];
}
