// The highscore submission: the encoded data string, the check value, and the address, with a
// handle that cannot change the query.
#include <gtest/gtest.h>

#include "harness/test_game.h"

namespace {

TEST(Highscore, TheWorkedExampleEncodesAsGiven) {
    EXPECT_EQ(HighscoreCheckValue("ab", 2, 300, 1, 1), 150601);
    EXPECT_EQ(HighscoreData("ab", 2, 300, 1, 1), "dwebbwcwcwcdcwcgbhbc");
    EXPECT_EQ(HighscoreData("ab", 2, 300, 0, 0), "dwebbwyUoXwyUoXwcdcwyUoX");
    EXPECT_EQ(EncodeNumber(121), "cdc");
    EXPECT_EQ(EncodeNumber(-45), "bfg");  // the minus sign counts as 0
    EXPECT_EQ(HighscoreCheckValue("abcdefghij", 0, 1, 0, 1), 100);
    EXPECT_EQ(HighscoreCheckValue("abc", 0, 1, 0, 1), 333);
}

TEST(Highscore, TheCheckValueWrapsToThirtyTwoBits) {
    // ((1000 + 0) * 2,000,000 + 0) * 3 = 6,000,000,000: beyond 32 bits, wrapped as the
    // service's arithmetic wraps it.
    EXPECT_EQ(HighscoreCheckValue("a", 0, 2'000'000, 0, 3), static_cast<std::int32_t>(1705032704));
    EXPECT_EQ(HighscoreCheckValue("a", 0, 1'500'000, 0, 2), static_cast<std::int32_t>(-1294967296));
    const std::string data = HighscoreData("a", 0, 1'500'000, 0, 2);
    EXPECT_EQ(data.find_first_of("0123456789"), std::string::npos);
    EXPECT_TRUE(data.ends_with("w" + EncodeNumber(-1294967296)));
}

TEST(Highscore, TheHandleCannotAddOrChangeQueryFields) {
    EXPECT_EQ(HighscoreAddress("http://scores.example.net/", "n&o=1#x %y", "dw"),
              "http://scores.example.net/zindrel/?zdl=zdlscore&h=n%26o%3D1%23x%20%25y&data=dw");
    EXPECT_EQ(HighscoreAddress(kDefaultHighscoreHost, "neo_1.~-", "yUoX"),
              std::string(kDefaultHighscoreHost) + "/zindrel/?zdl=zdlscore&h=neo_1.~-&data=yUoX");
}

TEST(Highscore, TestHighscoreAsksFirstAndOpensTheAddressInTheBrowser) {
    TestGame test;
    test.StartConsole("ab");
    GameState& state = test.game->state;
    state.MissionsCompleted = 2;
    state.PlaySeconds = 300;
    state.BustedCount = 1;
    state.SaveCount = 1;
    test.platform.yesNoAnswers = {false, true};
    test.Run("test_highscore");
    EXPECT_TRUE(test.platform.openedAddresses.empty());
    test.game->highscoreHost = "https://community.example.org";
    test.Run("TEST_HIGHSCORE");
    EXPECT_EQ(test.platform.questions,
              std::vector<std::string>(
                  2, test.Lang("str46") + ": " + test.Lang("str44") + "\r\n" + test.Lang("str45")));
    EXPECT_EQ(test.platform.openedAddresses,
              std::vector<std::string>{"https://community.example.org/zindrel/?zdl=zdlscore&h=ab"
                                       "&data=dwebbwcwcwcdcwcgbhbc"});
}

// A server's address: scheme, host, an optional port and an optional base path, which the game's
// own path and query follow; anything that could smuggle in a query or a user is refused.
TEST(HighscoreBase, TakesSchemeHostPortAndPathAndNothingElse) {
    const std::pair<const char*, const char*> addresses[] = {
        {"http://h.example", "http://h.example"},
        {"https://scores.example.net/", "https://scores.example.net"},
        {"HTTPS://Scores.Example.NET:8443", "https://Scores.Example.NET:8443"},
        {"http://127.0.0.1:8077", "http://127.0.0.1:8077"},
        {"http://[::1]:8077/hs", "http://[::1]:8077/hs"},
        {"https://h.example/games/zdl/", "https://h.example/games/zdl"},
        {"https://h.example/a%20b", "https://h.example/a%20b"},
        {"http://h.example/?x=1", nullptr},
        {"http://h.example/#top", nullptr},
        {"http://user@h.example", nullptr},
        {"ftp://h.example", nullptr},
        {"h.example", nullptr},
        {"http://", nullptr},
        {"http://h.example:0", nullptr},
        {"http://h.example:99999", nullptr},
        {"http://h.example:", nullptr},
        {"http://h .example", nullptr},
        {"http://-h.example", nullptr},
        {"http://h.example/a b", nullptr},
        {"http://h.example/a%2", nullptr},
        {"javascript:alert(1)", nullptr},
    };
    for (const auto& [address, base] : addresses) {
        SCOPED_TRACE(address);
        const std::optional<std::string> taken = HighscoreBase(address);
        if (base == nullptr) {
            EXPECT_FALSE(taken.has_value()) << *taken;
        } else {
            ASSERT_TRUE(taken.has_value());
            EXPECT_EQ(*taken, base);
        }
    }
    EXPECT_EQ(HighscoreAddress(*HighscoreBase("https://h.example/games/"), "ab", "d"),
              "https://h.example/games/zindrel/?zdl=zdlscore&h=ab&data=d");
}

}  // namespace
