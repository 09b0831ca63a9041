// Laying out the checker's application folder.
#include "scratch_folder.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <iterator>

#include "app/file_routines.h"
#include "checker/pack_checker.h"

namespace fs = std::filesystem;

namespace {

void CopyFile(const fs::path& from, const fs::path& to) {
    std::ifstream in(from, std::ios::binary);
    if (!in) return;  // missing data shows later, as the game meets it
    fs::create_directories(to.parent_path());
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    out << in.rdbuf();
}

}  // namespace

ScratchFolder::ScratchFolder(const fs::path& dataFolder, const fs::path& packFolder) {
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() /
            ("zindrel-check-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_ / "Save");
    packName_ = ::PackName(packFolder);
    if (packName_.empty()) packName_ = fs::absolute(packFolder).parent_path().filename().string();
    CopyFile(FindIgnoringCase(dataFolder / "Lang/English.zdl"), path_ / "Lang/English.zdl");
    CopyFile(FindIgnoringCase(dataFolder / "FileSystem/defaultfs.zdl"),
             path_ / "FileSystem/defaultfs.zdl");
    for (const std::string& mission : ListFiles(packFolder, ".zdl"))
        CopyFile(packFolder / mission, path_ / "MissionPack" / packName_ / mission);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}
