// The ping window frmPing: a front end to the console's PING command.
#pragma once

#include <string>

#include "tools/tool_form.h"

class PingForm : public ToolForm {
public:
    explicit PingForm(Game& game);

    std::string txtIP;

    // Leaves "ping <address>" for the console to run, and closes.
    void lblPing_Click();

protected:
    void OnLoad() override;
};
