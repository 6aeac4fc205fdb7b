#include "workshop/cli/shapeoptions.h"

#include <charconv>

#include "workshop/keynumbers.h"

namespace norvex5::workshop {

void addWheelShapeOptions(CLI::App& command, WheelShapeOptions& shape) {
    command.add_option("--keys", shape.keys, "Key numbers: the numbers 1..F stand on every board (0 by default)");
    command.add_option("--board-size", shape.boardSize, "Numbers on each board, key numbers counted (5 by default)");
}

std::optional<std::string> wheelShapeProblem(int numbers, Guarantee g, const WheelShapeOptions& shape,
                                             bool forGenerator) {
    if (shape.keys < 0 || shape.keys > kMostKeyNumbers)
        return "the key numbers must be from 0 to " + std::to_string(kMostKeyNumbers);
    if (shape.keys > 0) return keyNumbersProblem(numbers, g, shape.keys, shape.boardSize);
    return forGenerator ? generatorLimitsProblem(numbers, g, shape.boardSize)
                        : checkLimitsProblem(numbers, g, shape.boardSize);
}

std::string keyCondition(const WheelShapeOptions& shape) {
    if (shape.keys == 0) return {};
    if (shape.keys == 1) return " when the key number 1 is drawn";
    return " when the key numbers 1 to " + std::to_string(shape.keys) + " are drawn";
}

const CLI::Validator kThreadCount(
    [](std::string& text) -> std::string {
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1)
            return "\"" + text + "\" is not a count of threads: give 1 or more, or leave --threads out for one "
                   "on each core";
        return {};
    },
    "N");

}  // namespace norvex5::workshop
