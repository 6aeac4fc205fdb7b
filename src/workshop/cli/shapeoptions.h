#pragma once
// --keys F and --board-size K: the shape of the wheel a subcommand makes or reads. The numbers
// 1..F are the key numbers, on every board; a board holds K numbers, the key numbers among them.

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "workshop/wheel.h"

namespace norvex5::workshop {

struct WheelShapeOptions {
    int keys = 0;
    int boardSize = kBoardSize;
};

void addWheelShapeOptions(CLI::App& command, WheelShapeOptions& shape);

// Why the shape does not go with the v numbers and the guarantee; nullopt when it does. The
// generator asks more of them (`forGenerator`).
std::optional<std::string> wheelShapeProblem(int numbers, Guarantee guarantee, const WheelShapeOptions& shape,
                                             bool forGenerator);

// " when the key numbers 1 to F are drawn" ("... the key number 1 is drawn"); empty without key
// numbers: what the guarantee's line says after "t if m".
std::string keyCondition(const WheelShapeOptions& shape);

// --threads: 1 or more, told in a short sentence when not.
extern const CLI::Validator kThreadCount;

}  // namespace norvex5::workshop
