#pragma once
// Single-byte file text to the model's UTF-8 and back to what a window can show.
//
// Files made on Windows hold Windows-1252 bytes; files saved by today's editors hold UTF-8.
// A text that is valid UTF-8 is almost never meaningful Windows-1252 (the lead bytes C2..F4 would
// have to be followed by exactly the right run of 80..BF bytes), so valid UTF-8 wins.

#include <string>
#include <string_view>

namespace norvex5 {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);

// Every byte as its Windows-1252 character. The five bytes that code page leaves undefined
// (81, 8D, 8F, 90, 9D) become the control characters of the same value, as Windows does.
std::string windows1252ToUtf8(std::string_view bytes);

// For showing a file's own text: kept when it is valid UTF-8, otherwise read as Windows-1252.
std::string displayText(std::string_view bytes);

}  // namespace norvex5
