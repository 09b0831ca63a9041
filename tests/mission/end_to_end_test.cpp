// Whole games on the virtual clock: the example campaign from the intro to the end summary,
// played as a player would, with typed commands and the tool windows; and a career that ends at
// the third bust.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <optional>

#include "app/text_helpers.h"
#include "harness/test_game.h"

namespace {

constexpr const char* kOwnLog = "192.168.010.001";

// A file of the host and the folder it lies in.
struct HostFile {
    const char* folder;
    const char* name;
};

// A tool program that lies on a host, and the console button it installs.
struct ToolOnHost {
    const char* folder;
    const char* program;
    const char* button;
};

// One mission of the campaign as a player who has read its mail plays it.
struct Job {
    std::optional<ToolOnHost> pickup = std::nullopt;
    bool portInMail = false;      // otherwise the port scanner finds it
    bool passwordInMail = false;  // otherwise the password hacker cracks it at the login screen
    bool loginOnBanner = false;   // otherwise the mail gives the login
    bool windows = false;         // ping, telnet and hang-up through windows and buttons
    std::vector<HostFile> steal = {};
    std::vector<HostFile> wipe = {};
    bool infect = false;
    const char* logFolder = "TelnetLogs";
};

const std::vector<Job>& Campaign() {
    static const std::vector<Job> jobs = {
        {.pickup = ToolOnHost{"warez", "PortScannerW32.exe", "butportscan"},
         .portInMail = true,
         .passwordInMail = true},
        {.pickup = ToolOnHost{"Tools", "PasswordHackerW32.exe", "butpasswordhack"},
         .portInMail = true,
         .passwordInMail = true,
         .windows = true,
         .steal = {{"Incidents", "INC-0412.TXT"}}},
        {.pickup = ToolOnHost{"Evidence", "DestroyFileW32.exe", "butdestroy"},
         .passwordInMail = true,
         .steal = {{"Cases", "CASE4471.DOC"}}},
        {.portInMail = true,
         .windows = true,
         .wipe = {{"Cases98", "CASE4471.DOC"}, {"Cases98", "TIP4471.TXT"}},
         .logFolder = "Logs"},
        {.pickup = ToolOnHost{"warez", "VirusUploaderW32.exe", "butvirus"},
         .loginOnBanner = true,
         .steal = {{"Sysop", "members.lst"}},
         .logFolder = "CallLog"},
        {.passwordInMail = true, .windows = true, .infect = true},
        {.steal = {{"Books", "ledger.txt"}}, .wipe = {{"Books", "kids.txt"}}},
        {.windows = true,
         .steal = {{"Accounts", "payments.dbf"}},
         .wipe = {{"Registry", "informants.dbf"}},
         .infect = true,
         .logFolder = "NetAudit"},
    };
    return jobs;
}

constexpr const char* kToolButtons[] = {"butportscan", "butpasswordhack", "butvirus", "butdestroy"};
constexpr const char* kToolPrograms[] = {"PORTSCANNERW32.EXE", "PASSWORDHACKERW32.EXE",
                                         "VIRUSUPLOADERW32.EXE", "DESTROYFILEW32.EXE"};

// The value stands in the text as a word of its own, not inside a longer one.
bool Tells(const std::string& text, const std::string& value) {
    auto wordChar = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    for (std::size_t at = text.find(value); at != std::string::npos;
         at = text.find(value, at + 1)) {
        const std::size_t end = at + value.size();
        if ((at == 0 || !wordChar(text[at - 1])) && (end == text.size() || !wordChar(text[end])))
            return true;
    }
    return false;
}

class WholeGame : public testing::Test {
protected:
    void SetUp() override {
        test.folder.CopyFromData("MissionPack/Rookie");
        test.folder.CopyFromData("Sound");
        test.folder.CopyFromData("FileSystem/defaultfs.zdl");
        test.StartConsole("neo", "Rookie");
    }

    // Waits for the next mail and reads it with the mail button.
    std::string ReadNextMail() {
        test.platform.Pause(5000);
        std::string mail;
        test.platform.WhenShown(
            "frmMail", [&](ModalForm& form) { mail = dynamic_cast<MailForm&>(form).txtMail; });
        test.Console().ButtonClick("butemail");
        return mail;
    }

    // Opens a tool window from its console button, which the player can only click once it
    // shows, and acts in it.
    template <typename Form>
    void Use(const char* button, const char* formName, std::function<void(Form&)> actions) {
        ASSERT_TRUE(test.Console().IsVisible(button)) << button;
        test.UseWindow(button, formName, actions);
    }

    void Ping(const std::string& address, bool window) {
        if (window)
            Use<PingForm>("butping", "frmPing", [&](PingForm& form) {
                form.txtIP = address;
                form.lblPing_Click();
            });
        else
            test.TypeCommand("ping " + address);
        ASSERT_TRUE(test.game->state.TargetPinged);
    }

    // Sweeps the whole range the scanner allows and returns the port its message reports.
    std::string ScanForPort(const std::string& address) {
        test.messages.clear();
        Use<PortScanForm>("butportscan", "frmPortscan", [&](PortScanForm& form) {
            form.txtIP = address;
            form.txtFrom = "2000";
            form.txtTo = "4000";
            form.lblScan_Click();
        });
        const std::string found = test.Lang("str128") + " ";
        if (test.messages.size() != 1 || !test.messages[0].starts_with(found)) {
            ADD_FAILURE() << "the scan found no port";
            return "";
        }
        return test.messages[0].substr(found.size());
    }

    void Telnet(const std::string& address, const std::string& port, bool window) {
        if (window)
            Use<TelnetForm>("buttelnet", "frmTelnet", [&](TelnetForm& form) {
                form.txtIP = address;
                form.txtPort = port;
                form.lblConnect_Click();
            });
        else
            test.TypeCommand("telnet " + address + " " + port);
        ASSERT_EQ(test.Console().Prompt, "LOGIN: ");
    }

    // Runs the cracker at the login screen and returns the password it found.
    std::string CrackPassword() {
        std::string found;
        Use<PasswordHackForm>("butpasswordhack", "frmPasswordhack", [&](PasswordHackForm& form) {
            form.lblHack_Click();
            test.platform.Pause(10300);
            found = form.txtFile;
        });
        EXPECT_FALSE(found.empty());
        return found;
    }

    void LogIn(const std::string& login, const std::string& password) {
        test.TypeCommand(login);
        test.TypeCommand(password);
        ASSERT_TRUE(test.game->state.Connected);
    }

    // Runs a download or a wipe of a file in a folder of the host, from its root.
    void Transfer(const char* button, const char* formName, const HostFile& file) {
        test.TypeCommand(std::string("cd ") + file.folder);
        Use<FileTransferForm>(button, formName, [&](FileTransferForm& form) {
            form.txtFile = file.name;
            form.Start_Click();
            test.platform.Pause(10300);
            EXPECT_TRUE(form.StartEnabled()) << file.name;
        });
        test.TypeCommand("cd ..");
    }

    void DeleteLog(const char* folder) {
        test.TypeCommand(std::string("cd ") + folder);
        test.TypeCommand(std::string("del ") + kOwnLog);
        ASSERT_TRUE(test.game->state.LogDeleted);
        test.TypeCommand("cd ..");
    }

    std::string Success(int completed) {
        return test.Lang("str72") + "\r\n\r\n" + test.Lang("str73") + " " +
               std::to_string(completed);
    }

    TestGame test;
};

TEST_F(WholeGame, TheCampaignPlaysFromTheFirstMailToTheSummaryWithTheToolsItHandsOut) {
    const GameState& state = test.game->state;
    const std::vector<Job>& campaign = Campaign();
    ASSERT_EQ(state.MissionCount, static_cast<int>(campaign.size()));
    // The player's own box has no tools yet, installed or lying about: the campaign hands them
    // out.
    for (const char* button : kToolButtons) EXPECT_FALSE(test.Console().IsVisible(button));
    for (const std::string& entry : test.game->local.Files)
        for (const char* program : kToolPrograms)
            EXPECT_FALSE(UpperCase(entry).ends_with(std::string("&") + program)) << entry;

    std::vector<std::string> stolen;
    for (std::size_t number = 1; number <= campaign.size(); ++number) {
        SCOPED_TRACE("mission " + std::to_string(number));
        const Job& job = campaign[number - 1];
        const std::string mail = ReadNextMail();

        // The address always comes by mail; the port only when the job says so.
        const std::string address = state.AttackIp;
        ASSERT_NE(mail.find(address), std::string::npos);
        ASSERT_NO_FATAL_FAILURE(Ping(address, job.windows));
        std::string port;
        if (job.portInMail) {
            port = std::to_string(state.AttackPort);
            ASSERT_TRUE(Tells(mail, port));
        } else {
            port = ScanForPort(address);
        }
        ASSERT_NO_FATAL_FAILURE(Telnet(address, port, job.windows));

        std::string password;
        if (job.passwordInMail) {
            password = state.MissionPassword;
            ASSERT_TRUE(Tells(mail, password));
        } else {
            password = CrackPassword();
        }
        const std::string login = state.MissionLogin;
        ASSERT_TRUE(Tells(job.loginOnBanner ? test.Transcript() : mail, login));
        ASSERT_NO_FATAL_FAILURE(LogIn(login, password));

        if (job.pickup) {
            ASSERT_FALSE(test.Console().IsVisible(job.pickup->button));
            test.TypeCommand(std::string("cd ") + job.pickup->folder);
            test.TypeCommand(job.pickup->program);
            EXPECT_TRUE(test.Console().IsVisible(job.pickup->button));
            test.TypeCommand("cd ..");
        }
        for (const HostFile& file : job.steal) {
            EXPECT_TRUE(Tells(mail, file.name));
            Transfer("butcopyfile", "frmCopyfile", file);
            stolen.push_back(file.name);
        }
        for (const HostFile& file : job.wipe) {
            EXPECT_TRUE(Tells(mail, file.name));
            Transfer("butdestroy", "frmDestroyfile", file);
        }
        if (job.infect) {
            Use<VirusUploadForm>("butvirus", "frmUploadvirus", [&](VirusUploadForm& form) {
                form.SelectVirus(static_cast<int>(number));
                form.lblUpload_Click();
                test.platform.Pause(30700);
            });
            EXPECT_TRUE(test.Transcript().ends_with(test.Lang("str80") + "\r\n\r\n" +
                                                    test.Console().Prompt));
        }
        ASSERT_NO_FATAL_FAILURE(DeleteLog(job.logFolder));

        test.messages.clear();
        if (job.windows)
            test.Console().ButtonClick("buthangup");
        else
            test.TypeCommand("disconnect");
        ASSERT_EQ(test.messages, std::vector<std::string>{Success(static_cast<int>(number))});
    }

    // The loot is at home, in DOWNLOADS.
    test.TypeCommand("cd DOWNLOADS");
    const std::string listing = test.Run("dir");
    for (const std::string& file : stolen)
        EXPECT_NE(listing.find("\r\n" + file + "\r\n"), std::string::npos) << file;

    test.messages.clear();
    EXPECT_THROW(test.platform.Pause(5000), ProgramEnded);
    ASSERT_EQ(test.messages.size(), 1u);
    EXPECT_TRUE(test.messages[0].starts_with(test.Lang("str27") + " neo\r" + test.Lang("str28")));
    EXPECT_TRUE(test.messages[0].ends_with("\r\r" + test.Lang("str30") + " " +
                                           std::to_string(campaign.size())));
    EXPECT_EQ(state.MissionsCompleted, static_cast<int>(campaign.size()));
    EXPECT_EQ(state.BustedCount, 0);
}

TEST_F(WholeGame, AForgottenLogAndTwoTracesEndTheCareer) {
    const GameState& state = test.game->state;
    // Mission 1: the scanner comes along, but the log stays behind. One bust, and the mission
    // still counts.
    ReadNextMail();
    Ping(state.AttackIp, false);
    Telnet(state.AttackIp, std::to_string(state.AttackPort), false);
    LogIn(state.MissionLogin, state.MissionPassword);
    test.TypeCommand("cd warez");
    test.TypeCommand("portscannerw32");
    test.TypeCommand("disconnect");
    EXPECT_EQ(state.BustedCount, 1);
    EXPECT_EQ(state.MissionsCompleted, 1);

    // Mission 2: the player takes the report and deletes the log, but dawdles; the trace gets
    // there first.
    ReadNextMail();
    Ping(state.AttackIp, false);
    Telnet(state.AttackIp, std::to_string(state.AttackPort), false);
    LogIn(state.MissionLogin, state.MissionPassword);
    Transfer("butcopyfile", "frmCopyfile", {"Incidents", "INC-0412.TXT"});
    DeleteLog("TelnetLogs");
    test.platform.randomFractions.assign(100000, 0.0);  // the trace steps on every tick
    test.platform.Pause(8000);
    EXPECT_EQ(state.BustedCount, 2);
    EXPECT_FALSE(state.Connected);
    EXPECT_EQ(state.MissionsCompleted, 2);  // the hang-up still judged the job

    // Mission 3: traced again, with the log still there: the third bust ends the game.
    test.platform.randomFractions.clear();
    ReadNextMail();
    Ping(state.AttackIp, false);
    Telnet(state.AttackIp, ScanForPort(state.AttackIp), false);
    LogIn(state.MissionLogin, state.MissionPassword);
    test.platform.randomFractions.assign(100000, 0.0);
    test.messages.clear();
    EXPECT_THROW(test.platform.Pause(8000), ProgramEnded);
    EXPECT_EQ(test.messages.front(),
              test.Lang("str24") + " " + test.Lang("str22") + " 1 " + test.Lang("str23"));
    EXPECT_EQ(test.messages.back(), test.Lang("str26"));
    EXPECT_EQ(state.BustedCount, 3);
}

}  // namespace
