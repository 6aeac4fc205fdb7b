#include "workshop/wheelgenerator.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>

#include "workshop/wheelcheck.h"

namespace norvex5::workshop {

namespace {

using Clock = std::chrono::steady_clock;

// xoshiro256**, seeded through splitmix64: fast, and the same numbers on every platform for the
// same seed, which the standard distributions do not promise.
class Random {
public:
    explicit Random(std::uint64_t seed) {
        for (auto& s : state_) {
            seed += 0x9e3779b97f4a7c15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            s = z ^ (z >> 31);
        }
    }
    std::uint64_t next() {
        const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }
    // 0..n-1 (n > 0), without the bias of a plain remainder worth speaking of.
    std::uint32_t below(std::uint32_t n) {
        return static_cast<std::uint32_t>(((next() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }
    double unit() { return double(next() >> 11) * 0x1.0p-53; }
    // One of the set bits of a non-empty mask, chosen evenly.
    int bitOf(std::uint64_t mask) {
        for (std::uint32_t k = below(static_cast<std::uint32_t>(__builtin_popcountll(mask))); k > 0; --k)
            mask &= mask - 1;
        return __builtin_ctzll(mask);
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t state_[4];
};

std::uint64_t maskOfRank(std::uint32_t rank, int k) {
    const auto c = subsetOfRank(rank, k);
    std::uint64_t mask = 0;
    for (int i = 0; i < k; ++i) mask |= std::uint64_t(1) << c[i];
    return mask;
}

// The state of one run: the boards; for every m-subset how many boards meet it in t or more
// numbers, with the list of those that none meets (the holes); and for every (t-1)-subset the
// boards that hold it: the boards one swap away from closing a hole are found there, without
// looking at the others.
//
// The boards may be kept in orbits of a turn of the numbers: the first `period` numbers move
// round by one (0 to 1, ..., period-1 to 0), the others stay. Orbit o holds the boards
// o*period + j, board j being the first turned j times; every change is made to the whole orbit.
// Many of the best wheels known are unions of such orbits, and a search among them has period
// times fewer choices to make. With period 1 every board is its own orbit: the plain search.
class Search {
public:
    Search(int v, Guarantee g, std::uint64_t seed, int period)
        : v_(v), t_(g.t), m_(g.m), period_(period), random_(seed) {
        const std::uint32_t subsets = kBinomial(v, m_);
        cover_.assign(subsets, 0);
        holes_.resize(subsets);
        where_.resize(subsets);
        for (std::uint32_t r = 0; r < subsets; ++r) holes_[r] = where_[r] = static_cast<std::int32_t>(r);
        containing_.resize(kBinomial(v, t_ - 1));
        for (int i = t_; i <= m_; ++i) {
            boardPatterns_[i] = positionPatterns(kBoardSize, i);
            outsidePatterns_[i] = positionPatterns(v_ - kBoardSize, m_ - i);
        }
        keptPatterns_ = positionPatterns(kBoardSize - 1, t_ - 1);
        shortPatterns_ = positionPatterns(kBoardSize - 1, t_ - 2);
        ownPatterns_ = positionPatterns(kBoardSize, t_ - 1);
        holePatterns_ = positionPatterns(m_, t_ - 1);
        if (v_ >= kBoardSize + 1) restPatterns_ = positionPatterns(v_ - kBoardSize - 1, m_ - t_);
        evaluationCost_ = std::max<std::size_t>(1, 2 * keptPatterns_.size() * restPatterns_.size());
        turning_ = (std::uint64_t(1) << period_) - 1;
    }

    // At the coldest, few steps that open one hole more than they close are taken (about 1 in
    // 150), two more almost never: the tabu list does most of the leaving of plateaus, and more
    // uphill steps scatter the search once only a few holes are left. A size that keeps
    // resisting is searched warmer (reheated), up to about 1 in 20, to reach other regions.
    static constexpr double kColdest = 0.2;
    static constexpr double kWarmest = 0.33;
    void reheat(bool warmer) { temperature_ = warmer ? std::min(kWarmest, temperature_ * 1.1) : kColdest; }

    std::size_t holes() const { return holes_.size(); }
    int size() const { return static_cast<int>(boards_.size()); }
    int orbits() const { return static_cast<int>(boards_.size()) / period_; }
    int period() const { return period_; }
    const std::vector<std::uint64_t>& boards() const { return boards_; }

    Wheel wheel() const {
        Wheel wheel;
        wheel.numbers = v_;
        for (std::uint64_t mask : boards_) {
            Board board;
            for (int k = 0; k < kBoardSize; ++k, mask &= mask - 1)
                board[k] = static_cast<std::uint8_t>(__builtin_ctzll(mask));
            wheel.boards.push_back(board);
        }
        std::sort(wheel.boards.begin(), wheel.boards.end());
        return wheel;
    }

    // One orbit at a time, each the best of a few that meet a random hole in t numbers, until no
    // hole is left. False when stopped first.
    template <typename KeepGoing>
    bool greedy(KeepGoing keepGoing) {
        constexpr int kCandidates = 24;
        while (!holes_.empty()) {
            if (!keepGoing()) return false;
            const std::uint64_t hole = maskOfRank(holes_[random_.below(static_cast<std::uint32_t>(holes_.size()))], m_);
            std::uint64_t best = 0;
            std::int64_t bestGain = -1;
            for (int c = 0; c < kCandidates; ++c) {
                std::uint64_t board = 0;
                std::uint64_t pool = hole;
                for (int k = 0; k < t_; ++k) {
                    const int n = random_.bitOf(pool);
                    board |= std::uint64_t(1) << n;
                    pool &= ~(std::uint64_t(1) << n);
                }
                while (__builtin_popcountll(board) < kBoardSize) board |= std::uint64_t(1) << random_.below(v_);
                if (shortOrbit(board)) continue;
                std::int64_t gain = 0;
                forEachMet(board, [&](std::uint32_t r) { gain += cover_[r] == 0; });
                if (gain > bestGain) {
                    bestGain = gain;
                    best = board;
                }
            }
            if (best != 0) addOrbit(best);
        }
        return true;
    }

    // Starts again from `boards` (whole orbits, in order): their holes, no step forbidden.
    void load(const std::vector<std::uint64_t>& boards) {
        std::fill(cover_.begin(), cover_.end(), 0);
        holes_.resize(cover_.size());
        for (std::uint32_t r = 0; r < cover_.size(); ++r) holes_[r] = where_[r] = static_cast<std::int32_t>(r);
        for (auto& list : containing_) list.clear();
        boards_.clear();
        tabu_.clear();
        for (const std::uint64_t board : boards) addBoard(board);
    }

    // Takes out the orbit whose loss opens the fewest holes, or a random one.
    void removeOrbit(bool anyOrbit = false) {
        const int count = orbits();
        int chosen = static_cast<int>(random_.below(static_cast<std::uint32_t>(count)));
        std::int64_t fewest = INT64_MAX;
        for (int o = 0; o < count && !anyOrbit; ++o) {
            std::int64_t opened = 0;
            for (int j = 0; j < period_; ++j)
                forEachMet(boards_[o * period_ + j], [&](std::uint32_t r) { opened += cover_[r] == 1; });
            if (opened < fewest) {
                fewest = opened;
                chosen = o;
            }
        }
        for (int j = 0; j < period_; ++j) {
            const auto id = static_cast<std::uint32_t>(chosen * period_ + j);
            forEachOwn(boards_[id], [&](std::uint32_t r) { forget(r, id); });
            forEachMet(boards_[id], [&](std::uint32_t r) {
                if (--cover_[r] == 0) openHole(r);
            });
        }
        const int last = count - 1;
        if (chosen != last)
            for (int j = 0; j < period_; ++j) {
                const auto from = static_cast<std::uint32_t>(last * period_ + j);
                const auto to = static_cast<std::uint32_t>(chosen * period_ + j);
                forEachOwn(boards_[from], [&](std::uint32_t r) {
                    *std::find(containing_[r].begin(), containing_[r].end(), from) = to;
                });
                boards_[to] = boards_[from];
                std::copy_n(tabu_.begin() + from * kMaxNumbers, kMaxNumbers, tabu_.begin() + to * kMaxNumbers);
            }
        boards_.resize(static_cast<std::size_t>(last) * period_);
        tabu_.resize(boards_.size() * kMaxNumbers);
    }

    // One step of the search at the current size: a random hole is taken, and among the swaps
    // that would close it (a board holding t-1 of its numbers trades one of its others for one
    // of the hole's) the one that opens fewest holes is chosen. It is made when it opens no more
    // holes than it closes, else with the probability exp(-added / temperature); in orbits, the
    // same swap is made on every board of the orbit. A number just taken off a board may not
    // come back to it for a while (unless that closes the last hole), which keeps the search
    // from undoing its own steps and circling on a plateau.
    void step() {
        if (holes_.empty()) return;  // nothing to close: a swap would only open holes
        ++steps_;
        const std::uint32_t holeRank = holes_[random_.below(static_cast<std::uint32_t>(holes_.size()))];
        const std::uint64_t hole = maskOfRank(holeRank, m_);
        candidates_.clear();
        forEachPart(hole, holePatterns_, t_ - 1, [&](std::uint64_t part) {
            for (const std::uint32_t i : containing_[maskRank(part)])
                for (std::uint64_t outs = boards_[i] & ~hole; outs != 0; outs &= outs - 1)
                    for (std::uint64_t ins = hole & ~boards_[i]; ins != 0; ins &= ins - 1)
                        candidates_.push_back({i, static_cast<std::uint8_t>(__builtin_ctzll(outs)),
                                               static_cast<std::uint8_t>(__builtin_ctzll(ins))});
        });
        if (candidates_.empty()) {
            // No board holds t-1 of the hole's numbers: move a random board one number closer.
            const auto chosen = random_.below(static_cast<std::uint32_t>(boards_.size()));
            const std::uint64_t board = boards_[chosen];
            swapInOrbit(chosen, random_.bitOf(board & ~hole), random_.bitOf(hole & ~board));
            return;
        }
        // Large neighbourhoods (a guarantee over five drawn numbers) are sampled, so that a step
        // costs about the same whatever the guarantee. Small samples taken often beat large
        // ones there: "4 if 5" over 13 reaches 48-50 boards in 10 s with about 18 swaps looked
        // at a step, 50-52 with about 73.
        const std::size_t sample =
            std::min(candidates_.size(), std::max<std::size_t>(4, kStepBudget / evaluationCost_));
        for (std::size_t c = 0; c < sample; ++c)
            std::swap(candidates_[c],
                      candidates_[c + random_.below(static_cast<std::uint32_t>(candidates_.size() - c))]);
        std::int64_t bestCost = INT64_MAX;
        std::size_t best = 0;
        std::uint32_t ties = 0;
        for (std::size_t c = 0; c < sample; ++c) {
            const Candidate& candidate = candidates_[c];
            std::int64_t delta = evaluate(boards_[candidate.board], candidate.out, candidate.in, false);
            // In orbits every board of the orbit makes the same swap, each with about this effect.
            const bool closesAll = std::int64_t(holes_.size()) + delta * period_ <= 0;
            if (!closesAll && tabu_[candidate.board * kMaxNumbers + candidate.in] > steps_) continue;
            if (closesAll) delta = INT64_MIN;
            if (delta < bestCost) {
                bestCost = delta;
                best = c;
                ties = 1;
            } else if (delta == bestCost && random_.below(++ties) == 0) {
                best = c;
            }
        }
        if (bestCost == INT64_MAX) return;  // every swap is forbidden for now
        if (bestCost > 0 && random_.unit() >= std::exp(-double(bestCost) / temperature_)) return;
        const Candidate c = candidates_[best];
        swapInOrbit(c.board, c.out, c.in);
    }

private:
    // `mask` turned d times.
    std::uint64_t turn(std::uint64_t mask, int d) const {
        if (d == 0) return mask;
        const std::uint64_t low = mask & turning_;
        return (((low << d) | (low >> (period_ - d))) & turning_) | (mask & ~turning_);
    }
    int turnNumber(int n, int d) const { return n < period_ ? (n + d) % period_ : n; }
    // True when a turn short of a full round brings `board` back to itself: its orbit would hold
    // fewer boards than the others, and the orbits would no longer line up with the board count.
    bool shortOrbit(std::uint64_t board) const {
        for (int d = 1; d < period_; ++d)
            if (period_ % d == 0 && turn(board, d) == board) return true;
        return false;
    }

    void addOrbit(std::uint64_t board) {
        for (int j = 0; j < period_; ++j) addBoard(turn(board, j));
    }

    void addBoard(std::uint64_t board) {
        const auto id = static_cast<std::uint32_t>(boards_.size());
        boards_.push_back(board);
        tabu_.resize(boards_.size() * kMaxNumbers, 0);
        forEachOwn(board, [&](std::uint32_t r) { containing_[r].push_back(id); });
        forEachMet(board, [&](std::uint32_t r) {
            if (cover_[r]++ == 0) closeHole(r);
        });
    }

    // Board `id` plays `in` instead of `out`, and every other board of its orbit the same swap
    // turned to it, unless that would give the orbit fewer boards.
    void swapInOrbit(std::uint32_t id, int out, int in) {
        const int at = static_cast<int>(id) % period_;
        const std::uint32_t first = id - at;
        if (period_ > 1) {
            const std::uint64_t changed = (boards_[id] & ~(std::uint64_t(1) << out)) | std::uint64_t(1) << in;
            if (shortOrbit(changed)) return;
        }
        const std::uint64_t until = steps_ + kTabuSteps + random_.below(kTabuSteps);
        for (int j = 0; j < period_; ++j) {
            const int d = (j - at + period_) % period_;
            const int o = turnNumber(out, d), i = turnNumber(in, d);
            const std::uint32_t board = first + static_cast<std::uint32_t>(j);
            evaluate(boards_[board], o, i);
            apply(board, o, i);
            tabu_[board * kMaxNumbers + o] = until;
        }
    }

    void forget(std::uint32_t r, std::uint32_t id) {
        auto& list = containing_[r];
        *std::find(list.begin(), list.end(), id) = list.back();
        list.pop_back();
    }

    // Calls f with the rank of every (t-1)-subset of `board`.
    template <typename F>
    void forEachOwn(std::uint64_t board, F f) const {
        forEachPart(board, ownPatterns_, t_ - 1, [&](std::uint64_t part) { f(maskRank(part)); });
    }

    // Calls f with every part of `mask` that `patterns` pick, each `size` of its members by
    // their places in it.
    template <typename F>
    static void forEachPart(std::uint64_t mask, const std::vector<std::array<std::uint8_t, kBoardSize>>& patterns,
                            int size, F f) {
        std::uint64_t bits[kBoardSize];
        int k = 0;
        for (; mask != 0; mask &= mask - 1) bits[k++] = mask & (~mask + 1);
        for (const auto& p : patterns) {
            std::uint64_t part = 0;
            for (int a = 0; a < size; ++a) part |= bits[p[a]];
            f(part);
        }
    }

    // Calls f with the rank of every m-subset that `board` meets in t or more numbers.
    template <typename F>
    void forEachMet(std::uint64_t board, F f) const {
        std::uint64_t inside[kBoardSize];
        std::uint8_t outside[kMaxNumbers];
        int k = 0, o = 0;
        for (int n = 0; n < v_; ++n)
            if (board >> n & 1)
                inside[k++] = std::uint64_t(1) << n;
            else
                outside[o++] = static_cast<std::uint8_t>(n);
        for (int i = t_; i <= m_; ++i)
            for (const auto& p : boardPatterns_[i]) {
                std::uint64_t part = 0;
                for (int a = 0; a < i; ++a) part |= inside[p[a]];
                for (const auto& q : outsidePatterns_[i]) {
                    std::uint64_t mask = part;
                    for (int a = 0; a < m_ - i; ++a) mask |= std::uint64_t(1) << outside[q[a]];
                    f(maskRank(mask));
                }
            }
    }

    // The holes opened minus the holes closed if `board` played `in` instead of `out`. Only the
    // m-subsets holding t-1 of the four numbers kept, with `out` or `in` and none of the other
    // can change; their ranks are kept for apply().
    std::int64_t evaluate(std::uint64_t board, int out, int in, bool keep = true) {
        const std::uint64_t outBit = std::uint64_t(1) << out;
        const std::uint64_t inBit = std::uint64_t(1) << in;
        std::uint64_t keptBits[kBoardSize - 1];
        int k = 0;
        for (std::uint64_t kept = board & ~outBit; kept != 0; kept &= kept - 1) keptBits[k++] = kept & (~kept + 1);
        std::uint64_t onlyRest = 0;
        const std::uint64_t* rests = &onlyRest;
        std::size_t restCount = 1;
        if (m_ > t_) {
            std::uint8_t rest[kMaxNumbers];
            int r = 0;
            const std::uint64_t excluded = board | inBit;
            for (int n = 0; n < v_; ++n)
                if (!(excluded >> n & 1)) rest[r++] = static_cast<std::uint8_t>(n);
            restMasks_.clear();
            for (const auto& q : restPatterns_) {
                std::uint64_t mask = 0;
                for (int a = 0; a < m_ - t_; ++a) mask |= std::uint64_t(1) << rest[q[a]];
                restMasks_.push_back(mask);
            }
            rests = restMasks_.data();
            restCount = restMasks_.size();
        }
        if (keep) {
            lost_.clear();
            gained_.clear();
        }
        std::int64_t delta = 0;
        for (const auto& p : keptPatterns_) {
            std::uint64_t part = 0;
            for (int a = 0; a < t_ - 1; ++a) part |= keptBits[p[a]];
            for (std::size_t q = 0; q < restCount; ++q) {
                const std::uint32_t lost = maskRank(part | rests[q] | outBit);
                const std::uint32_t gained = maskRank(part | rests[q] | inBit);
                delta += (cover_[lost] == 1) - (cover_[gained] == 0);
                if (keep) {
                    lost_.push_back(lost);
                    gained_.push_back(gained);
                }
            }
        }
        return delta;
    }

    // Makes the swap evaluate() looked at last.
    void apply(std::uint32_t chosen, int out, int in) {
        const std::uint64_t board = boards_[chosen];
        const std::uint64_t outBit = std::uint64_t(1) << out;
        const std::uint64_t inBit = std::uint64_t(1) << in;
        // The (t-1)-subsets with `out` leave the board's lists; those with `in` join.
        forEachPart(board & ~outBit, shortPatterns_, t_ - 2, [&](std::uint64_t part) {
            forget(maskRank(part | outBit), chosen);
            containing_[maskRank(part | inBit)].push_back(chosen);
        });
        boards_[chosen] = (board & ~outBit) | inBit;
        for (const std::uint32_t r : lost_)
            if (--cover_[r] == 0) openHole(r);
        for (const std::uint32_t r : gained_)
            if (cover_[r]++ == 0) closeHole(r);
    }

    void openHole(std::uint32_t r) {
        where_[r] = static_cast<std::int32_t>(holes_.size());
        holes_.push_back(r);
    }
    void closeHole(std::uint32_t r) {
        const std::int32_t at = where_[r];
        const std::uint32_t last = holes_.back();
        holes_[at] = last;
        where_[last] = at;
        holes_.pop_back();
    }

    int v_, t_, m_;
    int period_;
    std::uint64_t turning_ = 0;  // the numbers that turn
    Random random_;
    std::vector<std::uint64_t> boards_;
    std::vector<std::uint32_t> cover_;
    std::vector<std::uint32_t> holes_;
    std::vector<std::int32_t> where_;
    std::vector<std::vector<std::uint32_t>> containing_;  // (t-1)-subset -> the boards that hold it
    std::array<std::vector<std::array<std::uint8_t, kBoardSize>>, kBoardSize + 1> boardPatterns_, outsidePatterns_;
    std::vector<std::array<std::uint8_t, kBoardSize>> keptPatterns_, shortPatterns_, ownPatterns_, holePatterns_,
        restPatterns_;
    std::vector<std::uint64_t> restMasks_;
    std::vector<std::uint32_t> lost_, gained_;

    struct Candidate {
        std::uint32_t board;
        std::uint8_t out, in;
    };
    static constexpr std::size_t kStepBudget = 1024;  // subsets looked at per step, about
    static constexpr std::uint32_t kTabuSteps = 20;
    double temperature_ = kColdest;
    std::vector<Candidate> candidates_;
    std::vector<std::uint64_t> tabu_;  // [board * 50 + number]: the step until which it may not come back
    std::uint64_t steps_ = 0;
    std::size_t evaluationCost_ = 1;
};

// One call of generateWheel: the clock and the limits, the smallest complete wheel so far, and
// the progress told.
//
// The run first surveys a few ways to start: the plain search from a greedy wheel, then, for a
// turn of all the numbers, of all but the last and of all but the last two, a search among
// wheels made of its whole orbits (which lands near a good structured wheel when there is one:
// several of the best wheels known are built so), whose nearest wheel is made complete with
// boards chosen one by one; and, when any m drawn put t in one half of the numbers, a wheel
// for each half. Each gets a tenth of the run. The rest of the run searches plainly
// from the smallest of those starts (the plain survey going on where it stopped, when no turn
// did better): the plain search lets a turned wheel shed the boards its structure cannot. A
// run limited by moves shares its moves the same way; a run without limits goes on until it is
// stopped.
class Run {
public:
    Run(const GeneratorSettings& settings, const std::atomic<bool>* stop, const GeneratorProgressCallback& progress)
        : settings_(settings),
          g_(settings.guarantee),
          stop_(stop),
          progress_(progress),
          start_(Clock::now()),
          timed_(settings.seconds > 0),
          limited_(timed_ || settings.maxMoves > 0),
          floor_(std::max({lowerBound(settings.numbers, settings.guarantee), settings.targetBoards, 1})) {}

    GeneratorResult go() {
        const int v = settings_.numbers;
        std::uint64_t seed = settings_.seed;
        // The plain survey. The plain greedy wheel may take the whole run (many numbers, a
        // guarantee over five): without it there is nothing to show.
        Search plain(v, g_, seed++, 1);
        Descent plainDescent;
        current_ = &plain;
        if (!plain.greedy([&] { return !ended(); })) return finish();
        descend(plain, stretch(kSurveyShare), plainDescent);
        std::vector<std::uint64_t> bestStart = plainDescent.smallest;
        bool plainIsBest = true;
        int bestTurn = 0;  // the turn whose orbits gave the smallest start; 0 for none
        for (int fixed = 0; fixed <= 2; ++fixed) {
            if (v - fixed < kLeastTurning || ended()) break;
            std::vector<std::uint64_t> start = surveyTurn(v - fixed, seed++, stretch(kSurveyShare));
            if (!start.empty() && start.size() < bestStart.size()) {
                bestStart = std::move(start);
                plainIsBest = false;
                bestTurn = v - fixed;
            }
        }
        if (g_.t < g_.m && (g_.m + 1) / 2 >= g_.t && v - (v + 1) / 2 >= kBoardSize && !ended()) {
            std::vector<std::uint64_t> start = surveyHalves(seed, stretch(kSurveyShare));
            seed += 2;
            if (!start.empty() && start.size() < bestStart.size()) {
                bestStart = std::move(start);
                plainIsBest = false;
                bestTurn = 0;
            }
        }
        // The rest of the run goes on from the smallest start: where the plain survey stopped, or
        // a plain search from the wheel another survey gave. It is given out in stretches. When a
        // turn gave the start, a search that has not shed one board of it by the end of a
        // stretch starts afresh from a new wheel of that turn: orbit wheels of one size differ,
        // and whether the plain search can take boards from one is largely luck (once the first
        // goes, the rest often follow). Any other search simply goes on: its patience grows.
        Search* rest = &plain;
        Descent* restDescent = &plainDescent;
        std::unique_ptr<Search> other;
        std::unique_ptr<Descent> otherDescent;
        auto startFrom = [&](const std::vector<std::uint64_t>& start) {
            other = std::make_unique<Search>(v, g_, seed++, 1);
            otherDescent = std::make_unique<Descent>();
            other->load(start);
            rest = other.get();
            restDescent = otherDescent.get();
        };
        if (!plainIsBest) startFrom(bestStart);
        while (!ended() && used_ < 1.0 - 1e-9) {
            current_ = rest;
            descend(*rest, stretch(std::min(kRestStretch, 1.0 - used_)), *restDescent);
            if (bestTurn > 1 && restDescent->smallest.size() >= bestStart.size() && !ended()) {
                std::vector<std::uint64_t> again = surveyTurn(bestTurn, seed++, stretch(kSurveyAgain));
                if (ended()) break;
                startFrom(!again.empty() && again.size() <= bestStart.size() ? again : bestStart);
            }
        }
        return finish();
    }

private:
    // Turns of fewer numbers are not tried: with so few boards a short orbit is hard to avoid.
    static constexpr int kLeastTurning = 7;
    static constexpr double kSurveyShare = 0.1;
    static constexpr double kRestStretch = 0.15;
    static constexpr double kSurveyAgain = 0.03;  // a new wheel of the turn that gave the start
    // A run without limits counts its shares in moves, this many for the whole.
    static constexpr double kUnlimitedMoves = double(std::int64_t(1) << 24);

    // A stretch of the run: it ends at this time or this move count, whichever comes first.
    struct Stretch {
        double seconds;
        std::int64_t moves;
    };

    // The next `share` of the run, after the shares given before.
    Stretch stretch(double share) {
        used_ += share;
        if (!limited_) {
            // No end: every share is counted from now, and the run never uses all of it.
            used_ = 0;
            return {0, result_.moves + std::int64_t(kUnlimitedMoves * share)};
        }
        return {settings_.seconds * used_,
                settings_.maxMoves > 0 ? std::int64_t(double(settings_.maxMoves) * used_) : INT64_MAX};
    }

    double elapsed() const { return std::chrono::duration<double>(Clock::now() - start_).count(); }

    // The whole run is over: stopped, out of time or out of moves, or no smaller wheel is wanted.
    bool ended() {
        if (result_.complete && report_.bestBoards <= floor_) return true;
        if (stop_ != nullptr && stop_->load(std::memory_order_relaxed)) {
            result_.stopped = true;
            return true;
        }
        if (settings_.maxMoves > 0 && result_.moves >= settings_.maxMoves) return true;
        return timed_ && elapsed() >= settings_.seconds;
    }
    bool over(const Stretch& stretch) {
        return ended() || (timed_ && elapsed() >= stretch.seconds) || result_.moves >= stretch.moves;
    }

    void tell(bool always) {
        if (!progress_) return;
        const double now = elapsed();
        if (!always && now - lastReport_ < 0.2) return;
        lastReport_ = now;
        report_.boards = current_->size();
        report_.holes = static_cast<std::int64_t>(current_->holes());
        report_.moves = result_.moves;
        report_.seconds = now;
        progress_(report_);
    }

    void record(const Search& search) {
        if (result_.complete && search.size() >= report_.bestBoards) return;
        result_.complete = true;
        result_.wheel = search.wheel();
        report_.bestBoards = search.size();
        tell(true);
    }

    GeneratorResult finish() {
        result_.seconds = elapsed();
        return result_;
    }

    // The start a turn of the first `period` numbers gives within `stretch` of the run: the
    // smallest complete wheel its orbit search reaches, or the nearest wheel it saw made complete
    // with boards chosen one by one when that is smaller; empty when it reached none.
    std::vector<std::uint64_t> surveyTurn(int period, std::uint64_t seed, const Stretch& stretch) {
        const int v = settings_.numbers;
        nearest_.clear();
        nearestScore_ = INT64_MAX;
        Search search(v, g_, seed, period);
        Descent descent;
        current_ = &search;
        if (!search.greedy([&] { return !over(stretch); })) return {};
        descend(search, stretch, descent);
        if (nearest_.empty() || ended()) return descent.smallest;
        Search plain(v, g_, seed, 1);
        current_ = &plain;
        plain.load(nearest_);
        if (plain.greedy([&] { return !ended(); }) && plain.size() < static_cast<int>(descent.smallest.size())) {
            record(plain);
            return plain.boards();
        }
        return descent.smallest;
    }

    // When any m drawn numbers put t of them in one half of the player's numbers (three of any
    // five drawn fall in the same half), a wheel for each half keeping "t if ceil(m/2)" keeps the
    // whole guarantee together: the start this survey gives, each half generated in half of
    // `stretch`; empty when a half got no complete wheel.
    std::vector<std::uint64_t> surveyHalves(std::uint64_t seed, const Stretch& stretch) {
        const int v = settings_.numbers;
        const int first = (v + 1) / 2;
        std::vector<std::uint64_t> boards;
        for (const auto& [offset, numbers] : {std::pair{0, first}, std::pair{first, v - first}}) {
            const double part = offset == 0 ? 0.5 : 1.0;  // of what is left of the stretch
            GeneratorSettings half;
            half.numbers = numbers;
            half.guarantee = {g_.t, (g_.m + 1) / 2};
            half.seed = seed++;
            half.seconds = timed_ ? std::max(0.001, (stretch.seconds - elapsed()) * part) : 0;
            if (stretch.moves != INT64_MAX)
                half.maxMoves = std::max<std::int64_t>(1, std::int64_t(double(stretch.moves - result_.moves) * part));
            const GeneratorResult wheel = generateWheel(half, stop_);
            result_.moves += wheel.moves;
            if (!wheel.complete) return {};
            for (const Board& board : wheel.wheel.boards) {
                std::uint64_t mask = 0;
                for (const auto n : board) mask |= std::uint64_t(1) << (n + offset);
                boards.push_back(mask);
            }
        }
        Search whole(v, g_, seed, 1);
        current_ = &whole;
        whole.load(boards);
        if (whole.holes() != 0) return {};  // never a start with holes, whatever went wrong
        record(whole);
        return boards;
    }

    // Where a downward search stands between the stretches of the run it is given.
    struct Descent {
        bool begun = false;
        bool trying = false;  // orbits taken away; the smaller size is not complete yet
        double firstPatience = 0;
        double patience = 0;
        bool fresh = true;
        int jump = 1;
        std::int64_t stepsHere = 0;
        std::vector<std::uint64_t> smallest;  // the smallest complete wheel it reached
    };

    // Searches `search` downwards from its complete wheel until `stretch` is spent or the run
    // ends, keeping in `d` where it stands so that a later stretch goes on from there. An orbit
    // search also keeps in nearest_ the wheel nearest to complete it saw below its smallest
    // complete one: its boards counted with its holes, a board closing at most as many holes as
    // the subsets it meets.
    void descend(Search& search, const Stretch& stretch, Descent& d) {
        const int period = search.period();
        const std::int64_t perBoard =
            std::int64_t(kBinomial(kBoardSize, g_.t)) * std::int64_t(kBinomial(settings_.numbers - g_.t, g_.m - g_.t));
        // Steps allowed at one size before starting that size again, 200 an orbit of the first
        // complete wheel; each new start of the same size gets half as many more. Searches at
        // one size differ widely in luck, so several fresh starts reach a smaller wheel sooner
        // than one long search. An orbit search gets a third as many: its few orbits leave a
        // size that resists little else to try, and starting the size again serves it better.
        constexpr double kPatienceGrowth = 1.5;
        // The first try below a complete wheel drops a tenth of its orbits at once; a try that
        // fails halves the drop, down to one orbit. A search with room to rearrange many boards
        // finds better wheels than one that takes them away one at a time.
        constexpr double kFirstDrop = 0.1;
        if (!d.begun) {
            record(search);
            d.begun = true;
            d.firstPatience = std::max(2000.0, 200.0 * search.orbits()) * (period > 1 ? 0.3 : 1.0);
            d.patience = d.firstPatience;
            d.smallest = search.boards();
            d.jump = std::max(1, static_cast<int>(search.orbits() * kFirstDrop));
        }
        while (d.trying || search.size() - period >= floor_) {
            if (!d.trying) {
                const int target = std::max(floor_, search.size() - d.jump * period);
                while (search.size() - period >= target) search.removeOrbit(!d.fresh);
                d.trying = true;
                d.stepsHere = 0;
            }
            // Taking orbits away can leave the wheel complete (a greedy wheel often has boards
            // to spare): a step then has no hole to close, so none is made.
            bool found = search.holes() == 0;
            while (!found) {
                if ((result_.moves & 0xff) == 0 || settings_.maxMoves > 0) {
                    if (over(stretch)) return;
                    if ((result_.moves & 0xff) == 0) tell(false);
                }
                search.step();
                ++result_.moves;
                found = search.holes() == 0;
                if (period > 1 && !found) {
                    const std::int64_t score = std::int64_t(search.size()) * perBoard + std::int64_t(search.holes());
                    if (score < nearestScore_) {
                        nearestScore_ = score;
                        nearest_ = search.boards();
                    }
                }
                if (!found && ++d.stepsHere > d.patience) break;
            }
            d.trying = false;
            if (found) {
                record(search);
                d.smallest = search.boards();
                if (!nearest_.empty() && nearest_.size() >= d.smallest.size()) {
                    nearestScore_ = INT64_MAX;
                    nearest_.clear();
                }
                search.reheat(false);
                d.patience = d.firstPatience;
                d.fresh = true;
                continue;
            }
            // Stuck at this size: start again from the smallest complete wheel without another
            // of its orbits, and give the next attempt longer.
            search.load(d.smallest);
            if (d.jump > 1) {
                d.jump /= 2;
            } else {
                d.patience *= kPatienceGrowth;
                d.fresh = false;
                search.reheat(true);
            }
        }
    }

    const GeneratorSettings& settings_;
    const Guarantee g_;
    const std::atomic<bool>* stop_;
    const GeneratorProgressCallback& progress_;
    const Clock::time_point start_;
    const bool timed_;
    const bool limited_;
    const int floor_;
    double used_ = 0;  // the share of the run given out so far
    GeneratorResult result_;
    GeneratorProgress report_;
    double lastReport_ = 0;
    const Search* current_ = nullptr;
    std::vector<std::uint64_t> nearest_;
    std::int64_t nearestScore_ = INT64_MAX;
};
}  // namespace

int lowerBound(int numbers, Guarantee g) {
    if (g.t < g.m || g.t < 1) return 1;
    // L(v, k, t) = ceil(v / k * L(v - 1, k - 1, t - 1)), L(v, k, 1) = ceil(v / k).
    std::int64_t bound = 1;
    for (int i = g.t - 1; i >= 0; --i) {
        const std::int64_t v = numbers - i;
        const std::int64_t k = kBoardSize - i;
        bound = (v * bound + k - 1) / k;
    }
    return static_cast<int>(bound);
}

GeneratorResult generateWheel(const GeneratorSettings& settings, const std::atomic<bool>* stop,
                              const GeneratorProgressCallback& progress) {
    if (generatorLimitsProblem(settings.numbers, settings.guarantee)) return {};
    return Run(settings, stop, progress).go();
}

}  // namespace norvex5::workshop
