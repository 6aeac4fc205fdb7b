#include "textfiles/listentry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace norvex5 {
namespace {

TEST(ListEntry, NumberAndTextComeBackFromAnEntry) {
    const std::string entry = makeListEntry("  6 numbers  4/  4 with     5 boards", 100, 12);
    EXPECT_EQ(entry.size(), 36u + 100u + 2u);
    EXPECT_EQ(entry.substr(entry.size() - 4), "  12");
    EXPECT_EQ(listEntryNumber(entry), 12);
    EXPECT_EQ(lenientListEntryNumber(entry), 12);
    EXPECT_EQ(listEntryText(entry), "  6 numbers  4/  4 with     5 boards");
    // Digits inside the visible text stay; only the hidden number and its blanks go.
    EXPECT_EQ(listEntryText(makeListEntry("LOTO 5/40", 300, 2)), "LOTO 5/40");
    EXPECT_EQ(listEntryText("7"), "");
    EXPECT_EQ(listEntryText(""), "");
    EXPECT_EQ(makeListEntry("x", -3, 4), "x4");
}

TEST(ListEntry, SortingKeepsEachNumberWithItsText) {
    std::vector<std::string> entries = {makeListEntry("b", 20, 1), makeListEntry("a", 20, 2),
                                        makeListEntry("c", 20, 3)};
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(listEntryText(entries[0]), "a");
    EXPECT_EQ(listEntryNumber(entries[0]), 2);
    EXPECT_EQ(listEntryNumber(entries[2]), 3);
}

TEST(ListEntry, StrictAndLenientReadingsDifferOnlyAtTheEdges) {
    const struct {
        const char* entry;
        std::optional<std::int32_t> strict;
        std::optional<std::int32_t> lenient;
    } cases[] = {
        {"title  5", 5, 5},  {"title123", 123, 123}, {"t-12", -12, -12},   {"x 8", {}, {}},
        {"12", {}, 12},      {"6", {}, 6},           {"", {}, {}},         {"   ", {}, {}},
        {"title 5 ", {}, 5}, {"1 2", {}, {}},        {"name x12", {}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(listEntryNumber(c.entry), c.strict) << '"' << c.entry << '"';
        EXPECT_EQ(lenientListEntryNumber(c.entry), c.lenient) << '"' << c.entry << '"';
    }
}

}  // namespace
}  // namespace norvex5
