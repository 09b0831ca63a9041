// One mission file read line by line, the way the game reads it, noting where each thing stands:
// the problems a single file can show, and the facts the pack's checks need (what the mail
// tells, which tools lie on the host, what the objectives ask).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/file_store.h"
#include "checker/problem.h"

// A file or folder line of the host's file system, as written (placeholders unfilled).
struct HostEntry {
    std::string folder;  // "." for the root
    std::string name;
    int line = 0;
};

struct MissionFacts {
    std::string file;
    bool readable = false;  // the game would read the file at all
    std::vector<Problem> problems;

    // Sections the file has; a section it lacks leaves the previous mission's values in place.
    bool hasMail = false, hasTelnet = false, hasFolders = false;
    bool hasVirus = false, hasSteal = false, hasDestroy = false;

    // Where the placeholders that decide the target are drawn last ("mail", "telnet", "other",
    // kReplaced when a later section replaced the text that drew it, or empty when the file
    // draws none); the last draw is the target's value.
    std::string lastAttackIp, lastAttackPort, lastLogin, lastPassword;
    static constexpr const char* kReplaced = "replaced";

    std::string mail;  // the mail's lines as written, one after the other
    bool infect = false;
    struct Wanted {
        std::string name;
        int line = 0;
    };
    std::vector<Wanted> steal, destroy;
    std::vector<HostEntry> files;     // the host's files
    std::vector<std::string> folders;  // the host's folders, without the root
    int foldersLine = 0;               // the *FOLDER_STUCTURE header
};

// Reads one mission file of a pack. The self-name line must be the name the game builds for it
// ("m3.zdl"), whatever case the file's own name has on the disk.
MissionFacts ReadMissionFacts(const std::filesystem::path& file, const std::string& selfName,
                              const FileStore& files = DiskFiles());

// The placeholders a mission line may hold.
inline constexpr const char* kPlaceholders[] = {"{hacker}",       "{attack_ip}",   "{random_ip}",
                                                "{attack_port}",  "{own_ip}",      "{random_login}",
                                                "{random_password}"};
