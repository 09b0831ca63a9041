// An application folder of the checker's own, held in memory: the game's data it needs and a
// copy of the pack, so the game's own code can load and play the pack wherever the author keeps
// it, and whatever the game writes meanwhile stays out of the author's folders.
#pragma once

#include <filesystem>
#include <string>

#include "app/memory_file_store.h"

class ScratchFolder {
public:
    // dataFolder holds the game's data (Lang/English.zdl, FileSystem/defaultfs.zdl); both it and
    // the pack are read from the given files.
    ScratchFolder(const std::filesystem::path& dataFolder, const std::filesystem::path& packFolder,
                  const FileStore& files);

    const std::filesystem::path& Path() const { return path_; }
    MemoryFileStore& Files() { return files_; }
    const std::string& PackName() const { return packName_; }

private:
    std::filesystem::path path_ = "/checker";
    MemoryFileStore files_;
    std::string packName_;
};
