#pragma once
// The eight built-in wheels, their titles in the current language and the wheel list entries.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "localisation/messages.h"

namespace norvex5 {

inline constexpr int kWheelCount = 8;
inline constexpr int kNumbersPerBoard = 5;

using WheelBoard = std::array<std::int32_t, kNumbersPerBoard>;  // positions 1..n, ascending

struct WheelRecord {
    std::int32_t boardCount;       // b
    std::int32_t guarantee;        // k
    std::int32_t condition;        // m
    std::int32_t numberCount;      // n
    std::int32_t numbersPerBoard;  // 5
    std::int32_t fixedCount;       // 0 for every built-in wheel
    std::span<const WheelBoard> boards;
};

// nullptr for a wheel number outside 1..8: no caller may index the catalogue out of range.
const WheelRecord* wheelRecord(int wheel);

// The number right-aligned in `width` characters; never shortened.
std::string pad(std::int64_t number, int width);

// "  6 numéros  4/  4 en     5 grilles": the title of any wheel, built-in or generated; a wheel
// with fixed numbers says so before its number count and after it.
std::string wheelTitle(const WheelRecord& wheel, const MessageLookup& message);

// The title of built-in wheel `wheel`, with 100 blanks and the wheel number appended when
// `withNumber` is set. Empty for a wheel outside 1..8.
std::string wheelTitle(int wheel, bool withNumber, const MessageLookup& message);

// The text the wheel list holds for a wheel: its title, 100 blanks, the wheel number.
inline std::string wheelListEntry(int wheel, const MessageLookup& message) { return wheelTitle(wheel, true, message); }

// The wheel number hidden at the end of a list entry (listentry.h, the strict reading): its last
// three characters read as a decimal integer; -1 when they are not one.
int wheelNumberFromEntry(std::string_view entry);

// The order of the wheel list: byte by byte, so the blank sorts before the digits and the list
// shows the wheels as 1, 2, 6, 4, 3, 7, 8, 5.
bool wheelEntryLess(std::string_view a, std::string_view b);

}  // namespace norvex5
