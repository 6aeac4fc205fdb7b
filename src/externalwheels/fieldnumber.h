#pragma once
// Numbers in the fields of a text file, and numbers written back as text.
//
// Every reader of a wheel file, every replacement box and the draw boxes decide "is this a
// number?" here, so they all agree: leading blanks are accepted, then an optional sign, then at
// least one decimal digit and nothing else, within signed 32 bits. A trailing blank, an empty
// text, letters, "0x10" or a value that overflows are not numbers. A blank is character 32 only.

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace norvex5 {

inline std::optional<std::int32_t> fieldNumber(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == n) return std::nullopt;
    std::int64_t value = 0;
    for (; i < n; ++i) {
        const unsigned digit = static_cast<unsigned char>(text[i]) - unsigned('0');
        if (digit > 9) return std::nullopt;
        value = value * 10 + digit;
        // Stop before the accumulator itself could overflow on a long run of digits.
        if (value > std::int64_t(1) << 31) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// The text without its leading and trailing blanks (character 32).
inline std::string_view trimBlanks(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && text[first] == ' ') ++first;
    while (last > first && text[last - 1] == ' ') --last;
    return text.substr(first, last - first);
}

// Appends `value` in plain decimal ("-5", "0", "123").
inline void appendDecimal(std::string& out, std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

// Appends `value` zero-padded to at least `width` digits ("007", "1234"); negative values keep
// their sign in front of the padding.
inline void appendPadded(std::string& out, std::int64_t value, int width) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    std::string_view text(digits, static_cast<std::size_t>(result.ptr - digits));
    if (!text.empty() && text.front() == '-') {
        out.push_back('-');
        text.remove_prefix(1);
        --width;
    }
    for (int k = static_cast<int>(text.size()); k < width; ++k) out.push_back('0');
    out.append(text);
}

}  // namespace norvex5
