#pragma once
// The dates of draws as lottery files write them: DD/MM/YYYY, YYYY-MM-DD or MM/DD/YYYY (with "/",
// "-" or "." between the parts). Whether 03/01/2024 is the 3rd of January or the 1st of March
// cannot be told from one date; it is decided from all the dates of a file, and when none of them
// has a part above 12 the caller asks the user.

#include <optional>
#include <string>
#include <string_view>

namespace norvex5::draws {

enum class DateOrder { Undecided, DayMonthYear, MonthDayYear, YearMonthDay };

// A date as written, its three parts not yet given a meaning.
struct WrittenDate {
    int first = 0;
    int second = 0;
    int third = 0;
    bool yearFirst = false;  // four digits in front: YYYY-MM-DD
};

// Three parts of digits with one of "/", "-", "." between them and the year (four digits) first or
// last; blanks around it are left out. Nothing for anything else.
std::optional<WrittenDate> readWrittenDate(std::string_view text);

// What a set of written dates allows: DayMonthYear when a first part is above 12, MonthDayYear when
// a second part is, YearMonthDay when every date has its year first; Undecided when nothing tells
// (or the dates contradict each other, which the dates themselves then show as refused lines).
class DateOrderVote {
public:
    void add(const WrittenDate& date);
    DateOrder decided() const;

private:
    int yearFirst_ = 0;
    int yearLast_ = 0;
    bool dayFirst_ = false;   // a first part above 12
    bool monthFirst_ = false;  // a second part above 12
};

// The years a draw may have: a date outside them is a misread one.
inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2199;

// A day of the calendar, kept and compared as "YYYY-MM-DD".
struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;

    std::string iso() const;
    // One whole number per day, in the order of the days: a key for sets of dates.
    int key() const { return (year * 16 + month) * 32 + day; }
    auto operator<=>(const CalendarDate&) const = default;
};

// The written date in `order`; nothing when it is no day of the calendar (31/02/2024, month 13,
// a year before 1900 or after 2199) or when its year is not where the order puts it.
std::optional<CalendarDate> calendarDate(const WrittenDate& written, DateOrder order);

// "YYYY-MM-DD" back to a date; nothing when it is not one.
std::optional<CalendarDate> isoDate(std::string_view text);

}  // namespace norvex5::draws
