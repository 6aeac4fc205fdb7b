#pragma once
// How the numbers came out over the last draws: each number's count against the count chance
// alone gives, how long since each was last drawn, and the pairs drawn together most often.
// Past draws do not change the next draw's chances; these are what players ask to see.

#include <cstdint>
#include <optional>
#include <vector>

#include "draws/drawfile.h"

namespace norvex5::draws {

struct NumberStatistics {
    std::int64_t count = 0;
    double expected = 0;                       // draws x 5 / highest number
    std::optional<std::int64_t> drawsSinceSeen;  // 0: in the newest draw; none: not in these draws
};

struct PairCount {
    int first = 0;  // first < second
    int second = 0;
    std::int64_t count = 0;
    bool operator==(const PairCount&) const = default;
};

struct DrawStatistics {
    std::int64_t draws = 0;                 // how many draws were counted
    std::vector<NumberStatistics> numbers;  // indexed 1..highest number; entry 0 unused
    std::vector<PairCount> pairs;           // most frequent first, ties by their numbers
};

inline constexpr std::size_t kAllDraws = SIZE_MAX;

// Over the newest `lastDraws` of `newestFirst` (all of them with kAllDraws). Numbers outside
// 1..highestNumber are not counted.
DrawStatistics drawStatistics(const std::vector<DrawRecord>& newestFirst, int highestNumber,
                              std::size_t lastDraws = kAllDraws, std::size_t pairsShown = 10);

}  // namespace norvex5::draws
