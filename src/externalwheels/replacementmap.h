#pragma once
// The table that maps the numbers of an external wheel file to the numbers the player plays.
//
// Entries 0..100. 1..50: the real number for grid A wheel number n. 51..59: the real number for
// grid B wheel number n - 50. 0 and 60..100 have no box and stay 0; readers still index them
// (the comparison replaces file numbers up to 100, the list and the tickets grid B numbers up to
// 50), which is why the table has 101 entries and why a file number 60..100 comes out as 0.
// The table takes the values as they stand (0, negatives, repeats); firstReplacementProblem()
// is what a window asks before boards are played with them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace norvex5 {

using ReplacementMap = std::array<std::int32_t, 101>;

inline constexpr int kReplacementGridABoxes = 50;
inline constexpr int kReplacementGridBBoxes = 9;

// The texts of the replacement boxes as the window reads them: [1..50] grid A boxes
// ComboBoxa1..ComboBoxa50, [1..9] grid B boxes ComboBoxb1..ComboBoxb9; entry 0 unused.
using GridABoxTexts = std::array<std::string, kReplacementGridABoxes + 1>;
using GridBBoxTexts = std::array<std::string, kReplacementGridBBoxes + 1>;

// What the boxes give when nobody has touched them: every wheel number stands for itself
// (grid A 1..50 and grid B 1..9); 0 and 60..100 are 0.
ReplacementMap identityReplacementMap();

// Rebuilds the table from the boxes, starting from `previous` (the table as it stands; all 0
// before the first build). Entries 1..50 become the box's number, or n when the box does not hold
// a number. Entries 51..59 become the box's number, or keep their previous value. Every other
// entry keeps its previous value. "A number" is fieldNumber(): leading blanks, sign, digits.
ReplacementMap buildReplacementMap(const GridABoxTexts& gridA, const GridBBoxTexts& gridB,
                                   const ReplacementMap& previous);

// A box whose number would spoil the boards it plays on: a text that is not a number (the table
// then quietly keeps the wheel number), a number no ticket can carry, or the number another box
// plays too (a board would hold it twice).
enum class ReplacementFault { NotANumber, NotOnTicket, SameNumber };
struct ReplacementProblem {
    ReplacementFault fault = ReplacementFault::NotANumber;
    bool gridB = false;
    int box = 0;       // 1..50 in grid A, 1..9 in grid B
    std::string text;  // what the box holds
    int otherBox = 0;  // SameNumber: the box of the same grid that plays the number too
    int highest = 0;   // NotOnTicket: the highest number a ticket carries in the box's grid
};
using UsedGridA = std::array<bool, kReplacementGridABoxes + 1>;  // [n]: the file uses wheel number n
using UsedGridB = std::array<bool, kReplacementGridBBoxes + 1>;

// The first such box, grid A 1..50 then grid B 1..9, among the boxes of the wheel numbers the file
// uses; the others play nothing and may hold anything. `map` is the table built from the boxes, so
// an empty box plays what the table gives it. Grid A numbers run 1..highestGridA, grid B 1..9.
std::optional<ReplacementProblem> firstReplacementProblem(const GridABoxTexts& gridA, const GridBBoxTexts& gridB,
                                                          const ReplacementMap& map, const UsedGridA& usedA,
                                                          const UsedGridB& usedB, int highestGridA);

// Grid A wheel number v as played: entry v for 1..50, v itself otherwise.
inline std::int32_t replaceGridA(const ReplacementMap& map, std::int32_t v) {
    return v >= 1 && v <= 50 ? map[static_cast<std::size_t>(v)] : v;
}

// Grid B wheel number v as played: entry 50 + v for 1..50 (0 beyond the nine boxes), v itself
// otherwise.
inline std::int32_t replaceGridB(const ReplacementMap& map, std::int32_t v) {
    return v >= 1 && v <= 50 ? map[static_cast<std::size_t>(50 + v)] : v;
}

// A file number v as the comparison sees it: entry v for 1..100, v itself otherwise.
inline std::int32_t replaceCompared(const ReplacementMap& map, std::int32_t v) {
    return v >= 1 && v <= 100 ? map[static_cast<std::size_t>(v)] : v;
}

}  // namespace norvex5
