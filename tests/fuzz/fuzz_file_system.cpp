// The player's file system on any bytes: it loads or ends the game with its message, and what
// loaded saves, reads back and saves again to the same text.
#include "fuzz_support.h"
#include "harness/test_game.h"

namespace {

void CheckFileSystem(std::string_view input) {
    TestGame test(true, TestGame::Where::kInMemory);
    test.game->state.HackerHandle = "neo";
    test.game->state.MissionPackName = "Pack";
    test.folder.Write("FileSystem/fuzzfs.zdl", input);
    try {
        test.game->LoadFileSystem("fuzz");
    } catch (const ProgramEnded&) {
        FUZZ_CHECK(test.messages == std::vector<std::string>{test.Lang("str34")});
        return;
    }
    const FileSystemRecord& local = test.game->local;
    FUZZ_CHECK(!local.Folders.empty() && local.Folders[0] == ".");
    const std::string first = WriteFolderStructure(local);
    FUZZ_CHECK(test.game->savedGames.Save());
    FUZZ_CHECK(test.folder.Read("FileSystem/neo-Packfs.zdl") == first);

    const std::vector<std::string> folders = local.Folders;
    try {
        test.game->LoadFileSystem("neo-Pack");
    } catch (const ProgramEnded&) {
        FUZZ_CHECK(!"a saved file system must load again");
    }
    FUZZ_CHECK(local.Folders == folders);
    FUZZ_CHECK(WriteFolderStructure(local) == first);
}

}  // namespace

ZINDREL_FUZZ_TARGET("file_system", CheckFileSystem)
