// The intro, settings and mail windows carry their controls' names, show what their forms hold
// and hand typing and clicks to them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>

#include "app/intro_window.h"
#include "app/settings_window.h"
#include "harness/test_game.h"
#include "tools/mail_window.h"

namespace {

TEST(DialogWindowsTest, EveryControlCarriesItsName) {
    TestGame test;
    Game& game = *test.game;
    struct Case {
        std::unique_ptr<QDialog> window;
        const char* name;
        const char* title;
        std::vector<const char*> controls;
    };
    Case cases[] = {
        {CreateFormWindow<IntroWindow>(game.intro),
         "frmIntro",
         "Zindrel",
         {"txtHandle", "Label1", "cmbMissionPack", "Label2", "Picture1"}},
        {CreateFormWindow<SettingsWindow>(game.settingsForm),
         "frmSettings",
         "Zindrel Settings",
         {"cmbLanguage",      "chkSound", "chkTypesound", "lblLanguage", "lblSound",
          "lblTypesound",     "lblSave",  "lblUpdate",    "mainlabel",   "topright_",
          "Label1",           "topleft",  "topright",     "midleft",     "black",
          "butpasswordhack_", "Line1",    "Line2",        "Line3",       "Line4",
          "ZDLicon"}},
        {CreateFormWindow<MailWindow>(game.mailForm),
         "frmMail",
         "Mail Reader v1.0",
         {"mainlabel", "topright_", "txtMail"}},
    };
    for (const Case& window : cases) {
        EXPECT_EQ(window.window->objectName(), window.name);
        EXPECT_EQ(window.window->windowTitle(), window.title) << window.name;
        for (const char* control : window.controls)
            EXPECT_NE(window.window->findChild<QWidget*>(control), nullptr)
                << window.name << " " << control;
    }
}

class IntroWindowTest : public testing::Test {
protected:
    IntroWindowTest() {
        for (const char* pack : {"Rookie", "Alpha"})
            std::filesystem::create_directories(test.folder.Path() / "MissionPack" / pack);
    }

    TestGame test;
};

TEST_F(IntroWindowTest, EnterFromAnyControlChecksTheEntryAndClosesOnlyWhenAccepted) {
    test.platform.WhenShown("frmIntro", [this](ModalForm& form) {
        auto window = CreateFormWindow<IntroWindow>(form);
        window->show();
        auto* handle = window->findChild<QLineEdit*>("txtHandle");
        auto* packs = window->findChild<QComboBox*>("cmbMissionPack");
        EXPECT_EQ(window->focusWidget(), handle);
        ASSERT_EQ(packs->count(), 2);
        EXPECT_EQ(packs->itemText(0), "Alpha");
        EXPECT_EQ(packs->currentIndex(), -1);

        // Nothing entered, Enter in the pack list: both complaints, and the window stays.
        QTest::keyClick(packs, Qt::Key_Return);
        EXPECT_TRUE(form.IsOpen());
        EXPECT_EQ(test.game->state.MessageText, test.Lang("str152"));
        EXPECT_EQ(test.platform.shownForms.size(), 3u);

        QTest::keyClick(packs, Qt::Key_Down);
        QTest::keyClick(packs, Qt::Key_Down);
        EXPECT_EQ(test.game->intro.MissionPackText(), "Rookie");
        // The handle reaches the core in the game's code page.
        QTest::keyClicks(handle, "Zo");
        QTest::sendKeyEvent(QTest::Click, handle, Qt::Key_unknown, QString(QChar(0xEB)),
                            Qt::NoModifier);
        QTest::keyClick(handle, Qt::Key_Return);
        EXPECT_FALSE(form.IsOpen());
    });
    test.game->ShowIntro();

    EXPECT_TRUE(test.game->intro.Accepted());
    EXPECT_EQ(test.game->state.HackerHandle, "Zo\xEB");
    EXPECT_EQ(test.game->state.MissionPackName, "Rookie");
    EXPECT_EQ(test.platform.shownForms,
              (std::vector<std::string>{"frmIntro", "frmMessage", "frmMessage"}));
}

TEST_F(IntroWindowTest, ClosingTheWindowLeavesTheIntroWithoutAnEntry) {
    test.platform.WhenShown("frmIntro", [](ModalForm& form) {
        auto window = CreateFormWindow<IntroWindow>(form);
        window->show();
        QTest::keyClicks(window->findChild<QLineEdit*>("txtHandle"), "neo");
        window->close();
        EXPECT_FALSE(form.IsOpen());
    });
    EXPECT_THROW(test.game->ShowIntro(), ProgramEnded);
    EXPECT_FALSE(test.game->intro.Accepted());
}

class SettingsWindowTest : public testing::Test {
protected:
    SettingsWindowTest() {
        test.folder.Write("Lang/Deutsch.zdl", test.folder.Read("Lang/English.zdl"));
        test.game->settings.TypeSoundOn = 0;
    }

    // Opens the settings from the console's button, with the window driven by the script.
    void OpenSettings(std::function<void(QDialog&, ModalForm&)> script) {
        test.platform.WhenShown("frmSettings", [script](ModalForm& form) {
            auto window = CreateFormWindow<SettingsWindow>(form);
            window->show();
            script(*window, form);
        });
        test.game->ButtonClicked("butsettings");
    }

    TestGame test;
};

TEST_F(SettingsWindowTest, ShowsTheSettingsAndSavesWhatThePlayerChanged) {
    OpenSettings([this](QDialog& window, ModalForm& form) {
        for (const char* label :
             {"lblLanguage", "lblSound", "lblTypesound", "lblSave", "lblUpdate"})
            EXPECT_EQ(window.findChild<QLabel*>(label)->text().toStdString(),
                      test.game->settingsForm.Caption(label))
                << label;
        EXPECT_EQ(window.findChild<QLabel*>("mainlabel")->text(), "=[ Settings ]=");
        auto* languages = window.findChild<QComboBox*>("cmbLanguage");
        ASSERT_EQ(languages->count(), 2);
        EXPECT_EQ(languages->currentText(), "English");
        auto* sound = window.findChild<QCheckBox*>("chkSound");
        EXPECT_TRUE(sound->isChecked());
        EXPECT_FALSE(window.findChild<QCheckBox*>("chkTypesound")->isChecked());

        QTest::mouseClick(sound, Qt::LeftButton);
        EXPECT_EQ(test.game->settings.SoundOn, 0);
        QTest::keyClick(languages, Qt::Key_Up);
        EXPECT_EQ(test.game->settings.Language, "Deutsch");
        EXPECT_EQ(test.platform.okMessages.size(), 1u);
        EXPECT_FALSE(std::filesystem::exists(test.folder.Path() / "Zindrel.ini"));

        QTest::mouseClick(window.findChild<QLabel*>("lblSave"), Qt::LeftButton);
        EXPECT_FALSE(form.IsOpen());
    });
    EXPECT_EQ(test.folder.Read("Zindrel.ini"), "Deutsch\r\n 0 \r\n 0 \r\n");
}

TEST_F(SettingsWindowTest, UpdateLinkOpensThePageAndTheCloseLabelDoesNotSave) {
    OpenSettings([this](QDialog& window, ModalForm& form) {
        QTest::mouseClick(window.findChild<QLabel*>("lblUpdate"), Qt::LeftButton);
        ASSERT_EQ(test.platform.openedAddresses.size(), 1u);
        EXPECT_TRUE(test.platform.openedAddresses[0].ends_with("?checkupdate=20&version=1.21"));
        EXPECT_TRUE(form.IsOpen());

        QTest::mouseClick(window.findChild<QCheckBox*>("chkTypesound"), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QLabel*>("topright_"), Qt::LeftButton);
        EXPECT_FALSE(form.IsOpen());
    });
    EXPECT_EQ(test.game->settings.TypeSoundOn, 1);
    EXPECT_FALSE(std::filesystem::exists(test.folder.Path() / "Zindrel.ini"));
}

TEST(MailWindowTest, ShowsTheWholeMailInAFixedPitchBoxWideEnoughForIt) {
    TestGame test;
    GameState& state = test.game->state;
    state.MailSubject = "Job";
    state.MailFrom = "boss@corp";
    state.MailBody =
        "Line one\r\nPrice: \x80"
        "5";
    test.platform.WhenShown("frmMail", [](ModalForm& form) {
        auto window = CreateFormWindow<MailWindow>(form);
        window->show();
        EXPECT_EQ(window->findChild<QLabel*>("mainlabel")->text(), "=[ Lookout Mail ]=");
        auto* mail = window->findChild<QPlainTextEdit*>("txtMail");
        EXPECT_EQ(mail->toPlainText(), QString::fromUtf8("Subject: Job\nFrom: boss@corp\n") +
                                           QString(58, QChar('-')) +
                                           QString::fromUtf8("\n\nLine one\nPrice: \u20AC5"));
        EXPECT_TRUE(mail->isReadOnly());
        EXPECT_EQ(mail->font().family(), "Courier");
        EXPECT_TRUE(mail->font().fixedPitch());
        const QFontMetrics metrics(mail->font());
        EXPECT_GT(mail->viewport()->width(), metrics.horizontalAdvance(QString(58, QChar('-'))));

        QTest::mouseClick(window->findChild<QLabel*>("topright_"), Qt::LeftButton);
        EXPECT_FALSE(form.IsOpen());
    });
    test.game->ButtonClicked("butemail");
    EXPECT_EQ(test.platform.shownForms, std::vector<std::string>{"frmMail"});
}

}  // namespace
