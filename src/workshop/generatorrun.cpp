#include "workshop/generatorrun.h"

#include <algorithm>
#include <chrono>
#include <memory>

#include "workshop/coversearch.h"

namespace norvex5::workshop {

namespace {

using Clock = std::chrono::steady_clock;

// One run from one seed: the clock and the limits, the smallest complete wheel so far, and
// the progress told.
//
// The run first surveys a few ways to start: the plain search from a greedy wheel, then, for a
// turn of all the numbers, of all but the last and of all but the last two, a search among
// wheels made of its whole orbits (which lands near a good structured wheel when there is one:
// several of the best wheels known are built so), whose nearest wheel is made complete with
// boards chosen one by one; and, when any m drawn put t in one half of the numbers, a wheel
// for each half. Each gets a tenth of the run. The rest of the run searches plainly
// from the smallest of those starts (the plain survey going on where it stopped, when no turn
// did better): the plain search lets a turned wheel shed the boards its structure cannot. A
// run limited by moves shares its moves the same way; a run without limits goes on until it is
// stopped.
class GeneratorRun {
public:
    GeneratorRun(const GeneratorSettings& settings, const std::atomic<bool>* stop,
                 const GeneratorProgressCallback& progress, const GeneratorTuning& tuning,
                 const std::atomic<std::int64_t>* rivalReached, SharedWheel* shared)
        : settings_(settings),
          tuning_(tuning),
          g_(settings.guarantee),
          stop_(stop),
          rivalReached_(rivalReached),
          shared_(shared),
          progress_(progress),
          start_(Clock::now()),
          timed_(settings.seconds > 0),
          limited_(timed_ || settings.maxMoves > 0),
          floor_(generatorFloor(settings)) {}

    GeneratorResult go() {
        const int v = settings_.numbers;
        std::uint64_t seed = settings_.seed;
        // The wheel given to go on from is the run's result from the start, so a run that ends
        // before the plain search is complete still gives it back.
        bool startKept = false;
        if (!settings_.start.empty()) {
            CoverSearch given(v, g_, seed, 1, tuning_, needed(), settings_.boardSize);
            current_ = &given;
            given.load(settings_.start);
            startKept = given.holes() == 0;  // a wheel with holes is no start
            if (startKept) record(given);
            current_ = nullptr;
        }
        // The plain survey. The plain greedy wheel may take the whole run (many numbers, a
        // guarantee over five): without it there is nothing to show.
        CoverSearch plain(v, g_, seed++, 1, tuning_, needed(), settings_.boardSize);
        Descent plainDescent;
        current_ = &plain;
        if (!plain.greedy([&] { return !ended(); })) return finish();
        descend(plain, stretch(tuning_.surveyShare), plainDescent);
        std::vector<std::uint64_t> bestStart = plainDescent.smallest;
        bool plainIsBest = true;
        Turn bestTurn;  // the turn whose orbits gave the smallest start; period 0 for none
        if (startKept && settings_.start.size() < bestStart.size()) {
            bestStart = settings_.start;
            plainIsBest = false;
        }
        auto surveyTurns = [&](const std::vector<Turn>& turns) {
            for (const Turn& turn : turns) {
                if (ended()) break;
                std::vector<std::uint64_t> start = surveyTurn(turn, seed++, stretch(tuning_.surveyShare));
                if (!start.empty() && start.size() < bestStart.size()) {
                    bestStart = std::move(start);
                    plainIsBest = false;
                    bestTurn = turn;
                }
            }
        };
        surveyTurns(singleTurns());
        // Under a filter too: the halves' wheels cover every m-subset, more than the filter asks, but
        // a good start for taking boards away.
        if (g_.t < g_.m && (g_.m + 1) / 2 >= g_.t && v - (v + 1) / 2 >= settings_.boardSize && !ended()) {
            std::vector<std::uint64_t> start = surveyHalves(seed, stretch(tuning_.surveyShare));
            seed += 4;
            if (!start.empty() && start.size() < bestStart.size()) {
                bestStart = std::move(start);
                plainIsBest = false;
                bestTurn = Turn{};
            }
        }
        surveyTurns(cycledTurns());
        // The rest of the run goes on from the smallest start: where the plain survey stopped, or
        // a plain search from the wheel another survey gave. It is given out in stretches. When a
        // turn gave the start, a search that has not shed one board of it by the end of a
        // stretch starts afresh from a new wheel of that turn: orbit wheels of one size differ,
        // and whether the plain search can take boards from one is largely luck (once the first
        // goes, the rest often follow). Any other search simply goes on: its patience grows.
        CoverSearch* rest = &plain;
        Descent* restDescent = &plainDescent;
        std::unique_ptr<CoverSearch> other;
        std::unique_ptr<Descent> otherDescent;
        auto startFrom = [&](const std::vector<std::uint64_t>& start) {
            other = std::make_unique<CoverSearch>(v, g_, seed++, 1, tuning_, needed(), settings_.boardSize);
            otherDescent = std::make_unique<Descent>();
            // A searched wheel has no boards to spare, unlike a greedy one: a tenth of it taken
            // away at once would cost whole stretches of failed tries before one board goes.
            otherDescent->dropAtOnce = false;
            other->load(start);
            rest = other.get();
            restDescent = otherDescent.get();
        };
        if (!plainIsBest) startFrom(bestStart);
        while (!ended() && used_ < 1.0 - 1e-9) {
            current_ = rest;
            descend(*rest, stretch(std::min(tuning_.restStretch, 1.0 - used_)), *restDescent);
            if (shared_ != nullptr && !ended()) {
                // Another search is further down: two searches from its wheel do better than
                // this one going on from a larger wheel.
                std::vector<std::uint64_t> smaller = shared_->smallerThan(restDescent->smallest.size());
                if (!smaller.empty()) {
                    startFrom(smaller);
                    continue;
                }
            }
            if (bestTurn.period > 1 && restDescent->smallest.size() >= bestStart.size() && !ended()) {
                std::vector<std::uint64_t> again = surveyTurn(bestTurn, seed++, stretch(tuning_.surveyAgain));
                if (ended()) break;
                startFrom(!again.empty() && again.size() <= bestStart.size() ? again : bestStart);
            }
        }
        return finish();
    }

private:
    // A stretch of the run: it ends at this time or this move count, whichever comes first.
    struct Stretch {
        double seconds;
        std::int64_t moves;
    };

    // The next `share` of the run, after the shares given before.
    Stretch stretch(double share) {
        used_ += share;
        if (!limited_) {
            // No end: every share is counted from now, and the run never uses all of it.
            used_ = 0;
            return {0, result_.moves + std::int64_t(tuning_.unlimitedMoves * share)};
        }
        return {settings_.seconds * used_,
                settings_.maxMoves > 0 ? std::int64_t(double(settings_.maxMoves) * used_) : INT64_MAX};
    }

    const std::vector<std::uint8_t>* needed() const { return settings_.needed.empty() ? nullptr : &settings_.needed; }

    double elapsed() const { return std::chrono::duration<double>(Clock::now() - start_).count(); }

    // The whole run is over: stopped, out of time or out of moves, or no smaller wheel is wanted.
    bool ended() {
        if (result_.complete && report_.bestBoards <= floor_) return true;
        if (stop_ != nullptr && stop_->load(std::memory_order_relaxed)) {
            result_.stopped = true;
            return true;
        }
        if (rivalReached_ != nullptr && result_.moves > rivalReached_->load(std::memory_order_relaxed)) return true;
        if (settings_.maxMoves > 0 && result_.moves >= settings_.maxMoves) return true;
        return timed_ && elapsed() >= settings_.seconds;
    }
    bool over(const Stretch& stretch) {
        return ended() || (timed_ && elapsed() >= stretch.seconds) || result_.moves >= stretch.moves;
    }

    void tell(bool always) {
        if (!progress_) return;
        const double now = elapsed();
        if (!always && now - lastReport_ < 0.2) return;
        lastReport_ = now;
        report_.boards = current_->size();
        report_.holes = static_cast<std::int64_t>(current_->holes());
        report_.moves = result_.moves;
        report_.seconds = now;
        progress_(report_);
    }

    void record(const CoverSearch& search) {
        if (result_.complete && search.size() >= report_.bestBoards) return;
        result_.complete = true;
        result_.wheel = search.wheel();
        report_.bestBoards = search.size();
        if (shared_ != nullptr) shared_->offer(search.boards());
        tell(true);
    }

    GeneratorResult finish() {
        result_.seconds = elapsed();
        return result_;
    }

    // A turn of the numbers: `cycles` runs of `period` numbers each moving round, the rest staying.
    struct Turn {
        int period = 0;
        int cycles = 1;
    };

    // The turns of one run of numbers a run surveys: of all the numbers, of all but one, ... all
    // but `turnsFixing`.
    std::vector<Turn> singleTurns() const {
        const int v = settings_.numbers;
        std::vector<Turn> turns;
        for (int fixed = 0; fixed <= tuning_.turnsFixing && v - fixed >= tuning_.leastTurning; ++fixed)
            turns.push_back({v - fixed, 1});
        return turns;
    }

    // Up to `cycleTurns` of the turns that move several runs of numbers round together (every one
    // with at most `turnsFixing` numbers staying and runs of `leastCycle` or more), from a place in
    // their list that the seed chooses, so that the searches of one run survey different ones.
    // Surveyed last: the other starts keep their places in the run.
    std::vector<Turn> cycledTurns() const {
        const int v = settings_.numbers;
        std::vector<Turn> turns, cycled;
        for (int fixed = 0; fixed <= tuning_.turnsFixing; ++fixed)
            for (int cycles = 2; (v - fixed) / cycles >= tuning_.leastCycle; ++cycles)
                if ((v - fixed) % cycles == 0) cycled.push_back({(v - fixed) / cycles, cycles});
        const int count = std::min<int>(tuning_.cycleTurns, static_cast<int>(cycled.size()));
        for (int i = 0; i < count; ++i) turns.push_back(cycled[(settings_.seed + i) % cycled.size()]);
        return turns;
    }

    // The start a turn gives within `stretch` of the run: the smallest complete wheel its orbit
    // search reaches, or the nearest wheel it saw made complete with boards chosen one by one when
    // that is smaller; empty when it reached none.
    std::vector<std::uint64_t> surveyTurn(const Turn& turn, std::uint64_t seed, const Stretch& stretch) {
        const int v = settings_.numbers;
        nearest_.clear();
        nearestScore_ = INT64_MAX;
        CoverSearch search(v, g_, seed, turn.period, tuning_, needed(), settings_.boardSize, turn.cycles);
        Descent descent;
        current_ = &search;
        if (!search.greedy([&] { return !over(stretch); })) return {};
        descend(search, stretch, descent);
        if (nearest_.empty() || ended()) return descent.smallest;
        CoverSearch plain(v, g_, seed, 1, tuning_, needed(), settings_.boardSize);
        current_ = &plain;
        plain.load(nearest_);
        if (plain.greedy([&] { return !ended(); }) && plain.size() < static_cast<int>(descent.smallest.size())) {
            record(plain);
            return plain.boards();
        }
        return descent.smallest;
    }

    // When any m drawn numbers put t of them in one half of the player's numbers (three of any
    // five drawn fall in the same half), a wheel for each half keeping "t if ceil(m/2)" keeps the
    // whole guarantee together: the start this survey gives; empty when no split got a complete
    // wheel for both halves. The halves need not be equal, and the best wheels of neighbouring
    // sizes differ unevenly ("3 if 3" over 9, 10 and 11 numbers: 12, 17 and 20 boards, so 20
    // numbers split 9 and 11 make a "3 if 5" of 32 boards, 10 and 10 one of 34): the even split
    // and the one next to it are both made, each half in an equal share of `stretch`, and the
    // smaller kept.
    std::vector<std::uint64_t> surveyHalves(std::uint64_t seed, const Stretch& stretch) {
        const int v = settings_.numbers;
        std::vector<int> firsts{(v + 1) / 2};
        if (v - (firsts[0] + 1) >= settings_.boardSize) firsts.push_back(firsts[0] + 1);
        int halvesLeft = 2 * static_cast<int>(firsts.size());
        std::vector<std::uint64_t> smallest;
        for (const int first : firsts) {
            std::vector<std::uint64_t> boards;
            for (const auto& [offset, numbers] : {std::pair{0, first}, std::pair{first, v - first}}) {
                const double part = 1.0 / halvesLeft--;  // of what is left of the stretch
                GeneratorSettings half;
                half.numbers = numbers;
                half.guarantee = {g_.t, (g_.m + 1) / 2};
                half.seed = seed++;
                half.boardSize = settings_.boardSize;
                half.seconds = timed_ ? std::max(0.001, (stretch.seconds - elapsed()) * part) : 0;
                if (stretch.moves != INT64_MAX)
                    half.maxMoves = std::max<std::int64_t>(1, std::int64_t(double(stretch.moves - result_.moves) * part));
                const GeneratorResult wheel = runGenerator(half, stop_, {}, tuning_);
                result_.moves += wheel.moves;
                if (!wheel.complete) {
                    // The other half of this split is not made: its share goes to the next split.
                    if (offset == 0) --halvesLeft;
                    boards.clear();
                    break;
                }
                for (const Board& board : wheel.wheel.boards) {
                    std::uint64_t mask = 0;
                    for (int k = 0; k < settings_.boardSize; ++k) mask |= std::uint64_t(1) << (board[k] + offset);
                    boards.push_back(mask);
                }
            }
            if (!boards.empty() && (smallest.empty() || boards.size() < smallest.size())) smallest = std::move(boards);
        }
        if (smallest.empty()) return {};
        CoverSearch whole(v, g_, seed, 1, tuning_, needed(), settings_.boardSize);
        current_ = &whole;
        whole.load(smallest);
        if (whole.holes() != 0) return {};  // never a start with holes, whatever went wrong
        record(whole);
        return smallest;
    }

    // Where a downward search stands between the stretches of the run it is given.
    struct Descent {
        bool begun = false;
        bool trying = false;  // orbits taken away; the smaller size is not complete yet
        double firstPatience = 0;
        double patience = 0;
        bool fresh = true;
        int jump = 1;
        bool dropAtOnce = true;  // the first try takes `firstDrop` of the orbits away, not one
        std::int64_t stepsHere = 0;
        std::vector<std::uint64_t> smallest;  // the smallest complete wheel it reached
    };

    // Searches `search` downwards from its complete wheel until `stretch` is spent or the run
    // ends, keeping in `d` where it stands so that a later stretch goes on from there. An orbit
    // search also keeps in nearest_ the wheel nearest to complete it saw below its smallest
    // complete one: its boards counted with its holes, a board closing at most as many holes as
    // the subsets it meets.
    void descend(CoverSearch& search, const Stretch& stretch, Descent& d) {
        const int period = search.period();
        const std::int64_t perBoard =
            std::int64_t(kBinomial(settings_.boardSize, g_.t)) * std::int64_t(kBinomial(settings_.numbers - g_.t, g_.m - g_.t));
        if (!d.begun) {
            record(search);
            d.begun = true;
            d.firstPatience = std::max(tuning_.leastPatience, tuning_.patiencePerOrbit * search.orbits()) *
                              (period > 1 ? tuning_.orbitPatience : 1.0);
            d.patience = d.firstPatience;
            d.smallest = search.boards();
            d.jump = d.dropAtOnce ? std::max(1, static_cast<int>(search.orbits() * tuning_.firstDrop)) : 1;
        }
        while (d.trying || search.size() - period >= floor_) {
            if (!d.trying) {
                const int target = std::max(floor_, search.size() - d.jump * period);
                while (search.size() - period >= target) search.removeOrbit(!d.fresh);
                d.trying = true;
                d.stepsHere = 0;
            }
            // Taking orbits away can leave the wheel complete (a greedy wheel often has boards
            // to spare): a step then has no hole to close, so none is made.
            bool found = search.holes() == 0;
            while (!found) {
                if ((result_.moves & 0xff) == 0 || settings_.maxMoves > 0) {
                    if (over(stretch)) return;
                    if ((result_.moves & 0xff) == 0) tell(false);
                }
                search.step();
                ++result_.moves;
                found = search.holes() == 0;
                if (period > 1 && !found) {
                    const std::int64_t score = std::int64_t(search.size()) * perBoard + std::int64_t(search.holes());
                    if (score < nearestScore_) {
                        nearestScore_ = score;
                        nearest_ = search.boards();
                    }
                }
                if (!found && ++d.stepsHere > d.patience) break;
            }
            d.trying = false;
            if (found) {
                record(search);
                d.smallest = search.boards();
                if (!nearest_.empty() && nearest_.size() >= d.smallest.size()) {
                    nearestScore_ = INT64_MAX;
                    nearest_.clear();
                }
                search.reheat(false);
                d.patience = d.firstPatience;
                d.fresh = true;
                continue;
            }
            // Stuck at this size: start again from the smallest complete wheel without another
            // of its orbits, and give the next attempt longer.
            search.load(d.smallest);
            if (d.jump > 1) {
                d.jump /= 2;
            } else {
                d.patience *= tuning_.patienceGrowth;
                d.fresh = false;
                search.reheat(true);
            }
        }
    }

    const GeneratorSettings& settings_;
    const GeneratorTuning& tuning_;
    const Guarantee g_;
    const std::atomic<bool>* stop_;
    const std::atomic<std::int64_t>* rivalReached_;
    SharedWheel* shared_;
    const GeneratorProgressCallback& progress_;
    const Clock::time_point start_;
    const bool timed_;
    const bool limited_;
    const int floor_;
    double used_ = 0;  // the share of the run given out so far
    GeneratorResult result_;
    GeneratorProgress report_;
    double lastReport_ = 0;
    const CoverSearch* current_ = nullptr;
    std::vector<std::uint64_t> nearest_;
    std::int64_t nearestScore_ = INT64_MAX;
};

}  // namespace

GeneratorResult runGenerator(const GeneratorSettings& settings, const std::atomic<bool>* stop,
                             const GeneratorProgressCallback& progress, const GeneratorTuning& tuning,
                             const std::atomic<std::int64_t>* rivalReached, SharedWheel* shared) {
    if (generatorLimitsProblem(settings.numbers, settings.guarantee, settings.boardSize)) return {};
    return GeneratorRun(settings, stop, progress, tuning, rivalReached, shared).go();
}

void SharedWheel::offer(const std::vector<std::uint64_t>& boards) {
    const std::lock_guard lock(mutex_);
    if (boards_.empty() || boards.size() < boards_.size()) boards_ = boards;
}

std::vector<std::uint64_t> SharedWheel::smallerThan(std::size_t boards) const {
    const std::lock_guard lock(mutex_);
    return boards_.size() < boards ? boards_ : std::vector<std::uint64_t>{};
}

}  // namespace norvex5::workshop
