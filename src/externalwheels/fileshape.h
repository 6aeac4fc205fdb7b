#pragma once
// What a wheel file looks like before any action reads it: the separator and header lines that
// make its first lines read as boards (offered to the user when a file is chosen, as spreadsheet
// import dialogs do), and whether the file can be a wheel at all (so that a binary file, an
// empty file or lines without five numbers are refused with a clear word before a print job or
// an export file is started).

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "externalwheels/externalwheel.h"

namespace norvex5 {

// The separators a user can choose, in the order the separator box offers them.
inline constexpr const char* kWheelSeparators[] = {" ", ",", ";"};
inline constexpr int kMaxLinesToSkip = 20;

struct FileShape {
    std::string separator;  // one of kWheelSeparators
    int linesToSkip = 0;    // 0..kMaxLinesToSkip
};

// The fewest header lines, then the first separator on offer, with which the first lines after
// the header (up to five of them) each hold a number in fields 1 to 5. Nothing when no separator
// on offer does that within 20 header lines, or when the file cannot be read.
std::optional<FileShape> guessFileShape(const std::string& fileName);

// The rule behind guessFileShape, for any file of records one a line (wheels, draws): the fewest
// header lines, then the first of `separators`, with which the first lines after the header (up
// to five of them) fit: each of them (`Every`), or the first and more than half (`FirstAndMost`,
// for files whose header lines never fit, so that a stray line among the first records is one
// line to refuse rather than a reason to take the records above it for header).
enum class SampleFit { Every, FirstAndMost };
using LineFits = std::function<bool(std::string_view line, char separator)>;
std::optional<FileShape> guessShape(const std::vector<std::string>& firstLines, std::span<const char* const> separators,
                                    const LineFits& fits, SampleFit rule = SampleFit::Every);

// The lines a shape is guessed from: the header lines a guess may skip and the records after
// them, as the reader gives them. Nothing when the file cannot be read.
std::optional<std::vector<std::string>> linesForShapeGuess(const std::string& fileName);

// The first bytes of the file hold control bytes that no text file holds (a picture, a program).
bool startsLikeBinary(const std::string& fileName);

enum class WheelFileProblem {
    None,
    Unreadable,     // the reader failed (no file, a line too long, ...): `error` says why
    NotText,        // control bytes that no text file holds (a picture, a program, ...)
    NoBoard,        // nothing after the header lines
    TooFewNumbers,  // none of the first lines holds five numbers with this separator
};

struct WheelFileCheck {
    WheelFileProblem problem = WheelFileProblem::None;
    std::string error;  // the reader's message when Unreadable
};

// The wheel numbers the boards of a file use, read through as `wheel` reads it (its separator,
// header lines and numbering), among those a replacement box stands for.
struct UsedWheelNumbers {
    bool zeroWritten = false;  // a 0 written in fields 1..5 of a board
    UsedGridA gridA{};         // [n]: wheel number n in fields 1..5
    UsedGridB gridB{};         // [m]: grid B number m in fields 6..7
    PassResult pass;           // a failure keeps what was found before it
};
// Read without a progress dialog: a million boards take about a sixth of a second.
UsedWheelNumbers usedWheelNumbers(const ExternalWheel& wheel);

// Whether a file writes its wheel numbers from 0, the one rule every reader follows: it does when
// a 0 stands among the first five fields of any of its boards (numbers 1..v never hold one).
inline bool numbersStartAtZero(const UsedWheelNumbers& used) { return used.zeroWritten; }
bool numbersStartAtZero(const ExternalWheel& wheel);

// The numbers a file uses, read once per file as it stands on disk: the tab asks before every
// action, and a file of millions of boards should be read through once, not before each action.
// A file changed since (another size or time of writing) is read again; a pass that failed or
// was stopped is never kept.
class UsedWheelNumbersCache {
public:
    const UsedWheelNumbers& numbersOf(const ExternalWheel& wheel);

private:
    struct Key {
        std::string fileName;
        char separator = ' ';
        int linesToSkip = 0;
        bool numberedFromZero = false;
        std::uintmax_t size = 0;
        std::int64_t written = 0;
        bool operator==(const Key&) const = default;
    };
    std::optional<Key> key_;
    UsedWheelNumbers used_;
};

// Looks at the first lines of the file as `wheel` reads it. A file passes when its first lines are
// text and at least one of the first board lines holds five numbers; lines that do not (a line of
// letters among boards) are still left to the readers, which skip what is not a number.
WheelFileCheck checkWheelFile(const ExternalWheel& wheel);

}  // namespace norvex5
