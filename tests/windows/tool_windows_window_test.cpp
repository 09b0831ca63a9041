// The tool windows carry their controls' names and captions, hand typing and clicks to their
// forms, and show what the forms change by themselves.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "harness/test_game.h"
#include "tools/file_transfer_window.h"
#include "tools/password_hack_window.h"
#include "tools/ping_window.h"
#include "tools/port_scan_window.h"
#include "tools/telnet_window.h"
#include "tools/virus_upload_window.h"

namespace {

TEST(ToolWindowsOnScreen, EveryControlCarriesItsNameAndCaption) {
    TestGame test;
    Game& game = *test.game;
    struct Case {
        ToolForm& form;
        std::function<std::unique_ptr<QDialog>()> make;
        const char* title;
        const char* mainlabel;
        std::vector<std::pair<const char*, const char*>> labels;  // name, language key
        std::vector<const char*> boxes;
    };
    Case cases[] = {
        {game.pingForm,
         [&] { return CreateFormWindow<PingWindow>(game.pingForm); },
         "Ping IP v1.0",
         "=[ Ping ]=",
         {{"lblAddress", "str118"}, {"lblPing", "str138"}},
         {"txtIP"}},
        {game.telnetForm,
         [&] { return CreateFormWindow<TelnetWindow>(game.telnetForm); },
         "Telnet v1.0",
         "=[ Telnet ]=",
         {{"lblAddress", "str130"}, {"lblPort", "str131"}, {"lblConnect", "str132"}},
         {"txtIP", "txtPort"}},
        {game.portScanForm,
         [&] { return CreateFormWindow<PortScanWindow>(game.portScanForm); },
         "Port Scanner v1.0",
         "=[ PortScanner ]=",
         {{"lblAddress", "str118"},
          {"lblFrom", "str119"},
          {"lblTill", "str120"},
          {"lblProgress", "str121"},
          {"lblScan", "str122"}},
         {"txtIP", "txtFrom", "txtTo", "txtProgress"}},
        {game.passwordHackForm,
         [&] { return CreateFormWindow<PasswordHackWindow>(game.passwordHackForm); },
         "Brute Force Password hacker v1.0",
         "=[ PasswordHacker ]=",
         {{"lblFile", "str116"}, {"lblHack", "str117"}},
         {"txtFile", "Picture1"}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.title);
        test.platform.WhenShown(c.form.Name(), [&](ModalForm&) {
            auto window = c.make();
            EXPECT_EQ(window->objectName().toStdString(), c.form.Name());
            EXPECT_EQ(window->windowTitle(), c.title);
            EXPECT_EQ(window->findChild<QLabel*>("mainlabel")->text(), c.mainlabel);
            EXPECT_EQ(window->findChild<QLabel*>("topright_")->text(), "X");
            for (const auto& [name, key] : c.labels) {
                auto* label = window->findChild<QLabel*>(name);
                ASSERT_NE(label, nullptr) << name;
                EXPECT_EQ(label->text().toStdString(), test.Lang(key)) << name;
            }
            for (const char* box : c.boxes)
                EXPECT_NE(window->findChild<QWidget*>(box), nullptr) << box;
        });
        c.form.ShowModal(test.platform);
    }
}

TEST(ToolWindowsOnScreen, TypingAndClicksReachTheFormAndItsChangesShow) {
    TestGame test;
    test.StartConsole();
    Game& game = *test.game;
    game.state.TelnetSessionOpen = true;
    game.state.MissionPassword = "plonkit4";
    test.platform.WhenShown("frmPasswordhack", [&](ModalForm& form) {
        auto window = CreateFormWindow<PasswordHackWindow>(form);
        window->show();
        auto* picture = window->findChild<QLabel*>("Picture1");
        const QImage empty = picture->pixmap().toImage();
        // Screen readers know the picture as a progress bar whose value follows the bar.
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(picture);
        EXPECT_EQ(bar->role(), QAccessible::ProgressBar);
        ASSERT_NE(bar->valueInterface(), nullptr);
        EXPECT_EQ(bar->valueInterface()->currentValue().toInt(), 0);
        QTest::mouseClick(window->findChild<QLabel*>("lblHack"), Qt::LeftButton);
        test.platform.Pause(5000);
        EXPECT_EQ(bar->valueInterface()->currentValue().toInt(),
                  game.passwordHackForm.TickCount - 1);
        EXPECT_EQ(bar->text(QAccessible::Value),
                  QString::number(game.passwordHackForm.TickCount - 1) + "%");
        // The candidate and the half-full bar are on screen.
        EXPECT_EQ(window->findChild<QLineEdit*>("txtFile")->text().toStdString(),
                  game.passwordHackForm.txtFile);
        EXPECT_NE(picture->pixmap().toImage(), empty);
        QTest::mouseClick(window->findChild<QLabel*>("topright_"), Qt::LeftButton);
        EXPECT_FALSE(form.IsOpen());
    });
    test.Console().ButtonClick("butpasswordhack");
    EXPECT_EQ(game.state.MissionPassword, "plonkit4");

    test.platform.WhenShown("frmPing", [&](ModalForm& form) {
        auto window = CreateFormWindow<PingWindow>(form);
        window->show();
        QTest::keyClicks(window->findChild<QLineEdit*>("txtIP"), "10.9.8.7");
        QTest::mouseClick(window->findChild<QLabel*>("lblPing"), Qt::LeftButton);
        EXPECT_FALSE(form.IsOpen());
    });
    test.game->state.TelnetSessionOpen = false;
    test.Console().ButtonClick("butping");
    EXPECT_NE(test.Transcript().find("ping 10.9.8.7\r\n"), std::string::npos);

    // The uploader's list reaches the form; the download's start label is disabled while it runs.
    game.state.Connected = true;
    test.platform.WhenShown("frmUploadvirus", [&](ModalForm& form) {
        auto window = CreateFormWindow<VirusUploadWindow>(form);
        auto* list = window->findChild<QComboBox*>("Combo1");
        ASSERT_EQ(list->count(), 109);
        EXPECT_EQ(list->currentIndex(), -1);
        list->setCurrentIndex(3);
        EXPECT_EQ(game.virusUploadForm.Combo1Index(), 3);
    });
    test.Console().ButtonClick("butvirus");
    game.remote.Files = {"0&plans.doc"};
    test.platform.WhenShown("frmCopyfile", [&](ModalForm& form) {
        auto window = CreateFormWindow<FileTransferWindow>(form);
        QTest::keyClicks(window->findChild<QLineEdit*>("txtFile"), "plans.doc");
        auto* start = window->findChild<QLabel*>("lblDownload");
        QTest::mouseClick(start, Qt::LeftButton);
        EXPECT_FALSE(start->isEnabled());
        test.platform.Pause(10200);
        EXPECT_TRUE(start->isEnabled());
    });
    test.Console().ButtonClick("butcopyfile");
}

}  // namespace
