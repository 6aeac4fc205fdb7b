#pragma once
// Wheels of random boards for the tests that hold the check against a brute-force count.

#include <algorithm>
#include <random>
#include <vector>

#include "workshop/wheel.h"

namespace norvex5::testing {

inline workshop::Wheel randomWheel(std::mt19937& random, int v, int boards) {
    workshop::Wheel wheel;
    wheel.numbers = v;
    std::vector<std::uint8_t> all(v);
    for (int n = 0; n < v; ++n) all[n] = static_cast<std::uint8_t>(n);
    for (int b = 0; b < boards; ++b) {
        std::shuffle(all.begin(), all.end(), random);
        workshop::Board board;
        std::copy_n(all.begin(), workshop::kBoardSize, board.begin());
        std::sort(board.begin(), board.end());
        wheel.boards.push_back(board);
    }
    return wheel;
}

}  // namespace norvex5::testing
