#pragma once
// The numbers the player ticked (SelectionState) and the board built last (BoardMask).
// Numbers 1 to 50 are grid A; 50 + k is grid B number k. Entry 0 is unused.

#include <array>
#include <cstdint>

namespace norvex5 {

inline constexpr int kGridACount = 50;
inline constexpr int kNumberCount = 70;  // grid A and grid B entries
inline constexpr int kBoxCount = 59;     // numbers that have a box on the main window

enum NumberState : std::int32_t { kFree = 0, kSelected = 1, kFixed = 2 };

using SelectionState = std::array<std::int32_t, kNumberCount + 1>;
using BoardMask = std::array<std::int32_t, kNumberCount + 1>;

enum class CountKind {
    GridATicked = 1,  // grid A, selected or fixed
    GridAFixed = 3,   // grid A, fixed
    GridBFixed = 4,   // grid B (51..70), fixed
};

std::int32_t count(const SelectionState& selection, CountKind kind);

struct Counters {
    std::int32_t ticked = 0;      // nbcoch
    std::int32_t fixed = 0;       // labnbFix
    std::int32_t gridBFixed = 0;  // LabNbFixgb
};
Counters counters(const SelectionState& selection);

// The picture a box shows.
enum class BoxPicture { Empty, Ticked, Fixed };
BoxPicture boxPicture(std::int32_t state);

// Left click on box n (1..59): selected or fixed becomes free, free becomes selected.
void toggleSelected(SelectionState& selection, int n);
// Right click on box n (1..50): fixed becomes free, free or selected becomes fixed.
void toggleFixed(SelectionState& selection, int n);
// Every grid A number free; grid B untouched.
void clearGridA(SelectionState& selection);
// Every number with a box (1..59) free; 60..70 keep their states.
void clearAll(SelectionState& selection);

}  // namespace norvex5
