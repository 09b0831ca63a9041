// The tool windows' progress surface: the bar's drawing calls on a QImage.
#include "qt_image_surface.h"

#include <QPainter>
#include <stdexcept>

#include "app/qt_text.h"

namespace {

// Our colours are 0x00BBGGRR; the image's pixels are 0xAARRGGBB, always opaque.
QRgb ToPixel(Colour colour) {
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

Colour ToColour(QRgb pixel) {
    return Rgb(static_cast<std::uint32_t>(qRed(pixel)), static_cast<std::uint32_t>(qGreen(pixel)),
               static_cast<std::uint32_t>(qBlue(pixel)));
}

}  // namespace

QtImageSurface::QtImageSurface(int width, int height)
    : image_(width, height, QImage::Format_RGB32), font_(QStringLiteral("Courier")) {
    // A small fixed-pitch font without smoothing: the bar finds its text by exact colour.
    font_.setStyleHint(QFont::TypeWriter, QFont::NoAntialias);
    font_.setPixelSize(11);
    Clear();
}

void QtImageSurface::Clear() {
    image_.fill(ToPixel(backColour_));
}

void QtImageSurface::SetBackColour(Colour colour) {
    backColour_ = colour;
    Clear();
}

void QtImageSurface::DrawLine(int x1, int y1, int x2, int y2) {
    // Set pixel by pixel, not with QPainter, whose treatment of a line's end point depends on the
    // pen: this way every surface covers the same pixels.
    const QRgb pixel = ToPixel(foreColour_);
    ForEachLinePixel(image_.width(), image_.height(), x1, y1, x2, y2,
                     [&](int x, int y) { reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = pixel; });
}

void QtImageSurface::DrawText(int x, int y, const std::string& text) {
    QPainter painter;
    if (!painter.begin(&image_)) throw std::runtime_error("the progress image cannot be painted");
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font_);
    painter.setPen(QColor::fromRgb(ToPixel(foreColour_)));
    painter.drawText(x, y + painter.fontMetrics().ascent(), ToQString(text));
}

Colour QtImageSurface::GetPixel(int x, int y) const {
    return image_.valid(x, y) ? ToColour(image_.pixel(x, y)) : kNoPixel;
}

void QtImageSurface::SetPixel(int x, int y, Colour colour) {
    if (image_.valid(x, y)) image_.setPixel(x, y, ToPixel(colour));
}
