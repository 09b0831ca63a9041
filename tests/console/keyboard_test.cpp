// The key rules of the input line: Backspace never eats a line break or the prompt, arrows do
// nothing, Enter runs the interpreter and adds nothing itself, and the click follows the key.
#include <gtest/gtest.h>

#include "harness/test_game.h"

namespace {

class ConsoleKeys : public testing::Test {
protected:
    void SetUp() override {
        test.folder.Write("Zindrel.ini", "English\r\n 1 \r\n 0 \r\n");
        test.StartConsole();
        atPrompt = test.Transcript();
    }
    void Press(ConsoleKey key) { test.Console().CommandLine_KeyDown(key); }

    TestGame test;
    std::string atPrompt;
};

TEST_F(ConsoleKeys, BackspaceErasesTypedCharactersButNeverThePrompt) {
    test.Type("dx");
    Press(ConsoleKey::Backspace);
    EXPECT_EQ(test.Transcript(), atPrompt + "d");
    for (int i = 0; i < 3; ++i) Press(ConsoleKey::Backspace);
    EXPECT_EQ(test.Transcript(), atPrompt);
}

TEST_F(ConsoleKeys, BackspaceAfterALineBreakDoesNotJoinTheLines) {
    test.Console().ConsolePrint("output", 0, true);
    const std::string before = test.Transcript();
    Press(ConsoleKey::Backspace);
    EXPECT_EQ(test.Transcript(), before);
}

TEST_F(ConsoleKeys, ArrowsUpAndDownDoNothing) {
    test.Type("ls");
    Press(ConsoleKey::ArrowUp);
    Press(ConsoleKey::ArrowDown);
    EXPECT_EQ(test.Transcript(), atPrompt + "ls");
}

TEST_F(ConsoleKeys, EnterOnAnEmptyPromptAnswersTheUnknownCommand) {
    test.Enter();
    EXPECT_EQ(test.Transcript(), atPrompt + "\r\n\r\n" + test.Lang("str104") + "\r\n\r\nroot[.]# ");
    EXPECT_TRUE(test.Console().CommandLineEnabled());
}

TEST_F(ConsoleKeys, EnterRunsTheLastLineAndAddsNothingItself) {
    test.TypeCommand("xyzzy now");
    EXPECT_EQ(test.Transcript(),
              atPrompt + "xyzzy now\r\n\r\n" + test.Lang("str104") + "\r\n\r\nroot[.]# ");
}

TEST_F(ConsoleKeys, OnlyPrintableCharactersAreTyped) {
    const std::pair<char, bool> keys[] = {{'\x7F', false}, {'\x00', false}, {'\x01', false},
                                          {'\x1B', false}, {'\t', false},   {'\x1F', false},
                                          {'a', true},     {' ', true},     {'~', true},
                                          {'\xE9', true},  {'\x80', true}};
    for (const auto& [key, typed] : keys) {
        const std::string before = test.Transcript();
        test.Console().CommandLine_KeyPress(key);
        EXPECT_EQ(test.Transcript(), typed ? before + key : before) << int(key);
    }
}

TEST_F(ConsoleKeys, ADisabledInputLineTakesNoKeys) {
    test.Console().SetCommandLineEnabled(false);
    test.Type("rm");
    test.Enter();
    EXPECT_EQ(test.Transcript(), atPrompt);
}

TEST(ConsoleClick, EveryKeyClicksAndEnterClicksOnlyAfterItsCommand) {
    TestGame test;
    test.StartConsole();
    const std::int64_t typedAt = test.platform.Now();
    test.Type("a");
    test.Enter();

    ASSERT_EQ(test.platform.sounds.size(), 2u);
    EXPECT_EQ(test.platform.sounds[0].file, "click.wav");
    EXPECT_EQ(test.platform.sounds[0].startedAt, typedAt);
    EXPECT_EQ(test.platform.sounds[1].file, "click.wav");
    EXPECT_EQ(test.platform.sounds[1].startedAt, typedAt + 200);  // after the command's pause
}

}  // namespace
