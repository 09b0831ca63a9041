// The port scanner frmPortscan on screen: address, the range, the port being scanned and the scan
// label.
#pragma once

#include "tools/tool_window.h"

class PortScanForm;

class PortScanWindow : public ToolWindow {
    Q_OBJECT
public:
    using Form = PortScanForm;
    explicit PortScanWindow(PortScanForm& form);
};
