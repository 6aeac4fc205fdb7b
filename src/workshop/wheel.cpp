#include "workshop/wheel.h"

#include <algorithm>
#include <exception>

#include "core/wheelcatalogue.h"
#include "externalwheels/fileshape.h"
#include "textfiles/fieldnumber.h"
#include "textfiles/textfilereader.h"

namespace norvex5::workshop {

std::optional<std::string> checkLimitsProblem(int numbers, Guarantee g, int boardSize) {
    if (boardSize < kMinBoardSize || boardSize > kBoardSize)
        return "the board size must be from " + std::to_string(kMinBoardSize) + " to " + std::to_string(kBoardSize);
    // A board needs as many numbers as it holds.
    const int fewest = boardSize == kBoardSize ? kMinNumbers : boardSize;
    if (numbers < fewest || numbers > kMaxNumbers)
        return "the count of numbers must be from " + std::to_string(fewest) + " to " + std::to_string(kMaxNumbers);
    if (g.m < 1 || g.m > kBoardSize) return "the 'if' count must be from 1 to 5 (a draw has five numbers)";
    if (g.t < 1 || g.t > g.m) return "the guarantee must be from 1 to the 'if' count";
    if (g.t > boardSize) return "the guarantee cannot be more than the board size";
    return std::nullopt;
}

std::optional<std::string> generatorLimitsProblem(int numbers, Guarantee g, int boardSize) {
    if (auto problem = checkLimitsProblem(numbers, g, boardSize)) return problem;
    if (g.t < kMinGeneratedT) return "the generator needs a guarantee of at least 2";
    return std::nullopt;
}

std::optional<Wheel> builtInWheel(int wheelNumber) {
    const WheelRecord* record = wheelRecord(wheelNumber);
    if (record == nullptr) return std::nullopt;
    return wheelOfRecord(*record);
}

Wheel wheelOfRecord(const WheelRecord& record) {
    Wheel wheel;
    wheel.numbers = record.numberCount;
    for (const WheelBoard& positions : record.boards) {
        Board board;
        for (int k = 0; k < kBoardSize; ++k) board[k] = static_cast<std::uint8_t>(positions[k] - 1);
        std::sort(board.begin(), board.end());
        wheel.boards.push_back(board);
    }
    return wheel;
}

std::vector<std::uint64_t> boardMasks(const Wheel& wheel) {
    std::vector<std::uint64_t> masks;
    masks.reserve(wheel.boards.size());
    for (const Board& board : wheel.boards) {
        std::uint64_t mask = 0;
        for (int k = 0; k < wheel.boardSize; ++k) mask |= std::uint64_t(1) << board[k];
        masks.push_back(mask);
    }
    return masks;
}

WheelFileReading readWheelFile(const ExternalWheel& file, int numbers, int boardSize) {
    ExternalWheel decided = file;
    decided.numberedFromZero = numbersStartAtZero(file);
    return readWheelFileAsNumbered(decided, numbers, boardSize);
}

WheelFileReading readWheelFileAsNumbered(const ExternalWheel& file, int numbers, int boardSize) {
    WheelFileReading reading;
    reading.wheel.numbers = numbers;
    reading.wheel.boardSize = boardSize;
    reading.numberedFromZero = file.numberedFromZero;
    auto fail = [&](WheelFileProblem problem, std::int32_t number) {
        reading.problem = problem;
        reading.board = static_cast<std::int64_t>(reading.wheel.boards.size()) + 1;
        reading.number = number;
        reading.wheel.boards.clear();
        return reading;
    };
    try {
        TextFileReader reader;
        openExternalWheel(reader, file);
        while (!reader.atEnd()) {
            Board board{};
            int count = 0;
            std::int32_t bad = 0;
            WheelFileProblem problem = WheelFileProblem::None;
            reader.forEachField(boardSize, [&](int, std::string_view text) {
                const auto value = trimmedFieldNumber(text);
                if (!value || problem != WheelFileProblem::None) return;
                const std::int32_t n = file.wheelNumber(*value);
                if (n < 1 || n > numbers) {
                    problem = WheelFileProblem::OutOfRange;
                    bad = *value;
                    return;
                }
                for (int k = 0; k < count; ++k)
                    if (board[k] == n - 1) {
                        problem = WheelFileProblem::RepeatedNumber;
                        bad = *value;
                        return;
                    }
                board[count++] = static_cast<std::uint8_t>(n - 1);
            });
            if (problem != WheelFileProblem::None) return fail(problem, bad);
            if (count < boardSize) return fail(WheelFileProblem::TooFewNumbers, count);
            std::sort(board.begin(), board.begin() + std::clamp(boardSize, 1, kBoardSize));
            reading.wheel.boards.push_back(board);
            reader.readLine();
        }
    } catch (const std::exception& e) {
        reading.readerError = e.what();
        fail(WheelFileProblem::Unreadable, 0);
        reading.board = 0;
        return reading;
    }
    if (reading.wheel.boards.empty()) reading.problem = WheelFileProblem::NoBoards;
    return reading;
}

std::string describeProblem(const WheelFileReading& r, int numbers, int boardSize) {
    const std::string where = "board " + std::to_string(r.board);
    switch (r.problem) {
        case WheelFileProblem::None: return {};
        case WheelFileProblem::Unreadable: return r.readerError;
        case WheelFileProblem::NoBoards: return "the file holds no board";
        case WheelFileProblem::TooFewNumbers:
            if (boardSize != kBoardSize)
                return where + " holds " + std::to_string(r.number) + " numbers in its first " +
                       std::to_string(boardSize) + " fields, not " + std::to_string(boardSize);
            return where + " holds " + std::to_string(r.number) + " numbers in its first five fields, not five";
        case WheelFileProblem::RepeatedNumber:
            return where + " holds the number " + std::to_string(r.number) + " twice";
        case WheelFileProblem::OutOfRange:
            if (r.number < (r.numberedFromZero ? 0 : 1))
                return where + " holds the number " + std::to_string(r.number) + ", below " +
                       (r.numberedFromZero ? "0" : "1");
            return where + " holds the number " + std::to_string(r.number) + ", above " +
                   (r.numberedFromZero ? std::to_string(numbers - 1) + " (the file counts from 0)"
                                       : std::to_string(numbers));
    }
    return {};
}

std::optional<PlayedWheel> playedWheel(const Wheel& wheel, const ReplacementMap& map) {
    PlayedWheel result;
    std::array<int, kMaxNumbers + 1> positionOf{};
    positionOf.fill(-1);
    for (int n = 1; n <= wheel.numbers; ++n) {
        const std::int32_t played = replaceGridA(map, n);
        if (played < 1 || played > kMaxNumbers || positionOf[played] >= 0) return std::nullopt;
        positionOf[played] = 0;
        result.played.push_back(played);
    }
    std::sort(result.played.begin(), result.played.end());
    for (std::size_t k = 0; k < result.played.size(); ++k) positionOf[result.played[k]] = static_cast<int>(k);
    result.wheel.numbers = wheel.numbers;
    result.wheel.boardSize = wheel.boardSize;
    result.wheel.boards.reserve(wheel.boards.size());
    for (const Board& board : wheel.boards) {
        Board replaced{};
        for (int k = 0; k < wheel.boardSize; ++k)
            replaced[k] = static_cast<std::uint8_t>(positionOf[replaceGridA(map, board[k] + 1)]);
        std::sort(replaced.begin(), replaced.begin() + wheel.boardSize);
        result.wheel.boards.push_back(replaced);
    }
    return result;
}

PlayedWheelFile playedWheelFile(const ExternalWheel& file, int highestNumber) {
    const WheelFileReading reading = readWheelFileAsNumbered(file, highestNumber);
    if (!reading.ok()) return {std::nullopt, describeProblem(reading, highestNumber)};
    int highest = kBoardSize;
    for (const Board& board : reading.wheel.boards)
        for (const std::uint8_t n : board) highest = std::max(highest, n + 1);
    Wheel wheel = reading.wheel;
    wheel.numbers = highest;
    return {playedWheel(wheel, file.map), {}};
}

std::string wheelFileText(const Wheel& wheel, char separator) {
    std::string text;
    text.reserve(wheel.boards.size() * 16);
    for (const Board& board : wheel.boards) {
        for (int k = 0; k < wheel.boardSize; ++k) {
            if (k > 0) text.push_back(separator);
            appendDecimal(text, board[k] + 1);
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace norvex5::workshop
