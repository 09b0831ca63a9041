// The intro's checks of handle and pack: every failing check speaks, in order, and only an
// accepted entry closes the window.
#include <gtest/gtest.h>

#include "harness/test_game.h"

namespace {

struct IntroCase {
    const char* name;
    std::string handle;
    bool packChosen;
    std::vector<const char*> messages;  // language keys, or "TORV" for the remark
    bool accepted;
};

constexpr const char* kTorvRemark = "That is a beautiful name! Thats how we called our son..";

class IntroChecks : public testing::TestWithParam<IntroCase> {};

TEST_P(IntroChecks, ShowEveryFailingCheckAndCloseOnlyWhenAccepted) {
    const IntroCase& c = GetParam();
    TestGame test;
    test.folder.Write("MissionPack/Rookie/m1.zdl", "m1.zdl\r\n");
    bool stillOpen = false;
    test.platform.WhenShown("frmIntro", [&](ModalForm& form) {
        auto& intro = dynamic_cast<IntroForm&>(form);
        intro.txtHandle = c.handle;
        if (c.packChosen) intro.SelectPack(0);
        intro.Form_KeyPress(IntroForm::kEnter);
        stillOpen = intro.IsOpen();
    });

    if (c.accepted)
        test.game->ShowIntro();
    else
        EXPECT_THROW(test.game->ShowIntro(),
                     ProgramEnded);  // the window was then closed unaccepted

    std::vector<std::string> expected;
    for (const char* key : c.messages)
        expected.push_back(std::string(key) == "TORV" ? kTorvRemark : test.Lang(key));
    EXPECT_EQ(test.messages, expected);
    EXPECT_EQ(stillOpen, !c.accepted);
    EXPECT_EQ(test.game->state.HackerHandle, c.handle);  // taken over even when rejected
    EXPECT_EQ(test.game->state.MissionPackName, c.packChosen ? "Rookie" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Entries, IntroChecks,
    testing::Values(IntroCase{"EmptyHandleAndNoPack", "", false, {"str112", "str152"}, false},
                    IntroCase{"TenCharacters", "abcdefghij", true, {}, true},
                    IntroCase{"ElevenCharacters", "abcdefghijk", true, {"str113"}, false},
                    IntroCase{"ReservedInMixedCase", "VoRlEn", true, {"str114"}, false},
                    IntroCase{"OtherReservedName", "braxen", true, {"str114"}, false},
                    IntroCase{"LongerThanAReservedName", "vorlen2", true, {}, true},
                    IntroCase{"Dot", "a.b", true, {"str115"}, false},
                    IntroCase{"TooLongWithADot", "vorlen.elite", true, {"str113", "str115"}, false},
                    IntroCase{"OnlyBlanks", "   ", true, {}, true},
                    IntroCase{"TorvWithPack", "torv", true, {"TORV"}, true},
                    IntroCase{"TorvWithoutPack", "tOrV", false, {"str152", "TORV"}, true}),
    [](const auto& testCase) { return testCase.param.name; });

TEST(IntroWindow, EscEndsTheProgram) {
    TestGame test;
    test.platform.WhenShown("frmIntro", [](ModalForm& form) {
        dynamic_cast<IntroForm&>(form).Form_KeyPress(IntroForm::kEscape);
        ADD_FAILURE() << "the intro went on after Esc";
    });
    EXPECT_THROW(test.game->ShowIntro(), ProgramEnded);
}

TEST(IntroWindow, ListsOnlyThePackFoldersAndReadsTheSettingsFirst) {
    TestGame test;
    test.folder.Write("MissionPack/beta/m1.zdl", "");
    test.folder.Write("MissionPack/Alpha/m1.zdl", "");
    test.folder.Write("MissionPack/loose.zdl", "");
    test.folder.Write("Zindrel.ini", "English\r\n 0 \r\n 0 \r\n");
    std::vector<std::string> listed;
    test.platform.WhenShown("frmIntro", [&](ModalForm& form) {
        auto& intro = dynamic_cast<IntroForm&>(form);
        listed = intro.MissionPacks();
        EXPECT_EQ(intro.SelectedPack(), -1);
        intro.Form_KeyPress(IntroForm::kEscape);
    });
    EXPECT_THROW(test.game->ShowIntro(), ProgramEnded);
    EXPECT_EQ(listed, (std::vector<std::string>{"Alpha", "beta"}));
    EXPECT_EQ(test.game->settings.SoundOn, 0);
    EXPECT_EQ(test.game->settings.TypeSoundOn, 0);
}

TEST(IntroWindow, TheConsoleGreetsTheAcceptedHandle) {
    TestGame test;
    test.StartConsole("Acid", "Rookie");
    EXPECT_NE(test.Transcript().find(test.Lang("str41") + " [ Acid ]\r\n"), std::string::npos);
    EXPECT_EQ(test.game->state.MissionPackName, "Rookie");
}

}  // namespace
