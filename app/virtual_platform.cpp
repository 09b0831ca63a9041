// The virtual-clock platform: the tests' and the pack checker's.
#include "virtual_platform.h"

#include <algorithm>
#include <stdexcept>

#include "app/file_routines.h"

class VirtualPlatform::Timer : public GameTimer {
public:
    Timer(VirtualPlatform& platform, std::string name, int interval, std::function<void()> onTick)
        : platform_(platform),
          name_(std::move(name)),
          interval_(interval),
          onTick_(std::move(onTick)) {}
    ~Timer() override {
        auto& timers = platform_.timers_;
        timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    }

    void SetEnabled(bool enabled) override {
        if (enabled && !enabled_) due_ = platform_.now_ + interval_;
        enabled_ = enabled;
    }
    bool Enabled() const override { return enabled_; }
    int Interval() const override { return interval_; }

    bool Ready(std::int64_t limit) const { return enabled_ && !running_ && due_ <= limit; }
    std::int64_t Due() const { return due_; }

    void Fire() {
        // The next tick is one interval after this one; a tick that comes late does not make
        // the timer catch up with a burst.
        due_ += interval_;
        if (due_ <= platform_.now_) due_ = platform_.now_ + interval_;
        if (platform_.logTimers)
            platform_.timerLog.push_back(std::to_string(platform_.now_) + " " + name_);
        running_ = true;
        struct Done {
            bool& running;
            ~Done() { running = false; }
        } done{running_};
        onTick_();
    }

private:
    VirtualPlatform& platform_;
    std::string name_;
    int interval_;
    std::function<void()> onTick_;
    bool enabled_ = false;
    bool running_ = false;
    std::int64_t due_ = 0;
};

VirtualPlatform::VirtualPlatform() = default;
VirtualPlatform::~VirtualPlatform() = default;

void VirtualPlatform::RunTimersDueBy(std::int64_t limit) {
    while (true) {
        Timer* next = nullptr;
        for (Timer* timer : timers_)
            if (timer->Ready(limit) && (next == nullptr || timer->Due() < next->Due()))
                next = timer;
        const auto input = inputs_.begin();
        const bool inputFirst = input != inputs_.end() && input->first <= limit &&
                                (next == nullptr || input->first <= next->Due());
        if (inputFirst) {
            now_ = std::max(now_, input->first);
            auto deliver = std::move(input->second);
            inputs_.erase(input);
            deliver();
            continue;
        }
        if (next == nullptr) return;
        now_ = std::max(now_, next->Due());
        next->Fire();
    }
}

void VirtualPlatform::Pause(int milliseconds) {
    const std::int64_t until = now_ + std::max(milliseconds, 0);
    RunTimersDueBy(until);
    now_ = std::max(now_, until);
}

void VirtualPlatform::Sleep(int milliseconds) {
    now_ += std::max(milliseconds, 0);
}

void VirtualPlatform::WaitForSound(int milliseconds) {
    const std::int64_t until = now_ + std::max(milliseconds, 0);
    soundWaits.push_back({now_, milliseconds});
    // What the player does while the game is blocked is lost; what came before is still queued.
    for (auto input = inputs_.lower_bound(now_); input != inputs_.end() && input->first < until;) {
        input = inputs_.erase(input);
        ++droppedInputs;
    }
    now_ = until;
}

void VirtualPlatform::PostInputAt(std::int64_t when, std::function<void()> input) {
    inputs_.emplace(when, std::move(input));
}

void VirtualPlatform::DoEvents() {
    RunTimersDueBy(now_);
}

std::unique_ptr<GameTimer> VirtualPlatform::CreateTimer(std::string name, int intervalMilliseconds,
                                                     std::function<void()> onTick) {
    auto timer =
        std::make_unique<Timer>(*this, std::move(name), intervalMilliseconds, std::move(onTick));
    timers_.push_back(timer.get());
    return timer;
}

double VirtualPlatform::RandomFraction() {
    if (randomFractions.empty()) {
        if (onlyScriptedRandom)
            throw std::logic_error("the game drew a random number the test did not set");
        randomState_ = randomState_ * 1103515245u + 12345u;
        return static_cast<double>(randomState_ >> 8) / 16777216.0;
    }
    const double fraction = randomFractions.front();
    randomFractions.pop_front();
    return fraction;
}

bool VirtualPlatform::StartSound(const std::filesystem::path& waveFile) {
    sounds.push_back({waveFile.filename().string(), now_});
    return audioDevice && FileExists(waveFile);
}

void VirtualPlatform::WhenShown(const std::string& formName, std::function<void(ModalForm&)> script) {
    scripts_[formName].push_back(std::move(script));
}

void VirtualPlatform::ShowModal(ModalForm& form) {
    shownForms.push_back(form.Name());
    if (whenAnyShown) whenAnyShown(form);
    auto& waiting = scripts_[form.Name()];
    if (waiting.empty()) return;
    auto script = std::move(waiting.front());
    waiting.pop_front();
    script(form);
}

bool VirtualPlatform::AskYesNo(const std::string& title, const std::string& text) {
    questions.push_back(title + ": " + text);
    if (yesNoAnswers.empty())
        throw std::logic_error("the game asked a question the test did not answer: " + text);
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

void VirtualPlatform::ShowOkMessage(const std::string& title, const std::string& text) {
    okMessages.push_back(title + ": " + text);
}

void VirtualPlatform::EndProgramNow() {
    throw ProgramEnded{};
}
