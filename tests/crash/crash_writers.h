// The saves the crash tests interrupt: every writer of the game and of Quenbry, the file each
// writes, and two versions of what it writes, large enough that a torn file shows.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

struct CrashWriter {
    const char* name;
    std::filesystem::path file;  // in the application folder
    // The bytes version 0 or 1 puts on the disk.
    std::function<std::string(int version)> bytes;
    // Saves that version with the game's own writer; false when the writer reports a failure.
    std::function<bool(const std::filesystem::path& appFolder, int version)> save;
    // Other files the same save writes first (the saved game's file system), whose temporaries
    // also show a kill in the middle of the save.
    std::vector<std::filesystem::path> writtenBefore;
};

const std::vector<CrashWriter>& CrashWriters();
const CrashWriter* FindCrashWriter(const std::string& name);

// What LOAD makes of the saved game the "savedgame" writer left in the folder: the version it
// restored whole (0 or 1), -1 when it refused, -2 when it restored a mix of both.
int LoadedVersion(const std::filesystem::path& appFolder);

// Gives an application folder what the writers need: the English texts and their folders.
void PrepareCrashFolder(const std::filesystem::path& appFolder);

// How a test names a writer in its messages.
inline void PrintTo(const CrashWriter& writer, std::ostream* out) {
    *out << writer.name;
}
