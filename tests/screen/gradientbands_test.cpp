#include "screen/gradientbands.h"

#include <gtest/gtest.h>

namespace norvex5 {
namespace {

TEST(Gradient, MulDivRoundsHalvesAwayFromZero) {
    struct Case {
        std::int32_t a, b, c, expected;
    };
    const Case cases[] = {
        {1, 1, 2, 1},
        {-1, 1, 2, -1},
        {3, 1, 2, 2},
        {1, 1, 3, 0},
        {2, 1, 3, 1},
        {-2, 1, 3, -1},
        {5, -1, 2, -3},
        {1, 300, 256, 1},
        {255, 300, 256, 299},
        {256, 300, 256, 300},
        {7, -6, 255, 0},
        {128, -52, 255, -26},
        {1 << 30, 4, 8, 1 << 29},
        {5, 5, 0, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(mulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(Gradient, FirstAndLastBandsHoldTheColours) {
    const Rgb start = rgbOf(14680049);
    const Rgb end = rgbOf(11271915);
    EXPECT_EQ(start, (Rgb{241, 255, 223}));
    EXPECT_EQ(end, (Rgb{235, 254, 171}));
    const auto bands = gradientBands(464, start, end);
    EXPECT_EQ(bands.front().colour, start);
    EXPECT_EQ(bands.back().colour, end);
    // 241 + MulDiv(128, -6, 255) = 241 - 3; 255 + MulDiv(128, -1, 255) = 255 - 1 (0.502 rounds up)
    EXPECT_EQ(bands[128].colour, (Rgb{238, 254, 197}));
}

TEST(Gradient, BandsTileTheHeightWithoutGapsOrOverlap) {
    for (int height : {0, 1, 100, 255, 256, 257, 464, 1000}) {
        const auto bands = gradientBands(height, {0, 0, 0}, {255, 255, 255});
        EXPECT_EQ(bands.front().top, 0);
        EXPECT_EQ(bands.back().bottom, height);
        for (int i = 1; i < kGradientBands; ++i) {
            EXPECT_EQ(bands[i].top, bands[i - 1].bottom) << height << " band " << i;
            EXPECT_LE(bands[i].top, bands[i].bottom);
        }
    }
    const auto oneEach = gradientBands(256, {0, 0, 0}, {255, 255, 255});
    for (int i = 0; i < kGradientBands; ++i) {
        EXPECT_EQ(oneEach[i].bottom - oneEach[i].top, 1);
        EXPECT_EQ(oneEach[i].colour, (Rgb{i, i, i}));
    }
}

TEST(Gradient, ComponentsKeepTheirLowByte) {
    // Only reachable with colours out of their 0..255 range; the bands stay valid colours anyway.
    const auto bands = gradientBands(256, {250, 0, 0}, {260, 0, 0});
    EXPECT_EQ(bands.back().colour.red, 260 & 0xFF);
    for (const GradientBand& band : bands) EXPECT_LE(band.colour.red, 255);
}

}  // namespace
}  // namespace norvex5
