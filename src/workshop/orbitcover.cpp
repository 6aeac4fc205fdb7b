#include "workshop/orbitcover.h"

#include <algorithm>

namespace norvex5::workshop {

namespace {

using Clock = std::chrono::steady_clock;

bool isPrime(int n) {
    if (n < 2) return false;
    for (int d = 2; d * d <= n; ++d)
        if (n % d == 0) return false;
    return true;
}

// The factors a of `group`: the subgroup of its order of the nonzero numbers mod p, the powers of
// g^((p-1)/order) for a g that generates them all.
std::vector<int> factorsOf(const AffineGroup& group) {
    const int p = group.prime;
    for (int g = 2; g < p; ++g) {
        bool generates = true;
        for (int q = 2; q < p && generates; ++q) {
            if ((p - 1) % q != 0 || !isPrime(q)) continue;
            long power = 1;
            for (int i = 0; i < (p - 1) / q; ++i) power = power * g % p;
            generates = power != 1;
        }
        if (!generates) continue;
        long step = 1;
        for (int i = 0; i < (p - 1) / group.order; ++i) step = step * g % p;
        std::vector<int> factors;
        long a = 1;
        for (int i = 0; i < group.order; ++i, a = a * step % p) factors.push_back(static_cast<int>(a));
        return factors;
    }
    return {1};
}

// The orbits of the k-subsets of 0..v-1: each subset's orbit by rank, and each orbit's members.
struct Orbits {
    std::vector<std::int32_t> of;
    std::vector<std::vector<std::uint64_t>> members;
};

Orbits orbitsOf(int v, int k, int p, const std::vector<int>& factors) {
    const std::uint64_t moving = (std::uint64_t(1) << p) - 1;
    Orbits orbits;
    orbits.of.assign(kBinomial(v, k), -1);
    std::uint8_t c[kBoardSize];
    for (int i = 0; i < k; ++i) c[i] = static_cast<std::uint8_t>(i);
    do {
        if (orbits.of[subsetRank(c, k)] >= 0) continue;
        std::uint64_t mask = 0;
        for (int i = 0; i < k; ++i) mask |= std::uint64_t(1) << c[i];
        const auto id = static_cast<std::int32_t>(orbits.members.size());
        orbits.members.emplace_back();
        for (const int a : factors)
            for (int b = 0; b < p; ++b) {
                std::uint64_t image = mask & ~moving;
                for (std::uint64_t rest = mask & moving; rest != 0; rest &= rest - 1)
                    image |= std::uint64_t(1) << ((a * __builtin_ctzll(rest) + b) % p);
                std::int32_t& of = orbits.of[maskRank(image)];
                if (of >= 0) continue;
                of = id;
                orbits.members.back().push_back(image);
            }
    } while (nextSubsetByRank(c, k, v));
    return orbits;
}

// The smallest weighed cover: candidates (each a weight, its boards, and the elements it meets)
// chosen so that every element is met, the weights adding up to as little as possible. Depth
// first, always on the open element with the fewest candidates left, the candidate meeting most
// new weight for its boards first; a branch whose boards cannot undercut the best found (each
// board meets at most `perBoard` of the elements' weight) is cut, and a candidate tried for an
// element is left out of the branches after it.
class WeighedCover {
public:
    WeighedCover(std::vector<std::int64_t> elementWeight, std::vector<std::int64_t> candidateWeight,
                 std::vector<std::vector<std::int32_t>> meets, std::int64_t perBoard)
        : elementWeight_(std::move(elementWeight)),
          candidateWeight_(std::move(candidateWeight)),
          meets_(std::move(meets)),
          perBoard_(perBoard),
          by_(elementWeight_.size()),
          covered_(elementWeight_.size(), 0),
          excluded_(candidateWeight_.size(), 0) {
        for (std::size_t c = 0; c < meets_.size(); ++c)
            for (const std::int32_t e : meets_[c]) by_[e].push_back(static_cast<std::int32_t>(c));
        for (const std::int64_t w : elementWeight_) open_ += w;
    }

    // The candidates of the smallest cover under `fewerThan` found before `deadline`; empty when none.
    std::vector<std::int32_t> solve(Clock::time_point deadline, std::int64_t fewerThan) {
        deadline_ = deadline;
        best_ = fewerThan;
        search(0);
        return bestChosen_;
    }
    bool finished() const { return !outOfTime_; }

private:
    void search(std::int64_t cost) {
        if (outOfTime_ || (++nodes_ % 1024 == 0 && Clock::now() > deadline_)) {
            outOfTime_ = true;
            return;
        }
        if (open_ == 0) {
            if (cost < best_) {
                best_ = cost;
                bestChosen_ = chosen_;
            }
            return;
        }
        if (cost + (open_ + perBoard_ - 1) / perBoard_ >= best_) return;
        std::int32_t element = -1;
        std::size_t fewest = SIZE_MAX;
        for (std::size_t e = 0; e < covered_.size(); ++e) {
            if (covered_[e] != 0) continue;
            std::size_t left = 0;
            for (const std::int32_t c : by_[e]) left += excluded_[c] == 0;
            if (left < fewest) {
                fewest = left;
                element = static_cast<std::int32_t>(e);
            }
        }
        if (fewest == 0) return;
        std::vector<std::pair<double, std::int32_t>> order;
        for (const std::int32_t c : by_[element]) {
            if (excluded_[c] != 0) continue;
            std::int64_t gain = 0;
            for (const std::int32_t e : meets_[c]) gain += covered_[e] == 0 ? elementWeight_[e] : 0;
            order.push_back({-double(gain) / double(candidateWeight_[c]), c});
        }
        std::sort(order.begin(), order.end());
        std::vector<std::int32_t> tried;
        for (const auto& [score, c] : order) {
            take(c, +1);
            chosen_.push_back(c);
            search(cost + candidateWeight_[c]);
            chosen_.pop_back();
            take(c, -1);
            excluded_[c] = 1;
            tried.push_back(c);
            if (outOfTime_) break;
        }
        for (const std::int32_t c : tried) excluded_[c] = 0;
    }

    void take(std::int32_t c, int sign) {
        for (const std::int32_t e : meets_[c]) {
            if (sign > 0 && covered_[e]++ == 0) open_ -= elementWeight_[e];
            if (sign < 0 && --covered_[e] == 0) open_ += elementWeight_[e];
        }
    }

    std::vector<std::int64_t> elementWeight_, candidateWeight_;
    std::vector<std::vector<std::int32_t>> meets_;
    std::int64_t perBoard_;
    std::vector<std::vector<std::int32_t>> by_;
    std::vector<std::int32_t> covered_;
    std::vector<std::uint8_t> excluded_;
    std::int64_t open_ = 0;
    std::vector<std::int32_t> chosen_, bestChosen_;
    std::int64_t best_ = 0;
    Clock::time_point deadline_;
    std::uint64_t nodes_ = 0;
    bool outOfTime_ = false;
};

// Calls f with every m-subset of 0..v-1 that `board` meets in t or more numbers, some more than
// once: t of its numbers, and m - t of the others.
template <typename F>
void forEachMet(std::uint64_t board, int v, Guarantee g, F f) {
    std::uint8_t inside[kBoardSize];
    int k = 0;
    for (std::uint64_t rest = board; rest != 0; rest &= rest - 1) inside[k++] = static_cast<std::uint8_t>(__builtin_ctzll(rest));
    std::uint8_t pick[kBoardSize];
    for (int i = 0; i < g.t; ++i) pick[i] = static_cast<std::uint8_t>(i);
    do {
        std::uint64_t kept = 0;
        std::uint8_t others[64];
        int o = 0;
        for (int i = 0; i < g.t; ++i) kept |= std::uint64_t(1) << inside[pick[i]];
        for (int n = 0; n < v; ++n)
            if (!(kept >> n & 1)) others[o++] = static_cast<std::uint8_t>(n);
        std::uint8_t more[kBoardSize];
        for (int i = 0; i < g.m - g.t; ++i) more[i] = static_cast<std::uint8_t>(i);
        do {
            std::uint64_t mask = kept;
            for (int i = 0; i < g.m - g.t; ++i) mask |= std::uint64_t(1) << others[more[i]];
            f(mask);
        } while (g.m > g.t && nextSubset(more, g.m - g.t, o));
    } while (nextSubset(pick, g.t, k));
}

}  // namespace

std::vector<AffineGroup> affineGroupsFor(int numbers) {
    std::vector<AffineGroup> groups;
    for (int p = numbers; p >= std::max(5, numbers - 6); --p) {
        if (!isPrime(p)) continue;
        for (int d = p - 1; d >= 1; --d)
            if ((p - 1) % d == 0) groups.push_back({p, d});
    }
    return groups;
}

OrbitCover smallestOrbitCover(int v, Guarantee g, const AffineGroup& group, Clock::time_point deadline,
                              std::int64_t fewerThan, int boardSize) {
    const int k = boardSize;
    const std::vector<int> factors = factorsOf(group);
    const Orbits boards = orbitsOf(v, k, group.prime, factors);
    const Orbits subsets = orbitsOf(v, g.m, group.prime, factors);
    std::int64_t perBoard = 0;  // the m-subsets one board meets in t or more numbers
    for (int i = g.t; i <= std::min(k, g.m); ++i) perBoard += binomial(k, i) * binomial(v - k, g.m - i);
    std::vector<std::int64_t> elementWeight, candidateWeight;
    for (const auto& members : subsets.members) elementWeight.push_back(static_cast<std::int64_t>(members.size()));
    std::vector<std::vector<std::int32_t>> meets;
    for (const auto& members : boards.members) {
        candidateWeight.push_back(static_cast<std::int64_t>(members.size()));
        // A union of orbits is kept by the group, so it meets every member of an orbit of
        // m-subsets when it meets one: an orbit of boards meets those its first board meets.
        std::vector<std::int32_t> met;
        forEachMet(members.front(), v, g, [&](std::uint64_t mask) { met.push_back(subsets.of[maskRank(mask)]); });
        std::sort(met.begin(), met.end());
        met.erase(std::unique(met.begin(), met.end()), met.end());
        meets.push_back(std::move(met));
    }
    WeighedCover cover(std::move(elementWeight), std::move(candidateWeight), std::move(meets), perBoard);
    OrbitCover result;
    for (const std::int32_t c : cover.solve(deadline, fewerThan))
        result.boards.insert(result.boards.end(), boards.members[c].begin(), boards.members[c].end());
    result.finished = cover.finished();
    result.boardOrbits = static_cast<int>(boards.members.size());
    result.subsetOrbits = static_cast<int>(subsets.members.size());
    return result;
}

}  // namespace norvex5::workshop
