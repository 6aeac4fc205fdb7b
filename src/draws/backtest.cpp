#include "draws/backtest.h"

#include <algorithm>
#include <bit>
#include <thread>

namespace norvex5::draws {

namespace {

constexpr int kHighestNumber = 99;
// Boards taken a block at a time against every draw, so that the block's bits for every number
// stay in the processor's cache while the draws go over them: 512 words are 32,768 boards, 4 KB
// a number.
constexpr std::size_t kBlockWords = 512;

struct Tally {
    std::uint64_t any = 0;
    std::array<std::int64_t, kDrawnNumbers + 1> holding{};
};

// Adds the five rows bit by bit: s0 is the sum's low bit, t0 and t1 its 2s and 4s (never both),
// so a board holds 5 = t1 s0, 4 = t1 !s0, 3 = t0 s0, 2 = t0 !s0.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("popcnt", "default")))
#endif
void tallyBlock(const std::uint64_t* const rows[kDrawnNumbers], std::size_t begin, std::size_t end, Tally& tally) {
    const std::uint64_t *a = rows[0], *b = rows[1], *c = rows[2], *d = rows[3], *e = rows[4];
    std::uint64_t any = 0;
    std::int64_t five = 0, four = 0, three = 0, two = 0;
    for (std::size_t w = begin; w < end; ++w) {
        const std::uint64_t ab = a[w] ^ b[w];
        const std::uint64_t s1 = ab ^ c[w];
        const std::uint64_t c1 = (a[w] & b[w]) | (c[w] & ab);
        const std::uint64_t s1d = s1 ^ d[w];
        const std::uint64_t s0 = s1d ^ e[w];
        const std::uint64_t c2 = (s1 & d[w]) | (e[w] & s1d);
        const std::uint64_t t0 = c1 ^ c2;
        const std::uint64_t t1 = c1 & c2;
        five += std::popcount(t1 & s0);
        four += std::popcount(t1 & ~s0);
        three += std::popcount(t0 & s0);
        two += std::popcount(t0 & ~s0);
        any |= a[w] | b[w] | c[w] | d[w] | e[w];
    }
    tally.any |= any;
    tally.holding[5] += five;
    tally.holding[4] += four;
    tally.holding[3] += three;
    tally.holding[2] += two;
}

void backtestRange(const BoardBits& boards, std::span<const DrawRecord> draws, std::span<DrawOutcome> outcomes,
                   const std::atomic<bool>* stop, std::atomic<std::int64_t>* done) {
    std::vector<Tally> tallies(draws.size());
    for (std::size_t begin = 0; begin < boards.words(); begin += kBlockWords) {
        if (stop != nullptr && stop->load(std::memory_order_relaxed)) return;
        const std::size_t end = std::min(begin + kBlockWords, boards.words());
        for (std::size_t k = 0; k < draws.size(); ++k) {
            const std::uint64_t* rows[kDrawnNumbers];
            for (int n = 0; n < kDrawnNumbers; ++n) rows[n] = boards.holding(draws[k].numbers[n]);
            tallyBlock(rows, begin, end, tallies[k]);
        }
        if (done != nullptr)
            done->fetch_add(static_cast<std::int64_t>((end - begin) * draws.size()), std::memory_order_relaxed);
    }
    for (std::size_t k = 0; k < draws.size(); ++k) {
        DrawOutcome& outcome = outcomes[k];
        outcome.boardsHolding = tallies[k].holding;
        outcome.best = tallies[k].any != 0 ? 1 : 0;
        for (int right = kDrawnNumbers; right >= 2; --right)
            if (outcome.boardsHolding[right] > 0) {
                outcome.best = right;
                break;
            }
    }
}

}  // namespace

BoardBits::BoardBits(const workshop::Wheel& wheel, std::span<const std::int32_t> played)
    : boards_(static_cast<std::int64_t>(wheel.boards.size())), words_((wheel.boards.size() + 63) / 64) {
    bits_.assign(words_ * (kHighestNumber + 1), 0);
    for (std::size_t b = 0; b < wheel.boards.size(); ++b)
        for (const std::uint8_t position : wheel.boards[b]) {
            if (position >= played.size()) continue;
            const std::int32_t number = played[position];
            if (number < 1 || number > kHighestNumber) continue;
            bits_[static_cast<std::size_t>(number) * words_ + b / 64] |= std::uint64_t{1} << (b % 64);
        }
}

const std::uint64_t* BoardBits::holding(int number) const {
    if (number < 1 || number > kHighestNumber) number = 0;
    return bits_.data() + static_cast<std::size_t>(number) * words_;
}

std::int64_t backtestWork(const BoardBits& boards, std::size_t draws) {
    return static_cast<std::int64_t>(boards.words() * draws);
}

std::vector<DrawOutcome> backtest(const BoardBits& boards, std::span<const DrawRecord> draws, int threads,
                                  const std::atomic<bool>* stop, std::atomic<std::int64_t>* done) {
    std::vector<DrawOutcome> outcomes(draws.size());
    // A second thread pays only when each has enough to do.
    const std::size_t work = draws.size() * boards.words();
    const std::size_t parts = work < (std::size_t{1} << 16) ? 1 : std::clamp<std::size_t>(threads, 1, draws.size());
    std::vector<std::thread> helpers;
    const std::size_t share = parts == 0 ? 0 : (draws.size() + parts - 1) / parts;
    for (std::size_t p = 1; p < parts; ++p) {
        const std::size_t begin = std::min(p * share, draws.size());
        const std::size_t count = std::min(share, draws.size() - begin);
        helpers.emplace_back(backtestRange, std::cref(boards), draws.subspan(begin, count),
                             std::span(outcomes).subspan(begin, count), stop, done);
    }
    const std::size_t first = std::min(share, draws.size());
    backtestRange(boards, draws.first(first), std::span(outcomes).first(first), stop, done);
    for (std::thread& helper : helpers) helper.join();
    return outcomes;
}

BacktestTotals backtestTotals(const std::vector<DrawOutcome>& outcomes, std::int64_t boards) {
    BacktestTotals totals;
    totals.draws = static_cast<std::int64_t>(outcomes.size());
    totals.boards = boards;
    for (const DrawOutcome& outcome : outcomes) {
        ++totals.drawsWithBest[std::clamp(outcome.best, 0, kDrawnNumbers)];
        for (int right = 2; right <= kDrawnNumbers; ++right) totals.boardsHolding[right] += outcome.boardsHolding[right];
    }
    return totals;
}

CostAndWinnings costAndWinnings(const BacktestTotals& totals, const PrizeTable& prizes) {
    CostAndWinnings money;
    money.cost = totals.boards * totals.draws * prizes.boardPrice;
    for (int right = 2; right <= kDrawnNumbers; ++right) money.winnings += totals.boardsHolding[right] * prizes.prize[right];
    return money;
}

}  // namespace norvex5::draws
