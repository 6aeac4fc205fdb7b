#pragma once
// The bands of the vertical colour gradient behind every window (GradientBackground). Standard C++, so
// the arithmetic is tested without a window.

#include <array>
#include <cstdint>

namespace norvex5 {

inline constexpr int kGradientBands = 256;

// a x b / c with a 64-bit intermediate, rounded to the nearest integer, halves away from zero;
// 0 when c is 0 rather than a crash.
std::int32_t mulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

// A colour value as the windows store it: low byte red, then green, then blue.
inline Rgb rgbOf(std::uint32_t colour) {
    return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
            static_cast<int>((colour >> 16) & 0xFF)};
}

struct GradientBand {
    int top = 0;     // first row
    int bottom = 0;  // one past the last row; equal to top for an empty band
    Rgb colour;
};

// Band i spans rows MulDiv(i, H, 256) to MulDiv(i + 1, H, 256); its colour moves from start to
// end by MulDiv(i, difference, 255), each component kept to its low 8 bits.
std::array<GradientBand, kGradientBands> gradientBands(int height, Rgb start, Rgb end);

}  // namespace norvex5
