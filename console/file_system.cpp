// Lookups in a file system and its folder-structure text.
#include "file_system.h"

#include <charconv>
#include <stdexcept>

#include "app/text_helpers.h"

int FindFolder(const FileSystemRecord& record, std::string_view name) {
    for (std::size_t i = 0; i < record.Folders.size(); ++i)
        if (EqualsIgnoringCase(record.Folders[i], name)) return static_cast<int>(i);
    return -1;
}

int FolderOfFile(std::string_view entry) {
    const std::size_t amp = entry.find('&');
    if (entry.empty() || amp == std::string_view::npos) return -1;
    int folder = -1;
    const auto [end, error] = std::from_chars(entry.data(), entry.data() + amp, folder);
    if (error != std::errc() || end != entry.data() + amp) return -1;
    return folder;
}

std::string NameOfFile(std::string_view entry) {
    const std::size_t amp = entry.find('&');
    return amp == std::string_view::npos ? std::string() : std::string(entry.substr(amp + 1));
}

FolderStructureBuilder::FolderStructureBuilder(FileSystemRecord& record) : record_(record) {
    record_.Folders.assign(1, ".");
}

void FolderStructureBuilder::AddLine(std::string_view line) {
    if (line.starts_with("--")) {
        // The list is rebuilt entry by entry: it ends with exactly as many entries as file lines,
        // and a text without file lines leaves the old list alone.
        record_.Files.resize(static_cast<std::size_t>(fileCount_) + 1);
        record_.Files[static_cast<std::size_t>(fileCount_)] =
            std::to_string(record_.Folders.size() - 1) + "&" + std::string(line.substr(2));
        ++fileCount_;
    } else if (line.starts_with("+")) {
        if (record_.Folders.size() >= 32767) throw std::overflow_error("too many folders");
        record_.Folders.emplace_back(line.substr(1));
    }
}

std::string WriteFolderStructure(const FileSystemRecord& record) {
    // The files are sorted into their folders once, keeping list order within each folder, so a
    // large file system costs files plus folders, not their product.
    std::vector<std::vector<const std::string*>> filesOf(record.Folders.size());
    for (const std::string& entry : record.Files) {
        const int folder = FolderOfFile(entry);
        if (folder >= 0 && static_cast<std::size_t>(folder) < filesOf.size())
            filesOf[static_cast<std::size_t>(folder)].push_back(&entry);
    }
    std::string text;
    for (std::size_t folder = 0; folder < record.Folders.size(); ++folder) {
        if (folder != 0) text += "+" + record.Folders[folder] + std::string(kCrLf);
        for (const std::string* entry : filesOf[folder]) {
            const std::string name = NameOfFile(*entry);
            text += "--" + name.substr(0, name.find('&')) + std::string(kCrLf);
        }
    }
    return text;
}
