// The telnet window frmTelnet on screen: address, port and the connect label.
#pragma once

#include "tools/tool_window.h"

class TelnetForm;

class TelnetWindow : public ToolWindow {
    Q_OBJECT
public:
    using Form = TelnetForm;
    explicit TelnetWindow(TelnetForm& form);
};
