// The port scanner's checks and its scan.
#include "port_scan_form.h"

#include "app/game.h"
#include "app/text_helpers.h"

PortScanForm::PortScanForm(Game& game)
    : ToolForm(game, "frmPortscan", "Port Scanner v1.0", "=[ PortScanner ]=",
               {{"lblAddress", "str118"},
                {"lblFrom", "str119"},
                {"lblTill", "str120"},
                {"lblProgress", "str121"},
                {"lblScan", "str122"}}) {}

void PortScanForm::OnLoad() {
    ToolForm::OnLoad();
    txtIP.clear();
    txtFrom.clear();
    txtTo.clear();
    txtProgress.clear();
    scanning_ = false;
}

void PortScanForm::lblScan_Click() {
    // The scan lets events run after every port, the scan label's clicks among them; a second
    // scan inside the first would count twice over the same ports.
    if (scanning_) return;
    const GameState& state = game_.state;
    const double from = LeadingNumber(txtFrom);
    const double to = LeadingNumber(txtTo);

    // Every check runs; the last one that fails names the problem.
    std::string message;
    if (txtIP != state.AttackIp || !IsAddress(txtIP)) message = game_.LangString("str123");
    if (!state.TargetPinged) message = game_.LangString("str124");
    if (!(to > from)) message = game_.LangString("str125");
    auto outside = [](double port) { return port < kLowestPort || port > kHighestPort; };
    if (outside(from) || outside(to))
        message = game_.LangString("str126") + " " + std::to_string(kLowestPort) + " " +
                  game_.LangString("str127") + " " + std::to_string(kHighestPort);
    if (!message.empty()) {
        game_.ShowMessage(message);
        return;
    }

    struct Scan {
        bool& running;
        explicit Scan(bool& flag) : running(flag) { running = true; }
        ~Scan() { running = false; }
    } scan(scanning_);
    Platform& platform = game_.platform;
    for (double port = from; port <= to; port += 1) {
        txtProgress = NumberText(port);
        Changed();
        platform.Sleep(10);
        platform.DoEvents();
        // Closed during the scan (by the player or by the game): the scan ends with the window.
        if (!IsOpen()) return;
        if (port == state.AttackPort) {
            game_.ShowMessage(game_.LangString("str128") + " " + std::to_string(state.AttackPort));
            return;
        }
    }
    game_.ShowMessage(game_.LangString("str129"));
}
