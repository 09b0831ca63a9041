// Address shape, upper case and splitting behave as the commands rely on.
#include "app/text_helpers.h"

#include <gtest/gtest.h>

namespace {

TEST(IsAddressTest, CountsPiecesNotTheirContents) {
    const std::pair<const char*, bool> cases[] = {
        {"192.168.010.001", true}, {"a.b.c.d", true},    {"1.2.3.", true}, {"...", true},
        {"1.2.3", false},          {"1.2.3.4.5", false}, {"", false},      {"localhost", false}};
    for (const auto& [text, expected] : cases) EXPECT_EQ(IsAddress(text), expected) << text;
}

TEST(UpperCaseTest, CoversAsciiAndTheCodePagesAccentedLetters) {
    EXPECT_EQ(UpperCase("cd.. dir\\x"), "CD.. DIR\\X");
    EXPECT_EQ(UpperCase("\xE4\xF6\xFC\xF7\xFF"),
              "\xC4\xD6\xDC\xF7\x9F");  // the division sign stays
    EXPECT_TRUE(EqualsIgnoringCase("STR12", "str12"));
    EXPECT_FALSE(EqualsIgnoringCase("str1", "str12"));
}

TEST(SplitStringTest, KeepsEmptyPieces) {
    EXPECT_EQ(SplitString("root[.]#  cd", " "), (std::vector<std::string>{"root[.]#", "", "cd"}));
    EXPECT_EQ(SplitString("", " "), (std::vector<std::string>{""}));
    EXPECT_EQ(SplitString("a=>b=>c", "=>"), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(PrintNumberTest, UsesTheSignPositionAndATrailingBlank) {
    EXPECT_EQ(PrintNumber(1), " 1 ");
    EXPECT_EQ(PrintNumber(0), " 0 ");
    EXPECT_EQ(PrintNumber(-12), "-12 ");
}

}  // namespace
