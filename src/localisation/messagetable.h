#pragma once
// The built-in table of 192 messages in seven languages, stored as UTF-8.

#include <cstdint>
#include <string_view>

namespace norvex5 {

// 1 French, 2 English, 3 Portuguese, 4 Spanish, 5 Italian, 6 Croatian, 7 German.
using LanguageCode = std::int32_t;

inline constexpr int kMessageTableRows = 192;
inline constexpr int kLanguageCount = 7;

// The cell of one row in one language; empty for an empty cell, a row outside 1..192 or a
// language outside 1..7. There is no fallback to another language.
std::string_view messageTableCell(int row, LanguageCode language);

}  // namespace norvex5
