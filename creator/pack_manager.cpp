// Listing and creating packs and numbering new missions.
#include "pack_manager.h"

#include <cctype>

#include "app/file_routines.h"

namespace fs = std::filesystem;

namespace {

bool EndsInZdl(const std::string& name) {
    return name.size() >= 4 && UpperAscii(name.substr(name.size() - 4)) == ".ZDL";
}

bool IsHidden(const std::string& name) {
    return name.empty() || name[0] == '.';
}

}  // namespace

std::vector<std::string> PackManager::RefreshPackList() const {
    return folders_.ListFolders("");
}

std::vector<std::string> PackManager::MissionsOf(const std::string& pack) const {
    return ListFiles(folders_.FolderOf(pack), ".zdl");
}

std::int16_t PackManager::CountMissions(const std::string& pack) const {
    std::int16_t count = 0;
    std::error_code error;
    for (fs::directory_iterator it(folders_.FolderOf(pack), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (EndsInZdl(name) && !IsHidden(name)) ++count;
    }
    return count;
}

std::string PackManager::CreatePack(const std::string& name) const {
    if (name.empty()) return kNoPackName;
    if (!IsPlainName(name)) return kCreationFailed;
    std::error_code error;
    // A new pack of a shipped pack's name would hide that pack from the game.
    if (fs::exists(folders_.data / name, error)) return kCreationFailed;
    fs::create_directories(folders_.user, error);
    if (!fs::create_directory(folders_.user / name, error) || error) return kCreationFailed;
    return kPackCreated;
}

std::optional<fs::path> PackManager::WritablePack(const std::string& pack) const {
    if (folders_.user == folders_.data || folders_.IsUsers(pack)) return folders_.user / pack;
    // Copied under a hidden name first and renamed when whole: a half-copied pack must never
    // stand in for the shipped one.
    const fs::path copy = folders_.user / ("." + pack + ".copying");
    std::error_code error;
    fs::remove_all(copy, error);
    fs::create_directories(folders_.user, error);
    fs::copy(folders_.data / pack, copy, fs::copy_options::recursive, error);
    if (!error) fs::rename(copy, folders_.user / pack, error);
    if (!error) return folders_.user / pack;
    fs::remove_all(copy, error);
    return std::nullopt;
}

PackManager::Choice PackManager::AddMission(const std::string& pack) const {
    // The name comes from the list, but whatever hands it in, it names a folder of packs.
    if (!IsPlainName(pack)) return {std::nullopt, kChoosePack};
    const std::optional<fs::path> folder = WritablePack(pack);
    if (!folder) return {std::nullopt, kCopyFailed};
    // The next number is the count plus one, not the first free number.
    const std::string file = "m" + std::to_string(CountMissions(pack) + 1) + ".zdl";
    return {*folder / file, ""};
}

PackManager::Choice PackManager::EditMission(const std::string& pack,
                                             const std::string& mission) const {
    if (!IsPlainName(mission)) return {std::nullopt, kChooseMission};
    if (!IsPlainName(pack)) return {std::nullopt, kChoosePack};
    const std::optional<fs::path> folder = WritablePack(pack);
    if (!folder) return {std::nullopt, kCopyFailed};
    return {*folder / mission, ""};
}

PackManager::Choice PackManager::PackToCheck(const std::string& pack) const {
    if (!IsPlainName(pack)) return {std::nullopt, kChoosePackToCheck};
    // The checker reads the pack the game would play: the player's copy when he has one.
    return {folders_.FolderOf(pack), ""};
}

std::optional<std::string> PackManager::MissionOfCheckLine(const std::string& pack,
                                                        const std::string& line) const {
    if (!IsPlainName(pack)) return std::nullopt;
    // A plain name holds no colon, so the first one ends the file's name.
    const std::string name = line.substr(0, line.find(':'));
    std::error_code error;
    if (name.size() == line.size() || !IsPlainName(name) || !EndsInZdl(name) ||
        !fs::is_regular_file(folders_.FolderOf(pack) / name, error))
        return std::nullopt;
    return name;
}
