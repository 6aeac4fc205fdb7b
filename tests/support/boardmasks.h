#pragma once
// A board mask written as the numbers it holds, for tests that compare boards.

#include <initializer_list>

#include "core/selection.h"

namespace norvex5::testing {

inline BoardMask maskOf(std::initializer_list<int> numbers) {
    BoardMask mask{};
    for (const int n : numbers) mask[n] = 1;
    return mask;
}

}  // namespace norvex5::testing
