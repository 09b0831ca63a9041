// The game's colour value, as its files and windows give colours.
#pragma once

#include <cstdint>

// A colour as blue * 65536 + green * 256 + red.
using Colour = std::uint32_t;
constexpr Colour Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return blue * 65536 + green * 256 + red;
}
