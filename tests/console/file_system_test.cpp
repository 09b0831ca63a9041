// Loading and saving the player's file system: the line format, the rebuild rule, and failures.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/file_routines.h"
#include "harness/disk_faults.h"
#include "harness/test_game.h"

namespace {

FileSystemRecord LoadFrom(TestGame& test, const std::string& text) {
    test.folder.Write("FileSystem/testfs.zdl", text);
    test.game->LoadFileSystem("test");
    return test.game->local;
}

TEST(LoadFileSystem, ReadsFoldersAndFilesLineByLine) {
    TestGame test;
    const FileSystemRecord fs = LoadFrom(test,
                                         "; my box\r\n"
                                         "--autoexec.bat\r\n"
                                         "+Windows\r\n"
                                         "--Win.com\r\n"
                                         "ignored line\r\n"
                                         "\r\n"
                                         "+\r\n"
                                         "--orphan.txt\r\n"
                                         "+TelnetLogs\r\n"
                                         "--192.168.010.001");
    EXPECT_EQ(fs.Folders, (std::vector<std::string>{".", "Windows", "", "TelnetLogs"}));
    EXPECT_EQ(fs.Files, (std::vector<std::string>{"0&autoexec.bat", "1&Win.com", "2&orphan.txt",
                                                  "3&192.168.010.001"}));
}

TEST(LoadFileSystem, AFileWithoutFileLinesKeepsTheFileListInMemory) {
    TestGame test;
    LoadFrom(test, "--a\r\n--b\r\n--c\r\n");
    EXPECT_EQ(LoadFrom(test, "+Only\r\n+Folders\r\n").Files,
              (std::vector<std::string>{"0&a", "0&b", "0&c"}));
    // With file lines the list is rebuilt to exactly as many entries.
    EXPECT_EQ(LoadFrom(test, "+New\r\n--x\r\n").Files, std::vector<std::string>{"1&x"});
}

TEST(LoadFileSystem, AnEmptyFileGivesTheBareRoot) {
    TestGame test;
    const FileSystemRecord fs = LoadFrom(test, "");
    EXPECT_EQ(fs.Folders, std::vector<std::string>{"."});
    EXPECT_TRUE(fs.Files.empty());
}

TEST(LoadFileSystem, FailuresEndTheGameAfterTheMessage) {
    const std::pair<const char*, std::string> failures[] = {
        {"Missing", ""}, {"FinalCr", "--a\r"}, {"TooManyFolders", [] {
                                                    std::string text;
                                                    for (int i = 0; i < 32767; ++i)
                                                        text += "+f\r\n";
                                                    return text;
                                                }()}};
    for (const auto& [name, text] : failures) {
        SCOPED_TRACE(name);
        TestGame test;
        if (std::string(name) != "Missing") test.folder.Write("FileSystem/brokenfs.zdl", text);
        EXPECT_THROW(test.game->LoadFileSystem("broken"), ProgramEnded);
        EXPECT_EQ(test.messages, std::vector<std::string>{test.Lang("str34")});
    }
}

TEST(LoadFileSystem, ThirtyTwoThousandSevenHundredSixtySixFoldersStillFit) {
    TestGame test;
    std::string text;
    for (int i = 0; i < 32766; ++i) text += "+f\r\n";
    EXPECT_EQ(LoadFrom(test, text).Folders.size(), 32767u);
}

TEST(SaveFileSystem, WritesRootFilesFirstAndSkipsDeletedEntries) {
    TestGame test;
    test.game->state.HackerHandle = "neo";
    test.game->state.MissionPackName = "Rookie";
    FileSystemRecord& fs = test.game->local;
    fs.Folders = {".", "Music", "Empty", "f3", "f4", "f5", "f6", "f7", "f8", "f9", "Tenth"};
    fs.Files = {"1&song.mp3", "0&autoexec.bat", "", "10&deep.txt", "1&a&b.txt", "0&x"};
    fs.Files[5].clear();

    ASSERT_TRUE(test.game->savedGames.Save());
    const std::string written = test.folder.Read("FileSystem/neo-Rookiefs.zdl");
    EXPECT_EQ(written,
              "--autoexec.bat\r\n+Music\r\n--song.mp3\r\n--a\r\n+Empty\r\n+f3\r\n+f4\r\n"
              "+f5\r\n+f6\r\n+f7\r\n+f8\r\n+f9\r\n+Tenth\r\n--deep.txt\r\n");

    // Loading it back keeps every file in its folder.
    test.game->LoadFileSystem("neo-Rookie");
    EXPECT_EQ(test.game->local.Files,
              (std::vector<std::string>{"0&autoexec.bat", "1&song.mp3", "1&a", "10&deep.txt"}));
    EXPECT_EQ(test.game->local.Folders, fs.Folders);
}

TEST(SaveFileSystem, AFailedSaveIsReportedAndKeepsTheOldFile) {
    TestGame test;
    test.game->state.HackerHandle = "neo";
    test.game->state.MissionPackName = "Rookie";
    test.folder.Write("FileSystem/neo-Rookiefs.zdl", "--old\r\n");
    test.game->local.Files = {"0&new.txt"};
    {
        FullDisk full;
        EXPECT_FALSE(test.game->savedGames.Save());
    }
    EXPECT_EQ(test.messages, std::vector<std::string>{test.Lang("str35")});
    EXPECT_EQ(test.folder.Read("FileSystem/neo-Rookiefs.zdl"), "--old\r\n");
}

TEST(SaveFileSystem, AHandleOrPackNeverWritesOutsideItsFolder) {
    const std::pair<std::string, std::string> names[] = {
        {"..", "/etc"}, {std::string("ab\0cd", 5), "Pack"}, {"neo", "a/b"}, {"neo\x01", "Pack"}};
    for (const auto& [handle, pack] : names) {
        TestGame test;
        test.game->state.HackerHandle = handle;
        test.game->state.MissionPackName = pack;
        EXPECT_TRUE(test.game->savedGames.Save());
        // One file each, right in its folder, whatever the name holds: Lang with its file,
        // FileSystem with defaultfs.zdl and the new one, Save with the saved game.
        std::size_t everything = 0;
        for (const auto& entry :
             std::filesystem::recursive_directory_iterator(test.folder.Path())) {
            ++everything;
            const std::string folder = entry.path().parent_path().filename().string();
            if (entry.is_regular_file()) {
                EXPECT_TRUE(folder == "Lang" || folder == "FileSystem" || folder == "Save")
                    << entry.path();
            }
        }
        EXPECT_EQ(everything, 7u);
    }
}

// Saving sorts the files into their folders once: at this size a pass over every file for
// every folder takes minutes, and the test's time limit catches it.
TEST(SaveFileSystem, AHugeFileSystemIsWrittenInOnePass) {
    FileSystemRecord record;
    record.Folders.assign(32767, "f");
    record.Folders[0] = ".";
    for (int i = 0; i < 600'000; ++i)
        record.Files.push_back(std::to_string((i * 7919LL) % 32767) + "&n" + std::to_string(i));
    const std::string text = WriteFolderStructure(record);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 32766 + 600'000);
    // Within a folder the files keep their list order.
    const std::size_t first = text.find("--n32767\r\n"), second = text.find("--n65534\r\n");
    ASSERT_NE(first, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_TRUE(text.starts_with("--n0\r\n--n32767\r\n--n65534\r\n"));
}

}  // namespace
