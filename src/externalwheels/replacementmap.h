#pragma once
// The table that maps the numbers of an external wheel file to the numbers the player plays.

#include <array>
#include <cstdint>

namespace norvex5 {

// Entries 0..100: 1..50 grid A wheel numbers, 51..59 grid B; 0 and 60..100 stay 0.
using ReplacementMap = std::array<std::int32_t, 101>;

}  // namespace norvex5
