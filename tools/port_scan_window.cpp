// The port scanner's widgets.
#include "port_scan_window.h"

#include "tools/port_scan_form.h"

PortScanWindow::PortScanWindow(PortScanForm& form) : ToolWindow(form) {
    AddField("lblAddress", "txtIP", form.txtIP);
    AddField("lblFrom", "txtFrom", form.txtFrom);
    AddField("lblTill", "txtTo", form.txtTo);
    AddField("lblProgress", "txtProgress", form.txtProgress, true);
    AddAction("lblScan", [&form] { form.lblScan_Click(); });
}
