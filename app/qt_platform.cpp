// Qt's side of the platform.
#include "qt_platform.h"

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QEventLoop>
#include <QLibrary>
#include <QMessageBox>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/modal_form.h"
#include "app/qt_key_grace.h"
#include "app/qt_text.h"
#include "app/sound_player.h"
#include "app/window_chrome.h"

// A game timer: a precise QTimer whose tick never starts inside its own previous tick, and
// which, while the game waits for a sound, only notes that it fell due and ticks once afterwards.
class QtGameTimer : public GameTimer {
public:
    QtGameTimer(QtPlatform& platform, int interval, std::function<void()> onTick)
        : platform_(platform), onTick_(std::move(onTick)) {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(interval);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        platform_.timers_.push_back(this);
    }
    ~QtGameTimer() override {
        auto& timers = platform_.timers_;
        timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    }

    void SetEnabled(bool enabled) override {
        if (enabled == timer_.isActive()) return;
        if (enabled) {
            timer_.start();
        } else {
            timer_.stop();
            fellDue_ = false;  // a stopped timer's pending tick is gone, as its message would be
        }
    }
    bool Enabled() const override { return timer_.isActive(); }
    int Interval() const override { return timer_.interval(); }

    // After a sound: the tick that fell due during it comes as the next event.
    void PostPendingTick() {
        if (!fellDue_) return;
        fellDue_ = false;
        QTimer::singleShot(0, &timer_, [this] {
            if (timer_.isActive()) Tick();
        });
    }

private:
    void Tick() {
        if (platform_.soundWaits_ > 0) {
            fellDue_ = true;
            return;
        }
        // A tick never starts while the same timer's previous tick is still in a pause.
        if (running_) return;
        running_ = true;
        onTick_();
        running_ = false;
    }

    QtPlatform& platform_;
    QTimer timer_;
    std::function<void()> onTick_;
    bool running_ = false;
    bool fellDue_ = false;
};

namespace {

// Drops every key, click and wheel turn while the game is blocked in a sound; paint, resize and
// the like go through, so the windows stay drawn.
class InputBlocker : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
            case QEvent::TouchBegin:
            case QEvent::TouchUpdate:
            case QEvent::TouchEnd:
            case QEvent::InputMethod:
            case QEvent::ContextMenu:
                return true;
            default:
                return QObject::eventFilter(watched, event);
        }
    }
};

}  // namespace

QtPlatform::QtPlatform() {
    ReseedRandom();
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::Pause(int milliseconds) {
    BeforeWaiting();
    QEventLoop loop;
    QTimer::singleShot(std::max(milliseconds, 0), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void QtPlatform::Sleep(int milliseconds) {
    BeforeWaiting();
    QThread::msleep(static_cast<unsigned long>(std::max(milliseconds, 0)));
}

void QtPlatform::WaitForSound(int milliseconds) {
    BeforeWaiting();
    InputBlocker blocker;
    QCoreApplication::instance()->installEventFilter(&blocker);
    ++soundWaits_;
    QEventLoop loop;
    QTimer::singleShot(std::max(milliseconds, 0), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    --soundWaits_;
    QCoreApplication::instance()->removeEventFilter(&blocker);
    if (soundWaits_ == 0)
        for (QtGameTimer* timer : timers_) timer->PostPendingTick();
}

void QtPlatform::DoEvents() {
    BeforeWaiting();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

std::unique_ptr<GameTimer> QtPlatform::CreateTimer(std::string /*name*/, int intervalMilliseconds,
                                                   std::function<void()> onTick) {
    return std::make_unique<QtGameTimer>(*this, intervalMilliseconds, std::move(onTick));
}

std::string QtPlatform::NowText() {
    return FromQString(QDateTime::currentDateTime().toString("MM/dd/yyyy hh:mm:ss"));
}

double QtPlatform::RandomFraction() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_);
}

void QtPlatform::ReseedRandom() {
    random_.seed(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

bool QtPlatform::StartSound(const std::filesystem::path& waveFile) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(waveFile, error)) return false;
    LoadSoundPlayer();
    return soundPlayer_ != nullptr && soundPlayer_->Play(waveFile);
}

void QtPlatform::LoadSoundPlayer() {
    if (soundLoadTried_) return;
    soundLoadTried_ = true;
    // A game without its sound module plays as one without an audio device: silently.
    const QStringList folders = soundModuleFolders_.isEmpty()
                                    ? QStringList{QCoreApplication::applicationDirPath()}
                                    : soundModuleFolders_;
    for (const QString& folder : folders) {
        QLibrary module(folder + "/" + kSoundModule);
        const auto create =
            reinterpret_cast<CreateSoundPlayerFunction>(module.resolve(kCreateSoundPlayer));
        if (create == nullptr) continue;
        soundPlayer_.reset(create());
        return;
    }
}

void QtPlatform::OpenWebAddress(const std::string& address) {
    QDesktopServices::openUrl(QUrl(ToQString(address)));
}

void QtPlatform::OpenCdTray() {
    // An eject request to the CD drive; no drive, no permission or no tray is simply ignored.
    const int drive = ::open("/dev/cdrom", O_RDONLY | O_NONBLOCK);
    if (drive < 0) return;
    ::ioctl(drive, CDROMEJECT, 0);
    ::close(drive);
}

void QtPlatform::RegisterWindow(const std::string& formName, WindowFactory factory) {
    factories_[formName] = std::move(factory);
}

void QtPlatform::ShowModal(ModalForm& form) {
    BeforeWaiting();
    const auto factory = factories_.find(form.Name());
    if (factory == factories_.end()) return;
    std::unique_ptr<QDialog> window = factory->second(form);
    QDialog* dialog = window.get();
    form.onClosed = [dialog] { dialog->done(QDialog::Accepted); };
    if (mainWindow_ != nullptr && mainWindow_->isVisible()) {
        const QPoint centre = mainWindow_->geometry().center();
        dialog->adjustSize();
        dialog->move(centre - dialog->rect().center());
    }
    if (form.IsOpen()) dialog->exec();
    form.onClosed = nullptr;
}

int QtPlatform::RunSystemBox(QMessageBox::Icon icon, const std::string& title,
                             const std::string& text, QMessageBox::StandardButtons buttons) {
    BeforeWaiting();
    QMessageBox box(icon, ToQString(title), ToQString(text), buttons, mainWindow_);
    box.setObjectName("SystemBox");
    // The box would otherwise take the console's green labels onto the system's light grey; it
    // gets the game's dark look whole instead, so its text reads well.
    box.setStyleSheet(SystemBoxStyle());
    // Keys typed for the console as the box comes up must not answer its question.
    KeyGrace grace(&box);
    return box.exec();
}

bool QtPlatform::AskYesNo(const std::string& title, const std::string& text) {
    return RunSystemBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void QtPlatform::ShowOkMessage(const std::string& title, const std::string& text) {
    RunSystemBox(QMessageBox::Information, title, text, QMessageBox::Ok);
}

void QtPlatform::EndProgramNow() {
    // Ending here, not by leaving the event loop: the caller may sit in nested event loops, and
    // no game code may run after this point. Every file was closed by the operation that used it.
    std::fflush(nullptr);
    std::_Exit(0);
}
