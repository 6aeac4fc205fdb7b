#include "core/randompick.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <numeric>

namespace norvex5 {

std::vector<int> randomPick(SelectionState& selection, int count, int highestNumber, std::mt19937& generator) {
    clearGridA(selection);
    std::array<int, kGridACount> pool{};
    std::iota(pool.begin(), pool.end(), 1);
    int remaining = std::clamp(highestNumber, 0, kGridACount);
    count = std::clamp(count, 0, remaining);

    std::vector<int> drawn;
    drawn.reserve(count);
    for (int i = 0; i < count; ++i) {
        std::uniform_int_distribution<int> pick(0, remaining - 1);
        const int r = pick(generator);
        const int x = pool[r];
        selection[x] = kSelected;
        drawn.push_back(x);
        std::copy(pool.begin() + r + 1, pool.begin() + remaining, pool.begin() + r);
        --remaining;
    }
    return drawn;
}

std::vector<int> randomPick(SelectionState& selection, int count, int highestNumber) {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    std::mt19937 generator(seed);
    return randomPick(selection, count, highestNumber, generator);
}

}  // namespace norvex5
