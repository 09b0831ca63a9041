// The Qt platform behaves as the game needs it: a synchronous sound blocks the game while the
// window still paints, and the system's boxes are readable in the game's look.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "app/game.h"
#include "app/qt_platform.h"
#include "console/console_window.h"
#include "harness/test_game.h"
#include "windows/contrast.h"

namespace {

// Pretends that a sound device plays every sound, so the wait for a sound is real here too.
class AudibleQtPlatform : public QtPlatform {
public:
    bool StartSound(const std::filesystem::path&) override { return true; }
};

// An 8-bit mono wave of the given length at 1000 bytes per second.
std::string Wave(int milliseconds) {
    auto le32 = [](std::uint32_t value) {
        std::string bytes(4, '\0');
        for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        return bytes;
    };
    const auto size = static_cast<std::uint32_t>(milliseconds);
    return "RIFF" + le32(36 + size) + "WAVE" + "fmt " + le32(16) +
           std::string("\x01\x00\x01\x00", 4) + le32(1000) + le32(1000) +
           std::string("\x01\x00\x08\x00", 4) + "data" + le32(size) + std::string(size, '\x80');
}

class QtConsole : public testing::Test {
protected:
    QtConsole() {
        folder.CopyFromData("Lang/English.zdl");
        folder.Write("Sound/tone.wav", Wave(400));
        window.Bind(game.console);
        platform.SetMainWindow(&window);
        window.show();
        game.console.Prompt = "root[.]# ";
        game.console.ShowPrompt();
    }
    TempAppFolder folder;
    AudibleQtPlatform platform;
    ConsoleWindow window;
    Game game{platform, folder.Path(), window};
};

TEST_F(QtConsole, KeysClicksAndTimersWaitOutASynchronousSound) {
    int ticks = 0;
    auto probe = platform.CreateTimer("Probe", 150, [&] { ++ticks; });
    probe->SetEnabled(true);
    int ticksDuring = -1;
    QTimer::singleShot(100, [&] {
        QTest::keyClicks(window.CommandLine(), "dir");
        QTest::keyClick(window.CommandLine(), Qt::Key_Return);
        QTest::mouseClick(window.findChild<QLabel*>("buthangup"), Qt::LeftButton);
    });
    QTimer::singleShot(390, [&] { ticksDuring = ticks; });
    const std::string before = game.console.Transcript();

    QElapsedTimer clock;
    clock.start();
    game.PlaySoundFile("tone.wav", 2);
    EXPECT_GE(clock.elapsed(), 390);
    EXPECT_EQ(ticksDuring, 0);  // the window painted and its own timers ran, the game's did not
    EXPECT_EQ(game.console.Transcript(), before);
    EXPECT_TRUE(game.state.MessageText.empty());  // the hang-up button never answered

    // Afterwards the timer that fell due ticks once, as the next event; the dropped keys and
    // the click are gone for good.
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(game.console.Transcript(), before);
    EXPECT_TRUE(game.state.MessageText.empty());

    // Without a sound the same keys type as usual.
    QTest::keyClicks(window.CommandLine(), "dir");
    EXPECT_EQ(game.console.Transcript(), before + "dir");
}

TEST_F(QtConsole, OnlyPrintableKeysType) {
    struct Key {
        Qt::Key key;
        QString text;
        const char* typed;
    };
    const Key keys[] = {{Qt::Key_Delete, QString(QChar(0x7F)), ""},
                        {Qt::Key_Escape, QString(QChar(0x1B)), ""},
                        {Qt::Key_Tab, "\t", ""},
                        {Qt::Key_Insert, "", ""},
                        {Qt::Key_F1, "", ""},
                        {Qt::Key_A, "a", "a"},
                        {Qt::Key_Eacute, QString(QChar(0xE9)), "\xE9"}};
    for (const Key& key : keys) {
        const std::string before = game.console.Transcript();
        QKeyEvent press(QEvent::KeyPress, key.key, Qt::NoModifier, key.text);
        QApplication::sendEvent(window.CommandLine(), &press);
        EXPECT_EQ(game.console.Transcript(), before + key.typed) << key.key;
    }
}

// The background is the commonest colour of the text's area; the text colour the one farthest
// from it.
double TextContrast(QWidget* box, QWidget* label) {
    const QImage image = box->grab(QRect(label->mapTo(box, QPoint(0, 0)), label->size())).toImage();
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
    QRgb background = counts.begin()->first;
    for (const auto& [colour, count] : counts)
        if (count > counts[background]) background = colour;
    double best = 1.0;
    for (const auto& [colour, count] : counts)
        best = std::max(best, Contrast(QColor(colour), QColor(background)));
    return best;
}

TEST_F(QtConsole, TheSystemBoxesReadWellOverTheConsole) {
    for (bool question : {false, true}) {
        double contrast = 0;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            auto* label = box->findChild<QLabel*>("qt_msgbox_label");
            ASSERT_NE(label, nullptr);
            contrast = TextContrast(box, label);
            box->done(QMessageBox::No);
        });
        if (question)
            platform.AskYesNo("Zindrel", "Want to try reverting to english?");
        else
            platform.ShowOkMessage("Zindrel", "Language changed. Now please restart Zindrel");
        EXPECT_GE(contrast, 4.5) << (question ? "Yes/No question" : "OK box");
    }
}

}  // namespace
