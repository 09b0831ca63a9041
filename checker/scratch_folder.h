// An application folder of the checker's own in the temporary directory: the game's data it
// needs and a copy of the pack, so the game's own code can load and play the pack wherever the
// author keeps it. Removed again when done.
#pragma once

#include <filesystem>
#include <string>

class ScratchFolder {
public:
    // dataFolder holds the game's data (Lang/English.zdl, FileSystem/defaultfs.zdl).
    ScratchFolder(const std::filesystem::path& dataFolder, const std::filesystem::path& packFolder);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    const std::string& PackName() const { return packName_; }

private:
    std::filesystem::path path_;
    std::string packName_;
};
