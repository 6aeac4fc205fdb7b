#include "draws/drawstatistics.h"

#include <algorithm>

namespace norvex5::draws {

DrawStatistics drawStatistics(const std::vector<DrawRecord>& newestFirst, int highestNumber, std::size_t lastDraws,
                              std::size_t pairsShown) {
    DrawStatistics stats;
    const int highest = std::max(highestNumber, 1);
    const std::size_t counted = std::min(lastDraws, newestFirst.size());
    stats.draws = static_cast<std::int64_t>(counted);
    stats.numbers.assign(static_cast<std::size_t>(highest) + 1, {});
    const auto size = static_cast<std::size_t>(highest) + 1;
    std::vector<std::int64_t> pairCounts(size * size, 0);
    for (std::size_t age = 0; age < counted; ++age) {
        const auto& numbers = newestFirst[age].numbers;
        for (int k = 0; k < kDrawnNumbers; ++k) {
            const int n = numbers[k];
            if (n < 1 || n > highest) continue;
            NumberStatistics& s = stats.numbers[n];
            ++s.count;
            if (!s.drawsSinceSeen) s.drawsSinceSeen = static_cast<std::int64_t>(age);
            for (int j = 0; j < kDrawnNumbers; ++j) {
                const int m = numbers[j];
                if (m > n && m <= highest) ++pairCounts[static_cast<std::size_t>(n) * size + m];
            }
        }
    }
    const double expected = static_cast<double>(counted) * kDrawnNumbers / highest;
    for (int n = 1; n <= highest; ++n) stats.numbers[n].expected = expected;
    for (int a = 1; a <= highest; ++a)
        for (int b = a + 1; b <= highest; ++b)
            if (const std::int64_t c = pairCounts[static_cast<std::size_t>(a) * size + b]; c > 0)
                stats.pairs.push_back({a, b, c});
    const auto shown = std::min(pairsShown, stats.pairs.size());
    std::partial_sort(stats.pairs.begin(), stats.pairs.begin() + static_cast<std::ptrdiff_t>(shown), stats.pairs.end(),
                      [](const PairCount& x, const PairCount& y) {
                          if (x.count != y.count) return x.count > y.count;
                          return std::pair(x.first, x.second) < std::pair(y.first, y.second);
                      });
    stats.pairs.resize(shown);
    return stats;
}

}  // namespace norvex5::draws
