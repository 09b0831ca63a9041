// SAVE and LOAD: the saved game's fifteen lines, the player's file system beside it, and a LOAD
// that changes nothing unless everything it needs reads.
#include <gtest/gtest.h>

#include "app/file_routines.h"
#include "app/text_helpers.h"
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
    // The fifth line names the file system saved with it, behind its number.
    const std::string files = "--autoexec.bat\r\n+DOWNLOADS\r\n";
    EXPECT_EQ(test.folder.Read("FileSystem/neo-Packfs.zdl"), files);
    EXPECT_EQ(test.folder.Read("Save/neo-Pack.zdl"),
              " 3 \r\n 1 \r\nDOWNLOADS\r\n 754 \r\n 2 " + SavedGames::StampOf(files) +
                  "\r\nTrue\r\nTrue\r\nTrue\r\nTrue\r\nTrue\r\nFalse\r\nFalse\r\nFalse\r\nTrue\r\nT"
                  "rue\r\n");
    EXPECT_EQ(LeadingNumber(" 2 " + SavedGames::StampOf(files)), 2.0);
    EXPECT_FALSE(std::filesystem::exists(test.folder.Path() / "FileSystem/.neo-Packfs.zdl.next"));
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

TEST_F(SavedGame, AnotherHandleOrPackFindsNothing) {
    test.Run("save");
    state.HackerHandle = "trinity";
    EXPECT_NE(test.Run("load").find(test.Lang("str103")), std::string::npos);
    state.HackerHandle = "neo";
    state.MissionPackName = "Other";
    EXPECT_NE(test.Run("load").find(test.Lang("str103")), std::string::npos);
}

// Hand-edited saved games: LOAD takes only what a game can reach, and changes nothing else.
TEST_F(SavedGame, LoadRefusesWhatNoGameCanReach) {
    test.Run("mkdir Music");
    test.Run("save");
    // The machine has a folder whose name holds a blank, though no player could type it.
    const std::string files = test.folder.Read("FileSystem/neo-Packfs.zdl") + "+My Music\r\n";
    test.folder.Write("FileSystem/neo-Packfs.zdl", files);
    // The saved game's lines, to be edited one at a time.
    auto saved = [&files](const std::string& missions, const std::string& busted,
                          const std::string& folder, const std::string& seconds,
                          const std::string& saves) {
        std::string text = missions + "\r\n" + busted + "\r\n" + folder + "\r\n" + seconds +
                           "\r\n" + saves + SavedGames::StampOf(files) + "\r\n";
        for (int line = 6; line <= 15; ++line) text += "True\r\n";
        return text;
    };
    struct Case {
        const char* name;
        std::string saved;
        bool loads;
    };
    const Case cases[] = {
        {"as saved", saved(" 0 ", " 2 ", "Music", " 40 ", " 3 "), true},
        {"numbers without their blanks", saved("0", "1", "music", "40", "3"), true},
        {"three busts", saved(" 0 ", " 3 ", ".", " 40 ", " 3 "), false},
        {"negative busts", saved(" 0 ", "-1 ", ".", " 40 ", " 3 "), false},
        {"negative missions", saved("-1 ", " 0 ", ".", " 40 ", " 3 "), false},
        {"no mission left to play", saved(" 1 ", " 0 ", ".", " 40 ", " 3 "), false},
        {"negative play time", saved(" 0 ", " 0 ", ".", "-40 ", " 3 "), false},
        {"negative saves", saved(" 0 ", " 0 ", ".", " 40 ", "-3 "), false},
        {"a folder the machine lacks", saved(" 0 ", " 0 ", "Pictures", " 40 ", " 3 "), false},
        {"a folder with a blank", saved(" 0 ", " 0 ", "My Music", " 40 ", " 3 "), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test.folder.Write("Save/neo-Pack.zdl", c.saved);
        state.BustedCount = 1;
        const std::string before = Snapshot();
        const std::string answer = test.Run("load");
        EXPECT_NE(answer.find(test.Lang(c.loads ? "str102" : "str103")), std::string::npos);
        if (c.loads)
            test.platform.Pause(5000);  // the next mission starts: LOAD may work again
        else
            EXPECT_EQ(Snapshot(), before);
    }
}

// The saved game names the file system saved with it: LOAD takes the pair or nothing, and a
// saved game from before names none and takes the file system it finds.
TEST_F(SavedGame, LoadTakesTheFileSystemOfTheSameSaveOnly) {
    state.BustedCount = 1;
    test.Run("save");
    const std::string first = test.folder.Read("Save/neo-Pack.zdl");
    const std::string firstFiles = test.folder.Read("FileSystem/neo-Packfs.zdl");
    test.game->local.Files.push_back("1&plans.doc");
    state.BustedCount = 2;
    test.Run("save");
    const std::string second = test.folder.Read("Save/neo-Pack.zdl");
    const std::string secondFiles = test.folder.Read("FileSystem/neo-Packfs.zdl");
    const std::string pending = "FileSystem/.neo-Packfs.zdl.next";
    std::string unstamped = first;
    unstamped.replace(unstamped.find("fs:"), SavedGames::StampOf("").size(), "");

    struct Case {
        const char* name;
        std::string saved, files, side;  // side: the file system of a save stopped halfway
        int busts;                       // what LOAD restores; -1: it refuses
    };
    const Case cases[] = {
        {"the pair", second, secondFiles, "", 2},
        {"the saved game of one, the file system of the other", first, secondFiles, "", -1},
        {"stopped before its file system took its place", second, firstFiles, secondFiles, 2},
        {"stopped before its saved game was written", first, firstFiles, secondFiles, 1},
        {"neither file system is the saved game's", first, secondFiles, secondFiles, -1},
        {"a saved game from before names none", unstamped, secondFiles, "", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test.folder.Write("Save/neo-Pack.zdl", c.saved);
        test.folder.Write("FileSystem/neo-Packfs.zdl", c.files);
        std::filesystem::remove(test.folder.Path() / pending);
        if (!c.side.empty()) test.folder.Write(pending, c.side);
        state.BustedCount = 0;
        test.game->local.Files = {"0&elsewhere"};
        const std::string before = Snapshot();
        test.Run("load");
        if (c.busts < 0) {
            EXPECT_EQ(Snapshot(), before);
            continue;
        }
        EXPECT_EQ(state.BustedCount, c.busts);
        const bool secondSave = c.side.empty() ? c.files == secondFiles : c.saved == second;
        EXPECT_EQ(WriteFolderStructure(test.game->local), secondSave ? secondFiles : firstFiles);
        test.platform.Pause(5000);
    }

    // The next SAVE finishes the stopped one first: its file system takes its place.
    test.folder.Write("Save/neo-Pack.zdl", second);
    test.folder.Write("FileSystem/neo-Packfs.zdl", firstFiles);
    test.folder.Write(pending, secondFiles);
    {
        FullDisk full;  // the new save itself fails
        EXPECT_FALSE(test.game->savedGames.Save());
    }
    EXPECT_EQ(test.folder.Read("FileSystem/neo-Packfs.zdl"), secondFiles);
    EXPECT_FALSE(std::filesystem::exists(test.folder.Path() / pending));
}

// A read-only saved game is the player's way of keeping it: SAVE fails and neither of its two
// files changes, nor does a read-only file system let the saved game move on without it.
TEST_F(SavedGame, AKeptFileKeepsThePairAsItWas) {
    test.Run("save");
    const std::string saved = test.folder.Read("Save/neo-Pack.zdl");
    const std::string files = test.folder.Read("FileSystem/neo-Packfs.zdl");
    test.game->local.Files.push_back("1&plans.doc");
    state.BustedCount = 2;
    for (const char* kept : {"Save/neo-Pack.zdl", "FileSystem/neo-Packfs.zdl"}) {
        SCOPED_TRACE(kept);
        const std::filesystem::path file = test.folder.Path() / kept;
        std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                               std::filesystem::perms::group_read |
                                               std::filesystem::perms::others_read);
        EXPECT_NE(test.Run("save").find(test.Lang("str101")), std::string::npos);
        EXPECT_EQ(test.folder.Read("Save/neo-Pack.zdl"), saved);
        EXPECT_EQ(test.folder.Read("FileSystem/neo-Packfs.zdl"), files);
        EXPECT_FALSE(
            std::filesystem::exists(test.folder.Path() / "FileSystem/.neo-Packfs.zdl.next"));
        std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
    }
}

// Every handle the intro takes saves, and a game started again with it loads what was saved;
// the files stay in their folders whatever the handle holds.
TEST(SavedGameNames, EveryHandleSavesAndLoadsBack) {
    const std::pair<std::string, const char*> handles[] = {
        {"a/b", "a%2Fb-Pack"},
        {"a:b", "a%3Ab-Pack"},
        {"a%b", "a%25b-Pack"},
        {"CON", "CON-Pack"},
        {"\xE9", "\xE9-Pack"},
        {"          ", "          -Pack"},
        {std::string("a\0b", 3), "a%00b-Pack"},
    };
    for (const auto& [handle, stem] : handles) {
        SCOPED_TRACE(stem);
        TestGame test;
        test.folder.Write("MissionPack/Pack/m1.zdl", "m1.zdl\r\n");
        test.folder.Write("MissionPack/Pack/m2.zdl", "m2.zdl\r\n");
        test.StartConsole(handle, "Pack");
        test.platform.Pause(5000);
        GameState& state = test.game->state;
        state.MissionsCompleted = 1;
        state.BustedCount = 2;
        state.PlaySeconds = 321;
        test.Console().SetVisible("butdestroy", true);
        test.game->local.Files.push_back("1&plans.doc");
        EXPECT_NE(test.Run("save").find(test.Lang("str100")), std::string::npos);
        EXPECT_EQ(ListFiles(test.folder.Path() / "Save", ".zdl"),
                  std::vector<std::string>{std::string(stem) + ".zdl"});
        EXPECT_TRUE(std::filesystem::exists(test.folder.Path() / "FileSystem" /
                                            (std::string(stem) + "fs.zdl")));

        // The game quits; another starts in the same folder with the same handle.
        test.game = std::make_unique<Game>(test.platform, test.folder.Path(), test.view);
        test.StartConsole(handle, "Pack");
        test.platform.Pause(5000);
        EXPECT_NE(test.Run("load").find(test.Lang("str102")), std::string::npos);
        EXPECT_EQ(test.game->state.MissionsCompleted, 1);
        EXPECT_EQ(test.game->state.BustedCount, 2);
        EXPECT_EQ(test.game->state.PlaySeconds, 321);
        EXPECT_TRUE(test.Console().IsVisible("butdestroy"));
        EXPECT_EQ(test.game->local.Files.back(), "1&plans.doc");
    }
}

// However long the pack's name, the saved game's files, and the temporary files they are
// written through, keep within the systems' limit for a name.
TEST(SavedGameNames, ALongPackNameStillSaves) {
    for (std::size_t length : {200u, 240u, 255u}) {
        SCOPED_TRACE(length);
        const std::string pack(length, 'p');
        TestGame test;
        test.folder.Write(std::filesystem::path("MissionPack") / pack / "m1.zdl", "m1.zdl\r\n");
        test.StartConsole("neo", pack);
        test.platform.Pause(5000);
        test.game->state.BustedCount = 1;
        EXPECT_NE(test.Run("save").find(test.Lang("str100")), std::string::npos);
        for (const char* folder : {"Save", "FileSystem"})
            for (const auto& entry :
                 std::filesystem::directory_iterator(test.folder.Path() / folder))
                EXPECT_LE(entry.path().filename().string().size(), kMaxFileNameBytes);
        test.game->state.BustedCount = 0;
        EXPECT_NE(test.Run("load").find(test.Lang("str102")), std::string::npos);
        EXPECT_EQ(test.game->state.BustedCount, 1);
    }
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
