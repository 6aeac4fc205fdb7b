#pragma once
// The wheels the check window is opened with, as their openers hold them.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/selection.h"
#include "core/wheelcatalogue.h"
#include "workshop/wheel.h"

namespace norvex5 {

struct WheelToCheck {
    workshop::Wheel wheel;
    std::vector<std::int32_t> played;  // position -> number played
};

// The chosen wheel (built in or from the library) over the ticked numbers, each position played as
// the expansion plays it (fixed numbers first, then the selected ones, each group ascending), so
// that the holes listed are the very draws the boards on the tickets miss. nullopt when the ticked
// numbers do not fit the wheel: the opener says so as the other commands over the chosen wheel do.
std::optional<WheelToCheck> chosenWheelOverTicked(const SelectionState& selection, const WheelRecord* wheel);

}  // namespace norvex5
