// The ping window's widgets.
#include "ping_window.h"

#include "tools/ping_form.h"

PingWindow::PingWindow(PingForm& form) : ToolWindow(form) {
    AddField("lblAddress", "txtIP", form.txtIP);
    AddAction("lblPing", [&form] { form.lblPing_Click(); });
}
