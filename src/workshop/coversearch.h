#pragma once
// The search at the heart of the generator: a wheel of a given size, rearranged one swap at a
// time until every m-subset of the numbers meets a board in t numbers.
//
// It keeps the boards; for every m-subset how many boards meet it in t or more numbers, with the
// list of those that none meets (the holes); and for every (t-1)-subset the boards that hold it:
// the boards one swap away from closing a hole are found there, without looking at the others.
// Only the m-subsets that a swap can win or lose are looked at, so a step costs the same whatever
// the size of the wheel.
//
// The boards may be kept in orbits of a turn of the numbers: the first `period` numbers move
// round by one (0 to 1, ..., period-1 to 0), the others stay; or, with several `cycles`, each
// run of `period` numbers after it moves round the same way at the same time (period to
// period+1, ..., 2*period-1 to period, and so on), the numbers after the last cycle staying.
// Orbit o holds the boards o*period + j, board j being the first turned j times; every change is
// made to the whole orbit. Many of the best wheels known are unions of such orbits, and a search
// among them has period times fewer choices to make. With period 1 every board is its own
// orbit: the plain search.
//
// Boards are bit masks over the numbers 0..v-1 (bit n for number n), five bits each (fewer for
// the shorter boards beside key numbers).

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "workshop/generatortuning.h"
#include "workshop/seededrandom.h"
#include "workshop/wheel.h"

namespace norvex5::workshop {

class CoverSearch {
public:
    // An empty wheel over `numbers` numbers: every m-subset is a hole. `period` is 1, or from 2
    // up to `numbers` for a search in orbits. Boards hold `boardSize` numbers (t up to five).
    // `needed`, when given, flags by rank the m-subsets that need covering: the others never
    // count as holes. It must outlive the search.
    CoverSearch(int numbers, Guarantee guarantee, std::uint64_t seed, int period,
                const GeneratorTuning& tuning = kGeneratorTuning, const std::vector<std::uint8_t>* needed = nullptr,
                int boardSize = kBoardSize, int cycles = 1);

    std::size_t holes() const { return holes_.size(); }
    int size() const { return static_cast<int>(boards_.size()); }
    int orbits() const { return static_cast<int>(boards_.size()) / period_; }
    int period() const { return period_; }
    const std::vector<std::uint64_t>& boards() const { return boards_; }
    Wheel wheel() const;  // boards ascending

    // The coldest search, or (`warmer`) a little warmer than the last, up to the warmest.
    void reheat(bool warmer);

    // One orbit at a time, each the best of a few that meet a random hole in t numbers, until no
    // hole is left. False when `keepGoing` said stop first.
    bool greedy(const std::function<bool()>& keepGoing);

    // Starts again from `boards` (whole orbits, in order): their holes, no step forbidden.
    void load(const std::vector<std::uint64_t>& boards);

    // Takes out the orbit whose loss opens the fewest holes, or (`anyOrbit`) a random one.
    void removeOrbit(bool anyOrbit = false);

    // One step of the search at the current size: a random hole is taken, and among the swaps
    // that would close it (a board holding t-1 of its numbers trades one of its others for one
    // of the hole's) the one that opens fewest holes is chosen. It is made when it opens no more
    // holes than it closes, else with the probability exp(-added / temperature); in orbits, the
    // same swap is made on every board of the orbit. A number just taken off a board may not
    // come back to it for a while (unless that closes the last hole), which keeps the search
    // from undoing its own steps and circling on a plateau. With no hole left it does nothing.
    void step();

    // The holes opened minus the holes closed if board `board` alone played `in` instead of `out`,
    // as a step weighs a swap.
    std::int64_t swapEffect(std::uint32_t board, int out, int in) { return evaluate(boards_[board], out, in, false); }

private:
    struct Candidate {
        std::uint32_t board;
        std::uint8_t out, in;
    };
    using Patterns = std::vector<std::array<std::uint8_t, kBoardSize>>;

    std::uint64_t turn(std::uint64_t mask, int d) const;
    int turnNumber(int n, int d) const {
        return n < period_ * cycles_ ? n - n % period_ + (n % period_ + d) % period_ : n;
    }
    bool shortOrbit(std::uint64_t board) const;
    void addOrbit(std::uint64_t board);
    void addBoard(std::uint64_t board);
    void swapInOrbit(std::uint32_t id, int out, int in);
    void forget(std::uint32_t r, std::uint32_t id);
    template <typename F>
    void forEachOwn(std::uint64_t board, F f) const;
    template <typename F>
    static void forEachPart(std::uint64_t mask, const Patterns& patterns, int size, F f);
    template <typename F>
    void forEachMet(std::uint64_t board, F f) const;
    std::int64_t evaluate(std::uint64_t board, int out, int in, bool keep = true, std::int64_t* weighed = nullptr);
    void apply(std::uint32_t chosen, int out, int in);
    void openHole(std::uint32_t r);
    void closeHole(std::uint32_t r);
    void uncover();
    // A hole no swap closes without opening more weighs more (t if t only).
    void weigh(std::uint32_t r);
    // Copies m-subset r's count and weight into its places in beside_ (a guarantee "t if t" only).
    void mirror(std::uint32_t r) {
        if (beside_.empty()) return;
        const BesideCount here{
            static_cast<std::uint16_t>(std::min<std::uint32_t>(cover_[r], 0xffff)),
            static_cast<std::uint16_t>(weight_.empty() ? 1 : std::min<std::uint32_t>(weight_[r], 0xffff))};
        const std::uint32_t* places = &besidePlaces_[std::size_t(r) * m_];
        for (int j = 0; j < m_; ++j) beside_[places[j]] = here;
    }

    GeneratorTuning tuning_;
    int v_, t_, m_;
    int k_;  // numbers on a board
    int period_;
    int cycles_;
    std::uint64_t cycle_ = 0;    // the numbers of the first cycle
    std::uint64_t turning_ = 0;  // the numbers that turn
    SeededRandom random_;
    std::vector<std::uint64_t> boards_;
    const std::vector<std::uint8_t>* needed_;
    std::vector<std::uint32_t> cover_;  // an m-subset not needed starts far above 0: never a hole
    std::vector<std::uint32_t> holes_;
    std::vector<std::int32_t> where_;
    // For "t if t" the count and weight of m-subset T + x again, side by side, at
    // [rank(T) * v + x] for every (t-1)-subset T and number x outside it: a swap's effect is then
    // read off with one rank a kept (t-1)-subset, not two of the t-subsets it makes. Counts stop
    // at 65535 (only 0 and 1 are asked). besidePlaces_ lists, m a subset, where each m-subset
    // stands in it.
    struct BesideCount {
        std::uint16_t count;
        std::uint16_t weight;
    };
    std::vector<BesideCount> beside_;
    std::vector<std::uint32_t> weight_;  // of each m-subset as a hole, when weighed
    std::uint32_t gains_ = 0;            // weights gained since they were last halved
    std::vector<std::uint32_t> besidePlaces_;
    std::vector<std::vector<std::uint32_t>> containing_;  // (t-1)-subset -> the boards that hold it
    std::array<Patterns, kBoardSize + 1> boardPatterns_, outsidePatterns_;
    Patterns keptPatterns_, shortPatterns_, ownPatterns_, holePatterns_, restPatterns_;
    std::vector<std::uint64_t> restMasks_;
    std::vector<std::uint32_t> lost_, gained_;
    double temperature_;
    std::vector<Candidate> candidates_;
    std::vector<std::uint64_t> tabu_;  // [board * 50 + number]: the step until which it may not come back
    std::uint64_t steps_ = 0;
    std::size_t evaluationCost_ = 1;
};

}  // namespace norvex5::workshop
