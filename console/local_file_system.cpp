// Loading and saving the player's own file system.
#include <stdexcept>

#include "app/file_routines.h"
#include "app/game.h"

void Game::LoadFileSystem(const std::string& name) {
    try {
        if (!IsPlainName(name + "fs.zdl")) throw FileReadError("not a file name");
        LineReader reader = LineReader::Open(appFolder / "FileSystem" / (name + "fs.zdl"));
        FolderStructureBuilder builder(local);
        while (!reader.AtEnd()) {
            const std::string line = ReadLine(reader);
            // A comment is known by its first character before any placeholder is filled in.
            if (line.starts_with(";")) continue;
            builder.AddLine(ExpandPlaceholders(line));
        }
    } catch (const std::exception&) {
        ShowMessage(LangString("str34"));
        console.Form_Unload();
    }
}

bool Game::SaveFileSystem() {
    const std::string name = state.HackerHandle + "-" + state.MissionPackName + "fs.zdl";
    if (IsPlainName(name) &&
        WriteFileAtomically(appFolder / "FileSystem" / name, WriteFolderStructure(local)))
        return true;
    ShowMessage(LangString("str35"));
    return false;
}
