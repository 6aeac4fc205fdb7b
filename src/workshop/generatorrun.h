#pragma once
// One run of the generator from one seed, on the thread that calls it: the schedule that shares
// the run's time (or its moves) among the starts it surveys, and the descent that takes the best
// of them further. generateWheel runs several of these side by side.

#include <atomic>

#include "workshop/generatortuning.h"
#include "workshop/wheelgenerator.h"

namespace norvex5::workshop {

// As generateWheel on one thread: the settings' seed alone decides the path, move for move.
GeneratorResult runGenerator(const GeneratorSettings& settings, const std::atomic<bool>* stop,
                             const GeneratorProgressCallback& progress,
                             const GeneratorTuning& tuning = kGeneratorTuning);

}  // namespace norvex5::workshop
