// The real zindrel-scores program under load and killed in the middle of it: every submission
// that got its page is kept, the SQLite file is whole, and the server answers again.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <filesystem>
#include <set>

#include "tests/scores/server_process.h"

namespace {

class ScoresServerProcess : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("zindrel-scores-process-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        database_ = (folder_ / "scores.sqlite").string();
    }
    void TearDown() override {
        QSqlDatabase::removeDatabase("check");
        std::filesystem::remove_all(folder_);
    }
    std::unique_ptr<ServerProcess> Start() {
        // No per-address limit: every client here comes from 127.0.0.1.
        auto server = std::make_unique<ServerProcess>(ZINDREL_SCORES_PROGRAM, "sqlite:" + database_,
                                                      std::vector<std::string>{"--limit", "0"});
        EXPECT_GT(server->Port(), 0) << "the server did not come up";
        return server;
    }
    // The handles in the file, read with SQLite itself, and whether the file is whole.
    std::set<std::string> Stored(bool& whole) {
        std::set<std::string> handles;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
            db.setDatabaseName(QString::fromStdString(database_));
            EXPECT_TRUE(db.open());
            QSqlQuery query(db);
            whole = query.exec("PRAGMA integrity_check") && query.next() &&
                    query.value(0).toString() == "ok";
            query.exec("SELECT handle FROM scores");
            while (query.next()) handles.insert(query.value(0).toString().toStdString());
            db.close();
        }
        QSqlDatabase::removeDatabase("check");
        return handles;
    }

    std::filesystem::path folder_;
    std::string database_;
};

TEST_F(ScoresServerProcess, EightClientsSubmitTenThousandResults) {
    auto server = Start();
    ASSERT_GT(server->Port(), 0);
    const LoadResult load = Load(server->Port(), 1, 10000, 8);
    EXPECT_EQ(load.failed, 0);
    EXPECT_EQ(load.answered.size(), 10000u);
    server.reset();
    bool whole = false;
    EXPECT_EQ(Stored(whole).size(), 10000u);
    EXPECT_TRUE(whole);
    std::printf("10,000 submissions by 8 clients: %.0f a second, 99th percentile %.2f ms\n",
                load.answered.size() / load.seconds, Percentile(load.latencyMs, 0.99));
}

TEST_F(ScoresServerProcess, KilledMidRunItKeepsEveryAnsweredSubmissionAndComesBack) {
    auto server = Start();
    ASSERT_GT(server->Port(), 0);
    std::atomic<bool> stop{false};
    LoadResult load;
    std::thread clients([&] { load = Load(server->Port(), 2, 10000, 8, &stop); });
    // Kill it once a good part of the run has been answered, while the clients keep sending.
    httplib::Client probe("127.0.0.1", server->Port());
    for (int i = 0; i < 200; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        auto reply = probe.Get("/scores.json");
        if (reply && reply->body.find("r2n") != std::string::npos && i >= 20) break;
    }
    server->Kill(SIGKILL);
    clients.join();
    stop = true;
    ASSERT_FALSE(load.answered.empty());
    ASSERT_LT(load.answered.size(), 10000u) << "the kill came after the run";

    bool whole = false;
    const std::set<std::string> stored = Stored(whole);
    EXPECT_TRUE(whole);
    int missing = 0;
    for (int n : load.answered) missing += stored.count(LoadHandle(2, n)) == 0;
    EXPECT_EQ(missing, 0) << "of " << load.answered.size() << " answered submissions";

    auto again = Start();
    ASSERT_GT(again->Port(), 0);
    httplib::Client client("127.0.0.1", again->Port());
    auto page = client.Get("/");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    auto more = client.Get(LoadTarget(3, 1));
    ASSERT_TRUE(more);
    EXPECT_EQ(more->status, 200);
    std::printf("killed after %zu of 10,000 answered submissions; all of them kept\n",
                load.answered.size());
}

TEST_F(ScoresServerProcess, MalformedRequestsNeverStopIt) {
    auto server = Start();
    ASSERT_GT(server->Port(), 0);
    const std::string requests[] = {
        "GARBAGE\r\n\r\n",
        "GET /" + std::string(20000, 'a') + " HTTP/1.1\r\nHost: x\r\n\r\n",
        "GET /zindrel/?zdl=zdlscore&h=%ZZ&data=%00 HTTP/1.1\r\nHost: x\r\n\r\n",
        "POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 999999999\r\n\r\nabc",
        "GET / HTTP/1.1\r\nHost: x\r\n" + std::string(20000, 'H') + ": y\r\n\r\n",
        "GET / HTTP/1.1\r\n",  // and then nothing
    };
    for (const std::string& request : requests) {
        httplib::Client raw("127.0.0.1", server->Port());
        // A socket of our own, so the bytes go out exactly as written.
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(server->Port()));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ASSERT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        (void)!write(fd, request.data(), request.size());
        shutdown(fd, SHUT_WR);
        char buffer[4096];
        while (read(fd, buffer, sizeof buffer) > 0) {
        }
        close(fd);
    }
    httplib::Client client("127.0.0.1", server->Port());
    auto page = client.Get("/");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_EQ(page->get_header_value("Content-Security-Policy").find("default-src 'none'"), 0u);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
