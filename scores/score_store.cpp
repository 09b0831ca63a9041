// The leaderboard table in SQLite or PostgreSQL.
#include "score_store.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QUrl>
#include <QUrlQuery>
#include <QVariant>
#include <atomic>
#include <map>

namespace {

std::atomic<std::uint64_t> nextStoreId{1};
std::atomic<std::uint64_t> nextConnection{1};

// Better first: most missions, then fewest busts, then least play time, then the earliest
// submission (and the handle, so that no two rows tie).
const char* const kOrder =
    "missions DESC, busts ASC, play_seconds ASC, submitted ASC, handle ASC";

// The rows that rank before the one described by the named values.
const char* const kBetterThan =
    "missions > :m OR (missions = :m AND (busts < :b OR (busts = :b AND (play_seconds < :p OR "
    "(play_seconds = :p AND (submitted < :t OR (submitted = :t AND handle < :h)))))))";

QString Q(const std::string& text) { return QString::fromStdString(text); }

ScoreRow RowFrom(const QSqlQuery& query) {
    ScoreRow row;
    row.handle = query.value(0).toString().toStdString();
    row.missionsCompleted = query.value(1).toLongLong();
    row.bustedCount = query.value(2).toLongLong();
    row.playSeconds = query.value(3).toLongLong();
    row.saveCount = query.value(4).toLongLong();
    row.submittedMicros = query.value(5).toLongLong();
    return row;
}

}  // namespace

std::optional<DatabaseAddress> ParseDatabaseAddress(const std::string& text) {
    DatabaseAddress address;
    if (text.starts_with("sqlite:")) {
        address.kind = DatabaseAddress::Kind::kSqlite;
        address.path = text.substr(7);
        if (address.path.empty()) return std::nullopt;
        return address;
    }
    if (!text.starts_with("postgresql://") && !text.starts_with("postgres://")) return std::nullopt;
    const QUrl url(Q(text), QUrl::StrictMode);
    if (!url.isValid()) return std::nullopt;
    address.kind = DatabaseAddress::Kind::kPostgreSql;
    address.host = url.host().toStdString();
    address.port = url.port(5432);
    address.user = url.userName().toStdString();
    address.password = url.password().toStdString();
    address.database = url.path().mid(1).toStdString();
    const QUrlQuery query(url);
    if (query.hasQueryItem("host"))
        address.host = query.queryItemValue("host", QUrl::FullyDecoded).toStdString();
    if (address.database.empty() || address.database.find('/') != std::string::npos)
        return std::nullopt;
    return address;
}

const char* ScoreStore::RankingRule() {
    return "Most missions completed first, then fewest busts, then least play time, then the "
           "earliest submission. Each handle keeps its best result.";
}

ScoreStore::ScoreStore(const DatabaseAddress& address) : address_(address), id_(nextStoreId++) {}

ScoreStore::~ScoreStore() {
    for (const std::string& name : connections_) QSqlDatabase::removeDatabase(Q(name));
}

std::string ScoreStore::Connection() {
    // A Qt Sql connection belongs to the thread that made it; each thread keeps its own.
    thread_local std::map<std::uint64_t, std::string> mine;
    auto found = mine.find(id_);
    if (found != mine.end()) return found->second;
    const std::string name = "scores-" + std::to_string(nextConnection++);
    const bool sqlite = address_.kind == DatabaseAddress::Kind::kSqlite;
    QSqlDatabase db = QSqlDatabase::addDatabase(sqlite ? "QSQLITE" : "QPSQL", Q(name));
    if (sqlite) {
        db.setDatabaseName(Q(address_.path));
        // Writers from other threads wait for each other instead of failing at once.
        db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=10000");
    } else {
        db.setHostName(Q(address_.host));
        db.setPort(address_.port);
        db.setUserName(Q(address_.user));
        db.setPassword(Q(address_.password));
        db.setDatabaseName(Q(address_.database));
        db.setConnectOptions("connect_timeout=10");
    }
    const bool open = db.open();
    if (open && !sqlite) QSqlQuery(db).exec("SET client_min_messages TO WARNING");
    if (open && sqlite) {
        QSqlQuery pragma(db);
        // WAL: readers never wait for the writer. NORMAL: a commit survives the server's crash
        // or kill; only a power cut may lose the last ones.
        pragma.exec("PRAGMA journal_mode=WAL");
        pragma.exec("PRAGMA synchronous=NORMAL");
    }
    {
        std::lock_guard lock(mutex_);
        connections_.push_back(name);
    }
    mine[id_] = name;
    return name;
}

std::unique_ptr<ScoreStore> ScoreStore::Open(const DatabaseAddress& address, std::string& error) {
    std::unique_ptr<ScoreStore> store(new ScoreStore(address));
    QSqlDatabase db = QSqlDatabase::database(Q(store->Connection()), false);
    if (!db.isOpen() && !db.open()) {
        error = db.lastError().text().toStdString();
        if (error.empty()) error = "the database cannot be opened";
        return nullptr;
    }
    QSqlQuery query(db);
    const char* const schema[] = {
        "CREATE TABLE IF NOT EXISTS scores ("
        " handle TEXT PRIMARY KEY,"
        " missions BIGINT NOT NULL,"
        " busts BIGINT NOT NULL,"
        " play_seconds BIGINT NOT NULL,"
        " saves BIGINT NOT NULL,"
        " submitted BIGINT NOT NULL)",
        "CREATE INDEX IF NOT EXISTS scores_ranking ON scores"
        " (missions DESC, busts ASC, play_seconds ASC, submitted ASC, handle ASC)",
    };
    for (const char* statement : schema) {
        if (!query.exec(statement)) {
            error = query.lastError().text().toStdString();
            return nullptr;
        }
    }
    return store;
}

bool ScoreStore::Submit(const ScoreRow& result) {
    QSqlQuery query(QSqlDatabase::database(Q(Connection()), false));
    // One statement, so the comparison with the kept result and the write are one step.
    query.prepare(
        "INSERT INTO scores (handle, missions, busts, play_seconds, saves, submitted)"
        " VALUES (:h, :m, :b, :p, :s, :t)"
        " ON CONFLICT (handle) DO UPDATE SET missions = excluded.missions,"
        " busts = excluded.busts, play_seconds = excluded.play_seconds,"
        " saves = excluded.saves, submitted = excluded.submitted"
        " WHERE excluded.missions > scores.missions OR (excluded.missions = scores.missions AND"
        " (excluded.busts < scores.busts OR (excluded.busts = scores.busts AND"
        " excluded.play_seconds < scores.play_seconds)))");
    query.bindValue(":h", Q(result.handle));
    query.bindValue(":m", result.missionsCompleted);
    query.bindValue(":b", result.bustedCount);
    query.bindValue(":p", result.playSeconds);
    query.bindValue(":s", result.saveCount);
    query.bindValue(":t", result.submittedMicros);
    if (address_.kind != DatabaseAddress::Kind::kSqlite) return query.exec();
    std::lock_guard lock(writeMutex_);
    return query.exec();
}

std::optional<ScoreRow> ScoreStore::Find(const std::string& handle) {
    QSqlDatabase db = QSqlDatabase::database(Q(Connection()), false);
    QSqlQuery query(db);
    query.prepare("SELECT handle, missions, busts, play_seconds, saves, submitted FROM scores"
                  " WHERE handle = :h");
    query.bindValue(":h", Q(handle));
    if (!query.exec() || !query.next()) return std::nullopt;
    ScoreRow row = RowFrom(query);
    QSqlQuery better(db);
    better.prepare(QString("SELECT COUNT(*) FROM scores WHERE ") + kBetterThan);
    better.bindValue(":m", row.missionsCompleted);
    better.bindValue(":b", row.bustedCount);
    better.bindValue(":p", row.playSeconds);
    better.bindValue(":t", row.submittedMicros);
    better.bindValue(":h", Q(row.handle));
    if (!better.exec() || !better.next()) return std::nullopt;
    row.rank = better.value(0).toLongLong() + 1;
    return row;
}

std::vector<ScoreRow> ScoreStore::Ranked(long long firstRank, long long count) {
    std::vector<ScoreRow> rows;
    QSqlQuery query(QSqlDatabase::database(Q(Connection()), false));
    query.prepare(QString("SELECT handle, missions, busts, play_seconds, saves, submitted"
                          " FROM scores ORDER BY ") +
                  kOrder + " LIMIT :count OFFSET :offset");
    query.bindValue(":count", count);
    query.bindValue(":offset", std::max(firstRank, 1LL) - 1);
    if (!query.exec()) return rows;
    long long rank = std::max(firstRank, 1LL);
    while (query.next()) {
        rows.push_back(RowFrom(query));
        rows.back().rank = rank++;
    }
    return rows;
}

long long ScoreStore::Count() {
    QSqlQuery query(QSqlDatabase::database(Q(Connection()), false));
    if (!query.exec("SELECT COUNT(*) FROM scores") || !query.next()) return -1;
    return query.value(0).toLongLong();
}

bool ScoreStore::Clear() {
    QSqlQuery query(QSqlDatabase::database(Q(Connection()), false));
    return query.exec("DELETE FROM scores");
}
