// The Qt windows carry the controls' names, show what the core holds, and hand keys and clicks
// to the core.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include "console/console_window.h"
#include "harness/test_game.h"
#include "tools/message_form.h"
#include "tools/message_window.h"

namespace {

class ConsoleWindowTest : public testing::Test {
protected:
    ConsoleWindowTest() {
        game = std::make_unique<Game>(test.platform, test.folder.Path(), window);
        window.Bind(game->console);
    }

    QString Shown() const { return window.CommandLine()->toPlainText(); }
    static QString AsShown(const std::string& transcript) {
        return QString::fromLatin1(transcript.c_str()).replace("\r\n", "\n");
    }

    TestGame test;
    ConsoleWindow window;
    std::unique_ptr<Game> game;
};

TEST_F(ConsoleWindowTest, EveryControlCarriesItsName) {
    const char* names[] = {"CommandLine", "mainlabel", "topright_", "lblScore",     "lblStatus",
                           "lblTrace",    "lblBusted", "Picture2",  "ZDLicon",      "topleft",
                           "topright",    "midleft",   "midright",  "consolelabel", "black",
                           "Line1",       "Line2",     "Line3",     "Line4"};
    for (const char* name : names) EXPECT_NE(window.findChild<QWidget*>(name), nullptr) << name;
    for (const char* button : MainConsole::kButtons) {
        EXPECT_NE(window.findChild<QLabel*>(button), nullptr) << button;
        EXPECT_NE(window.findChild<QWidget*>(QString(button) + "_"), nullptr) << button;
    }
    EXPECT_EQ(window.objectName(), "frmMainConsole");
    EXPECT_EQ(window.windowTitle(), "Zindrel");
}

TEST_F(ConsoleWindowTest, TypedKeysGoThroughTheCoreAndTheBoxShowsItsTranscript) {
    test.AnswerIntro("neo");
    game->console.Form_Load();
    test.platform.Pause(2000);
    EXPECT_EQ(window.findChild<QLabel*>("mainlabel")->text(), "=[ Zindrel 1.21 ]=");

    QPlainTextEdit* box = window.CommandLine();
    QTest::keyClicks(box, "dirx");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_TRUE(game->console.Transcript().ends_with("root[.]# dir"));
    EXPECT_EQ(Shown(), AsShown(game->console.Transcript()));

    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(game->console.Transcript().ends_with("\r\n\r\nroot[.]# "));
    EXPECT_EQ(Shown(), AsShown(game->console.Transcript()));
    EXPECT_EQ(box->textCursor().position(), box->document()->characterCount() - 1);
}

// The box keeps exactly the lines the core keeps, whether the top of the session is dropped
// before the box ever showed it or after.
TEST_F(ConsoleWindowTest, TheBoxKeepsTheSameScrollbackAsTheCore) {
    test.AnswerIntro("neo");
    game->console.Form_Load();
    test.platform.Pause(2000);
    QPlainTextEdit* box = window.CommandLine();
    const auto print = [&](int lines) {
        for (int i = 0; i < lines; ++i)
            game->console.ConsolePrint("output line " + std::to_string(i), 0, true);
    };
    const auto expectSame = [&] {
        EXPECT_EQ(Shown(), AsShown(game->console.Transcript()));
        EXPECT_EQ(box->textCursor().position(), box->document()->characterCount() - 1);
    };

    // More than the scrollback in one go, none of it shown yet.
    print(static_cast<int>(MainConsole::kScrollbackLines + MainConsole::kTrimLines) + 50);
    QTest::keyClick(box, Qt::Key_D);
    expectSame();
    EXPECT_LE(box->document()->blockCount(),
              static_cast<int>(MainConsole::kScrollbackLines + MainConsole::kTrimLines));

    // The box shows every line when the top is dropped again; then Backspace and a command.
    print(static_cast<int>(MainConsole::kTrimLines));
    QTest::keyClick(box, Qt::Key_Backspace);
    expectSame();
    QTest::keyClicks(box, "dir");
    QTest::keyClick(box, Qt::Key_Return);
    expectSame();
    EXPECT_TRUE(game->console.Transcript().ends_with("\r\n\r\nroot[.]# "));
}

TEST_F(ConsoleWindowTest, HiddenToolButtonsHideWithTheirFrames) {
    window.show();
    EXPECT_FALSE(window.findChild<QWidget*>("butvirus_")->isVisible());
    EXPECT_TRUE(window.findChild<QWidget*>("butemail_")->isVisible());
    game->console.SetVisible("butvirus", true);
    EXPECT_TRUE(window.findChild<QWidget*>("butvirus")->isVisible());
    EXPECT_TRUE(window.findChild<QWidget*>("butvirus_")->isVisible());
}

TEST_F(ConsoleWindowTest, TheWholeTranscriptTakesTheNewColour) {
    game->console.SetTextColour(kLoginScreenBlue);
    EXPECT_EQ(window.CommandLine()->palette().color(QPalette::Text), QColor(128, 128, 255));
}

TEST(MessageWindowTest, ShowsTheMessageAndItsCloseLabelUnloadsTheForm) {
    TestGame test;
    test.platform.WhenShown("frmMessage", [](ModalForm& form) {
        auto window = CreateFormWindow<MessageWindow>(form);
        EXPECT_EQ(window->findChild<QLabel*>("Label1")->text(), "Trace complete.");
        EXPECT_EQ(window->findChild<QLabel*>("mainlabel")->text(), "=[ Echo ]=");
        EXPECT_EQ(window->windowTitle(), "Zindrel Message");
        QTest::mouseClick(window->findChild<QLabel*>("topright_"), Qt::LeftButton);
        EXPECT_FALSE(form.IsOpen());
    });
    test.game->ShowMessage("Trace complete.");
    EXPECT_FALSE(test.game->state.MessageWindowOpen);
    EXPECT_EQ(test.platform.shownForms, std::vector<std::string>{"frmMessage"});
}

}  // namespace
