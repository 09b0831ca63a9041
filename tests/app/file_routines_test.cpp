// The shared line reader and file test read files exactly as every data file of the game is read.
#include "app/file_routines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "harness/disk_faults.h"

#include "harness/test_game.h"

namespace {

std::vector<std::string> ReadAllLines(const std::string& bytes) {
    LineReader reader(bytes);
    std::vector<std::string> lines;
    do lines.push_back(ReadLine(reader));
    while (!reader.AtEnd());
    return lines;
}

struct LineCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class ReadLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(ReadLineTest, SplitsLinesAtCrPlusOneCharacter) {
    EXPECT_EQ(ReadAllLines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadLineTest,
    testing::Values(LineCase{"CrLfWithoutFinalLineEnd", "ab\r\ncd", {"ab", "cd"}},
                    LineCase{"LoneLfIsAnOrdinaryCharacter", "ab\ncd", {"ab\ncd"}},
                    LineCase{"LoneCrSwallowsTheNextCharacter", "ab\rcd", {"ab", "d"}},
                    LineCase{"FinalCrLfEndsTheFile", "ab\r\ncd\r\n", {"ab", "cd"}},
                    LineCase{"EmptyLinesInBetween", "ab\r\n\r\ncd", {"ab", "", "cd"}}),
    [](const auto& testCase) { return testCase.param.name; });

TEST(ReadLineFailure, ReadingAtTheEndOrPastAFinalCrFails) {
    LineReader empty("");
    EXPECT_THROW(ReadLine(empty), FileReadError);

    LineReader finalCr("ab\r");
    EXPECT_THROW(ReadLine(finalCr), FileReadError);

    LineReader done("ab");
    EXPECT_EQ(ReadLine(done), "ab");
    EXPECT_THROW(ReadLine(done), FileReadError);
}

TEST(ReadLineFailure, OpeningAMissingFileFails) {
    TempAppFolder folder;
    EXPECT_THROW(LineReader::Open(folder.Path() / "nothing.zdl"), FileReadError);
}

TEST(FileExistsTest, FindsOnlyNormalFiles) {
    TempAppFolder folder;
    folder.Write("Lang/English.zdl", "x");
    folder.Write("Lang/.hidden.zdl", "x");

    EXPECT_TRUE(FileExists(folder.Path() / "Lang/English.zdl"));
    EXPECT_FALSE(FileExists(folder.Path() / "Lang/German.zdl"));
    EXPECT_FALSE(FileExists(folder.Path() / "Lang"));  // a folder is not a file
    EXPECT_FALSE(FileExists(folder.Path() / "Lang/.hidden.zdl"));
    EXPECT_TRUE(FileExists(folder.Path() / "Lang/*.zdl"));
    EXPECT_TRUE(FileExists(folder.Path() / "Lang/Eng?ish.zdl"));
    EXPECT_FALSE(FileExists(folder.Path() / "Lang/*.wav"));
}

TEST(PlainNames, OnlyNamesThatStayInTheirFolderOnEverySystem) {
    const std::pair<std::string, bool> names[] = {
        {"Rookie", true},    {"m1.zdl", true},       {"neo-Rookiefs.zdl", true},
        {"Caf\xE9", true},   {"CONSOLE", true},      {"COM10", true},
        {"", false},         {".", false},           {"..", false},
        {"a/b", false},      {"a\\b", false},        {"C:", false},
        {"a*b", false},      {{"ab\0cd", 5}, false}, {"tab\there", false},
        {"bell\x07", false}, {"del\x7F", false},     {"con", false},
        {"NUL.txt", false},  {"CONIN$", false},      {"conout$.log", false},
        {"COM1", false},     {"lpt9.doc", false},    {"COM0", false},
        {"COM\xB9", false},  {"LPT\xC2\xB3", false}, {"CON .txt", false},
        {"aux  ", false},    {"trailing.", false},   {"trailing ", false},
    };
    for (const auto& [name, plain] : names) EXPECT_EQ(IsPlainName(name), plain) << name;
}

TEST(FindIgnoringCaseTest, TheExactNameFirstThenAnyCaseElseTheNameAsGiven) {
    TempAppFolder folder;
    folder.Write("Pack/M1.ZDL", "upper");
    folder.Write("Pack/m2.zdl", "exact");
    folder.Write("Pack/M2.ZDL", "other");
    const auto pack = folder.Path() / "Pack";
    EXPECT_EQ(FindIgnoringCase(pack / "m1.zdl"), pack / "M1.ZDL");
    EXPECT_EQ(FindIgnoringCase(pack / "m2.zdl"), pack / "m2.zdl");
    EXPECT_EQ(FindIgnoringCase(pack / "m3.zdl"), pack / "m3.zdl");
    EXPECT_TRUE(FileExists(pack / "m1.zdl"));
    LineReader reader = LineReader::Open(pack / "m1.Zdl");
    EXPECT_EQ(ReadLine(reader), "upper");
}

TEST(ReadLineFailure, AFolderOrAnOversizedFileIsUnreadable) {
    TempAppFolder folder;
    std::filesystem::create_directories(folder.Path() / "Lang/English.zdl");
    EXPECT_THROW(LineReader::Open(folder.Path() / "Lang/English.zdl"), FileReadError);
    folder.Write("big.zdl", std::string(kMaxFileBytes + 1, 'a'));
    EXPECT_THROW(LineReader::Open(folder.Path() / "big.zdl"), FileReadError);
    folder.Write("limit.zdl", std::string(kMaxFileBytes, 'a'));
    EXPECT_NO_THROW(LineReader::Open(folder.Path() / "limit.zdl"));

    LineReader longLine(std::string(kMaxLineBytes, 'a') + "\r\n" +
                        std::string(kMaxLineBytes + 1, 'b'));
    EXPECT_EQ(ReadLine(longLine).size(), kMaxLineBytes);
    EXPECT_THROW(ReadLine(longLine), FileReadError);

    std::string lines;
    for (std::size_t i = 0; i <= kMaxLines; ++i) lines += "a\r\n";
    LineReader many(lines);
    for (std::size_t i = 0; i < kMaxLines; ++i) ReadLine(many);
    EXPECT_THROW(ReadLine(many), FileReadError);
}

class SafeRewrite : public testing::Test {
protected:
    std::filesystem::path Target() const { return folder.Path() / "Save/neo-Rookie.zdl"; }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path() / "Save"))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    TempAppFolder folder;
};

TEST_F(SafeRewrite, AReadOnlyFileIsKeptAndTheFailureReported) {
    folder.Write("Save/neo-Rookie.zdl", "old");
    std::filesystem::permissions(Target(), std::filesystem::perms::owner_read);
    EXPECT_FALSE(WriteFileAtomically(Target(), "new"));
    EXPECT_EQ(folder.Read("Save/neo-Rookie.zdl"), "old");
    EXPECT_EQ(Entries(), std::vector<std::string>{"neo-Rookie.zdl"});
}

TEST_F(SafeRewrite, AReadOnlyFolderAndAFullDiskKeepTheOldFile) {
    folder.Write("Save/neo-Rookie.zdl", "old");
    {
        ReadOnlyFolder readOnly(folder.Path() / "Save");
        EXPECT_FALSE(WriteFileAtomically(Target(), "new"));
    }
    {
        FullDisk full;
        EXPECT_FALSE(WriteFileAtomically(Target(), "new"));
    }
    EXPECT_EQ(folder.Read("Save/neo-Rookie.zdl"), "old");
    EXPECT_EQ(Entries(), std::vector<std::string>{"neo-Rookie.zdl"});
}

TEST_F(SafeRewrite, TheNewFileKeepsTheOldOnesPermissionsAndItsCaseSpelling) {
    folder.Write("Save/NEO-ROOKIE.ZDL", "old");
    std::filesystem::permissions(folder.Path() / "Save/NEO-ROOKIE.ZDL",
                                 std::filesystem::perms::owner_read |
                                     std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_read);
    ASSERT_TRUE(WriteFileAtomically(Target(), "new"));
    EXPECT_EQ(Entries(), std::vector<std::string>{"NEO-ROOKIE.ZDL"});
    EXPECT_EQ(folder.Read("Save/NEO-ROOKIE.ZDL"), "new");
    EXPECT_EQ(std::filesystem::status(folder.Path() / "Save/NEO-ROOKIE.ZDL").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
}

TEST_F(SafeRewrite, LeftoversOfKilledSavesGoButAnotherRunningSavesFileStays) {
    // A save killed halfway left its hidden temporary file; a process that is gone cannot own
    // it any more. Process 1 always runs: its file may still be on its way.
    folder.Write("Save/.neo-Rookie.zdl.tmp-999999999-0-1", "half");
    folder.Write("Save/.neo-Rookie.zdl.tmp-1-0-1", "busy");
    ASSERT_TRUE(WriteFileAtomically(Target(), "new"));
    EXPECT_EQ(Entries(), (std::vector<std::string>{".neo-Rookie.zdl.tmp-1-0-1", "neo-Rookie.zdl"}));
    EXPECT_EQ(ListFiles(folder.Path() / "Save", ".zdl"),
              std::vector<std::string>{"neo-Rookie.zdl"});
}

}  // namespace
