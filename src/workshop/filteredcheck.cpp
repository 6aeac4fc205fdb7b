#include "workshop/filteredcheck.h"

#include <algorithm>

namespace norvex5::workshop {

PlayedNumbers firstNumbers(int numbers, int highest) {
    PlayedNumbers played;
    played.highest = highest;
    for (int n = 1; n <= numbers; ++n) played.played.push_back(n);
    return played;
}

std::optional<std::string> playedNumbersProblem(const PlayedNumbers& p, int numbers) {
    if (p.highest < kBoardSize || p.highest > kMaxNumbers)
        return "the game's highest number must be from " + std::to_string(kBoardSize) + " to " +
               std::to_string(kMaxNumbers);
    if (p.numbers() != numbers)
        return std::to_string(p.numbers()) + " numbers are played, and the wheel plays " + std::to_string(numbers);
    std::array<bool, kMaxNumbers + 1> seen{};
    for (const int n : p.played) {
        if (n < 1 || n > p.highest)
            return "the number " + std::to_string(n) + " is not a number of a game from 1 to " +
                   std::to_string(p.highest);
        if (seen[n]) return "the number " + std::to_string(n) + " is played twice";
        seen[n] = true;
    }
    return std::nullopt;
}

PassingDraws::PassingDraws(const DrawFilter& filter, const PlayedNumbers& p)
    : numbers_(p.numbers()), draws_(binomial(p.highest, kBoardSize)) {
    for (int h = 0; h <= kBoardSize; ++h) {
        exactly_[h].assign(kBinomial(numbers_, h), 0);
        held_[h].assign(kBinomial(numbers_, h), 0);
    }
    std::array<int, kMaxNumbers + 1> positionOf{};
    positionOf.fill(-1);
    for (int k = 0; k < numbers_; ++k) positionOf[p.played[k]] = k;
    // Listed, not counted: each passing draw is needed as it meets the player's numbers.
    Draw d{};
    const int top = p.highest;
    for (d[0] = 1; d[0] <= top; ++d[0])
        for (d[1] = d[0] + 1; d[1] <= top; ++d[1])
            for (d[2] = d[1] + 1; d[2] <= top; ++d[2])
                for (d[3] = d[2] + 1; d[3] <= top; ++d[3])
                    for (d[4] = d[3] + 1; d[4] <= top; ++d[4]) {
                        if (!passes(filter, d, top)) continue;
                        ++passing_;
                        std::array<std::uint8_t, kBoardSize> met{};
                        int h = 0;
                        for (const int n : d) {
                            if (positionOf[n] < 0) continue;
                            // Kept ascending as it grows: positions need not follow the numbers.
                            int at = h++;
                            for (; at > 0 && met[at - 1] > positionOf[n]; --at) met[at] = met[at - 1];
                            met[at] = static_cast<std::uint8_t>(positionOf[n]);
                        }
                        ++exactly_[h][subsetRank(met.data(), h)];
                    }
    // A subset is held by a passing draw when some subset met exactly holds it.
    for (int h = 0; h <= std::min(kBoardSize, numbers_); ++h)
        for (std::uint32_t rank = 0; rank < exactly_[h].size(); ++rank) {
            if (exactly_[h][rank] == 0) continue;
            const auto met = subsetOfRank(rank, h);
            for (unsigned part = 0; part < (1u << h); ++part) {
                std::array<std::uint8_t, kBoardSize> c{};
                int m = 0;
                for (int i = 0; i < h; ++i)
                    if (part >> i & 1) c[m++] = met[i];
                held_[m][subsetRank(c.data(), m)] = 1;
            }
        }
}

std::int64_t FilteredProfile::heldSubsets(int m) const {
    std::int64_t held = 0;
    for (const std::int64_t count : heldBest[m]) held += count;
    return held;
}

std::int64_t FilteredProfile::holesUnderFilter(Guarantee g) const {
    std::int64_t holes = 0;
    for (int j = 0; j < g.t && j <= g.m; ++j) holes += heldBest[g.m][j];
    return holes;
}

double FilteredProfile::coveredShareUnderFilter(Guarantee g) const {
    const std::int64_t held = heldSubsets(g.m);
    return held == 0 ? 1.0 : double(held - holesUnderFilter(g)) / double(held);
}

std::optional<FilteredProfile> filteredProfile(const CoverageIndex& index, const PassingDraws& draws,
                                               const CheckProgress& progress) {
    FilteredProfile profile;
    profile.plain.numbers = index.numbers();
    profile.plain.boards = index.boards();
    profile.draws = draws.draws();
    profile.passing = draws.passing();
    const bool done = forEachBestHits(index, progress, [&](int h, const std::uint8_t* c, int best) {
        ++profile.plain.best[h][best];
        if (draws.holds(c, h)) {
            ++profile.heldBest[h][best];
            profile.passingBest[h][best] += draws.meetingExactly(c, h);
        }
    });
    if (!done) return std::nullopt;
    return profile;
}

FilteredWinTable winTableUnderFilter(const FilteredProfile& profile) {
    FilteredWinTable table;
    for (int h = 0; h <= kBoardSize; ++h) {
        std::int64_t meeting = 0;
        for (const std::int64_t count : profile.passingBest[h]) meeting += count;
        if (meeting == 0) continue;
        table.drawShare[h] = double(meeting) / double(profile.passing);
        for (int j = 0; j <= h; ++j) table.bestShare[h][j] = double(profile.passingBest[h][j]) / double(meeting);
    }
    return table;
}

Wheel passingBoards(const Wheel& wheel, const DrawFilter& filter, const PlayedNumbers& played) {
    Wheel kept;
    kept.numbers = wheel.numbers;
    for (const Board& board : wheel.boards) {
        Draw draw{};
        for (int k = 0; k < kBoardSize; ++k) draw[k] = played.played[board[k]];
        std::sort(draw.begin(), draw.end());
        if (passes(filter, draw, played.highest)) kept.boards.push_back(board);
    }
    return kept;
}

}  // namespace norvex5::workshop
