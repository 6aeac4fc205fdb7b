// Any bytes as a wheel file read by the workshop (check, win table): a reading that succeeds holds
// boards of five different numbers within the wheel's numbers, one per board line, numbered from
// 0 exactly when a 0 is written; a reading that fails names its board within the file.

#include "fuzzinput.h"
#include "textfiles/textfilereference.h"
#include "workshop/wheel.h"

using namespace norvex5;
using fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [options, bytes] = fuzzing::splitInput(data, size);
    if (size == 0) return 0;
    const char* separators[] = {" ", ",", ";", ";"};
    const int numbers = 5 + (options >> 3);  // 5..36
    ExternalWheel file;
    file.fileName = fuzzing::inputFile().hold(bytes);
    file.separator = separators[options & 3];
    file.linesToSkip = (options >> 2) & 1;

    const std::int64_t lines = static_cast<std::int64_t>(testing::referenceLines(bytes).size());
    const workshop::WheelFileReading reading = workshop::readWheelFile(file, numbers);
    if (!reading.ok()) {
        if (reading.problem != workshop::WheelFileProblem::NoBoards &&
            reading.problem != workshop::WheelFileProblem::Unreadable)
            require(reading.board >= 1 && reading.board <= lines, "the board at fault is not in the file");
        require(!workshop::describeProblem(reading, numbers).empty(), "a failure without words");
        return 0;
    }
    require(reading.wheel.numbers == numbers, "the wheel is over other numbers");
    require(static_cast<std::int64_t>(reading.wheel.boards.size()) == lines - file.linesToSkip,
            "not one board per line");
    for (const workshop::Board& board : reading.wheel.boards)
        for (std::size_t k = 0; k < board.size(); ++k) {
            require(board[k] < numbers, "a number beyond the wheel");
            require(k == 0 || board[k - 1] < board[k], "a board not of different numbers, ascending");
        }
    // Read again as the external tab reads it, with the numbering found: the same wheel.
    file.numberedFromZero = reading.numberedFromZero;
    const workshop::WheelFileReading again = workshop::readWheelFileAsNumbered(file, numbers);
    require(again.ok() && again.wheel.boards == reading.wheel.boards, "the numbering found reads another wheel");
    return 0;
}
