#pragma once
// One run of the generator from one seed, on the thread that calls it: the schedule that shares
// the run's time (or its moves) among the starts it surveys, and the descent that takes the best
// of them further. generateWheel runs several of these side by side.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "workshop/generatortuning.h"
#include "workshop/wheelgenerator.h"

namespace norvex5::workshop {

// The smallest complete wheel the searches of one run have found, for a search further behind to
// go on from. Any thread may use it.
class SharedWheel {
public:
    void offer(const std::vector<std::uint64_t>& boards);
    // The wheel when it has fewer than `boards` boards; else nothing.
    std::vector<std::uint64_t> smallerThan(std::size_t boards) const;

private:
    mutable std::mutex mutex_;
    std::vector<std::uint64_t> boards_;
};

// One search of generateWheel, on the calling thread: the settings' seed alone decides its path,
// move for move (their thread count is not read). `rivalReached`, when given, holds the fewest
// moves at which another search reached the size wanted: this one ends once it has made more
// (it can no longer be the first to get there) as the stop flag ends it, without calling it
// stopped. `shared`, when given, gets every smaller wheel this search finds, and gives it the
// smaller wheel of another at the end of each stretch of its last part: the path then depends on
// how the threads ran.
GeneratorResult runGenerator(const GeneratorSettings& settings, const std::atomic<bool>* stop,
                             const GeneratorProgressCallback& progress,
                             const GeneratorTuning& tuning = kGeneratorTuning,
                             const std::atomic<std::int64_t>* rivalReached = nullptr, SharedWheel* shared = nullptr);

}  // namespace norvex5::workshop
