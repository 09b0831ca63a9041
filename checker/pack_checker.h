// The pack checker: every mission the game would reach, read the game's way, with each problem
// named by file and line, and the pack's tool progression worked out mission by mission.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/file_store.h"

#include "checker/problem.h"

struct PackReport {
    std::string pack;
    int missions = 0;  // the missions the game reaches, m1.zdl onwards without a gap
    std::vector<Problem> problems;  // in file order (missions by number, then others), line order

    int Errors() const;
    int Warnings() const;
    // "Rookie: 8 missions checked, 0 errors, 2 warnings"
    std::string Summary() const;
};

// The pack's name: its folder's, however the path was written ("Packs/Rookie/", "../Rookie").
std::string PackName(const std::filesystem::path& packFolder);

// dataFolder holds the game's data (the player's machine FileSystem/defaultfs.zdl, the English
// texts); the pack folder may lie anywhere.
PackReport CheckPack(const std::filesystem::path& packFolder,
                     const std::filesystem::path& dataFolder,
                     const FileStore& files = DiskFiles());

// The tool programs, by the button each installs, in the order the console lists them.
struct ToolProgram {
    const char* program;  // the file name, in upper case
    const char* name;     // how a problem names it
};
inline constexpr ToolProgram kPortScanner = {"PORTSCANNERW32.EXE", "the port scanner"};
inline constexpr ToolProgram kPasswordHacker = {"PASSWORDHACKERW32.EXE", "the password hacker"};
inline constexpr ToolProgram kVirusUploader = {"VIRUSUPLOADERW32.EXE", "the virus uploader"};
inline constexpr ToolProgram kFileWiper = {"DESTROYFILEW32.EXE", "the file wiper"};
