#include "workshop/wheelgenerator.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "workshop/wheelcheck.h"

namespace norvex5::workshop {
namespace {

GeneratorSettings smallCase(int v, Guarantee g, std::int64_t moves, std::uint64_t seed = 7) {
    GeneratorSettings settings;
    settings.numbers = v;
    settings.guarantee = g;
    settings.seed = seed;
    settings.seconds = 0;  // limited by moves only, so every run ends alike
    settings.maxMoves = moves;
    settings.threads = 1;
    return settings;
}

void expectKeeps(const GeneratorResult& result, int v, Guarantee g) {
    ASSERT_TRUE(result.complete);
    EXPECT_EQ(result.wheel.numbers, v);
    for (const Board& board : result.wheel.boards) {
        for (int k = 0; k < kBoardSize; ++k) EXPECT_LT(board[k], v);
        for (int k = 1; k < kBoardSize; ++k) EXPECT_LT(board[k - 1], board[k]);
    }
    EXPECT_EQ(checkGuarantee(CoverageIndex(result.wheel), g).holes, 0) << v << ": " << g.t << " if " << g.m;
}

TEST(WheelGenerator, EveryGeneratedWheelPassesTheCheck) {
    const struct {
        int v;
        Guarantee g;
    } cases[] = {{5, {3, 3}},  {6, {5, 5}},  {9, {2, 2}},  {10, {3, 3}}, {11, {4, 4}}, {12, {3, 4}},
                 {13, {4, 5}}, {11, {2, 5}}, {15, {3, 5}}, {16, {2, 3}}, {22, {3, 3}}};
    for (const auto& c : cases) {
        const GeneratorResult result = generateWheel(smallCase(c.v, c.g, 5000));
        expectKeeps(result, c.v, c.g);
        EXPECT_GE(static_cast<int>(result.wheel.boards.size()), lowerBound(c.v, c.g));
    }
}

TEST(WheelGenerator, BoardsOneNumberLongerThanAGuaranteeOfAllDrawnKeepIt) {
    // Short runs over many numbers, on boards of five and on the shorter boards beside key
    // numbers: the surveys of turns of one run of numbers and of several end early, and what they
    // leave is the wheel given back.
    const struct {
        int v;
        int t;
        int boardSize;
    } cases[] = {{20, 4, 5}, {21, 4, 5}, {14, 3, 4}, {15, 3, 4}, {12, 2, 3}};
    for (const auto& c : cases) {
        GeneratorSettings settings = smallCase(c.v, {c.t, c.t}, 300);
        settings.boardSize = c.boardSize;
        const GeneratorResult result = generateWheel(settings);
        ASSERT_TRUE(result.complete) << c.v << " numbers, " << c.t << " if " << c.t;
        EXPECT_EQ(result.wheel.boardSize, c.boardSize);
        EXPECT_EQ(checkGuarantee(CoverageIndex(result.wheel), {c.t, c.t}).holes, 0)
            << c.v << " numbers, " << c.t << " if " << c.t << " on boards of " << c.boardSize;
        EXPECT_GE(static_cast<int>(result.wheel.boards.size()), lowerBound(c.v, {c.t, c.t}, c.boardSize));
    }
}

TEST(WheelGenerator, BoardsTakenAwayThatLeaveTheWheelCompleteAreKeptAway) {
    // The greedy wheels of "2 if 2" have boards to spare: taking one away often leaves the wheel
    // complete, with no hole for the search to close. Built with the sanitizers, a search step
    // taken there shows as a number looked for in an empty set.
    for (const int v : {9, 10, 12})
        for (const std::uint64_t seed : {1, 2, 3, 7}) {
            const GeneratorResult result = generateWheel(smallCase(v, {2, 2}, 5000, seed));
            expectKeeps(result, v, {2, 2});
            EXPECT_LE(result.moves, 5000) << v << " numbers, seed " << seed;
        }
}

TEST(WheelGenerator, TheSameSeedGivesTheSameWheel) {
    const GeneratorResult a = generateWheel(smallCase(13, {3, 4}, 3000, 42));
    const GeneratorResult b = generateWheel(smallCase(13, {3, 4}, 3000, 42));
    ASSERT_TRUE(a.complete);
    EXPECT_EQ(a.wheel.boards, b.wheel.boards);
    EXPECT_EQ(a.moves, b.moves);
}

TEST(WheelGenerator, SearchesSideBySideEndAlikeFromTheSameSeed) {
    // Limited by moves, several searches give the same wheel every time, whichever ends first;
    // the first takes the path one search alone takes, so together they never do worse.
    for (const auto& [v, g] : {std::pair{13, Guarantee{3, 4}}, std::pair{16, Guarantee{3, 3}}}) {
        GeneratorSettings settings = smallCase(v, g, 6000, 42);
        const GeneratorResult alone = generateWheel(settings);
        for (const int threads : {2, 3}) {
            settings.threads = threads;
            const GeneratorResult a = generateWheel(settings);
            const GeneratorResult b = generateWheel(settings);
            expectKeeps(a, v, g);
            EXPECT_EQ(a.wheel.boards, b.wheel.boards) << threads << " threads";
            EXPECT_EQ(a.moves, b.moves) << threads << " threads";
            EXPECT_LE(a.wheel.boards.size(), alone.wheel.boards.size()) << threads << " threads";
            EXPECT_GT(a.moves, alone.moves) << threads << " threads";  // the others searched too
            EXPECT_LE(a.moves, threads * settings.maxMoves) << threads << " threads";
        }
    }
}

TEST(WheelGenerator, ARunEndedByTheSizeWantedGivesTheSameWheelEveryTime) {
    // Timed, but ended by the target: the wheel is that of the search that got there in the
    // fewest moves, whichever search's thread ran ahead.
    GeneratorSettings settings = smallCase(12, {3, 3}, 0, 3);
    settings.seconds = 120;
    settings.targetBoards = 30;
    settings.threads = 3;
    const GeneratorResult first = generateWheel(settings);
    expectKeeps(first, 12, {3, 3});
    EXPECT_LE(first.wheel.boards.size(), 30u);
    EXPECT_LT(first.seconds, 120);
    for (int again = 0; again < 4; ++again) EXPECT_EQ(generateWheel(settings).wheel.boards, first.wheel.boards);
}

TEST(WheelGenerator, SearchesThatGoOnFromAnothersWheelKeepTheGuarantee) {
    // Timed runs share their wheels on the way: what a search takes from another is a wheel it
    // can go on from, whatever its own search was (plain, turned, halves).
    for (const auto& [v, g] : {std::pair{14, Guarantee{3, 3}}, std::pair{16, Guarantee{3, 5}}}) {
        GeneratorSettings settings = smallCase(v, g, 0);
        // Long enough for a first whole wheel even on a loaded machine under the sanitizers.
        settings.seconds = 2;
        settings.threads = 3;
        expectKeeps(generateWheel(settings), v, g);
    }
}

TEST(WheelGenerator, SearchesSideBySideTellOneProgressAndStopTogether) {
    // The callback is never entered by two searches at once, the best size it is told never
    // grows, and one stop flag ends every search with the smallest wheel any found.
    std::atomic<bool> stop{false};
    std::atomic<int> inside{0};
    bool overlapped = false;
    int lastBest = 0;
    GeneratorSettings settings = smallCase(18, {3, 3}, 0);
    settings.seconds = 60;
    settings.threads = 3;
    const GeneratorResult result = generateWheel(settings, &stop, [&](const GeneratorProgress& p) {
        if (inside.fetch_add(1) != 0) overlapped = true;
        if (p.bestBoards != 0) {
            if (lastBest != 0) {
                EXPECT_LE(p.bestBoards, lastBest);
            }
            lastBest = p.bestBoards;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));  // widens any overlap
        if (p.moves > 6000) stop = true;
        inside.fetch_sub(1);
    });
    EXPECT_FALSE(overlapped);
    EXPECT_TRUE(result.stopped);
    expectKeeps(result, 18, {3, 3});
    EXPECT_EQ(static_cast<int>(result.wheel.boards.size()), lastBest);
    EXPECT_LT(result.seconds, 60);
}

TEST(WheelGenerator, AStopBeforeTheFirstCompleteWheelLeavesNone) {
    for (const int threads : {1, 2}) {
        std::atomic<bool> stop{true};
        GeneratorSettings settings = smallCase(20, {3, 3}, 0);
        settings.threads = threads;
        const GeneratorResult result = generateWheel(settings, &stop);
        EXPECT_FALSE(result.complete) << threads;
        EXPECT_TRUE(result.stopped) << threads;
        EXPECT_TRUE(result.wheel.boards.empty()) << threads;
    }
}

TEST(WheelGenerator, AStopKeepsTheSmallestCompleteWheelAndProgressSaysSo) {
    // With a clock far off, and with no limit at all: the stop flag ends both.
    for (const double seconds : {60.0, 0.0}) {
        std::atomic<bool> stop{false};
        int reports = 0;
        int lastBest = 0;
        GeneratorSettings settings = smallCase(18, {3, 3}, 0);
        settings.seconds = seconds;
        const GeneratorResult result = generateWheel(settings, &stop, [&](const GeneratorProgress& p) {
            ++reports;
            if (p.bestBoards != 0) {
                if (lastBest != 0) {
                    EXPECT_LE(p.bestBoards, lastBest);
                }
                lastBest = p.bestBoards;
            }
            EXPECT_GE(p.boards, 1);
            if (p.moves > 2000) stop = true;
        });
        EXPECT_TRUE(result.stopped) << seconds;
        EXPECT_GT(reports, 1) << seconds;
        expectKeeps(result, 18, {3, 3});
        EXPECT_EQ(static_cast<int>(result.wheel.boards.size()), lastBest) << seconds;
        EXPECT_LT(result.seconds, 60) << seconds;
    }
}

TEST(WheelGenerator, AMoveLimitIsKeptExactlyWhateverTheSurveys) {
    // The move limit is shared among the surveys and the fresh starts; none may run over it.
    for (const int moves : {1, 257, 10'000}) {
        const GeneratorResult result = generateWheel(smallCase(19, {3, 3}, moves));
        EXPECT_LE(result.moves, moves);
        if (result.complete) expectKeeps(result, 19, {3, 3});
    }
}

TEST(WheelGenerator, ATargetSizeEndsTheRunThere) {
    GeneratorSettings settings = smallCase(12, {3, 3}, 200000);
    settings.targetBoards = 30;
    const GeneratorResult result = generateWheel(settings);
    expectKeeps(result, 12, {3, 3});
    EXPECT_EQ(result.wheel.boards.size(), 30u);
}

TEST(WheelGenerator, SettingsOutsideTheLimitsGiveNoWheel) {
    EXPECT_FALSE(generateWheel(smallCase(4, {2, 2}, 100)).complete);
    EXPECT_FALSE(generateWheel(smallCase(51, {2, 2}, 100)).complete);
    EXPECT_FALSE(generateWheel(smallCase(10, {1, 2}, 100)).complete);
    EXPECT_FALSE(generateWheel(smallCase(10, {4, 3}, 100)).complete);
}

TEST(WheelGenerator, LowerBoundIsSchoenheims) {
    EXPECT_EQ(lowerBound(8, {3, 3}), 7);
    EXPECT_EQ(lowerBound(10, {3, 3}), 14);
    EXPECT_EQ(lowerBound(17, {3, 3}), 68);  // met by the Steiner system
    EXPECT_EQ(lowerBound(12, {2, 2}), 8);
    EXPECT_EQ(lowerBound(20, {3, 5}), 1);
}

}  // namespace
}  // namespace norvex5::workshop
