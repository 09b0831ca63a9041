// The virus uploader, the remote download and the file wiper: their checks, their runs on the
// virtual clock, and what each records when it completes (and not when it does not).
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/test_game.h"

namespace {

class HostTools : public testing::Test {
protected:
    void SetUp() override {
        test.folder.Write("Zindrel.ini", "English\r\n 1 \r\n 0 \r\n");
        test.folder.Write("FileSystem/defaultfs.zdl", "--autoexec.bat\r\n+downloads\r\n+Music\r\n");
        test.folder.Write("MissionPack/Pack/m1.zdl",
                          "m1.zdl\r\n*STEAL_FILE\r\nPlans.doc\r\n*END\r\n"
                          "*DESTROY_FILE\r\nevidence.log\r\n*END\r\n"
                          "*FOLDER_STUCTURE\r\n--readme.txt\r\n+Secret\r\n--plans.DOC\r\n"
                          "--evidence.log\r\n--other.txt\r\n*END\r\n");
        test.StartConsole("neo", "Pack");
        test.platform.Pause(5000);  // the mission arrives
        for (const char* tool : {"butvirus", "butdestroy"}) test.Console().SetVisible(tool, true);
        state.Connected = true;  // logged in (the trace is left off: it is not what is tested)
        test.game->remote.CurrentFolder = "secret";
    }
    std::string Lang(const char* key) { return test.Lang(key); }
    std::vector<std::int64_t> Ticks(const std::string& timer) { return test.TimerTicks(timer); }
    template <typename Form>
    void Use(const char* button, const char* formName, std::function<void(Form&)> actions) {
        test.UseWindow(button, formName, actions);
    }

    TestGame test;
    GameState& state = test.game->state;
};

TEST_F(HostTools, TheUploadTakesThirtySecondsAndLeavesTheInstallerForTheConsole) {
    std::int64_t clicked = 0;
    Use<VirusUploadForm>("butvirus", "frmUploadvirus", [&](VirusUploadForm& form) {
        EXPECT_TRUE(state.VirusWindowOpen);
        EXPECT_EQ(form.Combo1().size(), 109u);
        form.lblUpload_Click();  // nothing chosen yet
        EXPECT_EQ(test.messages.back(), VirusUploadForm::kSelectFirst);
        EXPECT_FALSE(form.Timer1().Enabled());
        form.SelectVirus(8);
        clicked = test.platform.Now();
        form.lblUpload_Click();
        test.platform.Pause(30500);
        EXPECT_FALSE(state.VirusUploaded);
        test.platform.Pause(100);
        EXPECT_TRUE(state.VirusUploaded);
        EXPECT_EQ(state.QueuedCommand, "Install.exe /silent");
        // A second upload in the same window leaves the same command, to run once.
        form.lblUpload_Click();
        test.platform.Pause(30600);
    });
    const std::vector<std::int64_t> ticks = Ticks("frmUploadvirus.Timer1");
    ASSERT_GE(ticks.size(), 102u);
    EXPECT_EQ(ticks[101] - clicked, 30600);
    EXPECT_FALSE(state.VirusWindowOpen);
    EXPECT_TRUE(state.QueuedCommand.empty());
    // The console showed the line and ran the installer, once.
    const std::string& shown = test.Transcript();
    EXPECT_TRUE(shown.ends_with("Install.exe /silent\r\n\r\n\r\n" + Lang("str79") + "\r\n" +
                                Lang("str80") + "\r\n\r\n" + test.Console().Prompt));
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '/'), 1);
}

TEST_F(HostTools, AnUploadClosedEarlyOrEndedByTheTraceRecordsNothing) {
    Use<VirusUploadForm>("butvirus", "frmUploadvirus", [&](VirusUploadForm& form) {
        form.SelectVirus(0);
        form.lblUpload_Click();
        test.platform.Pause(15000);
    });
    EXPECT_FALSE(state.VirusUploaded);
    EXPECT_TRUE(state.QueuedCommand.empty());
    EXPECT_FALSE(test.game->virusUploadForm.Timer1().Enabled());

    state.LogDeleted = true;
    test.Console().TraceTimer().SetEnabled(true);
    state.TraceProgress = 15;  // the next trace tick completes the trace
    Use<VirusUploadForm>("butvirus", "frmUploadvirus", [&](VirusUploadForm& form) {
        form.SelectVirus(1);
        form.lblUpload_Click();
        test.platform.Pause(31000);
        EXPECT_FALSE(form.IsOpen());
    });
    EXPECT_FALSE(state.VirusUploaded);
    EXPECT_EQ(state.BustedCount, 1);
    EXPECT_FALSE(state.VirusWindowOpen);
}

TEST_F(HostTools, TheButtonsNeedTheLineToTheHost) {
    state.Connected = false;
    for (const char* button : {"butvirus", "butcopyfile", "butdestroy"}) {
        test.messages.clear();
        test.Console().ButtonClick(button);
        EXPECT_EQ(test.messages, std::vector<std::string>{Lang("str3")}) << button;
    }
    EXPECT_EQ(std::count_if(test.platform.shownForms.begin(), test.platform.shownForms.end(),
                            [](const std::string& form) {
                                return form == "frmUploadvirus" || form == "frmCopyfile" ||
                                       form == "frmDestroyfile";
                            }),
              0);
}

TEST_F(HostTools, TheStartChecksTheFileInTheHostsCurrentFolder) {
    const std::pair<const char*, std::string> starts[] = {
        {"", Lang("str107")},
        {"readme.txt", Lang("str108") + " readme.txt " + Lang("str109")},  // in the root only
        {"nothing.txt", Lang("str108") + " nothing.txt " + Lang("str109")},
    };
    for (const char* button : {"butcopyfile", "butdestroy"}) {
        for (const auto& start : starts) {
            const char* const file = start.first;
            const std::string& message = start.second;
            test.messages.clear();
            Use<FileTransferForm>(
                button, button == std::string("butcopyfile") ? "frmCopyfile" : "frmDestroyfile",
                [&](FileTransferForm& form) {
                    form.txtFile = file;
                    form.Start_Click();
                    EXPECT_TRUE(form.StartEnabled());
                    EXPECT_FALSE(form.Timer1().Enabled());
                });
            EXPECT_EQ(test.messages, std::vector<std::string>{message}) << button << " " << file;
        }
    }
}

TEST_F(HostTools, AStolenFileLandsInDownloadsAsTheMissionSpelledIt) {
    std::int64_t clicked = 0;
    Use<FileTransferForm>("butcopyfile", "frmCopyfile", [&](FileTransferForm& form) {
        EXPECT_TRUE(state.DownloadWindowOpen);
        form.txtFile = "PLANS.doc";
        clicked = test.platform.Now();
        form.Start_Click();
        EXPECT_FALSE(form.StartEnabled());
        form.Start_Click();  // the label is disabled: no second run inside the first
        test.platform.Pause(10200);
        EXPECT_TRUE(form.StartEnabled());
        // Downloaded twice: the list entry is empty now, nothing more is added.
        form.Start_Click();
        test.platform.Pause(10200);
    });
    const std::vector<std::int64_t> ticks = Ticks("frmCopyfile.Timer1");
    ASSERT_EQ(ticks.size(), 204u);
    EXPECT_EQ(ticks[101] - clicked, 10200);
    EXPECT_EQ(state.FilesToSteal, std::vector<std::string>{""});
    const std::vector<std::string> expected = {"0&autoexec.bat", "1&Plans.doc"};
    EXPECT_EQ(test.game->local.Files, expected);
    // The host keeps its file.
    EXPECT_EQ(
        std::count(test.game->remote.Files.begin(), test.game->remote.Files.end(), "1&plans.DOC"),
        1);
}

TEST_F(HostTools, WithoutADownloadsFolderTheFileGoesIntoTheLastFolder) {
    test.game->local.Folders = {".", "Music", "Pictures"};
    test.game->local.Files.clear();
    Use<FileTransferForm>("butcopyfile", "frmCopyfile", [&](FileTransferForm& form) {
        form.txtFile = "plans.doc";
        form.Start_Click();
        test.platform.Pause(10200);
    });
    EXPECT_EQ(test.game->local.Files, std::vector<std::string>{"2&Plans.doc"});
}

TEST_F(HostTools, TheFileNameCountsAsItStandsWhenTheRunEnds) {
    Use<FileTransferForm>("butcopyfile", "frmCopyfile", [&](FileTransferForm& form) {
        form.txtFile = "other.txt";  // on the host, not wanted
        form.Start_Click();
        test.platform.Pause(5000);
        form.txtFile = "plans.doc";  // typed over during the run
        test.platform.Pause(5200);
    });
    EXPECT_EQ(state.FilesToSteal, std::vector<std::string>{""});
}

TEST_F(HostTools, AWipedFileCountsAsDestroyedAndStaysListedOnTheHost) {
    Use<FileTransferForm>("butdestroy", "frmDestroyfile", [&](FileTransferForm& form) {
        EXPECT_TRUE(state.WiperWindowOpen);
        EXPECT_EQ(form.Caption("lblDel"), Lang("str151"));
        form.txtFile = "EVIDENCE.log";
        form.Start_Click();
        test.platform.Pause(10200);
    });
    EXPECT_EQ(state.FilesToDestroy, std::vector<std::string>{""});
    EXPECT_NE(test.Run("dir").find("\r\nevidence.log\r\n"), std::string::npos);
    EXPECT_FALSE(state.WiperWindowOpen);
}

TEST_F(HostTools, ARunClosedEarlyOrStoppedByTheTraceRecordsNothing) {
    Use<FileTransferForm>("butdestroy", "frmDestroyfile", [&](FileTransferForm& form) {
        form.txtFile = "evidence.log";
        form.Start_Click();
        test.platform.Pause(9000);
    });
    EXPECT_EQ(state.FilesToDestroy, std::vector<std::string>{"evidence.log"});

    state.LogDeleted = true;
    test.Console().TraceTimer().SetEnabled(true);
    state.TraceProgress = 15;
    Use<FileTransferForm>("butcopyfile", "frmCopyfile", [&](FileTransferForm& form) {
        form.txtFile = "plans.doc";
        form.Start_Click();
        test.platform.Pause(11000);
        EXPECT_FALSE(form.IsOpen());
    });
    EXPECT_EQ(state.FilesToSteal, std::vector<std::string>{"Plans.doc"});
    EXPECT_EQ(test.game->local.Files.size(), 1u);
    EXPECT_FALSE(state.DownloadWindowOpen);
}

}  // namespace
