// The translator's check on any language file: the problems stay within the file, one line of
// output each, and a file it finds no error in never makes the game ask to revert to English.
#include <algorithm>

#include "app/lang_keys.h"
#include "checker/language_checker.h"
#include "fuzz_support.h"
#include "harness/test_game.h"

namespace {

void CheckLanguageCheck(std::string_view input) {
    TestGame test(true, TestGame::Where::kInMemory);
    test.folder.Write("Lang/Fuzz.zdl", input);
    const LanguageReport report = CheckLanguage(test.folder.Path() / "Lang/Fuzz.zdl", "Fuzz.zdl", test.memory);
    const int lines = 1 + static_cast<int>(std::count(input.begin(), input.end(), '\r'));
    int errors = 0;
    for (const Problem& problem : report.problems) {
        FUZZ_CHECK(problem.line >= 0 && problem.line <= lines);
        FUZZ_CHECK(problem.Text().find_first_of("\r\n") == std::string::npos);
        errors += problem.error ? 1 : 0;
    }
    FUZZ_CHECK(report.Errors() == errors);
    FUZZ_CHECK(report.keys >= 0 && report.keys <= static_cast<int>(kLanguageKeys.size()));

    if (report.Errors() > 0) return;
    test.game->settings.Language = "Fuzz";
    test.platform.yesNoAnswers = {true};
    for (const char* key : kLanguageKeys) test.Lang(key);
    FUZZ_CHECK(test.platform.questions.empty());
}

}  // namespace

ZINDREL_FUZZ_TARGET("language_check", CheckLanguageCheck)
