#pragma once
// Files of past draws as lottery operators publish them, read with the rules every import shares
// (the draws window and the command line alike).
//
// The shape of a file is guessed as the external wheel tab guesses a wheel file's (the fewest
// header lines, then the first separator on offer, with which the first lines read as records),
// and further which column holds the date, which the five numbers (five columns, or one column
// holding "04 12 19 25 33" or "3-12-19-25-32"), the bonus numbers and the draw number. Every
// guess can be corrected by the user before the file is read. Lines that are not a draw are
// refused one by one, by their line number and why; they stop nothing.

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "draws/drawdate.h"

namespace norvex5::draws {

inline constexpr int kDrawnNumbers = 5;
inline constexpr int kMaxBonusNumbers = 2;
// Bonus numbers come from a smaller or another pool than the five (a lucky number, stars); they
// are kept as written within what any game draws.
inline constexpr int kHighestBonusNumber = 99;

struct DrawRecord {
    std::int64_t line = 0;  // where it stands in its file; 0 when typed by hand or stored
    CalendarDate date;
    std::optional<std::int64_t> drawNumber;
    std::array<int, kDrawnNumbers> numbers{};  // in the order drawn
    std::vector<int> bonus;                    // 0 to kMaxBonusNumbers of them

    bool sameDraw(const DrawRecord& other) const { return numbers == other.numbers && bonus == other.bonus; }
};

struct DrawFileShape {
    std::string separator = ";";  // one character
    int linesToSkip = 0;
    int dateColumn = 0;               // 1-based
    std::vector<int> numberColumns;   // five columns, or one holding all five numbers
    std::vector<int> bonusColumns;    // none, one or two
    int drawNumberColumn = 0;         // 0: the file has none
    DateOrder dateOrder = DateOrder::Undecided;  // Undecided: decided from the file's dates as read
    // How many fields most draw lines have (0: not known): a line with a number beyond them is a
    // draw of six numbers.
    int fieldCount = 0;
    std::vector<std::string> columnNames;  // the last header line's fields, for the preview
};

enum class DrawFileProblem {
    None,
    Unreadable,      // no such file, no permission, a read error: `readerError` says why
    NotText,         // a picture, a program...
    NoDraw,          // no line reads as a draw (an empty file among them)
    DatesUndecided,  // the dates read as day/month and as month/day alike: ask which
    TooLarge,        // over kMaxDrawFileBytes: no operator's history is near that size
    LineTooLong,     // a line over kMaxDrawLineLength: `problemLine` says which
};

// Limits that tell a draw file from anything else a player may choose by mistake. A century of
// daily draws with fifty columns each stays far below both.
inline constexpr std::uintmax_t kMaxDrawFileBytes = std::uintmax_t(64) << 20;
inline constexpr std::size_t kMaxDrawLineLength = 4096;

struct DrawShapeGuess {
    DrawFileProblem problem = DrawFileProblem::None;
    std::string readerError;
    std::int64_t problemLine = 0;  // LineTooLong: the line
    DrawFileShape shape;
};

// `highestNumber`: the game's highest number, which tells the five numbers from other columns.
DrawShapeGuess guessDrawFileShape(const std::string& fileName, int highestNumber);

enum class RefusalReason {
    NotFiveNumbers,    // fewer or more than five numbers, or one of them not a number
    NumberOutOfRange,  // below 1 or above the game's highest number
    NumberTwice,
    NotADate,          // no date, or a day the calendar does not have (31/02/2024)
    BadBonus,          // a bonus column without a number 1..99
    DateTwice,         // a second, different draw on a date the file or the store already has
};

struct RefusedLine {
    std::int64_t line = 0;
    RefusalReason reason = RefusalReason::NotFiveNumbers;
    bool operator==(const RefusedLine&) const = default;
};
// For test failures and logs: "line 4: not five numbers".
std::ostream& operator<<(std::ostream& out, const RefusedLine& refused);

struct DrawFileReading {
    DrawFileProblem problem = DrawFileProblem::None;
    std::string readerError;
    std::int64_t problemLine = 0;                // LineTooLong: the line
    DateOrder dateOrder = DateOrder::Undecided;  // the order the dates were read in
    std::vector<DrawRecord> draws;               // in the file's order, each date once
    std::vector<RefusedLine> refused;            // by line number
    std::int64_t repeatedLines = 0;              // the same draw again on the same date: left out

    bool ok() const { return problem == DrawFileProblem::None; }
};

// Reads the draws of the file in `shape`; `firstDraws` stops after that many draws (the preview).
DrawFileReading readDrawFile(const std::string& fileName, const DrawFileShape& shape, int highestNumber,
                             std::size_t firstDraws = SIZE_MAX);

// The command line's words for what a reading found.
std::string describeRefusal(RefusalReason reason);
std::string describeProblem(DrawFileProblem problem, const std::string& readerError, std::int64_t problemLine = 0);

}  // namespace norvex5::draws
