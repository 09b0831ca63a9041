// The picture a progress bar is drawn on: in memory for tests, on a QImage in the tool windows.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/colour.h"

// Coordinates are pixels from the top-left corner. Drawing outside the surface is clipped
// silently; a surface that cannot be drawn on at all throws std::runtime_error.
class ProgressSurface {
public:
    // What GetPixel answers outside the surface: no colour of the blue * 65536 + green * 256 + red
    // range, so it never matches a colour the bar looks for.
    static constexpr Colour kNoPixel = 0xFFFFFFFF;

    virtual ~ProgressSurface() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // Erases the whole surface to the back colour.
    virtual void Clear() = 0;
    // Also erases the whole surface to the new colour.
    virtual void SetBackColour(Colour colour) = 0;
    virtual Colour BackColour() const = 0;
    virtual void SetForeColour(Colour colour) = 0;

    // A straight line in the fore colour; its end point is left out, so (x, 0)-(x, Height())
    // fills exactly column x.
    virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
    // Text with its top-left at (x, y) in the fore colour. Every text pixel is exactly the fore
    // colour (no smoothing), because the bar recolours text by comparing pixels.
    virtual void DrawText(int x, int y, const std::string& text) = 0;

    virtual Colour GetPixel(int x, int y) const = 0;
    // Ignored outside the surface.
    virtual void SetPixel(int x, int y, Colour colour) = 0;
};

// The pixels of the line (x1, y1)-(x2, y2) that lie on a width x height surface, end point left
// out, so that every surface draws the same line. Straight lines are clipped before walking them,
// since the bar's lines often run one pixel past the edge.
template <typename Plot>
void ForEachLinePixel(int width, int height, int x1, int y1, int x2, int y2, Plot plot) {
    if (y1 == y2) {
        if (y1 < 0 || y1 >= height || x1 == x2) return;
        const int step = x2 > x1 ? 1 : -1;
        // The end point is left out, whichever way the line runs.
        const int first = std::clamp(step > 0 ? x1 : x2 + 1, 0, width);
        const int last = std::clamp(step > 0 ? x2 - 1 : x1, -1, width - 1);
        for (int x = first; x <= last; ++x) plot(x, y1);
        return;
    }
    if (x1 == x2) {
        if (x1 < 0 || x1 >= width) return;
        const int step = y2 > y1 ? 1 : -1;
        const int first = std::clamp(step > 0 ? y1 : y2 + 1, 0, height);
        const int last = std::clamp(step > 0 ? y2 - 1 : y1, -1, height - 1);
        for (int y = first; y <= last; ++y) plot(x1, y);
        return;
    }
    // Any other line: Bresenham's walk, in 64 bits so that far-off end points cannot overflow.
    const std::int64_t dx = std::llabs(std::int64_t{x2} - x1);
    const std::int64_t dy = -std::llabs(std::int64_t{y2} - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    std::int64_t error = dx + dy;
    std::int64_t x = x1;
    std::int64_t y = y1;
    while (x != x2 || y != y2) {
        if (x >= 0 && x < width && y >= 0 && y < height)
            plot(static_cast<int>(x), static_cast<int>(y));
        const std::int64_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}
