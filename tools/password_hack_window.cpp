// The password hacker's widgets.
#include "password_hack_window.h"

#include "tools/password_hack_form.h"

PasswordHackWindow::PasswordHackWindow(PasswordHackForm& form) : ToolWindow(form) {
    AddField("lblFile", "txtFile", form.txtFile);
    AddAction("lblHack", [&form] { form.lblHack_Click(); });
    AddPicture(form.Picture1);
}
