// Laying out the checker's application folder.
#include "scratch_folder.h"

#include "checker/pack_checker.h"

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder(const fs::path& dataFolder, const fs::path& packFolder,
                             const FileStore& files) {
    packName_ = ::PackName(packFolder);
    if (packName_.empty()) packName_ = fs::absolute(packFolder).parent_path().filename().string();
    files_.MakeFolders(path_ / "Save");
    // Missing or unreadable data shows later, as the game meets it.
    auto copy = [&](const fs::path& from, const fs::path& to) {
        if (const std::optional<std::string> bytes = files.ReadIfReadable(from))
            files_.Put(path_ / to, *bytes);
    };
    copy(dataFolder / "Lang/English.zdl", "Lang/English.zdl");
    copy(dataFolder / "FileSystem/defaultfs.zdl", "FileSystem/defaultfs.zdl");
    const fs::path pack = fs::path("MissionPack") / packName_;
    files_.MakeFolders(path_ / pack);
    for (const std::string& mission : files.Files(packFolder, ".zdl"))
        copy(packFolder / mission, pack / mission);
}
