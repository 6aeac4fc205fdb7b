#include "draws/backtest.h"

#include <random>

#include <gtest/gtest.h>

#include "draws/drawstatistics.h"

namespace norvex5::draws {
namespace {

DrawRecord draw(std::array<int, 5> numbers) {
    DrawRecord d;
    d.numbers = numbers;
    return d;
}

// Boards over 0..v-1 drawn at random, and the same boards' right numbers counted one by one.
workshop::Wheel randomWheel(std::mt19937& random, int numbers, int boards) {
    workshop::Wheel wheel{numbers, {}};
    std::vector<std::uint8_t> pool(static_cast<std::size_t>(numbers));
    for (int k = 0; k < numbers; ++k) pool[k] = static_cast<std::uint8_t>(k);
    for (int b = 0; b < boards; ++b) {
        std::shuffle(pool.begin(), pool.end(), random);
        workshop::Board board{};
        std::copy_n(pool.begin(), 5, board.begin());
        std::sort(board.begin(), board.end());
        wheel.boards.push_back(board);
    }
    return wheel;
}

DrawOutcome countedOneByOne(const workshop::Wheel& wheel, const std::vector<std::int32_t>& played, const DrawRecord& d) {
    DrawOutcome outcome;
    for (const workshop::Board& board : wheel.boards) {
        int right = 0;
        for (const std::uint8_t position : board) right += std::count(d.numbers.begin(), d.numbers.end(), played[position]);
        outcome.best = std::max(outcome.best, right);
        if (right >= 2) ++outcome.boardsHolding[right];
    }
    return outcome;
}

TEST(Backtest, CountsAsTheComparisonDoesBoardByBoard) {
    std::mt19937 random(7);
    // Board counts around the 64 boards of a word and the block of words; played numbers that
    // are not the wheel's own (positions played as 50, 49, ...), and draws partly outside them.
    for (const int boards : {1, 63, 64, 65, 700, 40000}) {
        const workshop::Wheel wheel = randomWheel(random, 12, boards);
        std::vector<std::int32_t> played;
        for (int k = 0; k < 12; ++k) played.push_back(50 - 3 * k);
        std::vector<DrawRecord> draws;
        for (int k = 0; k < 40; ++k) {
            std::array<int, 5> numbers{};
            std::vector<int> pool;
            for (int n = 1; n <= 50; ++n) pool.push_back(n);
            std::shuffle(pool.begin(), pool.end(), random);
            // Every other draw takes its numbers among the played ones, so that 4s and 5s happen.
            for (int j = 0; j < 5; ++j) numbers[j] = k % 2 ? played[(k + 2 * j) % 12] : pool[j];
            draws.push_back(draw(numbers));
        }
        const BoardBits bits(wheel, played);
        for (const int threads : {1, 2}) {
            std::atomic<std::int64_t> done{0};
            const std::vector<DrawOutcome> outcomes = backtest(bits, draws, threads, nullptr, &done);
            // The progress measure ends at the whole work, whichever thread did which part.
            EXPECT_EQ(done.load(), backtestWork(bits, draws.size())) << boards << " boards";
            for (std::size_t k = 0; k < draws.size(); ++k) {
                const DrawOutcome expected = countedOneByOne(wheel, played, draws[k]);
                EXPECT_EQ(outcomes[k].best, expected.best) << boards << " boards, draw " << k;
                EXPECT_EQ(outcomes[k].boardsHolding, expected.boardsHolding) << boards << " boards, draw " << k;
            }
        }
    }
}

TEST(Backtest, TotalsCostAndWinnings) {
    // Two boards, 1-2-3-4-5 and 1-2-3-4-6, against three draws.
    const workshop::Wheel wheel{6, {{0, 1, 2, 3, 4}, {0, 1, 2, 3, 5}}};
    const std::vector<std::int32_t> played{1, 2, 3, 4, 5, 6};
    const std::vector<DrawRecord> draws{draw({1, 2, 3, 4, 5}), draw({1, 7, 8, 9, 10}), draw({20, 21, 22, 23, 24})};
    const std::vector<DrawOutcome> outcomes = backtest(BoardBits(wheel, played), draws);
    EXPECT_EQ(outcomes[0].best, 5);
    EXPECT_EQ(outcomes[0].boardsHolding[4], 1);
    EXPECT_EQ(outcomes[1].best, 1);
    EXPECT_EQ(outcomes[2].best, 0);
    const BacktestTotals totals = backtestTotals(outcomes, 2);
    EXPECT_EQ(totals.drawsWithBest, (std::array<std::int64_t, 6>{1, 1, 0, 0, 0, 1}));
    EXPECT_EQ(totals.boardsHolding, (std::array<std::int64_t, 6>{0, 0, 0, 0, 1, 1}));
    PrizeTable prizes;
    prizes.boardPrice = 250;
    prizes.prize = {0, 0, 100, 1000, 50000, 10000000};
    const CostAndWinnings money = costAndWinnings(totals, prizes);
    EXPECT_EQ(money.cost, 2 * 3 * 250);
    EXPECT_EQ(money.winnings, 10000000 + 50000);
}

TEST(DrawStatistics, CountsSinceSeenAndPairsOverTheLastDraws) {
    // Newest first.
    const std::vector<DrawRecord> draws{draw({1, 2, 3, 4, 5}), draw({1, 2, 6, 7, 8}), draw({1, 2, 3, 9, 10}),
                                        draw({11, 12, 13, 14, 15})};
    const DrawStatistics all = drawStatistics(draws, 20, kAllDraws, 3);
    EXPECT_EQ(all.draws, 4);
    EXPECT_EQ(all.numbers[1].count, 3);
    EXPECT_EQ(all.numbers[3].count, 2);
    EXPECT_DOUBLE_EQ(all.numbers[1].expected, 4 * 5 / 20.0);
    EXPECT_EQ(all.numbers[1].drawsSinceSeen, 0);
    EXPECT_EQ(all.numbers[6].drawsSinceSeen, 1);
    EXPECT_EQ(all.numbers[11].drawsSinceSeen, 3);
    EXPECT_FALSE(all.numbers[20].drawsSinceSeen.has_value());
    EXPECT_EQ(all.pairs, (std::vector<PairCount>{{1, 2, 3}, {1, 3, 2}, {2, 3, 2}}));

    const DrawStatistics lastTwo = drawStatistics(draws, 20, 2);
    EXPECT_EQ(lastTwo.draws, 2);
    EXPECT_EQ(lastTwo.numbers[3].count, 1);
    EXPECT_EQ(lastTwo.numbers[11].count, 0);
    EXPECT_FALSE(lastTwo.numbers[11].drawsSinceSeen.has_value());
    EXPECT_DOUBLE_EQ(lastTwo.numbers[7].expected, 0.5);
}

}  // namespace
}  // namespace norvex5::draws
