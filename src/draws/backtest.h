#pragma once
// A wheel tested against past draws: for every draw, how many right numbers the best board holds
// and how many boards hold 5, 4, 3 and 2 (the comparison's counts), then the totals, and with the
// player's prizes the cost and the winnings over the period.
//
// The boards are read once into bits: for each number, one bit per board. A draw's five numbers
// pick five rows of bits, which are added bit by bit (64 boards a word), and the boards holding
// k right numbers are counted with popcount. A million boards against two thousand draws thus
// costs about as much as reading the boards.

#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <vector>

#include "draws/drawfile.h"
#include "draws/drawstore.h"
#include "workshop/wheel.h"

namespace norvex5::draws {

class BoardBits {
public:
    // `played[b]` is the number played for wheel number b (0..v-1).
    BoardBits(const workshop::Wheel& wheel, std::span<const std::int32_t> played);

    std::int64_t boards() const { return boards_; }
    std::size_t words() const { return words_; }
    // The boards holding `number`, a bit each; all zero for a number not played.
    const std::uint64_t* holding(int number) const;

private:
    std::int64_t boards_ = 0;
    std::size_t words_ = 0;
    std::vector<std::uint64_t> bits_;  // words_ per number 0..kHighestNumber; number 0 stays empty
};

struct DrawOutcome {
    int best = 0;  // right numbers on the best board
    std::array<std::int64_t, kDrawnNumbers + 1> boardsHolding{};  // by right numbers; 2..5 counted
};

struct BacktestTotals {
    std::int64_t draws = 0;
    std::int64_t boards = 0;
    std::array<std::int64_t, kDrawnNumbers + 1> drawsWithBest{};  // by the best board's right numbers
    std::array<std::int64_t, kDrawnNumbers + 1> boardsHolding{};  // summed over the draws; 2..5
};

// One outcome per draw, in the order of `draws`. `threads` share the draws between them. A set
// `stop` ends the pass early; the outcomes not reached stay empty. `done`, when given, grows as
// the pass goes, up to backtestWork() of the same boards and draws: a progress bar's measure.
std::vector<DrawOutcome> backtest(const BoardBits& boards, std::span<const DrawRecord> draws, int threads = 2,
                                  const std::atomic<bool>* stop = nullptr, std::atomic<std::int64_t>* done = nullptr);
std::int64_t backtestWork(const BoardBits& boards, std::size_t draws);

BacktestTotals backtestTotals(const std::vector<DrawOutcome>& outcomes, std::int64_t boards);

struct CostAndWinnings {
    std::int64_t cost = 0;      // cents: every board on every draw
    std::int64_t winnings = 0;  // cents: every board's prize for its right numbers
};
CostAndWinnings costAndWinnings(const BacktestTotals& totals, const PrizeTable& prizes);

}  // namespace norvex5::draws
