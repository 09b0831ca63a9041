// The password hacker frmPasswordhack on screen: the candidate, the hack label and the progress
// bar.
#pragma once

#include "tools/tool_window.h"

class PasswordHackForm;

class PasswordHackWindow : public ToolWindow {
    Q_OBJECT
public:
    using Form = PasswordHackForm;
    explicit PasswordHackWindow(PasswordHackForm& form);
};
