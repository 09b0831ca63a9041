// The ping window's one action.
#include "ping_form.h"

#include "app/game.h"

PingForm::PingForm(Game& game)
    : ToolForm(game, "frmPing", "Ping IP v1.0",
               "=[ Ping ]=", {{"lblAddress", "str118"}, {"lblPing", "str138"}}) {}

void PingForm::OnLoad() {
    ToolForm::OnLoad();
    txtIP.clear();
}

void PingForm::lblPing_Click() {
    // Any address goes: the PING command answers a wrong one itself.
    if (!txtIP.empty()) game_.state.QueuedCommand = "ping " + txtIP;
    Close();
}
