#include "externalwheels/replacementmap.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace norvex5 {
namespace {

TEST(ReplacementMap, BuiltFromTheBoxes) {
    GridABoxTexts gridA;
    GridBBoxTexts gridB;
    for (int n = 1; n <= 50; ++n) gridA[n] = std::to_string(n);
    for (int m = 1; m <= 9; ++m) gridB[m] = std::to_string(m);
    const ReplacementMap untouched = buildReplacementMap(gridA, gridB, ReplacementMap{});
    EXPECT_EQ(untouched, identityReplacementMap());
    EXPECT_EQ(untouched[0], 0);
    EXPECT_EQ(untouched[51], 1);
    EXPECT_EQ(untouched[59], 9);
    EXPECT_EQ(untouched[60], 0);

    gridA[3] = "44";
    gridA[5] = "";
    gridA[2] = "abc";
    gridA[1] = "9";
    gridA[9] = "9";
    gridA[7] = " 12";
    gridA[8] = "12 ";
    gridA[10] = "-3";
    gridB[1] = "4";
    gridB[2] = "x";
    ReplacementMap previous{};
    previous[52] = 77;
    previous[60] = 5;
    const ReplacementMap map = buildReplacementMap(gridA, gridB, previous);
    EXPECT_EQ(map[3], 44);
    EXPECT_EQ(map[5], 5) << "an empty box leaves its number";
    EXPECT_EQ(map[2], 2) << "not a number";
    EXPECT_EQ(map[1], 9);
    EXPECT_EQ(map[9], 9) << "repeats are allowed";
    EXPECT_EQ(map[7], 12) << "leading blanks are accepted";
    EXPECT_EQ(map[8], 8) << "a trailing blank is not";
    EXPECT_EQ(map[10], -3);
    EXPECT_EQ(map[51], 4);
    EXPECT_EQ(map[52], 77) << "a grid B box that is not a number keeps the entry";
    EXPECT_EQ(map[60], 5) << "entries without a box are never written";
}

TEST(ReplacementMap, ReadersReplaceOnlyTheirRange) {
    ReplacementMap map = identityReplacementMap();
    map[3] = 44;
    map[51] = 4;
    EXPECT_EQ(replaceGridA(map, 3), 44);
    for (std::int32_t v : {0, -3, 51, 100, INT32_MAX, INT32_MIN}) EXPECT_EQ(replaceGridA(map, v), v);
    EXPECT_EQ(replaceGridB(map, 1), 4);
    EXPECT_EQ(replaceGridB(map, 10), 0) << "grid B beyond the nine boxes";
    EXPECT_EQ(replaceGridB(map, 50), 0);
    EXPECT_EQ(replaceGridB(map, 51), 51);
    EXPECT_EQ(replaceCompared(map, 51), 4);
    EXPECT_EQ(replaceCompared(map, 100), 0);
    EXPECT_EQ(replaceCompared(map, 101), 101);
}

// The boxes of a file that uses wheel numbers 1..13 in grid A and 1..2 in grid B, for a game up
// to 49; what the first box that would spoil the boards is, if any.
TEST(ReplacementMap, TheFirstBoxThatWouldSpoilTheBoards) {
    struct Case {
        std::vector<std::pair<int, const char*>> boxes;  // grid A boxes typed; 51.. is grid B 1..
        std::optional<ReplacementFault> fault;
        bool gridB = false;
        int box = 0;
        const char* text = "";
        int otherBox = 0;
    };
    const Case cases[] = {
        // Untouched, and replaced by numbers a ticket carries: nothing to say.
        {{}, std::nullopt},
        {{{1, "44"}, {2, " 47"}, {13, "49"}}, std::nullopt},
        // Replacing 1 by 44 while box 44 still shows 44: the file never uses 44.
        {{{1, "44"}, {44, "44"}}, std::nullopt},
        // Boxes of numbers the file does not use may hold anything.
        {{{14, "abc"}, {20, "99999"}, {53, "0"}}, std::nullopt},
        // An empty box plays its own number.
        {{{3, ""}}, std::nullopt},
        {{{2, "abc"}, {3, "99999"}}, ReplacementFault::NotANumber, false, 2, "abc"},
        {{{3, "99999"}}, ReplacementFault::NotOnTicket, false, 3, "99999"},
        {{{4, "0"}}, ReplacementFault::NotOnTicket, false, 4, "0"},
        {{{5, "-5"}}, ReplacementFault::NotOnTicket, false, 5, "-5"},
        {{{6, "50"}}, ReplacementFault::NotOnTicket, false, 6, "50"},
        {{{7, "12 "}}, ReplacementFault::NotANumber, false, 7, "12 "},
        {{{1, "9"}, {9, "9"}}, ReplacementFault::SameNumber, false, 1, "9", 9},
        {{{1, "9"}, {9, ""}}, ReplacementFault::SameNumber, false, 1, "9", 9},
        {{{9, ""}, {10, "9"}}, ReplacementFault::SameNumber, false, 9, "9", 10},
        // Grid B: 1..9 whatever the game, looked at after grid A.
        {{{52, "10"}, {5, "x"}}, ReplacementFault::NotANumber, false, 5, "x"},
        {{{52, "10"}}, ReplacementFault::NotOnTicket, true, 2, "10"},
        {{{51, "2"}}, ReplacementFault::SameNumber, true, 1, "2", 2},
        {{{51, "3"}, {53, "3"}}, std::nullopt},
    };
    UsedGridA usedA{};
    for (int n = 1; n <= 13; ++n) usedA[static_cast<std::size_t>(n)] = true;
    UsedGridB usedB{};
    usedB[1] = usedB[2] = true;
    for (const Case& c : cases) {
        GridABoxTexts gridA;
        GridBBoxTexts gridB;
        for (int n = 1; n <= 50; ++n) gridA[static_cast<std::size_t>(n)] = std::to_string(n);
        for (int m = 1; m <= 9; ++m) gridB[static_cast<std::size_t>(m)] = std::to_string(m);
        std::string typed;
        for (const auto& [box, text] : c.boxes) {
            (box > 50 ? gridB[static_cast<std::size_t>(box - 50)] : gridA[static_cast<std::size_t>(box)]) = text;
            typed += std::to_string(box) + "=\"" + text + "\" ";
        }
        const ReplacementMap map = buildReplacementMap(gridA, gridB, identityReplacementMap());
        const auto problem = firstReplacementProblem(gridA, gridB, map, usedA, usedB, 49);
        ASSERT_EQ(problem.has_value(), c.fault.has_value()) << typed;
        if (!problem) continue;
        EXPECT_EQ(problem->fault, *c.fault) << typed;
        EXPECT_EQ(problem->gridB, c.gridB) << typed;
        EXPECT_EQ(problem->box, c.box) << typed;
        EXPECT_EQ(problem->text, c.text) << typed;
        EXPECT_EQ(problem->otherBox, c.otherBox) << typed;
    }
    // A game up to 39 cannot carry a 45 that an untouched box plays.
    usedA[45] = true;
    GridABoxTexts gridA;
    GridBBoxTexts gridB;
    for (int n = 1; n <= 50; ++n) gridA[static_cast<std::size_t>(n)] = std::to_string(n);
    const auto problem = firstReplacementProblem(gridA, gridB, identityReplacementMap(), usedA, usedB, 39);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->box, 45);
    EXPECT_EQ(problem->fault, ReplacementFault::NotOnTicket);
    EXPECT_EQ(problem->highest, 39);
}

}  // namespace
}  // namespace norvex5
