// The shared line reader and file test read files exactly as every data file of the game is read.
#include "app/file_routines.h"

#include <gtest/gtest.h>

#include <vector>

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

}  // namespace
