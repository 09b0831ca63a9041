// The settings window frmSettings on screen, bound to the core's SettingsForm.
#pragma once

#include "app/form_dialog.h"

class SettingsForm;

class SettingsWindow : public FormDialog {
    Q_OBJECT
public:
    using Form = SettingsForm;
    explicit SettingsWindow(SettingsForm& form);

private:
    SettingsForm& form_;
};
