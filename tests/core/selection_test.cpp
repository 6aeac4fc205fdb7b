#include "core/selection.h"

#include <gtest/gtest.h>

#include "core/lotteries.h"

namespace norvex5 {
namespace {

TEST(Selection, ClicksChangeStatesAndCounters) {
    SelectionState s{};
    toggleSelected(s, 7);  // left click on a free box
    EXPECT_EQ(s[7], kSelected);
    EXPECT_EQ(counters(s).ticked, 1);

    toggleFixed(s, 7);  // right click on a selected box
    EXPECT_EQ(s[7], kFixed);
    EXPECT_EQ(counters(s).ticked, 1);
    EXPECT_EQ(counters(s).fixed, 1);

    toggleSelected(s, 7);  // left click on a fixed box frees it
    EXPECT_EQ(s[7], kFree);
    EXPECT_EQ(counters(s).ticked, 0);
    EXPECT_EQ(counters(s).fixed, 0);

    toggleFixed(s, 9);  // right click on a free box
    toggleFixed(s, 9);  // and again on the fixed one
    EXPECT_EQ(s[9], kFree);
}

TEST(Selection, GridBCountsApartAndCannotBeFixedFromABox) {
    SelectionState s{};
    toggleSelected(s, 51);
    toggleFixed(s, 51);  // boxes 51..59 answer only the left click
    EXPECT_EQ(s[51], kSelected);
    s[60] = kFixed;  // only a saved game reaches 60..70
    s[70] = kFixed;
    const Counters c = counters(s);
    EXPECT_EQ(c.ticked, 0);
    EXPECT_EQ(c.fixed, 0);
    EXPECT_EQ(c.gridBFixed, 2);
}

TEST(Selection, OutOfRangeBoxesAreIgnored) {
    SelectionState s{};
    for (int n : {-1, 0, 60, 71, 1000}) toggleSelected(s, n);
    for (int n : {-1, 0, 51, 71}) toggleFixed(s, n);
    EXPECT_EQ(s, SelectionState{});
}

TEST(Selection, ClearingKeepsWhatItShould) {
    SelectionState s{};
    for (int n : {1, 25, 50, 51, 59, 60, 70}) s[n] = kFixed;
    SelectionState a = s;
    clearGridA(a);
    for (int n : {1, 25, 50}) EXPECT_EQ(a[n], kFree) << n;
    for (int n : {51, 59, 60, 70}) EXPECT_EQ(a[n], kFixed) << n;
    clearAll(s);
    for (int n : {1, 25, 50, 51, 59}) EXPECT_EQ(s[n], kFree) << n;
    for (int n : {60, 70}) EXPECT_EQ(s[n], kFixed) << "numbers without a box are not cleared";
}

TEST(Selection, EveryStateHasItsOwnPicture) {
    EXPECT_EQ(boxPicture(kFree), BoxPicture::Empty);
    EXPECT_EQ(boxPicture(kSelected), BoxPicture::Ticked);
    EXPECT_EQ(boxPicture(kFixed), BoxPicture::Fixed);
    EXPECT_EQ(boxPicture(7), BoxPicture::Empty);
}

TEST(GameType, HighestNumbersOfTheRadioButtons) {
    EXPECT_EQ(highestNumberSetBy(1), 49);
    EXPECT_EQ(highestNumberSetBy(4), 49);
    EXPECT_EQ(highestNumberSetBy(6), 39);
    EXPECT_EQ(highestNumberSetBy(7), 50);
    EXPECT_EQ(highestNumberSetBy(8), 50);
    for (int hidden : {2, 3, 5}) {
        EXPECT_FALSE(highestNumberSetBy(hidden).has_value()) << hidden;
        EXPECT_EQ(ownHighestNumber(hidden), 49);
    }
    EXPECT_EQ(effectiveGameType(0), 1);
    EXPECT_EQ(effectiveGameType(-4), 1);
    EXPECT_EQ(effectiveGameType(6), 6);
}

}  // namespace
}  // namespace norvex5
