// Every window shows the texts of every shipped language whole: no caption is cut off by its
// control (German runs long).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>

#include "app/intro_window.h"
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

namespace {

// The captions of the window's visible controls that do not fit: "name: text (needs W x H, has
// w x h)".
std::vector<std::string> Clipped(QWidget* window) {
    window->show();
    QApplication::processEvents();
    std::vector<std::string> clipped;
    auto report = [&clipped](const QWidget* widget, const QString& text, QSize needs) {
        const QSize has = widget->size();
        if (needs.width() <= has.width() && needs.height() <= has.height()) return;
        clipped.push_back(widget->objectName().toStdString() + ": " + text.toStdString() +
                          " (needs " + std::to_string(needs.width()) + " x " +
                          std::to_string(needs.height()) + ", has " + std::to_string(has.width()) +
                          " x " + std::to_string(has.height()) + ")");
    };
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        if (label->wordWrap()) {
            // The height the label needs at its width, its frame and padding included.
            const int needed = label->heightForWidth(label->width());
            report(label, label->text(),
                   {label->width(), needed > 0 ? needed : label->sizeHint().height()});
        } else {
            report(label, label->text(), label->minimumSizeHint());
        }
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisibleTo(window) && !button->text().isEmpty())
            report(button, button->text(), button->minimumSizeHint());
    return clipped;
}

// The check sees a caption that its control cuts off.
TEST(LayoutCheck, SeesACutCaption) {
    QWidget window;
    auto* label = new QLabel("Dateivernichtungsprogramm", &window);
    label->setObjectName("butdestroy");
    label->setFixedWidth(40);
    const std::vector<std::string> clipped = Clipped(&window);
    ASSERT_EQ(clipped.size(), 1u);
    EXPECT_TRUE(clipped[0].starts_with("butdestroy: Dateivernichtungsprogramm (needs "))
        << clipped[0];
}

class Layout : public testing::TestWithParam<const char*> {
protected:
    Layout() {
        test.folder.CopyFromData(std::string("Lang/") + GetParam() + ".zdl");
        // The settings are read again when the console loads.
        test.folder.Write("Zindrel.ini", std::string(GetParam()) + "\r\n 1 \r\n 1 \r\n");
        test.game->settings.Language = GetParam();
    }
    // Shows the form and checks its window while it is open.
    template <typename Window, typename Form>
    void Check(Form& form) {
        SCOPED_TRACE(form.Name());
        bool shown = false;
        test.platform.WhenShown(form.Name(), [&](ModalForm&) {
            shown = true;
            auto window = CreateFormWindow<Window>(form);
            EXPECT_EQ(Clipped(window.get()), std::vector<std::string>{});
        });
        form.ShowModal(test.platform);
        EXPECT_TRUE(shown);
    }
    TestGame test;
};

TEST_P(Layout, TheConsoleShowsEveryCaptionWhole) {
    ConsoleWindow window;
    Game game(test.platform, test.folder.Path(), window);
    game.settings.Language = GetParam();
    window.Bind(game.console);
    test.AnswerIntro("neo");
    game.console.Form_Load();
    test.platform.Pause(2000);
    for (const char* button : MainConsole::kButtons) game.console.SetVisible(button, true);
    // The status line at its longest: many missions and busts, logged in, the trace nearly done.
    game.state.MissionsCompleted = 999;
    game.state.BustedCount = 999;
    game.ShowScore();
    game.ShowBusted();
    game.SetConnected(true);
    game.ShowTrace("192.168.100.100");
    EXPECT_EQ(Clipped(&window), std::vector<std::string>{});
}

TEST_P(Layout, TheDialogsAndToolWindowsShowEveryCaptionWhole) {
    Game& game = *test.game;
    Check<IntroWindow>(game.intro);
    Check<SettingsWindow>(game.settingsForm);
    Check<PingWindow>(game.pingForm);
    Check<TelnetWindow>(game.telnetForm);
    Check<PortScanWindow>(game.portScanForm);
    Check<PasswordHackWindow>(game.passwordHackForm);
    Check<VirusUploadWindow>(game.virusUploadForm);
    Check<FileTransferWindow>(game.downloadForm);
    Check<FileTransferWindow>(game.wiperForm);
    // The longest text the language has, as a message.
    std::string longest;
    for (const char* key : {"str1", "str2", "str3", "str42", "str61"}) {
        const std::string text = test.Lang(key);
        if (text.size() > longest.size()) longest = text;
    }
    game.state.MessageText = longest;
    Check<MessageWindow>(game.messageForm);
}

INSTANTIATE_TEST_SUITE_P(Lang, Layout, testing::Values("English", "Deutsch", "Nederlands"),
                         [](const auto& language) { return std::string(language.param); });

}  // namespace
