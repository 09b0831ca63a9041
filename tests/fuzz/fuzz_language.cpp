// A language file of any bytes: a lookup yields a text of one line, or the recovery question
// comes once and English takes over.
#include "fuzz_support.h"
#include "harness/test_game.h"

namespace {

void CheckLanguage(std::string_view input) {
    TestGame test(true, TestGame::Where::kInMemory);
    test.folder.Write("Lang/Fuzz.zdl", input);
    test.game->settings.Language = "Fuzz";
    test.platform.yesNoAnswers = {true};
    for (const char* key : {"str1", "STR33", "str152", "str7"}) {
        const std::string text = test.Lang(key);
        FUZZ_CHECK(text.find('\r') == std::string::npos);
        FUZZ_CHECK(text.find("=>") == std::string::npos);
    }
    if (test.platform.questions.empty()) {
        FUZZ_CHECK(test.game->settings.Language == "Fuzz");
    } else {
        FUZZ_CHECK(test.platform.questions.size() == 1);
        FUZZ_CHECK(test.game->settings.Language == "English");
        FUZZ_CHECK(test.Lang("str33") == "disconnect");
    }
}

}  // namespace

ZINDREL_FUZZ_TARGET("language", CheckLanguage)
