// Loading and saving the player's own file system.
#include <stdexcept>
#include <tuple>

#include "app/file_routines.h"
#include "app/game.h"

std::optional<FileSystemRecord> Game::ReadFileSystem(const std::string& name) {
    const auto drawn =
        std::tuple(state.AttackIp, state.AttackPort, state.MissionLogin, state.MissionPassword);
    try {
        if (!IsPlainName(name + "fs.zdl")) throw FileReadError("not a file name");
        LineReader reader =
            LineReader::Open(folders.Find(std::filesystem::path("FileSystem") / (name + "fs.zdl")));
        FileSystemRecord record = local;
        FolderStructureBuilder builder(record);
        while (!reader.AtEnd()) {
            const std::string line = ReadLine(reader);
            // A comment is known by its first character before any placeholder is filled in.
            if (line.starts_with(";")) continue;
            builder.AddLine(ExpandPlaceholders(line));
        }
        return record;
    } catch (const std::exception&) {
        std::tie(state.AttackIp, state.AttackPort, state.MissionLogin, state.MissionPassword) =
            drawn;
        return std::nullopt;
    }
}

void Game::LoadFileSystem(const std::string& name) {
    std::optional<FileSystemRecord> record = ReadFileSystem(name);
    if (!record) {
        ShowMessage(LangString("str34"));
        console.Form_Unload();
    }
    // The current folder is the caller's to set.
    record->CurrentFolder = local.CurrentFolder;
    local = std::move(*record);
}

bool Game::SaveFileSystem() {
    const std::string name = state.HackerHandle + "-" + state.MissionPackName + "fs.zdl";
    if (IsPlainName(name) &&
        WriteFileAtomically(folders.ForWriting(std::filesystem::path("FileSystem") / name),
                            WriteFolderStructure(local)))
        return true;
    ShowMessage(LangString("str35"));
    return false;
}
