// The message window frmMessage on screen.
#pragma once

#include "app/form_dialog.h"

class MessageForm;

class MessageWindow : public FormDialog {
    Q_OBJECT
public:
    using Form = MessageForm;
    explicit MessageWindow(MessageForm& form);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    MessageForm& form_;
};
