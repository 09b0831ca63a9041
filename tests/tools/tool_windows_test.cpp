// The ping, telnet, port-scanner and password-hacker windows: their checks in order, their
// timing on the virtual clock, and what they leave for the console.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/test_game.h"

namespace {

class ToolWindows : public testing::Test {
protected:
    void SetUp() override {
        test.folder.Write("Zindrel.ini", "English\r\n 1 \r\n 0 \r\n");
        test.folder.Write("MissionPack/Pack/m1.zdl",
                          "m1.zdl\r\n*TELNET_LOGIN_SCREEN\r\nGATE\r\n*END\r\n"
                          "*FOLDER_STUCTURE\r\n+Logs\r\n--{own_ip}\r\n*END\r\n");
        test.StartConsole("neo", "Pack");
        test.platform.Pause(5000);  // the mission arrives
        state.AttackIp = "10.0.0.1";
        state.AttackPort = 3000;
        state.MissionLogin = "admin";
        for (const char* tool : {"butportscan", "butpasswordhack"})
            test.Console().SetVisible(tool, true);
    }
    std::string Lang(const char* key) { return test.Lang(key); }
    // Opens a window from its console button and runs the player's actions in it.
    template <typename Form>
    void Use(const char* button, const char* formName, std::function<void(Form&)> actions) {
        test.UseWindow(button, formName, actions);
    }

    TestGame test;
    GameState& state = test.game->state;
};

TEST_F(ToolWindows, ThePingWindowHandsAnyAddressToTheConsole) {
    const std::string before = test.Transcript();
    Use<PingForm>("butping", "frmPing", [this](PingForm& form) {
        EXPECT_EQ(form.Caption("lblAddress"), Lang("str118"));
        EXPECT_EQ(form.Caption("lblPing"), Lang("str138"));
        EXPECT_EQ(form.Title(), "Ping IP v1.0");
        form.lblPing_Click();  // no address: the window closes and nothing runs
        EXPECT_FALSE(form.IsOpen());
    });
    EXPECT_EQ(test.Transcript(), before);

    Use<PingForm>("butping", "frmPing", [](PingForm& form) {
        EXPECT_TRUE(form.txtIP.empty());  // a fresh window every time
        form.txtIP = "10.0.0.9";
        form.lblPing_Click();
    });
    EXPECT_NE(test.Transcript().find("root[.]# ping 10.0.0.9\r\n\r\n\r\n" + Lang("str49")),
              std::string::npos);
    EXPECT_TRUE(test.Transcript().ends_with(Lang("str56") + "\r\n\r\nroot[.]# "));
    EXPECT_TRUE(state.QueuedCommand.empty());

    state.Connected = true;
    test.Console().ButtonClick("butping");
    EXPECT_EQ(test.messages.back(), Lang("str10"));
}

TEST_F(ToolWindows, TheTelnetWindowReportsTheLastFailedCheck) {
    struct Case {
        const char* address;
        const char* port;
        bool pinged;
        std::string message;  // empty: the window closes and the console telnets
    };
    const std::string refused = Lang("str134") + " 10.0.0.2 " + Lang("str135") + " 3000";
    const Case cases[] = {
        {"10.0.0.1", "3000", false, Lang("str124")},  // the right target, not pinged
        {"10.0.0", "3000", false, Lang("str124")},    // malformed and not pinged
        {"10.0.0", "3000", true, Lang("str134") + " 10.0.0 " + Lang("str135") + " 3000"},
        {"10.0.0.2", "3000", true, refused},
        {"10.0.0.1", "3001", true, Lang("str134") + " 10.0.0.1 " + Lang("str135") + " 3001"},
        {"10.0.0.1", "3000 ", true, ""},  // the leading number counts; the text goes as typed
        {"10.0.0.1", "3000", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.address) + " " + c.port);
        state.TargetPinged = c.pinged;
        test.messages.clear();
        bool stayedOpen = false;
        Use<TelnetForm>("buttelnet", "frmTelnet", [&](TelnetForm& form) {
            form.txtIP = c.address;
            form.txtPort = c.port;
            form.lblConnect_Click();
            stayedOpen = form.IsOpen();
        });
        if (c.message.empty()) {
            EXPECT_FALSE(stayedOpen);
            EXPECT_TRUE(test.messages.empty());
            // The line ran as typed: a trailing blank made a third argument for TELNET.
            if (std::string(c.port) == "3000 ") {
                EXPECT_TRUE(test.Transcript().ends_with("telnet 10.0.0.1 3000 \r\n\r\n\r\n" +
                                                        Lang("str57") + "\r\n\r\nroot[.]# "));
            }
        } else {
            EXPECT_TRUE(stayedOpen);
            EXPECT_EQ(test.messages, std::vector<std::string>{c.message});
        }
    }
    // The plain port reached the login screen.
    EXPECT_EQ(test.Console().Prompt, "LOGIN: ");

    // An address that is the target's and still malformed keeps the form message.
    test.Run("");
    state.AttackIp = "10.0.0";
    test.messages.clear();
    Use<TelnetForm>("buttelnet", "frmTelnet", [](TelnetForm& form) {
        form.txtIP = "10.0.0";
        form.txtPort = "3000";
        form.lblConnect_Click();
    });
    EXPECT_EQ(test.messages, std::vector<std::string>{Lang("str133")});

    state.Connected = true;
    test.Console().ButtonClick("buttelnet");
    EXPECT_EQ(test.messages.back(), Lang("str11"));
}

TEST_F(ToolWindows, ThePortScannerChecksInOrderAndTheRangeCheckComesLast) {
    const std::string range = Lang("str126") + " 2000 " + Lang("str127") + " 4000";
    struct Case {
        const char* address;
        const char* from;
        const char* to;
        bool pinged;
        std::string message;
    };
    const Case cases[] = {
        {"10.0.0.1", "2000", "3000", false, Lang("str124")},
        {"10.0.0.2", "2000", "3000", true, Lang("str123")},
        {"10.0.0.2", "1000", "3000", true, range},  // both wrong: only the range is told
        {"10.0.0.1", "2000", "2000", true, Lang("str125")},
        {"10.0.0.1", "3999", "4001", true, range},
    };
    for (const Case& c : cases) {
        state.TargetPinged = c.pinged;
        test.messages.clear();
        Use<PortScanForm>("butportscan", "frmPortscan", [&](PortScanForm& form) {
            form.txtIP = c.address;
            form.txtFrom = c.from;
            form.txtTo = c.to;
            form.lblScan_Click();
            EXPECT_TRUE(form.txtProgress.empty());
        });
        EXPECT_EQ(test.messages, std::vector<std::string>{c.message}) << c.from << "-" << c.to;
    }
}

TEST_F(ToolWindows, TheScanShowsEveryPortAndStopsAtTheTargetsPort) {
    state.TargetPinged = true;
    state.AttackPort = 4000;
    std::vector<std::string> shown;
    std::int64_t started = 0, ended = 0;
    Use<PortScanForm>("butportscan", "frmPortscan", [&](PortScanForm& form) {
        form.onChanged = [&] { shown.push_back(form.txtProgress); };
        form.txtIP = "10.0.0.1";
        form.txtFrom = "3997";
        form.txtTo = "4000";
        started = test.platform.Now();
        form.lblScan_Click();
        ended = test.platform.Now();
        form.txtFrom = "2000";
        form.txtTo = "2010";
        form.lblScan_Click();
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"3997", "3998", "3999", "4000", "2000", "2001",
                                               "2002", "2003", "2004", "2005", "2006", "2007",
                                               "2008", "2009", "2010"}));
    EXPECT_EQ(ended - started, 40);
    EXPECT_EQ(test.messages, (std::vector<std::string>{Lang("str128") + " 4000", Lang("str129")}));
}

TEST_F(ToolWindows, AClickDuringAScanDoesNothingAndClosingEndsIt) {
    state.TargetPinged = true;
    state.AttackPort = 3999;
    PortScanForm& scanner = test.game->portScanForm;
    int clicks = 0;
    // The player clicks the scan label again, then closes the window, while the scan runs.
    auto player = test.platform.CreateTimer("Player", 1000, [&] {
        if (++clicks == 1)
            scanner.lblScan_Click();
        else
            scanner.topright_Click();
    });
    std::vector<std::string> shown;
    Use<PortScanForm>("butportscan", "frmPortscan", [&](PortScanForm& form) {
        form.onChanged = [&] { shown.push_back(form.txtProgress); };
        form.txtIP = "10.0.0.1";
        form.txtFrom = "2000";
        form.txtTo = "3999";
        player->SetEnabled(true);
        form.lblScan_Click();
    });
    player->SetEnabled(false);
    EXPECT_EQ(clicks, 2);
    // One scan, counting up without a restart, that ended when the window closed.
    ASSERT_FALSE(shown.empty());
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_LT(shown.size(), 2000u);
    EXPECT_TRUE(test.messages.empty());
    EXPECT_FALSE(scanner.Scanning());
}

class PasswordHacker : public ToolWindows {
protected:
    void AtTheLoginScreen() {
        test.Run("ping 10.0.0.1");
        test.Run("telnet 10.0.0.1 3000");
        ASSERT_TRUE(state.TelnetSessionOpen);
    }
    std::vector<std::int64_t> Ticks() { return test.TimerTicks("frmPasswordhack.Timer1"); }
};

TEST_F(PasswordHacker, TheButtonNeedsATelnetSessionAndADefaultPassword) {
    test.Console().ButtonClick("butpasswordhack");
    EXPECT_EQ(test.messages.back(), Lang("str3"));
    AtTheLoginScreen();
    state.MissionPassword = "bravix";
    test.Console().ButtonClick("butpasswordhack");
    EXPECT_EQ(test.messages.back(), Lang("str9") + " bravix");
    EXPECT_EQ(std::count(test.platform.shownForms.begin(), test.platform.shownForms.end(),
                         "frmPasswordhack"),
              0);
}

TEST_F(PasswordHacker, TheAttackDraws101FramesAndItsLastCandidateBecomesThePassword) {
    AtTheLoginScreen();
    state.MissionPassword = "plonkit4";
    std::int64_t clicked = 0;
    std::string found;
    std::vector<std::string> passwordAt;
    Use<PasswordHackForm>("butpasswordhack", "frmPasswordhack", [&](PasswordHackForm& form) {
        EXPECT_TRUE(state.PasswordHackWindowOpen);
        EXPECT_EQ(form.Caption("lblHack"), Lang("str117"));
        clicked = test.platform.Now();
        form.lblHack_Click();
        test.platform.Pause(10100);
        EXPECT_EQ(test.game->progressBar.LastPercentDrawn, 100);
        passwordAt.push_back(state.MissionPassword);
        test.platform.Pause(100);
        passwordAt.push_back(state.MissionPassword);
        found = form.txtFile;
        EXPECT_FALSE(form.Timer1().Enabled());
        test.platform.Pause(1000);
    });
    EXPECT_FALSE(state.PasswordHackWindowOpen);
    const std::vector<std::int64_t> ticks = Ticks();
    ASSERT_EQ(ticks.size(), 102u);  // 101 frames, then the completing tick
    EXPECT_EQ(ticks.back() - clicked, 10200);
    EXPECT_EQ(passwordAt, (std::vector<std::string>{"plonkit4", found}));
    ASSERT_GE(found.size(), 1u);
    ASSERT_LE(found.size(), 15u);
    for (char c : found) EXPECT_TRUE(c >= 34 && c <= 123) << int(c);

    // Only the found string opens the host now, and the button just tells it.
    test.Run("admin");
    EXPECT_EQ(test.Console().Prompt, "PASSWORD: ");
    test.Console().ButtonClick("butpasswordhack");
    EXPECT_EQ(test.messages.back(), Lang("str9") + " " + found);
}

TEST_F(PasswordHacker, ASecondClickRestartsAtZeroAndClosingEarlyRecordsNothing) {
    AtTheLoginScreen();
    state.MissionPassword = "plonkit4";
    Use<PasswordHackForm>("butpasswordhack", "frmPasswordhack", [&](PasswordHackForm& form) {
        form.lblHack_Click();
        test.platform.Pause(5000);
        EXPECT_EQ(form.TickCount, 50);
        form.lblHack_Click();
        EXPECT_EQ(form.TickCount, 0);
        test.platform.Pause(100);
        // The bar went down, so it was cleared: nothing of the 49 % fill is left at its end.
        EXPECT_EQ(test.game->progressBar.LastPercentDrawn, 0);
        test.platform.Pause(4000);
    });
    EXPECT_EQ(state.MissionPassword, "plonkit4");
    // The window closed at 40 %: the timer is off, and the button opens the window again.
    EXPECT_FALSE(test.game->passwordHackForm.Timer1().Enabled());
    test.Console().ButtonClick("butpasswordhack");
    EXPECT_EQ(std::count(test.platform.shownForms.begin(), test.platform.shownForms.end(),
                         "frmPasswordhack"),
              2);
}

TEST_F(PasswordHacker, ACompletedTraceClosesTheWindowAndStopsTheAttack) {
    AtTheLoginScreen();
    state.MissionPassword = "plonkit4";
    state.Connected = true;  // the trace runs while the window is open
    state.LogDeleted = true;
    test.Console().TraceTimer().SetEnabled(true);
    state.TraceProgress = 15;  // the next trace tick completes it
    Use<PasswordHackForm>("butpasswordhack", "frmPasswordhack", [&](PasswordHackForm& form) {
        form.lblHack_Click();
        test.platform.Pause(3000);
        EXPECT_FALSE(form.IsOpen());
        EXPECT_FALSE(form.Timer1().Enabled());
    });
    EXPECT_EQ(state.MissionPassword, "plonkit4");
    EXPECT_EQ(state.BustedCount, 1);
    EXPECT_FALSE(state.PasswordHackWindowOpen);
}

}  // namespace
