// The password hacker's attack, one timer tick at a time.
#include "password_hack_form.h"

#include "app/game.h"

PasswordHackForm::PasswordHackForm(Game& game)
    : ToolForm(game, "frmPasswordhack", "Brute Force Password hacker v1.0",
               "=[ PasswordHacker ]=", {{"lblFile", "str116"}, {"lblHack", "str117"}}),
      timer1_(
          game.platform.CreateTimer("frmPasswordhack.Timer1", 100, [this] { Timer1_Timer(); })) {}

void PasswordHackForm::OnLoad() {
    ToolForm::OnLoad();
    txtFile.clear();
    TickCount = 0;
    timer1_->SetEnabled(false);
}

void PasswordHackForm::OnUnload() {
    // Closing the window ends the attack; the password stays what it was.
    timer1_->SetEnabled(false);
}

void PasswordHackForm::lblHack_Click() {
    TickCount = 0;
    timer1_->SetEnabled(true);
}

void PasswordHackForm::Timer1_Timer() {
    Platform& platform = game_.platform;
    platform.DoEvents();
    // The window may have gone during the events (the trace closes it): its attack is over and
    // records nothing.
    if (!IsOpen()) return;
    GameState& state = game_.state;
    if (TickCount <= 100) {
        game_.progressBar.DrawProgress(Picture1.Surface(), TickCount, Rgb(0, 0, 0), Rgb(0, 0, 255),
                                       Rgb(0, 255, 0), true, ProgressBar::kGradient, "Hacking");
        // A candidate of 1 to 15 characters from the double quote to the opening brace.
        const auto length = static_cast<std::size_t>(platform.RandomFraction() * 15 + 1);
        txtFile.clear();
        while (txtFile.size() < length)
            txtFile += static_cast<char>(static_cast<int>(platform.RandomFraction() * 90 + 34));
        Changed();
    } else {
        timer1_->SetEnabled(false);
        state.MissionPassword = txtFile;
        Changed();
    }
    ++TickCount;
    if (state.TraceProgress >= 15) timer1_->SetEnabled(false);
}
