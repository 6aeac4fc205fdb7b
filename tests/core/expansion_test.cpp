#include "core/expansion.h"

#include <algorithm>
#include <numeric>

#include <gtest/gtest.h>

#include "core/wheelcatalogue.h"

namespace norvex5 {
namespace {

SelectionState ticked(std::initializer_list<int> numbers, NumberState state = kSelected) {
    SelectionState s{};
    for (int n : numbers) s[n] = state;
    return s;
}

std::vector<int> maskNumbers(const BoardMask& mask) {
    std::vector<int> numbers;
    for (int n = 1; n <= kNumberCount; ++n)
        if (mask[n] == 1) numbers.push_back(n);
    return numbers;
}

TEST(Expansion, SelectionCheck) {
    EXPECT_TRUE(selectionFitsWheel(ticked({3, 11, 17, 25, 38, 44}), 1));
    EXPECT_FALSE(selectionFitsWheel(ticked({3, 11, 17, 25, 38}), 1)) << "5 numbers for a 6-number wheel";
    EXPECT_FALSE(selectionFitsWheel(ticked({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), 5));

    SelectionState oneFixed = ticked({3, 11, 17, 25, 38});
    oneFixed[44] = kFixed;
    EXPECT_FALSE(selectionFitsWheel(oneFixed, 1)) << "no built-in wheel takes a fixed number";

    SelectionState withGridB = ticked({3, 11, 17, 25, 38, 44});
    withGridB[51] = kSelected;
    withGridB[60] = kFixed;
    EXPECT_TRUE(selectionFitsWheel(withGridB, 1)) << "grid B is not looked at";

    for (int wheel : {-1, 0, 9, 1000}) EXPECT_FALSE(selectionFitsWheel(ticked({1, 2, 3, 4, 5, 6}), wheel));
}

TEST(Expansion, NumberListPutsFixedFirstThenSelectedAscending) {
    Expansion e;
    e.numberList.fill(99);
    prepareNumberList(e, ticked({40, 2, 17, 9, 33, 21}));
    EXPECT_EQ(std::vector<int>(e.numberList.begin() + 1, e.numberList.begin() + 8),
              (std::vector<int>{2, 9, 17, 21, 33, 40, 0}));
    EXPECT_EQ(e.numberList[70], 0);

    SelectionState s = ticked({5, 50, 12});
    s[30] = kFixed;
    s[8] = kFixed;
    s[55] = kSelected;  // grid B never enters the list
    prepareNumberList(e, s);
    EXPECT_EQ(std::vector<int>(e.numberList.begin() + 1, e.numberList.begin() + 7),
              (std::vector<int>{8, 30, 5, 12, 50, 0}));
}

TEST(Expansion, BoardsOfWheelOne) {
    Expansion e;
    BoardMask mask{};
    startExpansion(e, ticked({3, 11, 17, 25, 38, 44}), 1);
    EXPECT_EQ(e.currentBoard, 1);
    EXPECT_EQ(e.boardCount, 5);
    const std::vector<std::vector<int>> want = {
        {3, 11, 17, 25, 44}, {3, 11, 17, 38, 44}, {3, 11, 25, 38, 44}, {3, 17, 25, 38, 44}, {11, 17, 25, 38, 44}};
    for (int i = 1; i <= 5; ++i) {
        ASSERT_TRUE(buildBoard(e, mask, i));
        EXPECT_EQ(maskNumbers(mask), want[i - 1]) << "board " << i;
        const auto numbers = boardNumbers(e, i);
        EXPECT_EQ(std::vector<int>(numbers.begin(), numbers.end()), want[i - 1]);
    }

    const BoardMask before = mask;
    EXPECT_FALSE(buildBoard(e, mask, 6));
    EXPECT_FALSE(buildBoard(e, mask, 0));
    EXPECT_EQ(mask, before) << "a board beyond the count leaves the mask as it was";
}

TEST(Expansion, EveryBoardOfEveryWheelHasFiveNumbersOfTheSelection) {
    for (int w = 1; w <= kWheelCount; ++w) {
        const WheelRecord* r = wheelRecord(w);
        SelectionState s{};
        // spread the ticked numbers over the whole grid, 50 included
        for (int p = 0; p < r->numberCount; ++p) s[50 - p * 3] = kSelected;
        Expansion e;
        BoardMask mask{};
        mask[51] = 1;  // left over from elsewhere: a build clears it
        startExpansion(e, s, w);
        for (int i = 1; i <= r->boardCount; ++i) {
            ASSERT_TRUE(buildBoard(e, mask, i));
            const auto numbers = maskNumbers(mask);
            ASSERT_EQ(numbers.size(), 5u) << "wheel " << w << " board " << i;
            for (int n : numbers) EXPECT_EQ(s[n], kSelected) << "wheel " << w << " board " << i;
        }
    }
}

TEST(Expansion, UnknownWheelBuildsNothing) {
    Expansion e;
    BoardMask mask{};
    mask[3] = 1;
    startExpansion(e, ticked({1, 2, 3, 4, 5, 6}), -1);
    EXPECT_EQ(e.boardCount, 0);
    EXPECT_FALSE(buildBoard(e, mask, 1));
    EXPECT_EQ(mask[3], 1);
    startExpansion(e, ticked({1, 2, 3, 4, 5, 6}), 9);
    EXPECT_FALSE(buildBoard(e, mask, 1));
}

}  // namespace
}  // namespace norvex5
