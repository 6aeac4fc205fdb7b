#pragma once
// Game types: which lottery ticket the main window shows, and its highest grid A number.
// Header only, so that the parameters file can repair a damaged value by the same rule.

#include <cstdint>
#include <optional>

namespace norvex5 {

inline constexpr int kGameTypeCount = 8;

// The highest number a game type's radio button sets: 49 for 1 and 4, 39 for 6, 50 for 7 and 8.
// The hidden types 2, 3 and 5 leave it unchanged (no value).
constexpr std::optional<std::int32_t> highestNumberSetBy(std::int32_t gameType) {
    switch (gameType) {
        case 1:
        case 4: return 49;
        case 6: return 39;
        case 7:
        case 8: return 50;
        default: return std::nullopt;
    }
}

// The game type's own highest number, for repairing a value read from a damaged file: as above,
// and 49 for the hidden types.
constexpr std::int32_t ownHighestNumber(std::int32_t gameType) { return highestNumberSetBy(gameType).value_or(49); }

// 0 and below are taken as 1.
inline std::int32_t effectiveGameType(std::int32_t gameType) { return gameType <= 0 ? 1 : gameType; }

}  // namespace norvex5
