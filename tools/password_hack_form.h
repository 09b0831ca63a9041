// The brute-force password hacker frmPasswordhack: ten seconds of random candidates, and the last
// one becomes the target's password.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/platform.h"
#include "tools/progress_picture.h"
#include "tools/tool_form.h"

class PasswordHackForm : public ToolForm {
public:
    explicit PasswordHackForm(Game& game);

    std::string txtFile;
    ProgressPicture Picture1{269, 23};
    // The percentage the attack has reached, counted by the timer.
    std::int16_t TickCount = 0;
    GameTimer& Timer1() { return *timer1_; }

    // Starts the attack, or starts it again from 0.
    void lblHack_Click();

    bool Running() const override { return timer1_->Enabled(); }
    int ProgressShown() const override { return ProgressOfTicks(TickCount); }

protected:
    void OnLoad() override;
    void OnUnload() override;

private:
    void Timer1_Timer();

    std::unique_ptr<GameTimer> timer1_;
};
