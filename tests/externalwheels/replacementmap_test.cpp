#include "externalwheels/replacementmap.h"

#include <gtest/gtest.h>

namespace norvex5 {
namespace {

TEST(ReplacementMap, BuiltFromTheBoxes) {
    GridABoxTexts gridA;
    GridBBoxTexts gridB;
    for (int n = 1; n <= 50; ++n) gridA[n] = std::to_string(n);
    for (int m = 1; m <= 9; ++m) gridB[m] = std::to_string(m);
    const ReplacementMap untouched = buildReplacementMap(gridA, gridB, ReplacementMap{});
    EXPECT_EQ(untouched, identityReplacementMap());
    EXPECT_EQ(untouched[0], 0);
    EXPECT_EQ(untouched[51], 1);
    EXPECT_EQ(untouched[59], 9);
    EXPECT_EQ(untouched[60], 0);

    gridA[3] = "44";
    gridA[5] = "";
    gridA[2] = "abc";
    gridA[1] = "9";
    gridA[9] = "9";
    gridA[7] = " 12";
    gridA[8] = "12 ";
    gridA[10] = "-3";
    gridB[1] = "4";
    gridB[2] = "x";
    ReplacementMap previous{};
    previous[52] = 77;
    previous[60] = 5;
    const ReplacementMap map = buildReplacementMap(gridA, gridB, previous);
    EXPECT_EQ(map[3], 44);
    EXPECT_EQ(map[5], 5) << "an empty box leaves its number";
    EXPECT_EQ(map[2], 2) << "not a number";
    EXPECT_EQ(map[1], 9);
    EXPECT_EQ(map[9], 9) << "repeats are allowed";
    EXPECT_EQ(map[7], 12) << "leading blanks are accepted";
    EXPECT_EQ(map[8], 8) << "a trailing blank is not";
    EXPECT_EQ(map[10], -3);
    EXPECT_EQ(map[51], 4);
    EXPECT_EQ(map[52], 77) << "a grid B box that is not a number keeps the entry";
    EXPECT_EQ(map[60], 5) << "entries without a box are never written";
}

TEST(ReplacementMap, ReadersReplaceOnlyTheirRange) {
    ReplacementMap map = identityReplacementMap();
    map[3] = 44;
    map[51] = 4;
    EXPECT_EQ(replaceGridA(map, 3), 44);
    for (std::int32_t v : {0, -3, 51, 100, INT32_MAX, INT32_MIN}) EXPECT_EQ(replaceGridA(map, v), v);
    EXPECT_EQ(replaceGridB(map, 1), 4);
    EXPECT_EQ(replaceGridB(map, 10), 0) << "grid B beyond the nine boxes";
    EXPECT_EQ(replaceGridB(map, 50), 0);
    EXPECT_EQ(replaceGridB(map, 51), 51);
    EXPECT_EQ(replaceCompared(map, 51), 4);
    EXPECT_EQ(replaceCompared(map, 100), 0);
    EXPECT_EQ(replaceCompared(map, 101), 101);
}

}  // namespace
}  // namespace norvex5
