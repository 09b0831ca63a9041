// The platform on a virtual clock: pauses advance time and fire due timers in order, modal
// windows are driven by scripts, chance comes from a set sequence or a fixed generator, and
// ending the program unwinds to the caller. A whole game runs in milliseconds. The tests play
// on it, and so does the pack checker's player.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/modal_form.h"
#include "app/platform.h"

// Thrown by EndProgram; deliberately not a std::exception, so no game code can swallow it.
struct ProgramEnded {};

class VirtualPlatform : public Platform {
public:
    VirtualPlatform();
    ~VirtualPlatform() override;

    // Virtual milliseconds since the platform was made.
    std::int64_t Now() const { return now_; }

    void Pause(int milliseconds) override;
    void Sleep(int milliseconds) override;
    void WaitForSound(int milliseconds) override;
    void DoEvents() override;
    std::unique_ptr<GameTimer> CreateTimer(std::string name, int intervalMilliseconds,
                                           std::function<void()> onTick) override;
    std::string NowText() override { return nowText; }

    double RandomFraction() override;
    void ReseedRandom() override { ++reseedCount; }

    bool StartSound(const std::filesystem::path& waveFile) override;
    void OpenWebAddress(const std::string& address) override { openedAddresses.push_back(address); }
    void OpenCdTray() override { ++cdTrayOpened; }

    void ShowModal(ModalForm& form) override;
    bool AskYesNo(const std::string& title, const std::string& text) override;
    void ShowOkMessage(const std::string& title, const std::string& text) override;

    // What the player does in the next window of that name: the script runs while the window is
    // open and may call its controls and Pause; when it returns, an open window is closed as the
    // player would close it. A window with no script waiting is closed at once.
    void WhenShown(const std::string& formName, std::function<void(ModalForm&)> script);

    // Sees every window as it opens, before its script runs.
    std::function<void(ModalForm&)> whenAnyShown;

    // A key or click the player makes at a moment of virtual time: it reaches the game when the
    // game next lets events run at or after that moment (a pause, DoEvents), in time order with
    // the timers. One that falls into a wait for a sound is dropped.
    void PostInputAt(std::int64_t when, std::function<void()> input);

    // Settings.
    std::string nowText = "10.12.2026 01:36:17";
    // Fractions the game draws, in order; once they run out a fixed pseudo-random sequence
    // follows, unless the test wants every draw accounted for.
    std::deque<double> randomFractions;
    bool onlyScriptedRandom = false;
    std::deque<bool> yesNoAnswers;
    bool audioDevice = true;

    // What happened.
    struct Sound {
        std::string file;
        std::int64_t startedAt;
    };
    std::vector<Sound> sounds;
    std::vector<std::string> shownForms;
    std::vector<std::string> questions;
    std::vector<std::string> okMessages;
    std::vector<std::string> openedAddresses;
    int cdTrayOpened = 0;
    int reseedCount = 0;
    std::vector<std::string> timerLog;  // "<time> <timer name>" for every tick, in order
    bool logTimers = true;              // off for long plays that read no log
    struct SoundWait {
        std::int64_t startedAt;
        int milliseconds;
    };
    std::vector<SoundWait> soundWaits;
    int droppedInputs = 0;

protected:
    void EndProgramNow() override;

private:
    class Timer;
    friend class Timer;

    // Fires, in order of their due times, every enabled timer due by the limit, and delivers the
    // player's input posted for moments up to the limit among them.
    void RunTimersDueBy(std::int64_t limit);

    std::int64_t now_ = 0;
    std::uint32_t randomState_ = 12345;
    std::vector<Timer*> timers_;
    std::map<std::string, std::deque<std::function<void(ModalForm&)>>> scripts_;
    std::multimap<std::int64_t, std::function<void()>> inputs_;
};
