// Quenbry's core without a window: packs and their numbering, and the mission file it writes
// and reads back.
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <map>
#include <random>

#include "app/file_routines.h"
#include "creator/every_byte_mission.h"
#include "creator/mission_fields.h"
#include "creator/pack_manager.h"
#include "harness/disk_faults.h"

namespace {

namespace fs = std::filesystem;

class CreatorFolder : public testing::Test {
protected:
    CreatorFolder() {
        static int counter = 0;
        folder = fs::temp_directory_path() /
                 ("quenbry-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::remove_all(folder);
        fs::create_directories(folder / "programs");
    }
    ~CreatorFolder() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    void Write(const fs::path& relative, const std::string& bytes) {
        fs::create_directories((program() / relative).parent_path());
        std::ofstream(program() / relative, std::ios::binary) << bytes;
    }
    std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
    fs::path program() const { return folder / "programs"; }

    fs::path folder;
};

std::string Fixture(const std::string& name) {
    std::ifstream in(fs::path(ZINDREL_FIXTURES) / "quenbry_pack" / name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

TEST(MissionFileWriting, ANewMissionSavedWithoutEditsHasTheTemplateAndEmptySections) {
    EXPECT_EQ(MissionFileText(NewMissionFields(), "m1.zdl"),
              "m1.zdl\r\n*EMAIL\r\n\r\n\r\n\r\n*END\r\n*INFECT_WITH_VIRUS\r\n 0 \r\n*END\r\n"
              "*STEAL_FILE\r\n*END\r\n*DESTROY_FILE\r\n*END\r\n*FOLDER_STUCTURE\r\n"
              "--autoexec.bat\r\n--command.com\r\n--config.sys\r\n--io.sys\r\n--msdos.sys\r\n"
              "+Windows\r\n--Win.com\r\n--System.ini\r\n+HackingToolz\r\n--PortScannerW32.exe\r\n"
              "+TelnetLogs\r\n--{own_ip}\r\n--{random_ip}\r\n--{random_ip}\r\n--{random_ip}\r\n"
              "+Pictures\r\n--Naked.jpg\r\n*END\r\n*TELNET_LOGIN_SCREEN\r\n\r\n*END\r\n");
    EXPECT_EQ(MissionFileText(NewMissionFields(), "m1.zdl"), Fixture("m1.zdl"));
}

TEST(MissionFileWriting, AnUntickedListKeepsItsTextInTheEditorButSavesAnEmptySection) {
    MissionFields fields = NewMissionFields();
    fields.stealfiles = "plans.doc";
    fields.virus = true;
    const std::string text = MissionFileText(fields, "m2.zdl");
    EXPECT_NE(text.find("*INFECT_WITH_VIRUS\r\n 1 \r\n*END\r\n*STEAL_FILE\r\n*END\r\n"),
              std::string::npos);
    EXPECT_EQ(fields.stealfiles, "plans.doc");
}

TEST_F(CreatorFolder, ReadingFollowsTheSectionRules) {
    Write("Pack/m1.zdl",
          "m1.zdl\r\n*email\r\n;note\r\nJob\r\nvesk\r\nline one\r\n*end is mail text\r\n*END\r\n"
          "*INFECT_WITH_VIRUS\r\n 1 \r\n*END\r\n"
          "*STEAL_FILE\r\n0\r\n*END\r\n"
          "*DESTROY_FILE\r\n;odd.name\r\n0\r\nlog.txt\r\n*END\r\n"
          "*FOLDER_STUCTURE\r\n;comment\r\n+Logs\r\n*END\r\n");
    const std::optional<MissionFields> fields = LoadMissionFields(program() / "Pack/m1.zdl");
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->title, "Job");
    EXPECT_EQ(fields->from, "vesk");
    EXPECT_EQ(fields->email, "line one\r\n*end is mail text");
    EXPECT_TRUE(fields->virus);
    EXPECT_FALSE(fields->steal);  // only "0": no such objective
    EXPECT_EQ(fields->stealfiles, "");
    EXPECT_TRUE(fields->del);
    EXPECT_EQ(fields->killfiles, ";odd.name\r\nlog.txt");
    EXPECT_EQ(fields->filesystem, "+Logs");
    EXPECT_EQ(fields->telnet, "");
}

TEST_F(CreatorFolder, UnreadableMissionsAreRefused) {
    const std::pair<const char*, std::string> unreadable[] = {
        {"numbers only", "m1.zdl\r\n*INFECT_WITH_VIRUS\r\nTrue\r\n*END\r\n"},
        {"final CR", "m1.zdl\r\n*EMAIL\r"},
        {"beyond int", "m1.zdl\r\n*INFECT_WITH_VIRUS\r\n 99999999999 \r\n*END\r\n"},
        {"far beyond int", "m1.zdl\r\n*INFECT_WITH_VIRUS\r\n-1e300\r\n*END\r\n"},
        {"line past the limit", "m1.zdl\r\n*EMAIL\r\n" + std::string(kMaxLineBytes + 1, 'a')},
        {"file past the limit", std::string(kMaxFileBytes + 1, 'a')},
    };
    for (const auto& [what, bytes] : unreadable) {
        Write("Pack/m1.zdl", bytes);
        EXPECT_FALSE(LoadMissionFields(program() / "Pack/m1.zdl")) << what;
    }
    EXPECT_FALSE(LoadMissionFields(program() / "Pack/m9.zdl"));
    fs::create_directories(program() / "Pack/m5.zdl");  // a folder where a file is expected
    EXPECT_FALSE(LoadMissionFields(program() / "Pack/m5.zdl"));

    Write("Pack/m1.zdl", "m1.zdl\r\n*INFECT_WITH_VIRUS\r\n 2147483647 \r\n*END\r\n");
    ASSERT_TRUE(LoadMissionFields(program() / "Pack/m1.zdl"));
    EXPECT_TRUE(LoadMissionFields(program() / "Pack/m1.zdl")->virus);
}

TEST_F(CreatorFolder, EveryByteValueSurvivesALoadAndASave) {
    Write("Pack/m1.zdl", EveryByteMission("m1.zdl"));
    const std::optional<MissionFields> loaded = LoadMissionFields(program() / "Pack/m1.zdl");
    ASSERT_TRUE(loaded);
    ASSERT_TRUE(SaveMissionFields(program() / "Pack/m1.zdl", *loaded));
    EXPECT_EQ(Read(program() / "Pack/m1.zdl"), EveryByteMission("m1.zdl"));
}

TEST_F(CreatorFolder, NamesFromAListAndTheFixedNamesAreFoundInAnyCase) {
    Write("Pack/M1.ZDL", "M1.ZDL\r\n*EMAIL\r\nHeist\r\n*END\r\n");
    Write("QUENBRY.ZDL", "help\r\n");
    PackManager packs(program());
    EXPECT_EQ(packs.MissionsOf("Pack"), std::vector<std::string>{"M1.ZDL"});
    ASSERT_TRUE(LoadMissionFields(program() / "Pack/m1.zdl"));
    EXPECT_EQ(LoadMissionFields(program() / "Pack/m1.zdl")->title, "Heist");
    const EditorStart start = StartEditor(program() / "Pack/m1.zdl", packs.InstructionsFile());
    EXPECT_EQ(start.instructions, "help\r\n");
    EXPECT_TRUE(start.messages.empty());
    // Saving under the built name replaces the file that is there, not a second one beside it.
    ASSERT_TRUE(SaveMissionFields(program() / "Pack/m1.zdl", *start.fields));
    EXPECT_EQ(packs.MissionsOf("Pack"), std::vector<std::string>{"M1.ZDL"});
}

TEST_F(CreatorFolder, AFolderWhereTheInstructionsShouldBeIsReportedNotACrash) {
    fs::create_directories(program() / "Quenbry.zdl");
    const EditorStart start =
        StartEditor(program() / "Pack/m1.zdl", PackManager(program()).InstructionsFile());
    EXPECT_EQ(start.messages, std::vector<std::string>{kInstructionsFailed});
    EXPECT_EQ(start.instructions, kNoInstructions);
}

TEST_F(CreatorFolder, WhatQuenbryWroteReadsBackToTheSameBytes) {
    for (const char* name : {"m1.zdl", "m2.zdl", "m3.zdl"}) {
        SCOPED_TRACE(name);
        const std::string original = Fixture(name);
        ASSERT_FALSE(original.empty());
        Write(fs::path("Pack") / name, original);
        const std::optional<MissionFields> loaded = LoadMissionFields(program() / "Pack" / name);
        ASSERT_TRUE(loaded);
        ASSERT_TRUE(SaveMissionFields(program() / "Pack" / name, *loaded));
        EXPECT_EQ(Read(program() / "Pack" / name), original);
    }
}

// The packs the game ships are Quenbry's own work: an author who opens a mission and saves it
// unchanged gets the same bytes back.
TEST_F(CreatorFolder, EveryShippedMissionSavesBackUnchanged) {
    int missions = 0;
    for (const auto& pack : fs::directory_iterator(fs::path(ZINDREL_SOURCE_DATA) / "MissionPack")) {
        if (!pack.is_directory()) continue;
        for (const auto& mission : fs::directory_iterator(pack.path())) {
            if (mission.path().extension() != ".zdl") continue;
            SCOPED_TRACE(mission.path().string());
            ++missions;
            const std::optional<MissionFields> loaded = LoadMissionFields(mission.path());
            ASSERT_TRUE(loaded);
            EXPECT_EQ(MissionFileText(*loaded, mission.path().filename().string()),
                      Read(mission.path()));
        }
    }
    EXPECT_GT(missions, 0);  // the packs were found at all
}

TEST_F(CreatorFolder, AFailedSaveLeavesTheOldFileWhole) {
    Write("Pack/m1.zdl", Fixture("m2.zdl"));
    {
        FullDisk full;
        EXPECT_FALSE(SaveMissionFields(program() / "Pack/m1.zdl", NewMissionFields()));
    }
    EXPECT_EQ(Read(program() / "Pack/m1.zdl"), Fixture("m2.zdl"));
}

TEST_F(CreatorFolder, MissionsAreNumberedByCountPlusOne) {
    PackManager packs(program());
    fs::create_directories(program() / "Empty");
    EXPECT_EQ(packs.AddMission("Empty").file, program() / "Empty/m1.zdl");

    for (const char* name : {"m1.zdl", "m2.zdl", "m4.zdl", "notes.txt", "m5.zdl.bak"})
        Write(fs::path("Gap") / name, "");
    EXPECT_EQ(packs.MissionsOf("Gap"), (std::vector<std::string>{"m1.zdl", "m2.zdl", "m4.zdl"}));
    EXPECT_EQ(packs.CountMissions("Gap"), 3);
    // The gap is not filled: the next number is m4, which exists and would be overwritten.
    EXPECT_EQ(packs.AddMission("Gap").file, program() / "Gap/m4.zdl");

    fs::create_directories(program() / "Gap/old.zdl");  // a folder named like a mission counts
    EXPECT_EQ(packs.CountMissions("Gap"), 4);
    EXPECT_EQ(packs.MissionsOf("Gap").size(), 3u);

    EXPECT_EQ(packs.AddMission("").message, PackManager::kChoosePack);
    EXPECT_EQ(packs.EditMission("Gap", "").message, PackManager::kChooseMission);
    EXPECT_EQ(packs.EditMission("Gap", "m2.zdl").file, program() / "Gap/m2.zdl");

    // Whatever hands the steps a name, it names something beside the program.
    for (const std::string& pack : std::vector<std::string>{"/etc", "..", "a/b", {"Gap\0x", 5}}) {
        EXPECT_FALSE(packs.AddMission(pack).file) << pack;
        EXPECT_FALSE(packs.EditMission(pack, "m1.zdl").file) << pack;
    }
    EXPECT_FALSE(packs.EditMission("Gap", "../../m1.zdl").file);
}

TEST_F(CreatorFolder, NewPacksAreFoldersBesideTheProgramAndNowhereElse) {
    PackManager packs(program());
    Write("Existing/m1.zdl", "");
    Write("loose.zdl", "");
    EXPECT_EQ(packs.CreatePack(""), PackManager::kNoPackName);
    EXPECT_EQ(packs.CreatePack("Heist"), PackManager::kPackCreated);
    EXPECT_EQ(packs.RefreshPackList(), (std::vector<std::string>{"Existing", "Heist"}));

    for (const std::string& bad : std::vector<std::string>{"Existing",
                                                           "..",
                                                           ".",
                                                           "../outside",
                                                           "a/b",
                                                           "a\\b",
                                                           "C:",
                                                           "con",
                                                           "LPT1",
                                                           "nul.txt",
                                                           {"ab\0cd", 5},
                                                           "tab\there",
                                                           "CONIN$",
                                                           "conout$.log",
                                                           "COM\xB9",
                                                           "CON .txt",
                                                           "dot.",
                                                           "blank "}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(packs.CreatePack(bad), PackManager::kCreationFailed);
    }
    EXPECT_FALSE(fs::exists(folder / "outside"));
    EXPECT_FALSE(fs::exists(program() / "ab"));
    EXPECT_EQ(packs.RefreshPackList().size(), 2u);
}

// A double-click on a line of the pack checker opens the mission it names, and nothing else.
TEST_F(CreatorFolder, ACheckLineOpensTheMissionItNames) {
    PackManager packs(program());
    Write("Heist/m1.zdl", "");
    Write("Heist/notes.zdl", "");
    Write("Heist/sub.zdl/m1.zdl", "");
    EXPECT_EQ(packs.PackToCheck("").message, PackManager::kChoosePackToCheck);
    EXPECT_EQ(packs.PackToCheck("Heist").file, program() / "Heist");
    const struct {
        std::string line;
        std::optional<std::string> mission;
    } cases[] = {
        {"m1.zdl:5: error: unknown placeholder {atack_ip}", "m1.zdl"},
        {"m1.zdl: warning: mixed line ends", "m1.zdl"},
        {"notes.zdl: warning: counts as a mission", "notes.zdl"},
        {"m2.zdl: warning: unreachable", std::nullopt},
        {"sub.zdl: warning: a folder", std::nullopt},
        {"Heist: error: the pack holds no mission file", std::nullopt},
        {"Heist: 1 mission checked, 0 errors, 0 warnings", std::nullopt},
        {"../Heist/m1.zdl:1: error: x", std::nullopt},
        {"m1.zdl", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(packs.MissionOfCheckLine("Heist", c.line), c.mission);
    }
    EXPECT_EQ(packs.MissionOfCheckLine("..", "m1.zdl:1: error: x"), std::nullopt);
}

TEST_F(CreatorFolder, InstructionsAreShownLineByLine) {
    Write("Quenbry.zdl", "line one\r\nline two");
    EXPECT_EQ(LoadInstructions(program() / "Quenbry.zdl"), "line one\r\nline two\r\n");
    EXPECT_FALSE(LoadInstructions(program() / "missing.zdl"));
}

// Whatever a broken file held, what the editor reads from it saves and reads back unchanged.
TEST_F(CreatorFolder, AnythingReadableSurvivesASaveAndAReload) {
    static const char* const kPieces[] = {"*EMAIL",
                                          "*END",
                                          "*end",
                                          "*INFECT_WITH_VIRUS",
                                          " 1 ",
                                          "2",
                                          "x",
                                          "*STEAL_FILE",
                                          "*DESTROY_FILE",
                                          "0",
                                          ";",
                                          "*FOLDER_STUCTURE",
                                          "*TELNET_LOGIN_SCREEN",
                                          "+",
                                          "--",
                                          "\r\n",
                                          "\r",
                                          "\n",
                                          "a"};
    std::mt19937 random(7);
    int readable = 0;
    for (int i = 0; i < 500; ++i) {
        std::string bytes;
        for (int piece = static_cast<int>(random() % 30); piece > 0; --piece)
            bytes += kPieces[random() % std::size(kPieces)];
        Write("Pack/m1.zdl", bytes);
        const std::optional<MissionFields> first = LoadMissionFields(program() / "Pack/m1.zdl");
        if (!first) continue;
        ++readable;
        ASSERT_TRUE(SaveMissionFields(program() / "Pack/m1.zdl", *first));
        const std::optional<MissionFields> again = LoadMissionFields(program() / "Pack/m1.zdl");
        ASSERT_TRUE(again) << bytes;
        EXPECT_EQ(MissionFileText(*again, "m1.zdl"), MissionFileText(*first, "m1.zdl")) << bytes;
    }
    EXPECT_GT(readable, 100);
}

}  // namespace

namespace {

// Installed, the shipped packs ("programs") are only read, and everything Quenbry makes lands in
// the player's MissionPack folder, which need not exist yet.
class InstalledCreator : public CreatorFolder {
protected:
    InstalledCreator() {
        Write("Shipped/m1.zdl", Fixture("m1.zdl"));
        Write("Shipped/m2.zdl", Fixture("m2.zdl"));
        Write("Quenbry.zdl", "help\r\n");
    }
    fs::path user() const { return folder / "home/Zindrel/MissionPack"; }
    // Every file below the shipped folder with its bytes.
    std::map<std::string, std::string> Shipped() {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(program()))
            files[entry.path().string()] = entry.is_regular_file() ? Read(entry.path()) : "/";
        return files;
    }
};

TEST_F(InstalledCreator, NewPacksGoToThePlayersFolderAndBothAreListed) {
    const auto before = Shipped();
    PackManager packs(GameFolders{program(), user()});
    EXPECT_EQ(packs.InstructionsFile(), program() / "Quenbry.zdl");
    EXPECT_EQ(packs.CreatePack("Heist"), PackManager::kPackCreated);
    EXPECT_TRUE(fs::is_directory(user() / "Heist"));
    // A shipped pack's name is taken: the new pack would hide it from the game.
    EXPECT_EQ(packs.CreatePack("Shipped"), PackManager::kCreationFailed);
    EXPECT_EQ(packs.RefreshPackList(), (std::vector<std::string>{"Heist", "Shipped"}));
    EXPECT_EQ(packs.AddMission("Heist").file, user() / "Heist/m1.zdl");
    EXPECT_EQ(Shipped(), before);
}

TEST_F(InstalledCreator, ChangingAShippedPackCopiesItWholeToThePlayersFolder) {
    const auto before = Shipped();
    PackManager packs(GameFolders{program(), user()});
    EXPECT_EQ(packs.MissionsOf("Shipped"), (std::vector<std::string>{"m1.zdl", "m2.zdl"}));

    // Checking reads the pack the game would play: the shipped one until the player has his own.
    EXPECT_EQ(packs.PackToCheck("Shipped").file, program() / "Shipped");
    EXPECT_EQ(packs.MissionOfCheckLine("Shipped", "m2.zdl:3: error: x"), "m2.zdl");

    const PackManager::Choice edit = packs.EditMission("Shipped", "m2.zdl");
    ASSERT_TRUE(edit.file);
    EXPECT_EQ(*edit.file, user() / "Shipped/m2.zdl");
    EXPECT_EQ(Read(user() / "Shipped/m1.zdl"), Fixture("m1.zdl"));
    EXPECT_EQ(Read(user() / "Shipped/m2.zdl"), Fixture("m2.zdl"));
    // The copy was made once and is the player's from now on: the next mission is numbered
    // after it, and nothing of the copying is left behind.
    EXPECT_EQ(packs.PackToCheck("Shipped").file, user() / "Shipped");
    EXPECT_EQ(packs.AddMission("Shipped").file, user() / "Shipped/m3.zdl");
    ASSERT_TRUE(SaveMissionFields(user() / "Shipped/m3.zdl", NewMissionFields()));
    EXPECT_EQ(packs.MissionsOf("Shipped"),
              (std::vector<std::string>{"m1.zdl", "m2.zdl", "m3.zdl"}));
    EXPECT_EQ(ListFolders(user()), std::vector<std::string>{"Shipped"});
    EXPECT_EQ(std::distance(fs::directory_iterator(user()), fs::directory_iterator()), 1);
    EXPECT_EQ(Shipped(), before);
}

TEST_F(InstalledCreator, APackThatCannotBeCopiedIsReportedAndNothingIsHalfMade) {
    // The player's folder cannot be made: a file stands where a folder on its way should be.
    fs::create_directories(folder / "home");
    std::ofstream(folder / "home/Zindrel") << "not a folder";
    PackManager packs(GameFolders{program(), user()});
    EXPECT_EQ(packs.EditMission("Shipped", "m1.zdl").message, PackManager::kCopyFailed);
    EXPECT_FALSE(packs.AddMission("Shipped").file);
    EXPECT_EQ(packs.CreatePack("Heist"), PackManager::kCreationFailed);
    EXPECT_EQ(packs.RefreshPackList(), std::vector<std::string>{"Shipped"});
}

}  // namespace
