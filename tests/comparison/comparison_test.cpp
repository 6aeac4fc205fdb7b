#include "comparison/comparison.h"

#include <gtest/gtest.h>

#include "support/scratchfiles.h"

namespace norvex5 {
namespace {

using testing::ScratchDir;

struct Collected {
    std::vector<std::string> lines;
    ComparisonResult result;
};

Collected compareFile(const ExternalWheel& wheel, const DrawTexts& draw) {
    Collected c;
    c.result = compareExternal(wheel, externalDraw(draw), [&](std::int64_t k, std::string_view line) {
        EXPECT_EQ(k, static_cast<std::int64_t>(c.lines.size()) + 1);
        c.lines.emplace_back(line);
        return true;
    });
    return c;
}

TEST(Draw, DuplicatesAndInvalidBoxes) {
    const std::pair<DrawTexts, bool> duplicates[] = {
        {{"5", "5", "12", "20", "33"}, true},     {{"1", "2", "3", "4", "5"}, false},
        {{"1", "x", "1", "2", "3"}, false},  // boxes after a non-number are not read
        {{"7", "8", "9", "10", " 7"}, true},      {{"55", "55", "1", "2", "3"}, false},  // only 1..50 are checked
        {{"0", "0", "-1", "-1", "99999"}, false}, {{"", "", "", "", ""}, false},
    };
    for (const auto& [texts, expected] : duplicates)
        EXPECT_EQ(drawHasDuplicates(texts), expected) << texts[0] << " " << texts[1];

    const InternalDraw good = internalDraw({"1", "2", "3", "4", "50"});
    ASSERT_TRUE(good.draw);
    EXPECT_EQ(good.draw->count, 5);
    const InternalDraw bad = internalDraw({"1", "2", "", "4", "5"});
    EXPECT_FALSE(bad.draw);
    EXPECT_EQ(bad.firstInvalid, 2);

    const Draw partial = externalDraw({"1", "2", "", "4", "5"});
    EXPECT_EQ(partial.count, 2);
    EXPECT_EQ(partial.matches(4), 0) << "values after the first non-number take no part";
    EXPECT_EQ(partial.matches(0), 0);
}

TEST(Draw, NumbersOutsideTheGame) {
    struct Case {
        DrawTexts texts;
        std::int32_t highest;
        int box;  // -1: none
        std::string text;
    };
    const Case cases[] = {
        {{"1", "2", "3", "4", "49"}, 49, -1, ""},
        {{"1", "2", "3", "4", "50"}, 49, 4, "50"},
        {{"1", "0", "3", "4", "5"}, 50, 1, "0"},
        {{"1", "2", "999", "0", "5"}, 50, 2, "999"},
        {{"40", "2", "3", "4", "5"}, 39, 0, "40"},
        {{" 7", "-3", "3", "4", "5"}, 50, 1, "-3"},
        {{"1", "2", "3", "4", "12345678901234567890"}, 50, 4, "12345678901234567890"},
        // Boxes that hold no number are left to the mode: an empty one, and one after it.
        {{"1", "", "x", "4", "5"}, 50, -1, ""},
        {{"1", "", "77", "4", "5"}, 50, 2, "77"},
    };
    for (const Case& c : cases) {
        const auto outside = drawNumberOutsideGame(c.texts, c.highest);
        EXPECT_EQ(outside ? outside->box : -1, c.box) << c.texts[0] << " " << c.texts[4];
        if (outside) {
            EXPECT_EQ(outside->text, c.text);
        }
    }
}

TEST(InternalComparison, LinesAndCounts) {
    Expansion expansion;
    SelectionState selection{};
    for (int n : {3, 11, 17, 25, 38, 44}) selection[n] = kSelected;
    BoardMask mask{};
    const InternalDraw draw = internalDraw({"3", "11", "17", "25", "44"});
    std::vector<std::string> lines;
    const ComparisonResult result =
        compareInternal(expansion, mask, selection, 1, *draw.draw, [&](std::int64_t, std::string_view line) {
            lines.emplace_back(line);
            return true;
        });
    EXPECT_EQ(lines, (std::vector<std::string>{"001 :-03-11-17-25-44 -> 5", "002 :-03-11-17-38-44 -> 4",
                                               "003 :-03-11-25-38-44 -> 4", "004 :-03-17-25-38-44 -> 4",
                                               "005 :-11-17-25-38-44 -> 4"}));
    EXPECT_EQ(result.counts.five, 1);
    EXPECT_EQ(result.counts.four, 4);
    EXPECT_EQ(result.pass.count, 5);
    EXPECT_EQ(mask[11] + mask[17] + mask[25] + mask[38] + mask[44], 5) << "last board stays";
}

TEST(ExternalComparison, LinesOfEachFileLine) {
    struct Case {
        std::string separator;
        std::string line;
        DrawTexts draw;
        const char* expected;
    };
    // Every case runs with box 3 replaced by 44 and grid B boxes 1 and 9 by 4 and 9.
    const Case cases[] = {
        {",", "3,1,2", {"1", "2", "3", "4", "5"}, "B.:001 : :-44-01-02 ->2"},
        {"", "1  2 3 4 5", {"1", "2", "3", "4", "5"}, "B.:001 : :-01-02-44-04 ->3"},
        {";", "3;17;22;31;45;1;2", {"3", "17", "22", "1", "2"}, "B.:001 : :-44-17-22-31-45 ->2"},
        {" ", "0 101 -5 12 7", {"0", "101", "-5", "12", "7"}, "B.:001 : :-00-101-0-5-12-07 ->5"},
        {" ", "61 99 100 51 59", {"4", "9", "1", "2", "3"}, "B.:001 : :-00-00-00-04-09 ->2"},
        {";", "+5;-0;  7;7 ;99999999999", {"5", "7", "0", "1", "2"}, "B.:001 : :-05-00-07 ->3"},
        {";", "a;b;;", {"1", "2", "3", "4", "5"}, "B.:001 : : ->0"},
        // A zeroed draw value must not meet a board number 0 (field 0, or 60..100 mapped to 0).
        {" ", "0 61 99 1 2", {"1", "2", "", "", ""}, "B.:001 : :-00-00-00-01-02 ->2"},
        {" ", "0 0 0 0 0", {"x", "1", "2", "3", "4"}, "B.:001 : :-00-00-00-00-00 ->0"},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        ExternalWheel wheel;
        wheel.fileName = dir.file("w.txt", c.line + "\r\n");
        wheel.separator = c.separator;
        wheel.map[3] = 44;
        wheel.map[51] = 4;
        wheel.map[59] = 9;
        const Collected got = compareFile(wheel, c.draw);
        EXPECT_TRUE(got.result.pass.ok) << c.line;
        ASSERT_EQ(got.lines.size(), 1u) << c.line;
        EXPECT_EQ(got.lines[0], c.expected) << c.line;
    }
}

TEST(ExternalComparison, CountsEveryBoardOnce) {
    ScratchDir dir;
    ExternalWheel wheel;
    wheel.separator = ";";
    wheel.linesToSkip = 1;
    std::string bytes = "title\n";
    for (const char* board :
         {"1;2;3;4;5", "1;2;3;4;9", "1;2;3;8;9", "1;2;7;8;9", "1;6;7;8;9", "6;7;8;9;10", "9;9;2;1;9", "1;2;3;4;9"})
        bytes += std::string(board) + "\n\n";
    wheel.fileName = dir.file("w.txt", bytes);
    const Collected got = compareFile(wheel, {"1", "2", "3", "4", "5"});
    ASSERT_TRUE(got.result.pass.ok);
    EXPECT_EQ(got.result.pass.count, 8);
    EXPECT_EQ(got.result.counts.five, 1);
    EXPECT_EQ(got.result.counts.four, 2);
    EXPECT_EQ(got.result.counts.three, 1);
    EXPECT_EQ(got.result.counts.two, 2);
    EXPECT_EQ(got.lines.back(), "B.:008 : :-01-02-03-04-09 ->4");
}

TEST(ExternalComparison, NoFileAndLongFiles) {
    ScratchDir dir;
    ExternalWheel none;
    Collected got = compareFile(none, {"1", "2", "3", "4", "5"});
    EXPECT_FALSE(got.result.pass.ok) << "no file chosen";
    EXPECT_TRUE(got.lines.empty());

    std::string many;
    for (int k = 1; k <= 1000; ++k) many += "1 2 3 4 5\n";
    ExternalWheel big;
    big.fileName = dir.file("big.txt", many);
    got = compareFile(big, {"1", "2", "3", "4", "5"});
    EXPECT_EQ(got.result.counts.five, 1000);
    EXPECT_EQ(got.lines.back(), "B.:1000 : :-01-02-03-04-05 ->5");
}

}  // namespace
}  // namespace norvex5
