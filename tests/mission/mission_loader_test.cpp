// Counting, starting and loading missions: self-name check, failures, placeholders and the
// random values they draw, and the mission timer's way to the next mission or the end.
#include <gtest/gtest.h>

#include <string_view>

#include "harness/test_game.h"
#include "mission/random_values.h"

namespace {

class MissionLoading : public testing::Test {
protected:
    void SetUp() override { test.game->state.MissionPackName = "Pack"; }
    std::filesystem::path Mission(const std::string& name) {
        return test.folder.Path() / "MissionPack" / "Pack" / name;
    }
    void WriteMission(const std::string& name, const std::string& sections) {
        test.folder.Write("MissionPack/Pack/" + name, name + "\r\n" + sections);
    }
    TestGame test;
    GameState& state = test.game->state;
};

TEST_F(MissionLoading, AFileOnlyWorksUnderItsOwnNameInItsOwnPack) {
    // Stands for the mission's own full path, which only the fresh game knows.
    constexpr std::string_view kOwnFullPath = "{its own full path}";
    const std::pair<const char*, std::string> refused[] = {
        {"m2.zdl", "m1.zdl\r\n"},                 // stored under another number
        {"m1.zdl", "m1.zdl\n*EMAIL\nx\n*END\n"},  // LF line ends: one long line
        {"m1.zdl", "../Pack/m1.zdl\r\n"},
        {"m1.zdl", std::string(kOwnFullPath) + "\r\n"},  // a name, not a path, must stand there
    };
    for (const auto& [file, given] : refused) {
        SCOPED_TRACE(given);
        TestGame fresh;
        fresh.game->state.MissionPackName = "Pack";
        std::string text = given;
        if (text.starts_with(kOwnFullPath))
            text.replace(0, kOwnFullPath.size(),
                         (fresh.folder.Path() / "MissionPack/Pack/m1.zdl").string());
        fresh.folder.Write(std::string("MissionPack/Pack/") + file, text);
        EXPECT_THROW(fresh.game->StartMission(fresh.folder.Path() / "MissionPack/Pack" / file),
                     ProgramEnded);
        EXPECT_EQ(fresh.messages, std::vector<std::string>{fresh.Lang("str1")});
    }
}

TEST_F(MissionLoading, AnUnreadableFileEndsTheGameWithTheReadMessage) {
    const std::pair<const char*, const char*> broken[] = {
        {"Missing", nullptr},
        {"Empty", ""},
        {"BadVirusValue", "m1.zdl\r\n*INFECT_WITH_VIRUS\r\nyes\r\n"}};
    for (const auto& [name, text] : broken) {
        SCOPED_TRACE(name);
        TestGame fresh;
        fresh.game->state.MissionPackName = "Pack";
        if (text != nullptr) fresh.folder.Write("MissionPack/Pack/m1.zdl", text);
        EXPECT_THROW(fresh.game->StartMission(fresh.folder.Path() / "MissionPack/Pack/m1.zdl"),
                     ProgramEnded);
        EXPECT_EQ(fresh.messages, std::vector<std::string>{fresh.Lang("str2")});
    }
}

TEST_F(MissionLoading, AMissionWithoutPlaceholdersGetsRandomAddressAndPortAndTheDefaultPassword) {
    WriteMission("m1.zdl", "");
    test.platform.randomFractions = {0.0, 0.5, 0.99999, 0.25, 0.0};
    test.platform.onlyScriptedRandom = true;
    test.game->StartMission(Mission("m1.zdl"));
    EXPECT_EQ(state.AttackIp, "1.128.254.64");
    EXPECT_EQ(state.AttackPort, 2000);
    EXPECT_EQ(state.MissionPassword, "plonkit4");
    EXPECT_EQ(test.platform.reseedCount, 1);
}

TEST_F(MissionLoading, PlaceholdersAreFilledInOrderAndInsertedValuesScannedAgain) {
    state.HackerHandle = "{own_ip}";
    WriteMission("m1.zdl",
                 "*EMAIL\r\n{random_password} {attack_port} {attack_ip} {hacker}\r\n"
                 "x\r\n{attack_ip}/{attack_ip}\r\n*END\r\n");
    test.platform.randomFractions = {0.1, 0.2, 0.3, 0.4,   // first {attack_ip}
                                     0.5,                  // {attack_port}
                                     0.0,                  // {random_password}
                                     0.0, 0.0, 0.0, 0.0};  // second {attack_ip}
    test.platform.onlyScriptedRandom = true;
    test.game->StartMission(Mission("m1.zdl"));

    EXPECT_EQ(state.MailSubject, "plonkit4 3000 26.51.77.102 192.168.010.001");
    EXPECT_EQ(state.MailBody, "1.1.1.1/1.1.1.1\r\n");  // one value for the whole line
    EXPECT_EQ(state.AttackIp, "1.1.1.1");              // the last line decides the target
    EXPECT_EQ(state.AttackPort, 3000);
    EXPECT_EQ(state.MissionPassword, "plonkit4");
}

// A pack can fill a line with placeholders; filling them costs the line's length, not its
// square. At this size a quadratic fill takes minutes: the test's time limit catches it.
TEST_F(MissionLoading, AHugeLineOfPlaceholdersIsFilledInOnePass) {
    std::string line;
    for (int i = 0; i < 1'000'000; ++i) line += "{own_ip}";
    const std::string filled = test.game->ExpandPlaceholders(line);
    ASSERT_EQ(filled.size(), 1'000'000u * 15);
    EXPECT_EQ(filled.substr(0, 30), "192.168.010.001192.168.010.001");
    EXPECT_EQ(filled.find('{'), std::string::npos);
}

TEST_F(MissionLoading, MissionFilesListedInAnyCaseAreTheOnesPlayed) {
    test.folder.Write("MissionPack/Pack/M1.ZDL", "m1.zdl\r\n*EMAIL\r\nfirst\r\nx\r\n*END\r\n");
    test.folder.Write("MissionPack/Pack/M2.zdl", "m2.zdl\r\n*EMAIL\r\nsecond\r\nx\r\n*END\r\n");
    test.game->CountPackMissions();
    EXPECT_EQ(state.MissionCount, 2);
    test.game->MissionTimerTick();
    EXPECT_EQ(state.MailSubject, "first");
    state.MissionsCompleted = 1;
    test.game->MissionTimerTick();
    EXPECT_EQ(state.MailSubject, "second");
    EXPECT_TRUE(test.messages.empty());
}

TEST(RandomValues, TableIndexesRoundHalvesToEvenAndNeverPickTheFirstSlot) {
    const std::pair<double, const char*> logins[] = {
        {0.0, "noname"}, {0.0624, "noname"}, {0.0625, "anonymous"}, {0.1875, "anonymous"},
        {0.1876, "god"}, {0.9375, "bravix"}, {0.9376, "test"},      {0.99999, "test"}};
    FakePlatform platform;
    for (const auto& [fraction, login] : logins) {
        platform.randomFractions = {fraction};
        EXPECT_EQ(RandomLogin(platform), login) << fraction;
    }
    platform.randomFractions = {0.0, 0.99999};
    EXPECT_EQ(RandomPassword(platform), "plonkit4");
    EXPECT_EQ(RandomPassword(platform), "zobix");
    platform.randomFractions = {0.99999};
    EXPECT_EQ(RandomPort(platform), 3999);
}

TEST_F(MissionLoading, SectionsAMissionLacksKeepThePreviousMissionsValues) {
    WriteMission("m1.zdl",
                 "*EMAIL\r\nfirst\r\nvesk\r\n*END\r\n*TELNET_LOGIN_SCREEN\r\n{random_login}\r\n"
                 "*END\r\n*STEAL_FILE\r\nplans.doc\r\n*END\r\n");
    WriteMission("m2.zdl", "*DESTROY_FILE\r\n0\r\n*END\r\n");
    test.game->StartMission(Mission("m1.zdl"));
    const std::string login = state.MissionLogin;
    ASSERT_NE(login, "");
    test.game->StartMission(Mission("m2.zdl"));

    EXPECT_EQ(state.MailSubject, "first");
    EXPECT_EQ(state.MissionLogin, login);
    EXPECT_EQ(state.TelnetLoginScreen, login + "\r\n");
    EXPECT_TRUE(state.ObjectiveSteal);
    EXPECT_EQ(state.FilesToSteal, std::vector<std::string>{"plans.doc"});
    EXPECT_FALSE(state.ObjectiveDestroy);
}

TEST_F(MissionLoading, EveryZdlFileOfThePackCounts) {
    WriteMission("m1.zdl", "");
    WriteMission("m2.zdl", "");
    test.folder.Write("MissionPack/Pack/draft.ZDL", "");
    test.folder.Write("MissionPack/Pack/notes.txt", "");
    std::filesystem::create_directories(test.folder.Path() / "MissionPack/Pack/m9.zdl");
    test.game->CountPackMissions();
    EXPECT_EQ(state.MissionCount, 3);
}

TEST_F(MissionLoading, AnEmptyPackEndsTheGame) {
    std::filesystem::create_directories(test.folder.Path() / "MissionPack/Pack");
    EXPECT_THROW(test.game->CountPackMissions(), ProgramEnded);
    EXPECT_EQ(test.messages,
              std::vector<std::string>{test.Lang("str31") + " 1 " + test.Lang("str32")});
}

TEST_F(MissionLoading, TheEndOfThePackShowsTheSummaryAndEndsTheGame) {
    state.HackerHandle = "neo";
    state.MissionCount = 2;
    state.MissionsCompleted = 2;
    state.PlaySeconds = 754;
    EXPECT_THROW(test.game->MissionTimerTick(), ProgramEnded);
    EXPECT_EQ(test.messages, std::vector<std::string>{
                                 test.Lang("str27") + " neo\r" + test.Lang("str28") + " 754 " +
                                 test.Lang("str29") + "\r\r" + test.Lang("str30") + " 2"});
    EXPECT_EQ(test.platform.sounds.back().file, "halleluya.wav");
}

TEST_F(MissionLoading, AGapInThePackEndsTheGameNamingTheMissingMission) {
    state.MissionCount = 3;
    state.MissionsCompleted = 1;
    EXPECT_THROW(test.game->MissionTimerTick(), ProgramEnded);
    EXPECT_EQ(test.messages,
              std::vector<std::string>{test.Lang("str31") + " 2 " + test.Lang("str32")});
}

TEST(MissionArrival, TheFirstMailArrivesFiveSecondsAfterThePrompt) {
    TestGame test;
    test.folder.Write("MissionPack/Pack/m1.zdl",
                      "m1.zdl\r\n*EMAIL\r\nfirst job\r\nvesk\r\nhit {attack_ip}\r\n*END\r\n");
    test.StartConsole("neo", "Pack");
    const std::string unread = test.Lang("str6") + " 1";
    test.platform.Pause(4999);
    EXPECT_NE(test.Console().Caption("butemail"), unread);
    test.platform.Pause(1);
    EXPECT_EQ(test.Console().Caption("butemail"), unread);
    EXPECT_EQ(test.platform.sounds.back().file, "newmail.wav");
    EXPECT_EQ(test.game->state.MailBody, "hit " + test.game->state.AttackIp + "\r\n");
    EXPECT_FALSE(test.Console().MissionTimer().Enabled());
}

}  // namespace
