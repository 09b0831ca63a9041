// The console's command interpreter: reads the last line of the transcript, runs the command
// it names and ends with a fresh prompt.
#pragma once

#include <string>
#include <vector>

class Game;

// What one command works with; every run has its own, so a command submitted during another
// command's pause cannot disturb it.
struct CommandLineWords {
    std::vector<std::string> words;
    std::string command;
    std::string errorText;

    // Words 2 and 3 are the arguments; "exactly one argument" means exactly three words.
    std::size_t ArgumentCount() const { return words.size() < 2 ? 0 : words.size() - 2; }
    const std::string& Argument(std::size_t index) const { return words.at(index + 2); }
    // At the login screen: the typed login or password, the first word after the prompt word;
    // a bare prompt word is an empty answer.
    std::string Answer() const { return words.size() >= 2 ? words[1] : std::string(); }
};

class CommandInterpreter {
public:
    explicit CommandInterpreter(Game& game) : game_(game) {}

    // Runs the last non-empty line of the transcript.
    void RunCommandLine();

    // Runs a command line that another part of the game submits: it is printed into the
    // transcript and run as if the player had typed it at the prompt.
    void SubmitCommandLine(const std::string& command);

    // Splits a transcript line into its words and picks the command word.
    static CommandLineWords Parse(const std::string& line);

    // True while a command runs (it may be waiting in a pause).
    bool Running() const { return running_ > 0; }

private:
    void RunLine(const std::string& line);
    // True when the line has exactly that many arguments; otherwise the usage text of the key
    // becomes the command's error text.
    bool HasArguments(CommandLineWords& line, std::size_t count, const char* usageKey);
    void Execute(CommandLineWords& line);

    // File commands, on the file system selected when the command started.
    void Dir(CommandLineWords& line);
    void Cd(CommandLineWords& line);
    void Del(CommandLineWords& line);
    void Mkdir(CommandLineWords& line);

    // The remote session.
    void Ping(CommandLineWords& line);
    void Telnet(CommandLineWords& line);
    void Login(CommandLineWords& line);
    void Password(CommandLineWords& line);
    void Disconnect(CommandLineWords& line);
    void LeaveLoginScreen();
    void ReturnToOwnPrompt();

    // Tool programs: installing a tool, and the uploaded virus's installer.
    void RunToolProgram(CommandLineWords& line);
    void InstallExe(CommandLineWords& line);

    // Console commands.
    void Cls(CommandLineWords& line);
    void Ipconfig(CommandLineWords& line);
    void Help(CommandLineWords& line);
    void Save(CommandLineWords& line);
    void Load(CommandLineWords& line);
    void Shutdown(CommandLineWords& line);
    void Format(CommandLineWords& line);
    void WhatIsTheMatrix(CommandLineWords& line);
    void AManNeedsPr0n(CommandLineWords& line);
    void WhereCanIPlaceMyJolt(CommandLineWords& line);
    void IAmVorlen(CommandLineWords& line);
    void TestHighscore(CommandLineWords& line);
    void UnknownCommand(CommandLineWords& line);

    // SAVE and LOAD only while a mission runs and no line to the target is open.
    bool SaveLoadAllowed(CommandLineWords& line);

    Game& game_;
    int running_ = 0;
};
