// The settings file, the settings window and the sound switch.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/wave_file.h"
#include "harness/disk_faults.h"
#include "harness/test_game.h"

namespace {

struct IniCase {
    const char* name;
    const char* content;  // nullptr: no settings file
    Settings expected;
};

class SettingsFile : public testing::TestWithParam<IniCase> {};

TEST_P(SettingsFile, ReadsThreeLinesOrFallsBackToTheDefaults) {
    TempAppFolder folder;
    if (GetParam().content != nullptr) folder.Write("Zindrel.ini", GetParam().content);
    const Settings read = LoadSettings(folder.Path());
    EXPECT_EQ(read.Language, GetParam().expected.Language);
    EXPECT_EQ(read.SoundOn, GetParam().expected.SoundOn);
    EXPECT_EQ(read.TypeSoundOn, GetParam().expected.TypeSoundOn);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsFile,
    testing::Values(IniCase{"AsWritten", "Deutsch\r\n 0 \r\n 1 \r\n", {"Deutsch", 0, 1}},
                    IniCase{"Missing", nullptr, {"English", 1, 1}},
                    IniCase{"OnlyTheLanguage", "Deutsch\r\n", {"English", 1, 1}},
                    IniCase{"CommaEndsTheName", "Fr,ench\r\n 1 \r\n 0 \r\n", {"Fr", 1, 0}},
                    IniCase{"QuotedNameNoFinalLineEnd", "\"Dansk\"\r\n0\r\n1", {"Dansk", 0, 1}},
                    IniCase{"NoDigitsGiveZero", "Suomi\r\n on \r\n 1 \r\n", {"Suomi", 0, 1}},
                    IniCase{"OtherNumbersStay", "Suomi\r\n 2 \r\n 1 \r\n", {"Suomi", 2, 1}},
                    IniCase{"Over16Bits", "Suomi\r\n 99999 \r\n 1 \r\n", {"English", 1, 1}}),
    [](const auto& testCase) { return testCase.param.name; });

TEST(SettingsSave, WritesThreeLinesInPrintFormAndNeverHalfAFile) {
    TempAppFolder folder;
    SaveSettings(folder.Path(), Settings{"Deutsch", 0, 1});
    EXPECT_EQ(folder.Read("Zindrel.ini"), "Deutsch\r\n 0 \r\n 1 \r\n");

    // A full disk stops the save, reports it and keeps the old file whole.
    {
        FullDisk full;
        EXPECT_FALSE(SaveSettings(folder.Path(), Settings{"English", 1, 1}));
    }
    EXPECT_EQ(folder.Read("Zindrel.ini"), "Deutsch\r\n 0 \r\n 1 \r\n");
}

class SettingsWindow : public testing::Test {
protected:
    void SetUp() override {
        test.folder.Write("Lang/Deutsch.zdl", "str12=>Sprache\r\n");
        test.folder.Write("Lang/Pirate.old.zdl", "str12=>Tongue\r\n");
        test.folder.Write("Lang/notes.txt", "");
    }
    // Opens the window and runs the player's actions in it.
    void Open(std::function<void(SettingsForm&)> actions) {
        test.platform.WhenShown("frmSettings", [actions](ModalForm& form) {
            actions(dynamic_cast<SettingsForm&>(form));
        });
        test.game->settingsForm.ShowModal(test.platform);
    }
    TestGame test;
};

TEST_F(SettingsWindow, ListsLanguagesAndShowsTheCurrentSettings) {
    test.game->settings = {"Deutsch", 1, 0};
    Open([](SettingsForm& form) {
        EXPECT_EQ(form.Languages(), (std::vector<std::string>{"Deutsch", "English", "Pirate"}));
        EXPECT_EQ(form.SelectedLanguage(), 0);
        EXPECT_TRUE(form.chkSound);
        EXPECT_FALSE(form.chkTypesound);
        EXPECT_EQ(form.Caption("lblLanguage"), "Sprache");
        EXPECT_EQ(form.Caption("lblUpdate"), "Check for updates");
    });
}

TEST_F(SettingsWindow, ChangesTakeEffectAtOnceAndOnlySaveWrites) {
    Open([&](SettingsForm& form) {
        form.cmbLanguage_Click(1);  // English again: no message
        EXPECT_TRUE(test.platform.okMessages.empty());
        form.cmbLanguage_Click(0);
        form.chkSound_Click(false);
        form.topright_Click();
    });
    EXPECT_EQ(test.platform.okMessages,
              std::vector<std::string>{"Zindrel: Language changed. Now please restart Zindrel"});
    EXPECT_EQ(test.game->settings.Language, "Deutsch");
    EXPECT_EQ(test.game->settings.SoundOn, 0);
    EXPECT_FALSE(std::filesystem::exists(test.folder.Path() / "Zindrel.ini"));

    Open([](SettingsForm& form) {
        form.chkTypesound_Click(false);
        form.lblSave_Click();
        EXPECT_FALSE(form.IsOpen());
    });
    EXPECT_EQ(test.folder.Read("Zindrel.ini"), "Deutsch\r\n 0 \r\n 0 \r\n");
}

TEST_F(SettingsWindow, AFailedSaveSaysSoAndKeepsTheWindowAndTheOldFile) {
    test.folder.Write("Zindrel.ini", "English\r\n 1 \r\n 1 \r\n");
    Open([&](SettingsForm& form) {
        form.chkSound_Click(false);
        {
            FullDisk full;
            form.lblSave_Click();
        }
        EXPECT_TRUE(form.IsOpen());
        EXPECT_EQ(test.platform.okMessages,
                  std::vector<std::string>{std::string("Zindrel: ") + SettingsForm::kSaveFailed});
    });
    EXPECT_EQ(test.folder.Read("Zindrel.ini"), "English\r\n 1 \r\n 1 \r\n");
    EXPECT_EQ(test.game->settings.SoundOn, 0);  // in effect for this run all the same
}

TEST_F(SettingsWindow, UpdateLinkOpensTheUpdatePageWithTheVersion) {
    Open([](SettingsForm& form) { form.lblUpdate_Click(); });
    ASSERT_EQ(test.platform.openedAddresses.size(), 1u);
    EXPECT_TRUE(test.platform.openedAddresses[0].ends_with("?checkupdate=20&version=1.21"));
}

// A wave header: 8-bit mono at the given byte rate, declaring the given data size.
std::string WaveHeader(std::uint32_t byteRate, std::uint32_t declaredData) {
    auto le32 = [](std::uint32_t value) {
        std::string bytes(4, '\0');
        for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        return bytes;
    };
    return "RIFF" + le32(36 + declaredData) + "WAVE" + "fmt " + le32(16) +
           std::string("\x01\x00\x01\x00", 4) + le32(byteRate) + le32(byteRate) +
           std::string("\x01\x00\x08\x00", 4) + "data" + le32(declaredData);
}

TEST(WaveLength, TheWaitIsWhatTheFileHoldsAndNeverHours) {
    struct Case {
        const char* name;
        std::string header;
        std::uint64_t fileSize;
        int expected;
    };
    const Case cases[] = {
        {"AsDeclared", WaveHeader(1000, 300), 44 + 300, 300},
        {"StreamedSizeUnknown", WaveHeader(1000, 0xFFFFFFFF), 44 + 500, 500},
        {"CutShort", WaveHeader(8000, 80000), 44 + 4000, 500},
        {"DeclaredSmallerThanTheFile", WaveHeader(1000, 300), 44 + 900, 300},
        {"HugeFileIsCapped", WaveHeader(1, 0xFFFFFFFF), 44ull + 0xFFFFFFFFull,
         kMaxSoundMilliseconds},
        {"NoByteRate", WaveHeader(0, 300), 44 + 300, 0},
        {"NoWaveAtAll", "RIFF", 4, 0},
        {"HeaderCutBeforeTheData", WaveHeader(1000, 300).substr(0, 30), 30, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WaveDurationFromHeader(c.header, c.fileSize), c.expected) << c.name;
}

TEST(SoundPlaying, WaitsForTheEndOnlyWhenAskedAndOnlyWhenSomethingPlays) {
    TestGame test;
    test.folder.CopyFromData("Sound/knock.wav");
    const int knock = WaveDurationMilliseconds(test.folder.Path() / "Sound/knock.wav");
    ASSERT_GT(knock, 0);

    test.game->PlaySoundFile("knock.wav", 2);
    EXPECT_EQ(test.platform.Now(), knock);
    test.game->PlaySoundFile("knock.wav", 1);
    test.game->PlaySoundFile("missing.wav", 2);  // nothing to play, nothing to wait for
    EXPECT_EQ(test.platform.Now(), knock);
    EXPECT_EQ(test.platform.sounds.size(), 2u);

    test.platform.audioDevice = false;
    test.game->PlaySoundFile("knock.wav", 2);
    EXPECT_EQ(test.platform.Now(), knock);

    test.game->settings.SoundOn = 0;
    test.game->PlaySoundFile("knock.wav", 1);
    EXPECT_EQ(test.platform.sounds.size(), 3u);

    // A sound file whose name differs only in case is found all the same, and blocks.
    test.platform.audioDevice = true;
    test.game->settings.SoundOn = 1;
    std::filesystem::rename(test.folder.Path() / "Sound/knock.wav",
                            test.folder.Path() / "Sound/KNOCK.WAV");
    test.game->PlaySoundFile("knock.wav", 2);
    EXPECT_EQ(test.platform.Now(), 2 * knock);
    EXPECT_EQ(test.platform.soundWaits.size(), 2u);
}

}  // namespace
