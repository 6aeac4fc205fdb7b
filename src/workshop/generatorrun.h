#pragma once
// One run of the generator from one seed, on the thread that calls it: the schedule that shares
// the run's time (or its moves) among the starts it surveys, and the descent that takes the best
// of them further. generateWheel runs several of these side by side.

#include <atomic>
#include <cstdint>

#include "workshop/generatortuning.h"
#include "workshop/wheelgenerator.h"

namespace norvex5::workshop {

// One search of generateWheel, on the calling thread: the settings' seed alone decides its path,
// move for move (their thread count is not read). `rivalReached`, when given, holds the fewest
// moves at which another search reached the size wanted: this one ends once it has made more
// (it can no longer be the first to get there) as the stop flag ends it, without calling it
// stopped.
GeneratorResult runGenerator(const GeneratorSettings& settings, const std::atomic<bool>* stop,
                             const GeneratorProgressCallback& progress,
                             const GeneratorTuning& tuning = kGeneratorTuning,
                             const std::atomic<std::int64_t>* rivalReached = nullptr);

}  // namespace norvex5::workshop
