// The telnet window's checks.
#include "telnet_form.h"

#include "app/game.h"
#include "app/text_helpers.h"

TelnetForm::TelnetForm(Game& game)
    : ToolForm(game, "frmTelnet", "Telnet v1.0", "=[ Telnet ]=",
               {{"lblAddress", "str130"}, {"lblPort", "str131"}, {"lblConnect", "str132"}}) {}

void TelnetForm::OnLoad() {
    ToolForm::OnLoad();
    txtIP.clear();
    txtPort.clear();
}

void TelnetForm::lblConnect_Click() {
    const GameState& state = game_.state;
    // Every check runs; the last one that fails names the problem.
    std::string message;
    if (!IsAddress(txtIP)) message = game_.LangString("str133");
    if (txtIP != state.AttackIp || LeadingNumber(txtPort) != state.AttackPort)
        message = game_.LangString("str134") + " " + txtIP + " " + game_.LangString("str135") +
                  " " + txtPort;
    if (!state.TargetPinged) message = game_.LangString("str124");
    if (!message.empty()) {
        game_.ShowMessage(message);
        return;
    }
    // The line carries address and port as typed.
    game_.state.QueuedCommand = "telnet " + txtIP + " " + txtPort;
    Close();
}
