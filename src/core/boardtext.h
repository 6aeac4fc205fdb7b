#pragma once
// The board as the list window and the comparison show it: "007:-03-12-25-33-41", the board
// number padded to three digits, then every grid A number of the board as "-" and two digits.
// Each caller puts its own text between the two (":" in the list window, " :" in the comparison).

#include <cstdint>
#include <string>
#include <string_view>

#include "core/selection.h"

namespace norvex5 {

// Appends the board number, `separator`, then the grid A numbers of `mask` (those at 1).
void appendBoardText(std::string& out, std::int64_t board, std::string_view separator, const BoardMask& mask);

}  // namespace norvex5
