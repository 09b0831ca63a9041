// The shipped English language file holds exactly the keys the game uses, and the code looks up
// no key the file lacks; every other shipped language answers all of them from its own file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <utility>
#include <vector>

#include "app/file_routines.h"
#include "app/lang_keys.h"
#include "harness/test_game.h"

namespace {

namespace fs = std::filesystem;

// The keys the game's list says it uses.
std::set<std::string> GameKeys() {
    return {kLanguageKeys.begin(), kLanguageKeys.end()};
}

std::set<std::string> KeysLookedUpByTheCode() {
    const std::regex literal("\"(str[0-9]+)\"");
    std::set<std::string> keys;
    for (const char* subsystem : {"app", "console", "mission", "tools"}) {
        for (const auto& entry :
             fs::recursive_directory_iterator(fs::path(ZINDREL_SOURCE_ROOT) / subsystem)) {
            const auto extension = entry.path().extension();
            if (extension != ".cpp" && extension != ".h") continue;
            // The list itself names every key; only the code that looks keys up counts.
            if (entry.path().filename() == "lang_keys.h") continue;
            std::ifstream in(entry.path());
            const std::string code((std::istreambuf_iterator<char>(in)), {});
            for (std::sregex_iterator it(code.begin(), code.end(), literal), end; it != end; ++it)
                keys.insert((*it)[1]);
        }
    }
    return keys;
}

// A language file's lines as key and text, in file order, read directly rather than looked up.
std::vector<std::pair<std::string, std::string>> Entries(const std::string& language) {
    LineReader reader = LineReader::Open(SourceDataFolder() / "Lang" / (language + ".zdl"));
    std::vector<std::pair<std::string, std::string>> entries;
    do {
        const std::string line = ReadLine(reader);
        const auto arrow = line.find("=>");
        entries.emplace_back(line.substr(0, arrow),
                             arrow == std::string::npos ? "" : line.substr(arrow + 2));
    } while (!reader.AtEnd());
    return entries;
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

// The list the translator's check works from is the code's own: no key the code looks up is
// missing from it, and none of it is a key the code has stopped asking for.
TEST(EnglishLanguageFile, TheGamesKeyListIsTheKeysTheCodeLooksUp) {
    const std::set<std::string> used = KeysLookedUpByTheCode();
    ASSERT_FALSE(used.empty());
    EXPECT_EQ(used, GameKeys());
    EXPECT_EQ(GameKeys().size(), kLanguageKeys.size()) << "a key is listed twice";
}

TEST(EnglishLanguageFile, TheHangUpCommandIsDisconnect) {
    TestGame test;
    EXPECT_EQ(test.Lang("str33"), "disconnect");
}

// The English file is left out of the application folder, so every text comes from the language's
// own file: a key its lookup cannot reach makes it ask to revert, which no test answers.
class ShippedLanguage : public testing::TestWithParam<const char*> {};

TEST_P(ShippedLanguage, AnswersEveryEnglishKeyFromItsOwnFile) {
    const std::string language = GetParam();
    const auto english = Entries("English");
    const auto own = Entries(language);
    std::vector<std::string> englishKeys, ownKeys;
    for (const auto& entry : english) englishKeys.push_back(entry.first);
    for (const auto& entry : own) ownKeys.push_back(entry.first);
    EXPECT_EQ(ownKeys, englishKeys) << "same keys in the same order as English";
    const std::map<std::string, std::string> ownTexts(own.begin(), own.end());

    TestGame test(false);
    test.folder.CopyFromData("Lang/" + language + ".zdl");
    test.game->settings.Language = language;
    for (const auto& [key, englishText] : english) {
        SCOPED_TRACE(key);
        if (!ownTexts.contains(key)) {
            ADD_FAILURE() << "missing from " << language;
            continue;
        }
        const std::string text = test.Lang(key);
        EXPECT_EQ(text, ownTexts.at(key));
        // The code joins some texts straight to what follows (the login line to the date).
        EXPECT_EQ(text.ends_with(' '), englishText.ends_with(' ')) << '"' << text << '"';
    }
    EXPECT_TRUE(test.platform.questions.empty());
    EXPECT_EQ(test.game->settings.Language, language);
    // The trace hangs up by submitting this text as a console command.
    EXPECT_EQ(test.Lang("str33"), "disconnect");
}

INSTANTIATE_TEST_SUITE_P(Lang, ShippedLanguage, testing::Values("English", "Deutsch", "Nederlands"),
                         [](const auto& testCase) { return std::string(testCase.param); });

}  // namespace
