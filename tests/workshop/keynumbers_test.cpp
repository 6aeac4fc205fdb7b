#include "workshop/keynumbers.h"

#include <gtest/gtest.h>

#include "workshop/wheelcheck.h"
#include "workshop/wheelgenerator.h"

namespace norvex5::workshop {
namespace {

Wheel wheelOf(int numbers, int boardSize, std::vector<std::vector<int>> boards) {
    Wheel wheel;
    wheel.numbers = numbers;
    wheel.boardSize = boardSize;
    for (const auto& numbersOnBoard : boards) {
        Board board{};
        for (std::size_t k = 0; k < numbersOnBoard.size(); ++k) board[k] = static_cast<std::uint8_t>(numbersOnBoard[k]);
        wheel.boards.push_back(board);
    }
    return wheel;
}

// The seven triples of seven numbers: every pair lies on exactly one.
Wheel fanoPlane() {
    return wheelOf(7, 3, {{0, 1, 2}, {0, 3, 4}, {0, 5, 6}, {1, 3, 5}, {1, 4, 6}, {2, 3, 6}, {2, 4, 5}});
}

TEST(ShortBoards, TheCheckCountsOnlyTheNumbersABoardHolds) {
    const CoverageIndex index(fanoPlane());
    EXPECT_EQ(checkGuarantee(index, {2, 2}).holes, 0);
    // No three numbers but the seven triples lie together: 35 - 7 holes of "3 if 3".
    EXPECT_EQ(checkGuarantee(index, {3, 3}).holes, 28);
    const auto profile = coverageProfile(index);
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->best[5][4] + profile->best[5][5], 0);  // no board holds four
    const WinTable table = winTable(*profile, 49);
    // A board of three numbers holds two of three drawn among the seven in C(3,2) C(4,1) of C(7,3)
    // ways; seven boards make 7 * 12 / 35 boards with two on average.
    EXPECT_NEAR(table.expectedBoards[3][2], 7.0 * 12.0 / 35.0, 1e-12);
    EXPECT_NEAR(table.expectedBoards[3][3], 7.0 / 35.0, 1e-12);
}

TEST(ShortBoards, TheGeneratorMakesThemAndKnowsTheirBound) {
    // Schönheim: 9 numbers in triples keeping "2 if 2" need ceil(9/3 * ceil(8/2)) = 12 boards,
    // which the twelve triples of nine numbers reach.
    EXPECT_EQ(lowerBound(9, {2, 2}, 3), 12);
    EXPECT_EQ(lowerBound(9, {2, 2}), lowerBound(9, {2, 2}, kBoardSize));
    GeneratorSettings settings;
    settings.numbers = 9;
    settings.guarantee = {2, 2};
    settings.boardSize = 3;
    settings.threads = 1;
    settings.seed = 4;
    settings.seconds = 0;
    settings.maxMoves = 200000;
    const GeneratorResult result = generateWheel(settings);
    ASSERT_TRUE(result.complete);
    EXPECT_EQ(result.wheel.boardSize, 3);
    EXPECT_EQ(result.wheel.boards.size(), 12u);
    for (const Board& board : result.wheel.boards) {
        EXPECT_LT(board[0], board[1]);
        EXPECT_LT(board[1], board[2]);
        EXPECT_EQ(board[3], 0);
        EXPECT_EQ(board[4], 0);
    }
    EXPECT_EQ(checkGuarantee(CoverageIndex(result.wheel), {2, 2}).holes, 0);
    // "3 if 4" over 12 numbers on boards of four: half-wheel starts included.
    settings.numbers = 12;
    settings.guarantee = {3, 4};
    settings.boardSize = 4;
    settings.maxMoves = 20000;
    const GeneratorResult longer = generateWheel(settings);
    ASSERT_TRUE(longer.complete);
    EXPECT_EQ(checkGuarantee(CoverageIndex(longer.wheel), {3, 4}).holes, 0);
}

TEST(ShortBoards, LimitsNameTheBoardSize) {
    EXPECT_FALSE(checkLimitsProblem(4, {2, 3}, 3));
    EXPECT_TRUE(checkLimitsProblem(10, {2, 2}, 1));
    EXPECT_TRUE(checkLimitsProblem(10, {2, 2}, 6));
    EXPECT_TRUE(checkLimitsProblem(2, {2, 2}, 3));
    EXPECT_TRUE(checkLimitsProblem(10, {4, 4}, 3));  // three numbers on a board never hold four
    EXPECT_TRUE(checkLimitsProblem(4, {2, 2}));      // five-number boards still need five numbers
}

TEST(KeyNumbers, EveryBoardHoldsThemAndTheGuaranteeHoldsWhenTheyAreDrawn) {
    // One key number beside the seven triples: "3 if 3" whenever the key number is drawn.
    const Wheel wheel = withKeyNumbers(fanoPlane(), 1);
    EXPECT_EQ(wheel.numbers, 8);
    EXPECT_EQ(wheel.boardSize, 4);
    ASSERT_EQ(wheel.boards.size(), 7u);
    EXPECT_EQ(wheel.boards[3], (Board{0, 2, 4, 6, 0}));
    const CoverageIndex index(wheel);
    const GuaranteeReport kept = checkGuaranteeWithKeys(index, {3, 3}, 1);
    EXPECT_EQ(kept.subsets, 21);  // the pairs of the seven others
    EXPECT_EQ(kept.holes, 0);
    // Without the key number among the drawn ones it is no "3 if 3".
    EXPECT_GT(checkGuarantee(index, {3, 3}).holes, 0);
    // Counted among the draws holding the key number, whatever the boards: in the triples alone
    // 0 x y is met only by the three triples holding 0, of the 15 such draws.
    const GuaranteeReport triples = checkGuaranteeWithKeys(CoverageIndex(fanoPlane()), {3, 3}, 1, 2);
    EXPECT_EQ(triples.subsets, 15);
    EXPECT_EQ(triples.holes, 12);
    ASSERT_EQ(triples.firstHoles.size(), 2u);
    EXPECT_EQ(triples.firstHoles[0], (std::vector<std::uint8_t>{0, 1, 3}));
    EXPECT_EQ(triples.firstHoles[1], (std::vector<std::uint8_t>{0, 1, 4}));
}

TEST(KeyNumbers, GeneratedWheelsKeepTheirGuaranteeWhenTheKeysAreDrawn) {
    struct Case {
        int numbers, t, m, keys;
    };
    for (const Case c : {Case{12, 3, 3, 1}, Case{14, 4, 4, 2}, Case{15, 3, 4, 1}, Case{20, 2, 3, 1}, Case{10, 3, 3, 3},
                         Case{16, 4, 5, 2}}) {
        GeneratorSettings settings;
        settings.numbers = c.numbers;
        settings.guarantee = {c.t, c.m};
        settings.threads = 1;
        settings.seconds = 0;
        settings.maxMoves = 20000;
        ASSERT_FALSE(keyNumbersProblem(c.numbers, {c.t, c.m}, c.keys)) << c.numbers;
        const GeneratorResult result = generateWithKeyNumbers(settings, c.keys);
        ASSERT_TRUE(result.complete) << c.numbers << " " << c.keys;
        EXPECT_EQ(result.wheel.numbers, c.numbers);
        EXPECT_EQ(result.wheel.boardSize, kBoardSize);
        for (const Board& board : result.wheel.boards)
            for (int k = 0; k < c.keys; ++k) EXPECT_EQ(board[k], k);
        EXPECT_EQ(checkGuaranteeWithKeys(CoverageIndex(result.wheel), {c.t, c.m}, c.keys).holes, 0)
            << c.numbers << " " << c.t << " if " << c.m << " keys " << c.keys;
    }
}

TEST(KeyNumbers, AGuaranteeOfOneBesideTheKeysNeedsNoSearch) {
    // "2 if 3" with one key number: one of any two other numbers drawn must be on a board, so the
    // boards hold all others but one: 19 others, 18 of them on boards of four.
    const auto wheel = wheelWithoutSearch(19, {1, 2}, 4);
    ASSERT_TRUE(wheel);
    EXPECT_EQ(wheel->boards.size(), 5u);
    EXPECT_EQ(checkGuarantee(CoverageIndex(*wheel), {1, 2}).holes, 0);
    EXPECT_EQ(wheelWithoutSearch(19, {0, 0}, 2)->boards.size(), 1u);
    EXPECT_FALSE(wheelWithoutSearch(19, {2, 2}, 4));
}

TEST(KeyNumbers, WhatCannotBeAskedIsNamed) {
    EXPECT_TRUE(keyNumbersProblem(12, {3, 3}, 0));
    EXPECT_TRUE(keyNumbersProblem(12, {4, 4}, 4));   // more than three
    EXPECT_TRUE(keyNumbersProblem(12, {2, 2}, 3));   // the key numbers must be drawn for the guarantee
    EXPECT_TRUE(keyNumbersProblem(12, {3, 3}, 3, 3));  // no room beside them on a board of three
    EXPECT_TRUE(keyNumbersProblem(4, {3, 3}, 1));
    EXPECT_FALSE(keyNumbersProblem(12, {3, 5}, 2));
    EXPECT_EQ(guaranteeBesideKeys({3, 5}, 2), (Guarantee{1, 3}));
}

}  // namespace
}  // namespace norvex5::workshop
