// The picture a timed tool draws its progress bar on: the window's own surface while the window
// is on screen, a surface in memory otherwise (tests, or a tool run without a window).
#pragma once

#include <optional>

#include "tools/memory_surface.h"
#include "tools/progress_surface.h"

class ProgressPicture {
public:
    ProgressPicture(int width, int height) : width_(width), height_(height) {}

    ProgressSurface& Surface() {
        if (attached_ != nullptr) return *attached_;
        // Most games never run most tools: the picture in memory is made when first drawn on.
        if (!memory_) memory_.emplace(width_, height_);
        return *memory_;
    }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The view lends its surface while it shows the window, and takes it back (nullptr) before
    // it goes.
    void Attach(ProgressSurface* surface) { attached_ = surface; }

private:
    int width_;
    int height_;
    std::optional<MemorySurface> memory_;
    ProgressSurface* attached_ = nullptr;
};
