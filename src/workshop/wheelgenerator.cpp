#include "workshop/wheelgenerator.h"

#include <algorithm>
#include <chrono>
#include <cmath>

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

// The state of one run: the boards, and for every m-subset how many boards meet it in t or more
// numbers, with the list of those that none meets (the holes).
class Annealer {
public:
    Annealer(int v, Guarantee g, std::uint64_t seed) : v_(v), t_(g.t), m_(g.m), random_(seed) {
        const std::uint32_t subsets = kBinomial(v, m_);
        cover_.assign(subsets, 0);
        holes_.resize(subsets);
        where_.resize(subsets);
        for (std::uint32_t r = 0; r < subsets; ++r) holes_[r] = where_[r] = static_cast<std::int32_t>(r);
        for (int i = t_; i <= m_; ++i) {
            boardPatterns_[i] = positionPatterns(kBoardSize, i);
            outsidePatterns_[i] = positionPatterns(v_ - kBoardSize, m_ - i);
        }
        keptPatterns_ = positionPatterns(kBoardSize - 1, t_ - 1);
        if (v_ >= kBoardSize + 1) restPatterns_ = positionPatterns(v_ - kBoardSize - 1, m_ - t_);
        evaluationCost_ = std::max<std::size_t>(1, 2 * keptPatterns_.size() * restPatterns_.size());
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

    // One board at a time, each the best of a few that meet a random hole in t numbers, until no
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
                std::int64_t gain = 0;
                forEachMet(board, [&](std::uint32_t r) { gain += cover_[r] == 0; });
                if (gain > bestGain) {
                    bestGain = gain;
                    best = board;
                }
            }
            addBoard(best);
        }
        return true;
    }

    void addBoard(std::uint64_t board) {
        boards_.push_back(board);
        tabu_.resize(boards_.size() * kMaxNumbers, 0);
        forEachMet(board, [&](std::uint32_t r) {
            if (cover_[r]++ == 0) closeHole(r);
        });
    }

    // Starts again from `wheel`: its boards, their holes, no step forbidden.
    void load(const Wheel& wheel) {
        std::fill(cover_.begin(), cover_.end(), 0);
        holes_.resize(cover_.size());
        for (std::uint32_t r = 0; r < cover_.size(); ++r) holes_[r] = where_[r] = static_cast<std::int32_t>(r);
        boards_.clear();
        tabu_.clear();
        for (const Board& board : wheel.boards) {
            std::uint64_t mask = 0;
            for (const auto n : board) mask |= std::uint64_t(1) << n;
            addBoard(mask);
        }
    }

    // Takes out the board whose loss opens the fewest holes, or a random one.
    void removeBoard(bool anyBoard = false) {
        std::size_t chosen = random_.below(static_cast<std::uint32_t>(boards_.size()));
        std::int64_t fewest = anyBoard ? INT64_MIN : INT64_MAX;
        for (std::size_t i = 0; i < boards_.size() && !anyBoard; ++i) {
            std::int64_t opened = 0;
            forEachMet(boards_[i], [&](std::uint32_t r) { opened += cover_[r] == 1; });
            if (opened < fewest) {
                fewest = opened;
                chosen = i;
            }
        }
        const std::uint64_t board = boards_[chosen];
        boards_[chosen] = boards_.back();
        boards_.pop_back();
        std::copy_n(tabu_.end() - kMaxNumbers, kMaxNumbers, tabu_.begin() + chosen * kMaxNumbers);
        tabu_.resize(boards_.size() * kMaxNumbers);
        forEachMet(board, [&](std::uint32_t r) {
            if (--cover_[r] == 0) openHole(r);
        });
    }

    // One step of the search at the current size: a random hole is taken, and among the swaps
    // that would close it (a board meeting it in t-1 numbers trades a number outside it for one
    // inside) the one that opens fewest holes is chosen. It is made when it opens no more holes
    // than it closes, else with the probability exp(-added / temperature). A number just taken
    // off a board may not come back to it for a while (unless that closes the last hole), which
    // keeps the search from undoing its own steps and circling on a plateau.
    void step() {
        ++steps_;
        const std::uint32_t holeRank = holes_[random_.below(static_cast<std::uint32_t>(holes_.size()))];
        const std::uint64_t hole = maskOfRank(holeRank, m_);
        candidates_.clear();
        for (std::size_t i = 0; i < boards_.size(); ++i)
            if (__builtin_popcountll(boards_[i] & hole) == t_ - 1) {
                for (std::uint64_t outs = boards_[i] & ~hole; outs != 0; outs &= outs - 1)
                    for (std::uint64_t ins = hole & ~boards_[i]; ins != 0; ins &= ins - 1)
                        candidates_.push_back({static_cast<std::uint32_t>(i),
                                               static_cast<std::uint8_t>(__builtin_ctzll(outs)),
                                               static_cast<std::uint8_t>(__builtin_ctzll(ins))});
            }
        if (candidates_.empty()) {
            // No board is one number short of the hole: move a random board one number closer.
            const auto chosen = random_.below(static_cast<std::uint32_t>(boards_.size()));
            const std::uint64_t board = boards_[chosen];
            const int out = random_.bitOf(board & ~hole);
            const int in = random_.bitOf(hole & ~board);
            evaluate(board, out, in);
            apply(chosen, out, in);
            return;
        }
        // Large neighbourhoods (a guarantee over five drawn numbers) are sampled, so that a step
        // costs about the same whatever the guarantee.
        const std::size_t sample =
            std::min(candidates_.size(), std::max<std::size_t>(4, kStepBudget / evaluationCost_));
        for (std::size_t k = 0; k < sample; ++k)
            std::swap(candidates_[k],
                      candidates_[k + random_.below(static_cast<std::uint32_t>(candidates_.size() - k))]);
        std::int64_t bestCost = INT64_MAX;
        std::size_t best = 0;
        std::uint32_t ties = 0;
        for (std::size_t k = 0; k < sample; ++k) {
            const Candidate& c = candidates_[k];
            std::int64_t delta = evaluate(boards_[c.board], c.out, c.in, false);
            const bool closesAll = std::int64_t(holes_.size()) + delta == 0;
            if (!closesAll && tabu_[c.board * kMaxNumbers + c.in] > steps_) continue;
            if (closesAll) delta = INT64_MIN;
            if (delta < bestCost) {
                bestCost = delta;
                best = k;
                ties = 1;
            } else if (delta == bestCost && random_.below(++ties) == 0) {
                best = k;
            }
        }
        if (bestCost == INT64_MAX) return;  // every swap is forbidden for now
        if (bestCost > 0 && random_.unit() >= std::exp(-double(bestCost) / temperature_)) return;
        const Candidate c = candidates_[best];
        evaluate(boards_[c.board], c.out, c.in);
        apply(c.board, c.out, c.in);
        tabu_[c.board * kMaxNumbers + c.out] = steps_ + kTabuSteps + random_.below(kTabuSteps);
    }

private:
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
        restMasks_.clear();
        if (m_ == t_) {
            restMasks_.push_back(0);
        } else {
            std::uint8_t rest[kMaxNumbers];
            int r = 0;
            const std::uint64_t excluded = board | inBit;
            for (int n = 0; n < v_; ++n)
                if (!(excluded >> n & 1)) rest[r++] = static_cast<std::uint8_t>(n);
            for (const auto& q : restPatterns_) {
                std::uint64_t mask = 0;
                for (int a = 0; a < m_ - t_; ++a) mask |= std::uint64_t(1) << rest[q[a]];
                restMasks_.push_back(mask);
            }
        }
        if (keep) {
            lost_.clear();
            gained_.clear();
        }
        std::int64_t delta = 0;
        for (const auto& p : keptPatterns_) {
            std::uint64_t part = 0;
            for (int a = 0; a < t_ - 1; ++a) part |= keptBits[p[a]];
            for (const std::uint64_t restMask : restMasks_) {
                const std::uint32_t lost = maskRank(part | restMask | outBit);
                const std::uint32_t gained = maskRank(part | restMask | inBit);
                delta += (cover_[lost] == 1) - (cover_[gained] == 0);
                if (keep) {
                    lost_.push_back(lost);
                    gained_.push_back(gained);
                }
            }
        }
        return delta;
    }

    void apply(std::size_t chosen, int out, int in) {
        boards_[chosen] = (boards_[chosen] & ~(std::uint64_t(1) << out)) | std::uint64_t(1) << in;
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
    Random random_;
    std::vector<std::uint64_t> boards_;
    std::vector<std::uint32_t> cover_;
    std::vector<std::uint32_t> holes_;
    std::vector<std::int32_t> where_;
    std::array<std::vector<std::array<std::uint8_t, kBoardSize>>, kBoardSize + 1> boardPatterns_, outsidePatterns_;
    std::vector<std::array<std::uint8_t, kBoardSize>> keptPatterns_, restPatterns_;
    std::vector<std::uint64_t> restMasks_;
    std::vector<std::uint32_t> lost_, gained_;

    struct Candidate {
        std::uint32_t board;
        std::uint8_t out, in;
    };
    static constexpr std::size_t kStepBudget = 4096;  // subsets looked at per step, about
    static constexpr std::uint32_t kTabuSteps = 20;
    double temperature_ = kColdest;
    std::vector<Candidate> candidates_;
    std::vector<std::uint64_t> tabu_;  // [board * 50 + number]: the step until which it may not come back
    std::uint64_t steps_ = 0;
    std::size_t evaluationCost_ = 1;
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
    GeneratorResult result;
    const Guarantee g = settings.guarantee;
    if (generatorLimitsProblem(settings.numbers, g)) return result;
    const Clock::time_point start = Clock::now();
    auto elapsed = [&] { return std::chrono::duration<double>(Clock::now() - start).count(); };
    const bool timed = settings.seconds > 0;
    auto keepGoing = [&] {
        if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
            result.stopped = true;
            return false;
        }
        return !timed || elapsed() < settings.seconds;
    };
    Annealer annealer(settings.numbers, g, settings.seed);
    GeneratorProgress report;
    double lastReport = 0;
    auto tell = [&](bool always) {
        if (!progress) return;
        const double now = elapsed();
        if (!always && now - lastReport < 0.2) return;
        lastReport = now;
        report.boards = annealer.size();
        report.holes = static_cast<std::int64_t>(annealer.holes());
        report.moves = result.moves;
        report.seconds = now;
        progress(report);
    };
    const int floor = std::max({lowerBound(settings.numbers, g), settings.targetBoards, 1});
    auto recordComplete = [&] {
        result.complete = true;
        result.wheel = annealer.wheel();
        report.bestBoards = annealer.size();
        tell(true);
    };
    if (annealer.greedy(keepGoing)) {
        recordComplete();
        // Steps allowed at one size before starting that size again, 200 a board of the first
        // complete wheel; each new start of the same size gets half as many more. Searches at one size differ widely in
        // luck, so several fresh starts reach a smaller wheel sooner than one long search.
        const double kPatience = std::max(2000.0, 200.0 * annealer.size());
        constexpr double kPatienceGrowth = 1.5;
        // The first try below a complete wheel drops a tenth of its boards at once; a try that
        // fails halves the drop, down to one board. A search with room to rearrange many boards
        // finds better wheels than one that takes them away one at a time.
        constexpr double kFirstDrop = 0.1;
        double patience = kPatience;
        bool fresh = true;
        int jump = std::max(1, static_cast<int>(annealer.size() * kFirstDrop));
        while (annealer.size() > floor) {
            const int target = std::max(floor, annealer.size() - jump);
            while (annealer.size() > target) annealer.removeBoard(!fresh);
            bool found = false;
            std::int64_t stepsHere = 0;
            while (!found) {
                if (settings.maxMoves > 0 && result.moves >= settings.maxMoves) break;
                if ((result.moves & 0xff) == 0) {
                    if (!keepGoing()) break;
                    tell(false);
                }
                annealer.step();
                ++result.moves;
                found = annealer.holes() == 0;
                if (!found && ++stepsHere > patience) break;
            }
            if (found) {
                recordComplete();
                annealer.reheat(false);
                patience = kPatience;
                fresh = true;
                continue;
            }
            if (stepsHere <= patience) break;  // out of time, moves, or stopped
            // Stuck at this size: start again from the smallest complete wheel without another
            // of its boards, and give the next attempt longer.
            annealer.load(result.wheel);
            if (jump > 1) {
                jump /= 2;
            } else {
                patience *= kPatienceGrowth;
                fresh = false;
                annealer.reheat(true);
            }
        }
    }
    result.seconds = elapsed();
    return result;
}

}  // namespace norvex5::workshop
