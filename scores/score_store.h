// The leaderboard's storage: one table of the best result of each handle, in SQLite or
// PostgreSQL through Qt Sql, with the same schema and the same statements for both.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct ScoreRow {
    std::string handle;  // UTF-8
    long long missionsCompleted = 0;
    long long bustedCount = 0;
    long long playSeconds = 0;
    long long saveCount = 0;
    long long submittedMicros = 0;  // microseconds since 1970, UTC
    long long rank = 0;             // 1 for the best
};

// How a database is named on the command line: "sqlite:PATH" or a "postgresql://" address
// (user, password, host, port and database name; "?host=/run/postgresql" for a socket folder).
struct DatabaseAddress {
    enum class Kind { kSqlite, kPostgreSql } kind = Kind::kSqlite;
    std::string path;  // SQLite: the file
    std::string host, user, password, database;
    int port = 5432;
};
std::optional<DatabaseAddress> ParseDatabaseAddress(const std::string& text);

class ScoreStore {
public:
    // Opens the database (a SQLite file is created, in WAL mode) and makes the table; nothing
    // and the reason in `error` when it cannot.
    static std::unique_ptr<ScoreStore> Open(const DatabaseAddress& address, std::string& error);
    ~ScoreStore();
    ScoreStore(const ScoreStore&) = delete;
    ScoreStore& operator=(const ScoreStore&) = delete;

    // Keeps the result when the handle has none yet or this one ranks better than its kept one;
    // false when the database failed. Safe from several threads: each uses its own connection.
    bool Submit(const ScoreRow& result);
    std::optional<ScoreRow> Find(const std::string& handle);
    // The rows ranked from `firstRank` on, at most `count` of them, best first.
    std::vector<ScoreRow> Ranked(long long firstRank, long long count);
    long long Count();
    // Empties the table (for tests).
    bool Clear();

    // The ranking, as the pages state it.
    static const char* RankingRule();

private:
    explicit ScoreStore(const DatabaseAddress& address);
    std::string Connection();  // this thread's connection name, opened on first use

    DatabaseAddress address_;
    std::uint64_t id_;
    std::mutex mutex_;
    // SQLite takes one writer at a time; waiting here is cheaper than its busy retries.
    std::mutex writeMutex_;
    std::vector<std::string> connections_;
};
