// Sizes the generator reaches within a fixed number of moves from fixed seeds: the runs that show
// one part of its schedule doing its work (the search among turned wheels, the wheel for each
// half, the plain search from the best start). Move-limited, so each line is the same on every
// machine; the time each took is shown beside it.
//   norvex5_bench_wheel_reaches
// One line per run; the last line is reached=N of=M. Exit status 1 when a run fell short.
#include <chrono>
#include <cstdio>
#include <initializer_list>

#include "workshop/wheelcheck.h"
#include "workshop/wheelgenerator.h"

using namespace norvex5::workshop;

namespace {

struct Reach {
    const char* why;
    int v;
    Guarantee g;
    std::int64_t moves;
    int target;
    std::int64_t within;  // the target reached by this move
    std::initializer_list<std::uint64_t> seeds;
};

const Reach kReaches[] = {
    {"no smaller wheel exists", 8, {3, 3}, 50'000, 8, 50'000, {7}},
    {"no smaller wheel exists", 9, {4, 4}, 50'000, 30, 50'000, {7}},
    {"no smaller wheel exists", 7, {3, 5}, 50'000, 1, 50'000, {7}},
    // Every triple on exactly one board: four orbits of the turn of all 17 numbers, which the
    // plain search almost never finds.
    {"Steiner system among turned wheels", 17, {3, 3}, 400'000, 68, 399'999, {1, 4}},
    // Two 17-board "3 if 3" wheels over 10 numbers; the plain search alone stays near 37 in ten
    // seconds. The halves are surveyed in the fifth tenth of the run.
    {"a wheel for each half", 20, {3, 5}, 100'000, 34, 50'000, {1, 2}},
    {"smallest known, plain search from the best start", 13, {3, 3}, 1'000'000, 34, 1'000'000, {1, 2, 3, 4}},
};

}  // namespace

int main() {
    int reached = 0, runs = 0;
    for (const Reach& r : kReaches)
        for (const std::uint64_t seed : r.seeds) {
            GeneratorSettings settings;
            settings.numbers = r.v;
            settings.guarantee = r.g;
            settings.seed = seed;
            settings.seconds = 0;
            settings.maxMoves = r.moves;
            settings.targetBoards = r.target;
            settings.threads = 1;
            const auto start = std::chrono::steady_clock::now();
            const GeneratorResult result = generateWheel(settings);
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const int boards = result.complete ? static_cast<int>(result.wheel.boards.size()) : 0;
            const bool keeps = result.complete && checkGuarantee(CoverageIndex(result.wheel), r.g).holes == 0;
            const bool ok = keeps && boards == r.target && result.moves <= r.within;
            ++runs;
            reached += ok;
            std::printf(
                "v=%d guarantee=%d if=%d seed=%llu boards=%d target=%d moves=%lld within=%lld seconds=%.2f %s  (%s)\n",
                r.v, r.g.t, r.g.m, static_cast<unsigned long long>(seed), boards, r.target,
                static_cast<long long>(result.moves), static_cast<long long>(r.within), seconds, ok ? "ok" : "SHORT",
                r.why);
            std::fflush(stdout);
        }
    std::printf("reached=%d of=%d\n", reached, runs);
    return reached == runs ? 0 : 1;
}
