// The pack checker names each problem by file and line, works out which tools the player can
// have by each mission, and its player wins what can be won and loses what cannot.
#include "checker/pack_checker.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/file_routines.h"
#include "checker/auto_player.h"
#include "harness/test_game.h"

namespace {

// A mission that can be won without any tool: the mail tells everything, the log is there.
std::string Mission(const std::string& name, const std::string& mail = "",
                    const std::string& sections = "") {
    return name + "\r\n*EMAIL\r\njob\r\nfixer\r\n" +
           (mail.empty() ? "host {attack_ip} port {attack_port} login {random_login} password "
                           "{random_password}"
                         : mail) +
           "\r\n*END\r\n*INFECT_WITH_VIRUS\r\n 0 \r\n*END\r\n" +
           (sections.empty() ? "*FOLDER_STUCTURE\r\n+Logs\r\n--{own_ip}\r\n*END\r\n" : sections) +
           "*TELNET_LOGIN_SCREEN\r\nGATE\r\n*END\r\n";
}

class PackCheck : public testing::Test {
protected:
    PackCheck() {
        data.CopyFromData("Lang/English.zdl");
        data.Write("FileSystem/defaultfs.zdl", "--autoexec.bat\r\n+DOWNLOADS\r\n");
    }
    std::filesystem::path Pack() const { return data.Path() / "MissionPack/Pack"; }
    void Write(const std::string& file, const std::string& text) {
        data.Write("MissionPack/Pack/" + file, text);
    }
    std::vector<std::string> Problems() {
        std::vector<std::string> lines;
        for (const Problem& problem : CheckPack(Pack(), data.Path()).problems)
            lines.push_back(problem.Text());
        return lines;
    }
    bool Reports(const std::string& line) {
        const std::vector<std::string> lines = Problems();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    TempAppFolder data;
};

TEST_F(PackCheck, AWinnableMissionShowsNoProblem) {
    Write("m1.zdl", Mission("m1.zdl"));
    EXPECT_EQ(Problems(), std::vector<std::string>{});
    EXPECT_EQ(CheckPack(Pack(), data.Path()).Summary(), "Pack: 1 mission checked, 0 errors, 0 warnings");
}

TEST_F(PackCheck, EachBrokenLineIsNamedByFileAndLine) {
    const std::string good = Mission("m1.zdl");
    auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    struct Case {
        const char* name;
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"MisspeltPlaceholder", replaced("{attack_ip}", "{atack_ip}"),
         "m1.zdl:5: error: unknown placeholder {atack_ip}: the game leaves it in the text"},
        {"SelfName", replaced("m1.zdl\r\n", "m2.zdl\r\n"),
         "m1.zdl:1: error: the first line must be the file's own name, \"m1.zdl\": the game "
         "refuses the file"},
        {"HeaderSpelledRight", replaced("*FOLDER_STUCTURE", "*FOLDER_STRUCTURE"),
         "m1.zdl:10: error: unknown section header \"*FOLDER_STRUCTURE\" (the game spells it "
         "*FOLDER_STUCTURE): the game skips it"},
        {"HeaderWithBlank", replaced("*EMAIL", "*EMAIL "),
         "m1.zdl:2: error: unknown section header \"*EMAIL \" (a blank after it?): the game "
         "skips it"},
        {"HeaderWithAControlCharacter", replaced("*EMAIL", "*EMA\x0bIL"),
         "m1.zdl:2: error: unknown section header \"*EMA\\x0BIL\": the game skips it"},
        {"MissingEnd", good.substr(0, good.rfind("*END")),
         "m1.zdl:14: error: section *TELNET_LOGIN_SCREEN has no *END: it runs to the end of the "
         "file"},
        {"VirusValue", replaced(" 0 ", "yes"),
         "m1.zdl:8: error: the virus value must be a number or True or False: the game cannot "
         "read the file"},
        {"LfOnly", [&] {
             std::string text = good;
             for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
             return text;
         }(),
         "m1.zdl: warning: the lines end in LF only: the game reads them as one line"},
        {"MixedLineEnds", replaced("GATE\r\n", "GATE\n"),
         "m1.zdl: warning: mixed line ends: only CR LF ends a line for the game"},
        {"ByteNotShown", replaced("job", "job\x81"),
         "m1.zdl:3: warning: byte 0x81 is no character the game can show"},
        {"NoLog", replaced("--{own_ip}", "--other.log"),
         "m1.zdl:10: error: the host has no connection log (--{own_ip}): every hang-up is a "
         "bust"},
        {"StealMissing", replaced("*FOLDER_STUCTURE", "*STEAL_FILE\r\nplans.doc\r\n*END\r\n*FOLDER_STUCTURE"),
         "m1.zdl:11: error: plans.doc is not on the host: it can never be stolen"},
        {"StealInAFolderTheMailDoesNotName",
         replaced("--{own_ip}", "--{own_ip}\r\n+Vault\r\n--plans.doc")
             .replace(good.find("*FOLDER_STUCTURE"), 0, "*STEAL_FILE\r\nplans.doc\r\n*END\r\n"),
         "m1.zdl:11: warning: plans.doc lies in Vault, not where the login lands, and the mail "
         "does not name that folder"},
        {"ValueRunsIntoTheText", replaced("port {attack_port}", "port {attack_port}a"),
         "m1.zdl:5: warning: {attack_port} runs into the text beside it: a player cannot tell "
         "where its value ends"},
        {"ALaterMailReplacesTheOneThatTellsTheTarget",
         replaced("*INFECT_WITH_VIRUS", "*EMAIL\r\nagain\r\nfixer\r\nnothing\r\n*END\r\n*INFECT_WITH_VIRUS"),
         "m1.zdl: error: a later *EMAIL replaces the mail that tells the target's address"},
        {"ALaterLoginScreenReplacesTheOneThatTellsTheLogin",
         Mission("m1.zdl", "host {attack_ip} port {attack_port} password {random_password}",
                 "*FOLDER_STUCTURE\r\n+Logs\r\n--{own_ip}\r\n*END\r\n*TELNET_LOGIN_SCREEN\r\n"
                 "login {random_login}\r\n*END\r\n"),
         "m1.zdl: error: a later section replaces the mail or login screen that tells the login: "
         "no one tells it"},
        {"ASecondFolderOfTheSameName", replaced("+Logs\r\n", "+Logs\r\n+LOGS\r\n"),
         "m1.zdl:12: warning: a second folder named LOGS: CD always goes to the first, so the "
         "files below this line can never be reached"},
        {"AFileInASecondFolderOfTheSameNameIsOutOfReach", replaced("+Logs\r\n", "+Logs\r\n+LOGS\r\n"),
         "m1.zdl:10: error: the host has no connection log (--{own_ip}): every hang-up is a "
         "bust"},
        {"PastTheSizeLimit", good + std::string(kMaxFileBytes, 'x'),
         "m1.zdl: error: the game cannot read the file (no normal file, or past the size limits "
         "of 8 MiB, 64 KiB a line and 200,000 lines)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write("m1.zdl", c.text);
        const std::vector<std::string> lines = Problems();
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.expected), lines.end())
            << testing::PrintToString(lines);
    }
}

TEST_F(PackCheck, GapsStrayFilesAnEmptyPackAndAMissingDownloadsFolder) {
    EXPECT_EQ(Problems(), std::vector<std::string>{"Pack: error: no such pack folder"});
    std::filesystem::create_directories(Pack());
    EXPECT_EQ(Problems(), std::vector<std::string>{"Pack: error: the pack holds no mission file"});
    Write("m1.zdl", Mission("m1.zdl"));
    Write("m3.zdl", Mission("m3.zdl"));
    Write("notes.zdl", "");
    EXPECT_EQ(Problems(),
              (std::vector<std::string>{
                  "m3.zdl: warning: unreachable: the game stops at the missing m2.zdl",
                  "notes.zdl: warning: counts as a mission: after the last one the game reports "
                  "m2.zdl missing instead of the pack's summary"}));

    data.Write("FileSystem/defaultfs.zdl", "--autoexec.bat\r\n+Music\r\n");
    std::string steal = Mission("m1.zdl", "", "*STEAL_FILE\r\nplans.doc\r\n*END\r\n*FOLDER_STUCTURE\r\n--plans.doc\r\n+Logs\r\n--{own_ip}\r\n*END\r\n");
    Write("m1.zdl", steal);
    EXPECT_TRUE(Reports("m1.zdl:11: warning: the player's machine has no DOWNLOADS folder: stolen "
                        "files go into its last folder"));
}

// Where each tool lies decides when the player can have it.
TEST_F(PackCheck, ToolsCountFromTheMissionAfterTheHostThatHoldsThem) {
    const std::string noPort = "host {attack_ip} login {random_login} password {random_password}";
    const std::string noPassword = "host {attack_ip} port {attack_port} login {random_login}";
    auto host = [](const std::string& files) {
        return "*FOLDER_STUCTURE\r\n+Logs\r\n--{own_ip}\r\n+warez\r\n" + files + "*END\r\n";
    };
    const std::string needScanner =
        "m2.zdl: error: the port is in no mail: it needs the port scanner, and no earlier host "
        "nor the player's machine holds PORTSCANNERW32.EXE";
    const std::string needHacker =
        "m2.zdl: error: the password is in no mail: it needs the password hacker, and no earlier "
        "host nor the player's machine holds PASSWORDHACKERW32.EXE";
    struct Case {
        const char* name;
        std::string m1, m2, defaultfs;
        std::string expected;  // empty: no problem at all
    };
    const Case cases[] = {
        {"ScannerFromTheLastHost", Mission("m1.zdl", "", host("--PortScannerW32.exe\r\n")),
         Mission("m2.zdl", noPort), "", ""},
        {"ScannerOnTheSameHostComesTooLate", Mission("m1.zdl"),
         Mission("m2.zdl", noPort, host("--PortScannerW32.exe\r\n")), "", needScanner},
        {"ScannerOnThePlayersMachine", Mission("m1.zdl"), Mission("m2.zdl", noPort),
         "--PortScannerW32.EXE\r\n", ""},
        {"DefaultPasswordWithoutHacker", Mission("m1.zdl"), Mission("m2.zdl", noPassword), "",
         needHacker},
        {"HackerFromTheLastHost", Mission("m1.zdl", "", host("--passwordhackerw32.exe\r\n")),
         Mission("m2.zdl", noPassword), "", ""},
        {"UploaderOnTheSameHost", Mission("m1.zdl"),
         [&] {
             std::string m2 = Mission("m2.zdl", "", host("--VirusUploaderW32.exe\r\n"));
             m2.replace(m2.find(" 0 "), 3, " 1 ");
             return m2;
         }(),
         "", ""},
        {"WiperFromTheLastHost", Mission("m1.zdl", "", host("--DestroyFileW32.exe\r\n")),
         Mission("m2.zdl", "",
                 "*DESTROY_FILE\r\nevidence.log\r\n*END\r\n*FOLDER_STUCTURE\r\n"
                 "--evidence.log\r\n+Logs\r\n--{own_ip}\r\n*END\r\n"),
         "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        data.Write("FileSystem/defaultfs.zdl", "+DOWNLOADS\r\n" + c.defaultfs);
        Write("m1.zdl", c.m1);
        Write("m2.zdl", c.m2);
        const std::vector<std::string> lines = Problems();
        if (c.expected.empty()) {
            EXPECT_EQ(lines, std::vector<std::string>{});
        } else {
            EXPECT_EQ(lines, std::vector<std::string>{c.expected});
        }
    }
}

TEST_F(PackCheck, ThePlayerLosesADestroyMissionWithoutAWiperAnywhere) {
    Write("m1.zdl", Mission("m1.zdl"));
    Write("m2.zdl", Mission("m2.zdl", "",
                            "*DESTROY_FILE\r\nevidence.log\r\n*END\r\n*FOLDER_STUCTURE\r\n"
                            "--evidence.log\r\n+Logs\r\n--{own_ip}\r\n*END\r\n"));
    EXPECT_TRUE(Reports("m2.zdl: error: destroying evidence.log needs the file wiper, and no "
                        "earlier host nor the player's machine holds DESTROYFILEW32.EXE"));
    const PackPlay play = PlayPack(Pack(), data.Path());
    ASSERT_EQ(play.missions.size(), 2u);
    EXPECT_TRUE(play.missions[0].won);
    EXPECT_FALSE(play.missions[1].won);
    EXPECT_EQ(play.missions[1].Text(), "m2.zdl: not won: destroying evidence.log needs the file wiper");
    EXPECT_FALSE(play.AllWon());
}

// A shipped pack that cannot be won, or that shows an error, fails the tests.
TEST(ShippedPacks, AreCleanAndEveryMissionIsWon) {
    const std::filesystem::path data = SourceDataFolder();
    int packs = 0;
    for (const std::string& pack : ListFolders(data / "MissionPack")) {
        SCOPED_TRACE(pack);
        ++packs;
        const PackReport report = CheckPack(data / "MissionPack" / pack, data);
        EXPECT_EQ(report.Errors(), 0) << report.Summary();
        const PackPlay play = PlayPack(data / "MissionPack" / pack, data);
        EXPECT_EQ(static_cast<int>(play.missions.size()), report.missions);
        for (const MissionPlay& mission : play.missions) EXPECT_TRUE(mission.won) << mission.Text();
    }
    EXPECT_GT(packs, 0);
}

}  // namespace
