// A started game on the virtual clock for the console benchmarks, with or without the Qt
// console window (offscreen), whose transcript already holds a given number of lines.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <functional>
#include <memory>
#include <string>

#include "console/console_window.h"
#include "harness/test_game.h"

// The virtual clock with one thing of the Qt platform: before every wait the windows show what
// they gathered, as the game's main sets it up.
class BenchPlatform : public FakePlatform {
public:
    std::function<void()> beforeWaiting;

    void Pause(int milliseconds) override {
        BeforeWaiting();
        FakePlatform::Pause(milliseconds);
        timerLog.clear();
    }
    void Sleep(int milliseconds) override {
        BeforeWaiting();
        FakePlatform::Sleep(milliseconds);
        timerLog.clear();
    }
    void WaitForSound(int milliseconds) override {
        BeforeWaiting();
        FakePlatform::WaitForSound(milliseconds);
    }
    void DoEvents() override {
        BeforeWaiting();
        FakePlatform::DoEvents();
        timerLog.clear();
    }
    void ShowModal(ModalForm& form) override {
        BeforeWaiting();
        FakePlatform::ShowModal(form);
    }
    // The tests' record of sounds and timer ticks would grow with every key and second; a long
    // session here keeps none of it, and plays as on a machine without an audio device.
    bool StartSound(const std::filesystem::path& /*waveFile*/) override { return false; }

private:
    void BeforeWaiting() {
        if (beforeWaiting) beforeWaiting();
    }
};

// A started console on the virtual clock whose transcript holds the given number of lines: the
// shipped file system, so DIR lists what a player sees. With a window, the game shows in it.
class BenchConsole {
public:
    BenchConsole(bool withWindow, int lines) {
        folder_.CopyFromData("Lang/English.zdl");
        folder_.CopyFromData("FileSystem/defaultfs.zdl");
        folder_.Write("MissionPack/Bench/m1.zdl", "m1.zdl\r\n");
        if (withWindow) {
            window_ = std::make_unique<ConsoleWindow>();
            game_ = std::make_unique<Game>(platform_, folder_.Path(), *window_);
            window_->Bind(game_->console);
            platform_.beforeWaiting = [this] { window_->CommandLine()->FlushOutput(); };
        } else {
            game_ = std::make_unique<Game>(platform_, folder_.Path(), coreView_);
        }
        platform_.WhenShown("frmIntro", [](ModalForm& form) {
            auto& intro = dynamic_cast<IntroForm&>(form);
            intro.txtHandle = "neo";
            intro.SelectPack(0);
            intro.Form_KeyPress(IntroForm::kEnter);
        });
        Console().Form_Load();
        platform_.Pause(2000);
        FillTo(lines);
        Settle();
    }

    MainConsole& Console() { return game_->console; }

    // Prints whole lines of session output, a thousand at a time, until the transcript holds
    // the given number of lines.
    void FillTo(int lines) {
        std::string block;
        int held = LineCount();
        while (held < lines) {
            block.clear();
            const int count = std::min(1000, lines - held);
            for (int i = 0; i < count; ++i)
                block += "line " + std::to_string(held + i) + " of an evening's output\r\n";
            Console().ConsolePrint(block, 0, false);
            held += count;
        }
        Console().ShowPrompt();
    }

    int LineCount() const {
        const std::string& text = game_->console.Transcript();
        int lines = 0;
        for (std::size_t at = text.find("\r\n"); at != std::string::npos;
             at = text.find("\r\n", at + 2))
            ++lines;
        return lines;
    }

    // A key as the player presses it: through the window when there is one.
    void Press(Qt::Key key, const QString& text = {}) {
        if (window_) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            QApplication::sendEvent(window_->CommandLine(), &press);
            return;
        }
        switch (key) {
            case Qt::Key_Return:
                Console().CommandLine_KeyDown(ConsoleKey::Enter);
                break;
            case Qt::Key_Backspace:
                Console().CommandLine_KeyDown(ConsoleKey::Backspace);
                break;
            default:
                Console().CommandLine_KeyDown(ConsoleKey::Other);
                for (QChar c : text) Console().CommandLine_KeyPress(static_cast<char>(c.unicode()));
        }
    }

    void Type(const QString& text) {
        for (QChar c : text) Press(static_cast<Qt::Key>(c.toUpper().unicode()), QString(c));
    }

    // The return to the event loop after an input: the window shows and paints what changed.
    void Settle() {
        if (window_) QCoreApplication::processEvents();
    }

    void Show() {
        if (!window_) return;
        window_->show();
        Settle();
    }

private:
    TempAppFolder folder_;
    BenchPlatform platform_;
    ConsoleView coreView_;
    std::unique_ptr<ConsoleWindow> window_;
    std::unique_ptr<Game> game_;
};
