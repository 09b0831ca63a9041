// The console's own commands: exact output, pauses, guards and effects.
#include <gtest/gtest.h>

#include "app/text_helpers.h"
#include "harness/test_game.h"

namespace {

class ConsoleCommands : public testing::Test {
protected:
    void SetUp() override {
        test.folder.Write("Zindrel.ini", "English\r\n 1 \r\n 0 \r\n");  // no typing clicks
        test.StartConsole();
    }
    std::string Lang(const char* key) { return test.Lang(key); }
    static constexpr const char* kPromptAfter = "\r\n\r\nroot[.]# ";
    TestGame test;
};

TEST_F(ConsoleCommands, ClsLeavesOnlyAFreshPrompt) {
    test.Run("cls");
    EXPECT_EQ(test.Transcript(), "\r\nroot[.]# ");
}

TEST_F(ConsoleCommands, IpconfigShowsThePlayersOwnAddress) {
    const std::string shown = test.Run("ipconfig");
    EXPECT_TRUE(
        shown.starts_with("ipconfig\r\nWindows IP-configuration\r\n\r\n\r\n"
                          "Ethernet-adapter LAN-connection:\r\n\r\n"
                          "Connection-specific DNS Suffix: "));
    EXPECT_TRUE(
        shown.ends_with("\r\nIP-address. . . . . . . . . . : 192.168.010.001\r\n"
                        "Subnet mask . . . . . . . . . : 255.255.255.000\r\n"
                        "Default gateway . . . . . . . : 192.168.010.001" +
                        std::string(kPromptAfter)));
}

TEST_F(ConsoleCommands, HelpPrintsTheHelpTextWithExactlyOnePromptAfterIt) {
    test.folder.Write("zindrel.zdl", "HELP\r\n\r\nDIR lists");
    test.Run("help");
    EXPECT_EQ(test.Transcript(), "HELP\r\n\r\nDIR lists\r\n\r\nroot[.]# ");
    EXPECT_EQ(test.view.caretToStart, 0);
}

TEST_F(ConsoleCommands, TheHelpButtonAlsoPromptsAndShowsTheStart) {
    test.folder.Write("zindrel.zdl", "HELP\r\n");
    test.Console().ButtonClick("buthelp");
    EXPECT_EQ(test.Transcript(), "HELP\r\n\r\nroot[.]# ");
    EXPECT_EQ(test.view.caretToStart, 1);
}

TEST_F(ConsoleCommands, AMissingHelpFileDoesNothingAndAnUnreadableOneSaysSo) {
    const std::string before = test.Transcript();
    EXPECT_EQ(test.Run("help"), "help" + std::string(kPromptAfter));

    test.folder.Write("zindrel.zdl", "HELP\r");
    test.Run("help");
    EXPECT_EQ(test.messages, std::vector<std::string>{Lang("str8")});
}

TEST_F(ConsoleCommands, SaveAndLoadRefuseWhileAMissionIsPendingOrALineIsOpen) {
    ASSERT_TRUE(test.Console().MissionTimer().Enabled());
    EXPECT_EQ(test.Run("save"), "save\r\n\r\n" + Lang("str98") + kPromptAfter);
    test.Console().MissionTimer().SetEnabled(false);

    test.game->state.TelnetSessionOpen = true;
    EXPECT_EQ(test.Run("load"), "load\r\n\r\n" + Lang("str99") + kPromptAfter);
    test.game->state.TelnetSessionOpen = false;

    // At the right moment they work, and say so.
    EXPECT_EQ(test.Run("save"), "save\r\n\r\n" + Lang("str100") + kPromptAfter);
    EXPECT_EQ(test.game->state.SaveCount, 1);
    EXPECT_EQ(test.Run("LOAD"), "LOAD\r\n\r\n" + Lang("str102") + kPromptAfter);
}

TEST_F(ConsoleCommands, ShutdownEndsAtOnceWithoutAPrompt) {
    test.Type("shutdown");
    EXPECT_THROW(test.Enter(), ProgramEnded);
    EXPECT_TRUE(test.Transcript().ends_with("shutdown\r\n"));
}

TEST_F(ConsoleCommands, FormatAnswersItsOwnQuestionAndChangesNothing) {
    const std::int64_t before = test.platform.Now();
    EXPECT_EQ(test.Run("format"),
              "format\r\n\r\nWARNING: ALL DATA ON THE FIXED DRIVE C: WILL BE REMOVED!\r\n"
              "Do you want to continue formatting? (Y/N)Y\r\nFormatting C:\r\ndone.\r\n"
              "Ok, that was a (bad) joke..." +
                  std::string(kPromptAfter));
    EXPECT_EQ(test.platform.Now() - before, 600 + 600 + 200);

    test.game->state.Connected = true;
    EXPECT_EQ(test.Run("format"), "format" + std::string(kPromptAfter));
}

TEST_F(ConsoleCommands, TheMatrixTypesTwoLinesAndKnocksTwice) {
    test.folder.CopyFromData("Sound/knock.wav");
    test.Run("what_is_the_matrix?");
    EXPECT_EQ(test.Transcript(), "\r\nKnock knock\r\n\r\nroot[.]# ");
    std::vector<std::string> sounds;
    for (const auto& sound : test.platform.sounds) sounds.push_back(sound.file);
    EXPECT_EQ(sounds, (std::vector<std::string>{"knock.wav", "knock.wav"}));
    EXPECT_GT(test.platform.sounds[1].startedAt, test.platform.sounds[0].startedAt);
}

TEST_F(ConsoleCommands, APictureOfFifteenLinesEachOpeningWithABar) {
    const std::int64_t before = test.platform.Now();
    const std::string shown = test.Run("A_MAN_NEEDS_PR0N");
    const std::vector<std::string> lines = SplitString(shown, "\r\n");
    ASSERT_EQ(lines.size(), 1u + 16 + 2);  // typed line, 16 printed, an empty line, the prompt
    EXPECT_EQ(lines[1], "Downloading pr0n..");
    for (int i = 2; i < 17; ++i) EXPECT_EQ(lines[static_cast<std::size_t>(i)][0], '|');
    EXPECT_EQ(test.platform.Now() - before, 16 * 600 + 200);
}

TEST_F(ConsoleCommands, TheJoltCommandOpensTheTray) {
    EXPECT_EQ(test.Run("where_can_i_place_my_jolt?"),
              "where_can_i_place_my_jolt?\r\nThere you go, a Jolt Cola can holder.. ;-)" +
                  std::string(kPromptAfter));
    EXPECT_EQ(test.platform.cdTrayOpened, 1);
}

TEST_F(ConsoleCommands, IAmVorlenTakesTheHandleSilently) {
    EXPECT_EQ(test.Run("I_AM_VORLEN"), "I_AM_VORLEN" + std::string(kPromptAfter));
    EXPECT_EQ(test.game->state.HackerHandle, "vorlen");
}

}  // namespace
