// Whole games on the virtual clock, played through typed commands only: the example pack from
// the intro to the end summary, and a career that ends at the third bust.
#include <gtest/gtest.h>

#include "harness/test_game.h"

namespace {

class WholeGame : public testing::Test {
protected:
    void SetUp() override {
        test.folder.CopyFromData("MissionPack/Rookie");
        test.folder.CopyFromData("Sound");
        test.folder.CopyFromData("FileSystem/defaultfs.zdl");
        test.StartConsole("neo", "Rookie");
    }

    // Waits for the next mail and reads it with the mail button.
    std::string ReadNextMail() {
        test.platform.Pause(5000);
        std::string mail;
        test.platform.WhenShown(
            "frmMail", [&](ModalForm& form) { mail = dynamic_cast<MailForm&>(form).txtMail; });
        test.Console().ButtonClick("butemail");
        return mail;
    }

    // The target as the mail names it: ping, telnet, log in.
    void LogIn() {
        const GameState& state = test.game->state;
        const std::string port = std::to_string(state.AttackPort);
        test.TypeCommand("ping " + state.AttackIp);
        test.TypeCommand("telnet " + state.AttackIp + " " + port);
        ASSERT_EQ(test.Console().Prompt, "LOGIN: ");
        test.TypeCommand(state.MissionLogin);
        test.TypeCommand(state.MissionPassword);
        ASSERT_TRUE(state.Connected);
    }

    TestGame test;
};

TEST_F(WholeGame, TheExamplePackPlaysFromTheFirstMailToTheSummary) {
    const int missions = test.game->state.MissionCount;
    ASSERT_GE(missions, 3);
    for (int mission = 1; mission <= missions; ++mission) {
        SCOPED_TRACE(mission);
        const std::string mail = ReadNextMail();
        const GameState& state = test.game->state;
        EXPECT_NE(mail.find(state.AttackIp), std::string::npos);
        EXPECT_NE(mail.find(std::to_string(state.AttackPort)), std::string::npos);
        EXPECT_NE(mail.find(state.MissionLogin), std::string::npos);
        EXPECT_NE(mail.find(state.MissionPassword), std::string::npos);

        LogIn();
        test.TypeCommand("cd TelnetLogs");
        test.TypeCommand("del 192.168.010.001");
        ASSERT_TRUE(state.LogDeleted);
        test.messages.clear();
        test.TypeCommand("disconnect");
        EXPECT_EQ(test.messages,
                  std::vector<std::string>{test.Lang("str72") + "\r\n\r\n" + test.Lang("str73") +
                                           " " + std::to_string(mission)});
    }
    test.messages.clear();
    EXPECT_THROW(test.platform.Pause(5000), ProgramEnded);
    ASSERT_EQ(test.messages.size(), 1u);
    EXPECT_TRUE(test.messages[0].starts_with(test.Lang("str27") + " neo\r" + test.Lang("str28")));
    EXPECT_TRUE(
        test.messages[0].ends_with("\r\r" + test.Lang("str30") + " " + std::to_string(missions)));
    EXPECT_EQ(test.game->state.BustedCount, 0);
}

TEST_F(WholeGame, AForgottenLogAndTwoTracesEndTheCareer) {
    // Mission 1: the log stays behind. One bust, and the mission still counts.
    ReadNextMail();
    LogIn();
    test.TypeCommand("disconnect");
    EXPECT_EQ(test.game->state.BustedCount, 1);
    EXPECT_EQ(test.game->state.MissionsCompleted, 1);

    // Mission 2: the player deletes the log but dawdles; the trace gets there first.
    ReadNextMail();
    LogIn();
    test.TypeCommand("cd TelnetLogs");
    test.TypeCommand("del 192.168.010.001");
    test.platform.randomFractions.assign(100000, 0.0);  // the trace steps on every tick
    test.platform.Pause(8000);
    EXPECT_EQ(test.game->state.BustedCount, 2);
    EXPECT_FALSE(test.game->state.Connected);
    EXPECT_EQ(test.game->state.MissionsCompleted, 2);  // the hang-up still judged the job

    // Mission 3: traced again, with the log still there: the third bust ends the game.
    test.platform.randomFractions.clear();
    ReadNextMail();
    LogIn();
    test.platform.randomFractions.assign(100000, 0.0);
    test.messages.clear();
    EXPECT_THROW(test.platform.Pause(8000), ProgramEnded);
    EXPECT_EQ(test.messages.front(),
              test.Lang("str24") + " " + test.Lang("str22") + " 1 " + test.Lang("str23"));
    EXPECT_EQ(test.messages.back(), test.Lang("str26"));
    EXPECT_EQ(test.game->state.BustedCount, 3);
}

}  // namespace
