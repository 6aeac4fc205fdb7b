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

// Wheel files are made of one- and two-digit numbers: this decides those without a loop whose
// length the processor would have to guess. False for anything else, number or not.
inline bool shortNumber(std::string_view text, std::int32_t& value) {
    const std::size_t n = text.size();
    if (n - 1 >= 2) return false;
    const unsigned first = static_cast<unsigned char>(text[0]) - unsigned('0');
    const unsigned last = static_cast<unsigned char>(text[n - 1]) - unsigned('0');
    if (first > 9 || last > 9) return false;
    value = static_cast<std::int32_t>(n == 1 ? first : first * 10 + last);
    return true;
}

inline std::optional<std::int32_t> fieldNumber(std::string_view text) {
    if (std::int32_t value; shortNumber(text, value)) return value;
    const std::size_t n = text.size();
    std::size_t i = 0;
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

// fieldNumber() of the text without its leading and trailing blanks.
inline std::optional<std::int32_t> trimmedFieldNumber(std::string_view text) {
    if (std::int32_t value; shortNumber(text, value)) return value;
    return fieldNumber(trimBlanks(text));
}

// Writes `value` in plain decimal ("-5", "0", "123") at `out`, which has room for 20 characters;
// returns the end of what it wrote.
inline constexpr char kTwoDigits[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "4041424344454647484950515253545556575859606162636465666768697071727374757677787980"
    "81828384858687888990919293949596979899";

// Writes 0..99 as exactly two digits ("07", "42").
inline char* writeTwoDigits(char* out, unsigned value) {
    out[0] = kTwoDigits[2 * value];
    out[1] = kTwoDigits[2 * value + 1];
    return out + 2;
}

// Values outside 0..99, out of line: what is left of writeDecimal() is small enough to be inlined
// in every loop over the boards of a file.
[[gnu::noinline]] inline char* writeWideDecimal(char* out, std::int64_t value) {
    return std::to_chars(out, out + 20, value).ptr;
}

[[gnu::always_inline]] inline char* writeDecimal(char* out, std::int64_t value) {
    // Board numbers are almost always below 100: spare them the general conversion.
    if (value >= 0 && value < 100) {
        // Without a branch on the number of digits, which is random in a wheel file: a single
        // digit is written twice, the second time past the end.
        const unsigned oneDigit = value < 10;
        out[0] = kTwoDigits[2 * value + oneDigit];
        out[1] = kTwoDigits[2 * value + 1];
        return out + 2 - oneDigit;
    }
    return writeWideDecimal(out, value);
}

// A line number kept as text and counted up in place, for loops that number millions of lines:
// cheaper than converting each number afresh.
class DecimalCounter {
public:
    // Counts from 0; text() is at least `width` digits, zero-padded.
    explicit DecimalCounter(int width = 1) : first_(kDigits - width) {
        for (int k = 0; k < kDigits; ++k) digits_[k] = '0';
    }
    void increment() {
        int k = kDigits - 1;
        while (k > 0 && digits_[k] == '9') digits_[k--] = '0';
        ++digits_[k];
        if (k < first_) first_ = k;
    }
    std::string_view text() const {
        return std::string_view(digits_ + first_, static_cast<std::size_t>(kDigits - first_));
    }

private:
    static constexpr int kDigits = 20;
    char digits_[kDigits];
    int first_;
};

// Appends `value` in plain decimal.
inline void appendDecimal(std::string& out, std::int64_t value) {
    char digits[20];
    out.append(digits, writeDecimal(digits, value));
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
