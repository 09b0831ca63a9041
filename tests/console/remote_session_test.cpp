// PING, TELNET, the login dialogue and DISCONNECT against a mission's target.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/test_game.h"

namespace {

class RemoteSession : public testing::Test {
protected:
    void SetUp() override {
        test.folder.Write("Zindrel.ini", "English\r\n 1 \r\n 0 \r\n");
        test.folder.CopyFromData("Sound");
        test.folder.Write("MissionPack/Pack/m1.zdl",
                          "m1.zdl\r\n*TELNET_LOGIN_SCREEN\r\nACME GATEWAY\r\n*END\r\n"
                          "*FOLDER_STUCTURE\r\n+Logs\r\n--{own_ip}\r\n*END\r\n");
        test.StartConsole("neo", "Pack");
        test.platform.Pause(5000);  // the mission arrives
        state.AttackIp = "10.20.30.40";
        state.AttackPort = 2345;
        state.MissionLogin = "admin";
        state.MissionPassword = "Sesame";
    }
    std::string Lang(const char* key) { return test.Lang(key); }
    std::vector<std::string> Sounds() {
        std::vector<std::string> files;
        for (const auto& sound : test.platform.sounds) files.push_back(sound.file);
        return files;
    }
    void LogIn() {
        test.Run("ping 10.20.30.40");
        test.Run("telnet 10.20.30.40 2345");
        test.Run("admin");
        test.Run("Sesame");
    }

    TestGame test;
    GameState& state = test.game->state;
};

TEST_F(RemoteSession, PingAnswersOnlyTheTargetsAddressAsWritten) {
    std::int64_t before = test.platform.Now();
    EXPECT_EQ(test.Run("ping 10.20.30.040"),
              "ping 10.20.30.040\r\n\r\n" + Lang("str49") + " 10.20.30.040 " + Lang("str50") +
                  "\r\n \r\n \r\n" + Lang("str54") + "\r\n" + Lang("str54") + "\r\n" +
                  Lang("str54") + "\r\n" + Lang("str54") + "\r\n\r\n" + Lang("str55") + "\r\n\r\n" +
                  Lang("str56") + "\r\n\r\nroot[.]# ");
    EXPECT_EQ(test.platform.Now() - before, 4 * 900 + 200);
    EXPECT_FALSE(state.TargetPinged);

    const std::string reply = Lang("str51") + " 10.20.30.40: bytes=32 time<1 ms TTL=128\r\n";
    EXPECT_NE(test.Run("ping 10.20.30.40")
                  .find(reply + reply + reply + reply + "\r\n" + Lang("str52") + "\r\n\r\n" +
                        Lang("str53")),
              std::string::npos);
    EXPECT_TRUE(state.TargetPinged);

    EXPECT_EQ(test.Run("ping"), "ping\r\n\r\n" + Lang("str47") + "\r\n\r\nroot[.]# ");
    EXPECT_EQ(test.Run("ping 10.20.30"),
              "ping 10.20.30\r\n\r\n" + Lang("str48") + "\r\n\r\nroot[.]# ");
}

TEST_F(RemoteSession, TelnetNeedsAPingAndTheRightAddressAndPort) {
    test.platform.sounds.clear();
    EXPECT_EQ(test.Run("telnet 10.20.30.40 2345"),
              "telnet 10.20.30.40 2345\r\n\r\n" + Lang("str124") + "\r\n\r\nroot[.]# ");
    EXPECT_TRUE(Sounds().empty());
    EXPECT_NE(test.Run("telnet 10.20.30.40").find(Lang("str57")), std::string::npos);
    EXPECT_NE(test.Run("telnet 10.20 1").find(Lang("str48")), std::string::npos);

    test.Run("ping 10.20.30.40");
    for (const char* wrong :
         {"telnet 10.20.30.40 2346", "telnet 10.20.30.41 2345", "telnet 10.20.30.40 port"}) {
        SCOPED_TRACE(wrong);
        test.platform.sounds.clear();
        // The connecting line names the target's real address and port, whatever was typed.
        EXPECT_EQ(test.Run(wrong),
                  wrong + ("\r\n\r\n" + Lang("str58") + " 10.20.30.40 " + Lang("str59") + " 2345" +
                           Lang("str60") + "\r\n\r\n" + Lang("str61") + "\r\n\r\nroot[.]# "));
        EXPECT_EQ(Sounds(), (std::vector<std::string>{"tone.wav", "phone.wav", "modem.wav"}));
    }

    test.Run("telnet 10.20.30.40 2345");
    EXPECT_EQ(test.Transcript(), "ACME GATEWAY\r\n\r\n\r\nLOGIN: ");
    EXPECT_EQ(test.Console().TextColour(), kLoginScreenBlue);
    EXPECT_TRUE(state.TelnetSessionOpen);
    EXPECT_FALSE(state.Connected);
}

TEST_F(RemoteSession, KeysClicksAndTimersWaitOutTheDialUpSounds) {
    test.Run("ping 10.20.30.40");
    test.platform.soundWaits.clear();
    // During the dial-up the player hammers Enter and clicks the mail button; a timer falls due.
    const std::int64_t start = test.platform.Now();
    const std::size_t formsBefore = test.platform.shownForms.size();
    for (std::int64_t at : {start + 10, start + 400, start + 1500}) {
        test.platform.PostInputAt(at, [this] { test.Enter(); });
        test.platform.PostInputAt(at, [this] { test.Console().ButtonClick("butemail"); });
    }
    std::vector<std::int64_t> ticks;
    auto probe =
        test.platform.CreateTimer("Probe", 100, [&] { ticks.push_back(test.platform.Now()); });
    probe->SetEnabled(true);

    test.Run("telnet 10.20.30.40 2345");

    ASSERT_EQ(test.platform.soundWaits.size(), 3u);
    const std::int64_t soundsEnd = start + test.platform.soundWaits[0].milliseconds +
                                   test.platform.soundWaits[1].milliseconds +
                                   test.platform.soundWaits[2].milliseconds;
    ASSERT_GT(soundsEnd, start + 1500);
    EXPECT_EQ(test.platform.droppedInputs, 6);
    EXPECT_EQ(test.platform.shownForms.size(), formsBefore);
    // Nothing ran inside the command: the login screen follows its sounds directly.
    EXPECT_EQ(test.Transcript(), "ACME GATEWAY\r\n\r\n\r\nLOGIN: ");
    // The timer that fell due during the sounds ticked once, after them.
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks.front(), soundsEnd);
    EXPECT_EQ(std::count(ticks.begin(), ticks.end(), soundsEnd), 1);
}

TEST_F(RemoteSession, AMissionStartingDuringTheLoginDialogueEndsIt) {
    test.Run("ping 10.20.30.40");
    test.Run("telnet 10.20.30.40 2345");
    test.Type("roo");
    test.Console().MissionTimer().SetEnabled(true);  // the next mission is on its way
    test.platform.Pause(5000);

    EXPECT_FALSE(state.TelnetSessionOpen);
    EXPECT_EQ(test.Console().Prompt, "root[.]# ");
    EXPECT_TRUE(test.Transcript().ends_with("LOGIN: roo\r\nroot[.]# "));
    EXPECT_EQ(test.Console().TextColour(), kConsoleGreen);
    EXPECT_NE(test.Run("dir").find(Lang("str81")), std::string::npos);

    // The same when the mission arrives while the "logged in" message is on screen.
    state.AttackIp = "10.20.30.40";
    state.AttackPort = 2345;
    state.MissionPassword = "Sesame";
    test.Run("ping 10.20.30.40");
    test.Run("telnet 10.20.30.40 2345");
    test.Run("admin");
    test.Console().MissionTimer().SetEnabled(true);
    test.platform.WhenShown("frmMessage", [this](ModalForm&) { test.platform.Pause(5000); });
    test.Run("Sesame");
    EXPECT_FALSE(state.Connected);
    EXPECT_FALSE(test.Console().TraceTimer().Enabled());
    EXPECT_EQ(test.Console().Prompt, "root[.]# ");
    EXPECT_TRUE(test.Transcript().ends_with("root[.]# "));
}

TEST_F(RemoteSession, ALoginPromptWithNoSessionBehindItLeadsBackToTheOwnPrompt) {
    test.Console().Prompt = "LOGIN: ";
    test.Console().ShowPrompt();
    EXPECT_TRUE(test.Run("anything").ends_with("\r\n\r\nroot[.]# "));
}

TEST_F(RemoteSession, TheLoginDialogueComparesTheFirstWordExactly) {
    test.Run("ping 10.20.30.40");
    test.Run("telnet 10.20.30.40 2345");
    for (const char* wrong : {"Admin", "admins", "ad min"}) {
        EXPECT_EQ(test.Run(wrong), wrong + ("\r\n\r\n" + Lang("str64") + "\r\n\r\nLOGIN: "));
    }
    EXPECT_EQ(test.Run("admin and more"), "admin and more\r\n\r\nPASSWORD: ");
    EXPECT_EQ(test.Run("sesame"), "sesame\r\n\r\n" + Lang("str66") + "\r\n\r\nPASSWORD: ");

    test.platform.sounds.clear();
    test.Run("Sesame");
    EXPECT_EQ(test.Transcript(), Lang("str42") + "\r\n" + Lang("str42") + test.platform.nowText +
                                     "\r\n\r\n\r\nroot[.]# ");
    EXPECT_EQ(test.messages.back(), Lang("str67"));
    EXPECT_EQ(Sounds(), std::vector<std::string>{"alert.wav"});
    EXPECT_TRUE(state.Connected);
    EXPECT_FALSE(state.LogDeleted);
    EXPECT_TRUE(test.Console().TraceTimer().Enabled());
    EXPECT_EQ(test.Console().TextColour(), kConnectedGrey);
    EXPECT_EQ(test.Console().Caption("lblStatus"), Lang("str38") + " " + Lang("str19"));
}

TEST_F(RemoteSession, AnEmptyAnswerLeavesTheLoginScreen) {
    test.Run("ping 10.20.30.40");
    for (const char* leave : {"", " "}) {
        test.Run("telnet 10.20.30.40 2345");
        test.Run(leave);
        EXPECT_EQ(test.Transcript(), Lang("str63") + "\r\n\r\nroot[.]# ");
        EXPECT_FALSE(state.TelnetSessionOpen);
        EXPECT_EQ(test.Console().TextColour(), kConsoleGreen);
    }
    test.Run("telnet 10.20.30.40 2345");
    test.Run("admin");
    test.Run("");
    EXPECT_FALSE(state.TelnetSessionOpen);
}

TEST_F(RemoteSession, LoggedInTheCommandsWorkOnTheTargetUntilDisconnect) {
    EXPECT_NE(test.Run("disconnect").find(Lang("str68")), std::string::npos);
    LogIn();
    EXPECT_NE(test.Run("dir").find("Logs <DIR>"), std::string::npos);
    test.Run("cd Logs");
    test.Run("del 192.168.010.001");

    test.platform.sounds.clear();
    test.Run("DISCONNECT");
    EXPECT_FALSE(state.Connected);
    EXPECT_FALSE(state.TelnetSessionOpen);
    EXPECT_FALSE(test.Console().TraceTimer().Enabled());
    EXPECT_EQ(test.Console().TextColour(), kConsoleGreen);
    EXPECT_EQ(test.messages.back(), Lang("str72") + "\r\n\r\n" + Lang("str73") + " 1");
    EXPECT_TRUE(test.Transcript().starts_with("-Zindrel- Command console\r\n"));
    EXPECT_TRUE(test.Transcript().ends_with("\r\n\r\n" + Lang("str18") + "\r\n\r\nroot[.]# "));
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"shutdown.wav", "applause.wav"}));

    // The host keeps its folder across connections within a mission.
    test.Console().MissionTimer().SetEnabled(false);  // the next mission waits
    test.Run("telnet 10.20.30.40 2345");
    test.Run("admin");
    test.Run("Sesame");
    EXPECT_EQ(test.Console().Prompt, "root[Logs]# ");
}

TEST_F(RemoteSession, TelnetWhileLoggedInShowsTheLoginScreenAgainAndTheTraceGoesOn) {
    LogIn();
    test.Run("telnet 10.20.30.40 2345");
    EXPECT_EQ(test.Console().Prompt, "LOGIN: ");
    EXPECT_TRUE(state.Connected);
    EXPECT_TRUE(test.Console().TraceTimer().Enabled());
}

}  // namespace
