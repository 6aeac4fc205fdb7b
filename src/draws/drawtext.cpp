#include "draws/drawtext.h"

#include <charconv>
#include <cstdio>

namespace norvex5::draws {

namespace {

void appendTwoDigits(std::string& out, int number) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02d", number);
    out += digits;
}

}  // namespace

std::string drawNumbersText(const DrawRecord& draw, bool withBonus) {
    std::string text;
    for (std::size_t k = 0; k < draw.numbers.size(); ++k) {
        if (k > 0) text += ' ';
        appendTwoDigits(text, draw.numbers[k]);
    }
    for (std::size_t k = 0; withBonus && k < draw.bonus.size(); ++k) {
        text += k == 0 ? " + " : " ";
        appendTwoDigits(text, draw.bonus[k]);
    }
    return text;
}

std::optional<std::int64_t> parseAmount(std::string_view typed) {
    while (!typed.empty() && typed.front() == ' ') typed.remove_prefix(1);
    while (!typed.empty() && typed.back() == ' ') typed.remove_suffix(1);
    if (typed.empty()) return 0;
    const std::size_t point = typed.find_first_of(".,");
    const std::string_view whole = typed.substr(0, point);
    const std::string_view decimals = point == std::string_view::npos ? std::string_view() : typed.substr(point + 1);
    if (decimals.size() > 2 || (whole.empty() && decimals.empty())) return std::nullopt;
    const auto digitsOnly = [](std::string_view part) {
        for (const char c : part)
            if (c < '0' || c > '9') return false;
        return true;
    };
    if (!digitsOnly(whole) || !digitsOnly(decimals) || whole.size() > 12) return std::nullopt;
    std::int64_t units = 0;
    if (!whole.empty()) std::from_chars(whole.data(), whole.data() + whole.size(), units);
    std::int64_t cents = 0;
    for (std::size_t k = 0; k < 2; ++k) cents = cents * 10 + (k < decimals.size() ? decimals[k] - '0' : 0);
    return units * 100 + cents;
}

std::string formatAmount(std::int64_t cents, char decimalSeparator) {
    const bool negative = cents < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    std::string text = (negative ? "-" : "") + std::to_string(magnitude / 100) + decimalSeparator;
    appendTwoDigits(text, static_cast<int>(magnitude % 100));
    return text;
}

std::string backtestCsv(std::span<const DrawRecord> draws, const std::vector<DrawOutcome>& outcomes) {
    std::string csv = "date;draw_number;numbers;bonus;best;boards_5;boards_4;boards_3;boards_2\n";
    for (std::size_t k = 0; k < draws.size() && k < outcomes.size(); ++k) {
        const DrawRecord& draw = draws[k];
        csv += draw.date.iso();
        csv += ';';
        if (draw.drawNumber) csv += std::to_string(*draw.drawNumber);
        csv += ';';
        for (std::size_t n = 0; n < draw.numbers.size(); ++n) csv += (n ? "-" : "") + std::to_string(draw.numbers[n]);
        csv += ';';
        for (std::size_t n = 0; n < draw.bonus.size(); ++n) csv += (n ? "-" : "") + std::to_string(draw.bonus[n]);
        csv += ';' + std::to_string(outcomes[k].best);
        for (int right = kDrawnNumbers; right >= 2; --right) csv += ';' + std::to_string(outcomes[k].boardsHolding[right]);
        csv += '\n';
    }
    return csv;
}

}  // namespace norvex5::draws
