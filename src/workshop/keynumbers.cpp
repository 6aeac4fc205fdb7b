#include "workshop/keynumbers.h"

#include <algorithm>
#include <array>

namespace norvex5::workshop {

Guarantee guaranteeBesideKeys(Guarantee g, int keys) { return {std::max(0, g.t - keys), std::max(0, g.m - keys)}; }

std::optional<std::string> keyNumbersProblem(int numbers, Guarantee g, int keys, int boardSize) {
    if (keys < 1 || keys > kMostKeyNumbers)
        return "the key numbers must be from 1 to " + std::to_string(kMostKeyNumbers);
    if (auto problem = checkLimitsProblem(numbers, g, boardSize)) return problem;
    if (keys >= boardSize) return "a board needs at least one number beside the key numbers";
    if (keys > g.m) return "the 'if' count must be at least the key numbers (they are drawn)";
    if (numbers - keys < boardSize - keys)
        return "there must be at least " + std::to_string(boardSize - keys) + " numbers beside the key numbers";
    const Guarantee beside = guaranteeBesideKeys(g, keys);
    if (beside.t >= kMinGeneratedT) return generatorLimitsProblem(numbers - keys, beside, boardSize - keys);
    return std::nullopt;
}

Wheel withKeyNumbers(const Wheel& others, int keys) {
    Wheel wheel;
    wheel.numbers = others.numbers + keys;
    wheel.boardSize = others.boardSize + keys;
    wheel.boards.reserve(others.boards.size());
    for (const Board& inner : others.boards) {
        Board board{};
        for (int k = 0; k < keys; ++k) board[k] = static_cast<std::uint8_t>(k);
        for (int k = 0; k < others.boardSize; ++k) board[keys + k] = static_cast<std::uint8_t>(inner[k] + keys);
        wheel.boards.push_back(board);
    }
    return wheel;
}

std::optional<Wheel> wheelWithoutSearch(int numbers, Guarantee g, int boardSize) {
    if (g.t > 1) return std::nullopt;
    Wheel wheel;
    wheel.numbers = numbers;
    wheel.boardSize = boardSize;
    // Of any m drawn numbers at most m - 1 fall among those left out, so one falls on a board.
    const int covered = g.t <= 0 ? 1 : std::max(1, numbers - g.m + 1);
    for (int first = 0; first < covered; first += boardSize) {
        Board board{};
        // The last board is filled up with numbers before it, so every board holds boardSize.
        const int start = std::min(first, numbers - boardSize);
        for (int k = 0; k < boardSize; ++k) board[k] = static_cast<std::uint8_t>(start + k);
        wheel.boards.push_back(board);
    }
    return wheel;
}

GeneratorResult generateWithKeyNumbers(const GeneratorSettings& settings, int keys, const std::atomic<bool>* stop,
                                       const GeneratorProgressCallback& progress) {
    if (keyNumbersProblem(settings.numbers, settings.guarantee, keys, settings.boardSize)) return {};
    GeneratorSettings beside = settings;
    beside.numbers = settings.numbers - keys;
    beside.guarantee = guaranteeBesideKeys(settings.guarantee, keys);
    beside.boardSize = settings.boardSize - keys;
    beside.needed.clear();  // flags over all the numbers would not fit the others
    GeneratorResult result;
    if (auto simple = wheelWithoutSearch(beside.numbers, beside.guarantee, beside.boardSize)) {
        result.complete = true;
        result.wheel = std::move(*simple);
    } else {
        result = generateWheel(beside, stop, progress);
    }
    if (result.complete) result.wheel = withKeyNumbers(result.wheel, keys);
    return result;
}

GuaranteeReport checkGuaranteeWithKeys(const CoverageIndex& index, Guarantee g, int keys, std::size_t firstHoleLimit) {
    GuaranteeReport report;
    report.guarantee = g;
    report.boards = index.boards();
    const int v = index.numbers();
    const int others = g.m - keys;
    if (keys < 0 || others < 0 || g.m > kBoardSize || g.m > v || g.t < 1 || g.t > g.m) return report;
    report.subsets = binomial(v - keys, others);
    // The key numbers stay in front; the others drawn step through every choice of the rest.
    std::array<std::uint8_t, kBoardSize> rest{}, drawn{};
    for (int k = 0; k < others; ++k) rest[k] = static_cast<std::uint8_t>(k);
    for (int k = 0; k < keys; ++k) drawn[k] = static_cast<std::uint8_t>(k);
    do {
        for (int k = 0; k < others; ++k) drawn[keys + k] = static_cast<std::uint8_t>(rest[k] + keys);
        if (!index.meets(drawn.data(), g.m, g.t)) {
            if (report.firstHoles.size() < firstHoleLimit)
                report.firstHoles.emplace_back(drawn.begin(), drawn.begin() + g.m);
            ++report.holes;
        }
    } while (others > 0 && nextSubset(rest.data(), others, v - keys));
    report.coveredShare = coveredShareOf(report.subsets, report.holes);
    return report;
}

}  // namespace norvex5::workshop
