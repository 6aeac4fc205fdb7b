#include "workshop/wheelgenerator.h"

#include "workshop/generatorrun.h"

namespace norvex5::workshop {

int lowerBound(int numbers, Guarantee g) {
    if (g.t < g.m || g.t < 1) return 1;
    // L(v, k, t) = ceil(v / k * L(v - 1, k - 1, t - 1)), L(v, k, 1) = ceil(v / k).
    std::int64_t bound = 1;
    for (int i = g.t - 1; i >= 0; --i) {
        const std::int64_t v = numbers - i;
        const std::int64_t k = kBoardSize - i;
        bound = (v * bound + k - 1) / k;
    }
    return static_cast<int>(bound);
}

GeneratorResult generateWheel(const GeneratorSettings& settings, const std::atomic<bool>* stop,
                              const GeneratorProgressCallback& progress) {
    return runGenerator(settings, stop, progress);
}

}  // namespace norvex5::workshop
