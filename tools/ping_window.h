// The ping window frmPing on screen: the address and the ping label.
#pragma once

#include "tools/tool_window.h"

class PingForm;

class PingWindow : public ToolWindow {
    Q_OBJECT
public:
    using Form = PingForm;
    explicit PingWindow(PingForm& form);
};
