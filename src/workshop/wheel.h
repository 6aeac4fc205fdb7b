#pragma once
// A wheel as the workshop sees it: boards of five distinct numbers over the player's v numbers,
// whatever it came from (a built-in wheel, a wheel file, a generated wheel), and the guarantee
// "t if m" it is asked to keep.
//
// Inside the workshop the numbers are 0..v-1; a wheel file or a window shows them as 1..v.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/wheelcatalogue.h"
#include "externalwheels/externalwheel.h"
#include "workshop/subsets.h"

namespace norvex5::workshop {

// Distinct numbers 0..v-1, ascending; a wheel of shorter boards leaves the places after its
// board size at 0.
using Board = std::array<std::uint8_t, kBoardSize>;

// Boards shorter than five are the part of a key-number wheel beside its key numbers.
inline constexpr int kMinBoardSize = 2;

struct Wheel {
    int numbers = 0;  // v
    std::vector<Board> boards;
    int boardSize = kBoardSize;  // kMinBoardSize..5 numbers on each board
};

// "t if m": whenever m of the drawn numbers are among the player's v, at least t of them are on
// one board.
struct Guarantee {
    int t = 0;
    int m = 0;
    bool operator==(const Guarantee&) const = default;
};

// Limits shared by the check, the generator and everything that asks for them. v counts the
// player's numbers; a board needs five of them and a game has at most 50.
inline constexpr int kMinNumbers = kBoardSize;
inline constexpr int kMinGeneratedT = 2;

// Why a v and a guarantee cannot be checked (or generated); nullopt when they can. The texts are
// the command line's; a window shows its own.
std::optional<std::string> checkLimitsProblem(int numbers, Guarantee guarantee, int boardSize = kBoardSize);
std::optional<std::string> generatorLimitsProblem(int numbers, Guarantee guarantee, int boardSize = kBoardSize);

// Built-in wheel 1..8 over its positions; nullopt for any other number. Over the ticked numbers
// the boards are the same positions, so the guarantee the check finds is the one the player has.
std::optional<Wheel> builtInWheel(int wheelNumber);
// Any wheel the main window plays (built in or from the library) over its positions.
Wheel wheelOfRecord(const WheelRecord& record);
// Each board as a bit mask (bit n for number n), as the generator takes a wheel to go on from.
std::vector<std::uint64_t> boardMasks(const Wheel& wheel);

// What can be wrong with a wheel file. Every one of them stops the reading: a wheel that is only
// partly understood would be checked as something it is not.
enum class WheelFileProblem {
    None,
    Unreadable,      // the file could not be opened or read to its end
    NoBoards,        // not one board after the skipped lines
    TooFewNumbers,   // a board with fewer than five numbers in its first five fields
    RepeatedNumber,  // a number twice on one board
    OutOfRange,      // a number above v (or below the first number)
};

struct WheelFileReading {
    WheelFileProblem problem = WheelFileProblem::None;
    std::int64_t board = 0;   // the board (1, 2, ...) that shows the problem
    std::int32_t number = 0;  // the number at fault, as written in the file
    std::string readerError;  // the reader's own message when Unreadable
    bool numberedFromZero = false;
    Wheel wheel;

    bool ok() const { return problem == WheelFileProblem::None; }
};

// Reads the boards of a wheel file the way every pass of the program does (separator, lines to
// skip, the first five fields, a field that is not a number left out), without replacing its
// numbers. Numbers run 1..v, or 0..v-1 when numbersStartAtZero() says the file writes them so.
// A wheel of shorter boards reads the first `boardSize` fields.
WheelFileReading readWheelFile(const ExternalWheel& file, int numbers, int boardSize = kBoardSize);
// The same, with the numbering the file was given (file.numberedFromZero), as the external tab
// has it: the user may have overruled the rule.
WheelFileReading readWheelFileAsNumbered(const ExternalWheel& file, int numbers, int boardSize = kBoardSize);

// The text that says what a failed reading found, for the command line.
std::string describeProblem(const WheelFileReading& reading, int numbers, int boardSize = kBoardSize);

// A wheel over 1..v whose numbers are played as `map` says (the replacement boxes): the numbers
// played, ascending, and the wheel over their positions. Fails (nullopt) when two wheel numbers are
// played as the same number or a played number is outside 1..50: the boards would then not be
// boards of five distinct numbers.
struct PlayedWheel {
    std::vector<std::int32_t> played;  // position -> number played
    Wheel wheel;
};
std::optional<PlayedWheel> playedWheel(const Wheel& wheel, const ReplacementMap& map);

// A wheel file of the external tab as its numbers are played: the wheel runs up to the highest
// number the file holds (five at least), and the replacement boxes (file.map) say how each is
// played. Without `played`, `problem` says what the reading found, or is empty when the file read
// well but the replacement boxes spoil its boards.
struct PlayedWheelFile {
    std::optional<PlayedWheel> played;
    std::string problem;
};
PlayedWheelFile playedWheelFile(const ExternalWheel& file, int highestNumber);

// The boards as text, one line each, numbers 1..v separated by `separator`, lines ended by CR LF:
// the wheel file the generator saves.
std::string wheelFileText(const Wheel& wheel, char separator = ';');

}  // namespace norvex5::workshop
