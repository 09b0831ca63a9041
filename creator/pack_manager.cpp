// Listing and creating packs and numbering new missions.
#include "pack_manager.h"

#include <cctype>

#include "app/file_routines.h"

namespace fs = std::filesystem;

namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool EndsInZdl(const std::string& name) {
    return name.size() >= 4 && Upper(name.substr(name.size() - 4)) == ".ZDL";
}

bool IsHidden(const std::string& name) {
    return name.empty() || name[0] == '.';
}

}  // namespace

std::vector<std::string> PackManager::RefreshPackList() const {
    return ListFolders(programFolder_);
}

std::vector<std::string> PackManager::MissionsOf(const std::string& pack) const {
    return ListFiles(programFolder_ / pack, ".zdl");
}

std::int16_t PackManager::CountMissions(const std::string& pack) const {
    std::int16_t count = 0;
    std::error_code error;
    for (fs::directory_iterator it(programFolder_ / pack, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (EndsInZdl(name) && !IsHidden(name)) ++count;
    }
    return count;
}

std::string PackManager::CreatePack(const std::string& name) const {
    if (name.empty()) return kNoPackName;
    std::error_code error;
    if (!IsPlainName(name) || !fs::create_directory(programFolder_ / name, error) || error)
        return kCreationFailed;
    return kPackCreated;
}

PackManager::Choice PackManager::AddMission(const std::string& pack) const {
    // The name comes from the list, but whatever hands it in, it names a folder beside us.
    if (!IsPlainName(pack)) return {std::nullopt, kChoosePack};
    // The next number is the count plus one, not the first free number.
    const std::string file = "m" + std::to_string(CountMissions(pack) + 1) + ".zdl";
    return {programFolder_ / pack / file, ""};
}

PackManager::Choice PackManager::EditMission(const std::string& pack,
                                             const std::string& mission) const {
    if (!IsPlainName(mission)) return {std::nullopt, kChooseMission};
    if (!IsPlainName(pack)) return {std::nullopt, kChoosePack};
    return {programFolder_ / pack / mission, ""};
}

PackManager::Choice PackManager::PackToCheck(const std::string& pack) const {
    if (!IsPlainName(pack)) return {std::nullopt, kChoosePackToCheck};
    return {programFolder_ / pack, ""};
}

std::optional<fs::path> PackManager::MissionOfCheckLine(const std::string& pack,
                                                        const std::string& line) const {
    if (!IsPlainName(pack)) return std::nullopt;
    // A plain name holds no colon, so the first one ends the file's name.
    const std::string name = line.substr(0, line.find(':'));
    std::error_code error;
    if (name.size() == line.size() || !IsPlainName(name) || !EndsInZdl(name) ||
        !fs::is_regular_file(programFolder_ / pack / name, error))
        return std::nullopt;
    return programFolder_ / pack / name;
}
