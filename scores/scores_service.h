// What the scores server answers, apart from HTTP itself: the submission the game opens, the
// leaderboard page and its JSON, the error pages, and the limit of submissions per address.
#pragma once

#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "scores/score_store.h"

struct ScoresReply {
    int status = 200;
    std::string contentType = "text/html; charset=utf-8";
    std::string body;
};

struct ScoresLimits {
    std::size_t targetBytes = 1024;      // the path and query of a request
    std::size_t handleBytes = 10;        // the game's handle, in its code page
    std::size_t dataBytes = 96;          // six fields of at most eleven letters and their "w"
    int submissionsPerMinute = 20;       // per client address; 0: no limit
    std::size_t trackedAddresses = 100000;  // past this many, the minute starts afresh
};

class ScoresService {
public:
    ScoresService(ScoreStore& store, ScoresLimits limits = {});

    // One GET request: `target` as it came in the request line (path and raw query), the
    // client's address and the time in microseconds since 1970.
    ScoresReply Get(const std::string& target, const std::string& client, long long nowMicros);

    // Every page forbids scripts and anything loaded from elsewhere.
    static const char* ContentSecurityPolicy();

private:
    ScoresReply Submission(const std::string& query, const std::string& client, long long now);
    ScoresReply Leaderboard();
    ScoresReply Json();
    ScoresReply Problem(int status, const std::string& title, const std::string& text);
    bool Allow(const std::string& client, long long nowMicros);

    ScoreStore& store_;
    ScoresLimits limits_;
    std::mutex limiterMutex_;
    long long limiterMinute_ = -1;
    std::map<std::string, int> submissionsThisMinute_;
};

// Helpers the pages are made with, open for tests.
std::string EscapeHtml(const std::string& text);
std::string EscapeJson(const std::string& text);
// The handle's bytes in the game's code page (Windows-1252) as UTF-8.
std::string HandleToUtf8(const std::string& bytes);
std::string PlayTime(long long seconds);  // "1:05:09"
