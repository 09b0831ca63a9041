// The platform for play: Qt's event loop, timers, sounds, dialogs and the desktop.
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "app/platform.h"

class SoundPlayer;
class QtGameTimer;

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    void Pause(int milliseconds) override;
    void Sleep(int milliseconds) override;
    void WaitForSound(int milliseconds) override;
    void DoEvents() override;
    std::unique_ptr<GameTimer> CreateTimer(std::string name, int intervalMilliseconds,
                                           std::function<void()> onTick) override;
    std::string NowText() override;

    double RandomFraction() override;
    void ReseedRandom() override;

    bool StartSound(const std::filesystem::path& waveFile) override;
    void OpenWebAddress(const std::string& address) override;
    void OpenCdTray() override;

    void ShowModal(ModalForm& form) override;
    bool AskYesNo(const std::string& title, const std::string& text) override;
    void ShowOkMessage(const std::string& title, const std::string& text) override;

    // Loads the sound module, if it was not loaded yet; the first sound does it otherwise. It is
    // looked for in the given folders in order (by default only beside the executable).
    void LoadSoundPlayer();
    void SetSoundModuleFolders(QStringList folders) { soundModuleFolders_ = std::move(folders); }

    // Makes the view of a modal form; ShowModal finds it by the form's name.
    using WindowFactory = std::function<std::unique_ptr<QDialog>(ModalForm&)>;
    void RegisterWindow(const std::string& formName, WindowFactory factory);

    // The window that dialogs are centred on.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }

    // Runs before every wait and before the event loop gets a turn (pauses, sleeps, sounds,
    // dialogs): windows that gather their changes show them here, so what the player sees while
    // the game waits is up to date.
    void SetBeforeWaiting(std::function<void()> beforeWaiting) {
        beforeWaiting_ = std::move(beforeWaiting);
    }

protected:
    void EndProgramNow() override;

private:
    friend class QtGameTimer;
    void BeforeWaiting() {
        if (beforeWaiting_) beforeWaiting_();
    }
    int RunSystemBox(QMessageBox::Icon icon, const std::string& title, const std::string& text,
                     QMessageBox::StandardButtons buttons);

    std::mt19937 random_;
    // While a sound is waited for, game timers only note that they fell due.
    int soundWaits_ = 0;
    std::vector<QtGameTimer*> timers_;
    std::map<std::string, WindowFactory> factories_;
    std::unique_ptr<SoundPlayer> soundPlayer_;
    bool soundLoadTried_ = false;
    QStringList soundModuleFolders_;
    QWidget* mainWindow_ = nullptr;
    std::function<void()> beforeWaiting_;
};
