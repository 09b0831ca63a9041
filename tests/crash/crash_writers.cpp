// The writers the crash tests interrupt, each with its two versions.
#include "crash_writers.h"

#include "app/game.h"
#include "app/settings.h"
#include "app/text_helpers.h"
#include "console/file_system.h"
#include "creator/mission_fields.h"
#include "harness/fake_platform.h"
#include "harness/test_game.h"

namespace {

FileSystemRecord Files(int version) {
    FileSystemRecord record;
    record.Folders = {".", "DOWNLOADS", version == 0 ? "Music" : "Pictures"};
    const int count = version == 0 ? 3000 : 4500;
    for (int i = 0; i < count; ++i)
        record.Files.push_back(std::to_string(i % 3) + "&file" + std::to_string(i) + "-v" +
                               std::to_string(version) + ".txt");
    return record;
}

MissionFields Mission(int version) {
    MissionFields fields = NewMissionFields();
    fields.title = version == 0 ? "The first job" : "The second job";
    fields.from = "fixer";
    for (int line = 0; line < (version == 0 ? 2000 : 3000); ++line)
        fields.email += (line ? "\r\n" : "") + std::string("line ") + std::to_string(line) +
                        " of version " + std::to_string(version);
    fields.steal = version == 1;
    fields.stealfiles = "plans.doc";
    return fields;
}

// A game in the state a version's save writes.
struct SavingGame {
    SavingGame(const std::filesystem::path& folder, int version) : game(platform, folder, view) {
        game.state.HackerHandle = "neo";
        game.state.MissionPackName = "Pack";
        game.state.MissionsCompleted = static_cast<std::int16_t>(3 + version);
        game.state.BustedCount = static_cast<std::int16_t>(version);
        game.state.PlaySeconds = 1000 + 977 * version;
        game.state.SaveCount = static_cast<std::int16_t>(7 * version);
        game.local = Files(version);
        game.console.SetVisible("butvirus", version == 1);
    }
    FakePlatform platform;
    ConsoleView view;
    Game game;
};

bool SaveGame(const std::filesystem::path& folder, int version) {
    return SavingGame(folder, version).game.savedGames.Save();
}

Settings Choice(int version) {
    return version == 0 ? Settings{"English", 1, 0} : Settings{"Deutsch", 0, 1};
}

}  // namespace

const std::vector<CrashWriter>& CrashWriters() {
    static const std::vector<CrashWriter> writers = {
        {"settings",
         "Zindrel.ini",
         [](int version) {
             const Settings settings = Choice(version);
             return settings.Language + "\r\n" + PrintNumber(settings.SoundOn) + "\r\n" +
                    PrintNumber(settings.TypeSoundOn) + "\r\n";
         },
         [](const std::filesystem::path& folder, int version) {
             return SaveSettings(folder, Choice(version));
         },
         {}},
        // The two files of a SAVE, each seen on its own.
        {"filesystem",
         "FileSystem/neo-Packfs.zdl",
         [](int version) { return WriteFolderStructure(Files(version)); },
         SaveGame,
         {"FileSystem/.neo-Packfs.zdl.next", "Save/neo-Pack.zdl"}},
        {"savedgame",
         "Save/neo-Pack.zdl",
         [](int version) {
             return SavingGame(".", version)
                 .game.savedGames.SaveText(
                     SavedGames::StampOf(WriteFolderStructure(Files(version))));
         },
         SaveGame,
         {"FileSystem/.neo-Packfs.zdl.next"}},
        {"mission",
         "MissionPack/Pack/m1.zdl",
         [](int version) { return MissionFileText(Mission(version), "m1.zdl"); },
         [](const std::filesystem::path& folder, int version) {
             return SaveMissionFields(folder / "MissionPack/Pack/m1.zdl", Mission(version));
         },
         {}},
    };
    return writers;
}

int LoadedVersion(const std::filesystem::path& folder) {
    FakePlatform platform;
    ConsoleView view;
    Game game(platform, folder, view);
    game.state.HackerHandle = "neo";
    game.state.MissionPackName = "Pack";
    game.state.MissionCount = 10;
    if (!game.savedGames.Load()) return -1;
    const GameState& state = game.state;
    for (int version : {0, 1}) {
        const SavingGame saved(".", version);
        if (state.MissionsCompleted == saved.game.state.MissionsCompleted &&
            state.BustedCount == saved.game.state.BustedCount &&
            state.PlaySeconds == saved.game.state.PlaySeconds &&
            state.SaveCount == saved.game.state.SaveCount &&
            game.console.IsVisible("butvirus") == saved.game.console.IsVisible("butvirus") &&
            WriteFolderStructure(game.local) == WriteFolderStructure(Files(version)))
            return version;
    }
    return -2;
}

const CrashWriter* FindCrashWriter(const std::string& name) {
    for (const CrashWriter& writer : CrashWriters())
        if (name == writer.name) return &writer;
    return nullptr;
}

void PrepareCrashFolder(const std::filesystem::path& appFolder) {
    std::filesystem::create_directories(appFolder / "Lang");
    std::filesystem::copy_file(SourceDataFolder() / "Lang/English.zdl",
                               appFolder / "Lang/English.zdl",
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::create_directories(appFolder / "FileSystem");
    std::filesystem::create_directories(appFolder / "MissionPack/Pack");
    std::filesystem::create_directories(appFolder / "Save");
}
