#pragma once
// What a wheel guarantees and how it wins.
//
// The check rests on one fact: an m-subset of the player's numbers is met in t or more numbers
// by some board exactly when one of its t-subsets lies inside a board. So every subset of one to
// five numbers that lies inside a board is marked once (CoverageIndex), and a draw is then judged
// by looking up its own subsets, never by scanning the boards. A million boards over 50 numbers
// take a few tenths of a second, where the scan per draw takes hours.

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "workshop/wheel.h"

namespace norvex5::workshop {

// Every subset of one to five numbers that lies inside some board of the wheel.
class CoverageIndex {
public:
    explicit CoverageIndex(const Wheel& wheel);

    int numbers() const { return numbers_; }
    std::int64_t boards() const { return boards_; }
    int boardSize() const { return boardSize_; }

    // True when the j numbers (ascending, 1 <= j <= 5) lie together on one board.
    bool together(const std::uint8_t* c, int j) const { return marks_[j][subsetRank(c, j)] != 0; }

    // The most numbers of the ascending h numbers `c` (h <= 5) that one board holds.
    int bestHits(const std::uint8_t* c, int h) const;

    // True when some t of the ascending m numbers `c` (t <= m <= 5) lie together on one board.
    bool meets(const std::uint8_t* c, int m, int t) const;

private:
    int numbers_;
    std::int64_t boards_;
    int boardSize_;
    std::array<std::vector<std::uint8_t>, kBoardSize + 1> marks_;  // [j][rank of a j-subset]
    std::array<std::array<std::vector<std::array<std::uint8_t, kBoardSize>>, kBoardSize + 1>, kBoardSize + 1>
        patterns_;  // [h][j]: every j of h positions
};

// For every h = 0..5 and j = 0..h: how many h-subsets of the player's numbers have a best board
// holding exactly j of them. One pass gives every guarantee at once: the holes of "t if m" are
// the m-subsets whose best board holds fewer than t.
using BestCounts = std::array<std::array<std::int64_t, kBoardSize + 1>, kBoardSize + 1>;  // [h][j]

// Of the m-subsets counted in best[m], those whose best board holds fewer than t: the holes of g.
std::int64_t holesAmong(const BestCounts& best, Guarantee g);
// The share of `subsets` that are no hole; 1.0 when there is no subset at all.
inline double coveredShareOf(std::int64_t subsets, std::int64_t holes) {
    return subsets == 0 ? 1.0 : double(subsets - holes) / double(subsets);
}

struct CoverageProfile {
    int numbers = 0;
    std::int64_t boards = 0;
    int boardSize = kBoardSize;
    BestCounts best{};

    std::int64_t subsets(int m) const { return binomial(numbers, m); }
    std::int64_t holes(Guarantee g) const;
    bool keeps(Guarantee g) const { return holes(g) == 0; }
    double coveredShare(Guarantee g) const;  // 1.0 when there is no m-subset at all
};

// Stops a long pass between two subsets when it returns false; called now and then with the share
// done (0..1). An empty one never stops it.
using CheckProgress = std::function<bool(double done)>;

// nullopt when stopped.
std::optional<CoverageProfile> coverageProfile(const CoverageIndex& index, const CheckProgress& progress = {});

// Calls visit(h, c, rank, best) for every subset c of h = 0..5 of the player's numbers
// (ascending), by rank within each h, best being the most of them one board holds. False when
// stopped.
template <typename Visit>
bool forEachBestHits(const CoverageIndex& index, const CheckProgress& progress, Visit&& visit) {
    const int v = index.numbers();
    std::int64_t total = 0;
    for (int h = 0; h <= kBoardSize; ++h) total += binomial(v, h);
    std::int64_t done = 0;
    for (int h = 0; h <= std::min(kBoardSize, v); ++h) {
        std::array<std::uint8_t, kBoardSize> c{};
        for (int i = 0; i < h; ++i) c[i] = static_cast<std::uint8_t>(i);
        std::uint32_t rank = 0;
        do {
            visit(h, c.data(), rank++, index.bestHits(c.data(), h));
            if ((++done & 0xffff) == 0 && progress && !progress(double(done) / double(total))) return false;
        } while (h > 0 && nextSubsetByRank(c.data(), h, v));
    }
    return true;
}

// Calls visit with every hole of `g` (m ascending numbers 0..v-1) in lexicographic order until it
// returns false. The guarantee must lie within checkLimitsProblem's limits.
void forEachHole(const CoverageIndex& index, Guarantee g,
                 const std::function<bool(std::span<const std::uint8_t>)>& visit);

struct GuaranteeReport {
    Guarantee guarantee;
    std::int64_t boards = 0;
    std::int64_t subsets = 0;  // C(v, m)
    std::int64_t holes = 0;
    double coveredShare = 1.0;
    std::vector<std::vector<std::uint8_t>> firstHoles;  // numbers 0..v-1, at most the limit asked
};
GuaranteeReport checkGuarantee(const CoverageIndex& index, Guarantee g, std::size_t firstHoleLimit = 20);

// The chances of a wheel in a game whose draw is five numbers out of `highest`:
//   drawShare[h]         the probability that h of the five drawn are among the player's v;
//   bestShare[h][j]      given h, the probability that the best board holds exactly j of them;
//   expectedBoards[h][j] given h, the expected number of boards holding exactly j of them.
// All exact, over every draw; shares given h are 0 for an h the player's v cannot reach.
struct WinTable {
    int highest = 0;
    int numbers = 0;
    std::int64_t boards = 0;
    std::array<double, kBoardSize + 1> drawShare{};
    std::array<std::array<double, kBoardSize + 1>, kBoardSize + 1> bestShare{};
    std::array<std::array<double, kBoardSize + 1>, kBoardSize + 1> expectedBoards{};
};
// `highest` is the game's highest number; at least v.
WinTable winTable(const CoverageProfile& profile, int highest);

}  // namespace norvex5::workshop
