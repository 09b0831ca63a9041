// The scrollback of a long session: the console keeps its last lines, whole lines from the top
// are dropped, and typing, Backspace and commands work the same at that edge.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "harness/test_game.h"

namespace {

std::size_t Lines(std::string_view text) {
    std::size_t lines = 1;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2))
        ++lines;
    return lines;
}

// Keeps everything the console ever printed, so the kept lines can be checked against it.
class WholeSessionView : public ConsoleView {
public:
    void TranscriptAppended(std::string_view added) override { session += added; }
    void TranscriptTruncated(std::size_t newLength) override {
        session.resize(dropped + newLength);
    }
    void TranscriptTrimmed(std::string_view removed) override {
        EXPECT_EQ(session.substr(dropped, removed.size()), removed);
        dropped += removed.size();
        ++trims;
    }
    void TranscriptReplaced(const std::string& text) override {
        session = text;
        dropped = 0;
    }

    std::string session;
    std::size_t dropped = 0;
    int trims = 0;
};

// A console started and past its boot text, printing into a view that keeps the whole session.
class Scrollback : public testing::Test {
protected:
    Scrollback() {
        test.AnswerIntro();
        console.Form_Load();
        test.platform.Pause(2000);
    }

    TestGame test;
    WholeSessionView view;
    Game game{test.platform, test.folder.Path(), view};
    MainConsole& console = game.console;
};

TEST_F(Scrollback, ALongSessionKeepsItsLastLinesAndTheConsoleWorksAtTheEdge) {
    const auto type = [&](std::string_view text) {
        for (char c : text) {
            console.CommandLine_KeyDown(ConsoleKey::Other);
            console.CommandLine_KeyPress(c);
        }
    };

    // Typed commands, until the top of the session has been dropped twice.
    while (view.trims < 2) {
        type("dir");
        console.CommandLine_KeyDown(ConsoleKey::Enter);
    }
    const std::string& kept = console.Transcript();
    EXPECT_GE(Lines(kept), MainConsole::kScrollbackLines);
    EXPECT_LE(Lines(kept), MainConsole::kScrollbackLines + MainConsole::kTrimLines);
    // What is kept is the session's end, from the start of a line.
    EXPECT_EQ(view.session.substr(view.dropped), kept);
    EXPECT_EQ(view.session.substr(view.dropped - 2, 2), "\r\n");
    EXPECT_TRUE(kept.ends_with("\r\n\r\nroot[.]# "));

    // Backspace still stops at the prompt, and the last line still makes the command.
    const std::string atPrompt = kept;
    console.CommandLine_KeyDown(ConsoleKey::Backspace);
    EXPECT_EQ(kept, atPrompt);
    type("dx");
    console.CommandLine_KeyDown(ConsoleKey::Backspace);
    type("ir");
    console.CommandLine_KeyDown(ConsoleKey::Enter);
    const std::string output = kept.substr(kept.rfind("root[.]# dir\r\n"));
    EXPECT_NE(output.find("1 " + game.LangString("str81")), std::string::npos);
    EXPECT_TRUE(output.ends_with("\r\n\r\nroot[.]# "));
    EXPECT_LE(Lines(kept), MainConsole::kScrollbackLines + MainConsole::kTrimLines);
}

// Long lines are bounded in bytes as well: pasting whole files line after line keeps the console
// at a few megabytes, from the start of a line, with the commands working at the edge.
TEST_F(Scrollback, LongLinesAreBoundedInBytesToo) {
    const std::string pasted(100'000, 'x');
    for (int line = 0; line < 60; ++line) console.ConsolePrint(pasted, 0, true);
    console.ShowPrompt();

    const std::string& kept = console.Transcript();
    EXPECT_GE(view.trims, 1);
    EXPECT_LE(kept.size(), MainConsole::kScrollbackBytes + MainConsole::kTrimBytes);
    EXPECT_GE(kept.size(), MainConsole::kScrollbackBytes - pasted.size() - 2);
    EXPECT_EQ(view.session.substr(view.dropped), kept);
    EXPECT_EQ(view.session.substr(view.dropped - 2, 2), "\r\n");
    EXPECT_TRUE(kept.starts_with(pasted + "\r\n"));

    for (char c : std::string("dir")) console.CommandLine_KeyPress(c);
    console.CommandLine_KeyDown(ConsoleKey::Enter);
    EXPECT_NE(kept.find("1 " + game.LangString("str81")), std::string::npos);
    EXPECT_TRUE(kept.ends_with("\r\n\r\nroot[.]# "));

    // A single line larger than the bound is the last line, and stays.
    console.ConsolePrint(std::string(MainConsole::kScrollbackBytes + MainConsole::kTrimBytes, 'y'),
                         0, false);
    EXPECT_TRUE(kept.ends_with("y"));
    EXPECT_EQ(kept.find("\r\n"), std::string::npos);
}

}  // namespace
