#include "periphery/offsettext.h"

#include <gtest/gtest.h>

namespace norvex5 {
namespace {

TEST(OffsetText, ReadsSignedWholeMillimetres) {
    const struct {
        const char* text;
        std::int32_t mm;
    } cases[] = {
        {"", 0},
        {"0", 0},
        {"7", 7},
        {"-12", -12},
        {"+7", 7},
        {"-9999", -9999},
        {"99999", 99999},
        {"007", 7},
        {"-", 0},
        {"+", 0},
        // Malformed: the digits before the fault, without the sign.
        {"1-2", 1},
        {"12-", 12},
        {"-12-", 12},
        {"--5", 0},
        {"+-3", 0},
        {"-1+2", 1},
        {"12a", 12},
        {"a12", 0},
        {" 5", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(offsetFromText(c.text), c.mm) << '"' << c.text << '"';
}

TEST(OffsetText, LongTextsDoNotOverflow) {
    EXPECT_GT(offsetFromText("99999999999999999999"), 0);
    EXPECT_LT(offsetFromText("-99999999999999999999"), 0);
}

TEST(OffsetText, OnlyDigitsAndSignsAreTyped) {
    for (char c = '0'; c <= '9'; ++c) EXPECT_TRUE(isOffsetCharacter(c));
    EXPECT_TRUE(isOffsetCharacter('-'));
    EXPECT_TRUE(isOffsetCharacter('+'));
    for (char c : {'a', 'Z', ' ', '.', ',', '\b', '\x7f', '\0'}) EXPECT_FALSE(isOffsetCharacter(c)) << int(c);
}

}  // namespace
}  // namespace norvex5
