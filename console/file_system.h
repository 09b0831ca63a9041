// A machine's simulated file system: a flat list of folders under the root and a list of files,
// with the lookups the commands use and the folder-structure line format.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct FileSystemRecord {
    // Entry 0 is always "." (the root); every other folder is a direct child of the root.
    std::vector<std::string> Folders{"."};
    // "<folder index>&<name>"; an empty entry is a deleted file and is never removed.
    std::vector<std::string> Files;
    // The folder the console is in, spelled as the player typed it; "." for the root.
    std::string CurrentFolder = ".";
};

// The first folder whose name equals the given one without regard to case, or -1.
int FindFolder(const FileSystemRecord& record, std::string_view name);

// The folder index a file entry belongs to (its digits before the first "&"), or -1 for a
// deleted entry.
int FolderOfFile(std::string_view entry);

// The file name of an entry: everything after its first "&".
std::string NameOfFile(std::string_view entry);

// Builds a file system from folder-structure lines: "+name" declares the next folder, "--name" a
// file in the folder declared last (the root before any folder). Comments and placeholders are
// the caller's business; other lines are ignored.
class FolderStructureBuilder {
public:
    explicit FolderStructureBuilder(FileSystemRecord& record);
    // Throws std::overflow_error when the folders no longer fit a 16-bit count.
    void AddLine(std::string_view line);
    int FileLines() const { return fileCount_; }

private:
    FileSystemRecord& record_;
    int fileCount_ = 0;
};

// The folder-structure text of a file system: root files first, then each folder with its files.
// A deleted entry is left out; a name is written up to a second "&".
std::string WriteFolderStructure(const FileSystemRecord& record);
