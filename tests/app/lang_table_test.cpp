// Looking texts up: the key rules of a language line, the English fallback and the recovery
// question when a language file cannot be read.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "harness/test_game.h"

namespace {

constexpr const char* kEnglish =
    "str1=>one\r\nstr5=>english five\r\nstr12=>english twelve\r\nstr20=>english twenty\r\n";

struct LookupCase {
    const char* name;
    const char* selectedFile;  // Lang/Test.zdl
    const char* key;
    const char* expected;
};

class LookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(LookupTest, YieldsTheTextOfTheFirstMatchingLine) {
    TestGame test(false);
    test.folder.Write("Lang/English.zdl", kEnglish);
    test.folder.Write("Lang/Test.zdl", GetParam().selectedFile);
    test.game->settings.Language = "Test";

    EXPECT_EQ(test.Lang(GetParam().key), GetParam().expected);
    EXPECT_EQ(test.game->settings.Language, "Test");
    EXPECT_TRUE(test.platform.questions.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LookupTest,
    testing::Values(
        LookupCase{"KeyInCapitalsMatches", "STR12=>twelve\r\n", "str12", "twelve"},
        LookupCase{"ShorterKeyIsNoPrefixMatch", "str12=>twelve\r\nstr1=>uno", "str1", "uno"},
        LookupCase{"BlankBeforeArrowBelongsToTheKey", "str5 =>five", "str5", "english five"},
        LookupCase{"BlankAfterArrowBelongsToTheText", "str5=> five", "str5", " five"},
        LookupCase{"SecondArrowCutsTheText", "str5=>a=>b", "str5", "a"},
        LookupCase{"SelectedLanguageWins", "str20=>zwanzig\r\n", "str20", "zwanzig"},
        LookupCase{"MissingKeyComesFromEnglish", "str20=>zwanzig\r\n", "str12", "english twelve"},
        LookupCase{"FirstOfTwoLinesWins", "str5=>first\r\nstr5=>second\r\n", "str5", "first"},
        LookupCase{"EmptyLineAfterTheKeyIsNeverReached", "str5=>five\r\n\r\n", "str5", "five"},
        LookupCase{"KeyInNeitherFileYieldsTheKey", "str20=>zwanzig", "str99", "str99"}),
    [](const auto& testCase) { return testCase.param.name; });

// The player answers Yes: English from now on, saved at once, then the advice message.
TEST(LangRecovery, UnreadableLanguageRevertsToEnglishAfterYes) {
    const std::pair<const char*, const char*> broken[] = {
        {"Missing", nullptr},
        {"EmptyFile", ""},
        {"EmptyLineBeforeTheKey", "str1=>eins\r\n\r\nstr12=>zwoelf\r\n"},
        {"MatchingLineWithoutArrow", "str12\r\n"},
        {"FinalCr", "str1=>eins\r"},
    };
    for (const auto& [name, content] : broken) {
        SCOPED_TRACE(name);
        TestGame test(false);
        test.folder.Write("Lang/English.zdl", kEnglish);
        if (content != nullptr) test.folder.Write("Lang/Klingon.zdl", content);
        test.game->settings.Language = "Klingon";
        test.platform.yesNoAnswers = {true};
        std::string shownMessage;
        test.platform.WhenShown("frmMessage", [&](ModalForm& form) {
            shownMessage = dynamic_cast<MessageForm&>(form).MessageLabel();
        });

        EXPECT_EQ(test.Lang("str12"), "english twelve");

        EXPECT_EQ(test.platform.questions,
                  std::vector<std::string>{"Zindrel: Error loading Klingon language file! Want to "
                                           "try reverting to english?"});
        EXPECT_EQ(test.game->settings.Language, "English");
        EXPECT_EQ(test.folder.Read("Zindrel.ini"), "English\r\n 1 \r\n 1 \r\n");
        EXPECT_EQ(shownMessage,
                  "The best thing to do is to save your game, and restart Zindrel. You can "
                  "however continue playing, but there might be some language mix-ups");
        EXPECT_FALSE(test.game->state.MessageWindowOpen);
    }
}

TEST(LangRecovery, NoEndsTheProgramWithoutSaving) {
    TestGame test(false);
    test.folder.Write("Lang/English.zdl", kEnglish);
    test.game->settings.Language = "Klingon";
    test.platform.yesNoAnswers = {false};

    EXPECT_THROW(test.Lang("str1"), ProgramEnded);
    EXPECT_FALSE(std::filesystem::exists(test.folder.Path() / "Zindrel.ini"));
    EXPECT_TRUE(test.platform.shownForms.empty());
}

TEST(LangRecovery, UnreadableEnglishAfterYesEndsWithAMessageInsteadOfAskingAgain) {
    TestGame test(false);
    test.platform.yesNoAnswers = {true, true};

    EXPECT_THROW(test.Lang("str1"), ProgramEnded);
    EXPECT_EQ(test.platform.questions.size(), 1u);
    ASSERT_EQ(test.platform.okMessages.size(), 1u);
    EXPECT_NE(test.platform.okMessages[0].find("English"), std::string::npos);
}

TEST(LangLookup, ALanguageListedWithAnUpperCaseExtensionIsTheOneRead) {
    TestGame test(false);
    test.folder.Write("Lang/English.zdl", kEnglish);
    test.folder.Write("Lang/Deutsch.ZDL", "str12=>Sprache\r\n");
    test.game->settings.Language = "Deutsch";
    EXPECT_EQ(test.Lang("str12"), "Sprache");
    EXPECT_TRUE(test.platform.questions.empty());
}

TEST(LangRecovery, ALanguageNameCannotReachOutsideTheLangFolder) {
    TestGame test(false);
    test.folder.Write("Lang/English.zdl", kEnglish);
    test.folder.Write("evil.zdl", "str1=>gotcha\r\n");
    test.game->settings.Language = "../evil";
    test.platform.yesNoAnswers = {true};

    EXPECT_EQ(test.Lang("str1"), "one");
    EXPECT_EQ(test.platform.questions.size(), 1u);
}

// A language file edited while the game runs is read afresh at the next lookup, even when the
// edit keeps its size.
TEST(LangLookup, AnEditDuringPlayShowsAtTheNextLookup) {
    TestGame test(false);
    test.folder.Write("Lang/English.zdl", kEnglish);
    test.game->settings.Language = "Test";
    const std::filesystem::path file = test.folder.Path() / "Lang/Test.zdl";
    // The file system's clock is coarse; a person's edit comes at least a second later.
    const auto edit = [&](const char* content) {
        const auto before = std::filesystem::last_write_time(file);
        test.folder.Write("Lang/Test.zdl", content);
        std::filesystem::last_write_time(file, before + std::chrono::seconds(1));
    };
    test.folder.Write("Lang/Test.zdl", "str5=>alpha\r\nstr12=>zwoelf\r\n");
    EXPECT_EQ(test.Lang("str5"), "alpha");

    edit("str5=>omega\r\nstr12=>zwoelf\r\n");
    EXPECT_EQ(test.Lang("str5"), "omega");
    edit("str5=>a longer text\r\n");
    EXPECT_EQ(test.Lang("str5"), "a longer text");
    EXPECT_EQ(test.Lang("str12"), "english twelve");
    EXPECT_TRUE(test.platform.questions.empty());

    // An edit that breaks the file is noticed just as well.
    edit("\r\nstr5=>a longer text\r\n");
    test.platform.yesNoAnswers = {false};
    EXPECT_THROW(test.Lang("str5"), ProgramEnded);
    EXPECT_EQ(test.platform.questions.size(), 1u);
}

TEST(LangLookup, GamesOnTheSameNamesOfOtherFilesEachReadTheirOwn) {
    // Two games in memory whose language files have the same names and other texts, each read
    // twice, so that what one game parsed is there for the next to take.
    for (int round = 0; round < 2; ++round) {
        for (const char* text : {"alpha", "beta"}) {
            TestGame test(false, TestGame::Where::kInMemory);
            test.folder.Write("Lang/English.zdl", kEnglish);
            test.folder.Write("Lang/Test.zdl", std::string("str5=>") + text + "\r\n");
            test.game->settings.Language = "Test";
            EXPECT_EQ(test.Lang("str5"), text);
            EXPECT_EQ(test.Lang("str12"), "english twelve");
        }
    }
}

}  // namespace
