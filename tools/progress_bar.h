// The progress bar of the timed tool windows: a fill in one of four styles and a percentage text.
#pragma once

#include <cstdint>
#include <string>

#include "app/colour.h"
#include "tools/progress_surface.h"

// Splits a colour into its red, green and blue parts.
void SplitColor(Colour color, std::int16_t& red, std::int16_t& green, std::int16_t& blue);

// The progress bar every timed tool draws; the last percentage drawn is shared by all of them.
class ProgressBar {
public:
    // Styles: 1 fills from the bottom up, 2 cuts the fill into blocks, 3 shades it from a start
    // colour to foreColor; any other value is one solid colour.
    static constexpr std::int16_t kVertical = 1;
    static constexpr std::int16_t kSegmented = 2;
    static constexpr std::int16_t kGradient = 3;

    std::int32_t LastPercentDrawn = 0;

    // Repaints the whole bar for percent; false when it drew nothing because the percentage has
    // not moved, or when the surface failed (then LastPercentDrawn keeps its value).
    bool DrawProgress(ProgressSurface& surface, std::int32_t percent, Colour backColor,
                      Colour foreColor, Colour textColor, bool showText, std::int16_t style,
                      const std::string& caption);
};
