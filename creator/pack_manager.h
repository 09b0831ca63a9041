// Quenbry's pack manager: the packs, their missions, new packs, and which mission file
// "Add Mission" and "Edit Mission" open.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/game_folders.h"

// The packs are the sub-folders of the game's MissionPack folder. Beside the program in a
// portable folder that is one folder; installed, the shipped packs are read-only and everything
// Quenbry makes goes to the player's own MissionPack folder, whose packs the game lists too.
class PackManager {
public:
    explicit PackManager(GameFolders packFolders) : folders_(std::move(packFolders)) {}
    // The portable case: the packs are the folders beside the program.
    explicit PackManager(const std::filesystem::path& programFolder)
        : PackManager(GameFolders::Portable(programFolder)) {}

    // The instruction file Quenbry.zdl, the player's if he has one, else the shipped one.
    std::filesystem::path InstructionsFile() const { return folders_.Find("Quenbry.zdl"); }

    // The packs of both folders, sorted by name, one entry per name.
    std::vector<std::string> RefreshPackList() const;
    // The mission files (*.zdl) of a pack, sorted by name: the player's pack of that name, else
    // the shipped one, just as the game plays it.
    std::vector<std::string> MissionsOf(const std::string& pack) const;
    // Everything in the pack that ends in ".zdl", folders included.
    std::int16_t CountMissions(const std::string& pack) const;

    // "Create new MissionPack", always in the player's folder: the message to show. A name that
    // a shipped pack has is taken.
    std::string CreatePack(const std::string& name) const;

    // "Add Mission" and "Edit Mission": the file to open in the editor, or the message to show.
    // A shipped pack cannot be written to; the first change to one copies the pack whole into
    // the player's folder, and from then on he edits, and the game plays, his copy.
    struct Choice {
        std::optional<std::filesystem::path> file;
        std::string message;
    };
    Choice AddMission(const std::string& pack) const;
    Choice EditMission(const std::string& pack, const std::string& mission) const;
    // "Check Pack": the pack folder to hand to the checker, or the message to show.
    Choice PackToCheck(const std::string& pack) const;
    // The mission a line of the checker's output is about ("m3.zdl:12: error: ..."), when it
    // names a file of the pack; the pack's own lines and the summary name none. It is opened
    // as "Edit Mission" opens it.
    std::optional<std::string> MissionOfCheckLine(const std::string& pack,
                                                            const std::string& line) const;

    static constexpr const char* kTitle = "Quenbry";
    static constexpr const char* kNoPackName = "You forgot to type a new name for the MissionPack.";
    static constexpr const char* kCreationFailed =
        "MissionPack creation failed. Try a different name and make sure the write permissions "
        "are on";
    static constexpr const char* kPackCreated = "New MissionPack created. Now you can add missions";
    static constexpr const char* kChoosePack = "First choose a MissionPack to add the mission to";
    static constexpr const char* kChooseMission = "Choose a mission to edit!";
    static constexpr const char* kChoosePackToCheck = "First choose a MissionPack to check";
    static constexpr const char* kCopyFailed =
        "The MissionPack could not be copied to your own folder, so it cannot be changed. Make "
        "sure the write permissions are on";

private:
    // The pack's folder to write into; a shipped pack is first copied to the player's folder.
    // Nothing when that copy fails.
    std::optional<std::filesystem::path> WritablePack(const std::string& pack) const;

    GameFolders folders_;
};
