#pragma once
// A wheel's guarantee under a filter: "t if m among draws that pass".
//
// An m-subset of the player's numbers needs a board holding t of it only when some draw that
// passes the filter contains it: for m = 5 the subset is itself such a draw; for fewer, some
// five-number draw of the game around it passes. Everything here is read off one list of the
// passing draws as they meet the player's numbers: how many meet them in exactly which subset.
// From that come the subsets that need covering (every subset of one met) and the chances of a
// wheel given that the draw passes (each subset weighed by the passing draws that meet it).

#include <optional>
#include <string>
#include <vector>

#include "workshop/drawfilter.h"
#include "workshop/wheelcheck.h"

namespace norvex5::workshop {

// The player's numbers as the game knows them: the wheel's position p (0..v-1) plays the number
// played[p] of a game whose numbers run 1..highest.
struct PlayedNumbers {
    int highest = kDefaultHighest;
    std::vector<int> played;

    int numbers() const { return static_cast<int>(played.size()); }
};

// The numbers 1..v of a game up to `highest`: what a wheel plays when no numbers are given.
PlayedNumbers firstNumbers(int numbers, int highest);

// Why a game's highest number or the numbers played cannot be used; nullopt when they can.
// `numbers` is the wheel's v, which the played numbers must match.
std::optional<std::string> playedNumbersProblem(const PlayedNumbers& played, int numbers);

// The game's draws that pass a filter, as they meet the player's numbers.
class PassingDraws {
public:
    PassingDraws(const DrawFilter& filter, const PlayedNumbers& played);

    int numbers() const { return numbers_; }
    std::int64_t draws() const { return draws_; }
    std::int64_t passing() const { return passing_; }
    double share() const { return draws_ == 0 ? 0.0 : double(passing_) / double(draws_); }

    // True when some passing draw holds every one of the m positions of this rank (subsets.h).
    bool holds(int m, std::uint32_t rank) const { return held_[m][rank] != 0; }
    bool holds(const std::uint8_t* c, int m) const { return holds(m, subsetRank(c, m)); }
    // One flag for each m-subset by rank: what the generator covers under the filter.
    const std::vector<std::uint8_t>& heldFlags(int m) const { return held_[m]; }
    // How many passing draws hold, of the player's numbers, exactly the h positions of this rank.
    std::uint32_t meetingExactly(int h, std::uint32_t rank) const { return exactly_[h][rank]; }

private:
    int numbers_ = 0;
    std::int64_t draws_ = 0;
    std::int64_t passing_ = 0;
    std::array<std::vector<std::uint32_t>, kBoardSize + 1> exactly_;  // [h][rank]
    std::array<std::vector<std::uint8_t>, kBoardSize + 1> held_;      // [m][rank]
};

// A wheel's coverage over every draw and over the draws that pass, from one pass over the
// player's subsets.
struct FilteredProfile {
    CoverageProfile plain;
    std::int64_t draws = 0;
    std::int64_t passing = 0;
    // [m][j]: the m-subsets some passing draw holds, by the most of them one board holds.
    BestCounts heldBest{};
    // [h][j]: the passing draws that meet the player's numbers in h, by the most of those h one
    // board holds.
    BestCounts passingBest{};

    double passingShare() const { return draws == 0 ? 0.0 : double(passing) / double(draws); }
    std::int64_t heldSubsets(int m) const;
    std::int64_t holesUnderFilter(Guarantee g) const;
    double coveredShareUnderFilter(Guarantee g) const;  // 1.0 when no m-subset needs covering
};

// nullopt when stopped. The draws must be those of the index's numbers.
std::optional<FilteredProfile> filteredProfile(const CoverageIndex& index, const PassingDraws& draws,
                                               const CheckProgress& progress = {});

// The chances of a wheel given that the draw passes the filter, all exact:
//   drawShare[h]     the probability that h of the five drawn are among the player's numbers;
//   bestShare[h][j]  given h, the probability that the best board holds exactly j of them.
// 0 for an h no passing draw reaches.
struct FilteredWinTable {
    std::array<double, kBoardSize + 1> drawShare{};
    std::array<std::array<double, kBoardSize + 1>, kBoardSize + 1> bestShare{};
};
FilteredWinTable winTableUnderFilter(const FilteredProfile& profile);

// The wheel without the boards whose numbers, as played, fail the filter.
Wheel passingBoards(const Wheel& wheel, const DrawFilter& filter, const PlayedNumbers& played);

}  // namespace norvex5::workshop
