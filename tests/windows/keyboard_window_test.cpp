// Keys go where the player means them: each window opens with the keyboard where its work
// starts, Enter does a tool's action, Escape never throws running work away, a message or a
// question does not take keys typed for the console as its answer, and the keyboard's place is
// always plain to see.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "app/clickable_label.h"
#include "app/intro_window.h"
#include "app/qt_key_grace.h"
#include "app/qt_platform.h"
#include "app/settings_window.h"
#include "console/console_window.h"
#include "harness/test_game.h"
#include "tools/file_transfer_window.h"
#include "tools/mail_window.h"
#include "tools/message_window.h"
#include "tools/password_hack_window.h"
#include "tools/ping_window.h"
#include "tools/port_scan_window.h"
#include "tools/telnet_window.h"
#include "tools/virus_upload_window.h"
#include "windows/contrast.h"
#include "windows/focus_ring.h"

namespace {

// The grace of the windows opened while it lives.
class GraceOf {
public:
    explicit GraceOf(int milliseconds) { KeyGrace::SetMilliseconds(milliseconds); }
    ~GraceOf() { KeyGrace::SetMilliseconds(KeyGrace::kDefaultMilliseconds); }
};

// A key pressed where the keyboard is in the window, as the player presses it.
void Press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
    QTest::keyClick(target, key, modifiers);
}

QString FocusName(QWidget* window) {
    return window->focusWidget() == nullptr ? QString("(nothing)")
                                            : window->focusWidget()->objectName();
}

// A game whose mission runs against a target the player is logged in to, with every tool
// installed: each tool window opens from its button.
class KeysInWindows : public testing::Test {
public:
    void SetUp() override {
        test.folder.Write("Zindrel.ini", "English\r\n 1 \r\n 0 \r\n");
        test.folder.Write("MissionPack/Pack/m1.zdl",
                          "m1.zdl\r\n*TELNET_LOGIN_SCREEN\r\nGATE\r\n*END\r\n"
                          "*FOLDER_STUCTURE\r\n+Logs\r\n--{own_ip}\r\n-plans.doc\r\n*END\r\n");
        test.StartConsole("neo", "Pack");
        test.platform.Pause(5000);
        state.AttackIp = "10.0.0.1";
        state.AttackPort = 3000;
        state.TargetPinged = true;
        for (const char* tool : {"butportscan", "butpasswordhack", "butvirus", "butdestroy"})
            test.Console().SetVisible(tool, true);
    }
    void LogIn() {
        state.TelnetSessionOpen = true;
        test.game->SetConnected(true);
        test.game->remote.Files = {"0&plans.doc"};
    }
    // Opens the window from its console button and plays the script on it, on screen.
    template <typename Window>
    void Use(const char* button, const char* formName,
             std::function<void(QDialog&, ModalForm&)> script) {
        test.platform.WhenShown(formName, [script](ModalForm& form) {
            auto window = CreateFormWindow<Window>(form);
            window->show();
            QApplication::processEvents();
            script(*window, form);
        });
        test.Console().ButtonClick(button);
    }
    template <typename T>
    static T* Child(QDialog& window, const char* name) {
        return window.findChild<T*>(name);
    }

    TestGame test;
    GameState& state = test.game->state;
};

TEST_F(KeysInWindows, EachWindowOpensWithTheKeyboardWhereItsWorkStarts) {
    struct Case {
        const char* button;
        const char* form;
        std::function<void(KeysInWindows&, const char*, const char*, const char*)> open;
        const char* focus;
        bool loggedIn;
    };
    auto use = [](auto* windowType) {
        using Window = std::remove_pointer_t<decltype(windowType)>;
        return [](KeysInWindows& self, const char* button, const char* form, const char* focus) {
            self.Use<Window>(button, form, [focus](QDialog& window, ModalForm&) {
                EXPECT_EQ(FocusName(&window), focus);
            });
        };
    };
    const Case cases[] = {
        {"butping", "frmPing", use((PingWindow*)nullptr), "txtIP", false},
        {"buttelnet", "frmTelnet", use((TelnetWindow*)nullptr), "txtIP", false},
        {"butportscan", "frmPortscan", use((PortScanWindow*)nullptr), "txtIP", false},
        {"butsettings", "frmSettings", use((SettingsWindow*)nullptr), "cmbLanguage", false},
        {"butpasswordhack", "frmPasswordhack", use((PasswordHackWindow*)nullptr), "txtFile", true},
        {"butvirus", "frmUploadvirus", use((VirusUploadWindow*)nullptr), "Combo1", true},
        {"butcopyfile", "frmCopyfile", use((FileTransferWindow*)nullptr), "txtFile", true},
        {"butdestroy", "frmDestroyfile", use((FileTransferWindow*)nullptr), "txtFile", true},
    };
    state.MissionPassword = "plonkit4";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        if (c.loggedIn && !state.Connected) LogIn();
        const std::size_t shown = test.platform.shownForms.size();
        c.open(*this, c.button, c.form, c.focus);
        EXPECT_EQ(test.platform.shownForms.size(), shown + 1);
    }

    state.MailSubject = "job";
    Use<MailWindow>("butemail", "frmMail",
                    [](QDialog& window, ModalForm&) { EXPECT_EQ(FocusName(&window), "txtMail"); });
    test.platform.WhenShown("frmMessage", [](ModalForm& form) {
        auto window = CreateFormWindow<MessageWindow>(form);
        window->show();
        EXPECT_EQ(FocusName(window.get()), "Label1");
    });
    test.game->ShowMessage("logged in");
}

TEST_F(KeysInWindows, TabVisitsTheFieldsAndTheActionAndSkipsWhatOnlyShows) {
    Use<PortScanWindow>("butportscan", "frmPortscan", [](QDialog& window, ModalForm&) {
        QStringList visited{FocusName(&window)};
        for (int i = 0; i < 5; ++i) {
            Press(&window, Qt::Key_Tab);
            visited << FocusName(&window);
        }
        EXPECT_EQ(visited,
                  (QStringList{"txtIP", "txtFrom", "txtTo", "lblScan", "topright_", "txtIP"}));
    });
}

// Enter in a field does what a click on the window's action does, its checks and messages
// included, and the keyboard is back in the first field when the action has ended.
TEST_F(KeysInWindows, EnterInAFieldDoesTheWindowsAction) {
    Use<TelnetWindow>("buttelnet", "frmTelnet", [this](QDialog& window, ModalForm& form) {
        QTest::keyClicks(Child<QLineEdit>(window, "txtIP"), "10.0.0.1");
        Press(&window, Qt::Key_Tab);
        QTest::keyClicks(Child<QLineEdit>(window, "txtPort"), "3001");
        Press(&window, Qt::Key_Return);
        EXPECT_EQ(test.messages.back(),
                  test.Lang("str134") + " 10.0.0.1 " + test.Lang("str135") + " 3001");
        EXPECT_TRUE(form.IsOpen());
        EXPECT_EQ(FocusName(&window), "txtIP");
    });

    Use<PortScanWindow>("butportscan", "frmPortscan", [this](QDialog& window, ModalForm&) {
        QTest::keyClicks(Child<QLineEdit>(window, "txtIP"), "10.0.0.1");
        QTest::keyClicks(Child<QLineEdit>(window, "txtFrom"), "2990");
        QTest::keyClicks(Child<QLineEdit>(window, "txtTo"), "3010");
        Child<QLineEdit>(window, "txtTo")->setFocus();
        QTest::keyClick(Child<QLineEdit>(window, "txtTo"), Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(test.messages.back(), test.Lang("str128") + " 3000");
        EXPECT_EQ(Child<QLineEdit>(window, "txtProgress")->text(), "3000");
        EXPECT_EQ(FocusName(&window), "txtIP");
    });

    Use<PingWindow>("butping", "frmPing", [](QDialog& window, ModalForm& form) {
        QTest::keyClicks(Child<QLineEdit>(window, "txtIP"), "10.0.0.9");
        Press(&window, Qt::Key_Return);
        EXPECT_FALSE(form.IsOpen());
    });
    EXPECT_NE(test.Transcript().find("root[.]# ping 10.0.0.9\r\n"), std::string::npos);

    LogIn();
    Use<VirusUploadWindow>("butvirus", "frmUploadvirus", [](QDialog& window, ModalForm& form) {
        Press(&window, Qt::Key_Down);  // the first virus of the list
        Press(&window, Qt::Key_Return);
        EXPECT_TRUE(dynamic_cast<ToolForm&>(form).Running());
        EXPECT_EQ(FocusName(&window), "Combo1");
    });
}

// A timed run (here a download, then a wipe started from its label) goes on whatever Escape
// or Space does; the keyboard never lands on the close label, which still ends the run.
TEST_F(KeysInWindows, EscapeAndSpaceNeverEndARunningTransfer) {
    LogIn();
    state.ObjectiveSteal = true;
    state.FilesToSteal = {"plans.doc"};
    Use<FileTransferWindow>("butcopyfile", "frmCopyfile", [this](QDialog& window, ModalForm& form) {
        auto& transfer = dynamic_cast<ToolForm&>(form);
        QTest::keyClicks(Child<QLineEdit>(window, "txtFile"), "plans.doc");
        Press(&window, Qt::Key_Return);
        ASSERT_TRUE(transfer.Running());
        test.platform.Pause(5000);
        Press(&window, Qt::Key_Escape);
        EXPECT_TRUE(form.IsOpen());
        test.platform.Pause(5300);
        EXPECT_FALSE(transfer.Running());  // "Done!"
        EXPECT_EQ(FocusName(&window), "txtFile");
        Press(&window, Qt::Key_Space);  // types a blank into the name, nothing more
        EXPECT_TRUE(form.IsOpen());
        Press(&window, Qt::Key_Escape);  // nothing runs: Escape closes as always
        EXPECT_FALSE(form.IsOpen());
    });
    EXPECT_EQ(state.FilesToSteal, std::vector<std::string>{""});

    state.ObjectiveDestroy = true;
    state.FilesToDestroy = {"plans.doc"};
    Use<FileTransferWindow>(
        "butdestroy", "frmDestroyfile", [this](QDialog& window, ModalForm& form) {
            QTest::keyClicks(Child<QLineEdit>(window, "txtFile"), "plans.doc");
            Press(&window, Qt::Key_Tab);
            ASSERT_EQ(FocusName(&window), "lblDel");
            Press(&window, Qt::Key_Space);
            EXPECT_TRUE(dynamic_cast<ToolForm&>(form).Running());
            EXPECT_EQ(FocusName(&window), "txtFile");  // not the close label
            test.platform.Pause(3000);
            QTest::mouseClick(Child<QLabel>(window, "topright_"), Qt::LeftButton);
            EXPECT_FALSE(form.IsOpen());
        });
    EXPECT_EQ(state.FilesToDestroy, std::vector<std::string>{"plans.doc"});  // the run ended
}

TEST_F(KeysInWindows, EscapeWaitsForTheCrackAndTheUploadToo) {
    LogIn();
    state.MissionPassword = "plonkit4";
    Use<PasswordHackWindow>("butpasswordhack", "frmPasswordhack",
                            [this](QDialog& window, ModalForm& form) {
                                Press(&window, Qt::Key_Return);
                                test.platform.Pause(5000);
                                Press(&window, Qt::Key_Escape);
                                EXPECT_TRUE(form.IsOpen());
                                test.platform.Pause(5300);
                                EXPECT_EQ(FocusName(&window), "txtFile");
                            });
    EXPECT_NE(state.MissionPassword, "plonkit4");

    Use<VirusUploadWindow>("butvirus", "frmUploadvirus", [this](QDialog& window, ModalForm& form) {
        Press(&window, Qt::Key_Down);
        Press(&window, Qt::Key_Return);
        test.platform.Pause(15000);
        Press(&window, Qt::Key_Escape);
        EXPECT_TRUE(form.IsOpen());
        test.platform.Pause(16000);
        EXPECT_TRUE(state.VirusUploaded);
        Press(&window, Qt::Key_Escape);
        EXPECT_FALSE(form.IsOpen());
    });
}

// The message window: only Enter and Escape close it, and the close label is a Tab away.
TEST_F(KeysInWindows, AMessageClosesOnlyForEnterEscapeOrItsCloseLabel) {
    GraceOf noGrace(0);
    struct Case {
        std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
        bool closes;
    };
    const Case cases[] = {
        {{{Qt::Key_Return, Qt::NoModifier}}, true},
        {{{Qt::Key_Enter, Qt::KeypadModifier}}, true},
        {{{Qt::Key_Escape, Qt::NoModifier}}, true},
        {{{Qt::Key_Space, Qt::NoModifier}}, false},
        {{{Qt::Key_D, Qt::NoModifier}, {Qt::Key_I, Qt::NoModifier}}, false},
        {{{Qt::Key_Tab, Qt::NoModifier}, {Qt::Key_Space, Qt::NoModifier}}, true},
    };
    for (const Case& c : cases) {
        bool closed = false;
        test.platform.WhenShown("frmMessage", [&](ModalForm& form) {
            auto window = CreateFormWindow<MessageWindow>(form);
            window->show();
            for (const auto& [key, modifiers] : c.keys) Press(window.get(), key, modifiers);
            closed = !form.IsOpen();
        });
        test.game->ShowMessage("logged in");
        EXPECT_EQ(closed, c.closes) << c.keys.front().first << " then " << c.keys.size() - 1;
    }
}

TEST_F(KeysInWindows, KeysInAMessagesFirstMomentAreIgnored) {
    test.platform.WhenShown("frmMessage", [&](ModalForm& form) {
        GraceOf endless(60'000);
        auto window = CreateFormWindow<MessageWindow>(form);
        window->show();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Space})
            Press(window.get(), key);
        EXPECT_TRUE(form.IsOpen());
        EXPECT_EQ(FocusName(window.get()), "Label1");  // the Tab was dropped too
    });
    test.game->ShowMessage("logged in");

    // With the game's own grace: a key right away is dropped, one a moment later closes.
    test.platform.WhenShown("frmMessage", [&](ModalForm& form) {
        auto window = CreateFormWindow<MessageWindow>(form);
        window->show();
        Press(window.get(), Qt::Key_Return);
        EXPECT_TRUE(form.IsOpen());
        QTest::qWait(KeyGrace::kDefaultMilliseconds + 50);
        Press(window.get(), Qt::Key_Return);
        EXPECT_FALSE(form.IsOpen());
    });
    test.game->ShowMessage("logged in");
}

TEST_F(KeysInWindows, TheMailScrollsSelectsAndClosesFromTheKeyboard) {
    state.MailSubject = "job";
    state.MailFrom = "vesk";
    for (int line = 0; line < 200; ++line)
        state.MailBody += "line " + std::to_string(line) + "\r\n";
    Use<MailWindow>("butemail", "frmMail", [](QDialog& window, ModalForm& form) {
        auto* mail = Child<QPlainTextEdit>(window, "txtMail");
        QScrollBar* bar = mail->verticalScrollBar();
        ASSERT_EQ(bar->value(), 0);
        struct Step {
            Qt::Key key;
            int moved;  // -1 up, 0 not at all, 1 down
        };
        for (const Step& step :
             {Step{Qt::Key_Up, 0}, Step{Qt::Key_Down, 1}, Step{Qt::Key_PageDown, 1},
              Step{Qt::Key_PageUp, -1}, Step{Qt::Key_Up, -1}}) {
            const int before = bar->value();
            Press(&window, step.key);
            const int after = bar->value();
            EXPECT_EQ((after > before) - (after < before), step.moved) << step.key;
        }
        Press(&window, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(mail->textCursor().selectedText().size(), mail->toPlainText().size());
        Press(&window, Qt::Key_Escape);
        EXPECT_FALSE(form.IsOpen());
    });
}

// The system's boxes keep their own keys, but not for keys that arrive as they open.
TEST(SystemBoxKeys, StandardKeysAnswerButNotInTheFirstMoment) {
    TempAppFolder folder;
    folder.CopyFromData("Lang/English.zdl");
    QtPlatform platform;
    struct Case {
        const char* name;
        bool question;
        std::vector<Qt::Key> keys;
        int grace;
        bool stillOpen;  // after the keys
        bool answer;     // what the question returned
    };
    const Case cases[] = {
        {"Enter takes the default, Yes", true, {Qt::Key_Return}, 0, false, true},
        {"Escape is No", true, {Qt::Key_Escape}, 0, false, false},
        {"the letter N", true, {Qt::Key_N}, 0, false, false},
        {"the letter Y", true, {Qt::Key_Y}, 0, false, true},
        {"Enter in the first moment", true, {Qt::Key_Return, Qt::Key_Y}, 60'000, true, false},
        {"Enter closes the OK box", false, {Qt::Key_Return}, 0, false, false},
        {"Escape closes the OK box", false, {Qt::Key_Escape}, 0, false, false},
        {"Space in the first moment", false, {Qt::Key_Space, Qt::Key_Escape}, 60'000, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GraceOf grace(c.grace);
        bool stillOpen = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(qobject_cast<QMessageBox*>(box), nullptr);
            for (Qt::Key key : c.keys) Press(box, key);
            // A letter clicks its button the way a mouse would, a moment later.
            stillOpen = !QTest::qWaitFor([box] { return !box->isVisible(); }, 300);
            if (stillOpen) qobject_cast<QMessageBox*>(box)->done(QMessageBox::No);
        });
        bool answer = false;
        if (c.question)
            answer = platform.AskYesNo("Zindrel", "Want to try reverting to english?");
        else
            platform.ShowOkMessage("Zindrel", "Language changed. Now please restart Zindrel");
        EXPECT_EQ(stillOpen, c.stillOpen);
        if (c.question) {
            EXPECT_EQ(answer, c.answer);
        }
    }
}

// --- The focus ring ---------------------------------------------------------------------------

TEST_F(KeysInWindows, EveryFocusableControlShowsARingThatStandsOut) {
    LogIn();
    state.MailSubject = "job";
    for (const char* button : MainConsole::kButtons) test.Console().SetVisible(button, true);
    auto check = [](const char* name) {
        return [name](QDialog& window, ModalForm&) { ExpectRingsOnEveryControl(&window, name); };
    };
    Use<PingWindow>("butping", "frmPing", check("ping"));
    Use<TelnetWindow>("buttelnet", "frmTelnet", check("telnet"));
    Use<PortScanWindow>("butportscan", "frmPortscan", check("scan"));
    Use<SettingsWindow>("butsettings", "frmSettings", check("settings"));
    Use<MailWindow>("butemail", "frmMail", check("mail"));
    state.MissionPassword = "plonkit4";
    Use<PasswordHackWindow>("butpasswordhack", "frmPasswordhack", check("crack"));
    Use<VirusUploadWindow>("butvirus", "frmUploadvirus", check("virus"));
    Use<FileTransferWindow>("butcopyfile", "frmCopyfile", check("download"));
    test.platform.WhenShown("frmMessage", [](ModalForm& form) {
        auto window = CreateFormWindow<MessageWindow>(form);
        ExpectRingsOnEveryControl(window.get(), "message");
    });
    test.game->ShowMessage("logged in");

    ConsoleWindow console;
    Game game(test.platform, test.folder.Path(), console);
    console.Bind(game.console);
    for (const char* button : MainConsole::kButtons) game.console.SetVisible(button, true);
    ExpectRingsOnEveryControl(&console, "console");
}

TEST(FocusRings, TheIntroAndTheSystemBoxesShowThemToo) {
    TestGame test;
    std::filesystem::create_directories(test.folder.Path() / "MissionPack" / "Rookie");
    test.platform.WhenShown("frmIntro", [](ModalForm& form) {
        auto window = CreateFormWindow<IntroWindow>(form);
        ExpectRingsOnEveryControl(window.get(), "intro");
        form.Close();
    });
    EXPECT_THROW(test.game->ShowIntro(), ProgramEnded);

    QtPlatform platform;
    for (bool question : {true, false}) {
        QTimer::singleShot(0, [] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            ExpectRingsOnEveryControl(box, "system box");
            qobject_cast<QMessageBox*>(box)->done(QMessageBox::No);
        });
        if (question)
            platform.AskYesNo("Zindrel", "Want to try reverting to english?");
        else
            platform.ShowOkMessage("Zindrel", "Language changed. Now please restart Zindrel");
    }
}

}  // namespace
