// Running a tool's program file installs the tool; INSTALL.EXE installs the uploaded virus.
#include "app/game.h"
#include "app/text_helpers.h"
#include "console/command_interpreter.h"

namespace {

// Which button a program makes visible, chosen by the first characters of its name.
struct ToolProgram {
    const char* prefix;
    const char* button;
};
constexpr ToolProgram kToolPrograms[] = {{"PORTSCANNERW32", "butportscan"},
                                         {"DESTROYFILEW32", "butdestroy"},
                                         {"PASSWORDHACKERW32", "butpasswordhack"},
                                         {"VIRUSUPLOADERW32", "butvirus"}};

}  // namespace

void CommandInterpreter::RunToolProgram(CommandLineWords& line) {
    FileSystemRecord& files = game_.ActiveFileSystem();
    std::string program = UpperCase(line.command);
    if (program.find(".EXE") == std::string::npos) program += ".EXE";

    MainConsole& console = game_.console;
    const std::string wanted =
        std::to_string(FindFolder(files, files.CurrentFolder)) + "&" + program;
    bool found = false;
    // Index by index: the pause in the messages lets a hang-up run, and the list stays the one
    // the command started with.
    for (std::size_t i = 0; i < files.Files.size(); ++i) {
        if (UpperCase(files.Files[i]) != wanted) continue;
        found = true;
        console.ConsolePrint("", 0, true);
        console.ConsolePrint(
            game_.LangString("str75") + " " + program + " " + game_.LangString("str76"), 10, true);
        console.ConsolePrint(game_.LangString("str77"), 0, true);
        for (const ToolProgram& tool : kToolPrograms)
            if (program.starts_with(tool.prefix)) console.SetVisible(tool.button, true);
    }
    if (!found) line.errorText = game_.LangString("str78");
}

void CommandInterpreter::InstallExe(CommandLineWords& line) {
    const GameState& state = game_.state;
    if (!state.Connected) {
        line.errorText = game_.LangString("str68");
        return;
    }
    // The installer is there only once the virus has been uploaded.
    if (!state.VirusUploaded) {
        line.errorText = game_.LangString("str78");
        return;
    }
    MainConsole& console = game_.console;
    console.ConsolePrint("", 0, true);
    console.ConsolePrint(game_.LangString("str79"), 6, true);
    console.ConsolePrint(game_.LangString("str80"), 0, true);
}
