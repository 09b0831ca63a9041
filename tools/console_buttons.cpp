// The console's button labels: what each opens, and on which condition.
#include "app/game.h"

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
}
