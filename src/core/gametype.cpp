#include "core/gametype.h"

namespace norvex5 {

std::optional<std::int32_t> highestNumberSetBy(std::int32_t gameType) {
    switch (gameType) {
        case 1:
        case 4: return 49;
        case 6: return 39;
        case 7:
        case 8: return 50;
        default: return std::nullopt;
    }
}

std::int32_t ownHighestNumber(std::int32_t gameType) {
    return highestNumberSetBy(gameType).value_or(49);
}

}  // namespace norvex5
