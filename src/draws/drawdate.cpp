#include "draws/drawdate.h"

#include <array>

#include "textfiles/fieldnumber.h"

namespace norvex5::draws {

namespace {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 13> kDays{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month];
}

// A part of a date: digits only, one to four of them.
std::optional<int> datePart(std::string_view text, std::size_t& digits) {
    digits = text.size();
    if (digits == 0 || digits > 4) return std::nullopt;
    for (const char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    return fieldNumber(text);
}

}  // namespace

std::optional<WrittenDate> readWrittenDate(std::string_view text) {
    text = trimBlanks(text);
    const std::size_t firstBreak = text.find_first_of("/-.");
    if (firstBreak == std::string_view::npos) return std::nullopt;
    const char separator = text[firstBreak];
    const std::size_t secondBreak = text.find(separator, firstBreak + 1);
    if (secondBreak == std::string_view::npos) return std::nullopt;
    std::size_t lengths[3];
    const auto a = datePart(text.substr(0, firstBreak), lengths[0]);
    const auto b = datePart(text.substr(firstBreak + 1, secondBreak - firstBreak - 1), lengths[1]);
    const auto c = datePart(text.substr(secondBreak + 1), lengths[2]);
    if (!a || !b || !c || lengths[1] > 2) return std::nullopt;
    const bool yearFirst = lengths[0] == 4 && lengths[2] <= 2;
    const bool yearLast = lengths[2] == 4 && lengths[0] <= 2;
    if (!yearFirst && !yearLast) return std::nullopt;
    return WrittenDate{*a, *b, *c, yearFirst};
}

void DateOrderVote::add(const WrittenDate& date) {
    if (date.yearFirst) {
        ++yearFirst_;
        return;
    }
    ++yearLast_;
    dayFirst_ = dayFirst_ || date.first > 12;
    monthFirst_ = monthFirst_ || date.second > 12;
}

DateOrder DateOrderVote::decided() const {
    if (yearLast_ == 0) return yearFirst_ > 0 ? DateOrder::YearMonthDay : DateOrder::Undecided;
    if (yearFirst_ > 0 || dayFirst_ == monthFirst_) return DateOrder::Undecided;
    return dayFirst_ ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;
}

std::optional<CalendarDate> calendarDate(const WrittenDate& written, DateOrder order) {
    CalendarDate date;
    switch (order) {
        case DateOrder::YearMonthDay:
            if (!written.yearFirst) return std::nullopt;
            date = {written.first, written.second, written.third};
            break;
        case DateOrder::DayMonthYear:
            if (written.yearFirst) return std::nullopt;
            date = {written.third, written.second, written.first};
            break;
        case DateOrder::MonthDayYear:
            if (written.yearFirst) return std::nullopt;
            date = {written.third, written.first, written.second};
            break;
        case DateOrder::Undecided: return std::nullopt;
    }
    if (date.year < kFirstYear || date.year > kLastYear || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > daysInMonth(date.year, date.month))
        return std::nullopt;
    return date;
}

std::string CalendarDate::iso() const {
    // Written digit by digit: an import writes one for every draw.
    std::string text = "0000-00-00";
    int y = year;
    for (int k = 3; k >= 0; --k, y /= 10) text[k] = static_cast<char>('0' + y % 10);
    writeTwoDigits(text.data() + 5, static_cast<unsigned>(month) % 100);
    writeTwoDigits(text.data() + 8, static_cast<unsigned>(day) % 100);
    return text;
}

std::optional<CalendarDate> isoDate(std::string_view text) {
    const auto written = readWrittenDate(text);
    if (!written || !written->yearFirst || text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    return calendarDate(*written, DateOrder::YearMonthDay);
}

}  // namespace norvex5::draws
