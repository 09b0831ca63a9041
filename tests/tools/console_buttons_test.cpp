// The mail reader, the message window and the rule that buttons sleep while the input line does.
#include <gtest/gtest.h>

#include "harness/test_game.h"

namespace {

TEST(MailButton, WithoutMailItSaysSo) {
    TestGame test;
    test.StartConsole();
    test.Console().ButtonClick("butemail");
    EXPECT_EQ(test.messages, std::vector<std::string>{test.Lang("str4")});
}

TEST(MailButton, ShowsSubjectSenderRuleAndBodyAndMarksTheMailRead) {
    TestGame test;
    test.StartConsole();
    GameState& state = test.game->state;
    state.MailSubject = "job";
    state.MailFrom = "vesk";
    state.MailBody = "line one\r\nline two\r\n";
    test.Console().SetCaption("butemail", test.Lang("str6") + " 1");
    std::string shown;
    test.platform.WhenShown(
        "frmMail", [&](ModalForm& form) { shown = dynamic_cast<MailForm&>(form).txtMail; });

    test.Console().ButtonClick("butemail");

    EXPECT_EQ(shown, test.Lang("str88") + " job\r\n" + test.Lang("str87") + " vesk\r\n" +
                         std::string(58, '-') + "\r\n\r\nline one\r\nline two\r\n");
    EXPECT_EQ(test.Console().Caption("butemail"), test.Lang("str6") + " 0");
}

TEST(ConsoleButtons, AToolButtonDoesNothingUntilItsToolIsInstalled) {
    TestGame test;
    test.StartConsole();
    test.game->state.TelnetSessionOpen = true;
    test.game->state.Connected = true;
    for (const char* tool : {"butportscan", "butdestroy", "butpasswordhack", "butvirus"})
        test.Console().ButtonClick(tool);
    EXPECT_TRUE(test.messages.empty());
    EXPECT_EQ(test.platform.shownForms, std::vector<std::string>{"frmIntro"});
}

TEST(ConsoleButtons, DoNothingWhileTheInputLineIsDisabled) {
    TestGame test;
    test.StartConsole();
    test.Console().SetCommandLineEnabled(false);
    for (const char* button : MainConsole::kButtons) test.Console().ButtonClick(button);
    EXPECT_TRUE(test.platform.shownForms.size() == 1u);  // only the intro ever showed
}

TEST(ConsoleButtons, SettingsButtonOpensTheSettings) {
    TestGame test;
    test.StartConsole();
    test.Console().ButtonClick("butsettings");
    EXPECT_EQ(test.platform.shownForms.back(), "frmSettings");
}

// A line the game submits (a tool's, the hang-up's, the trace's) is what the transcript shows
// and what runs: letters the player typed behind the prompt and never entered give way to it.
TEST(SubmittedCommands, TakeThePlaceOfWhatThePlayerTypedButDidNotEnter) {
    struct Case {
        const char* name;
        bool connected;
        std::function<void(TestGame&)> submit;
        std::string line;
    };
    const Case cases[] = {
        {"ping window", false,
         [](TestGame& test) {
             test.UseWindow<PingForm>("butping", "frmPing", [](PingForm& form) {
                 form.txtIP = "10.0.0.9";
                 form.lblPing_Click();
             });
         },
         "ping 10.0.0.9"},
        {"hang-up button", true, [](TestGame& test) { test.Console().ButtonClick("buthangup"); },
         "disconnect"},
        {"completed trace", true,
         [](TestGame& test) {
             test.game->state.TraceProgress = 14;
             test.platform.randomFractions = {0.0};
             test.platform.Pause(500);
         },
         "disconnect"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestGame test;
        test.StartConsole();
        if (c.connected) {
            test.game->state.TelnetSessionOpen = true;
            test.game->SetConnected(true);
            test.game->state.LogDeleted = true;
        }
        test.Type("abc");
        c.submit(test);

        // A hang-up clears the transcript as it runs; the window still showed the line.
        const std::string& atRun = c.connected ? test.view.cleared.back() : test.Transcript();
        EXPECT_NE(atRun.find("root[.]# " + c.line + "\r\n"), std::string::npos);
        EXPECT_EQ(atRun.find("abc"), std::string::npos);
        EXPECT_EQ(test.view.shown, test.Transcript());
        if (c.connected)
            EXPECT_FALSE(test.game->state.Connected);
        else
            EXPECT_NE(test.Transcript().find(test.Lang("str49")), std::string::npos);
    }
}

// Only unsent typing goes: output printed since the prompt (a command still running when the
// trace hangs up) stays, and typing that was entered is a command of its own.
TEST(SubmittedCommands, KeepWhatWasPrintedOrEntered) {
    TestGame test;
    test.StartConsole();
    test.TypeCommand("abc");
    const std::string entered = test.Transcript();
    test.Console().ConsolePrint("output", 0, false);
    test.game->interpreter.SubmitCommandLine("cls");
    EXPECT_NE(test.view.cleared.back().find(entered + "output" + "cls\r\n"), std::string::npos);
}

TEST(MessageWindow, AMessageWhileAnotherIsOpenIsDropped) {
    TestGame test;
    auto timer =
        test.platform.CreateTimer("Nagger", 500, [&] { test.game->ShowMessage("second"); });
    timer->SetEnabled(true);
    bool openWhileShown = false;
    test.platform.WhenShown("frmMessage", [&](ModalForm&) {
        openWhileShown = test.game->state.MessageWindowOpen;
        test.platform.Pause(1200);  // the player reads slowly; the timer fires twice meanwhile
    });

    test.game->ShowMessage("first");

    EXPECT_EQ(test.messages, std::vector<std::string>{"first"});
    EXPECT_TRUE(openWhileShown);
    EXPECT_FALSE(test.game->state.MessageWindowOpen);
}

}  // namespace
