// Loading and saving the player's own file system.
#include <stdexcept>
#include <tuple>

#include "app/file_routines.h"
#include "app/game.h"

std::optional<FileSystemRecord> Game::ReadFileSystem(const std::string& name) {
    if (!IsPlainName(name + "fs.zdl")) return std::nullopt;
    try {
        LineReader reader =
            folders.Files().Open(folders.Find(std::filesystem::path("FileSystem") / (name + "fs.zdl")));
        return FileSystemFromText(reader.TakeBytes());
    } catch (const FileReadError&) {
        return std::nullopt;
    }
}

std::optional<FileSystemRecord> Game::FileSystemFromText(std::string bytes) {
    const auto drawn =
        std::tuple(state.AttackIp, state.AttackPort, state.MissionLogin, state.MissionPassword);
    try {
        LineReader reader(std::move(bytes));
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
