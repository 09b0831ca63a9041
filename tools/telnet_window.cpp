// The telnet window's widgets.
#include "telnet_window.h"

#include "tools/telnet_form.h"

TelnetWindow::TelnetWindow(TelnetForm& form) : ToolWindow(form) {
    AddField("lblAddress", "txtIP", form.txtIP);
    AddField("lblPort", "txtPort", form.txtPort);
    AddAction("lblConnect", [&form] { form.lblConnect_Click(); });
}
