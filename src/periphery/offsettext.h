#pragma once
// The printer offsets as the parameters window reads them back from its two text fields.

#include <cstdint>
#include <string_view>

namespace norvex5 {

// The characters the offset fields let the user type: digits and the two signs.
bool isOffsetCharacter(char c);

// The offset in millimetres a field's text stands for. An empty field is 0. One sign may lead;
// a malformed text (a sign after a digit, two signs, anything else) gives the value of the digits
// read before the fault, without the sign: "-12" is -12, "1-2" is 1, "--5" is 0, "-12-" is 12.
std::int32_t offsetFromText(std::string_view text);

// No sheet a printer takes is so small that a ticket moved this far would still be on it, nor so
// large that a real misalignment needs more.
inline constexpr std::int32_t kFarthestOffsetMm = 100;

// Whether an offset keeps the ticket on the paper: from -kFarthestOffsetMm to kFarthestOffsetMm.
constexpr bool offsetWithinPaper(std::int32_t mm) { return mm >= -kFarthestOffsetMm && mm <= kFarthestOffsetMm; }

}  // namespace norvex5
