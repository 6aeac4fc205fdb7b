#include "workshop/filteredcheck.h"

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "support/randomwheel.h"
#include "workshop/wheelgenerator.h"

namespace norvex5::workshop {
namespace {

using testing::randomWheel;

// v distinct numbers of 1..highest in a shuffled order: the wheel's positions do not follow the
// numbers' order.
PlayedNumbers randomPlay(std::mt19937& random, int v, int highest) {
    PlayedNumbers p;
    p.highest = highest;
    for (int n = 1; n <= highest; ++n) p.played.push_back(n);
    std::shuffle(p.played.begin(), p.played.end(), random);
    p.played.resize(v);
    return p;
}

// The obvious method over a small game: every draw of the game against every board, and every
// subset of the player's numbers against every passing draw.
struct BruteForce {
    std::int64_t passing = 0;
    std::array<std::array<std::int64_t, 6>, 6> heldBest{};
    std::array<std::array<std::int64_t, 6>, 6> passingBest{};

    BruteForce(const Wheel& wheel, const DrawFilter& filter, const PlayedNumbers& p) {
        const int v = wheel.numbers;
        std::vector<unsigned> passingDraws;  // as masks of positions met, beside the real draws
        std::vector<std::uint64_t> realDraws;
        Draw d{};
        const int top = p.highest;
        for (d[0] = 1; d[0] <= top; ++d[0])
            for (d[1] = d[0] + 1; d[1] <= top; ++d[1])
                for (d[2] = d[1] + 1; d[2] <= top; ++d[2])
                    for (d[3] = d[2] + 1; d[3] <= top; ++d[3])
                        for (d[4] = d[3] + 1; d[4] <= top; ++d[4]) {
                            if (!passes(filter, d, top)) continue;
                            std::uint64_t real = 0;
                            for (int n : d) real |= std::uint64_t(1) << n;
                            realDraws.push_back(real);
                        }
        passing = static_cast<std::int64_t>(realDraws.size());
        auto best = [&](unsigned subset) {
            int top = 0;
            for (const Board& board : wheel.boards) {
                unsigned mask = 0;
                for (auto n : board) mask |= 1u << n;
                top = std::max(top, __builtin_popcount(subset & mask));
            }
            return top;
        };
        auto real = [&](unsigned subset) {
            std::uint64_t numbers = 0;
            for (int k = 0; k < v; ++k)
                if (subset >> k & 1) numbers |= std::uint64_t(1) << p.played[k];
            return numbers;
        };
        for (unsigned subset = 0; subset < (1u << v); ++subset) {
            const int m = __builtin_popcount(subset);
            if (m > 5) continue;
            const std::uint64_t numbers = real(subset);
            std::int64_t holding = 0, exactly = 0;
            std::uint64_t all = real((1u << v) - 1);
            for (std::uint64_t draw : realDraws) {
                holding += (draw & numbers) == numbers;
                exactly += (draw & all) == numbers;
            }
            if (holding > 0) ++heldBest[m][best(subset)];
            passingBest[m][best(subset)] += exactly;
        }
    }
};

TEST(FilteredCheck, AgreesWithBruteForceOnSmallGames) {
    std::mt19937 random(41);
    const char* filters[] = {"odd=2-3,low=2-3", "sum=20-40,run=2", "decade=2,digit=1", "odd=0-1", "low=5",
                             "odd=2-3,low=2-3,sum=25-45,run=2,decade=2,digit=2", ""};
    for (int round = 0; round < 21; ++round) {
        const int highest = 12 + round % 5;  // 12..16
        const int v = 6 + round % 4;
        const Wheel wheel = randomWheel(random, v, 2 + round % 6);
        const PlayedNumbers played = randomPlay(random, v, highest);
        const auto parsedFilter = parseDrawFilter(filters[round % 7], highest);
        ASSERT_TRUE(std::holds_alternative<DrawFilter>(parsedFilter));
        const DrawFilter filter = std::get<DrawFilter>(parsedFilter);
        const BruteForce brute(wheel, filter, played);
        const PassingDraws draws(filter, played);
        EXPECT_EQ(draws.passing(), brute.passing);
        EXPECT_EQ(passingDrawCount(filter, highest), brute.passing);
        const CoverageIndex index(wheel);
        const auto profile = filteredProfile(index, draws);
        ASSERT_TRUE(profile);
        EXPECT_EQ(profile->heldBest, brute.heldBest) << "round " << round << " " << filters[round % 7];
        EXPECT_EQ(profile->passingBest, brute.passingBest) << "round " << round;
        EXPECT_EQ(profile->plain.best, coverageProfile(index)->best);
        for (int m = 1; m <= 5; ++m)
            for (int t = 1; t <= m; ++t) {
                std::int64_t holes = 0;
                for (int j = 0; j < t; ++j) holes += brute.heldBest[m][j];
                EXPECT_EQ(profile->holesUnderFilter({t, m}), holes);
                EXPECT_LE(profile->holesUnderFilter({t, m}), profile->plain.holes({t, m}));
            }
        const FilteredWinTable table = winTableUnderFilter(*profile);
        double drawTotal = 0;
        for (int h = 0; h <= 5; ++h) {
            std::int64_t meeting = 0;
            for (auto count : brute.passingBest[h]) meeting += count;
            EXPECT_NEAR(table.drawShare[h], brute.passing == 0 ? 0.0 : double(meeting) / double(brute.passing), 1e-12);
            drawTotal += table.drawShare[h];
            for (int j = 0; j <= h && meeting > 0; ++j)
                EXPECT_NEAR(table.bestShare[h][j], double(brute.passingBest[h][j]) / double(meeting), 1e-12);
        }
        if (brute.passing > 0) {
            EXPECT_NEAR(drawTotal, 1.0, 1e-12);
        }
    }
}

TEST(FilteredCheck, WithoutAFilterItIsThePlainCheck) {
    std::mt19937 random(7);
    const Wheel wheel = randomWheel(random, 10, 8);
    const CoverageIndex index(wheel);
    const auto profile = filteredProfile(index, PassingDraws(DrawFilter{}, firstNumbers(10, 20)));
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->passingShare(), 1.0);
    for (int m = 1; m <= 5; ++m) {
        EXPECT_EQ(profile->heldSubsets(m), binomial(10, m));
        EXPECT_EQ(profile->holesUnderFilter({std::min(m, 3), m}), profile->plain.holes({std::min(m, 3), m}));
    }
    // Given h drawn among the player's ten, the win table under no filter is the plain one.
    const WinTable plain = winTable(profile->plain, 20);
    const FilteredWinTable filtered = winTableUnderFilter(*profile);
    for (int h = 0; h <= 5; ++h) {
        EXPECT_NEAR(filtered.drawShare[h], plain.drawShare[h], 1e-12);
        for (int j = 0; j <= h; ++j) EXPECT_NEAR(filtered.bestShare[h][j], plain.bestShare[h][j], 1e-12);
    }
}

TEST(FilteredCheck, ASubsetNoPassingDrawHoldsNeedsNoBoard) {
    // Three odd numbers cannot be in a draw with at most two odd ones, whatever completes it; two
    // odd ones can.
    const PlayedNumbers played{20, {1, 3, 5, 2, 4, 6, 8}};
    const PassingDraws draws(std::get<DrawFilter>(parseDrawFilter("odd=0-2", 20)), played);
    const std::uint8_t threeOdd[] = {0, 1, 2}, twoOddOneEven[] = {0, 1, 3}, fiveEven[] = {3, 4, 5, 6};
    EXPECT_FALSE(draws.holds(threeOdd, 3));
    EXPECT_TRUE(draws.holds(twoOddOneEven, 3));
    EXPECT_TRUE(draws.holds(fiveEven, 4));
    // The one board 1 2 4 6 8 misses 1 3 5 among its holes of "3 if 3"; under the filter that
    // triple is no hole, and every other one still is.
    Wheel wheel{7, {Board{0, 3, 4, 5, 6}}};
    const auto profile = filteredProfile(CoverageIndex(wheel), draws);
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->heldSubsets(3), binomial(7, 3) - 1);  // all but 1 3 5
    EXPECT_EQ(profile->plain.holes({3, 3}), 25);
    EXPECT_EQ(profile->holesUnderFilter({3, 3}), 24);
}

GeneratorSettings filteredCase(int v, Guarantee g, const PassingDraws& draws, std::uint64_t seed) {
    GeneratorSettings settings;
    settings.numbers = v;
    settings.guarantee = g;
    settings.seed = seed;
    settings.seconds = 0;  // limited by moves only: the same wheel every run
    settings.maxMoves = 4000;
    settings.threads = 1;
    settings.needed = draws.heldFlags(g.m);
    return settings;
}

TEST(FilteredGenerator, EveryWheelKeepsItsGuaranteeAmongTheDrawsThatPass) {
    std::mt19937 random(5);
    const char* filters[] = {"odd=2-3,low=2-3", "sum=20-45,run=2", "decade=1,digit=1", "odd=0-1",
                             "odd=1-4,low=1-4,sum=25-50,run=3,decade=2,digit=2"};
    const Guarantee guarantees[] = {{3, 5}, {2, 3}, {3, 3}, {4, 5}, {3, 4}};
    for (int round = 0; round < 10; ++round) {
        const int highest = 13 + round % 4;
        const int v = 7 + round % 4;
        const Guarantee g = guarantees[round % 5];
        const PlayedNumbers played = randomPlay(random, v, highest);
        const DrawFilter filter = std::get<DrawFilter>(parseDrawFilter(filters[round % 5], highest));
        const PassingDraws draws(filter, played);
        const GeneratorResult result = generateWheel(filteredCase(v, g, draws, round));
        ASSERT_TRUE(result.complete) << "round " << round;
        // Every m-subset that some passing draw holds meets a board in t, counted the obvious way.
        const BruteForce brute(result.wheel, filter, played);
        for (int j = 0; j < g.t; ++j) EXPECT_EQ(brute.heldBest[g.m][j], 0) << "round " << round << ", " << j;
        const auto profile = filteredProfile(CoverageIndex(result.wheel), draws);
        EXPECT_EQ(profile->holesUnderFilter(g), 0) << "round " << round;
    }
}

TEST(FilteredGenerator, CoversOnlyWhatAPassingDrawHoldsAndGoesBelowThePlainBound) {
    // Of the numbers 1..10 in a game up to 16, a draw with at most one odd number holds no two
    // odd ones: "3 if 3" leaves every triple with two odd numbers out, and needs far fewer boards
    // than any wheel that covers every triple can have.
    const PlayedNumbers played = firstNumbers(10, 16);
    const PassingDraws draws(std::get<DrawFilter>(parseDrawFilter("odd=0-1", 16)), played);
    const GeneratorResult filtered = generateWheel(filteredCase(10, {3, 3}, draws, 3));
    ASSERT_TRUE(filtered.complete);
    EXPECT_LT(static_cast<int>(filtered.wheel.boards.size()), lowerBound(10, {3, 3}));
    EXPECT_GT(checkGuarantee(CoverageIndex(filtered.wheel), {3, 3}).holes, 0);
    EXPECT_EQ(filteredProfile(CoverageIndex(filtered.wheel), draws)->holesUnderFilter({3, 3}), 0);
}

TEST(FilteredGenerator, NothingToCoverGivesAWheelOfNoBoards) {
    // Five of 1..8 in a game up to 40 are all low: no draw with at most three low numbers is one.
    const PassingDraws draws(std::get<DrawFilter>(parseDrawFilter("low=0-3", 40)), firstNumbers(8, 40));
    const GeneratorResult result = generateWheel(filteredCase(8, {3, 5}, draws, 1));
    ASSERT_TRUE(result.complete);
    EXPECT_TRUE(result.wheel.boards.empty());
}

TEST(FilteredBoards, DropsExactlyTheBoardsThatFailAsPlayed) {
    // Positions 0..5 play 2 4 6 7 9 11: a board's odd count is that of the numbers played.
    const PlayedNumbers played{49, {2, 4, 6, 7, 9, 11}};
    const Wheel wheel{6, {Board{0, 1, 2, 3, 4}, Board{0, 1, 2, 3, 5}, Board{1, 2, 3, 4, 5}, Board{0, 1, 2, 4, 5}}};
    const DrawFilter filter = std::get<DrawFilter>(parseDrawFilter("odd=3", 49));
    const Wheel kept = passingBoards(wheel, filter, played);
    EXPECT_EQ(kept.numbers, 6);
    EXPECT_EQ(kept.boards, (std::vector<Board>{Board{1, 2, 3, 4, 5}}));
    // Over the numbers 1..6 the same boards pass differently.
    EXPECT_EQ(passingBoards(wheel, filter, firstNumbers(6, 49)).boards.size(), 2u);
}

TEST(PlayedNumbers, RefusesNumbersTheGameHasNot) {
    EXPECT_FALSE(playedNumbersProblem(firstNumbers(12, 49), 12));
    EXPECT_NE(playedNumbersProblem(firstNumbers(12, 49), 13)->find("12 numbers are played"), std::string::npos);
    EXPECT_NE(playedNumbersProblem(PlayedNumbers{39, {1, 2, 3, 4, 40}}, 5)->find("40"), std::string::npos);
    EXPECT_NE(playedNumbersProblem(PlayedNumbers{49, {1, 2, 3, 4, 4}}, 5)->find("twice"), std::string::npos);
    EXPECT_NE(playedNumbersProblem(PlayedNumbers{51, {1, 2, 3, 4, 5}}, 5)->find("from 5 to 50"), std::string::npos);
}

}  // namespace
}  // namespace norvex5::workshop
