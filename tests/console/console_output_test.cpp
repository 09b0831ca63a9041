// The console's output operations: what they append, how long they pause, and that timers run
// during their pauses and the input line is disabled meanwhile.
#include <gtest/gtest.h>

#include "harness/test_game.h"

namespace {

class ConsoleOutput : public testing::Test {
protected:
    TestGame test;
    MainConsole& console = test.Console();
    std::vector<std::pair<std::int64_t, bool>> ticks;  // time and input state at each tick
    std::unique_ptr<GameTimer> probe = test.platform.CreateTimer("Probe", 500, [this] {
        ticks.emplace_back(test.platform.Now(), console.CommandLineEnabled());
    });
};

TEST_F(ConsoleOutput, PauseStepsWaitOneStepMoreThanGivenAndLetTimersRun) {
    probe->SetEnabled(true);
    console.ConsolePrint("scanning", 8, true);

    EXPECT_EQ(test.platform.Now(), 900);
    EXPECT_EQ(console.Transcript(), "scanning\r\n");
    ASSERT_EQ(ticks.size(), 1u);
    EXPECT_EQ(ticks[0], std::make_pair(std::int64_t{500}, false));  // ticked mid-print, input off
    EXPECT_TRUE(console.CommandLineEnabled());
}

TEST_F(ConsoleOutput, ZeroPauseStepsNeitherWaitNorRunEvents) {
    probe->SetEnabled(true);
    test.platform.Sleep(600);  // the probe is overdue
    console.ConsolePrint("now", 0, false);

    EXPECT_EQ(test.platform.Now(), 600);
    EXPECT_TRUE(ticks.empty());
    EXPECT_EQ(console.Transcript(), "now");
}

TEST_F(ConsoleOutput, TypeTextTypesOneCharacterPerTenthOfASecond) {
    probe->SetEnabled(true);
    console.TypeText("Knock knock");

    EXPECT_EQ(console.Transcript(), "Knock knock\r\n");
    EXPECT_EQ(test.platform.Now(), 1100);
    ASSERT_EQ(ticks.size(), 2u);
    EXPECT_FALSE(ticks[0].second);
    EXPECT_TRUE(console.CommandLineEnabled());
}

TEST_F(ConsoleOutput, ShowPromptEndsTheLineAndLeavesThePromptOpen) {
    console.Prompt = "LOGIN: ";
    console.ConsolePrint("half", 0, false);
    console.ShowPrompt();
    EXPECT_EQ(console.Transcript(), "half\r\nLOGIN: ");
}

TEST_F(ConsoleOutput, BannerGreetsTheHandle) {
    test.game->state.HackerHandle = "Zero Cool";
    console.PrintBanner();
    EXPECT_EQ(console.Transcript(),
              "-Zindrel- Command console\r\n"
              "running vorlOS >version 1.21\r\n"
              "-----------------------------\r\n"
              "\r\n" +
                  test.Lang("str41") + " [ Zero Cool ]\r\n");
}

}  // namespace
