#include "windows/wheelcheck/wheelsources.h"

#include "core/expansion.h"

namespace norvex5 {

std::optional<WheelToCheck> chosenWheelOverTicked(const SelectionState& selection, const WheelRecord* record) {
    if (!selectionFitsWheel(selection, record)) return std::nullopt;
    workshop::Wheel wheel = workshop::wheelOfRecord(*record);
    Expansion expansion;
    prepareNumberList(expansion, selection);
    WheelToCheck result{std::move(wheel), {}};
    for (int position = 1; position <= result.wheel.numbers; ++position)
        result.played.push_back(expansion.numberList[position]);
    return result;
}

}  // namespace norvex5
