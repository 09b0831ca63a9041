// The console's own commands: clearing, network settings, help, saving, shutting down and the
// jokes.
#include "app/game.h"
#include "console/command_interpreter.h"

namespace {

// The fictitious provider the player dials in through.
constexpr const char* kProviderDomain = "dialup.vorlnet.zz";

// The picture a man needs: fifteen lines, each starting with "|".
constexpr const char* kPicture[15] = {
    "|        .-----------------------------.",  "|        |  .-----------------------.  |",
    "|        |  |   HOT SINGLE MOTHER-  |  |",  "|        |  |   BOARD, NO CASE ON!  |  |",
    "|        |  |   ____  ____  ____    |  |",  "|        |  |  |CPU | |RAM | |RAM |  |  |",
    "|        |  |  |____| |____| |____|  |  |", "|        |  |   ::::::::::::::::     |  |",
    "|        |  |   [=] [=] [=] [=]     |  |",  "|        |  |   ISA  ISA  PCI  PCI   |  |",
    "|        |  '-----------------------'  |",  "|        |      all jumpers exposed    |",
    "|        '-------------.  .------------'",  "|                    __|  |__",
    "|  rated X for eXtended memory. enjoy."};

}  // namespace

void CommandInterpreter::Cls(CommandLineWords& /*line*/) {
    game_.console.ClearTranscript();
    game_.platform.Sleep(100);
}

void CommandInterpreter::Ipconfig(CommandLineWords& /*line*/) {
    MainConsole& console = game_.console;
    const std::string lines[] = {"Windows IP-configuration",
                                 "",
                                 "",
                                 "Ethernet-adapter LAN-connection:",
                                 "",
                                 std::string("Connection-specific DNS Suffix: ") + kProviderDomain,
                                 "IP-address. . . . . . . . . . : 192.168.010.001",
                                 "Subnet mask . . . . . . . . . : 255.255.255.000",
                                 "Default gateway . . . . . . . : 192.168.010.001"};
    for (const std::string& text : lines) console.ConsolePrint(text, 0, true);
}

void CommandInterpreter::Help(CommandLineWords& /*line*/) {
    game_.console.ShowHelp(false);
}

bool CommandInterpreter::SaveLoadAllowed(CommandLineWords& line) {
    if (game_.console.MissionTimer().Enabled()) {
        line.errorText = game_.LangString("str98");
        return false;
    }
    if (game_.state.Connected || game_.state.TelnetSessionOpen) {
        line.errorText = game_.LangString("str99");
        return false;
    }
    return true;
}

void CommandInterpreter::Save(CommandLineWords& line) {
    if (!SaveLoadAllowed(line)) return;
    game_.console.ConsolePrint("", 0, true);
    if (game_.savedGames.Save()) {
        game_.console.ConsolePrint(game_.LangString("str100"), 0, true);
        ++game_.state.SaveCount;
    } else {
        game_.console.ConsolePrint(game_.LangString("str101"), 0, true);
    }
}

void CommandInterpreter::Load(CommandLineWords& line) {
    if (!SaveLoadAllowed(line)) return;
    game_.console.ConsolePrint("", 0, true);
    game_.console.ConsolePrint(game_.LangString(game_.savedGames.Load() ? "str102" : "str103"), 0,
                               true);
}

void CommandInterpreter::Shutdown(CommandLineWords& /*line*/) {
    game_.console.Form_Unload();
}

void CommandInterpreter::Format(CommandLineWords& /*line*/) {
    if (game_.state.Connected) return;
    MainConsole& console = game_.console;
    console.ConsolePrint("", 0, true);
    console.ConsolePrint("WARNING: ALL DATA ON THE FIXED DRIVE C: WILL BE REMOVED!", 0, true);
    console.ConsolePrint("Do you want to continue formatting? (Y/N)", 5, false);
    console.ConsolePrint("Y", 0, true);
    console.ConsolePrint("Formatting C:", 5, true);
    console.ConsolePrint("done.", 0, true);
    console.ConsolePrint("Ok, that was a (bad) joke...", 0, true);
}

void CommandInterpreter::WhatIsTheMatrix(CommandLineWords& /*line*/) {
    MainConsole& console = game_.console;
    Platform& platform = game_.platform;
    console.ClearTranscript();
    console.ConsolePrint("", 3, true);
    console.TypeText("Wake up, Neo. The matrix has you");
    platform.Sleep(1000);
    platform.DoEvents();
    console.ClearTranscript();
    console.ConsolePrint("", 5, true);
    console.TypeText("Knock knock");
    platform.Sleep(500);
    platform.DoEvents();
    game_.PlaySoundFile("knock.wav", 2);
    game_.PlaySoundFile("knock.wav", 2);
}

void CommandInterpreter::AManNeedsPr0n(CommandLineWords& /*line*/) {
    game_.console.ConsolePrint("Downloading pr0n..", 5, true);
    for (const char* row : kPicture) game_.console.ConsolePrint(row, 5, true);
}

void CommandInterpreter::WhereCanIPlaceMyJolt(CommandLineWords& /*line*/) {
    game_.platform.OpenCdTray();
    game_.console.ConsolePrint("There you go, a Jolt Cola can holder.. ;-)", 0, true);
}

void CommandInterpreter::IAmVorlen(CommandLineWords& /*line*/) {
    game_.state.HackerHandle = "vorlen";
}

void CommandInterpreter::TestHighscore(CommandLineWords& /*line*/) {
    SubmitHighscore(game_);
}

void CommandInterpreter::UnknownCommand(CommandLineWords& /*line*/) {
    game_.console.ConsolePrint("", 0, true);
    game_.console.ConsolePrint(game_.LangString("str104"), 0, true);
}
