// Draws the tools' progress bar: fill, text, and the text recoloured where the fill lies under it.
#include "progress_bar.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <stdexcept>

namespace {

// To the nearest whole number, halves to the even neighbour (the default rounding mode), and
// checked to fit the 32 bits the bar counts in: a percentage far out of range is an overflow,
// not a bar.
std::int32_t Nearest(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max())) {
        throw std::overflow_error("progress bar position out of range");
    }
    return static_cast<std::int32_t>(rounded);
}

// One gradient component: below 0 is 0, above 255 is 255.
std::uint32_t Component(double value) {
    return static_cast<std::uint32_t>(std::clamp(std::nearbyint(value), 0.0, 255.0));
}

// The fill for every style but the vertical one, columns 0 to lastColumn. Columns past the right
// edge would only draw clipped lines, so the loops stop there.
void DrawFill(ProgressSurface& surface, std::int32_t lastColumn, float unit, int width, int height,
              Colour backColor, Colour foreColor, std::int16_t style) {
    const std::int32_t end = std::min(lastColumn, width - 1);
    if (style == ProgressBar::kGradient) {
        std::int16_t red = 0;
        std::int16_t green = 0;
        std::int16_t blue = 0;
        SplitColor(foreColor, red, green, blue);
        // From the fore colour with red and blue exchanged and green 128 at 0 % to the fore colour
        // itself at 100 %; the steps are single precision like unit.
        const float dRed = static_cast<float>(blue - red) / 100;
        const float dGreen = static_cast<float>(128 - green) / 100;
        const float dBlue = static_cast<float>(red - blue) / 100;
        for (std::int32_t x = 0; x <= end; ++x) {
            const double k = x / static_cast<double>(unit) + 1;
            surface.SetForeColour(Rgb(Component(blue - k * dRed), Component(128 - k * dGreen),
                                      Component(red - k * dBlue)));
            surface.DrawLine(x, 0, x, height);
        }
        return;
    }

    for (std::int32_t x = 0; x <= end; ++x) surface.DrawLine(x, 0, x, height);
    if (style != ProgressBar::kSegmented) return;

    // A two-pixel gap every 7 %. Below 8 pixels of width the step rounds to 0; it is taken as 1,
    // the step the next widths up get, so such a bar shows its frame and gaps and never hangs.
    const std::int32_t step = std::max(Nearest(static_cast<double>(unit) * 7), 1);
    // A gap is columns i - 1 and i, so gaps past the right edge fall wholly outside; the frame is
    // the same on every pass.
    const std::int64_t lastGap = std::min(lastColumn, width);
    for (std::int64_t gap = 0; gap <= lastGap; gap += step) {
        const int i = static_cast<int>(gap);
        surface.SetForeColour(backColor);
        surface.DrawLine(0, 0, width - 1, 0);
        surface.DrawLine(1, 1, 1, height - 1);
        surface.DrawLine(width - 1, 0, width - 1, height - 1);
        surface.DrawLine(1, height - 1, width, height - 1);
        surface.DrawLine(1, height - 2, width, height - 2);
        surface.DrawLine(1, height - 3, width, height - 3);
        surface.DrawLine(i - 1, 0, i - 1, height);
        surface.DrawLine(i, 0, i, height);
        surface.SetForeColour(foreColor);
    }
}

// Turns text-coloured pixels of one column or row into the back colour: the part of the text that
// lies on the fill stays readable.
void RecolourColumn(ProgressSurface& surface, int x, int height, Colour textColor,
                    Colour backColor) {
    for (int y = 0; y < height; ++y) {
        if (surface.GetPixel(x, y) == textColor) surface.SetPixel(x, y, backColor);
    }
}

void RecolourRow(ProgressSurface& surface, int y, int width, Colour textColor, Colour backColor) {
    for (int x = 0; x < width; ++x) {
        if (surface.GetPixel(x, y) == textColor) surface.SetPixel(x, y, backColor);
    }
}

}  // namespace

void SplitColor(Colour color, std::int16_t& red, std::int16_t& green, std::int16_t& blue) {
    red = static_cast<std::int16_t>(color % 256);
    green = static_cast<std::int16_t>(color / 256 % 256);
    blue = static_cast<std::int16_t>(color / 65536 % 256);
}

bool ProgressBar::DrawProgress(ProgressSurface& surface, std::int32_t percent, Colour backColor,
                               Colour foreColor, Colour textColor, bool showText,
                               std::int16_t style, const std::string& caption) {
    // A failing surface or an absurd percentage leaves the bar as far as it got and reports
    // nothing: the tool carries on and the next tick tries again.
    try {
        if (percent < LastPercentDrawn) surface.Clear();
        if (percent == LastPercentDrawn && LastPercentDrawn > 0) return false;

        surface.SetBackColour(backColor);
        surface.SetForeColour(foreColor);
        const int width = surface.Width();
        const int height = surface.Height();
        if (width < 1 || height < 1) throw std::runtime_error("progress bar surface has no area");

        // unit is single precision, which decides on which side of a half some positions fall;
        // its products with whole numbers are taken in double.
        if (style == kVertical) {
            const float unit = static_cast<float>(height) / 100;
            // Rows outside the surface would only draw clipped lines.
            const std::int32_t top = Nearest(height - static_cast<double>(unit) * percent);
            const std::int32_t firstRow = std::max(top, 0);
            for (std::int32_t y = firstRow; y < height; ++y) surface.DrawLine(0, y, width, y);

            if (showText) {
                surface.SetForeColour(textColor);
                surface.DrawText(Nearest(width / 2.0 - 10), Nearest(height / 2.0 - 8),
                                 percent >= 100 ? caption + " done!"
                                                : caption + " " + std::to_string(percent) + "%");
                // From the top of the fill down to the 60 % row: at least the fill's top row.
                for (std::int32_t y = firstRow; y < height; ++y) {
                    RecolourRow(surface, y, width, textColor, backColor);
                    if (y > static_cast<double>(unit) * 60) break;
                }
            }
        } else {
            const float unit = static_cast<float>(width) / 100;
            // Column x stands for x / unit + 1 %, so the fill ends at the column of percent - 1.
            const std::int32_t lastColumn =
                Nearest(static_cast<double>(unit) * (std::int64_t{percent} - 1));
            DrawFill(surface, lastColumn, unit, width, height, backColor, foreColor, style);

            if (showText) {
                surface.SetForeColour(textColor);
                surface.DrawText(Nearest(width / 2.0 - 7), Nearest(height / 2.0 - 8),
                                 percent >= 100 ? "Done!" : std::to_string(percent) + "%");
                // Only the 40 % to 60 % band, where the text sits, is searched pixel by pixel.
                if (percent > 40) {
                    const std::int32_t end = std::min(lastColumn, width - 1);
                    for (std::int32_t x = Nearest(static_cast<double>(unit) * 40); x <= end; ++x) {
                        RecolourColumn(surface, x, height, textColor, backColor);
                        if (x > static_cast<double>(unit) * 60) break;
                    }
                }
            }
        }
    } catch (const std::exception&) {
        return false;
    }
    LastPercentDrawn = percent;
    return true;
}
