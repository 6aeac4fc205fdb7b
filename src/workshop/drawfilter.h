#pragma once
// Filters on the draw: conditions a player believes the five drawn numbers will meet, written
// "odd=2-3,low=2-3,sum=90-160,run=2,decade=2,digit=2". They speak of the game's real numbers
// 1..highest (odd, low, sum), never of a wheel's positions.
//
// The share of the game's draws that pass is counted, never listed: the numbers 1..highest are
// taken in order, carrying only what the filters need (how many so far, how many odd, the sum,
// the run and the count in the decade going on). The one condition that is not local in that
// order, at most e with the same last digit, is counted by inclusion and exclusion over the
// digits that break it: more than e of five numbers fall on one digit for at most 5 / (e + 1)
// digits at once.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace norvex5::workshop {

inline constexpr int kDefaultHighest = 49;

struct CountRange {
    int low = 0;
    int high = 0;
    bool holds(int value) const { return value >= low && value <= high; }
    bool operator==(const CountRange&) const = default;
};

// Every condition given must hold; one not given holds always.
struct DrawFilter {
    std::optional<CountRange> odd;  // how many of the five are odd
    std::optional<CountRange> low;  // how many are at most half the game's highest number
    std::optional<CountRange> sum;
    std::optional<int> longestRun;    // the longest run of consecutive numbers, at most
    std::optional<int> perDecade;     // at most this many in one of 1-9, 10-19, 20-29, ...
    std::optional<int> perLastDigit;  // at most this many ending in the same digit

    bool empty() const { return !odd && !low && !sum && !longestRun && !perDecade && !perLastDigit; }
    bool operator==(const DrawFilter&) const = default;
};

// The numbers a draw of the game holds, ascending, 1..highest.
using Draw = std::array<int, 5>;

// True when the draw meets every condition of the filter in a game whose highest number is
// `highest`.
bool passes(const DrawFilter& filter, const Draw& draw, int highest);

// How many of the game's C(highest, 5) draws pass; counted, not listed.
std::int64_t passingDrawCount(const DrawFilter& filter, int highest);

// Calls visit with every draw of the game (highest <= 50) that passes, the largest number
// changing last, so that draws of the numbers 1..v come in the order of their rank (subsets.h).
// For what needs each draw; a count needs none of them.
void forEachPassingDraw(const DrawFilter& filter, int highest, const std::function<void(const Draw&)>& visit);

// The filter written back as the parser reads it, its conditions in a fixed order; "" when empty.
std::string filterText(const DrawFilter& filter);

// What could not be read: the part of the text at fault, as written, and why.
struct FilterProblem {
    std::string part;
    std::string reason;
    std::string message() const;
};

// Reads "name=value,..." for a game whose highest number is `highest` (5..50). Counts and sums
// are ranges "a-b" (or one number "a"); run, decade and digit are one number. Refused: an unknown
// name, a name given twice, a range the wrong way round, a value no draw of the game can take
// (a count above 5, a sum above the five highest numbers, a run, decade or digit limit below 1).
std::variant<DrawFilter, FilterProblem> parseDrawFilter(std::string_view text, int highest);

}  // namespace norvex5::workshop
