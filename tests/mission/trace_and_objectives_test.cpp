// Judging a mission at the hang-up, the trace while logged in, and the busts.
#include <gtest/gtest.h>

#include "harness/test_game.h"

namespace {

class Judging : public testing::Test {
protected:
    void SetUp() override {
        test.StartConsole();
        test.platform.Pause(5000);  // the bare mission has arrived
    }
    std::string Lang(const char* key) { return test.Lang(key); }
    TestGame test;
    GameState& state = test.game->state;
};

TEST_F(Judging, TheLastUnmetObjectiveNamesTheFailure) {
    struct Case {
        const char* name;
        bool infect, uploaded;
        std::vector<std::string> destroy, steal;
        const char* reason;  // nullptr: success
    };
    const Case cases[] = {
        {"NothingAsked", false, false, {""}, {""}, nullptr},
        {"UploadNotAsked", false, true, {""}, {""}, "str69"},
        {"UploadMissing", true, false, {""}, {""}, "str69"},
        {"FilesLeftToDestroy", false, false, {"", "a"}, {""}, "str70"},
        {"InfectAndStealBothFail", true, false, {""}, {"plans"}, "str71"},
        {"AllDone", true, true, {"", ""}, {""}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test.messages.clear();
        state.MissionsCompleted = 0;
        state.ObjectiveInfect = c.infect;
        state.VirusUploaded = c.uploaded;
        state.ObjectiveDestroy = true;
        state.FilesToDestroy = c.destroy;
        state.ObjectiveSteal = true;
        state.FilesToSteal = c.steal;
        state.LogDeleted = true;
        test.Console().MissionTimer().SetEnabled(false);

        test.game->ObjectiveCheck();

        if (c.reason == nullptr) {
            EXPECT_EQ(test.messages,
                      std::vector<std::string>{Lang("str72") + "\r\n\r\n" + Lang("str73") + " 1"});
            EXPECT_TRUE(test.Console().MissionTimer().Enabled());
            EXPECT_EQ(test.Console().Caption("lblScore"), Lang("str37") + " 1");
        } else {
            EXPECT_EQ(test.messages,
                      std::vector<std::string>{Lang("str74") + "\r\n" + Lang(c.reason)});
            EXPECT_FALSE(test.Console().MissionTimer().Enabled());
            EXPECT_EQ(state.MissionsCompleted, 0);
        }
    }
}

TEST_F(Judging, ALogLeftBehindBustsFirstAndTheMissionStillCounts) {
    state.LogDeleted = false;
    test.platform.randomFractions = {};
    test.game->ObjectiveCheck();
    ASSERT_EQ(test.messages.size(), 2u);
    EXPECT_EQ(test.messages[0], Lang("str25") + " " + Lang("str20"));
    EXPECT_EQ(state.BustedCount, 1);
    EXPECT_EQ(test.Console().Caption("lblBusted"), Lang("str40") + " 1");
    EXPECT_EQ(state.MissionsCompleted, 1);
}

TEST_F(Judging, TheThirdBustEndsTheGameEvenAfterASuccess) {
    state.BustedCount = 2;
    state.LogDeleted = false;
    test.platform.randomFractions = {0.5};  // 5 years
    EXPECT_THROW(test.game->ObjectiveCheck(), ProgramEnded);
    EXPECT_EQ(test.messages,
              (std::vector<std::string>{Lang("str25") + " " + Lang("str22") + " 5 " + Lang("str23"),
                                        Lang("str26")}));
    EXPECT_EQ(state.MissionsCompleted, 0);
}

TEST_F(Judging, TheHangUpButtonOnlyHangsUpAConnection) {
    test.Console().ButtonClick("buthangup");
    EXPECT_EQ(test.messages, std::vector<std::string>{Lang("str5")});
    state.TelnetSessionOpen = true;  // the login screen is no connection either
    test.Console().Prompt = "LOGIN: ";
    test.Console().ButtonClick("buthangup");
    EXPECT_EQ(test.messages.size(), 2u);
    EXPECT_TRUE(state.TelnetSessionOpen);
}

class Tracing : public testing::Test {
protected:
    void SetUp() override {
        test.folder.Write("Zindrel.ini", "English\r\n 1 \r\n 0 \r\n");
        test.StartConsole();
        test.platform.Pause(5000);
        state.LogDeleted = true;
        state.TelnetSessionOpen = true;
        test.game->SetConnected(true);
        test.Console().ClearTranscript();
        test.Console().Prompt = "root[.]# ";
        test.Console().ShowPrompt();
    }
    // One tick of the trace: whether it steps, then the digits of the hidden part.
    void Tick(bool step, double digit = 0.0) {
        test.platform.randomFractions.push_back(step ? 0.0 : 0.5);
        for (int i = 0; i < 15; ++i) test.platform.randomFractions.push_back(digit);
        test.platform.Pause(500);
        test.platform.randomFractions.clear();  // the digits the revealed part did not need
    }
    std::string TraceShown() {
        return test.Console().Caption("lblTrace").substr(test.Lang("str39").size() + 1);
    }
    TestGame test;
    GameState& state = test.game->state;
};

TEST_F(Tracing, TheHiddenPartIsDigitsOneToNineWithDotsInPlace) {
    Tick(false, 0.0);
    EXPECT_EQ(TraceShown(), "111.111.111.111");
    Tick(false, 0.99);
    EXPECT_EQ(TraceShown(), "999.999.999.999");
    Tick(true, 0.5);
    EXPECT_EQ(TraceShown(), "155.555.555.555");
    EXPECT_EQ(state.TraceProgress, 1);
}

TEST_F(Tracing, TheSirenWarnsOnceAndTheFullAddressBustsAndHangsUp) {
    for (int i = 0; i < 10; ++i) Tick(true);
    EXPECT_TRUE(test.platform.sounds.empty());
    Tick(true);  // 11 revealed: four left
    ASSERT_EQ(test.platform.sounds.size(), 1u);
    EXPECT_EQ(test.platform.sounds[0].file, "sirene.wav");
    Tick(false);
    EXPECT_EQ(test.platform.sounds.size(), 1u);
    for (int i = 0; i < 3; ++i) Tick(true);
    EXPECT_EQ(state.TraceProgress, 14);

    std::string shownAtBust;
    test.platform.WhenShown("frmMessage", [&](ModalForm&) { shownAtBust = TraceShown(); });
    Tick(true);

    EXPECT_EQ(shownAtBust, "192.168.010.001");
    EXPECT_EQ(test.messages.front(), test.Lang("str24") + " " + test.Lang("str20"));
    EXPECT_EQ(state.BustedCount, 1);
    EXPECT_FALSE(state.Connected);  // the trace hung up through the console
    EXPECT_NE(test.Transcript().find(test.Lang("str18")), std::string::npos);
    EXPECT_EQ(test.Console().Caption("lblTrace"), test.Lang("str39") + " " + test.Lang("str17"));
}

TEST_F(Tracing, AMessageOpenWhenTheTraceCompletesIsClosedForTheBust) {
    for (int i = 0; i < 14; ++i) Tick(true);
    test.platform.randomFractions = {0.0};
    bool closedByTheTrace = false;
    test.platform.WhenShown("frmMessage", [&](ModalForm& form) {
        test.platform.Pause(600);  // the player reads while the trace completes
        closedByTheTrace = !form.IsOpen();
    });
    test.game->ShowMessage("reading");
    EXPECT_TRUE(closedByTheTrace);
    EXPECT_EQ(test.messages[1], test.Lang("str24") + " " + test.Lang("str20"));
    EXPECT_FALSE(state.MessageWindowOpen);
}

TEST_F(Tracing, ATraceCompletingDuringACommandsPauseStillHangsUp) {
    test.game->remote.Files = {"0&plans.doc"};
    for (int i = 0; i < 14; ++i) Tick(true);
    test.platform.randomFractions = {0.0};
    test.Run("del plans.doc");  // the trace completes during its 700 ms pause
    EXPECT_FALSE(state.Connected);
    EXPECT_EQ(test.game->remote.Files, std::vector<std::string>{""});
    EXPECT_EQ(test.Console().Prompt, "root[.]# ");
}

}  // namespace
