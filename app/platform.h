// The one door between the game core and the outside world: time, chance, effects, dialogs
// and the end of the program. Qt implements it for play; the tests implement it on a virtual clock.
#pragma once

#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class ModalForm;

// An interval timer of a window. It ticks every interval while enabled; a tick does not start
// again while the same timer's previous tick is still running (a pause inside it lets other
// timers run, not itself).
class GameTimer {
public:
    virtual ~GameTimer() = default;
    // Enabling a disabled timer starts its interval afresh; enabling an enabled one changes
    // nothing.
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;
    virtual int Interval() const = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Time. Pause waits while timers and clicks run; Sleep waits and runs nothing; DoEvents runs
    // what is due now and returns.
    virtual void Pause(int milliseconds) = 0;
    virtual void Sleep(int milliseconds) = 0;
    // Waits while a sound plays to its end, as a blocking call does: no game timer ticks and no
    // key or click reaches the game while it lasts (they are dropped, not kept for later); a
    // timer that fell due meanwhile ticks once afterwards, as a queued timer message would. The
    // windows keep repainting, so the game does not look hung.
    virtual void WaitForSound(int milliseconds) = 0;
    virtual void DoEvents() = 0;
    virtual std::unique_ptr<GameTimer> CreateTimer(std::string name, int intervalMilliseconds,
                                                   std::function<void()> onTick) = 0;
    // The current date and time as the console prints it.
    virtual std::string NowText() = 0;

    // Chance: a fraction in [0, 1), and a fresh seed from the clock.
    virtual double RandomFraction() = 0;
    virtual void ReseedRandom() = 0;

    // Effects. StartSound begins playing a wave file and returns at once; it answers false when
    // nothing can play (no such file, no audio device), so a caller need not wait for it.
    virtual bool StartSound(const std::filesystem::path& waveFile) = 0;
    virtual void OpenWebAddress(const std::string& address) = 0;
    virtual void OpenCdTray() = 0;

    // Dialogs. ShowModal returns once the form has been closed, by the player or by the game.
    virtual void ShowModal(ModalForm& form) = 0;
    virtual bool AskYesNo(const std::string& title, const std::string& text) = 0;
    virtual void ShowOkMessage(const std::string& title, const std::string& text) = 0;

    // Ends the program. It never returns into game code.
    [[noreturn]] void EndProgram() {
        EndProgramNow();
        std::terminate();  // an implementation that returned would run game code after the end
    }

protected:
    virtual void EndProgramNow() = 0;
};
