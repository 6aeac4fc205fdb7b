#include "workshop/drawfilter.h"

#include "workshop/subsets.h"

#include <random>

#include <gtest/gtest.h>

namespace norvex5::workshop {
namespace {

DrawFilter parsed(std::string_view text, int highest = 49) {
    auto result = parseDrawFilter(text, highest);
    if (auto* problem = std::get_if<FilterProblem>(&result)) ADD_FAILURE() << problem->message();
    return std::get<DrawFilter>(result);
}

// Every draw of the game, each judged on its own.
std::int64_t listedPassing(const DrawFilter& filter, int highest) {
    std::int64_t passing = 0;
    Draw d{};
    for (d[0] = 1; d[0] <= highest; ++d[0])
        for (d[1] = d[0] + 1; d[1] <= highest; ++d[1])
            for (d[2] = d[1] + 1; d[2] <= highest; ++d[2])
                for (d[3] = d[2] + 1; d[3] <= highest; ++d[3])
                    for (d[4] = d[3] + 1; d[4] <= highest; ++d[4]) passing += passes(filter, d, highest);
    return passing;
}

DrawFilter randomFilter(std::mt19937& random, int highest) {
    auto range = [&](int top) {
        int a = int(random() % (top + 1)), b = int(random() % (top + 1));
        return CountRange{std::min(a, b), std::max(a, b)};
    };
    DrawFilter f;
    if (random() % 2) f.odd = range(5);
    if (random() % 2) f.low = range(5);
    if (random() % 2) f.sum = range(5 * highest - 10);
    if (random() % 2) f.longestRun = 1 + int(random() % 5);
    if (random() % 2) f.perDecade = 1 + int(random() % 5);
    if (random() % 2) f.perLastDigit = 1 + int(random() % 5);
    return f;
}

TEST(DrawFilter, EachConditionJudgesADrawAsWritten) {
    const struct {
        const char* filter;
        Draw draw;
        bool passes;
    } cases[] = {
        {"odd=2-3", {1, 3, 4, 6, 8}, true},
        {"odd=2-3", {1, 3, 5, 6, 8}, true},
        {"odd=2-3", {1, 3, 5, 7, 8}, false},
        {"low=2-3", {24, 25, 30, 40, 49}, false},  // 24 is low in a game up to 49, 25 is not
        {"low=1-1", {24, 25, 30, 40, 49}, true},
        {"sum=90-160", {10, 15, 20, 21, 24}, true},  // 90
        {"sum=90-160", {10, 15, 20, 21, 23}, false},
        {"run=2", {4, 5, 7, 8, 20}, true},
        {"run=2", {4, 5, 6, 8, 20}, false},
        {"decade=2", {1, 9, 10, 19, 20}, true},  // 1-9, 10-19, 20-29
        {"decade=2", {10, 11, 19, 30, 40}, false},
        {"digit=2", {3, 13, 14, 24, 40}, true},
        {"digit=2", {3, 13, 23, 24, 40}, false},
        {"", {1, 2, 3, 4, 5}, true},
    };
    for (const auto& c : cases) EXPECT_EQ(passes(parsed(c.filter), c.draw, 49), c.passes) << c.filter;
}

TEST(DrawFilter, TheCountAgreesWithEveryDrawListed) {
    std::mt19937 random(23);
    for (int round = 0; round < 120; ++round) {
        const int highest = 5 + round % 28;  // up to 32: four decades and a digit reached four times
        const DrawFilter f = randomFilter(random, highest);
        const std::int64_t listed = listedPassing(f, highest);
        EXPECT_EQ(passingDrawCount(f, highest), listed) << filterText(f) << " over " << highest;
        // The walk through the passing draws meets each once, ascending, largest number last.
        std::int64_t walked = 0;
        std::uint32_t lastRank = 0;
        forEachPassingDraw(f, highest, [&](const Draw& d) {
            std::array<std::uint8_t, 5> c{};
            for (int i = 0; i < 5; ++i) c[i] = static_cast<std::uint8_t>(d[i] - 1);
            const std::uint32_t rank = subsetRank(c.data(), 5);
            EXPECT_TRUE(walked == 0 || rank > lastRank);
            EXPECT_TRUE(passes(f, d, highest));
            lastRank = rank;
            ++walked;
        });
        EXPECT_EQ(walked, listed) << filterText(f) << " over " << highest;
    }
    // The full games, with the limits that take the counting's other ways: one number a digit,
    // two a digit, several conditions at once.
    const struct {
        const char* text;
        int highest;
    } games[] = {{"odd=2-3,low=2-3,sum=90-160,run=2,decade=2,digit=2", 50},
                 {"digit=1,run=1,odd=1-4", 39},
                 {"odd=2-3,low=2-3,sum=90-160,run=2,decade=2,digit=1", 50},
                 {"low=1-3,sum=60-140,decade=1,digit=1", 49},
                 {"sum=100-150,decade=1,digit=3,low=0-2", 49}};
    for (const auto& game : games) {
        const DrawFilter f = parsed(game.text, game.highest);
        EXPECT_EQ(passingDrawCount(f, game.highest), listedPassing(f, game.highest)) << game.text;
    }
}

TEST(DrawFilter, AnEmptyFilterPassesEveryDraw) {
    EXPECT_EQ(passingDrawCount(DrawFilter{}, 49), 1906884);
    EXPECT_EQ(passingDrawCount(parsed("decade=5,digit=5,run=5"), 50), 2118760);
}

TEST(DrawFilterText, ReadsEveryNameAndWritesItBack) {
    const DrawFilter f = parsed(" odd=2-3, low = 2-3,sum=90-160,run=2,decade=2,digit=2 ");
    EXPECT_EQ(f.odd, (CountRange{2, 3}));
    EXPECT_EQ(f.low, (CountRange{2, 3}));
    EXPECT_EQ(f.sum, (CountRange{90, 160}));
    EXPECT_EQ(f.longestRun, 2);
    EXPECT_EQ(f.perDecade, 2);
    EXPECT_EQ(f.perLastDigit, 2);
    EXPECT_EQ(filterText(f), "odd=2-3,low=2-3,sum=90-160,run=2,decade=2,digit=2");
    EXPECT_EQ(parsed(filterText(f)), f);
    EXPECT_EQ(parsed("odd=2").odd, (CountRange{2, 2}));
    EXPECT_TRUE(parsed("").empty());
}

TEST(DrawFilterText, NamesThePartItCannotRead) {
    const struct {
        const char* text;
        int highest;
        const char* part;
        const char* reasonHolds;
    } cases[] = {
        {"odd=3-2", 49, "odd=3-2", "wrong way round"},
        {"odd=2-3,sum=160-90", 49, "sum=160-90", "wrong way round"},
        {"odd=2-3,even=2", 49, "even=2", "unknown filter \"even\""},
        {"odd=2-6", 49, "odd=2-6", "above 5"},
        {"sum=90-240", 49, "sum=90-240", "more than 235"},
        {"sum=90-240", 50, "", ""},  // within a game up to 50
        {"run=0", 49, "run=0", "from 1 to 5"},
        {"decade=6", 49, "decade=6", "from 1 to 5"},
        {"digit=x", 49, "digit=x", "not a whole number"},
        {"low=a-b", 49, "low=a-b", "not a range"},
        {"sum=-5-10", 49, "sum=-5-10", "not a range"},
        {"odd=2-3,,run=2", 49, "", "empty"},
        {"odd", 49, "odd", "name=value"},
        {"run=2,run=3", 49, "run=3", "twice"},
    };
    for (const auto& c : cases) {
        const auto result = parseDrawFilter(c.text, c.highest);
        if (*c.reasonHolds == '\0') {
            EXPECT_TRUE(std::holds_alternative<DrawFilter>(result)) << c.text;
            continue;
        }
        const auto* problem = std::get_if<FilterProblem>(&result);
        ASSERT_NE(problem, nullptr) << c.text;
        EXPECT_EQ(problem->part, c.part) << c.text;
        EXPECT_NE(problem->message().find(c.reasonHolds), std::string::npos) << problem->message();
        EXPECT_NE(problem->message().find("\"" + std::string(c.part) + "\""), std::string::npos);
    }
}

}  // namespace
}  // namespace norvex5::workshop
