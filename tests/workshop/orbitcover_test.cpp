#include "workshop/orbitcover.h"

#include <gtest/gtest.h>

#include "workshop/wheelcheck.h"

namespace norvex5::workshop {
namespace {

using Clock = std::chrono::steady_clock;

Wheel wheelOf(const std::vector<std::uint64_t>& boards, int v, int boardSize = kBoardSize) {
    Wheel wheel;
    wheel.numbers = v;
    wheel.boardSize = boardSize;
    for (std::uint64_t mask : boards) {
        Board board{};
        EXPECT_EQ(__builtin_popcountll(mask), boardSize);
        EXPECT_EQ(mask >> v, 0u);
        for (int k = 0; k < boardSize; ++k, mask &= mask - 1) board[k] = static_cast<std::uint8_t>(__builtin_ctzll(mask));
        wheel.boards.push_back(board);
    }
    return wheel;
}

// The maps with a among the eleven squares mod 23 hold a wheel with one board for every four
// numbers: 8855 / 5 = 1771 boards, none to spare. Only an exact search finds it.
TEST(OrbitCover, FindsTheWheelWithOneBoardForEveryFourOf23Numbers) {
    const OrbitCover cover = smallestOrbitCover(23, {4, 4}, {23, 11}, Clock::now() + std::chrono::seconds(60), INT64_MAX);
    EXPECT_TRUE(cover.finished);
    EXPECT_EQ(cover.boardOrbits, 133);
    EXPECT_EQ(cover.subsetOrbits, 35);
    ASSERT_EQ(cover.boards.size(), 1771u);
    const CoverageProfile profile = *coverageProfile(CoverageIndex(wheelOf(cover.boards, 23)));
    EXPECT_EQ(profile.holes({4, 4}), 0);
    // 1771 different boards, five fours each, meet all 8855 fours: each on exactly one board.
    EXPECT_EQ(profile.holes({5, 5}), binomial(23, 5) - 1771);
}

// Shorter boards, with a number staying put: the squares mod 19 and one more number hold a wheel
// of four-number boards with one board for every three numbers (1140 / 4 = 285), the part beside
// one key number of "4 if 4 when the key number is drawn".
TEST(OrbitCover, FindsTheWheelOfFourNumberBoardsWithOneForEveryThreeOf20Numbers) {
    const OrbitCover cover =
        smallestOrbitCover(20, {3, 3}, {19, 9}, Clock::now() + std::chrono::seconds(60), INT64_MAX, 4);
    EXPECT_TRUE(cover.finished);
    ASSERT_EQ(cover.boards.size(), 285u);
    EXPECT_EQ(coverageProfile(CoverageIndex(wheelOf(cover.boards, 20, 4)))->holes({3, 3}), 0);
}

// Numbers staying put and guarantees over more drawn numbers than t: whatever the group, a wheel
// found keeps the guarantee, and the bound asked for is kept.
TEST(OrbitCover, AWheelFoundKeepsItsGuaranteeAndStaysUnderTheBound) {
    struct Case {
        int v;
        Guarantee g;
        AffineGroup group;
    };
    for (const Case& c : {Case{13, {3, 3}, {13, 3}}, Case{14, {3, 4}, {11, 5}}, Case{12, {4, 5}, {11, 1}},
                          Case{16, {2, 3}, {13, 12}}}) {
        SCOPED_TRACE(c.v);
        const OrbitCover first = smallestOrbitCover(c.v, c.g, c.group, Clock::now() + std::chrono::seconds(2), INT64_MAX);
        ASSERT_FALSE(first.boards.empty());
        EXPECT_EQ(coverageProfile(CoverageIndex(wheelOf(first.boards, c.v)))->holes(c.g), 0);
        // Asked for fewer boards than the smallest it found, a search that went through finds none.
        const auto fewer = static_cast<std::int64_t>(first.boards.size());
        const OrbitCover second = smallestOrbitCover(c.v, c.g, c.group, Clock::now() + std::chrono::seconds(2), fewer);
        if (first.finished) {
            EXPECT_TRUE(second.boards.empty());
        }
        if (!second.boards.empty()) {
            EXPECT_LT(second.boards.size(), first.boards.size());
        }
    }
}

TEST(OrbitCover, TheGroupsTriedAreOverPrimesWithEveryOrderOfFactors) {
    const std::vector<AffineGroup> groups = affineGroupsFor(24);
    // 23 (orders 22, 11, 2, 1), 19 (18, 9, 6, 3, 2, 1), 17 is more than six below.
    ASSERT_EQ(groups.size(), 10u);
    EXPECT_EQ(groups.front().prime, 23);
    EXPECT_EQ(groups.front().order, 22);
    EXPECT_EQ(groups.back().prime, 19);
    EXPECT_EQ(groups.back().order, 1);
}

}  // namespace
}  // namespace norvex5::workshop
