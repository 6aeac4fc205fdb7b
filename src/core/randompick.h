#pragma once
// Ticking, in place of the player, as many grid A numbers as the chosen wheel needs.

#include <cstdint>
#include <random>
#include <vector>

#include "core/selection.h"

namespace norvex5 {

// Clears grid A (fixed numbers included) and selects `count` distinct numbers drawn uniformly
// from 1..highestNumber. The count and the highest number are clamped to what the 50-number pool
// can give. Returns the numbers in the order drawn.
std::vector<int> randomPick(SelectionState& selection, int count, int highestNumber, std::mt19937& generator);

// The same with a generator seeded from the clock.
std::vector<int> randomPick(SelectionState& selection, int count, int highestNumber);

}  // namespace norvex5
