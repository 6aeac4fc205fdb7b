#pragma once
// Turning the chosen built-in wheel and the ticked numbers into boards, one at a time.

#include <array>
#include <cstdint>

#include "core/selection.h"

namespace norvex5 {

struct Expansion {
    std::array<std::int32_t, kNumberCount + 1> numberList{};  // wheel position -> number, 0 empty
    std::int32_t currentWheel = 0;
    std::int32_t boardCount = 0;
    std::int32_t currentBoard = 0;
};

// True when the ticked grid A numbers fit the wheel: as many ticked (selected or fixed) as its
// number count and as many fixed as its fixed count. Always false for a wheel outside 1..8.
// Grid B is not looked at. The caller shows message 109 with title 46 when it fails.
bool selectionFitsWheel(const SelectionState& selection, int wheel);

// Fixed numbers first, then selected ones, each group ascending; grid B never enters the list.
void prepareNumberList(Expansion& expansion, const SelectionState& selection);

// Board 1 of `wheel` over the ticked numbers of `selection` (the number list is prepared here);
// the board count is 0 for a wheel outside 1..8, so nothing can be built.
void startExpansion(Expansion& expansion, const SelectionState& selection, int wheel);

// Fills the mask with board i of the current wheel. A board number outside 1..board count
// leaves the mask untouched and returns false.
bool buildBoard(Expansion& expansion, BoardMask& mask, int i);

// The five numbers of board i in ascending order, for readers that want them as a list.
// All zero when the board does not exist.
std::array<std::int32_t, 5> boardNumbers(const Expansion& expansion, int i);

}  // namespace norvex5
