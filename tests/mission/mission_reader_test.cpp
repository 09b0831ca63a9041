// The mission file's sections, read from small fixtures without a game around them.
#include "mission/mission_reader.h"

#include <gtest/gtest.h>

namespace {

MissionSections Read(const std::string& text, const MissionReadHooks& hooks = {}) {
    LineReader reader(text);
    return ReadMissionSections(reader, hooks);
}

TEST(MissionSectionsTest, HeadersMatchWholeLinesInAnyCase) {
    const MissionSections sections = Read(
        "*email\r\nSubject\r\nFrom\r\n*END\r\n"
        "*TELNET_LOGIN_SCREEN \r\nnot a section\r\n*END\r\n"  // a trailing blank: no header
        "*Telnet_Login_Screen\r\nWELCOME\r\n*end is a body line\r\n*END of screen\r\n");
    ASSERT_TRUE(sections.Mail);
    EXPECT_EQ(sections.Mail->Subject, "Subject");
    ASSERT_TRUE(sections.TelnetLoginScreen);
    EXPECT_EQ(*sections.TelnetLoginScreen, "WELCOME\r\n*end is a body line\r\n");
}

TEST(MissionSectionsTest, MailCountsOnlyNonCommentLines) {
    const MissionSections sections = Read(
        "; a comment before\r\n*EMAIL\r\n;hidden\r\nJob\r\nvesk\r\nline 1\r\n\r\n"
        ";also hidden\r\nline 3\r\n*END\r\n");
    ASSERT_TRUE(sections.Mail);
    EXPECT_EQ(sections.Mail->Subject, "Job");
    EXPECT_EQ(sections.Mail->From, "vesk");
    EXPECT_EQ(sections.Mail->Body, "line 1\r\n\r\nline 3\r\n");
    EXPECT_FALSE(sections.Steal);
    EXPECT_FALSE(sections.Folders);
}

TEST(MissionSectionsTest, FileListsSkipZeroLinesAndTakeEverythingElse) {
    const struct {
        const char* body;
        std::vector<std::string> files;
        bool objective;
    } cases[] = {
        {"0\r\n", {""}, false},
        {"\r\n", {""}, true},  // one empty entry: a file already done
        {"a.doc\r\n0\r\n;b.doc\r\n", {"a.doc", ";b.doc"}, true},
        {"", {""}, false},
    };
    for (const auto& c : cases) {
        const MissionSections sections =
            Read(std::string("*STEAL_FILE\r\n") + c.body + "*END\r\n*DESTROY_FILE\r\n" + c.body);
        ASSERT_TRUE(sections.Steal) << c.body;
        EXPECT_EQ(sections.Steal->Files, c.files) << c.body;
        EXPECT_EQ(sections.Steal->Objective, c.objective) << c.body;
        ASSERT_TRUE(sections.Destroy) << c.body;  // runs to the end of the file
        EXPECT_EQ(sections.Destroy->Files, c.files) << c.body;
    }
}

TEST(MissionSectionsTest, TheVirusValueIsOneLineThatMustBeABoolean) {
    const std::pair<const char*, std::optional<bool>> values[] = {
        {" 1 ", true}, {" 0 ", false}, {"True", true}, {"false", false}, {"2", true},
        {"-1", true},  {"x", {}},      {"", {}},       {"*END", {}},     {" tRuE ", true}};
    for (const auto& [text, expected] : values) {
        SCOPED_TRACE(text);
        const std::string file = std::string("*INFECT_WITH_VIRUS\r\n") + text + "\r\n*END\r\n";
        if (expected) {
            EXPECT_EQ(Read(file).InfectWithVirus, expected);
        } else {
            EXPECT_THROW(Read(file), MissionUnreadable);
        }
    }
    EXPECT_THROW(Read("*INFECT_WITH_VIRUS\r\n"), MissionUnreadable);  // no line left to read
}

TEST(MissionSectionsTest, FolderStructureStartsFreshAndPutsEarlyFilesInTheRoot) {
    MissionReadHooks hooks;
    hooks.expand = [](const std::string& line) {
        return line == "--{own_ip}" ? "--192.168.010.001" : line == "{semi}" ? ";x" : line;
    };
    const MissionSections sections = Read(
        "*FOLDER_STUCTURE\r\n;comment\r\n--autoexec.bat\r\n+Windows\r\n--Win.com\r\n"
        "{semi}\r\n+TelnetLogs\r\n--{own_ip}\r\n*END\r\n",
        hooks);
    ASSERT_TRUE(sections.Folders);
    EXPECT_EQ(sections.Folders->Folders, (std::vector<std::string>{".", "Windows", "TelnetLogs"}));
    EXPECT_EQ(sections.Folders->Files,
              (std::vector<std::string>{"0&autoexec.bat", "1&Win.com", "2&192.168.010.001"}));
}

TEST(MissionSectionsTest, PlaceholdersAreExpandedInFileOrderAfterTheMailIsAnnounced) {
    std::vector<std::string> calls;
    MissionReadHooks hooks;
    hooks.expand = [&](const std::string& line) {
        calls.push_back(line);
        return line;
    };
    hooks.emailHeader = [&] { calls.push_back("<mail>"); };
    Read(
        "*FOLDER_STUCTURE\r\n;skip\r\n--a\r\n*END\r\n*EMAIL\r\ns\r\n*END\r\n"
        "*INFECT_WITH_VIRUS\r\n 0 \r\n*STEAL_FILE\r\n0\r\n*END\r\n",
        hooks);
    EXPECT_EQ(calls, (std::vector<std::string>{"--a", "<mail>", "s", "0"}));
}

}  // namespace
