#pragma once
// Small subsets of the player's numbers, counted and numbered.
//
// Every subset of at most five of the numbers 0..v-1 (v <= 50) gets a rank: with its members
// ascending c0 < c1 < ... its rank is C(c0,1) + C(c1,2) + ..., which numbers the k-subsets of
// 0..v-1 densely from 0 to C(v,k)-1 whatever v is. That lets the check and the generator keep one
// flag or counter per subset in a plain array, reached without a search.

#include <array>
#include <cstdint>
#include <vector>

namespace norvex5::workshop {

inline constexpr int kMaxNumbers = 50;  // the largest grid a game has
inline constexpr int kBoardSize = 5;

// C(n, k) for 0 <= n <= 50, 0 <= k <= 5; 0 when k > n.
class Binomials {
public:
    constexpr Binomials() : table_{} {
        for (int n = 0; n <= kMaxNumbers; ++n) {
            table_[n][0] = 1;
            for (int k = 1; k <= kBoardSize; ++k) table_[n][k] = n == 0 ? 0 : table_[n - 1][k - 1] + table_[n - 1][k];
        }
    }
    constexpr std::uint32_t operator()(int n, int k) const { return table_[n][k]; }

private:
    std::array<std::array<std::uint32_t, kBoardSize + 1>, kMaxNumbers + 1> table_;
};
inline constexpr Binomials kBinomial;

// C(n, k) for any n and k in 64 bits; for counts beyond the table (draws over 50 numbers).
inline std::int64_t binomial(int n, int k) {
    if (k < 0 || n < 0 || k > n) return 0;
    std::int64_t r = 1;
    for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
}

// Rank of the subset whose members are `c[0] < c[1] < ... < c[k-1]`.
inline std::uint32_t subsetRank(const std::uint8_t* c, int k) {
    std::uint32_t r = 0;
    for (int i = 0; i < k; ++i) r += kBinomial(c[i], i + 1);
    return r;
}

// Rank of the subset held as a bit mask (bit n for number n), however many members it has up to
// five.
inline std::uint32_t maskRank(std::uint64_t mask) {
    std::uint32_t r = 0;
    for (int i = 1; mask != 0; ++i, mask &= mask - 1) r += kBinomial(__builtin_ctzll(mask), i);
    return r;
}

// The k members, ascending, of the subset with rank `rank`.
inline std::array<std::uint8_t, kBoardSize> subsetOfRank(std::uint32_t rank, int k) {
    std::array<std::uint8_t, kBoardSize> c{};
    int n = kMaxNumbers;
    for (int i = k; i >= 1; --i) {
        while (kBinomial(n, i) > rank) --n;
        c[i - 1] = static_cast<std::uint8_t>(n);
        rank -= kBinomial(n, i);
    }
    return c;
}

// Every way of choosing k of the positions 0..n-1 (n <= 50, k <= 5), each as k ascending
// positions, in lexicographic order: the patterns the check lays over a draw or a board.
std::vector<std::array<std::uint8_t, kBoardSize>> positionPatterns(int n, int k);

// Steps `c` (k ascending members of 0..v-1) to the next k-subset in lexicographic order; false
// after the last one.
inline bool nextSubset(std::uint8_t* c, int k, int v) {
    int i = k - 1;
    while (i >= 0 && c[i] == v - k + i) --i;
    if (i < 0) return false;
    ++c[i];
    for (int j = i + 1; j < k; ++j) c[j] = static_cast<std::uint8_t>(c[j - 1] + 1);
    return true;
}

// Steps `c` to the k-subset of the next rank (colexicographic order: the largest member changes
// last); false after the last one. Walking ranks in order walks a per-subset array in order.
inline bool nextSubsetByRank(std::uint8_t* c, int k, int v) {
    for (int i = 0; i < k; ++i) {
        const int limit = i + 1 < k ? c[i + 1] : v;
        if (c[i] + 1 < limit) {
            ++c[i];
            for (int j = 0; j < i; ++j) c[j] = static_cast<std::uint8_t>(j);
            return true;
        }
    }
    return false;
}

}  // namespace norvex5::workshop
