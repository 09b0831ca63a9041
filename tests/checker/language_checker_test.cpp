// The translator's check reads a language file as the game's language table does and names each
// fault by line: keys missing, unknown or twice, lines the game cannot use, bytes it cannot show.
#include "checker/language_checker.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/lang_keys.h"
#include "harness/test_game.h"

namespace {

std::vector<std::string> Lines(const LanguageReport& report) {
    std::vector<std::string> lines;
    for (const Problem& problem : report.problems) lines.push_back(problem.Text());
    return lines;
}

TEST(LanguageCheck, TheShippedLanguagesAreClean) {
    for (const char* language : {"English", "Deutsch", "Nederlands"}) {
        SCOPED_TRACE(language);
        const std::string file = std::string("Lang/") + language + ".zdl";
        const LanguageReport report = CheckLanguage(SourceDataFolder() / file, file);
        EXPECT_EQ(Lines(report), std::vector<std::string>{});
        EXPECT_EQ(report.keys, static_cast<int>(kLanguageKeys.size()));
    }
}

// Each case plants one fault into a copy of the German file, whose first lines are str1, str2
// and str3 in this order.
TEST(LanguageCheck, FindsEachPlantedFaultByLine) {
    TempAppFolder folder;
    folder.CopyFromData("Lang/Deutsch.zdl");
    const std::string good = folder.Read("Lang/Deutsch.zdl");
    ASSERT_TRUE(good.starts_with("str1=>"));
    const std::size_t secondLine = good.find("\r\n") + 2;
    const std::size_t thirdLine = good.find("\r\n", secondLine) + 2;
    const std::string second = good.substr(secondLine, thirdLine - secondLine);
    ASSERT_TRUE(second.starts_with("str2=>"));
    auto withSecondLine = [&](const std::string& line) {
        return good.substr(0, secondLine) + line + good.substr(thirdLine);
    };
    struct Case {
        const char* name;
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"MissingBehindAnEmptyLine", withSecondLine("\r\n"),
         "Lang/Deutsch.zdl: error: str2 is missing: with the empty line at 2 the game asks to "
         "revert to English when it needs this text"},
        {"EmptyLineStopsTheReading", withSecondLine("\r\n" + second),
         "Lang/Deutsch.zdl:2: error: an empty line: the game reads no further, so the lines "
         "below it are never read"},
        {"MissingFallsBackToEnglish", good.substr(0, secondLine) + good.substr(thirdLine),
         "Lang/Deutsch.zdl: warning: str2 is missing: the game shows the English text"},
        {"Unknown", withSecondLine(second + "str999=>Hallo\r\n"),
         "Lang/Deutsch.zdl:3: warning: \"str999\" is no key the game asks for"},
        {"BlankInTheKey", withSecondLine("str2 =>Hallo\r\n"),
         "Lang/Deutsch.zdl:2: warning: \"str2 \" is no key the game asks for (a blank in the "
         "key?)"},
        {"Twice", withSecondLine(second + "STR2=>Nochmal\r\n"),
         "Lang/Deutsch.zdl:3: warning: STR2 again: the game takes the text at line 2"},
        {"NoArrowOnAKey", withSecondLine("str2\r\n"),
         "Lang/Deutsch.zdl:2: error: str2 has no \"=>\": when the game needs this text it asks "
         "to revert to English"},
        {"NoArrow", withSecondLine(second + "Hallo Welt\r\n"),
         "Lang/Deutsch.zdl:3: warning: a line without \"=>\": the game takes nothing from it"},
        {"SecondArrow", withSecondLine("str2=>Eins=>Zwei\r\n"),
         "Lang/Deutsch.zdl:2: warning: a second \"=>\" ends the text: the game shows only "
         "\"Eins\""},
        {"ByteNotShown", withSecondLine("str2=>Gr\x81\xDF" "e\r\n"),
         "Lang/Deutsch.zdl:2: warning: byte 0x81 is no character the game can show"},
        {"LfOnly", withSecondLine("str2=>Hallo\n"),
         "Lang/Deutsch.zdl: warning: mixed line ends: only CR LF ends a line for the game"},
        {"Empty", "", "Lang/Deutsch.zdl: error: the file is empty: the game finds no text in it "
                      "and asks to revert to English"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        folder.Write("Lang/Deutsch.zdl", c.text);
        const std::vector<std::string> lines =
            Lines(CheckLanguage(folder.Path() / "Lang/Deutsch.zdl", "Lang/Deutsch.zdl"));
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.expected), lines.end())
            << testing::PrintToString(lines);
    }
}

// English is every other language's fallback: a key it lacks shows as the key itself.
TEST(LanguageCheck, AKeyEnglishLacksIsAnError) {
    TempAppFolder folder;
    folder.CopyFromData("Lang/English.zdl");
    std::string text = folder.Read("Lang/English.zdl");
    text.erase(0, text.find("\r\n") + 2);
    folder.Write("Lang/English.zdl", text);
    const LanguageReport report = CheckLanguage(folder.Path() / "Lang/English.zdl", "English.zdl");
    EXPECT_EQ(Lines(report), std::vector<std::string>{
                                 "English.zdl: error: str1 is missing: the game shows the key "
                                 "itself in its place"});
    EXPECT_EQ(report.Summary(), "English.zdl: 144 of 145 texts, 1 error, 0 warnings");
}

}  // namespace
