// Broken files never crash a reader: random bytes built from the format's own pieces either read
// or are refused the way the game refuses an unreadable file.
#include <gtest/gtest.h>

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

}  // namespace
