// Broken files never crash a reader: random bytes built from the format's own pieces either read
// or are refused the way the game refuses an unreadable file.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "harness/test_game.h"
#include "mission/mission_reader.h"

namespace {

// Random files made mostly of the format's headers, markers, placeholders and line ends, so that
// the readers' every branch is reached, with stray bytes in between.
std::string RandomFile(std::mt19937& random) {
    static const char* const kPieces[] = {"*EMAIL",
                                          "*END",
                                          "*end",
                                          "*INFECT_WITH_VIRUS",
                                          "*STEAL_FILE",
                                          "*DESTROY_FILE",
                                          "*FOLDER_STUCTURE",
                                          "*TELNET_LOGIN_SCREEN",
                                          "+",
                                          "--",
                                          ";",
                                          "0",
                                          " 1 ",
                                          "True",
                                          "x",
                                          "{attack_ip}",
                                          "{hacker}",
                                          "{own_ip}",
                                          "{random_password}",
                                          "&",
                                          "\r\n",
                                          "\r",
                                          "\n",
                                          "str1=>",
                                          "=>",
                                          "m1.zdl"};
    std::string file;
    const int pieces = static_cast<int>(random() % 40);
    for (int i = 0; i < pieces; ++i) {
        if (random() % 5 == 0)
            file += static_cast<char>(random() % 256);
        else
            file += kPieces[random() % std::size(kPieces)];
    }
    return file;
}

TEST(BrokenFiles, TheMissionReaderReadsOrRefusesButNeverCrashes) {
    std::mt19937 random(20261210);
    MissionReadHooks hooks;
    hooks.expand = [](const std::string& line) { return line + "{hacker}"; };
    int refused = 0;
    for (int i = 0; i < 3000; ++i) {
        LineReader reader(RandomFile(random));
        try {
            const MissionSections sections = ReadMissionSections(reader, hooks);
            if (sections.Steal) {
                EXPECT_FALSE(sections.Steal->Files.empty());
            }
        } catch (const MissionUnreadable&) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 0);  // the fixtures do reach the refusals
}

TEST(BrokenFiles, LanguageAndFileSystemFilesFailOnlyTheDocumentedWays) {
    std::mt19937 random(42);
    for (int i = 0; i < 300; ++i) {
        TestGame test;
        const std::string english = test.Lang("str1");
        const std::string bytes = RandomFile(random);
        test.folder.Write("Lang/Broken.zdl", bytes);
        test.folder.Write("FileSystem/brokenfs.zdl", bytes);

        // A broken language file leads to the question, and Yes to the English text.
        test.game->settings.Language = "Broken";
        test.platform.yesNoAnswers.assign(1, true);
        const std::string text = test.Lang("str1");
        if (!test.platform.questions.empty()) {
            EXPECT_EQ(test.game->settings.Language, "English");
            EXPECT_EQ(text, english);
        }

        // A broken file system either loads or ends the game with its message.
        try {
            test.game->LoadFileSystem("broken");
            EXPECT_EQ(test.game->local.Folders.at(0), ".");
        } catch (const ProgramEnded&) {
            EXPECT_EQ(test.messages.back(), test.Lang("str34"));
        }
    }
}

// A file broken in a way no real pack is: a folder in its place, or a file past the limits.
struct Breakage {
    const char* name;
    std::function<void(const TempAppFolder&, const std::string& relative)> make;
};

const Breakage kBreakages[] = {
    {"AFolder",
     [](const TempAppFolder& folder, const std::string& relative) {
         std::filesystem::remove(folder.Path() / relative);
         std::filesystem::create_directories(folder.Path() / relative);
     }},
    {"PastTheSizeLimit",
     [](const TempAppFolder& folder, const std::string& relative) {
         folder.Write(relative, std::string(kMaxFileBytes + 1, 'a'));
     }},
    {"ALineTooLong",
     [](const TempAppFolder& folder, const std::string& relative) {
         const std::string name = std::filesystem::path(relative).filename().string();
         folder.Write(relative, name + "\r\n" + std::string(kMaxLineBytes + 1, 'a') + "\r\n");
     }},
    {"TooManyLines",
     [](const TempAppFolder& folder, const std::string& relative) {
         const std::string name = std::filesystem::path(relative).filename().string();
         std::string lines = name + "\r\n";
         for (std::size_t i = 0; i < kMaxLines; ++i) lines += "+\r\n";
         folder.Write(relative, lines);
     }},
};

TEST(BrokenFiles, EveryReaderRefusesAFolderOrAnOversizedFileWithItsOwnMessage) {
    for (const Breakage& breakage : kBreakages) {
        SCOPED_TRACE(breakage.name);
        {  // the language file: the recovery question
            TestGame test(false);
            breakage.make(test.folder, "Lang/English.zdl");
            test.platform.yesNoAnswers = {false};
            EXPECT_THROW(test.Lang("str1"), ProgramEnded);
            EXPECT_EQ(test.platform.questions.size(), 1u);
        }
        {  // the player's file system: its message, then the end
            TestGame test;
            breakage.make(test.folder, "FileSystem/defaultfs.zdl");
            EXPECT_THROW(test.game->LoadFileSystem("default"), ProgramEnded);
            EXPECT_EQ(test.messages, std::vector<std::string>{test.Lang("str34")});
        }
        {  // a mission: the read message, then the end
            TestGame test;
            test.game->state.MissionPackName = "Pack";
            breakage.make(test.folder, "MissionPack/Pack/m1.zdl");
            EXPECT_THROW(test.game->StartMission(test.folder.Path() / "MissionPack/Pack/m1.zdl"),
                         ProgramEnded);
            EXPECT_EQ(test.messages, std::vector<std::string>{test.Lang("str2")});
        }
    }
}

TEST(BrokenFiles, ABrokenSettingsFileGivesTheDefaults) {
    for (const Breakage& breakage : kBreakages) {
        if (std::string(breakage.name) == "TooManyLines") continue;  // only three lines are read
        SCOPED_TRACE(breakage.name);
        TempAppFolder folder;
        breakage.make(folder, "Zindrel.ini");
        const Settings read = LoadSettings(folder.Path());
        EXPECT_EQ(read.Language, "English");
        EXPECT_EQ(read.SoundOn, 1);
    }
    // A NUL where the language name starts names no file: the question, not a crash.
    TestGame test;
    test.folder.Write("Zindrel.ini", std::string(1, '\0') + "English\r\n 1 \r\n 1 \r\n");
    test.game->settings = LoadSettings(test.folder.Path());
    test.platform.yesNoAnswers = {true};
    EXPECT_EQ(test.Lang("str18"), "Connection closed.");
    EXPECT_EQ(test.platform.questions.size(), 1u);
}

}  // namespace
