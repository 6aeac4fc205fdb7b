// Amounts as the player types them for prizes and prices, and draws as the lists show them.

#include <gtest/gtest.h>

#include "draws/drawtext.h"

using namespace norvex5::draws;

TEST(DrawText, AmountsTypedReadAsCentsOrNotAtAll) {
    const struct {
        const char* typed;
        std::optional<std::int64_t> cents;
    } cases[] = {
        {"", 0},          {"  ", 0},          {"2", 200},        {"2,2", 220},     {"2.20", 220},
        {" 1000,05 ", 100005}, {",5", 50},     {"0,01", 1},       {"2,205", std::nullopt},
        {"-3", std::nullopt},  {"12 euros", std::nullopt}, {"1,2,3", std::nullopt}, {",", std::nullopt},
        {"9999999999999", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseAmount(c.typed), c.cents) << '"' << c.typed << '"';
}

TEST(DrawText, AmountsWrittenWithTwoDecimals) {
    EXPECT_EQ(formatAmount(0, ','), "0,00");
    EXPECT_EQ(formatAmount(5, ','), "0,05");
    EXPECT_EQ(formatAmount(100005, '.'), "1000.05");
    EXPECT_EQ(formatAmount(-1320, ','), "-13,20");
}

TEST(DrawText, DrawsLineUpWithTheirBonusNumbers) {
    DrawRecord draw;
    draw.numbers = {3, 12, 19, 25, 32};
    EXPECT_EQ(drawNumbersText(draw), "03 12 19 25 32");
    draw.bonus = {2, 11};
    EXPECT_EQ(drawNumbersText(draw), "03 12 19 25 32 + 02 11");
    EXPECT_EQ(drawNumbersText(draw, false), "03 12 19 25 32");
}

TEST(DrawText, TypedDrawsAreRefusedForTheirFirstFault) {
    DrawRecord draw;
    draw.numbers = {1, 2, 3, 4, 49};
    EXPECT_EQ(refusalOf(draw, 49), std::nullopt);
    EXPECT_EQ(refusalOf(draw, 45), RefusalReason::NumberOutOfRange);
    draw.numbers = {0, 2, 3, 4, 5};
    EXPECT_EQ(refusalOf(draw, 49), RefusalReason::NumberOutOfRange);
    draw.numbers = {7, 2, 3, 4, 7};
    EXPECT_EQ(refusalOf(draw, 49), RefusalReason::NumberTwice);
    draw.numbers = {1, 2, 3, 4, 5};
    draw.bonus = {0};
    EXPECT_EQ(refusalOf(draw, 49), RefusalReason::BadBonus);
    draw.bonus = {1, 2, 3};
    EXPECT_EQ(refusalOf(draw, 49), RefusalReason::BadBonus);
}

TEST(DrawText, BacktestCsvHasOneLinePerDrawInTheOrderGiven) {
    DrawRecord first;
    first.date = {2024, 1, 3};
    first.drawNumber = 2024001;
    first.numbers = {3, 12, 19, 25, 32};
    first.bonus = {4};
    DrawRecord second;
    second.date = {2023, 12, 30};
    second.numbers = {1, 2, 3, 4, 5};
    DrawOutcome hit;
    hit.best = 3;
    hit.boardsHolding = {0, 0, 7, 1, 0, 0};
    const std::vector<DrawRecord> draws{first, second};
    EXPECT_EQ(backtestCsv(draws, {hit, DrawOutcome{}}),
              "date;draw_number;numbers;bonus;best;boards_5;boards_4;boards_3;boards_2\n"
              "2024-01-03;2024001;3-12-19-25-32;4;3;0;0;1;7\n"
              "2023-12-30;;1-2-3-4-5;;0;0;0;0;0\n");
}
