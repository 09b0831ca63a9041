// The port scanner frmPortscan: counts through a range of ports of the target until it reaches
// the target's telnet port.
#pragma once

#include <string>

#include "tools/tool_form.h"

class PortScanForm : public ToolForm {
public:
    explicit PortScanForm(Game& game);

    std::string txtIP;
    std::string txtFrom;
    std::string txtTo;
    std::string txtProgress;

    // Checks the address and the range, then scans; a click while a scan runs does nothing, and
    // closing the window ends the scan.
    void lblScan_Click();

    bool Running() const override { return scanning_; }
    bool Scanning() const { return scanning_; }

    static constexpr int kLowestPort = 2000;
    static constexpr int kHighestPort = 4000;

protected:
    void OnLoad() override;

private:
    bool scanning_ = false;
};
