#include "workshop/coversearch.h"

#include <algorithm>
#include <cmath>

namespace norvex5::workshop {

namespace {

std::uint64_t maskOfRank(std::uint32_t rank, int k) {
    const auto c = subsetOfRank(rank, k);
    std::uint64_t mask = 0;
    for (int i = 0; i < k; ++i) mask |= std::uint64_t(1) << c[i];
    return mask;
}

}  // namespace

// Calls f with the rank of every (t-1)-subset of `board`.
template <typename F>
void CoverSearch::forEachOwn(std::uint64_t board, F f) const {
    forEachPart(board, ownPatterns_, t_ - 1, [&](std::uint64_t part) { f(maskRank(part)); });
}

// Calls f with every part of `mask` that `patterns` pick, each `size` of its members by
// their places in it.
template <typename F>
void CoverSearch::forEachPart(std::uint64_t mask, const Patterns& patterns, int size, F f) {
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
void CoverSearch::forEachMet(std::uint64_t board, F f) const {
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

CoverSearch::CoverSearch(int v, Guarantee g, std::uint64_t seed, int period, const GeneratorTuning& tuning,
                         const std::vector<std::uint8_t>* needed, int boardSize, int cycles)
    : tuning_(tuning),
      v_(v),
      t_(g.t),
      m_(g.m),
      k_(boardSize),
      period_(period),
      cycles_(cycles),
      random_(seed),
      needed_(needed),
      temperature_(tuning.coldest) {
    where_.resize(kBinomial(v, m_));
    if (m_ == t_ && t_ >= 2) {
        const std::uint32_t subsets = kBinomial(v, m_);
        beside_.assign(std::size_t(kBinomial(v, t_ - 1)) * v_, BesideCount{0, 1});
        if (tuning_.holeWeighting > 0) weight_.assign(kBinomial(v, m_), 1);
        besidePlaces_.resize(std::size_t(subsets) * m_);
        for (std::uint32_t r = 0; r < subsets; ++r) {
            const std::uint64_t mask = maskOfRank(r, m_);
            int j = 0;
            for (std::uint64_t rest = mask; rest != 0; rest &= rest - 1, ++j) {
                const int x = __builtin_ctzll(rest);
                besidePlaces_[std::size_t(r) * m_ + j] = maskRank(mask & ~(std::uint64_t(1) << x)) * v_ + x;
            }
        }
    }
    uncover();
    containing_.resize(kBinomial(v, t_ - 1));
    for (int i = t_; i <= m_; ++i) {
        boardPatterns_[i] = positionPatterns(k_, i);
        outsidePatterns_[i] = positionPatterns(v_ - k_, m_ - i);
    }
    keptPatterns_ = positionPatterns(k_ - 1, t_ - 1);
    shortPatterns_ = positionPatterns(k_ - 1, t_ - 2);
    ownPatterns_ = positionPatterns(k_, t_ - 1);
    holePatterns_ = positionPatterns(m_, t_ - 1);
    if (v_ >= k_ + 1) restPatterns_ = positionPatterns(v_ - k_ - 1, m_ - t_);
    evaluationCost_ = std::max<std::size_t>(1, 2 * keptPatterns_.size() * restPatterns_.size());
    cycle_ = (std::uint64_t(1) << period_) - 1;
    turning_ = (std::uint64_t(1) << (period_ * cycles_)) - 1;
}

void CoverSearch::reheat(bool warmer) {
    temperature_ = warmer ? std::min(tuning_.warmest, temperature_ * tuning_.reheating) : tuning_.coldest;
}

Wheel CoverSearch::wheel() const {
    Wheel wheel;
    wheel.numbers = v_;
    wheel.boardSize = k_;
    for (std::uint64_t mask : boards_) {
        Board board{};
        for (int k = 0; k < k_; ++k, mask &= mask - 1) board[k] = static_cast<std::uint8_t>(__builtin_ctzll(mask));
        wheel.boards.push_back(board);
    }
    std::sort(wheel.boards.begin(), wheel.boards.end());
    return wheel;
}

bool CoverSearch::greedy(const std::function<bool()>& keepGoing) {
    while (!holes_.empty()) {
        if (!keepGoing()) return false;
        const std::uint64_t hole = maskOfRank(holes_[random_.below(static_cast<std::uint32_t>(holes_.size()))], m_);
        std::uint64_t best = 0;
        std::int64_t bestGain = -1;
        for (int c = 0; c < tuning_.greedyCandidates; ++c) {
            std::uint64_t board = 0;
            std::uint64_t pool = hole;
            for (int k = 0; k < t_; ++k) {
                const int n = random_.bitOf(pool);
                board |= std::uint64_t(1) << n;
                pool &= ~(std::uint64_t(1) << n);
            }
            while (__builtin_popcountll(board) < k_) board |= std::uint64_t(1) << random_.below(v_);
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

void CoverSearch::load(const std::vector<std::uint64_t>& boards) {
    uncover();
    for (auto& list : containing_) list.clear();
    boards_.clear();
    tabu_.clear();
    for (const std::uint64_t board : boards) addBoard(board);
}

void CoverSearch::removeOrbit(bool anyOrbit) {
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
            mirror(r);
        });
    }
    const int last = count - 1;
    if (chosen != last)
        for (int j = 0; j < period_; ++j) {
            const auto from = static_cast<std::uint32_t>(last * period_ + j);
            const auto to = static_cast<std::uint32_t>(chosen * period_ + j);
            forEachOwn(boards_[from],
                       [&](std::uint32_t r) { *std::find(containing_[r].begin(), containing_[r].end(), from) = to; });
            boards_[to] = boards_[from];
            std::copy_n(tabu_.begin() + from * kMaxNumbers, kMaxNumbers, tabu_.begin() + to * kMaxNumbers);
        }
    boards_.resize(static_cast<std::size_t>(last) * period_);
    tabu_.resize(boards_.size() * kMaxNumbers);
}

void CoverSearch::step() {
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
    const std::size_t sample =
        std::min(candidates_.size(), std::max<std::size_t>(tuning_.leastSample, tuning_.stepBudget / evaluationCost_));
    for (std::size_t c = 0; c < sample; ++c)
        std::swap(candidates_[c], candidates_[c + random_.below(static_cast<std::uint32_t>(candidates_.size() - c))]);
    const bool weighed = !weight_.empty();
    std::int64_t bestCost = INT64_MAX;
    std::int64_t bestOpened = 0;
    std::size_t best = 0;
    std::uint32_t ties = 0;
    for (std::size_t c = 0; c < sample; ++c) {
        const Candidate& candidate = candidates_[c];
        std::int64_t weight = 0;
        std::int64_t delta = evaluate(boards_[candidate.board], candidate.out, candidate.in, false, &weight);
        const std::int64_t opened = delta;
        if (weighed) delta = weight;
        // In orbits every board of the orbit makes the same swap, each with about this effect. A
        // swap that closes every hole overrides the tabu list and goes first; weighed, one whose
        // gain in weight reaches the count of holes does too.
        const bool closesAll = std::int64_t(holes_.size()) + delta * period_ <= 0;
        if (!closesAll && tabu_[candidate.board * kMaxNumbers + candidate.in] > steps_) continue;
        if (closesAll) delta = INT64_MIN;
        if (delta < bestCost) {
            bestCost = delta;
            bestOpened = opened;
            best = c;
            ties = 1;
        } else if (delta == bestCost && random_.below(++ties) == 0) {
            best = c;
            bestOpened = opened;
        }
    }
    if (bestCost == INT64_MAX) return;  // every swap is forbidden for now
    // Weighed, the swap is chosen by its weights, but made or not by the holes it opens.
    if (weighed && bestCost > 0) weigh(holeRank);
    const std::int64_t opened = weighed ? bestOpened : bestCost;
    if (bestCost > 0 && opened > 0 && random_.unit() >= std::exp(-double(opened) / temperature_)) return;
    const Candidate c = candidates_[best];
    swapInOrbit(c.board, c.out, c.in);
}

// `mask` turned d times.
std::uint64_t CoverSearch::turn(std::uint64_t mask, int d) const {
    if (d == 0) return mask;
    std::uint64_t turned = mask & ~turning_;
    for (int c = 0; c < cycles_; ++c) {
        const int from = c * period_;
        const std::uint64_t low = mask >> from & cycle_;
        turned |= (((low << d) | (low >> (period_ - d))) & cycle_) << from;
    }
    return turned;
}

// True when a turn short of a full round brings `board` back to itself: its orbit would hold
// fewer boards than the others, and the orbits would no longer line up with the board count.
bool CoverSearch::shortOrbit(std::uint64_t board) const {
    for (int d = 1; d < period_; ++d)
        if (period_ % d == 0 && turn(board, d) == board) return true;
    return false;
}

void CoverSearch::addOrbit(std::uint64_t board) {
    for (int j = 0; j < period_; ++j) addBoard(turn(board, j));
}

void CoverSearch::addBoard(std::uint64_t board) {
    const auto id = static_cast<std::uint32_t>(boards_.size());
    boards_.push_back(board);
    tabu_.resize(boards_.size() * kMaxNumbers, 0);
    forEachOwn(board, [&](std::uint32_t r) { containing_[r].push_back(id); });
    forEachMet(board, [&](std::uint32_t r) {
        if (cover_[r]++ == 0) closeHole(r);
        mirror(r);
    });
}

// Board `id` plays `in` instead of `out`, and every other board of its orbit the same swap
// turned to it, unless that would give the orbit fewer boards.
void CoverSearch::swapInOrbit(std::uint32_t id, int out, int in) {
    const int at = static_cast<int>(id) % period_;
    const std::uint32_t first = id - at;
    if (period_ > 1) {
        const std::uint64_t changed = (boards_[id] & ~(std::uint64_t(1) << out)) | std::uint64_t(1) << in;
        if (shortOrbit(changed)) return;
    }
    const std::uint64_t until = steps_ + tuning_.tabuSteps + random_.below(tuning_.tabuSteps);
    for (int j = 0; j < period_; ++j) {
        const int d = (j - at + period_) % period_;
        const int o = turnNumber(out, d), i = turnNumber(in, d);
        const std::uint32_t board = first + static_cast<std::uint32_t>(j);
        evaluate(boards_[board], o, i);
        apply(board, o, i);
        tabu_[board * kMaxNumbers + o] = until;
    }
}

void CoverSearch::forget(std::uint32_t r, std::uint32_t id) {
    auto& list = containing_[r];
    *std::find(list.begin(), list.end(), id) = list.back();
    list.pop_back();
}

// The holes opened minus the holes closed if `board` played `in` instead of `out`. Only the
// m-subsets holding t-1 of the four numbers kept, with `out` or `in` and none of the other
// can change; their ranks are kept for apply(). `weighed`, when given, gets the same counted by
// the holes' weights (under "t if t", where the holes are weighed).
std::int64_t CoverSearch::evaluate(std::uint64_t board, int out, int in, bool keep, std::int64_t* weighed) {
    const std::uint64_t outBit = std::uint64_t(1) << out;
    const std::uint64_t inBit = std::uint64_t(1) << in;
    if (!keep && !beside_.empty()) {
        // The kept numbers ascending: a (t-1)-subset's rank is then its members' binomials.
        int kept[kBoardSize - 1];
        int k = 0;
        for (std::uint64_t rest = board & ~outBit; rest != 0; rest &= rest - 1) kept[k++] = __builtin_ctzll(rest);
        std::int64_t delta = 0, weight = 0;
        for (const auto& p : keptPatterns_) {
            std::uint32_t rank = 0;
            for (int a = 0; a < t_ - 1; ++a) rank += kBinomial(kept[p[a]], a + 1);
            const std::size_t at = std::size_t(rank) * v_;
            const BesideCount lost = beside_[at + out], gained = beside_[at + in];
            delta += (lost.count == 1) - (gained.count == 0);
            weight += (lost.count == 1 ? lost.weight : 0) - (gained.count == 0 ? gained.weight : 0);
        }
        if (weighed != nullptr) *weighed = weight;
        return delta;
    }
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

void CoverSearch::weigh(std::uint32_t r) {
    weight_[r] += tuning_.holeWeighting;
    mirror(r);
    if (++gains_ < tuning_.weightFading) return;
    // Now and then every weight is halved, so that old troubles fade.
    gains_ = 0;
    for (std::uint32_t s = 0; s < weight_.size(); ++s) {
        weight_[s] = std::max<std::uint32_t>(1, weight_[s] / 2);
        mirror(s);
    }
}

// Makes the swap evaluate() looked at last.
void CoverSearch::apply(std::uint32_t chosen, int out, int in) {
    const std::uint64_t board = boards_[chosen];
    const std::uint64_t outBit = std::uint64_t(1) << out;
    const std::uint64_t inBit = std::uint64_t(1) << in;
    // The (t-1)-subsets with `out` leave the board's lists; those with `in` join.
    forEachPart(board & ~outBit, shortPatterns_, t_ - 2, [&](std::uint64_t part) {
        forget(maskRank(part | outBit), chosen);
        containing_[maskRank(part | inBit)].push_back(chosen);
    });
    boards_[chosen] = (board & ~outBit) | inBit;
    for (const std::uint32_t r : lost_) {
        if (--cover_[r] == 0) openHole(r);
        mirror(r);
    }
    for (const std::uint32_t r : gained_) {
        if (cover_[r]++ == 0) closeHole(r);
        mirror(r);
    }
}

// No board yet: every m-subset that needs covering is a hole. One that does not gets a count no
// number of boards brings down to 0 (a board is counted once for each it meets).
void CoverSearch::uncover() {
    constexpr std::uint32_t kNeverHole = 1u << 30;
    const std::uint32_t subsets = kBinomial(v_, m_);
    cover_.assign(subsets, 0);
    std::fill(beside_.begin(), beside_.end(), BesideCount{0, 1});
    std::fill(weight_.begin(), weight_.end(), 1u);
    holes_.clear();
    for (std::uint32_t r = 0; r < subsets; ++r) {
        if (needed_ != nullptr && (*needed_)[r] == 0) {
            cover_[r] = kNeverHole;
            mirror(r);
            continue;
        }
        where_[r] = static_cast<std::int32_t>(holes_.size());
        holes_.push_back(r);
    }
}

void CoverSearch::openHole(std::uint32_t r) {
    where_[r] = static_cast<std::int32_t>(holes_.size());
    holes_.push_back(r);
}

void CoverSearch::closeHole(std::uint32_t r) {
    const std::int32_t at = where_[r];
    const std::uint32_t last = holes_.back();
    holes_[at] = last;
    where_[last] = at;
    holes_.pop_back();
}

}  // namespace norvex5::workshop
