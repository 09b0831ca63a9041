// DIR, CD, DEL and MKDIR: the commands that list and change a file system.
#include "app/game.h"
#include "app/text_helpers.h"
#include "console/command_interpreter.h"

void CommandInterpreter::Dir(CommandLineWords& /*line*/) {
    FileSystemRecord& files = game_.ActiveFileSystem();
    MainConsole& console = game_.console;
    int fileCount = 0, folderCount = 0;
    console.ConsolePrint("", 0, true);

    const int current = FindFolder(files, files.CurrentFolder);
    if (current == 0) {
        for (std::size_t i = 1; i < files.Folders.size(); ++i) {
            console.ConsolePrint(files.Folders[i] + " <DIR>", 0, true);
            ++folderCount;
        }
    } else {
        console.ConsolePrint(".. <DIR>", 0, true);
    }
    for (const std::string& entry : files.Files) {
        if (entry.empty() || FolderOfFile(entry) != current) continue;
        const std::string name = NameOfFile(entry);
        // The connection log is hidden once the player has deleted it.
        if (name == kOwnIp && game_.state.LogDeleted) continue;
        console.ConsolePrint(name, 0, true);
        ++fileCount;
    }
    console.ConsolePrint(" ", 0, true);
    console.ConsolePrint(std::to_string(fileCount) + " " + game_.LangString("str81"), 0, true);
    console.ConsolePrint(std::to_string(folderCount) + " " + game_.LangString("str82"), 0, true);
}

void CommandInterpreter::Cd(CommandLineWords& line) {
    FileSystemRecord& files = game_.ActiveFileSystem();
    if (!HasArguments(line, 1, "str83")) return;
    std::string target = line.Argument(0);
    if (target == "\\") target = "..";
    if (target != "..") {
        // Folders hold no folders: from inside one, only the way back is open.
        const int found = FindFolder(files, target);
        if (files.CurrentFolder != "." || found < 1) {
            line.errorText = game_.LangString("str84") + " " + target;
            return;
        }
    }
    files.CurrentFolder = target == ".." ? "." : target;
    MainConsole& console = game_.console;
    console.ConsolePrint("", 0, true);
    console.ConsolePrint(game_.LangString("str85"), 0, true);
    console.Prompt = "root[" + files.CurrentFolder + "]# ";
}

void CommandInterpreter::Del(CommandLineWords& line) {
    FileSystemRecord& files = game_.ActiveFileSystem();
    if (!HasArguments(line, 1, "str89")) return;
    const std::string& name = line.Argument(0);
    const std::string wanted = std::to_string(FindFolder(files, files.CurrentFolder)) + "&" + name;
    bool deleted = false;
    for (std::string& entry : files.Files) {
        if (!EqualsIgnoringCase(entry, wanted)) continue;
        if (name == kOwnIp) {
            // The connection log stays in the list; deleting it only hides it, and only once.
            deleted = !game_.state.LogDeleted;
            game_.state.LogDeleted = true;
            break;
        }
        entry.clear();
        deleted = true;  // and on: every duplicate of the name goes too
    }

    MainConsole& console = game_.console;
    console.ConsolePrint("", 0, true);
    if (deleted) {
        console.ConsolePrint(game_.LangString("str90") + " " + name, 6, true);
        console.ConsolePrint("", 0, true);
        console.ConsolePrint(game_.LangString("str91"), 0, true);
    } else {
        console.ConsolePrint(
            game_.LangString("str92") + " " + name + " " + game_.LangString("str93"), 0, true);
    }
}

void CommandInterpreter::Mkdir(CommandLineWords& line) {
    FileSystemRecord& files = game_.ActiveFileSystem();
    if (!HasArguments(line, 1, "str94")) return;
    const std::string& name = line.Argument(0);
    if (FindFolder(files, name) >= 0) {
        line.errorText = game_.LangString("str95") + " " + name + " " + game_.LangString("str96");
        return;
    }
    // A new folder is always a child of the root, wherever the command was given.
    files.Folders.push_back(name);
    game_.console.ConsolePrint("", 0, true);
    game_.console.ConsolePrint(
        game_.LangString("str95") + " " + name + " " + game_.LangString("str97"), 0, true);
}
