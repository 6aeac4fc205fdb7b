#include "output/ticketlayouts.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace norvex5 {
namespace {

struct PositionCase {
    int model;
    int n;
    double slot;
    double x;
    double y;
};

TEST(TicketLayouts, NumberPositions) {
    const PositionCase cases[] = {
        {1, 18, 2, 2.2, 3.9 + 1.568 + 0.4},  // second row of the second board
        {1, 17, 1, 2.2 + 16 * 0.4, 3.9},     // end of the first row of 17
        {1, 1, 5, 2.2, 3.9 + 4 * 1.568},     // last board of the ticket
        {2, 11, 1, 3.9 + 0.4, 3.1},          // numbers run down columns of 10
        {2, 10, 2, 3.9, 3.1 + 1.62 + 9 * 0.4},
        {3, 1, 5, 3.08 + 4 * 3.173, 1.27},  // slot 5 stays in the first row
        {3, 1, 6, 3.08, 1.27 + 3.65},       // slot 6 starts the second row
        {3, 8, 10, 3.08 + 4 * 3.173 + 0.439, 1.27 + 3.65 + 0.45},
        {4, 1, 1, 2.07, 1.75},
        {4, 1, 2, 2.07, 1.75 + 2.92},  // slot 2 under slot 1
        {4, 1, 3, 2.07 + 2.7, 1.75},   // slot 3 right of slot 1
        {4, 9, 10, 2.07 + 4 * 2.7 + 0.39, 1.75 + 0.42 + 2.92},
        {4, 1, 3.7, 2.07 + 2.7, 1.75},  // parity of the truncated slot: 3 is odd
        {4, 1, 4.2, 2.07 + 2.7, 1.75 + 2.92},
        {5, 49, 1, 0, 4.55},  // 6.8 - 12 * 0.632 < 0 is clamped
        {5, 45, 1, 0, 4.55},  // -0.152 as well
        {5, 5, 2, 6.8 - 0.632, 4.55 + 2.07},
        {5, 4, 1, 6.8, 4.55 + 3 * 0.328},
        {6, 1, 1, 4.4, 3.6},
        {6, 50, 1, 4.4 - 8 * 0.453, 3.6 + 0.45},  // 0.776: still on the paper
        {6, 7, 2, 4.4 - 0.453, 3.6 + 3.172},
    };
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "model " << c.model << " number " << c.n << " slot " << c.slot);
        const std::optional<CmPoint> p = numberPosition(c.model, c.n, c.slot);
        ASSERT_TRUE(p.has_value());
        EXPECT_NEAR(p->x, c.x, 1e-12);
        EXPECT_NEAR(p->y, c.y, 1e-12);
    }
}

TEST(TicketLayouts, NoPositionOutsideGridAOrTheModels) {
    for (int model = 1; model <= kTicketModelCount; ++model)
        for (int n : {-1, 0, 51, 59, 70, 100}) EXPECT_FALSE(numberPosition(model, n, 1)) << model << " " << n;
    for (int model : {-1, 0, 7}) EXPECT_FALSE(numberPosition(model, 1, 1)) << model;
    EXPECT_TRUE(numberPosition(1, 50, 1));
}

TEST(TicketLayouts, BonusBoxes) {
    struct {
        int model;
        int b;
        std::optional<double> x;
        double y;
    } const cases[] = {
        {1, 1, 5.0, 11.7},   {1, 10, 5.0 + 9 * 0.4, 11.7},
        {1, 11, {}, 0},  // model 1 has ten bonus boxes
        {4, 13, 7.06, 8.92}, {4, 14, {}, 0},
        {4, 0, {}, 0},       {2, 1, {}, 0},
        {3, 1, {}, 0},       {5, 1, {}, 0},
        {6, 1, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "model " << c.model << " bonus " << c.b);
        const std::optional<CmPoint> p = bonusPosition(c.model, c.b);
        ASSERT_EQ(p.has_value(), c.x.has_value());
        if (!p) continue;
        EXPECT_NEAR(p->x, *c.x, 1e-12);
        EXPECT_NEAR(p->y, c.y, 1e-12);
    }
    const int counts[] = {10, 10, 10, 10, 13, 10, 10, 10};
    for (int model = 0; model <= 7; ++model) EXPECT_EQ(bonusNumberCount(model), counts[model]) << model;
}

TEST(TicketLayouts, ModelTable) {
    struct {
        const char* name;
        int boards;
        MarkShape shape;
    } const expected[] = {
        {"FRANCE LOTO", 5, MarkShape::Letter},
        {"ROUMANIA LOTO 5/40", 4, MarkShape::Letter},
        {"FLORIDA FANTASY5", 10, MarkShape::Square},
        {"PORTUGAL NOVO TOTOLOTO 2011", 10, MarkShape::Letter},
        {"South Carolina Cash5 (in vertical on printer)", 5, MarkShape::Bar},
        {"North Carolina Cash5 (in vertical on printer)", 5, MarkShape::Square},
    };
    for (int model = 1; model <= kTicketModelCount; ++model) {
        const TicketLayout* l = ticketLayout(model);
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->name, expected[model - 1].name);
        EXPECT_EQ(l->boardsPerTicket, expected[model - 1].boards);
        EXPECT_EQ(l->markShape, expected[model - 1].shape);
    }
    EXPECT_EQ(ticketLayout(0), nullptr);
    EXPECT_EQ(ticketLayout(7), nullptr);
}

TEST(TicketLayouts, ModelListEntriesSurviveSorting) {
    std::vector<std::string> entries = ticketModelListEntries();
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(entries[0], "FRANCE LOTO" + std::string(300, ' ') + "1");
    // The print dialog sorts its list: the number at the end still names the model shown.
    std::sort(entries.begin(), entries.end());
    for (const std::string& entry : entries) {
        const int model = ticketModelFromEntry(entry);
        ASSERT_NE(ticketLayout(model), nullptr) << entry.substr(0, 40);
        EXPECT_EQ(entry.substr(0, entry.find("   ")), ticketLayout(model)->name);
    }
}

TEST(TicketLayouts, ModelNumberReadBack) {
    const std::pair<std::string, int> cases[] = {
        {"FRANCE LOTO" + std::string(300, ' ') + "1", 1},
        {"x  4", 4},
        {" 12", 12},
        {"6", 6},
        {"", 0},
        {"   ", 0},
        {"name x12", 0},  // the last three characters are not a number
        {"name 1 2", 0},
        {"name  -1", -1},
    };
    for (const auto& [entry, model] : cases) EXPECT_EQ(ticketModelFromEntry(entry), model) << '"' << entry << '"';
}

TEST(TicketLayouts, RememberedEntry) {
    const std::array<std::pair<int, int>, 6> cases{{{-1, 0}, {0, 0}, {3, 3}, {5, 5}, {6, 0}, {1000, 0}}};
    for (const auto& [remembered, selected] : cases)
        EXPECT_EQ(rememberedModelEntry(remembered, 6), selected) << remembered;
    EXPECT_EQ(rememberedModelEntry(0, 0), 0);
}

// A board number must be readable where it is written: on the paper, and clear of every box
// the ticket has, on every board of it.
TEST(TicketLayouts, BoardNumbersClearOfEveryBox) {
    // Numbers each ticket holds, and the size of what lands in a box.
    const int highest[] = {0, 49, 40, 36, 49, 42, 43};
    const CmPoint label{0.6, 0.4};  // three digits of the ticket font, with its line height
    auto boxSize = [](int model) {
        switch (ticketLayout(model)->markShape) {
            case MarkShape::Letter: return CmPoint{0.3, 0.4};
            case MarkShape::Bar: return CmPoint{0.35, 0.2};
            case MarkShape::ThinBar: return CmPoint{0.35, 0.1};
            case MarkShape::Square: return CmPoint{0.29, 0.29};
        }
        return CmPoint{};
    };
    auto overlaps = [](CmPoint a, CmPoint aSize, CmPoint b, CmPoint bSize) {
        return a.x < b.x + bSize.x && b.x < a.x + aSize.x && a.y < b.y + bSize.y && b.y < a.y + aSize.y;
    };
    for (int model = 1; model <= kTicketModelCount; ++model) {
        const TicketLayout& l = *ticketLayout(model);
        const CmPoint box = boxSize(model);
        std::vector<CmPoint> labels;
        for (int slot = 1; slot <= l.boardsPerTicket; ++slot) {
            const std::optional<CmPoint> at = boardNumberPosition(model, slot);
            ASSERT_TRUE(at) << model;
            EXPECT_GE(at->x, 0) << model;
            EXPECT_GE(at->y, 0) << model;
            for (const CmPoint& other : labels)
                EXPECT_FALSE(overlaps(*at, label, other, label)) << "model " << model << " slot " << slot;
            labels.push_back(*at);
            for (int s = 1; s <= l.boardsPerTicket; ++s)
                for (int n = 1; n <= highest[model]; ++n)
                    EXPECT_FALSE(overlaps(*at, label, *numberPosition(model, n, s), box))
                        << "model " << model << " label of slot " << slot << " on number " << n << " of slot " << s;
            for (int b = 1; hasBonusRow(model) && b <= bonusNumberCount(model); ++b)
                EXPECT_FALSE(overlaps(*at, label, *bonusPosition(model, b), box)) << model;
        }
    }
    EXPECT_FALSE(boardNumberPosition(0, 1));
}

}  // namespace
}  // namespace norvex5
