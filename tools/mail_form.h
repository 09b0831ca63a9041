// The mail reader frmMail: shows the current mission's e-mail.
#pragma once

#include <string>

#include "app/modal_form.h"

class MailForm : public ModalForm {
public:
    MailForm() : ModalForm("frmMail") {}

    // The text of txtMail.
    std::string txtMail;
};
