// The virtual clock behaves like the real event loop: timers fire in order, nested pauses run
// other timers, a timer never re-enters itself, and sleeping runs nothing.
#include "harness/fake_platform.h"

#include <gtest/gtest.h>

namespace {

TEST(VirtualClock, PauseFiresDueTimersInOrderOfTheirDueTimes) {
    FakePlatform platform;
    auto fast = platform.CreateTimer("Fast", 300, [] {});
    auto slow = platform.CreateTimer("Slow", 500, [] {});
    fast->SetEnabled(true);
    slow->SetEnabled(true);

    platform.Pause(1000);

    EXPECT_EQ(platform.timerLog, (std::vector<std::string>{"300 Fast", "500 Slow", "600 Fast",
                                                           "900 Fast", "1000 Slow"}));
    EXPECT_EQ(platform.Now(), 1000);
}

TEST(VirtualClock, APauseInsideATickRunsOtherTimersButNotItself) {
    FakePlatform platform;
    std::unique_ptr<GameTimer> slow;
    auto fast = platform.CreateTimer("Fast", 100, [] {});
    int slowTicks = 0;
    slow = platform.CreateTimer("Slow", 250, [&] {
        if (++slowTicks == 1) platform.Pause(300);
    });
    fast->SetEnabled(true);
    slow->SetEnabled(true);

    platform.Pause(600);

    // Slow's first tick pauses from 250 to 550: Fast keeps ticking, Slow's own 500 tick waits
    // until the first is done and then comes at once.
    EXPECT_EQ(platform.timerLog,
              (std::vector<std::string>{"100 Fast", "200 Fast", "250 Slow", "300 Fast", "400 Fast",
                                        "500 Fast", "550 Slow", "600 Fast"}));
}

TEST(VirtualClock, SleepRunsNothingAndDoEventsRunsWhatIsDue) {
    FakePlatform platform;
    auto timer = platform.CreateTimer("T", 100, [] {});
    timer->SetEnabled(true);

    platform.Sleep(350);
    EXPECT_TRUE(platform.timerLog.empty());
    platform.DoEvents();
    EXPECT_EQ(platform.timerLog, std::vector<std::string>{"350 T"});  // late ticks do not pile up
    platform.DoEvents();
    EXPECT_EQ(platform.timerLog.size(), 1u);
    platform.Pause(100);
    EXPECT_EQ(platform.timerLog.back(), "450 T");
}

TEST(VirtualClock, EnablingRestartsOnlyADisabledTimer) {
    FakePlatform platform;
    auto timer = platform.CreateTimer("T", 1000, [] {});
    timer->SetEnabled(true);
    platform.Pause(600);
    timer->SetEnabled(true);  // already on: no restart
    platform.Pause(400);
    EXPECT_EQ(platform.timerLog, std::vector<std::string>{"1000 T"});

    timer->SetEnabled(false);
    platform.Pause(300);
    timer->SetEnabled(true);
    platform.Pause(999);
    EXPECT_EQ(platform.timerLog.size(), 1u);
    platform.Pause(1);
    EXPECT_EQ(platform.timerLog.back(), "2300 T");
}

class NamedForm : public ModalForm {
public:
    NamedForm() : ModalForm("frmTest") {}
    int loads = 0, unloads = 0;

protected:
    void OnLoad() override { ++loads; }
    void OnUnload() override { ++unloads; }
};

TEST(ModalScripts, AScriptDrivesTheWindowWhileTimersKeepTicking) {
    FakePlatform platform;
    auto timer = platform.CreateTimer("T", 500, [] {});
    timer->SetEnabled(true);
    NamedForm form;
    bool openDuringScript = false;
    platform.WhenShown("frmTest", [&](ModalForm& shown) {
        openDuringScript = shown.IsOpen();
        platform.Pause(1200);
    });

    form.ShowModal(platform);

    EXPECT_TRUE(openDuringScript);
    EXPECT_FALSE(form.IsOpen());
    EXPECT_EQ(form.loads, 1);
    EXPECT_EQ(form.unloads, 1);
    EXPECT_EQ(platform.timerLog.size(), 2u);
    EXPECT_EQ(platform.shownForms, std::vector<std::string>{"frmTest"});
}

TEST(ModalScripts, AWindowClosedByTheGameDuringItsScriptIsUnloadedOnce) {
    FakePlatform platform;
    NamedForm form;
    auto closer = platform.CreateTimer("Closer", 100, [&] { form.Close(); });
    closer->SetEnabled(true);
    platform.WhenShown("frmTest", [&](ModalForm& shown) {
        platform.Pause(300);
        EXPECT_FALSE(shown.IsOpen());
    });

    form.ShowModal(platform);
    EXPECT_EQ(form.unloads, 1);
}

TEST(PlatformChanceAndEnd, RandomFractionsComeFromTheTestsSequence) {
    FakePlatform platform;
    platform.randomFractions = {0.25, 0.75};
    platform.onlyScriptedRandom = true;
    EXPECT_EQ(platform.RandomFraction(), 0.25);
    EXPECT_EQ(platform.RandomFraction(), 0.75);
    EXPECT_THROW(platform.RandomFraction(), std::logic_error);
}

TEST(PlatformChanceAndEnd, EndingTheProgramUnwindsOutOfGameCode) {
    FakePlatform platform;
    bool ranAfterEnd = false;
    auto timer = platform.CreateTimer("T", 100, [&] {
        platform.EndProgram();
        ranAfterEnd = true;
    });
    timer->SetEnabled(true);
    EXPECT_THROW(platform.Pause(1000), ProgramEnded);
    EXPECT_FALSE(ranAfterEnd);
}

}  // namespace
