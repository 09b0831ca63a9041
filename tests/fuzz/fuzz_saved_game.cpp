// A saved game of any bytes: LOAD either takes all of it or changes nothing, and what it took
// saves and loads back the same.
#include "fuzz_support.h"
#include "harness/test_game.h"

namespace {

std::string State(Game& game) {
    const GameState& state = game.state;
    std::string text = std::to_string(state.MissionsCompleted) + "|" +
                       std::to_string(state.BustedCount) + "|" + std::to_string(state.PlaySeconds) +
                       "|" + std::to_string(state.SaveCount) + "|" + game.local.CurrentFolder + "|";
    for (const char* button : SavedGames::kButtons)
        text += game.console.IsVisible(button) ? "1" : "0";
    return text;
}

void CheckSavedGame(std::string_view input) {
    TestGame test;
    Game& game = *test.game;
    game.state.HackerHandle = "neo";
    game.state.MissionPackName = "Pack";
    test.folder.Write("Save/neo-Pack.zdl", input);
    test.folder.Write("FileSystem/neo-Packfs.zdl", "--a\r\n+DOWNLOADS\r\n");
    const std::string before = State(game);
    if (!game.savedGames.Load()) {
        FUZZ_CHECK(State(game) == before);
        FUZZ_CHECK(!game.console.MissionTimer().Enabled());
        return;
    }
    FUZZ_CHECK(game.console.MissionTimer().Enabled());
    FUZZ_CHECK(game.console.Prompt == "root[" + game.local.CurrentFolder + "]# ");
    // A folder name with a CR cannot come from a line; what loaded saves and loads the same.
    const std::string loaded = State(game);
    FUZZ_CHECK(game.savedGames.Save());
    FUZZ_CHECK(game.savedGames.Load());
    FUZZ_CHECK(State(game) == loaded);
}

}  // namespace

ZINDREL_FUZZ_TARGET("saved_game", CheckSavedGame)
