#include "screen/gradientbands.h"

#include <cstdlib>

namespace norvex5 {

std::int32_t mulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0) return 0;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
    const bool negative = (product < 0) != (c < 0);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::array<GradientBand, kGradientBands> gradientBands(int height, Rgb start, Rgb end) {
    const int dr = end.red - start.red;
    const int dg = end.green - start.green;
    const int db = end.blue - start.blue;
    std::array<GradientBand, kGradientBands> bands{};
    for (int i = 0; i < kGradientBands; ++i) {
        GradientBand& band = bands[i];
        band.top = mulDiv(i, height, kGradientBands);
        band.bottom = mulDiv(i + 1, height, kGradientBands);
        band.colour = {(start.red + mulDiv(i, dr, 255)) & 0xFF, (start.green + mulDiv(i, dg, 255)) & 0xFF,
                       (start.blue + mulDiv(i, db, 255)) & 0xFF};
    }
    return bands;
}

}  // namespace norvex5
