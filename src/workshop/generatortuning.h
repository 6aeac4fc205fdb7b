#pragma once
// Every number that steers the generator, in one place. They were found by measuring
// (bench/wheel-generate); none changes what a wheel guarantees, only how soon a small one is found.

#include <cstddef>
#include <cstdint>

namespace norvex5::workshop {

struct GeneratorTuning {
    // --- The cover search (CoverSearch) ---

    // At the coldest, few steps that open one hole more than they close are taken (about 1 in
    // 150), two more almost never: the tabu list does most of the leaving of plateaus, and more
    // uphill steps scatter the search once only a few holes are left. A size that keeps
    // resisting is searched warmer (each time by `reheating`), up to about 1 in 20, to reach
    // other regions.
    double coldest = 0.2;
    double warmest = 0.33;
    double reheating = 1.1;
    // The greedy start adds the best of this many orbits that meet a random hole.
    int greedyCandidates = 24;
    // Large neighbourhoods (a guarantee over five drawn numbers) are sampled, so that a step
    // costs about the same whatever the guarantee: about this many subsets looked at a step, and
    // never fewer swaps than `leastSample`. Small samples taken often beat large ones there:
    // "4 if 5" over 13 reaches 48-50 boards in 10 s with about 18 swaps looked at a step, 50-52
    // with about 73.
    std::size_t stepBudget = 1024;
    std::size_t leastSample = 4;
    // A number taken off a board may not come back to it for this many steps and up to as many
    // again, chosen at random.
    std::uint32_t tabuSteps = 20;
    // Under a guarantee of all drawn ("4 if 4"), the swap can be chosen by the weight of the holes
    // it opens and closes, a hole that no swap closes without opening more gaining this weight:
    // the search then pays to close it, rather than circling among the same few swaps. 0: no
    // weights, the holes counted alike. Neither way wins everywhere (weighed, "4 if 4" over 15
    // numbers reaches 294 boards in 10 s, but "3 if 3" over 19 stays at 114 where counting
    // reaches 108), so the searches of a run on several cores take turns: see kWeighedTuning.
    std::uint32_t holeWeighting = 0;
    // All weights are halved (down to one) after this many gains, so that old troubles fade.
    std::uint32_t weightFading = 2000;

    // --- The descent at one start ---

    // Steps allowed at one size before starting that size again: `patiencePerOrbit` an orbit of
    // the first complete wheel, at least `leastPatience`; each new start of the same size gets
    // `patienceGrowth` times as many. Searches at one size differ widely in luck, so several
    // fresh starts reach a smaller wheel sooner than one long search. An orbit search gets
    // `orbitPatience` of that: its few orbits leave a size that resists little else to try, and
    // starting the size again serves it better. Over many boards (a thousand and more for "4 if 4"
    // over 20 numbers and up) 200 an orbit spent whole stretches on one start: 20 reached smaller
    // wheels in the same moves (500,000: over 23 numbers 1955 boards instead of 1962, over 17
    // numbers 527 instead of 536), the small cases being held by `leastPatience` alone.
    double leastPatience = 2000;
    double patiencePerOrbit = 20;
    double orbitPatience = 0.3;
    double patienceGrowth = 1.5;
    // The first try below a complete wheel drops this share of its orbits at once; a try that
    // fails halves the drop, down to one orbit. A search with room to rearrange many boards
    // finds better wheels than one that takes them away one at a time.
    double firstDrop = 0.1;

    // --- The run's schedule ---

    // Turns of all the numbers, all but one, ... all but `turnsFixing` are surveyed; turns of
    // fewer than `leastTurning` numbers are not: with so few boards a short orbit is hard to
    // avoid.
    int turnsFixing = 2;
    int leastTurning = 7;
    // Turns that move several runs of numbers round at once (three runs of five over 15 or 16
    // numbers, ...): this many are surveyed a run, runs of at least `leastCycle` numbers.
    int cycleTurns = 2;
    int leastCycle = 5;
    double surveyShare = 0.1;   // of the run, for each start surveyed
    double restStretch = 0.15;  // the rest of the run is given out in stretches this long
    double surveyAgain = 0.03;  // a new wheel of the turn that gave the start
    // A run without limits counts its shares in moves, this many for the whole.
    double unlimitedMoves = double(std::int64_t(1) << 24);
};

inline constexpr GeneratorTuning kGeneratorTuning{};

// The tuning of every second search of a run on several cores: the holes weighed.
inline constexpr GeneratorTuning kWeighedTuning = [] {
    GeneratorTuning tuning;
    tuning.holeWeighting = 1;
    return tuning;
}();

}  // namespace norvex5::workshop
