// A saved game and its file system of any bytes (the input holds the saved game, the file system
// in place and the side file of a save stopped halfway, split at NUL bytes): LOAD either takes
// all of one save or changes nothing, and what it took saves and loads back the same.
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
    return text + "|" + WriteFolderStructure(game.local);
}

void CheckSavedGame(std::string_view input) {
    std::string_view parts[3];
    for (std::string_view& part : parts) {
        const std::size_t end = std::min(input.find('\0'), input.size());
        part = input.substr(0, end);
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    TestGame test(true, TestGame::Where::kInMemory);
    Game& game = *test.game;
    game.state.HackerHandle = "neo";
    game.state.MissionPackName = "Pack";
    game.state.MissionCount = 5;
    test.folder.Write("Save/neo-Pack.zdl", parts[0]);
    test.folder.Write("FileSystem/neo-Packfs.zdl", parts[1]);
    if (!parts[2].empty()) test.folder.Write("FileSystem/.neo-Packfs.zdl.next", parts[2]);
    const std::string before = State(game);
    if (!game.savedGames.Load()) {
        FUZZ_CHECK(State(game) == before);
        FUZZ_CHECK(!game.console.MissionTimer().Enabled());
        return;
    }
    const GameState& state = game.state;
    FUZZ_CHECK(state.BustedCount >= 0 && state.BustedCount <= 2);
    FUZZ_CHECK(state.MissionsCompleted >= 0 && state.MissionsCompleted < state.MissionCount);
    FUZZ_CHECK(state.PlaySeconds >= 0 && state.SaveCount >= 0);
    FUZZ_CHECK(FindFolder(game.local, game.local.CurrentFolder) >= 0);
    FUZZ_CHECK(game.console.MissionTimer().Enabled());
    FUZZ_CHECK(game.console.Prompt == "root[" + game.local.CurrentFolder + "]# ");
    const std::string loaded = State(game);
    FUZZ_CHECK(game.savedGames.Save());
    FUZZ_CHECK(game.savedGames.Load());
    FUZZ_CHECK(State(game) == loaded);
}

}  // namespace

ZINDREL_FUZZ_TARGET("saved_game", CheckSavedGame)
