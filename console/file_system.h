// A machine's simulated file system: a flat list of folders under the root and a list of files.
#pragma once

#include <string>
#include <vector>

struct FileSystemRecord {
    // Entry 0 is always "." (the root); every other folder is a direct child of the root.
    std::vector<std::string> Folders{"."};
    // "<folder index>&<name>"; an empty entry is a deleted file and is never removed.
    std::vector<std::string> Files;
    // The folder the console is in, spelled as the player typed it; "." for the root.
    std::string CurrentFolder = ".";
};
