// The Qt windows carry the controls' names, show what the core holds, and hand keys and clicks
// to the core.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/clickable_label.h"
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

TEST(ClickableLabelTest, IsAButtonToScreenReadersAndToTheKeyboard) {
    ClickableLabel ping("Ping");
    QSignalSpy clicks(&ping, &ClickableLabel::clicked);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&ping);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Ping");
    ping.setAccessibleName("Ping the target");
    EXPECT_EQ(accessible->text(QAccessible::Name), "Ping the target");

    // Tab reaches it; a mouse click does not take the keyboard from where it is.
    EXPECT_EQ(ping.focusPolicy(), Qt::TabFocus);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(&ping, key);
    QTest::keyClick(&ping, Qt::Key_A);
    QTest::keyClick(&ping, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(clicks.count(), 3);
    QAccessibleActionInterface* actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 4);

    ping.setEnabled(false);
    QTest::keyClick(&ping, Qt::Key_Space);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 4);
}

TEST_F(ConsoleWindowTest, ButtonsAreNamedAndPressedFromTheKeyboardOnlyWhileTheConsoleTakesInput) {
    test.folder.Write("zindrel.zdl", "HELP TEXT\r\n");
    test.AnswerIntro("neo");
    game->console.Form_Load();
    test.platform.Pause(2000);
    auto* help = window.findChild<ClickableLabel*>("buthelp");
    auto* close = window.findChild<ClickableLabel*>("topright_");
    ASSERT_NE(help, nullptr);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(help)->text(QAccessible::Name), "Help");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(close)->text(QAccessible::Name), "Close");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(close)->role(), QAccessible::Button);

    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QPlainTextEdit* box = window.CommandLine();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.findChild<QWidget*>("butemail"));

    // While a command runs the console takes no input, and its buttons take no key either.
    game->console.SetCommandLineEnabled(false);
    help->setFocus();
    QTest::keyClick(help, Qt::Key_Space);
    EXPECT_EQ(game->console.Transcript().find("HELP TEXT"), std::string::npos);

    game->console.SetCommandLineEnabled(true);
    help->setFocus();
    QTest::keyClick(help, Qt::Key_Space);
    EXPECT_NE(game->console.Transcript().find("HELP TEXT"), std::string::npos);
    // The keyboard is back at the command line, and what is typed on a button lands there too.
    EXPECT_EQ(QApplication::focusWidget(), box);
    help->setFocus();
    QTest::keyClicks(help, "dir");
    EXPECT_TRUE(game->console.Transcript().ends_with("# dir"));
    EXPECT_EQ(QApplication::focusWidget(), box);
    window.hide();
}

// Screen readers find the console as a frame holding the named transcript, a terminal whose
// text is the box's, and the buttons (not their frames, nor the decoration) right in it.
TEST_F(ConsoleWindowTest, ScreenReadersFindAFrameWithATerminalAndNoDecoration) {
    test.AnswerIntro("neo");
    game->console.Form_Load();
    test.platform.Pause(2000);
    window.CommandLine()->setPlainText("root[.]# dir");
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&window);
    EXPECT_EQ(frame->role(), QAccessible::Window);

    QStringList children;
    for (int i = 0; i < frame->childCount(); ++i) {
        QAccessibleInterface* child = frame->child(i);
        children << child->object()->objectName();
        EXPECT_EQ(frame->indexOfChild(child), i);
        EXPECT_EQ(child->parent(), frame) << child->object()->objectName().toStdString();
    }
    for (const char* hidden : {"ZDLicon", "topleft", "mainlabel", "topright", "midright", "Line1",
                               "Picture2", "black", "butemail_"})
        EXPECT_FALSE(children.contains(hidden)) << hidden;
    for (const char* shown : {"CommandLine", "consolelabel", "butemail", "buthangup", "lblTrace"})
        EXPECT_TRUE(children.contains(shown)) << shown;

    QAccessibleInterface* terminal = QAccessible::queryAccessibleInterface(window.CommandLine());
    EXPECT_EQ(terminal->role(), QAccessible::Terminal);
    EXPECT_EQ(terminal->text(QAccessible::Name), "vorlOS console");
    EXPECT_EQ(terminal->childCount(), 0);
    QAccessibleTextInterface* text = terminal->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), 12);
    EXPECT_EQ(text->text(9, 12), "dir");
    EXPECT_EQ(text->text(0, 99), "root[.]# dir");  // past the end: what there is
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
