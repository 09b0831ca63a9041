// The telnet window frmTelnet: a front end to the console's TELNET command that checks the
// target's address and port first.
#pragma once

#include <string>

#include "tools/tool_form.h"

class TelnetForm : public ToolForm {
public:
    explicit TelnetForm(Game& game);

    std::string txtIP;
    std::string txtPort;

    // Refuses a wrong target with a message; otherwise leaves "telnet <address> <port>" for the
    // console to run, and closes.
    void lblConnect_Click();

protected:
    void OnLoad() override;
};
