// The tools' progress bar on the in-memory surface, at the two sizes the tool windows use.
#include "tools/progress_bar.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tools/memory_surface.h"

namespace {

constexpr Colour kBlack = 0;
constexpr Colour kRed = 255;
constexpr Colour kGreen = 65280;
constexpr Colour kBlue = 16711680;
constexpr Colour kWhite = 16777215;

constexpr std::int16_t kSolid = 0;
constexpr std::int16_t kVertical = ProgressBar::kVertical;
constexpr std::int16_t kSegmented = ProgressBar::kSegmented;
constexpr std::int16_t kGradient = ProgressBar::kGradient;

// The two bars of the tool windows and where their text starts (half a pixel rounds to even).
struct BarSize {
    int Width;
    int Height;
    int TextX;
    int TextY;
    int FullColumn;  // the last filled column at 100 %
};
constexpr BarSize kUploader = {339, 21, 162, 2, 336};
constexpr BarSize kHacker = {269, 23, 128, 4, 266};
constexpr BarSize kBothSizes[] = {kUploader, kHacker};

using PixelSet = std::set<std::pair<int, int>>;

// The pixels a text covers on its own, as the surface's font draws it.
PixelSet TextPixels(int width, int height, int x, int y, const std::string& text) {
    MemorySurface blank(width, height);
    blank.SetForeColour(1);
    blank.DrawText(x, y, text);
    PixelSet pixels;
    for (int py = 0; py < height; ++py) {
        for (int px = 0; px < width; ++px) {
            if (blank.GetPixel(px, py) == 1) pixels.insert({px, py});
        }
    }
    return pixels;
}

PixelSet PixelsOfColour(const MemorySurface& surface, Colour colour) {
    PixelSet pixels;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            if (surface.GetPixel(x, y) == colour) pixels.insert({x, y});
        }
    }
    return pixels;
}

bool ColumnIs(const MemorySurface& surface, int x, Colour colour) {
    for (int y = 0; y < surface.Height(); ++y) {
        if (surface.GetPixel(x, y) != colour) return false;
    }
    return true;
}

bool RowIs(const MemorySurface& surface, int y, Colour colour) {
    for (int x = 0; x < surface.Width(); ++x) {
        if (surface.GetPixel(x, y) != colour) return false;
    }
    return true;
}

// A memory surface that logs the calls the bar makes and can fail at one of them.
class ScriptedSurface : public MemorySurface {
public:
    using MemorySurface::MemorySurface;

    std::vector<std::string> Calls;
    std::string FailAt;

    void Clear() override {
        Note("Clear");
        MemorySurface::Clear();
    }
    void SetBackColour(Colour colour) override {
        Note("SetBackColour");
        MemorySurface::SetBackColour(colour);
    }
    void DrawLine(int x1, int y1, int x2, int y2) override {
        Note("DrawLine");
        MemorySurface::DrawLine(x1, y1, x2, y2);
    }
    void DrawText(int x, int y, const std::string& text) override {
        Note("DrawText");
        MemorySurface::DrawText(x, y, text);
    }
    Colour GetPixel(int x, int y) const override {
        if (FailAt == "GetPixel") throw std::runtime_error("surface gone");
        return MemorySurface::GetPixel(x, y);
    }

private:
    void Note(const std::string& call) {
        if (call == FailAt) throw std::runtime_error("surface gone");
        Calls.push_back(call);
    }
};

TEST(SplitColorTest, TakesRedGreenAndBlueFromTheLowThreeBytes) {
    struct Case {
        Colour Color;
        std::int16_t Red, Green, Blue;
    };
    const Case cases[] = {{kBlack, 0, 0, 0},
                          {kRed, 255, 0, 0},
                          {kGreen, 0, 255, 0},
                          {kBlue, 0, 0, 255},
                          {kWhite, 255, 255, 255},
                          {Rgb(1, 2, 3), 1, 2, 3},
                          {0xFF123456, 0x56, 0x34, 0x12}};
    for (const Case& c : cases) {
        std::int16_t red = -1, green = -1, blue = -1;
        SplitColor(c.Color, red, green, blue);
        EXPECT_EQ(red, c.Red) << c.Color;
        EXPECT_EQ(green, c.Green) << c.Color;
        EXPECT_EQ(blue, c.Blue) << c.Color;
    }
}

TEST(MemorySurfaceTest, LinesLeaveOutTheirEndPointAndClipAtTheEdges) {
    struct Case {
        int X1, Y1, X2, Y2;
        PixelSet Expected;
    };
    const Case cases[] = {
        {0, 0, 4, 0, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},
        {4, 0, 0, 0, {{4, 0}, {3, 0}, {2, 0}, {1, 0}}},
        {1, 0, 1, 4, {{1, 0}, {1, 1}, {1, 2}, {1, 3}}},
        {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
        {-2, 1, 10, 1, {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}}},
        {5, 0, 5, 4, {}},
        {2, 2, 2, 2, {}},
    };
    for (const Case& c : cases) {
        MemorySurface surface(5, 4);
        surface.SetForeColour(kRed);
        surface.DrawLine(c.X1, c.Y1, c.X2, c.Y2);
        EXPECT_EQ(PixelsOfColour(surface, kRed), c.Expected)
            << c.X1 << "," << c.Y1 << " - " << c.X2 << "," << c.Y2;
    }
}

TEST(ProgressBarTest, AtZeroPercentNothingIsFilledAndTheTextReadsZeroPercent) {
    for (const BarSize& size : kBothSizes) {
        for (const std::int16_t style : {kSolid, kSegmented, kGradient}) {
            MemorySurface surface(size.Width, size.Height);
            ProgressBar bar;
            ASSERT_TRUE(bar.DrawProgress(surface, 0, kBlack, kGreen, kRed, true, style, "x"));
            EXPECT_EQ(PixelsOfColour(surface, kRed),
                      TextPixels(size.Width, size.Height, size.TextX, size.TextY, "0%"))
                << size.Width << " style " << style;
            EXPECT_EQ(PixelsOfColour(surface, kBlack).size() + PixelsOfColour(surface, kRed).size(),
                      surface.Pixels().size())
                << "only back and text colours";
        }
    }
}

TEST(ProgressBarTest, AFullBarReadsDoneOverTheFillAndLeavesTheLastColumnsEmpty) {
    for (const BarSize& size : kBothSizes) {
        MemorySurface surface(size.Width, size.Height);
        ProgressBar bar;
        ASSERT_TRUE(bar.DrawProgress(surface, 100, kBlack, kGreen, kRed, true, kGradient, "x"));
        EXPECT_EQ(bar.LastPercentDrawn, 100);

        // The whole text lies on the fill inside the recoloured band: it shows in the back colour.
        EXPECT_TRUE(PixelsOfColour(surface, kRed).empty());
        PixelSet holesInFill;
        for (const auto& pixel : PixelsOfColour(surface, kBlack)) {
            if (pixel.first <= size.FullColumn) holesInFill.insert(pixel);
        }
        EXPECT_EQ(holesInFill, TextPixels(size.Width, size.Height, size.TextX, size.TextY, "Done!"))
            << size.Width;
        EXPECT_EQ(surface.GetPixel(size.FullColumn, 0), kGreen);
        for (int x = size.FullColumn + 1; x < size.Width; ++x) {
            EXPECT_TRUE(ColumnIs(surface, x, kBlack)) << "column " << x << " of " << size.Width;
        }
    }
}

TEST(ProgressBarTest, TheGradientRunsFromTheSwappedStartColourToExactlyTheForeColour) {
    struct Case {
        Colour Fore;
        Colour FirstColumn;
    };
    const Case cases[] = {
        {kGreen, Rgb(0, 129, 0)}, {kWhite, Rgb(255, 129, 255)}, {kBlue, Rgb(252, 127, 3)}};
    for (const BarSize& size : kBothSizes) {
        for (const Case& c : cases) {
            MemorySurface surface(size.Width, size.Height);
            ProgressBar bar;
            ASSERT_TRUE(bar.DrawProgress(surface, 100, kBlack, c.Fore, kRed, false, kGradient, ""));
            EXPECT_TRUE(ColumnIs(surface, 0, c.FirstColumn)) << size.Width << " fore " << c.Fore;
            EXPECT_TRUE(ColumnIs(surface, size.FullColumn, c.Fore))
                << size.Width << " fore " << c.Fore;
        }
    }
}

TEST(ProgressBarTest, ARepeatedPercentDrawsNothingOnAnySurfaceButARepeatedZeroDraws) {
    ProgressBar bar;
    MemorySurface first(kUploader.Width, kUploader.Height);
    ASSERT_TRUE(bar.DrawProgress(first, 37, kBlack, kGreen, kRed, true, kGradient, ""));
    first.SetPixel(300, 10, kBlue);
    EXPECT_FALSE(bar.DrawProgress(first, 37, kBlack, kGreen, kRed, true, kGradient, ""));
    EXPECT_EQ(first.GetPixel(300, 10), kBlue);

    // The last percentage is the program's, not the surface's.
    MemorySurface second(kHacker.Width, kHacker.Height);
    second.SetBackColour(kWhite);
    EXPECT_FALSE(bar.DrawProgress(second, 37, kBlack, kGreen, kRed, true, kGradient, ""));
    EXPECT_TRUE(RowIs(second, 0, kWhite));
    EXPECT_EQ(bar.LastPercentDrawn, 37);

    ProgressBar fresh;
    MemorySurface zero(kUploader.Width, kUploader.Height);
    ASSERT_TRUE(fresh.DrawProgress(zero, 0, kBlack, kGreen, kRed, true, kGradient, ""));
    zero.SetPixel(300, 10, kBlue);
    EXPECT_TRUE(fresh.DrawProgress(zero, 0, kBlack, kGreen, kRed, true, kGradient, ""));
    EXPECT_EQ(zero.GetPixel(300, 10), kBlack);
}

TEST(ProgressBarTest, OnlyALowerPercentClearsTheSurfaceBeforeDrawing) {
    struct Case {
        std::int32_t Previous;
        std::int32_t Percent;
        bool Clears;
    };
    const Case cases[] = {{50, 30, true}, {100, 0, true}, {50, 60, false}, {0, 0, false}};
    for (const Case& c : cases) {
        ScriptedSurface surface(kUploader.Width, kUploader.Height);
        ProgressBar bar;
        bar.LastPercentDrawn = c.Previous;
        ASSERT_TRUE(
            bar.DrawProgress(surface, c.Percent, kBlack, kGreen, kRed, true, kGradient, ""));
        ASSERT_FALSE(surface.Calls.empty());
        EXPECT_EQ(surface.Calls.front() == "Clear", c.Clears) << c.Previous << " to " << c.Percent;
    }
}

// Solid fill in blue, red text on black: where the text lies on the fill inside the band it is
// black, elsewhere red.
TEST(ProgressBarTest, TextOnTheFillIsRecolouredOnlyPastFortyPercentAndFromTheBandsStart) {
    struct Case {
        int Width;
        std::int32_t Percent;
        int TextX;
        int LastColumn;
        int BandStart;  // -1: nothing is recoloured
    };
    const Case cases[] = {
        {50, 40, 18, 20, -1},  // the text reaches into the fill, but 40 % recolours nothing
        {50, 41, 18, 20, 20},  // columns 18 and 19 lie on the fill before the band
        {339, 50, 162, 166, 136}, {339, 55, 162, 183, 136}, {269, 50, 128, 132, 108},
    };
    for (const Case& c : cases) {
        const int height = 21;
        MemorySurface surface(c.Width, height);
        ProgressBar bar;
        ASSERT_TRUE(bar.DrawProgress(surface, c.Percent, kBlack, kBlue, kRed, true, kSolid, ""));
        const PixelSet text =
            TextPixels(c.Width, height, c.TextX, 2, std::to_string(c.Percent) + "%");
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < c.Width; ++x) {
                const bool onFill = x <= c.LastColumn;
                Colour expected = onFill ? kBlue : kBlack;
                if (text.count({x, y}) != 0) {
                    expected = onFill && c.BandStart >= 0 && x >= c.BandStart ? kBlack : kRed;
                }
                ASSERT_EQ(surface.GetPixel(x, y), expected)
                    << c.Width << " at " << c.Percent << "%, pixel " << x << "," << y;
            }
        }
    }
}

// With the text colour equal to the fill's, the band shows as a black stripe through the fill.
TEST(ProgressBarTest, RecolouringStopsAfterTheFirstColumnPastSixtyPercent) {
    struct Case {
        BarSize Size;
        int LastColumn;
        int BandStart;
        int BandEnd;
    };
    // On a 100-pixel bar 60 % falls exactly on column 60, which does not yet stop the band.
    const Case cases[] = {
        {kUploader, 268, 136, 204}, {kHacker, 213, 108, 162}, {{100, 21, 43, 2, 99}, 79, 40, 61}};
    for (const Case& c : cases) {
        MemorySurface surface(c.Size.Width, c.Size.Height);
        ProgressBar bar;
        ASSERT_TRUE(bar.DrawProgress(surface, 80, kBlack, kRed, kRed, true, kSolid, ""));
        for (int x = 0; x < c.Size.Width; ++x) {
            const bool filled = x <= c.LastColumn && (x < c.BandStart || x > c.BandEnd);
            EXPECT_TRUE(ColumnIs(surface, x, filled ? kRed : kBlack))
                << c.Size.Width << " column " << x;
        }
    }
}

TEST(ProgressBarTest, SegmentsHaveAFrameAndTwoPixelGapsEverySevenPercent) {
    struct Case {
        BarSize Size;
        int LastColumn;
        std::set<int> Gaps;
    };
    const Case cases[] = {
        {kUploader,
         200,
         {0, 23, 24, 47, 48, 71, 72, 95, 96, 119, 120, 143, 144, 167, 168, 191, 192}},
        {kHacker, 159, {0, 18, 19, 37, 38, 56, 57, 75, 76, 94, 95, 113, 114, 132, 133, 151, 152}},
    };
    for (const Case& c : cases) {
        const int width = c.Size.Width;
        const int height = c.Size.Height;
        MemorySurface surface(width, height);
        ProgressBar bar;
        ASSERT_TRUE(bar.DrawProgress(surface, 60, kBlack, kGreen, kRed, false, kSegmented, ""));
        for (const int y : {0, height - 3, height - 2, height - 1}) {
            EXPECT_TRUE(RowIs(surface, y, kBlack)) << width << " frame row " << y;
        }
        EXPECT_TRUE(ColumnIs(surface, 1, kBlack)) << width;
        EXPECT_TRUE(ColumnIs(surface, width - 1, kBlack)) << width;
        for (int x = 2; x < width - 1; ++x) {
            const bool filled = x <= c.LastColumn && c.Gaps.count(x) == 0;
            for (int y = 1; y < height - 3; ++y) {
                ASSERT_EQ(surface.GetPixel(x, y), filled ? kGreen : kBlack)
                    << width << " pixel " << x << "," << y;
            }
        }
    }
}

TEST(ProgressBarTest, ASegmentStepOfZeroOnATinySurfaceStillFinishes) {
    for (const int width : {1, 7}) {
        MemorySurface surface(width, 5);
        ProgressBar bar;
        ASSERT_TRUE(bar.DrawProgress(surface, 100, kBlack, kGreen, kRed, false, kSegmented, ""));
        // Every column is a gap at step 1, as on the widths just above that do round to 1.
        EXPECT_TRUE(PixelsOfColour(surface, kGreen).empty()) << width;
        EXPECT_EQ(bar.LastPercentDrawn, 100);
    }
}

TEST(ProgressBarTest, TheVerticalStyleFillsFromTheBottomUp) {
    struct Case {
        BarSize Size;
        std::int32_t Percent;
        int TopRow;
    };
    // The unit is single precision: a hundredth of 21 falls just short of 0.21 and a hundredth of
    // 23 just over 0.23, so half of either bar starts at row 11.
    const Case cases[] = {
        {kUploader, 50, 11}, {kHacker, 50, 11}, {kUploader, 100, 0}, {kUploader, 0, 21}};
    for (const Case& c : cases) {
        MemorySurface surface(c.Size.Width, c.Size.Height);
        ProgressBar bar;
        ASSERT_TRUE(
            bar.DrawProgress(surface, c.Percent, kBlack, kGreen, kRed, false, kVertical, ""));
        for (int y = 0; y < c.Size.Height; ++y) {
            EXPECT_TRUE(RowIs(surface, y, y >= c.TopRow ? kGreen : kBlack))
                << c.Size.Height << " at " << c.Percent << "%, row " << y;
        }
    }
}

TEST(ProgressBarTest, TheVerticalTextIsTheCaptionAndIsRecolouredFromTheTopOfTheFill) {
    struct Case {
        std::int32_t Percent;
        std::string Text;
    };
    // The fill starts at row 4 of 21; the text covers rows 2 to 10.
    const Case cases[] = {{80, "Uploading 80%"}, {100, "Uploading done!"}};
    for (const Case& c : cases) {
        MemorySurface surface(kUploader.Width, kUploader.Height);
        ProgressBar bar;
        ASSERT_TRUE(bar.DrawProgress(surface, c.Percent, kBlack, kGreen, kRed, true, kVertical,
                                     "Uploading"));
        const int topRow = c.Percent == 100 ? 0 : 4;
        const PixelSet text = TextPixels(kUploader.Width, kUploader.Height, 160, 2, c.Text);
        for (int y = 0; y < kUploader.Height; ++y) {
            for (int x = 0; x < kUploader.Width; ++x) {
                Colour expected = y >= topRow ? kGreen : kBlack;
                if (text.count({x, y}) != 0) expected = y >= topRow ? kBlack : kRed;
                ASSERT_EQ(surface.GetPixel(x, y), expected)
                    << c.Text << ", pixel " << x << "," << y;
            }
        }
    }
}

// With the text colour equal to the fill's, the recoloured rows show black.
TEST(ProgressBarTest, VerticalRecolouringStopsAfterTheFirstRowPastSixtyPercent) {
    struct Case {
        BarSize Size;
        std::int32_t Percent;
        int TopRow;
        int LastRecoloured;
    };
    const Case cases[] = {
        {kUploader, 80, 4, 13},
        {kHacker, 80, 5, 14},
        {kUploader, 20, 17, 17},  // the fill's top row lies below 60 %: only it is recoloured
        {{50, 100, 15, 42, 49}, 80, 20, 61},  // row 60 is exactly 60 % and does not yet stop
    };
    for (const Case& c : cases) {
        MemorySurface surface(c.Size.Width, c.Size.Height);
        ProgressBar bar;
        // The text lies above the fill or within the recoloured rows, so each row is one colour.
        ASSERT_TRUE(bar.DrawProgress(surface, c.Percent, kBlack, kRed, kRed, true, kVertical, ""));
        for (int y = c.Size.Height - 1; y >= c.TopRow; --y) {
            EXPECT_TRUE(RowIs(surface, y, y <= c.LastRecoloured ? kBlack : kRed))
                << c.Size.Height << " at " << c.Percent << "%, row " << y;
        }
        if (c.TopRow > 0) {
            EXPECT_NE(surface.GetPixel(0, c.TopRow - 1), kRed);
        }
    }
}

TEST(ProgressBarTest, AFailingOrUnusableSurfaceOrAnOverflowDrawsFalseAndKeepsTheLastPercent) {
    for (const char* failing : {"SetBackColour", "DrawLine", "DrawText", "GetPixel"}) {
        ScriptedSurface surface(kUploader.Width, kUploader.Height);
        surface.FailAt = failing;
        ProgressBar bar;
        bar.LastPercentDrawn = 20;
        EXPECT_FALSE(bar.DrawProgress(surface, 50, kBlack, kGreen, kRed, true, kGradient, ""))
            << failing;
        EXPECT_EQ(bar.LastPercentDrawn, 20) << failing;
    }

    struct Case {
        int Width, Height;
        std::int32_t Percent;
    };
    const Case cases[] = {
        {0, 21, 50},
        {339, 0, 50},
        {339, 21, std::numeric_limits<std::int32_t>::max()},
        {339, 21, std::numeric_limits<std::int32_t>::min()},
    };
    for (const Case& c : cases) {
        MemorySurface surface(c.Width, c.Height);
        ProgressBar bar;
        bar.LastPercentDrawn = 20;
        EXPECT_FALSE(
            bar.DrawProgress(surface, c.Percent, kBlack, kGreen, kRed, true, kGradient, ""))
            << c.Width << "x" << c.Height << " at " << c.Percent;
        EXPECT_EQ(bar.LastPercentDrawn, 20);
    }
}

}  // namespace
