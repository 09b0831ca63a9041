// DIR, CD, DEL and MKDIR on the player's machine and on a target, as the player types them.
#include <gtest/gtest.h>

#include "app/text_helpers.h"
#include "harness/test_game.h"

namespace {

class FileCommands : public testing::Test {
protected:
    void SetUp() override {
        test.folder.Write("FileSystem/defaultfs.zdl",
                          "+Windows\r\n--win.com\r\n+Pictures\r\n+TelnetLogs\r\n"
                          "--192.168.010.001\r\n--10.0.0.1\r\n");
        test.StartConsole();
        // The root files come after the folders in the file list, as a player would add them.
        test.game->local.Files.push_back("0&autoexec.bat");
        test.game->local.Files.push_back("0&command.com");
    }
    std::string Lang(const char* key) { return test.Lang(key); }
    std::string Prompt(const std::string& folder = ".") { return "\r\n\r\nroot[" + folder + "]# "; }
    std::string Error(const std::string& text, const std::string& folder = ".") {
        return "\r\n\r\n" + text + "\r\n" + Prompt(folder).substr(2);
    }
    FileSystemRecord& Local() { return test.game->local; }

    TestGame test;
};

TEST_F(FileCommands, DirListsFoldersThenFilesThenTheCounts) {
    EXPECT_EQ(test.Run("dir "),  // a trailing blank is still DIR
              "dir \r\n\r\nWindows <DIR>\r\nPictures <DIR>\r\nTelnetLogs <DIR>\r\n"
              "autoexec.bat\r\ncommand.com\r\n \r\n2 " +
                  Lang("str81") + "\r\n3 " + Lang("str82") + Prompt());
}

TEST_F(FileCommands, DirInsideAFolderShowsTheWayBackAndHidesADeletedLog) {
    test.Run("cd TelnetLogs");
    test.game->state.LogDeleted = true;
    EXPECT_EQ(test.Run("ls"), "ls\r\n\r\n.. <DIR>\r\n10.0.0.1\r\n \r\n1 " + Lang("str81") +
                                  "\r\n0 " + Lang("str82") + Prompt("TelnetLogs"));
}

TEST_F(FileCommands, CdMovesBetweenTheRootAndItsFolders) {
    struct Step {
        const char* typed;
        std::string prompt;       // the folder shown afterwards
        const char* error;        // nullptr: "folder changed"
        std::string errorSuffix;  // what follows the error text
    };
    const Step steps[] = {
        {"cd pictures", "pictures", nullptr, ""},         // the prompt keeps the player's spelling
        {"cd Windows", "pictures", "str84", " Windows"},  // no folder inside a folder
        {"CD..", ".", nullptr, ""},
        {"cd ..", ".", nullptr, ""},  // at the root already: stays, still says so
        {"cd Windows", "Windows", nullptr, ""},
        {"CD\\", ".", nullptr, ""},
        {"cd Windows", "Windows", nullptr, ""},
        {"cd \\", ".", nullptr, ""},
        {"cd  Windows", ".", "str83", ""},  // two blanks make an empty extra word
        {"cd", ".", "str83", ""},
        {"cd Nowhere", ".", "str84", " Nowhere"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.typed);
        const std::string added = test.Run(step.typed);
        if (step.error == nullptr)
            EXPECT_EQ(added, step.typed + ("\r\n\r\n" + Lang("str85") + Prompt(step.prompt)));
        else
            EXPECT_EQ(added, step.typed + Error(Lang(step.error) + step.errorSuffix, step.prompt));
        EXPECT_EQ(Local().CurrentFolder, step.prompt);
    }
}

TEST_F(FileCommands, DelRemovesEveryCopyOfTheNameInTheCurrentFolderOnly) {
    Local().Files = {"0&notes.txt", "1&NOTES.TXT", "0&Notes.Txt", "0&other"};
    const std::int64_t before = test.platform.Now();
    EXPECT_EQ(test.Run("del notes.txt"), "del notes.txt\r\n\r\n" + Lang("str90") +
                                             " notes.txt\r\n\r\n" + Lang("str91") + Prompt());
    EXPECT_EQ(test.platform.Now() - before, 700 + 200);
    EXPECT_EQ(Local().Files, (std::vector<std::string>{"", "1&NOTES.TXT", "", "0&other"}));

    EXPECT_EQ(test.Run("rm notes.txt"),
              "rm notes.txt\r\n\r\n" + Lang("str92") + " notes.txt " + Lang("str93") + Prompt());
    EXPECT_EQ(test.Run("del a b"), "del a b" + Error(Lang("str89")));
}

TEST_F(FileCommands, TheConnectionLogIsDeletedOnceAndThenHidden) {
    test.Run("cd TelnetLogs");
    EXPECT_NE(test.Run("del 192.168.010.001").find(Lang("str91")), std::string::npos);
    EXPECT_TRUE(test.game->state.LogDeleted);
    EXPECT_NE(std::find(Local().Files.begin(), Local().Files.end(), "3&192.168.010.001"),
              Local().Files.end());  // the entry stays; the listing hides it
    EXPECT_NE(test.Run("del 192.168.010.001").find(Lang("str93")), std::string::npos);
    EXPECT_EQ(test.Run("dir").find("192.168.010.001"), std::string::npos);
}

TEST_F(FileCommands, MkdirCreatesRootFoldersOnly) {
    test.Run("cd Windows");
    EXPECT_EQ(test.Run("md Loot"),
              "md Loot\r\n\r\n" + Lang("str95") + " Loot " + Lang("str97") + Prompt("Windows"));
    EXPECT_EQ(Local().Folders.back(), "Loot");
    EXPECT_EQ(test.Run("mkdir ."),
              "mkdir ." + Error(Lang("str95") + " . " + Lang("str96"), "Windows"));
    EXPECT_EQ(test.Run("MKDIR loot"),
              "MKDIR loot" + Error(Lang("str95") + " loot " + Lang("str96"), "Windows"));
    EXPECT_EQ(test.Run("md"), "md" + Error(Lang("str94"), "Windows"));
    test.Run("cd ..");
    EXPECT_NE(test.Run("dir").find("Loot <DIR>"), std::string::npos);
}

TEST_F(FileCommands, CommandsWorkOnTheTargetWhileConnected) {
    test.game->remote.Folders = {".", "Secret"};
    test.game->remote.Files = {"1&plans.doc"};
    test.game->state.Connected = true;
    test.Run("cd Secret");
    test.Run("del plans.doc");
    EXPECT_EQ(test.game->remote.Files, std::vector<std::string>{""});
    EXPECT_EQ(test.game->remote.CurrentFolder, "Secret");
    EXPECT_EQ(Local().CurrentFolder, ".");
}

// A hang-up during a command's pause must not let the command touch the other machine.
TEST_F(FileCommands, AHangUpDuringDelLeavesThePlayersOwnFilesAlone) {
    test.game->remote.Folders = {".", "Secret"};
    test.game->remote.Files = {"1&plans.doc", "1&plans.doc"};
    test.game->remote.CurrentFolder = "Secret";
    test.game->state.Connected = true;
    Local().Files = {"0&keep.me"};
    const std::vector<std::string> localBefore = Local().Files;
    auto hangUp = test.platform.CreateTimer("HangUp", 300, [&] {
        test.game->state.Connected = false;
        test.Console().ConsolePrint("disconnect", 0, true);
        test.game->interpreter.RunCommandLine();
    });
    hangUp->SetEnabled(true);

    test.Run("del plans.doc");
    hangUp->SetEnabled(false);

    EXPECT_EQ(test.game->remote.Files, (std::vector<std::string>{"", ""}));
    EXPECT_EQ(Local().Files, localBefore);
    EXPECT_EQ(Local().CurrentFolder, ".");
}

TEST(DirExample, TheTranscriptAfterDirReadsElevenLines) {
    TestGame test;
    test.folder.Write("FileSystem/defaultfs.zdl",
                      "--autoexec.bat\r\n--command.com\r\n+Windows\r\n+Pictures\r\n");
    test.folder.Write("Zindrel.ini", "English\r\n 1 \r\n 0 \r\n");
    test.StartConsole();
    test.Console().ClearTranscript();
    test.Console().ShowPrompt();
    test.TypeCommand("dir");

    EXPECT_EQ(
        SplitString(test.Transcript(), "\r\n"),
        (std::vector<std::string>{"", "root[.]# dir", "", "Windows <DIR>", "Pictures <DIR>",
                                  "autoexec.bat", "command.com", " ", "2 " + test.Lang("str81"),
                                  "2 " + test.Lang("str82"), "", "root[.]# "}));
}

}  // namespace
