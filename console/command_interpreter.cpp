// Parsing and dispatch of console commands, and the ending every command shares.
#include "command_interpreter.h"

#include "app/game.h"
#include "app/text_helpers.h"

#include <map>

namespace {

// The last non-empty line of the transcript, or the empty string when there is none.
std::string LastNonEmptyLine(const std::string& transcript) {
    std::size_t end = transcript.size();
    while (true) {
        const std::size_t start = end < 2 ? std::string::npos : transcript.rfind(kCrLf, end - 2);
        const std::size_t lineStart = start == std::string::npos ? 0 : start + kCrLf.size();
        if (lineStart < end) return transcript.substr(lineStart, end - lineStart);
        if (start == std::string::npos) return "";
        end = start;
    }
}

}  // namespace

CommandLineWords CommandInterpreter::Parse(const std::string& line) {
    CommandLineWords parsed;
    parsed.words = SplitString(line, " ");
    if (parsed.words.size() >= 2) parsed.command = parsed.words[1];
    const std::string first = UpperCase(parsed.words[0]);
    if (first == "LOGIN:" || first == "PASSWORD:") parsed.command = parsed.words[0];

    const std::string upper = UpperCase(parsed.command);
    if (upper == "CD.." || upper == "CD\\") {
        parsed.words = {"", "cd", ".."};
        parsed.command = "cd";
    }
    return parsed;
}

void CommandInterpreter::RunCommandLine() {
    RunLine(LastNonEmptyLine(game_.console.Transcript()));
}

void CommandInterpreter::SubmitCommandLine(const std::string& command) {
    MainConsole& console = game_.console;
    // The transcript shows the line that runs: half a word the player typed is not part of it.
    console.DiscardUnsentTyping();
    console.ConsolePrint(command, 0, true);
    // The line is run behind the prompt's first word even when the console was not waiting at
    // its prompt (a hang-up during another command's pause): the submitted command must run, not
    // whatever the transcript's last line happens to be.
    RunLine(console.Prompt.substr(0, console.Prompt.find(' ')) + " " + command);
}

void CommandInterpreter::RunLine(const std::string& line) {
    struct Running {
        int& depth;
        explicit Running(int& d) : depth(++d) {}
        ~Running() { --depth; }
    } running{running_};
    MainConsole& console = game_.console;
    console.ConsolePrint("", 0, true);

    CommandLineWords parsed = Parse(line);
    Execute(parsed);

    if (!parsed.errorText.empty())
        console.ConsolePrint(std::string(kCrLf) + parsed.errorText, 0, true);
    game_.platform.Sleep(200);
    console.ShowPrompt();
    console.FocusCommandLine();
}

bool CommandInterpreter::HasArguments(CommandLineWords& line, std::size_t count,
                                      const char* usageKey) {
    if (line.ArgumentCount() == count) return true;
    line.errorText = game_.LangString(usageKey);
    return false;
}

void CommandInterpreter::Execute(CommandLineWords& line) {
    using Handler = void (CommandInterpreter::*)(CommandLineWords&);
    static const std::map<std::string, Handler> kCommands = {
        {"PING", &CommandInterpreter::Ping},
        {"TELNET", &CommandInterpreter::Telnet},
        {"LOGIN:", &CommandInterpreter::Login},
        {"PASSWORD:", &CommandInterpreter::Password},
        {"DISCONNECT", &CommandInterpreter::Disconnect},
        {"DIR", &CommandInterpreter::Dir},
        {"LS", &CommandInterpreter::Dir},
        {"CD", &CommandInterpreter::Cd},
        {"DEL", &CommandInterpreter::Del},
        {"RM", &CommandInterpreter::Del},
        {"MKDIR", &CommandInterpreter::Mkdir},
        {"MD", &CommandInterpreter::Mkdir},
        {"CLS", &CommandInterpreter::Cls},
        {"IPCONFIG", &CommandInterpreter::Ipconfig},
        {"HELP", &CommandInterpreter::Help},
        {"SAVE", &CommandInterpreter::Save},
        {"LOAD", &CommandInterpreter::Load},
        {"SHUTDOWN", &CommandInterpreter::Shutdown},
        {"FORMAT", &CommandInterpreter::Format},
        {"WHAT_IS_THE_MATRIX?", &CommandInterpreter::WhatIsTheMatrix},
        {"A_MAN_NEEDS_PR0N", &CommandInterpreter::AManNeedsPr0n},
        {"WHERE_CAN_I_PLACE_MY_JOLT?", &CommandInterpreter::WhereCanIPlaceMyJolt},
        {"I_AM_VORLEN", &CommandInterpreter::IAmVorlen},
        {"TEST_HIGHSCORE", &CommandInterpreter::TestHighscore},
        {"PORTSCANNERW32.EXE", &CommandInterpreter::RunToolProgram},
        {"PORTSCANNERW32", &CommandInterpreter::RunToolProgram},
        {"DESTROYFILEW32.EXE", &CommandInterpreter::RunToolProgram},
        {"DESTROYFILEW32", &CommandInterpreter::RunToolProgram},
        {"PASSWORDHACKERW32.EXE", &CommandInterpreter::RunToolProgram},
        {"PASSWORDHACKERW32", &CommandInterpreter::RunToolProgram},
        {"VIRUSUPLOADERW32.EXE", &CommandInterpreter::RunToolProgram},
        {"VIRUSUPLOADERW32", &CommandInterpreter::RunToolProgram},
        {"INSTALL.EXE", &CommandInterpreter::InstallExe},
    };
    const auto command = kCommands.find(UpperCase(line.command));
    (this->*(command == kCommands.end() ? &CommandInterpreter::UnknownCommand : command->second))(
        line);
}
