// Quenbry's pack manager: the packs beside the program, their missions, new packs, and which
// mission file "Add Mission" and "Edit Mission" open.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class PackManager {
public:
    explicit PackManager(std::filesystem::path programFolder)
        : programFolder_(std::move(programFolder)) {}

    const std::filesystem::path& ProgramFolder() const { return programFolder_; }

    // The folders beside the program, each a pack, sorted by name.
    std::vector<std::string> RefreshPackList() const;
    // The mission files (*.zdl) of a pack, sorted by name.
    std::vector<std::string> MissionsOf(const std::string& pack) const;
    // Everything in the pack that ends in ".zdl", folders included.
    std::int16_t CountMissions(const std::string& pack) const;

    // "Create new MissionPack": the message to show.
    std::string CreatePack(const std::string& name) const;

    // "Add Mission" and "Edit Mission": the file to open in the editor, or the message to show.
    struct Choice {
        std::optional<std::filesystem::path> file;
        std::string message;
    };
    Choice AddMission(const std::string& pack) const;
    Choice EditMission(const std::string& pack, const std::string& mission) const;
    // "Check Pack": the pack folder to hand to the checker, or the message to show.
    Choice PackToCheck(const std::string& pack) const;
    // The mission a line of the checker's output is about ("m3.zdl:12: error: ..."), when it
    // names a file of the pack; the pack's own lines and the summary name none.
    std::optional<std::filesystem::path> MissionOfCheckLine(const std::string& pack,
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

private:
    std::filesystem::path programFolder_;
};
