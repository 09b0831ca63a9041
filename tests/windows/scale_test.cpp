// On a screen scaled by two every window draws its text whole and its pictures sharp: pictures
// carry the screen's pixels, and a progress bar's pixels become hard-edged blocks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QTextDocument>
#include <functional>

#include "app/intro_window.h"
#include "app/settings_window.h"
#include "app/window_chrome.h"
#include "console/console_window.h"
#include "harness/test_game.h"
#include "tools/file_transfer_window.h"
#include "tools/mail_window.h"
#include "tools/message_window.h"
#include "tools/password_hack_window.h"
#include "tools/ping_window.h"
#include "tools/port_scan_window.h"
#include "tools/telnet_window.h"
#include "tools/virus_upload_window.h"

namespace {

// Every label shown in the window holds its text in one line and its picture at the screen's
// resolution.
void ExpectDrawnWhole(QWidget& window) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const qreal ratio = qApp->devicePixelRatio();
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisible()) continue;
        SCOPED_TRACE(window.objectName().toStdString() + " " + label->objectName().toStdString());
        const QPixmap picture = label->pixmap();
        if (!picture.isNull()) {
            EXPECT_EQ(picture.devicePixelRatio(), ratio);
            EXPECT_LE(picture.deviceIndependentSize().width(), label->contentsRect().width());
        }
        const QString text = label->text();
        if (text.isEmpty() || label->wordWrap() || Qt::mightBeRichText(text)) continue;
        const QFontMetrics metrics(label->font());
        EXPECT_GE(label->contentsRect().width(), metrics.horizontalAdvance(text))
            << text.toStdString();
        EXPECT_GE(label->contentsRect().height(), metrics.height()) << text.toStdString();
    }
    window.hide();
}

TEST(ScaledScreen, TheScreenIsScaledByTwo) {
    EXPECT_EQ(qApp->devicePixelRatio(), 2.0);
}

TEST(ScaledScreen, EveryWindowDrawsItsTextWholeAndItsPicturesSharp) {
    TestGame test;
    test.folder.Write("MissionPack/Rookie/m1.zdl", "m1.zdl\r\n");
    Game& game = *test.game;
    game.state.MessageText = "You're in! The trace has started - do the job.";
    const std::vector<std::function<std::unique_ptr<QDialog>()>> windows = {
        [&] { return CreateFormWindow<IntroWindow>(game.intro); },
        [&] { return CreateFormWindow<SettingsWindow>(game.settingsForm); },
        [&] { return CreateFormWindow<MailWindow>(game.mailForm); },
        [&] { return CreateFormWindow<MessageWindow>(game.messageForm); },
        [&] { return CreateFormWindow<PingWindow>(game.pingForm); },
        [&] { return CreateFormWindow<TelnetWindow>(game.telnetForm); },
        [&] { return CreateFormWindow<PortScanWindow>(game.portScanForm); },
        [&] { return CreateFormWindow<PasswordHackWindow>(game.passwordHackForm); },
        [&] { return CreateFormWindow<VirusUploadWindow>(game.virusUploadForm); },
        [&] { return CreateFormWindow<FileTransferWindow>(game.downloadForm); },
        [&] { return CreateFormWindow<FileTransferWindow>(game.wiperForm); },
    };
    for (const auto& make : windows) {
        std::unique_ptr<QDialog> window = make();
        ExpectDrawnWhole(*window);
    }

    ConsoleWindow console;
    Game playing(test.platform, test.folder.Path(), console);
    console.Bind(playing.console);
    ExpectDrawnWhole(console);
}

TEST(ScaledScreen, AProgressBarsPixelsBecomeHardEdgedBlocks) {
    QImage bar(7, 3, QImage::Format_RGB32);
    for (int y = 0; y < bar.height(); ++y)
        for (int x = 0; x < bar.width(); ++x)
            bar.setPixel(x, y, (x + y) % 2 == 0 ? qRgb(0, 192, 0) : qRgb(0, 0, 0));

    const QPixmap shown = BlockScaled(bar, 2.0);
    EXPECT_EQ(shown.devicePixelRatio(), 2.0);
    EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(7, 3));
    const QImage pixels = shown.toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(pixels.size(), QSize(14, 6));
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            ASSERT_EQ(pixels.pixel(x, y), bar.pixel(x / 2, y / 2)) << x << "," << y;
}

}  // namespace
