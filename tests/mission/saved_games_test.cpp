// SAVE and LOAD: the saved game's fifteen lines, the player's file system beside it, and a LOAD
// that changes nothing unless everything it needs reads.
#include <gtest/gtest.h>

#include "app/file_routines.h"
#include "harness/disk_faults.h"
#include "harness/test_game.h"

namespace {

class SavedGame : public testing::Test {
protected:
    void SetUp() override {
        test.folder.Write("Zindrel.ini", "English\r\n 1 \r\n 0 \r\n");
        test.folder.Write("MissionPack/Pack/m1.zdl", "m1.zdl\r\n*EMAIL\r\njob\r\nvesk\r\n*END\r\n");
        test.StartConsole("neo", "Pack");
        test.platform.Pause(5000);  // a mission is running: SAVE and LOAD may work
    }
    // What LOAD may change, taken as a whole.
    std::string Snapshot() {
        std::string snapshot =
            std::to_string(state.MissionsCompleted) + "|" + std::to_string(state.BustedCount) +
            "|" + std::to_string(state.PlaySeconds) + "|" + std::to_string(state.SaveCount) + "|" +
            state.MailSubject + "|" + test.game->local.CurrentFolder + "|" + test.Console().Prompt +
            "|" + test.Console().Caption("butemail") + "|" +
            (test.Console().MissionTimer().Enabled() ? "timer" : "-") + "|";
        for (const char* button : SavedGames::kButtons)
            snapshot += test.Console().IsVisible(button) ? "1" : "0";
        for (const std::string& folder : test.game->local.Folders) snapshot += "+" + folder;
        for (const std::string& file : test.game->local.Files) snapshot += "--" + file;
        return snapshot;
    }

    TestGame test;
    GameState& state = test.game->state;
};

TEST_F(SavedGame, TheFileHoldsFifteenLinesInPrintFormAndTheFileSystemGoesBeside) {
    state.MissionsCompleted = 3;
    state.BustedCount = 1;
    state.PlaySeconds = 754;
    state.SaveCount = 2;
    test.Console().SetVisible("butportscan", true);
    test.Run("cd DOWNLOADS");

    EXPECT_EQ(test.Run("save"), "save\r\n\r\n" + test.Lang("str100") + "\r\n\r\nroot[DOWNLOADS]# ");
    EXPECT_EQ(test.folder.Read("Save/neo-Pack.zdl"),
              " 3 \r\n 1 \r\nDOWNLOADS\r\n 754 \r\n 2 \r\nTrue\r\nTrue\r\nTrue\r\nTrue\r\nTrue\r\n"
              "False\r\nFalse\r\nFalse\r\nTrue\r\nTrue\r\n");
    EXPECT_EQ(test.folder.Read("FileSystem/neo-Packfs.zdl"), "--autoexec.bat\r\n+DOWNLOADS\r\n");
    EXPECT_EQ(state.SaveCount, 3);
}

TEST_F(SavedGame, LoadBringsBackTheGameAndTheNextMissionFiveSecondsLater) {
    test.Console().SetVisible("butvirus", true);
    test.game->local.Files.push_back("1&plans.doc");  // a stolen file in DOWNLOADS
    state.MissionsCompleted = 0;
    state.BustedCount = 2;
    test.Run("save");
    test.Run("save");  // the second save writes the first one's count

    // Play on: another mission, another file system, the tool gone.
    state.MissionsCompleted = 0;
    state.BustedCount = 0;
    state.SaveCount = 9;
    test.game->local.Files = {"0&other"};
    test.Console().SetVisible("butvirus", false);

    EXPECT_NE(test.Run("load").find(test.Lang("str102")), std::string::npos);
    EXPECT_EQ(state.BustedCount, 2);
    EXPECT_EQ(state.SaveCount, 1);
    EXPECT_TRUE(test.Console().IsVisible("butvirus"));
    EXPECT_EQ(test.game->local.Files, (std::vector<std::string>{"0&autoexec.bat", "1&plans.doc"}));
    EXPECT_TRUE(state.MailSubject.empty());
    EXPECT_EQ(test.Console().Caption("butemail"), test.Lang("str36"));
    EXPECT_EQ(test.Console().Caption("lblBusted"), test.Lang("str40") + " 2");
    EXPECT_TRUE(test.Console().MissionTimer().Enabled());
    test.platform.Pause(5000);
    EXPECT_EQ(state.MailSubject, "job");  // mission 1 again, afresh
}

TEST_F(SavedGame, ABrokenOrMissingSavedGameLeavesTheGameAsItWas) {
    test.Run("save");
    const std::string good = test.folder.Read("Save/neo-Pack.zdl");
    const std::string fileSystem = test.folder.Read("FileSystem/neo-Packfs.zdl");
    struct Case {
        const char* name;
        std::string saved;       // empty: no saved game
        const char* fileSystem;  // nullptr: no file system beside it
    };
    const Case cases[] = {
        {"Truncated", good.substr(0, good.size() / 2), "keep"},
        {"BadVisibilityLine", good.substr(0, good.rfind("True\r\n")) + "Maybe\r\n", "keep"},
        {"NumberTooLarge", " 99999 " + good.substr(good.find("\r\n")), "keep"},
        {"NoFileSystem", good, nullptr},
        {"BrokenFileSystem", good, "--a\r"},
        {"NoSavedGame", "", "keep"},
    };
    state.MissionsCompleted = 5;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(test.folder.Path() / "Save/neo-Pack.zdl");
        if (!c.saved.empty()) test.folder.Write("Save/neo-Pack.zdl", c.saved);
        std::filesystem::remove(test.folder.Path() / "FileSystem/neo-Packfs.zdl");
        if (c.fileSystem != nullptr)
            test.folder.Write("FileSystem/neo-Packfs.zdl",
                              std::string(c.fileSystem) == "keep" ? fileSystem : c.fileSystem);
        const std::string before = Snapshot();
        EXPECT_NE(test.Run("load").find(test.Lang("str103")), std::string::npos);
        EXPECT_EQ(Snapshot(), before);
    }
}

TEST_F(SavedGame, AnotherHandleOrPackFindsNothingAndNamesNeverLeaveTheirFolders) {
    test.Run("save");
    state.HackerHandle = "trinity";
    EXPECT_NE(test.Run("load").find(test.Lang("str103")), std::string::npos);
    state.HackerHandle = "neo";
    state.MissionPackName = "Other";
    EXPECT_NE(test.Run("load").find(test.Lang("str103")), std::string::npos);

    for (const char* handle : {"../../x", "a/b", "c:x"}) {
        state.HackerHandle = handle;
        state.MissionPackName = "Pack";
        EXPECT_NE(test.Run("save").find(test.Lang("str101")), std::string::npos) << handle;
        EXPECT_NE(test.Run("load").find(test.Lang("str103")), std::string::npos) << handle;
    }
    EXPECT_EQ(ListFiles(test.folder.Path() / "Save", ".zdl"),
              std::vector<std::string>{"neo-Pack.zdl"});
    EXPECT_FALSE(std::filesystem::exists(test.folder.Path() / "x.zdl"));
    EXPECT_FALSE(std::filesystem::exists(test.folder.Path().parent_path() / "x.zdl"));
}

TEST_F(SavedGame, ASaveCutShortLeavesTheOldSavedGameReadable) {
    state.BustedCount = 1;
    test.Run("save");
    const std::string old = test.folder.Read("Save/neo-Pack.zdl");
    state.BustedCount = 2;
    for (rlim_t room : {rlim_t{0}, rlim_t{20}}) {
        FullDisk full(room);  // with room for 20 bytes the new file is half written
        EXPECT_FALSE(test.game->savedGames.Save());
    }
    EXPECT_EQ(test.folder.Read("Save/neo-Pack.zdl"), old);
    state.BustedCount = 0;
    EXPECT_TRUE(test.game->savedGames.Load());
    EXPECT_EQ(state.BustedCount, 1);
}

}  // namespace
