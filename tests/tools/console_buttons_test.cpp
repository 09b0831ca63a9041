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
