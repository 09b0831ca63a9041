// The scores server's answers, on a SQLite file and, when ZINDREL_TEST_POSTGRESQL names a
// database (with_postgresql.sh starts a throwaway one), on PostgreSQL: the same tests for both.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>

#include "mission/highscore_data.h"
#include "scores/score_store.h"
#include "scores/scores_service.h"

namespace {

const long long kNoon = 1796990400LL * 1000000;  // 2026-12-10 12:00 UTC

std::string Submit(const std::string& handle, const std::string& data) {
    return "/zindrel/?zdl=zdlscore&h=" + handle + "&data=" + data;
}

std::string Data(const std::string& handle, long long missions, long long seconds, long long busts,
                 long long saves) {
    return HighscoreData(handle, missions, seconds, busts, saves);
}

class ScoresServiceTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        std::string address;
        if (std::string(GetParam()) == "sqlite") {
            folder_ = std::filesystem::temp_directory_path() /
                      ("zindrel-scores-" + std::to_string(::getpid()) + "-" +
                       testing::UnitTest::GetInstance()->current_test_info()->name());
            std::filesystem::remove_all(folder_);
            std::filesystem::create_directories(folder_);
            address = "sqlite:" + (folder_ / "scores.sqlite").string();
        } else {
            const char* postgres = std::getenv("ZINDREL_TEST_POSTGRESQL");
            if (postgres == nullptr || *postgres == 0)
                GTEST_SKIP() << "no PostgreSQL database named (with_postgresql.sh gives one)";
            address = postgres;
        }
        std::string error;
        store_ = ScoreStore::Open(*ParseDatabaseAddress(address), error);
        ASSERT_TRUE(store_) << error;
        ASSERT_TRUE(store_->Clear());
        service_ = std::make_unique<ScoresService>(*store_, limits_);
    }
    void TearDown() override {
        service_.reset();
        store_.reset();
        if (!folder_.empty()) std::filesystem::remove_all(folder_);
    }
    void Limit(int perMinute) {
        limits_.submissionsPerMinute = perMinute;
        service_ = std::make_unique<ScoresService>(*store_, limits_);
    }
    ScoresReply Get(const std::string& target, long long now = kNoon,
                    const std::string& client = "127.0.0.1") {
        return service_->Get(target, client, now);
    }

    std::filesystem::path folder_;
    ScoresLimits limits_;
    std::unique_ptr<ScoreStore> store_;
    std::unique_ptr<ScoresService> service_;
};

TEST_P(ScoresServiceTest, TheWorkedExampleAndItsZeroCaseAreStored) {
    const ScoresReply example = Get(Submit("ab", "dwebbwcwcwcdcwcgbhbc"));
    EXPECT_EQ(example.status, 200);
    auto row = store_->Find("ab");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->missionsCompleted, 2);
    EXPECT_EQ(row->playSeconds, 300);
    EXPECT_EQ(row->bustedCount, 1);
    EXPECT_EQ(row->saveCount, 1);
    EXPECT_NE(example.body.find("Rank 1 of 1"), std::string::npos);

    // The zero case by another player: no busts ranks it before the example.
    EXPECT_EQ(Get(Submit("cd", "dwebbwyUoXwyUoXwcdcwyUoX")).status, 200);
    row = store_->Find("cd");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->missionsCompleted, 2);
    EXPECT_EQ(row->playSeconds, 300);
    EXPECT_EQ(row->bustedCount, 0);
    EXPECT_EQ(row->saveCount, 0);
    EXPECT_EQ(row->rank, 1);
    EXPECT_EQ(store_->Find("ab")->rank, 2);
}

TEST_P(ScoresServiceTest, BrokenAndTamperedSubmissionsAreRefusedAndNothingIsStored) {
    const std::string longHandle = "<script>alert(1)</script>";
    const struct {
        const char* what;
        std::string target;
        int status;
    } cases[] = {
        {"a changed field", Submit("ab", "dwebbwdwcwcdcwcgbhbc"), 400},
        {"a digit in the data", Submit("ab", "dwebbwcwcwcdcw150601"), 400},
        {"a missing field", Submit("ab", "dwebbwcwcwcdc"), 400},
        {"a seventh field", Submit("ab", "dwebbwcwcwcdcwcgbhbcwc"), 400},
        {"another version", Submit("ab", "dwebbwcwcwcddwcgbhbc"), 400},
        {"a zero not written as the marker", Submit("ab", "dwebbwbwbwcdcwyUoX"), 400},
        {"an empty field", Submit("ab", "dwwcwcwcdcwcgbhbc"), 400},
        {"an empty handle", Submit("", Data("", 2, 300, 1, 1)), 400},
        {"an 11-character handle", Submit("abcdefghijk", Data("abcdefghijk", 2, 300, 1, 1)), 400},
        {"a handle with <script>", Submit(longHandle, Data(longHandle, 2, 300, 1, 1)), 400},
        {"a handle with a dot", Submit("a.b", Data("a.b", 2, 300, 1, 1)), 400},
        {"a control byte in the handle", Submit("a%0Ab", Data("a\nb", 2, 300, 1, 1)), 400},
        {"no zdl", "/zindrel/?h=ab&data=dwebbwcwcwcdcwcgbhbc", 400},
        {"another zdl", "/zindrel/?zdl=other&h=ab&data=dwebbwcwcwcdcwcgbhbc", 400},
        {"a key twice", Submit("ab", "dwebbwcwcwcdcwcgbhbc") + "&h=ab", 400},
        {"an unencoded & in the handle", Submit("a&b", Data("a&b", 2, 300, 1, 1)), 400},
        {"no query", "/zindrel/", 400},
        {"data too long", Submit("ab", std::string(200, 'c')), 400},
        {"another page", "/zindrel/submit?zdl=zdlscore&h=ab&data=dwebbwcwcwcdcwcgbhbc", 404},
        {"an address too long", Submit("ab", "dwebbwcwcwcdcwcgbhbc") + "&" + std::string(2000, 'x'), 414},
    };
    for (const auto& c : cases) {
        const ScoresReply reply = Get(c.target);
        EXPECT_EQ(reply.status, c.status) << c.what;
        EXPECT_EQ(store_->Count(), 0) << c.what;
        EXPECT_NE(reply.body.find("<title>"), std::string::npos) << c.what;
    }
}

TEST_P(ScoresServiceTest, HandlesArriveInTheGamesCodePageEncodedOrAsTheyStand) {
    // The game sends é as its code-page byte, percent-encoded; the list shows it as UTF-8.
    EXPECT_EQ(Get(Submit("%E9", Data("\xE9", 1, 10, 0, 1))).status, 200);
    EXPECT_TRUE(store_->Find("\xC3\xA9"));
    // Ten blanks, and a handle sent as it stands.
    EXPECT_EQ(Get(Submit("%20%20%20%20%20%20%20%20%20%20", Data("          ", 1, 10, 0, 1))).status,
              200);
    EXPECT_TRUE(store_->Find("          "));
    EXPECT_EQ(Get(Submit("a%b", Data("a%b", 1, 10, 0, 1))).status, 200);
    EXPECT_TRUE(store_->Find("a%b"));
    EXPECT_EQ(store_->Count(), 3);
}

TEST_P(ScoresServiceTest, TheListIsRankedByMissionsThenBustsThenPlayTimeThenSubmission) {
    const struct {
        const char* handle;
        long long missions, seconds, busts, saves, at;
    } results[] = {
        {"late", 3, 500, 1, 2, 30}, {"slow", 3, 900, 1, 2, 10}, {"busted", 3, 100, 2, 2, 10},
        {"most", 5, 9000, 2, 1, 50}, {"early", 3, 500, 1, 2, 20}, {"none", 0, 10, 0, 0, 5},
    };
    for (const auto& r : results)
        ASSERT_EQ(Get(Submit(r.handle, Data(r.handle, r.missions, r.seconds, r.busts, r.saves)),
                      kNoon + r.at * 1000000).status,
                  200)
            << r.handle;
    std::vector<std::string> order;
    for (const ScoreRow& row : store_->Ranked(1, 100)) order.push_back(row.handle);
    EXPECT_EQ(order, (std::vector<std::string>{"most", "early", "late", "slow", "busted", "none"}));
    EXPECT_EQ(store_->Find("late")->rank, 3);
    const ScoresReply page = Get("/");
    EXPECT_EQ(page.status, 200);
    EXPECT_LT(page.body.find("most"), page.body.find("early"));
    EXPECT_NE(page.body.find("Most missions completed first"), std::string::npos);
    const ScoresReply json = Get("/scores.json");
    EXPECT_EQ(json.contentType, "application/json");
    EXPECT_NE(json.body.find("{\"rank\":2,\"handle\":\"early\",\"missions\":3,\"busts\":1,"
                             "\"playSeconds\":500,\"saves\":2,"),
              std::string::npos)
        << json.body;
}

TEST_P(ScoresServiceTest, EachHandleKeepsItsBestResultAndARepeatChangesNothing) {
    const std::string target = Submit("ab", "dwebbwcwcwcdcwcgbhbc");
    ASSERT_EQ(Get(target, kNoon).status, 200);
    ASSERT_EQ(Get(target, kNoon + 1000000).status, 200);
    EXPECT_EQ(store_->Count(), 1);
    EXPECT_EQ(store_->Find("ab")->submittedMicros, kNoon);  // the first stays

    // A worse result keeps the best one and says so; a better one replaces it.
    const ScoresReply worse = Get(Submit("ab", Data("ab", 1, 100, 0, 1)), kNoon + 2000000);
    EXPECT_EQ(worse.status, 200);
    EXPECT_NE(worse.body.find("Your best result stays"), std::string::npos);
    EXPECT_EQ(store_->Find("ab")->missionsCompleted, 2);
    ASSERT_EQ(Get(Submit("ab", Data("ab", 2, 250, 1, 3)), kNoon + 3000000).status, 200);
    const auto best = store_->Find("ab");
    EXPECT_EQ(best->playSeconds, 250);
    EXPECT_EQ(best->saveCount, 3);
    EXPECT_EQ(store_->Count(), 1);
}

TEST_P(ScoresServiceTest, AHostileHandleIsEscapedOnEveryPage) {
    const std::string handle = "<b>&\"x'";
    const ScoresReply received =
        Get(Submit("%3Cb%3E%26%22x%27", Data(handle, 1, 60, 0, 1)));
    ASSERT_EQ(received.status, 200);
    for (const ScoresReply& page : {received, Get("/")}) {
        EXPECT_NE(page.body.find("&lt;b&gt;&amp;&quot;x&#39;"), std::string::npos);
        EXPECT_EQ(page.body.find("<b>"), std::string::npos);
    }
    const ScoresReply json = Get("/scores.json");
    EXPECT_NE(json.body.find("\"handle\":\"\\u003cb\\u003e\\u0026\\\"x'\""), std::string::npos)
        << json.body;
    EXPECT_NE(std::string(ScoresService::ContentSecurityPolicy()).find("default-src 'none'"),
              std::string::npos);
}

TEST_P(ScoresServiceTest, EachAddressHasItsSubmissionsPerMinute) {
    Limit(3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Get(Submit("h" + std::to_string(i), Data("h" + std::to_string(i), 1, 10, 0, 1)),
                      kNoon + i, "10.0.0.1").status,
                  200);
    EXPECT_EQ(Get(Submit("h3", Data("h3", 1, 10, 0, 1)), kNoon + 3, "10.0.0.1").status, 429);
    EXPECT_FALSE(store_->Find("h3"));
    EXPECT_EQ(Get(Submit("h3", Data("h3", 1, 10, 0, 1)), kNoon + 4, "10.0.0.2").status, 200);
    // The list itself is never limited; the next minute the first address may send again.
    EXPECT_EQ(Get("/", kNoon + 5, "10.0.0.1").status, 200);
    EXPECT_EQ(Get(Submit("h4", Data("h4", 1, 10, 0, 1)), kNoon + 60000000, "10.0.0.1").status, 200);
}

INSTANTIATE_TEST_SUITE_P(Databases, ScoresServiceTest, testing::Values("sqlite", "postgresql"),
                         [](const testing::TestParamInfo<const char*>& param) { return std::string(param.param); });

TEST(HighscoreDecoding, ReadsBackWhatTheGameWrites) {
    const struct {
        const char* handle;
        long long missions, seconds, busts, saves;
    } cases[] = {
        {"ab", 2, 300, 1, 1}, {"ab", 0, 0, 0, 0}, {"abcdefghij", 7, 86400, 2, 40},
        // The check value wraps to a negative number here; its minus sign is written as "b".
        {"x", 9, 4000000, 1, 900}, {"longhandle", 30, 999999999, 2, 99999},
    };
    for (const auto& c : cases) {
        const std::string data = HighscoreData(c.handle, c.missions, c.seconds, c.busts, c.saves);
        const DecodedHighscore decoded = DecodeHighscoreData(c.handle, data);
        EXPECT_EQ(decoded.problem, HighscoreProblem::kNone) << data;
        EXPECT_EQ(decoded.result.missionsCompleted, c.missions) << data;
        EXPECT_EQ(decoded.result.playSeconds, c.seconds) << data;
        EXPECT_EQ(decoded.result.bustedCount, c.busts) << data;
        EXPECT_EQ(decoded.result.saveCount, c.saves) << data;
    }
    EXPECT_LT(HighscoreCheckValue("x", 9, 4000000, 1, 900), 0);
    EXPECT_EQ(DecodeHighscoreData("ab", "dwebbwcwcwcddwcgbhbc").problem, HighscoreProblem::kVersion);
    EXPECT_EQ(DecodeHighscoreData("abc", "dwebbwcwcwcdcwcgbhbc").problem, HighscoreProblem::kCheck);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
