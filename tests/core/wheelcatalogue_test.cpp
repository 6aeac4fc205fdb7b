#include "core/wheelcatalogue.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

namespace norvex5 {
namespace {

MessageLookup lookupIn(LanguageCode language) {
    return [language](int n) { return messageText(n, language, nullptr); };
}

// Calls f with every m-subset of {1..n} as a bit mask.
template <typename F>
void forEachSubset(int n, int m, F f) {
    for (unsigned mask = 0; mask < (1u << n); ++mask) {
        if (__builtin_popcount(mask) == m) f(mask);
    }
}

TEST(WheelCatalogue, EveryWheelKeepsItsGuarantee) {
    for (int w = 1; w <= kWheelCount; ++w) {
        const WheelRecord* r = wheelRecord(w);
        ASSERT_NE(r, nullptr);
        ASSERT_EQ(static_cast<int>(r->boards.size()), r->boardCount) << "wheel " << w;
        EXPECT_EQ(r->numbersPerBoard, 5);
        EXPECT_EQ(r->fixedCount, 0);
        std::vector<unsigned> boards;
        for (const WheelBoard& b : r->boards) {
            unsigned bits = 0;
            for (int j = 0; j < 5; ++j) {
                ASSERT_GE(b[j], 1);
                ASSERT_LE(b[j], r->numberCount) << "wheel " << w;
                if (j > 0) {
                    EXPECT_LT(b[j - 1], b[j]) << "positions ascend within a board, wheel " << w;
                }
                bits |= 1u << (b[j] - 1);
            }
            boards.push_back(bits);
        }
        // If any m of the n numbers are drawn, some board holds at least k of them.
        int failures = 0;
        forEachSubset(r->numberCount, r->condition, [&](unsigned drawn) {
            const bool covered = std::any_of(boards.begin(), boards.end(),
                                             [&](unsigned b) { return __builtin_popcount(b & drawn) >= r->guarantee; });
            if (!covered) ++failures;
        });
        EXPECT_EQ(failures, 0) << "wheel " << w << " misses its guarantee";
    }
}

TEST(WheelCatalogue, ParametersOfEachWheel) {
    struct Row {
        int n, k, m, b;
    };
    const Row rows[] = {{},           {6, 4, 4, 5}, {7, 4, 5, 3}, {8, 4, 5, 5}, {8, 3, 5, 2}, {13, 3, 5, 8},
                        {8, 2, 2, 4}, {9, 2, 2, 5}, {10, 2, 2, 6}};
    for (int w = 1; w <= kWheelCount; ++w) {
        const WheelRecord* r = wheelRecord(w);
        EXPECT_EQ(r->numberCount, rows[w].n) << w;
        EXPECT_EQ(r->guarantee, rows[w].k) << w;
        EXPECT_EQ(r->condition, rows[w].m) << w;
        EXPECT_EQ(r->boardCount, rows[w].b) << w;
    }
    EXPECT_EQ(wheelRecord(0), nullptr);
    EXPECT_EQ(wheelRecord(9), nullptr);
    EXPECT_EQ(wheelRecord(-1), nullptr);
}

TEST(WheelCatalogue, Pad) {
    EXPECT_EQ(pad(5, 5), "    5");
    EXPECT_EQ(pad(123, 2), "123");
    EXPECT_EQ(pad(13, 2), "13");
    EXPECT_EQ(pad(6, 2), " 6");
}

TEST(WheelCatalogue, TitlesInFrenchAndEnglish) {
    EXPECT_EQ(wheelTitle(1, false, lookupIn(1)), "  6 numéros  4/  4 en     5 grilles");
    EXPECT_EQ(wheelTitle(1, false, lookupIn(2)), "  6 numbers  4/  4 with     5 boards");
    EXPECT_EQ(wheelTitle(5, false, lookupIn(2)), " 13 numbers  3/  5 with     8 boards");
    EXPECT_EQ(wheelTitle(9, false, lookupIn(1)), "");
    const std::string entry = wheelListEntry(5, lookupIn(1));
    EXPECT_EQ(entry, wheelTitle(5, false, lookupIn(1)) + std::string(100, ' ') + "5");
    EXPECT_EQ(entry.substr(entry.size() - 3), "  5");
}

TEST(WheelCatalogue, AGeneratedWheelIsTitledFromItsRecord) {
    const MessageLookup tags = [](int number) { return "<" + std::to_string(number) + ">"; };
    const WheelRecord generated{12, 3, 4, 10, 5, 2, {}};
    EXPECT_EQ(wheelTitle(generated, tags), "<161> 10 <64>( 2 <161>)  3/  4 <67>    12 <68>");
    const WheelRecord plain{120, 3, 5, 21, 5, 0, {}};
    EXPECT_EQ(wheelTitle(plain, lookupIn(2)), " 21 numbers  3/  5 with   120 boards");
    // The by-number title is the record's title.
    EXPECT_EQ(wheelTitle(3, false, lookupIn(1)), wheelTitle(*wheelRecord(3), lookupIn(1)));
}

TEST(WheelCatalogue, ListOrderIsTheSameInFrenchAndEnglish) {
    for (LanguageCode language : {1, 2}) {
        std::vector<std::string> entries;
        for (int w = 1; w <= kWheelCount; ++w) entries.push_back(wheelListEntry(w, lookupIn(language)));
        std::sort(entries.begin(), entries.end(),
                  [](const std::string& a, const std::string& b) { return wheelEntryLess(a, b); });
        std::vector<int> order;
        for (const std::string& e : entries) order.push_back(wheelNumberFromEntry(e));
        EXPECT_EQ(order, (std::vector<int>{1, 2, 6, 4, 3, 7, 8, 5})) << "language " << language;
    }
}

TEST(WheelCatalogue, NumberReadBackFromTheLastThreeCharacters) {
    const struct {
        const char* entry;
        int want;
    } cases[] = {
        {"title  5", 5}, {"title 12", 12}, {"title123", 123}, {"  7", 7},   {"x 8", -1},
        {"title", -1},   {"abc", -1},      {"", -1},          {"12", -1},   {"1 2", -1},
        {"   ", -1},     {"title 5 ", -1}, {"t-12", -12},     {"t+12", 12}, {"t5x", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(wheelNumberFromEntry(c.entry), c.want) << '"' << c.entry << '"';
}

}  // namespace
}  // namespace norvex5
