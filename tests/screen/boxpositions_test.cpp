#include "screen/boxpositions.h"

#include <gtest/gtest.h>

#include "core/lotteries.h"

namespace norvex5 {
namespace {

struct Placement {
    int gameType;
    int number;
    BoxPosition at;
};

// Corners and breaks of every table: first and last boxes, row and column changes, the boxes
// that stand alone.
const Placement kPlacements[] = {
    {1, 1, {9, 56}},     {1, 17, {346, 56}},  {1, 18, {9, 77}},   {1, 49, {304, 99}},  {1, 50, {325, 99}},
    {0, 50, {325, 99}},  {2, 8, {157, 56}},   {2, 9, {9, 77}},    {2, 48, {157, 162}}, {2, 49, {9, 184}},
    {2, 50, {30, 184}},  {3, 9, {9, 226}},    {3, 10, {30, 56}},  {3, 45, {94, 226}},  {3, 46, {115, 56}},
    {3, 50, {115, 141}}, {4, 1, {23, 72}},    {4, 7, {203, 72}},  {4, 8, {23, 102}},   {4, 49, {203, 252}},
    {4, 50, {9, 206}},   {5, 5, {94, 56}},    {5, 50, {94, 244}}, {6, 39, {73, 204}},  {6, 46, {9, 244}},
    {7, 6, {115, 56}},   {7, 48, {115, 204}}, {7, 49, {9, 226}},  {7, 50, {30, 226}},  {8, 1, {24, 72}},
    {8, 4, {113, 72}},   {8, 28, {113, 250}}, {8, 29, {173, 72}}, {8, 32, {263, 72}},  {8, 45, {173, 190}},
    {8, 49, {173, 220}}, {8, 50, {203, 220}},
};

TEST(BoxLayout, BoxesSitWhereTheTicketPrintsTheirNumbers) {
    for (const Placement& p : kPlacements) {
        for (TicketOwner target : {TicketOwner::MainWindow, TicketOwner::BoardViewer}) {
            const auto layout = boxPositions(p.gameType, target);
            ASSERT_TRUE(layout.has_value()) << p.gameType;
            ASSERT_TRUE(layout->boxes[p.number].has_value()) << p.gameType << " box " << p.number;
            EXPECT_EQ(*layout->boxes[p.number], p.at) << "game type " << p.gameType << " box " << p.number;
        }
    }
}

TEST(BoxLayout, GridBOnlyForGameTypeTwoOnTheMainWindow) {
    const BoxPosition expected[9] = {{219, 95},  {256, 95},  {293, 95},  {219, 136}, {256, 136},
                                     {296, 136}, {219, 175}, {256, 175}, {296, 175}};
    const auto two = boxPositions(2, TicketOwner::MainWindow);
    for (int k = 0; k < 9; ++k) EXPECT_EQ(two->boxes[51 + k], expected[k]) << 51 + k;
    EXPECT_FALSE(boxPositions(2, TicketOwner::BoardViewer)->boxes[51].has_value());
    for (int code : {0, 1, 3, 4, 5, 6, 7, 8})
        for (int n = 51; n <= 59; ++n)
            EXPECT_FALSE(boxPositions(code, TicketOwner::MainWindow)->boxes[n].has_value()) << code << " " << n;
}

TEST(BoxLayout, PicturesAndTheCutOfGameTypeSix) {
    const TicketPicture expected[9] = {"igrille1",         "igrille1",         "igrille1uk",
                                       "igrille1es",       "igrille1suisse",   "igrille1swisslog",
                                       "igrille1swisslog", "igrille7",         "igrille8"};
    for (int code = 0; code <= 8; ++code) {
        const auto layout = boxPositions(code, TicketOwner::MainWindow);
        EXPECT_EQ(layout->picture, expected[code]) << code;
        EXPECT_EQ(layout->pictureHeight, code == 6 ? std::optional<int>(168) : std::nullopt) << code;
    }
}

TEST(BoxLayout, UnknownCodesAndTargetsLeaveTheWindowAlone) {
    for (int code : {-1, 9, 100}) EXPECT_FALSE(boxPositions(code, TicketOwner::MainWindow).has_value()) << code;
    EXPECT_FALSE(boxPositions(1, static_cast<TicketOwner>(3)).has_value());
}

TEST(BoxLayout, NoTwoBoxesOfATicketOverlap) {
    for (int code = 1; code <= 8; ++code) {
        const auto layout = boxPositions(code, TicketOwner::MainWindow);
        const int last = ownHighestNumber(code);
        for (int a = 1; a <= last; ++a) {
            for (int b = a + 1; b <= last; ++b) {
                const BoxPosition p = *layout->boxes[a];
                const BoxPosition q = *layout->boxes[b];
                const bool overlap = p.left < q.left + kBoxWidth && q.left < p.left + kBoxWidth &&
                                     p.top < q.top + kBoxHeight && q.top < p.top + kBoxHeight;
                EXPECT_FALSE(overlap) << "game type " << code << ": boxes " << a << " and " << b;
            }
        }
    }
}

TEST(BoxLayout, ShowHideByCount) {
    EXPECT_TRUE(tagVisible(0, 39));  // the picture
    EXPECT_TRUE(tagVisible(39, 39));
    EXPECT_FALSE(tagVisible(40, 39));
    EXPECT_FALSE(tagVisible(51, 50));  // grid B never shows
}

}  // namespace
}  // namespace norvex5
