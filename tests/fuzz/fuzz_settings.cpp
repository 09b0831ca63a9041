// A settings file of any bytes reads (or falls back to the defaults), and what was read saves and
// reads back the same.
#include "app/settings.h"
#include "fuzz_support.h"
#include "harness/test_game.h"

namespace {

void CheckSettings(std::string_view input) {
    MemoryFileStore files;
    const TempAppFolder folder(&files);
    folder.Write("Zindrel.ini", input);
    const Settings first = LoadSettings(folder.Path(), files);
    FUZZ_CHECK(SaveSettings(folder.Path(), first, files));
    const Settings again = LoadSettings(folder.Path(), files);
    FUZZ_CHECK(again.SoundOn == first.SoundOn && again.TypeSoundOn == first.TypeSoundOn);
    // The name is written as it is and read as a delimited field: a name that field syntax
    // would change (a comma, quotes, blanks at its ends) cannot come back whole.
    const std::string& name = first.Language;
    const bool plain = name.find(',') == std::string::npos && !name.starts_with('"') &&
                       !name.starts_with(' ') && !name.starts_with('\t') && !name.ends_with(' ') &&
                       !name.ends_with('\t');
    if (plain) FUZZ_CHECK(again.Language == name);
}

}  // namespace

ZINDREL_FUZZ_TARGET("settings", CheckSettings)
