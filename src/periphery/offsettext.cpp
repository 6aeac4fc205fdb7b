#include "periphery/offsettext.h"

namespace norvex5 {

bool isOffsetCharacter(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '+'; }

std::int32_t offsetFromText(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    // The fields hold five characters at most; a longer text (never typed, but a test or a paste
    // may try) stops growing well before an int32 could overflow.
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return static_cast<std::int32_t>(value);  // the fault drops the sign
        if (value < 100000000) value = value * 10 + (c - '0');
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace norvex5
