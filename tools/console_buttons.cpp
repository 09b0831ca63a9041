// The console's button labels: what each opens, and on which condition.
#include <utility>

#include "app/game.h"
#include "mission/random_values.h"

namespace {

void butemail_Click(Game& game) {
    const GameState& state = game.state;
    if (state.MailSubject.empty()) {
        game.ShowMessage(game.LangString("str4"));
        return;
    }
    game.mailForm.txtMail = game.LangString("str88") + " " + state.MailSubject + "\r\n" +
                            game.LangString("str87") + " " + state.MailFrom + "\r\n" +
                            std::string(58, '-') + "\r\n\r\n" + state.MailBody;
    game.mailForm.ShowModal(game.platform);
    game.console.SetCaption("butemail", game.LangString("str6") + " 0");
}

// A tool window that leaves a command line behind: after it has closed, the console prints the
// line and runs it, as the hang-up button runs "disconnect".
void RunQueuedCommand(Game& game) {
    // Taken before it runs, so nothing the command does can run it a second time.
    const std::string command = std::exchange(game.state.QueuedCommand, std::string());
    if (!command.empty()) game.interpreter.SubmitCommandLine(command);
}

// The ping and telnet windows and the port scanner work only from the player's own machine.
void OpenUnlessConnected(Game& game, ModalForm& form, const char* refusalKey, bool runQueued) {
    if (game.state.Connected) {
        game.ShowMessage(game.LangString(refusalKey));
        return;
    }
    form.ShowModal(game.platform);
    if (runQueued) RunQueuedCommand(game);
}

void butpasswordhack_Click(Game& game) {
    GameState& state = game.state;
    if (!state.TelnetSessionOpen) {
        game.ShowMessage(game.LangString("str3"));
        return;
    }
    // A password drawn from the table is simply told; only the default one must be cracked.
    if (state.MissionPassword != kDefaultPassword) {
        game.ShowMessage(game.LangString("str9") + " " + state.MissionPassword);
        return;
    }
    state.PasswordHackWindowOpen = true;
    game.passwordHackForm.ShowModal(game.platform);
    state.PasswordHackWindowOpen = false;
}

// The timed tools that work on the host: each needs the line to it, and marks its window open
// while it shows, so the trace can close it.
void OpenOnTheHost(Game& game, ModalForm& form, bool GameState::*windowOpen, bool runQueued) {
    GameState& state = game.state;
    if (!state.Connected) {
        game.ShowMessage(game.LangString("str3"));
        return;
    }
    state.*windowOpen = true;
    form.ShowModal(game.platform);
    state.*windowOpen = false;
    if (runQueued) RunQueuedCommand(game);
}

}  // namespace

void Game::ButtonClicked(const std::string& button) {
    if (button == "butemail") butemail_Click(*this);
    if (button == "butsettings") settingsForm.ShowModal(platform);
    if (button == "buthelp") console.ShowHelp(true);
    if (button == "buthangup") {
        if (state.Connected)
            interpreter.SubmitCommandLine("disconnect");
        else
            ShowMessage(LangString("str5"));
    }
    if (button == "butping") OpenUnlessConnected(*this, pingForm, "str10", true);
    if (button == "buttelnet") OpenUnlessConnected(*this, telnetForm, "str11", true);
    if (button == "butportscan") OpenUnlessConnected(*this, portScanForm, "str10", false);
    if (button == "butpasswordhack") butpasswordhack_Click(*this);
    if (button == "butvirus")
        OpenOnTheHost(*this, virusUploadForm, &GameState::VirusWindowOpen, true);
    if (button == "butcopyfile")
        OpenOnTheHost(*this, downloadForm, &GameState::DownloadWindowOpen, false);
    if (button == "butdestroy") OpenOnTheHost(*this, wiperForm, &GameState::WiperWindowOpen, true);
}
