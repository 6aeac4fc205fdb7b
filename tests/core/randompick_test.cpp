#include "core/randompick.h"

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

namespace norvex5 {
namespace {

TEST(RandomPick, DrawsDistinctNumbersWithinTheHighestNumber) {
    std::mt19937 generator(12345);
    for (int highest : {39, 49, 50}) {
        std::set<int> seen;
        for (int round = 0; round < 2000; ++round) {
            SelectionState s{};
            const auto drawn = randomPick(s, 13, highest, generator);
            ASSERT_EQ(drawn.size(), 13u);
            ASSERT_EQ(std::set<int>(drawn.begin(), drawn.end()).size(), 13u) << "numbers repeat";
            for (int n : drawn) {
                ASSERT_GE(n, 1);
                ASSERT_LE(n, highest);
            }
            EXPECT_EQ(counters(s).ticked, 13);
            EXPECT_EQ(counters(s).fixed, 0);
            seen.insert(drawn.begin(), drawn.end());
        }
        EXPECT_EQ(static_cast<int>(seen.size()), highest) << "every number can come out, the highest included";
    }
}

TEST(RandomPick, ReplacesGridAAndKeepsGridB) {
    std::mt19937 generator(7);
    SelectionState s{};
    s[3] = kFixed;
    s[4] = kSelected;
    s[52] = kSelected;
    s[65] = kFixed;
    const auto first = randomPick(s, 6, 49, generator);
    EXPECT_EQ(counters(s).ticked, 6);
    EXPECT_EQ(counters(s).fixed, 0);
    EXPECT_EQ(s[52], kSelected);
    EXPECT_EQ(s[65], kFixed);
    const auto second = randomPick(s, 6, 49, generator);
    EXPECT_EQ(counters(s).ticked, 6) << "the second pick clears the first";
    for (int n : second) EXPECT_EQ(s[n], kSelected);
}

TEST(RandomPick, IsRoughlyUniform) {
    std::mt19937 generator(99);
    std::array<int, 51> hits{};
    const int rounds = 20000;
    for (int round = 0; round < rounds; ++round) {
        SelectionState s{};
        for (int n : randomPick(s, 6, 49, generator)) ++hits[n];
    }
    const double expected = rounds * 6.0 / 49.0;  // about 2449 per number
    for (int n = 1; n <= 49; ++n) {
        EXPECT_GT(hits[n], expected * 0.85) << n;
        EXPECT_LT(hits[n], expected * 1.15) << n;
    }
    EXPECT_EQ(hits[50], 0);
}

TEST(RandomPick, NeverLeavesThePool) {
    std::mt19937 generator(1);
    SelectionState s{};
    EXPECT_EQ(randomPick(s, 80, 60, generator).size(), 50u) << "clamped to the 50-number pool";
    EXPECT_EQ(counters(s).ticked, 50);
    EXPECT_EQ(randomPick(s, 10, 4, generator).size(), 4u);
    EXPECT_TRUE(randomPick(s, 5, 0, generator).empty());
    EXPECT_TRUE(randomPick(s, -3, 49, generator).empty());
    EXPECT_TRUE(randomPick(s, 6, -10, generator).empty());
    EXPECT_EQ(counters(s).ticked, 0);
}

TEST(RandomPick, ClockSeededPicksDiffer) {
    std::vector<std::vector<int>> draws;
    for (int i = 0; i < 5; ++i) {
        SelectionState s{};
        draws.push_back(randomPick(s, 13, 50));
    }
    std::sort(draws.begin(), draws.end());
    EXPECT_NE(draws.front(), draws.back()) << "five clock-seeded picks all the same";
}

}  // namespace
}  // namespace norvex5
