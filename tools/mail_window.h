// The mail reader frmMail on screen: the mission's e-mail in a fixed-pitch box.
#pragma once

#include "app/form_dialog.h"

class MailForm;

class MailWindow : public FormDialog {
    Q_OBJECT
public:
    using Form = MailForm;
    explicit MailWindow(MailForm& form);

private:
    MailForm& form_;
};
