#pragma once
// Wheels generated for a guarantee: as few boards of five numbers over v numbers as the time
// allows, keeping "t if m".
//
// A greedy start gives a complete wheel at once. Boards are then taken away (a tenth of them at
// first, one at a time once that fails) and a search on the count of holes rearranges the rest
// until no hole is left: each step swaps one number of one board to close a random hole, chosen
// among the swaps that close it by the holes they open, with a tabu list and a low temperature
// to leave plateaus. Only the m-subsets that a swap can win or lose are looked at, so a step costs
// the same whatever the size of the wheel. A size that resists is started afresh from the
// smallest complete wheel, each time searched a little warmer.
//
// Many of the smallest wheels known are unions of orbits of a turn of the numbers (1 to 2, ...,
// the last turning one back to 1). So the run also searches among such wheels, for a turn of all
// the numbers and of all but one or two, and for a few turns of several runs of numbers at once
// (1 to 5, 6 to 10 and 11 to 15 each turning round together), moving whole orbits at a time; the
// plain search then takes the best of those starts further. A guarantee that any m drawn numbers
// put into one half of the player's numbers ("3 if 5": three of any five fall in the same half)
// also starts from a wheel for each half. The best complete wheel found is kept, whenever the
// run ends.
//
// Made for a worker thread: the run owns all its state and reads the stop flag between moves.
// It runs one search a thread side by side (one a core by default), each from its own seed
// derived from the run's; they share the smallest wheel found: its size, told through the
// progress callback, which is called on one of the run's threads at a time; the wheel, which a
// search further behind goes on from in its last part (not in a run limited by moves); and the
// wheel the run gives back (the first search's on a tie). A search that reaches the size wanted (the
// target, or the bound) ends the others once they have made as many moves without getting there;
// its wheel is the run's. The same settings, seed and thread count take the same path move for
// move: a run limited by moves rather than by time, or ended by the size wanted, ends with the
// same wheel every time. One search alone takes the path the first of several takes.

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "workshop/wheel.h"

namespace norvex5::workshop {

struct GeneratorSettings {
    int numbers = 0;  // v, within generatorLimitsProblem's limits
    Guarantee guarantee;
    std::uint64_t seed = 1;
    double seconds = 10;        // time allowed; 0 or less: no limit of time
    std::int64_t maxMoves = 0;  // moves allowed to each search; 0: no limit of moves
    int targetBoards = 0;       // a complete wheel this small ends the run early (0: none)
    int threads = 0;            // searches side by side; 0: one for each core of the machine
    int boardSize = kBoardSize;  // numbers on each board; shorter for the part beside key numbers
    // The m-subsets that need a board holding t of them, one flag for each by its rank (subsets.h):
    // under a filter on the draw, those some passing draw holds (PassingDraws::heldFlags). Empty:
    // every m-subset. The others are never holes, so the wheel may leave them uncovered.
    std::vector<std::uint8_t> needed;
    // A wheel to go on from (boards as bit masks, bit n for number n): the run takes it as one more
    // start, when it keeps the guarantee. Empty: none.
    std::vector<std::uint64_t> start;
};

struct GeneratorProgress {
    int bestBoards = 0;      // the smallest complete wheel so far; 0 before the first
    int boards = 0;          // the size being tried now
    std::int64_t holes = 0;  // holes left at that size
    std::int64_t moves = 0;  // of every search together
    double seconds = 0;
};
// Called when a smaller complete wheel is found and about five times a second.
using GeneratorProgressCallback = std::function<void(const GeneratorProgress&)>;

struct GeneratorResult {
    bool complete = false;   // false: stopped (or out of time) before the first complete wheel
    bool stopped = false;    // the stop flag ended the run
    Wheel wheel;             // the smallest complete wheel found, boards ascending; empty when !complete
    std::int64_t moves = 0;  // of every search together; a move limit holds for each search
    double seconds = 0;
};

// The settings must lie within generatorLimitsProblem's limits (else the result is incomplete).
GeneratorResult generateWheel(const GeneratorSettings& settings, const std::atomic<bool>* stop = nullptr,
                              const GeneratorProgressCallback& progress = {});

// The fewest boards a run need not look below: Schönheim's bound, which holds only when every
// m-subset needs covering, or the target when that is larger.
int generatorFloor(const GeneratorSettings& settings);

// The searches a run with `threads` asked for makes: `threads`, or one for each core when 0.
int generatorThreads(int threads);

// No wheel of boards of `boardSize` numbers keeping "t if t" over v numbers has fewer boards than
// this (Schönheim's bound); 1 for a guarantee whose t is below m.
int lowerBound(int numbers, Guarantee guarantee, int boardSize = kBoardSize);

}  // namespace norvex5::workshop
