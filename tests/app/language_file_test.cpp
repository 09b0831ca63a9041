// The shipped English language file holds exactly the keys the game uses, and the code looks up
// no key the file lacks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "app/file_routines.h"
#include "harness/test_game.h"

namespace {

namespace fs = std::filesystem;

// The keys the game uses: str1 to str152 but for the numbers it never looks up.
std::set<std::string> GameKeys() {
    const std::set<int> unused = {7, 43, 62, 65, 111, 139, 150};
    std::set<std::string> keys;
    for (int number = 1; number <= 152; ++number)
        if (!unused.contains(number)) keys.insert("str" + std::to_string(number));
    return keys;
}

std::set<std::string> KeysLookedUpByTheCode() {
    const std::regex literal("\"(str[0-9]+)\"");
    std::set<std::string> keys;
    for (const char* subsystem : {"app", "console", "mission", "tools"}) {
        for (const auto& entry :
             fs::recursive_directory_iterator(fs::path(ZINDREL_SOURCE_ROOT) / subsystem)) {
            const auto extension = entry.path().extension();
            if (extension != ".cpp" && extension != ".h") continue;
            std::ifstream in(entry.path());
            const std::string code((std::istreambuf_iterator<char>(in)), {});
            for (std::sregex_iterator it(code.begin(), code.end(), literal), end; it != end; ++it)
                keys.insert((*it)[1]);
        }
    }
    return keys;
}

TEST(EnglishLanguageFile, HoldsEveryKeyTheGameUsesOnceAndNothingElse) {
    LineReader reader = LineReader::Open(SourceDataFolder() / "Lang/English.zdl");
    std::set<std::string> keys;
    do {
        const std::string line = ReadLine(reader);
        const auto arrow = line.find("=>");
        ASSERT_NE(arrow, std::string::npos) << line;
        EXPECT_EQ(line.find("=>", arrow + 2), std::string::npos) << "a text holds =>: " << line;
        EXPECT_TRUE(keys.insert(line.substr(0, arrow)).second) << "twice: " << line;
    } while (!reader.AtEnd());

    EXPECT_EQ(keys, GameKeys());
}

TEST(EnglishLanguageFile, EveryKeyTheCodeLooksUpIsAKeyOfTheGame) {
    const std::set<std::string> used = KeysLookedUpByTheCode();
    const std::set<std::string> known = GameKeys();
    ASSERT_FALSE(used.empty());
    for (const std::string& key : used) EXPECT_TRUE(known.contains(key)) << key;
}

TEST(EnglishLanguageFile, TheHangUpCommandIsDisconnect) {
    TestGame test;
    EXPECT_EQ(test.Lang("str33"), "disconnect");
}

}  // namespace
