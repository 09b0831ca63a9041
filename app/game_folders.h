// Where the game's files are: the data it ships with, which may be read-only, and the player's
// own folder, which everything the game or Quenbry writes goes to. A portable application folder
// is both at once.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/file_store.h"

struct GameFolders {
    // The shipped data: languages, sounds, the default file system, the help text, the packs.
    std::filesystem::path data;
    // The player's: settings, saved games and file systems, and any packs or languages of his own.
    std::filesystem::path user;
    // Where both lie: the disk, or a folder in memory.
    FileStore* store = &DiskFiles();

    FileStore& Files() const { return *store; }

    // A folder that holds the data and takes the player's files as well.
    static GameFolders Portable(const std::filesystem::path& folder,
                                FileStore& files = DiskFiles()) {
        return {folder, folder, &files};
    }

    // The file or folder to read for a path relative to the game's folders: the player's when he
    // has one of that name (found without regard to case), else the shipped one.
    std::filesystem::path Find(const std::filesystem::path& relative) const;

    // Where a relative path is written: always in the player's folder. The folders leading to it
    // are made on the way; when that fails, the write itself fails and reports it.
    std::filesystem::path ForWriting(const std::filesystem::path& relative) const;

    // A sub-folder (a pack) as a whole: the player's when he has a folder of exactly that name,
    // else the shipped one. A pack is never mixed from both.
    std::filesystem::path FolderOf(const std::filesystem::path& relative) const;
    // True when that sub-folder is the player's.
    bool IsUsers(const std::filesystem::path& relative) const;

    // The folders, or the files with an extension, directly inside a relative folder, from both
    // places: one entry per name, sorted as ListFolders and ListFiles sort.
    std::vector<std::string> ListFolders(const std::filesystem::path& relative) const;
    std::vector<std::string> ListFiles(const std::filesystem::path& relative,
                                       std::string_view extension) const;
};
