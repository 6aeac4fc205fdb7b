#include "workshop/wheelgenerator.h"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "workshop/generatorrun.h"

namespace norvex5::workshop {

namespace {

// The seed of search `index` of a run: the run's own for the first, so that one search alone
// takes the path the first of several takes; the others far apart from it and from each other,
// since one search uses the seeds after its own for its surveys.
std::uint64_t searchSeed(std::uint64_t seed, int index) { return seed + std::uint64_t(index) * 0x9e3779b97f4a7c15ULL; }

// What the searches of one run tell the progress callback: the smallest complete wheel so far,
// and every search's moves.
class SharedProgress {
public:
    SharedProgress(int searches, const GeneratorProgressCallback& progress) : progress_(progress), moves_(searches) {}

    // Search `index` reports. The first search's reports keep the progress flowing; another's
    // is told only when it found a smaller wheel than any before.
    void tell(int index, const GeneratorProgress& report) {
        const std::lock_guard lock(mutex_);
        moves_[index] = report.moves;
        const bool smaller = report.bestBoards != 0 && (bestBoards_ == 0 || report.bestBoards < bestBoards_);
        if (smaller) bestBoards_ = report.bestBoards;
        if (!smaller && index != 0) return;
        GeneratorProgress shared = report;
        shared.bestBoards = bestBoards_;
        shared.moves = 0;
        for (const std::int64_t m : moves_) shared.moves += m;
        progress_(shared);
    }

private:
    const GeneratorProgressCallback& progress_;
    std::mutex mutex_;
    int bestBoards_ = 0;
    std::vector<std::int64_t> moves_;
};

// A wheel as small as wanted from the search that reached it in the fewest moves, else the
// smallest complete wheel of all; the first search's on a tie. Which search ends first does not
// matter: a search is cut short only once it has made more moves than one that got there.
GeneratorResult merged(const std::vector<GeneratorResult>& results, int wanted) {
    GeneratorResult best;
    auto reached = [wanted](const GeneratorResult& r) {
        return r.complete && static_cast<int>(r.wheel.boards.size()) <= wanted;
    };
    const GeneratorResult* chosen = nullptr;
    for (const GeneratorResult& r : results) {
        if (!r.complete) continue;
        const bool better =
            chosen == nullptr || (reached(*chosen) ? reached(r) && r.moves < chosen->moves
                                                   : reached(r) || r.wheel.boards.size() < chosen->wheel.boards.size());
        if (better) chosen = &r;
    }
    if (chosen != nullptr) {
        best.complete = true;
        best.wheel = chosen->wheel;
    }
    for (const GeneratorResult& r : results) {
        best.stopped = best.stopped || r.stopped;
        best.moves += r.moves;
        best.seconds = std::max(best.seconds, r.seconds);
    }
    return best;
}

}  // namespace

int generatorThreads(int threads) {
    if (threads > 0) return threads;
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

int lowerBound(int numbers, Guarantee g, int boardSize) {
    if (g.t < g.m || g.t < 1) return 1;
    // L(v, k, t) = ceil(v / k * L(v - 1, k - 1, t - 1)), L(v, k, 1) = ceil(v / k).
    std::int64_t bound = 1;
    for (int i = g.t - 1; i >= 0; --i) {
        const std::int64_t v = numbers - i;
        const std::int64_t k = boardSize - i;
        bound = (v * bound + k - 1) / k;
    }
    return static_cast<int>(bound);
}

int generatorFloor(const GeneratorSettings& settings) {
    const int bound = settings.needed.empty() ? lowerBound(settings.numbers, settings.guarantee, settings.boardSize) : 1;
    return std::max({bound, settings.targetBoards, 1});
}

GeneratorResult generateWheel(const GeneratorSettings& settings, const std::atomic<bool>* stop,
                              const GeneratorProgressCallback& progress) {
    if (generatorLimitsProblem(settings.numbers, settings.guarantee, settings.boardSize)) return {};
    const int searches = generatorThreads(settings.threads);
    if (searches == 1) return runGenerator(settings, stop, progress);

    SharedProgress shared(searches, progress);
    // The fewest moves at which a search reached the size wanted: the others go on until they
    // have made as many, in case they get there sooner.
    std::atomic<std::int64_t> reachedAt{INT64_MAX};
    // A run limited by moves shares no wheel on the way: which search took whose wheel would
    // depend on how the threads ran, and the run would no longer end alike.
    SharedWheel best;
    SharedWheel* sharing = settings.maxMoves > 0 ? nullptr : &best;
    const int wanted = generatorFloor(settings);
    std::vector<GeneratorResult> results(searches);
    auto search = [&](int index) {
        GeneratorSettings own = settings;
        own.seed = searchSeed(settings.seed, index);
        GeneratorProgressCallback report;
        if (progress) report = [&shared, index](const GeneratorProgress& p) { shared.tell(index, p); };
        // Every second search weighs its holes: the two ways win on different cases, and the run
        // keeps the better of both.
        const GeneratorTuning& tuning = index % 2 == 0 ? kGeneratorTuning : kWeighedTuning;
        const GeneratorResult& result = results[index] = runGenerator(own, stop, report, tuning, &reachedAt, sharing);
        if (result.complete && static_cast<int>(result.wheel.boards.size()) <= wanted) {
            std::int64_t fewest = reachedAt.load();
            while (result.moves < fewest && !reachedAt.compare_exchange_weak(fewest, result.moves)) {}
        }
    };
    std::vector<std::thread> others;
    for (int index = 1; index < searches; ++index) others.emplace_back(search, index);
    search(0);
    for (std::thread& t : others) t.join();
    return merged(results, wanted);
}

}  // namespace norvex5::workshop
