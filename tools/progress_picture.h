// The picture a timed tool draws its progress bar on: the window's own surface while the window
// is on screen, a surface in memory otherwise (tests, or a tool run without a window).
#pragma once

#include "tools/memory_surface.h"
#include "tools/progress_surface.h"

class ProgressPicture {
public:
    ProgressPicture(int width, int height) : memory_(width, height) {}

    ProgressSurface& Surface() { return attached_ != nullptr ? *attached_ : memory_; }
    int Width() const { return memory_.Width(); }
    int Height() const { return memory_.Height(); }

    // The view lends its surface while it shows the window, and takes it back (nullptr) before
    // it goes.
    void Attach(ProgressSurface* surface) { attached_ = surface; }

private:
    MemorySurface memory_;
    ProgressSurface* attached_ = nullptr;
};
