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
    forEachPassingDraw(filter, p.highest, [&](const Draw& d) {
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
    });
    // A subset is held by a passing draw when it is met exactly or lies in a larger one held:
    // settled from five members down, one member left out at a time.
    for (int h = std::min(kBoardSize, numbers_); h >= 0; --h) {
        std::array<std::uint8_t, kBoardSize> c{};
        for (int i = 0; i < h; ++i) c[i] = static_cast<std::uint8_t>(i);
        std::uint32_t rank = 0;
        do {
            std::uint8_t& held = held_[h][rank];
            held = held || exactly_[h][rank] != 0;
            if (held && h > 0)
                for (int out = 0; out < h; ++out) {
                    std::array<std::uint8_t, kBoardSize> part{};
                    for (int i = 0, j = 0; i < h; ++i)
                        if (i != out) part[j++] = c[i];
                    held_[h - 1][subsetRank(part.data(), h - 1)] = 1;
                }
            ++rank;
        } while (h > 0 && nextSubsetByRank(c.data(), h, numbers_));
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
    const bool done = forEachBestHits(index, progress, [&](int h, const std::uint8_t*, std::uint32_t rank, int best) {
        ++profile.plain.best[h][best];
        if (draws.holds(h, rank)) {
            ++profile.heldBest[h][best];
            profile.passingBest[h][best] += draws.meetingExactly(h, rank);
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
