// Running a tool's program file installs the tool by showing its button; INSTALL.EXE runs only on
// the target after the virus upload.
#include <gtest/gtest.h>

#include "harness/test_game.h"

namespace {

class ToolPrograms : public testing::Test {
protected:
    void SetUp() override {
        test.folder.Write("FileSystem/defaultfs.zdl",
                          "--readme.txt\r\n+HackingToolz\r\n--PortScannerW32.exe\r\n"
                          "--PasswordHackerW32.exe\r\n--passwordhackerw32.EXE\r\n+Games\r\n"
                          "--VirusUploaderW32.exe\r\n");
        test.StartConsole();
    }
    std::string Installed(const std::string& program) {
        return "\r\n" + test.Lang("str75") + " " + program + " " + test.Lang("str76") + "\r\n" +
               test.Lang("str77") + "\r\n";
    }
    bool Shown(const char* button) { return test.Console().IsVisible(button); }
    TestGame test;
};

TEST_F(ToolPrograms, AProgramInTheCurrentFolderInstallsItsToolOnce) {
    test.Run("cd HackingToolz");
    const std::int64_t before = test.platform.Now();
    // The word in any case finds the file in any case; the messages pause 1.1 s.
    EXPECT_EQ(
        test.Run("portscannerw32 now"),
        "portscannerw32 now\r\n" + Installed("PORTSCANNERW32.EXE") + "\r\nroot[HackingToolz]# ");
    EXPECT_EQ(test.platform.Now() - before, 1100 + 200);
    EXPECT_TRUE(Shown("butportscan"));
    EXPECT_FALSE(Shown("butpasswordhack"));

    // A file present twice installs twice, with the messages twice.
    EXPECT_EQ(test.Run("PasswordHackerW32.exe"),
              "PasswordHackerW32.exe\r\n" + Installed("PASSWORDHACKERW32.EXE") +
                  Installed("PASSWORDHACKERW32.EXE") + "\r\nroot[HackingToolz]# ");
    EXPECT_TRUE(Shown("butpasswordhack"));
}

TEST_F(ToolPrograms, AProgramElsewhereIsNotFoundAndUnknownProgramsAreUnknown) {
    const std::pair<const char*, const char*> runs[] = {
        {"virusuploaderw32", "str78"},     // it lies in Games, not here
        {"DestroyFileW32.exe", "str78"},   // nowhere at all
        {"notepad.exe", "str104"},         // no tool of ours
        {"portscannerw32.com", "str104"},  // only the two spellings of the table count
    };
    for (const auto& [command, key] : runs)
        EXPECT_NE(test.Run(command).find("\r\n\r\n" + test.Lang(key) + "\r\n"), std::string::npos)
            << command;
    for (const char* tool : {"butvirus", "butdestroy", "butportscan"}) EXPECT_FALSE(Shown(tool));
}

TEST_F(ToolPrograms, ConnectedTheProgramIsLookedForOnTheTargetAndInstallsOnTheConsole) {
    GameState& state = test.game->state;
    test.game->remote.Folders = {".", "Warez"};
    test.game->remote.Files = {"1&DestroyFileW32.exe"};
    test.game->remote.CurrentFolder = "Warez";
    state.Connected = true;
    EXPECT_NE(test.Run("destroyfilew32").find(Installed("DESTROYFILEW32.EXE")), std::string::npos);
    EXPECT_TRUE(Shown("butdestroy"));
}

TEST_F(ToolPrograms, TheVirusInstallerRunsOnlyOnTheTargetAfterTheUpload) {
    GameState& state = test.game->state;
    EXPECT_NE(test.Run("install.exe").find(test.Lang("str68")), std::string::npos);
    state.Connected = true;
    EXPECT_NE(test.Run("INSTALL.EXE /silent").find(test.Lang("str78")), std::string::npos);
    state.VirusUploaded = true;
    const std::int64_t before = test.platform.Now();
    EXPECT_EQ(test.Run("Install.exe /silent"), "Install.exe /silent\r\n\r\n" + test.Lang("str79") +
                                                   "\r\n" + test.Lang("str80") +
                                                   "\r\n\r\nroot[.]# ");
    EXPECT_EQ(test.platform.Now() - before, 700 + 200);
}

}  // namespace
