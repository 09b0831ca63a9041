// A whole mission start on any bytes: counting, the self-name check and the placeholders. The
// game either plays the mission with a complete target or ends with the message for the fault.
#include "app/text_helpers.h"
#include "fuzz_support.h"
#include "harness/test_game.h"

namespace {

void CheckMissionLoad(std::string_view input) {
    TestGame test(true, TestGame::Where::kInMemory);
    GameState& state = test.game->state;
    state.HackerHandle = "neo";
    state.MissionPackName = "Pack";
    test.folder.Write("MissionPack/Pack/m1.zdl", input);
    try {
        test.game->CountPackMissions();
        FUZZ_CHECK(state.MissionCount == 1);
        test.game->StartMission(test.folder.Path() / "MissionPack/Pack/m1.zdl");
    } catch (const ProgramEnded&) {
        FUZZ_CHECK(test.messages.size() == 1);
        FUZZ_CHECK(test.messages[0] == test.Lang("str1") || test.messages[0] == test.Lang("str2"));
        return;
    }
    // Only a file that names itself plays.
    FUZZ_CHECK(input == "m1.zdl" || input.starts_with("m1.zdl\r"));
    FUZZ_CHECK(test.messages.empty());
    FUZZ_CHECK(IsAddress(state.AttackIp));
    FUZZ_CHECK(state.AttackPort >= 2000 && state.AttackPort <= 3999);
    FUZZ_CHECK(!state.MissionPassword.empty());
    FUZZ_CHECK(!test.game->remote.Folders.empty() && test.game->remote.Folders[0] == ".");
    FUZZ_CHECK(test.game->remote.CurrentFolder == ".");
    FUZZ_CHECK(!state.Connected && !state.TelnetSessionOpen && !state.TargetPinged);
}

}  // namespace

ZINDREL_FUZZ_TARGET("mission_load", CheckMissionLoad)
