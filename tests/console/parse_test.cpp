// Splitting the last transcript line into words and picking the command word.
#include <gtest/gtest.h>

#include "console/command_interpreter.h"

namespace {

struct ParseCase {
    const char* line;
    std::vector<std::string> words;
    const char* command;
};

TEST(ParseCommandLine, SplitsAtEverySingleBlankAndPicksTheCommand) {
    const ParseCase cases[] = {
        {"root[.]# dir", {"root[.]#", "dir"}, "dir"},
        {"root[.]# dir ", {"root[.]#", "dir", ""}, "dir"},  // a trailing blank adds an empty word
        {"root[.]# cd  Windows", {"root[.]#", "cd", "", "Windows"}, "cd"},
        {"root[.]# CD..", {"", "cd", ".."}, "cd"},
        {"root[Windows]# cd\\", {"", "cd", ".."}, "cd"},
        {"root[.]# cd \\", {"root[.]#", "cd", "\\"}, "cd"},
        {"LOGIN: admin", {"LOGIN:", "admin"}, "LOGIN:"},
        {"password: s3cret extra", {"password:", "s3cret", "extra"}, "password:"},
        {"LOGIN: ", {"LOGIN:", ""}, "LOGIN:"},
        {"root[.]#", {"root[.]#"}, ""},
        {"", {""}, ""},
    };
    for (const ParseCase& c : cases) {
        const CommandLineWords parsed = CommandInterpreter::Parse(c.line);
        EXPECT_EQ(parsed.words, c.words) << c.line;
        EXPECT_EQ(parsed.command, c.command) << c.line;
    }
}

}  // namespace
