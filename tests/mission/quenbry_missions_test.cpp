// The game reads every mission file the mission-pack creator writes (the creator's tests write
// the same fixture files byte for byte).
#include <gtest/gtest.h>

#include "harness/test_game.h"

namespace {

TEST(QuenbryMissions, TheGameLoadsEveryFileTheCreatorWrites) {
    TestGame test;
    const std::filesystem::path pack = test.folder.Path() / "MissionPack" / "Quenbry";
    std::filesystem::create_directories(pack);
    std::filesystem::copy(std::filesystem::path(ZINDREL_FIXTURES) / "quenbry_pack", pack);
    GameState& state = test.game->state;
    state.MissionPackName = "Quenbry";
    state.HackerHandle = "neo";

    test.game->CountPackMissions();
    EXPECT_EQ(state.MissionCount, 3);
    for (const char* mission : {"m1.zdl", "m2.zdl", "m3.zdl"}) {
        SCOPED_TRACE(mission);
        test.game->StartMission(pack / mission);
        EXPECT_TRUE(test.messages.empty());
        EXPECT_EQ(FindFolder(test.game->remote, "TelnetLogs") > 0, true);
    }

    // The last one, as the player meets it.
    EXPECT_EQ(state.MailSubject, "last one");
    EXPECT_EQ(state.MailBody, state.AttackIp + " " + std::to_string(state.AttackPort) + "\r\n");
    EXPECT_FALSE(state.ObjectiveInfect);
    EXPECT_EQ(state.FilesToSteal, (std::vector<std::string>{"a.doc", "b.doc"}));
    EXPECT_EQ(state.FilesToDestroy, (std::vector<std::string>{";weird.name", "log.txt"}));
    EXPECT_EQ(state.TelnetLoginScreen, "\r\n");

    test.game->StartMission(pack / "m2.zdl");
    EXPECT_EQ(state.MailSubject, "neo, a job for you");
    EXPECT_TRUE(state.ObjectiveInfect);
    EXPECT_TRUE(state.ObjectiveSteal);
    EXPECT_FALSE(state.ObjectiveDestroy);  // the unticked list was saved empty
    EXPECT_EQ(test.game->remote.Files[2], "2&" + std::string(kOwnIp));
}

}  // namespace
