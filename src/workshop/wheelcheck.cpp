#include "workshop/wheelcheck.h"

#include <algorithm>

namespace norvex5::workshop {

std::vector<std::array<std::uint8_t, kBoardSize>> positionPatterns(int n, int k) {
    std::vector<std::array<std::uint8_t, kBoardSize>> patterns;
    if (k > n || k < 0 || k > kBoardSize) return patterns;
    std::array<std::uint8_t, kBoardSize> c{};
    for (int i = 0; i < k; ++i) c[i] = static_cast<std::uint8_t>(i);
    do patterns.push_back(c);
    while (k > 0 && nextSubset(c.data(), k, n));
    return patterns;
}

CoverageIndex::CoverageIndex(const Wheel& wheel)
    : numbers_(wheel.numbers), boards_(static_cast<std::int64_t>(wheel.boards.size())), boardSize_(wheel.boardSize) {
    marks_[0].assign(1, 1);  // the empty set lies on every board, and the wheel has one
    if (wheel.boards.empty()) marks_[0][0] = 0;
    for (int j = 1; j <= kBoardSize; ++j) marks_[j].assign(kBinomial(numbers_, j), 0);
    for (int h = 0; h <= kBoardSize; ++h)
        for (int j = 0; j <= h; ++j) patterns_[h][j] = positionPatterns(h, j);
    for (const Board& board : wheel.boards) {
        for (int j = 1; j <= boardSize_; ++j) {
            std::vector<std::uint8_t>& marks = marks_[j];
            for (const auto& p : patterns_[boardSize_][j]) {
                std::uint32_t rank = 0;
                for (int i = 0; i < j; ++i) rank += kBinomial(board[p[i]], i + 1);
                marks[rank] = 1;
            }
        }
    }
}

bool CoverageIndex::meets(const std::uint8_t* c, int m, int t) const {
    const std::vector<std::uint8_t>& marks = marks_[t];
    for (const auto& p : patterns_[m][t]) {
        std::uint32_t rank = 0;
        for (int i = 0; i < t; ++i) rank += kBinomial(c[p[i]], i + 1);
        if (marks[rank]) return true;
    }
    return t == 0 && marks_[0][0];
}

int CoverageIndex::bestHits(const std::uint8_t* c, int h) const {
    for (int j = std::min(h, boardSize_); j >= 1; --j)
        if (meets(c, h, j)) return j;
    return 0;
}

std::int64_t holesAmong(const BestCounts& best, Guarantee g) {
    std::int64_t holes = 0;
    for (int j = 0; j < g.t && j <= g.m; ++j) holes += best[g.m][j];
    return holes;
}

std::int64_t CoverageProfile::holes(Guarantee g) const { return holesAmong(best, g); }

double CoverageProfile::coveredShare(Guarantee g) const { return coveredShareOf(subsets(g.m), holes(g)); }

std::optional<CoverageProfile> coverageProfile(const CoverageIndex& index, const CheckProgress& progress) {
    CoverageProfile profile;
    profile.numbers = index.numbers();
    profile.boards = index.boards();
    profile.boardSize = index.boardSize();
    if (!forEachBestHits(index, progress, [&](int h, const std::uint8_t*, std::uint32_t, int best) { ++profile.best[h][best]; }))
        return std::nullopt;
    return profile;
}

void forEachHole(const CoverageIndex& index, Guarantee g,
                 const std::function<bool(std::span<const std::uint8_t>)>& visit) {
    const int v = index.numbers();
    if (g.m > v || g.m < 1 || g.m > kBoardSize || g.t < 1 || g.t > g.m) return;
    std::array<std::uint8_t, kBoardSize> c{};
    for (int i = 0; i < g.m; ++i) c[i] = static_cast<std::uint8_t>(i);
    do {
        if (!index.meets(c.data(), g.m, g.t) && !visit(std::span<const std::uint8_t>(c.data(), g.m))) return;
    } while (nextSubset(c.data(), g.m, v));
}

GuaranteeReport checkGuarantee(const CoverageIndex& index, Guarantee g, std::size_t firstHoleLimit) {
    GuaranteeReport report;
    report.guarantee = g;
    report.boards = index.boards();
    report.subsets = binomial(index.numbers(), g.m);
    forEachHole(index, g, [&](std::span<const std::uint8_t> hole) {
        if (report.firstHoles.size() < firstHoleLimit) report.firstHoles.emplace_back(hole.begin(), hole.end());
        ++report.holes;
        return true;
    });
    report.coveredShare = coveredShareOf(report.subsets, report.holes);
    return report;
}

WinTable winTable(const CoverageProfile& profile, int highest) {
    WinTable table;
    table.highest = highest;
    table.numbers = profile.numbers;
    table.boards = profile.boards;
    const int v = profile.numbers;
    const double draws = double(binomial(highest, kBoardSize));
    for (int h = 0; h <= kBoardSize; ++h) {
        table.drawShare[h] =
            draws == 0 ? 0.0 : double(binomial(v, h)) * double(binomial(highest - v, kBoardSize - h)) / draws;
        const double subsets = double(binomial(v, h));
        if (subsets == 0) continue;
        for (int j = 0; j <= h; ++j) {
            table.bestShare[h][j] = double(profile.best[h][j]) / subsets;
            // Each board holds k of the v numbers (five on a full board), so j of them fall among
            // h drawn ones in C(k,j) C(v-k,h-j) of the C(v,h) ways, whatever the other boards are.
            const int k = profile.boardSize;
            table.expectedBoards[h][j] =
                double(profile.boards) * double(binomial(k, j)) * double(binomial(v - k, h - j)) / subsets;
        }
    }
    return table;
}

}  // namespace norvex5::workshop
