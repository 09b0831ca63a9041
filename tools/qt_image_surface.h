// The progress surface of the tool windows: a QImage that the window's Picture1 label shows.
#pragma once

#include <QFont>
#include <QImage>

#include "tools/progress_surface.h"

class QtImageSurface : public ProgressSurface {
public:
    // A surface of width x height pixels in back colour 0.
    QtImageSurface(int width, int height);

    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    void Clear() override;
    void SetBackColour(Colour colour) override;
    Colour BackColour() const override { return backColour_; }
    void SetForeColour(Colour colour) override { foreColour_ = colour; }
    void DrawLine(int x1, int y1, int x2, int y2) override;
    // Throws std::runtime_error when the image cannot be painted on.
    void DrawText(int x, int y, const std::string& text) override;
    Colour GetPixel(int x, int y) const override;
    void SetPixel(int x, int y, Colour colour) override;

    const QImage& Image() const { return image_; }

private:
    QImage image_;
    QFont font_;
    Colour backColour_ = 0;
    Colour foreColour_ = 0;
};
