#include "workshop/coversearch.h"

#include <gtest/gtest.h>

#include "workshop/seededrandom.h"
#include "workshop/wheelcheck.h"

namespace norvex5::workshop {
namespace {

struct SearchCase {
    int v;
    Guarantee g;
    int period;
    int cycles = 1;
};

// Plain searches and searches in orbits, over guarantees whose holes are counted differently
// (t = m, t < m, a swap meeting few or many subsets); orbits of turns that move one run of the
// numbers round or several at once (three runs of five with one number staying, two of seven
// with two staying, three runs of five).
const SearchCase kCases[] = {{10, {3, 3}, 1},    {12, {3, 4}, 1},    {11, {2, 5}, 1},   {13, {4, 5}, 1},
                             {13, {3, 3}, 13},   {12, {3, 3}, 11},   {14, {4, 4}, 12},  {15, {3, 5}, 15},
                             {16, {3, 3}, 5, 3}, {16, {4, 4}, 7, 2}, {15, {3, 5}, 5, 3}};

std::int64_t recountedHoles(const CoverSearch& search, int v, Guarantee g) {
    Wheel wheel = search.wheel();
    wheel.numbers = v;
    return checkGuarantee(CoverageIndex(wheel), g).holes;
}

// Each of the first `cycles` runs of `period` numbers turned d times within itself, the others kept.
std::uint64_t turned(std::uint64_t board, int period, int cycles, int d) {
    std::uint64_t result = 0;
    for (int n = 0; n < 64; ++n)
        if (board >> n & 1)
            result |= std::uint64_t(1) << (n < period * cycles ? n / period * period + (n % period + d) % period : n);
    return result;
}

void expectWholeOrbits(const CoverSearch& search, int cycles) {
    const int period = search.period();
    const auto& boards = search.boards();
    ASSERT_EQ(boards.size() % static_cast<std::size_t>(period), 0u);
    for (std::size_t first = 0; first < boards.size(); first += period)
        for (int j = 0; j < period; ++j) EXPECT_EQ(boards[first + j], turned(boards[first], period, cycles, j));
}

void expectBoardsOfFive(const CoverSearch& search, int v) {
    for (const std::uint64_t board : search.boards()) {
        EXPECT_EQ(__builtin_popcountll(board), kBoardSize);
        EXPECT_EQ(board >> v, 0u);
    }
}

TEST(CoverSearch, TheHoleCountAlwaysEqualsARecount) {
    // Whatever the search does (greedy start, orbits taken away at their best or at random, steps
    // warm and cold, a wheel loaded again), the holes it keeps are the holes the check finds.
    for (const SearchCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.v << " numbers, " << c.g.t << " if " << c.g.m << ", period " << c.period
                                        << " x " << c.cycles);
        CoverSearch search(c.v, c.g, 5, c.period, kGeneratorTuning, nullptr, kBoardSize, c.cycles);
        EXPECT_EQ(static_cast<std::int64_t>(search.holes()), recountedHoles(search, c.v, c.g));
        ASSERT_TRUE(search.greedy([] { return true; }));
        EXPECT_EQ(search.holes(), 0u);
        EXPECT_EQ(recountedHoles(search, c.v, c.g), 0);
        SeededRandom choice(11);
        std::vector<std::uint64_t> saved = search.boards();
        for (int round = 0; round < 40; ++round) {
            switch (choice.below(6)) {
                case 0:
                    if (search.orbits() > 1) search.removeOrbit(choice.below(2) == 0);
                    break;
                case 1: saved = search.boards(); break;
                case 2: search.load(saved); break;
                case 3: search.reheat(choice.below(2) == 0); break;
                default:
                    for (int s = 0; s < 50; ++s) search.step();
            }
            ASSERT_EQ(static_cast<std::int64_t>(search.holes()), recountedHoles(search, c.v, c.g)) << "round " << round;
            expectBoardsOfFive(search, c.v);
            expectWholeOrbits(search, c.cycles);
        }
    }
}

TEST(CoverSearch, ASwapIsWeighedAsARecountFindsIt) {
    // "t if t" weighs a swap from a second table of the counts, kept beside the first: after
    // every kind of change, what it says a swap does is what recounting the swapped wheel finds.
    const SearchCase cases[] = {{9, {2, 2}, 1},     {10, {3, 3}, 1}, {13, {3, 3}, 13}, {14, {4, 4}, 12},
                                {16, {4, 4}, 7, 2}, {12, {3, 4}, 1}, {11, {2, 5}, 1}};
    // Weighed or not: the weights steer the steps (so the states differ), never the counts.
    for (const SearchCase& c : cases)
        for (const GeneratorTuning* tuning : {&kGeneratorTuning, &kWeighedTuning}) {
            SCOPED_TRACE(testing::Message() << c.v << " numbers, " << c.g.t << " if " << c.g.m << ", period "
                                            << c.period << (tuning->holeWeighting > 0 ? ", weighed" : ""));
            CoverSearch search(c.v, c.g, 21, c.period, *tuning, nullptr, kBoardSize, c.cycles);
            ASSERT_TRUE(search.greedy([] { return true; }));
            SeededRandom choice(5);
            for (int round = 0; round < 12; ++round) {
                if (round % 3 == 1 && search.orbits() > 1) search.removeOrbit(true);
                for (int s = 0; s < 40; ++s) search.step();
                const std::int64_t holes = recountedHoles(search, c.v, c.g);
                for (int trial = 0; trial < 8; ++trial) {
                    const auto id = choice.below(static_cast<std::uint32_t>(search.size()));
                    const std::uint64_t board = search.boards()[id];
                    const int out = choice.bitOf(board);
                    const int in = choice.bitOf(~board & ((std::uint64_t(1) << c.v) - 1));
                    std::vector<std::uint64_t> boards = search.boards();
                    boards[id] = (board & ~(std::uint64_t(1) << out)) | std::uint64_t(1) << in;
                    CoverSearch other(c.v, c.g, 1, 1);
                    other.load(boards);
                    ASSERT_EQ(search.swapEffect(id, out, in), static_cast<std::int64_t>(other.holes()) - holes)
                        << "round " << round << ", board " << id << ": " << out << " for " << in;
                }
            }
        }
}

TEST(CoverSearch, AStepOnACompleteWheelChangesNothing) {
    // Nothing is left to close: any swap could only open holes.
    for (const SearchCase& c : kCases) {
        CoverSearch search(c.v, c.g, 9, c.period, kGeneratorTuning, nullptr, kBoardSize, c.cycles);
        ASSERT_TRUE(search.greedy([] { return true; }));
        const std::vector<std::uint64_t> complete = search.boards();
        search.reheat(true);
        for (int s = 0; s < 500; ++s) search.step();
        EXPECT_EQ(search.boards(), complete) << c.v << " numbers, " << c.g.t << " if " << c.g.m;
        EXPECT_EQ(search.holes(), 0u);
    }
}

TEST(CoverSearch, AGreedyStartThatIsToldToStopLeavesItsHoles) {
    CoverSearch search(20, {3, 3}, 1, 1);
    int asked = 0;
    EXPECT_FALSE(search.greedy([&] { return ++asked <= 3; }));
    EXPECT_LE(search.size(), 3);
    EXPECT_GT(search.holes(), 0u);
    EXPECT_EQ(static_cast<std::int64_t>(search.holes()), recountedHoles(search, 20, {3, 3}));
}

TEST(CoverSearch, TheSameSeedTakesTheSamePath) {
    auto path = [](std::uint64_t seed) {
        CoverSearch search(14, {3, 4}, seed, 1);
        search.greedy([] { return true; });
        search.removeOrbit();
        search.removeOrbit(true);
        for (int s = 0; s < 300; ++s) search.step();
        return search.boards();
    };
    EXPECT_EQ(path(3), path(3));
    EXPECT_NE(path(3), path(4));
}

}  // namespace
}  // namespace norvex5::workshop
