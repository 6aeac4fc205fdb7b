#pragma once
// norvex5-wheels backtest WHEEL --draws FILE [--numbers V] [--separator C] [--skip N] [--json]
//
// The wheel file is read as check reads it (its numbers played as written, 1..v); the draw file
// with the import's rules, its shape guessed. Plain text gives the totals per tier, JSON also
// every draw. Refused draw lines are named on the error stream and left out.

#include "workshop/cli/toolcommand.h"

namespace norvex5::workshop {

ToolCommand addBacktestCommand(CLI::App& tool);

}  // namespace norvex5::workshop
