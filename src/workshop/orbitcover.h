#pragma once
// Wheels made of whole orbits of a group of maps x -> a*x + b (mod p), p a prime, a from the
// subgroup of order d of the nonzero numbers mod p; the numbers from p up stay where they are.
//
// Several of the best wheels known are such unions: "4 if 4" over 23 numbers in 1771 boards, one
// board for every four numbers, is 7 orbits of the maps whose a is one of the eleven squares. A
// search over single boards does not find such a wheel (it would have to place every board at
// once), but among orbits the problem is small: 133 orbits of boards to choose from, 35 orbits of
// four numbers to meet. smallestOrbitCover() finds the smallest union by a search with bounds.

#include <chrono>
#include <cstdint>
#include <vector>

#include "workshop/wheel.h"

namespace norvex5::workshop {

struct AffineGroup {
    int prime = 0;
    int order = 1;  // of the factors a; divides prime - 1
};

// The groups worth trying over `numbers` numbers: every prime from `numbers` down to six below
// it (at least 5), with every order of factors, the largest first (fewest orbits).
std::vector<AffineGroup> affineGroupsFor(int numbers);

struct OrbitCover {
    std::vector<std::uint64_t> boards;  // bit n for number n; empty when none was found
    bool finished = false;  // the search ended before the deadline: nothing smaller is made of these orbits
    int boardOrbits = 0;
    int subsetOrbits = 0;
};

// The smallest wheel of boards of `boardSize` numbers over `numbers` numbers keeping `guarantee`
// (m up to five) that is a union of orbits of `group`, with fewer than `fewerThan` boards; the
// smallest found when the deadline comes first.
OrbitCover smallestOrbitCover(int numbers, Guarantee guarantee, const AffineGroup& group,
                              std::chrono::steady_clock::time_point deadline, std::int64_t fewerThan,
                              int boardSize = kBoardSize);

}  // namespace norvex5::workshop
