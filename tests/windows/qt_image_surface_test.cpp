// The tool windows' progress image: exact colours both ways, and text without smoothing.
#include "tools/qt_image_surface.h"

#include <gtest/gtest.h>

#include <set>

#include "tools/progress_bar.h"

namespace {

constexpr Colour kBlack = 0;
constexpr Colour kRed = 255;
constexpr Colour kGreen = 65280;

TEST(QtImageSurfaceTest, ColoursReachTheImageAndComeBackUnchanged) {
    const Colour colours[] = {kBlack,   kRed,         kGreen,           16711680,
                              16777215, Rgb(1, 2, 3), Rgb(200, 100, 50)};
    QtImageSurface surface(339, 21);
    for (const Colour colour : colours) {
        const QRgb expected =
            qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                 static_cast<int>((colour >> 16) & 0xFF));
        surface.SetPixel(5, 5, colour);
        EXPECT_EQ(surface.Image().pixel(5, 5), expected) << colour;
        EXPECT_EQ(surface.GetPixel(5, 5), colour) << colour;

        surface.SetForeColour(colour);
        surface.DrawLine(7, 0, 7, 21);
        EXPECT_EQ(surface.Image().pixel(7, 20), expected) << colour;

        surface.SetBackColour(colour);
        EXPECT_EQ(surface.Image().pixel(300, 0), expected) << colour;
        EXPECT_EQ(surface.GetPixel(300, 0), colour) << colour;
    }
}

// The bar finds its text by exact colour: a smoothed edge would leave half-recoloured pixels.
TEST(QtImageSurfaceTest, AFrameWithTextHoldsOnlyTheBarsColoursAndTheExactTextColour) {
    QtImageSurface plain(339, 21);
    ProgressBar withoutText;
    ASSERT_TRUE(withoutText.DrawProgress(plain, 50, kBlack, kGreen, kRed, false, 3, "Uploading"));
    QtImageSurface surface(339, 21);
    ProgressBar withText;
    ASSERT_TRUE(withText.DrawProgress(surface, 50, kBlack, kGreen, kRed, true, 3, "Uploading"));

    int textPixels = 0;
    int recolouredPixels = 0;
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 339; ++x) {
            const Colour bar = plain.GetPixel(x, y);
            const Colour shown = surface.GetPixel(x, y);
            if (shown == bar) continue;
            ASSERT_TRUE(shown == kRed || shown == kBlack)
                << "pixel " << x << "," << y << ": " << shown;
            if (shown == kRed) ++textPixels;
            if (shown == kBlack) ++recolouredPixels;
        }
    }
    EXPECT_GT(textPixels, 0) << "the text is drawn on the empty part";
    EXPECT_GT(recolouredPixels, 0) << "the text's pixels on the fill turn to the back colour";
}

}  // namespace
