// PING, TELNET, the LOGIN: and PASSWORD: dialogue and DISCONNECT: the session with the target,
// and the switch of the console between the player's machine and the target.
#include <charconv>
#include <optional>

#include "app/game.h"
#include "app/text_helpers.h"
#include "console/command_interpreter.h"

namespace {

// The port as a whole decimal number, or nothing when the text is no number.
std::optional<long> PortNumber(const std::string& text) {
    long port = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    return port;
}

}  // namespace

void Game::SetConnected(bool connected) {
    if (!connected && state.Connected) {
        state.Connected = false;
        console.TraceTimer().SetEnabled(false);
        state.TraceProgress = 0;
        ShowStatus(LangString("str16"));
        ShowTrace(LangString("str17"));
        PlaySoundFile("shutdown.wav", 2);
        console.ConsolePrint(LangString("str18"), 0, true);
        console.SetTextColour(kConsoleGreen);
    } else if (connected && !state.Connected) {
        state.Connected = true;
        ShowStatus(LangString("str19"));
        console.TraceTimer().SetEnabled(true);
        state.TraceProgress = 0;
        console.SetTextColour(kConnectedGrey);
    }
}

void Game::PrintHostBanner() {
    console.ConsolePrint(LangString("str42"), 0, true);
    console.ConsolePrint(LangString("str42") + platform.NowText(), 0, true);
}

void CommandInterpreter::Ping(CommandLineWords& line) {
    if (!HasArguments(line, 1, "str47")) return;
    const std::string& address = line.Argument(0);
    if (!IsAddress(address)) {
        line.errorText = game_.LangString("str48");
        return;
    }
    MainConsole& console = game_.console;
    console.ConsolePrint("", 0, true);
    console.ConsolePrint(
        game_.LangString("str49") + " " + address + " " + game_.LangString("str50"), 0, true);
    console.ConsolePrint(" ", 0, true);
    console.ConsolePrint(" ", 0, true);
    // The comparison is textual: leading zeros make another address.
    const bool target = address == game_.state.AttackIp;
    for (int reply = 0; reply < 4; ++reply) {
        console.ConsolePrint(
            target ? game_.LangString("str51") + " " + address + ": bytes=32 time<1 ms TTL=128"
                   : game_.LangString("str54"),
            8, true);
    }
    console.ConsolePrint("", 0, true);
    console.ConsolePrint(game_.LangString(target ? "str52" : "str55"), 0, true);
    console.ConsolePrint("", 0, true);
    console.ConsolePrint(game_.LangString(target ? "str53" : "str56"), 0, true);
    if (target) game_.state.TargetPinged = true;
}

void CommandInterpreter::Telnet(CommandLineWords& line) {
    GameState& state = game_.state;
    if (!HasArguments(line, 2, "str57")) return;
    const std::string& address = line.Argument(0);
    if (!IsAddress(address)) {
        line.errorText = game_.LangString("str48");
        return;
    }
    if (!state.TargetPinged) {
        line.errorText = game_.LangString("str124");
        return;
    }
    MainConsole& console = game_.console;
    console.ConsolePrint("", 0, true);
    // The line shows the target's own address and port, whatever was typed.
    console.ConsolePrint(game_.LangString("str58") + " " + state.AttackIp + " " +
                             game_.LangString("str59") + " " + std::to_string(state.AttackPort) +
                             game_.LangString("str60"),
                         0, true);
    game_.PlaySoundFile("tone.wav", 2);
    game_.PlaySoundFile("phone.wav", 2);
    game_.PlaySoundFile("modem.wav", 2);

    const std::optional<long> port = PortNumber(line.Argument(1));
    if (!port || *port != state.AttackPort || address != state.AttackIp) {
        line.errorText = game_.LangString("str61");
        return;
    }
    console.ClearTranscript();
    console.SetTextColour(kLoginScreenBlue);
    state.TelnetSessionOpen = true;
    console.ConsolePrint(state.TelnetLoginScreen, 2, true);
    // The next mission may have started during the print and closed this session already.
    if (state.TelnetSessionOpen) console.Prompt = "LOGIN: ";
}

void CommandInterpreter::LeaveLoginScreen() {
    MainConsole& console = game_.console;
    game_.state.TelnetSessionOpen = false;
    console.Prompt = "root[" + game_.local.CurrentFolder + "]# ";
    console.ClearTranscript();
    console.SetTextColour(kConsoleGreen);
    console.ConsolePrint(game_.LangString("str63"), 0, true);
}

void CommandInterpreter::ReturnToOwnPrompt() {
    // A login prompt without a session behind it has nothing to answer: whatever left it there,
    // the next Enter brings the player back to his own prompt instead of asking forever.
    MainConsole& console = game_.console;
    if (game_.state.Connected) return;
    console.Prompt = "root[" + game_.local.CurrentFolder + "]# ";
    console.SetTextColour(kConsoleGreen);
}

void CommandInterpreter::Login(CommandLineWords& line) {
    if (!game_.state.TelnetSessionOpen) {
        ReturnToOwnPrompt();
        return;
    }
    const std::string answer = line.Answer();
    if (answer.empty()) {
        LeaveLoginScreen();
    } else if (answer != game_.state.MissionLogin) {
        game_.console.ConsolePrint("", 0, true);
        game_.console.ConsolePrint(game_.LangString("str64"), 0, true);
    } else {
        game_.console.Prompt = "PASSWORD: ";
    }
}

void CommandInterpreter::Password(CommandLineWords& line) {
    GameState& state = game_.state;
    if (!state.TelnetSessionOpen) {
        ReturnToOwnPrompt();
        return;
    }
    const std::string answer = line.Answer();
    MainConsole& console = game_.console;
    if (answer.empty()) {
        LeaveLoginScreen();
        return;
    }
    if (answer != state.MissionPassword) {
        console.ConsolePrint("", 0, true);
        console.ConsolePrint(game_.LangString("str66"), 0, true);
        return;
    }
    console.ClearTranscript();
    console.Prompt = "root[" + game_.remote.CurrentFolder + "]# ";
    game_.PrintHostBanner();
    console.ConsolePrint("", 0, true);
    game_.PlaySoundFile("alert.wav", 1);
    game_.ShowMessage(game_.LangString("str67"));
    // A new mission that started while the message was open has ended this session.
    if (!state.TelnetSessionOpen) return;
    game_.SetConnected(true);
    // The connection log of this session is on the host until the player deletes it.
    state.LogDeleted = false;
}

void CommandInterpreter::Disconnect(CommandLineWords& /*line*/) {
    MainConsole& console = game_.console;
    if (!game_.state.Connected) {
        console.ConsolePrint("", 0, true);
        console.ConsolePrint(game_.LangString("str68"), 0, true);
        return;
    }
    console.ClearTranscript();
    console.PrintBanner();
    console.ConsolePrint("", 0, true);
    console.Prompt = "root[" + game_.local.CurrentFolder + "]# ";
    game_.SetConnected(false);
    game_.state.TelnetSessionOpen = false;
    game_.ObjectiveCheck();
}
