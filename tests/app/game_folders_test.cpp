// Which folder the game reads from and writes to: a portable folder is both; an installed game
// reads its shipped data, keeps everything it writes in the player's folder, and lets the
// player's packs and languages stand in for shipped ones of the same name.
#include <gtest/gtest.h>

#include <map>

#include "app/file_routines.h"
#include "harness/test_game.h"

namespace fs = std::filesystem;

namespace {

// Every file below a folder with its bytes, to show that nothing in it changed.
std::map<std::string, std::string> Contents(const TempAppFolder& folder) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::recursive_directory_iterator(folder.Path()))
        contents[fs::relative(entry.path(), folder.Path()).string()] =
            entry.is_regular_file() ? folder.Read(fs::relative(entry.path(), folder.Path())) : "/";
    return contents;
}

const char* const kPackMission = "m1.zdl\r\n*EMAIL\r\nshipped job\r\nvesk\r\n*END\r\n";
const char* const kOwnMission = "m1.zdl\r\n*EMAIL\r\nmy own job\r\nvesk\r\n*END\r\n";

TEST(GameFolders, APortableFolderIsReadAndWrittenInPlace) {
    TestGame test;
    test.folder.Write("zindrel.zdl", "HELP\r\n");
    test.folder.Write("MissionPack/Pack/m1.zdl", kPackMission);
    test.StartConsole("neo", "Pack");
    test.platform.Pause(5000);

    EXPECT_EQ(test.game->folders.data, test.game->folders.user);
    EXPECT_EQ(test.game->PackFolder(), test.folder.Path() / "MissionPack/Pack");
    EXPECT_EQ(test.game->state.MailSubject, "shipped job");
    test.Run("save");
    EXPECT_TRUE(test.game->SaveSettings());
    EXPECT_TRUE(fs::exists(test.folder.Path() / "Save/neo-Pack.zdl"));
    EXPECT_TRUE(fs::exists(test.folder.Path() / "FileSystem/neo-Packfs.zdl"));
    EXPECT_TRUE(fs::exists(test.folder.Path() / "Zindrel.ini"));
    EXPECT_NE(test.Run("help").find("HELP"), std::string::npos);
}

TEST(GameFolders, AnInstalledGameReadsItsDataAndWritesOnlyToThePlayersFolder) {
    TestGame test;
    test.folder.Write("zindrel.zdl", "HELP\r\n");
    test.folder.Write("MissionPack/Pack/m1.zdl", kPackMission);
    const std::map<std::string, std::string> shipped = Contents(test.folder);
    // The player's folder does not exist before the first write.
    TempAppFolder home;
    const fs::path user = home.Path() / "share/Zindrel";
    test.Install(user);

    test.StartConsole("neo", "Pack");
    test.platform.Pause(5000);
    EXPECT_EQ(test.game->state.MailSubject, "shipped job");
    EXPECT_NE(test.Run("help").find("HELP"), std::string::npos);
    EXPECT_NE(test.Run("dir").find("autoexec.bat"), std::string::npos);

    test.game->settings.SoundOn = 0;
    EXPECT_TRUE(test.game->SaveSettings());
    test.Run("cd DOWNLOADS");
    EXPECT_NE(test.Run("save").find(test.Lang("str100")), std::string::npos);

    EXPECT_EQ(Contents(test.folder), shipped);
    EXPECT_TRUE(fs::exists(user / "Zindrel.ini"));
    EXPECT_TRUE(fs::exists(user / "Save/neo-Pack.zdl"));
    EXPECT_EQ(home.Read("share/Zindrel/FileSystem/neo-Packfs.zdl"),
              "--autoexec.bat\r\n+DOWNLOADS\r\n");

    // A later run finds the settings and the saved game in the player's folder.
    TestGame again;
    again.folder.Write("MissionPack/Pack/m1.zdl", kPackMission);
    again.Install(user);
    again.StartConsole("neo", "Pack");
    again.platform.Pause(5000);
    EXPECT_EQ(again.game->settings.SoundOn, 0);
    EXPECT_NE(again.Run("load").find(again.Lang("str102")), std::string::npos);
    EXPECT_EQ(again.game->local.CurrentFolder, "DOWNLOADS");
}

TEST(GameFolders, ThePlayersPackOrLanguageOfAnEqualNameWinsAndIsListedOnce) {
    TestGame test;
    test.folder.Write("MissionPack/Pack/m1.zdl", kPackMission);
    test.folder.Write("MissionPack/Pack/m2.zdl", "m2.zdl\r\n");
    test.folder.Write("MissionPack/Rookie/m1.zdl", "m1.zdl\r\n");
    test.folder.Write("Lang/Deutsch.zdl", "str12=>Sprache\r\n");
    TempAppFolder user;
    user.Write("MissionPack/Pack/m1.zdl", kOwnMission);
    user.Write("MissionPack/mine/m1.zdl", "m1.zdl\r\n");
    user.Write("Lang/Deutsch.zdl", "str12=>Meine Sprache\r\n");
    user.Write("Lang/Klingon.zdl", "str12=>Hol\r\n");
    test.Install(user.Path());

    test.platform.WhenShown("frmSettings", [](ModalForm& form) {
        EXPECT_EQ(dynamic_cast<SettingsForm&>(form).Languages(),
                  (std::vector<std::string>{"Deutsch", "English", "Klingon"}));
    });
    test.game->settingsForm.ShowModal(test.platform);
    test.game->settings.Language = "Deutsch";
    EXPECT_EQ(test.Lang("str12"), "Meine Sprache");
    test.game->settings.Language = "English";

    std::vector<std::string> listed;
    test.platform.WhenShown("frmIntro", [&listed](ModalForm& form) {
        auto& intro = dynamic_cast<IntroForm&>(form);
        listed = intro.MissionPacks();
        intro.txtHandle = "neo";
        intro.SelectPack(1);  // Pack
        intro.Form_KeyPress(IntroForm::kEnter);
    });
    test.game->console.Form_Load();
    test.platform.Pause(7000);
    EXPECT_EQ(listed, (std::vector<std::string>{"mine", "Pack", "Rookie"}));
    // The pack is played whole from where it was listed: the player's one mission, not the
    // shipped second one.
    EXPECT_EQ(test.game->PackFolder(), user.Path() / "MissionPack/Pack");
    EXPECT_EQ(test.game->state.MailSubject, "my own job");
    EXPECT_EQ(test.game->state.MissionCount, 1);
    EXPECT_TRUE(test.messages.empty());
}

}  // namespace
