#include "externalwheels/fieldnumber.h"

#include <gtest/gtest.h>

#include "externalwheels/replacementmap.h"
#include "externalwheels/textencoding.h"

namespace norvex5 {
namespace {

TEST(FieldNumber, ConvertsOnlyWholeDecimalIntegers) {
    const std::pair<std::string, std::optional<std::int32_t>> cases[] = {
        {"7", 7},           {"+5", 5},          {"-0", 0},
        {"  7", 7},         {"007", 7},         {"-12", -12},
        {"2147483647", 2147483647},             {"-2147483648", INT32_MIN},
        {"000000000000000000042", 42},
        {"7 ", {}},         {"", {}},           {" ", {}},
        {"+", {}},          {"-", {}},          {"- 5", {}},
        {"++5", {}},        {"\t7", {}},        {"12a", {}},
        {"abc", {}},        {"0x10", {}},       {"1e3", {}},
        {"99999999999", {}},                    {"2147483648", {}},
        {"-2147483649", {}},                    {std::string("5\0", 2), {}},
        {"\xef\xbc\x95", {}},  // a full-width digit
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(fieldNumber(text), expected) << text;
}

TEST(FieldNumber, TrimmedNumbers) {
    const std::pair<std::string, std::optional<std::int32_t>> cases[] = {
        {"7", 7}, {" 7 ", 7}, {"12  ", 12}, {" -3", -3}, {" ", {}}, {"", {}}, {"1 2", {}},
        {"\t7", {}}, {"99999999999 ", {}},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(trimmedFieldNumber(text), expected) << text;
}

TEST(FieldNumber, TrimmingRemovesBlanksOnly) {
    EXPECT_EQ(trimBlanks("  7 "), "7");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(trimBlanks("\t7\t"), "\t7\t");
    EXPECT_EQ(trimBlanks(" a b "), "a b");
}

TEST(FieldNumber, WrittenNumbers) {
    for (std::int64_t n : {0LL, 5LL, 9LL, 10LL, 42LL, 99LL, 100LL, -1LL, -99LL, 2147483647LL,
                           -2147483648LL, 9223372036854775807LL}) {
        std::string out = "x";
        appendDecimal(out, n);
        EXPECT_EQ(out, "x" + std::to_string(n));
    }
    for (unsigned n = 0; n < 100; ++n) {
        char two[2];
        writeTwoDigits(two, n);
        EXPECT_EQ(std::string(two, 2), (n < 10 ? "0" : "") + std::to_string(n));
    }
    DecimalCounter counter(3);
    std::string seen;
    for (int n = 1; n <= 1001; ++n) {
        counter.increment();
        if (n == 1 || n == 99 || n == 100 || n == 999 || n == 1000 || n == 1001)
            seen += std::string(counter.text()) + " ";
    }
    EXPECT_EQ(seen, "001 099 100 999 1000 1001 ");
}

TEST(FieldNumber, PaddedNumbers) {
    std::string out;
    for (std::int64_t n : {1, 9, 10, 99, 100, 1234}) {
        appendPadded(out, n, 3);
        out += ' ';
    }
    EXPECT_EQ(out, "001 009 010 099 100 1234 ");
}

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

TEST(TextEncoding, Utf8IsKeptAndWindows1252Decoded) {
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("r\xc3\xa9sultat \xe2\x82\xac \xf0\x9f\x8e\xb2"));
    for (const char* bad : {"\xe9t\xe9", "\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80",
                            "\xe2\x82", "\x80", "\xff"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad;

    EXPECT_EQ(windows1252ToUtf8("r\xe9sultat \x80 \x9c \xff \x81"),
              "r\xc3\xa9sultat \xe2\x82\xac \xc5\x93 \xc3\xbf \xc2\x81");
    EXPECT_EQ(displayText("\xc3\xa9"), "\xc3\xa9");
    EXPECT_EQ(displayText("\xe9"), "\xc3\xa9");
}

}  // namespace
}  // namespace norvex5
