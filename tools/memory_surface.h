// A progress surface held in memory, for the tests and for drawing without a window.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tools/progress_surface.h"

class MemorySurface : public ProgressSurface {
public:
    // Each character takes a cell this size; its glyph is 5 x 7 pixels at the cell's top-left, or
    // two rows lower for the letters that reach below the line.
    static constexpr int kCellWidth = 6;
    static constexpr int kCellHeight = 9;

    // A surface of width x height pixels in back colour 0; a negative size throws.
    MemorySurface(int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Clear() override;
    void SetBackColour(Colour colour) override;
    Colour BackColour() const override { return backColour_; }
    void SetForeColour(Colour colour) override { foreColour_ = colour; }
    void DrawLine(int x1, int y1, int x2, int y2) override;
    // Characters the font lacks draw as a box.
    void DrawText(int x, int y, const std::string& text) override;
    Colour GetPixel(int x, int y) const override;
    void SetPixel(int x, int y, Colour colour) override;

    // Row by row from the top-left.
    const std::vector<Colour>& Pixels() const { return pixels_; }

private:
    bool Contains(int x, int y) const { return x >= 0 && x < width_ && y >= 0 && y < height_; }
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    Colour backColour_ = 0;
    Colour foreColour_ = 0;
    std::vector<Colour> pixels_;
};
