#include "windows/wheelcheck/wheelsources.h"

#include "core/expansion.h"

namespace norvex5 {

std::optional<WheelToCheck> builtInWheelOverTicked(const SelectionState& selection, int wheelNumber) {
    if (!selectionFitsWheel(selection, wheelNumber)) return std::nullopt;
    auto wheel = workshop::builtInWheel(wheelNumber);
    if (!wheel) return std::nullopt;
    Expansion expansion;
    prepareNumberList(expansion, selection);
    WheelToCheck result{std::move(*wheel), {}};
    for (int position = 1; position <= result.wheel.numbers; ++position)
        result.played.push_back(expansion.numberList[position]);
    return result;
}

}  // namespace norvex5
