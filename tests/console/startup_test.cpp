// The console's start-up: captions and labels at load, and the transcript at the first prompt.
#include <gtest/gtest.h>

#include "app/wave_file.h"
#include "harness/test_game.h"

namespace {

std::string FirstPromptTranscript(TestGame& test, const std::string& handle) {
    return "-Zindrel- Command console\r\n"
           "running vorlOS >version 1.21\r\n"
           "-----------------------------\r\n"
           "\r\n" +
           test.Lang("str41") + " [ " + handle + " ]\r\n" + test.Lang("str15") +
           "\r\n"
           "\r\n"
           "root[.]# ";
}

TEST(ConsoleStartup, LoadingShowsTheBannerAndWaitsTwoSecondsForThePrompt) {
    TestGame test;
    test.AnswerIntro("neo");
    test.Console().Form_Load();

    const std::string loading = FirstPromptTranscript(test, "neo");
    EXPECT_EQ(test.Transcript(),
              loading.substr(0, loading.size() - std::string("\r\nroot[.]# ").size()));
    EXPECT_FALSE(test.Console().CommandLineEnabled());

    test.platform.Pause(1999);
    EXPECT_FALSE(test.Console().CommandLineEnabled());
    test.platform.Pause(1);

    EXPECT_EQ(test.Transcript(), loading);
    EXPECT_TRUE(test.Console().CommandLineEnabled());
    EXPECT_EQ(test.Console().Prompt, "root[.]# ");
    EXPECT_TRUE(test.Console().MissionTimer().Enabled());
    EXPECT_FALSE(test.Console().StartupTimer().Enabled());
    EXPECT_TRUE(test.Console().TotalTimer().Enabled());
    EXPECT_FALSE(test.Console().TraceTimer().Enabled());
}

TEST(ConsoleStartup, CaptionsAndStatusLabelsComeFromTheLanguageFile) {
    TestGame test;
    test.StartConsole();
    MainConsole& console = test.Console();

    EXPECT_EQ(console.Caption("mainlabel"), "=[ Zindrel 1.21 ]=");
    EXPECT_EQ(console.Caption("butemail"), test.Lang("str6") + " 0");
    const std::pair<const char*, const char*> buttons[] = {
        {"butping", "str140"},     {"buttelnet", "str141"},  {"butcopyfile", "str142"},
        {"butportscan", "str143"}, {"butdestroy", "str144"}, {"butpasswordhack", "str145"},
        {"butvirus", "str146"},    {"buthangup", "str147"},  {"buthelp", "str148"},
        {"butsettings", "str149"}};
    for (const auto& [button, key] : buttons) EXPECT_EQ(console.Caption(button), test.Lang(key));

    EXPECT_EQ(console.Caption("lblScore"), test.Lang("str37") + " 0");
    EXPECT_EQ(console.Caption("lblStatus"), test.Lang("str38") + " " + test.Lang("str16"));
    EXPECT_EQ(console.Caption("lblTrace"), test.Lang("str39") + " " + test.Lang("str17"));
    EXPECT_EQ(console.Caption("lblBusted"), test.Lang("str40") + " 0");

    for (const char* tool : {"butportscan", "butdestroy", "butpasswordhack", "butvirus"})
        EXPECT_FALSE(console.IsVisible(tool)) << tool;
    for (const char* shown :
         {"butemail", "butping", "buttelnet", "butcopyfile", "buthangup", "buthelp", "butsettings"})
        EXPECT_TRUE(console.IsVisible(shown)) << shown;
}

TEST(ConsoleStartup, TheReadySoundPlaysToItsEndBeforeThePrompt) {
    TestGame test;
    test.folder.CopyFromData("Sound/ok.wav");
    const int duration = WaveDurationMilliseconds(test.folder.Path() / "Sound/ok.wav");
    ASSERT_GT(duration, 0);
    test.AnswerIntro("neo");
    std::vector<std::int64_t> promptMissingAt;
    auto probe = test.platform.CreateTimer("Probe", 50, [&] {
        if (!test.Transcript().ends_with("root[.]# "))
            promptMissingAt.push_back(test.platform.Now());
    });
    test.Console().Form_Load();
    probe->SetEnabled(true);

    // The start-up tick blocks in the sound: nothing ticks while it plays, the prompt follows
    // its end, and the probe that fell due meanwhile ticks once, late, and finds the prompt.
    test.platform.Pause(2000);
    EXPECT_EQ(test.platform.Now(), 2000 + duration);
    EXPECT_TRUE(test.Transcript().ends_with("root[.]# "));
    ASSERT_FALSE(promptMissingAt.empty());
    EXPECT_LT(promptMissingAt.back(), 2000);
    EXPECT_EQ(test.platform.timerLog.back(), std::to_string(2000 + duration) + " Probe");
    ASSERT_EQ(test.platform.sounds.size(), 1u);
    EXPECT_EQ(test.platform.sounds[0].file, "ok.wav");
    EXPECT_EQ(test.platform.sounds[0].startedAt, 2000);
}

TEST(ConsoleStartup, WithSoundOffNothingPlaysAndNothingWaits) {
    TestGame test;
    test.folder.CopyFromData("Sound/ok.wav");
    test.folder.Write("Zindrel.ini", "English\r\n 0 \r\n 1 \r\n");
    test.StartConsole();
    EXPECT_TRUE(test.Transcript().ends_with("root[.]# "));
    EXPECT_TRUE(test.platform.sounds.empty());
}

TEST(ConsoleStartup, PlayTimeCountsSecondsFromLoad) {
    TestGame test;
    test.StartConsole();
    test.platform.Pause(8000);
    EXPECT_EQ(test.game->state.PlaySeconds, 10);
}

TEST(ConsoleStartup, ClosingTheWindowEndsTheProgram) {
    TestGame test;
    test.StartConsole();
    EXPECT_THROW(test.Console().topright_Click(), ProgramEnded);
}

}  // namespace
