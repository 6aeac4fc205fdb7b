#include "textfiles/fieldnumber.h"

#include <gtest/gtest.h>

#include "textfiles/textencoding.h"

namespace norvex5 {
namespace {

TEST(FieldNumber, ConvertsOnlyWholeDecimalIntegers) {
    const std::pair<std::string, std::optional<std::int32_t>> cases[] = {
        {"7", 7},
        {"+5", 5},
        {"-0", 0},
        {"  7", 7},
        {"007", 7},
        {"-12", -12},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"000000000000000000042", 42},
        {"7 ", {}},
        {"", {}},
        {" ", {}},
        {"+", {}},
        {"-", {}},
        {"- 5", {}},
        {"++5", {}},
        {"\t7", {}},
        {"12a", {}},
        {"abc", {}},
        {"0x10", {}},
        {"1e3", {}},
        {"99999999999", {}},
        {"2147483648", {}},
        {"-2147483649", {}},
        {std::string("5\0", 2), {}},
        {"\xef\xbc\x95", {}},  // a full-width digit
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(fieldNumber(text), expected) << text;
}

TEST(FieldNumber, TrimmedNumbers) {
    const std::pair<std::string, std::optional<std::int32_t>> cases[] = {
        {"7", 7}, {" 7 ", 7},  {"12  ", 12}, {" -3", -3},          {" ", {}},
        {"", {}}, {"1 2", {}}, {"\t7", {}},  {"99999999999 ", {}},
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
    for (std::int64_t n :
         {0LL, 5LL, 9LL, 10LL, 42LL, 99LL, 100LL, -1LL, -99LL, 2147483647LL, -2147483648LL, 9223372036854775807LL}) {
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

TEST(TextEncoding, Utf8IsKeptAndWindows1252Decoded) {
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("r\xc3\xa9sultat \xe2\x82\xac \xf0\x9f\x8e\xb2"));
    for (const char* bad :
         {"\xe9t\xe9", "\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xe2\x82", "\x80", "\xff"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad;

    EXPECT_EQ(windows1252ToUtf8("r\xe9sultat \x80 \x9c \xff \x81"),
              "r\xc3\xa9sultat \xe2\x82\xac \xc5\x93 \xc3\xbf \xc2\x81");
    EXPECT_EQ(displayText("\xc3\xa9"), "\xc3\xa9");
    EXPECT_EQ(displayText("\xe9"), "\xc3\xa9");
}

}  // namespace
}  // namespace norvex5
