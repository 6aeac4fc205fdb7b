#include "output/ticketlayouts.h"

#include <cmath>

#include "core/gametype.h"
#include "textfiles/listentry.h"

namespace norvex5 {

namespace {

// Column and row of number n's box in rows of k boxes, both from 0.
int column(int n, int k) { return (n - 1) % k; }
int row(int n, int k) { return (n - 1) / k; }

// Blank room kept between a board number and the boxes it belongs to.
constexpr double kBoardNumberGapLeft = 0.9;    // wide enough for three digits of the ticket font
constexpr double kBoardNumberGapAbove = 0.45;  // one line of the ticket font and a little air
constexpr int kModel4Rows = 7;                 // 49 numbers in rows of 7

TicketLayoutTable buildTable() {
    TicketLayoutTable t{};
    // name, first box X/Y, number steps X/Y, board steps X/Y, boards, first-row boards, bonus X/Y/step, mark,
    // highest number on the ticket
    t[1] = {"FRANCE LOTO", 2.2, 3.9, 0.4, 0.4, 0, 1.568, 5, 0, 5.0, 11.7, 0.4, MarkShape::Letter, 49};
    t[2] = {"ROUMANIA LOTO 5/40", 3.9, 3.1, 0.4, 0.4, 0, 1.62, 4, 0, 0, 0, 0, MarkShape::Letter, 40};
    t[3] = {"FLORIDA FANTASY5", 3.08, 1.27, 0.439, 0.45, 3.173, 3.65, 10, 5, 0, 0, 0, MarkShape::Square, 36};
    t[4] = {"PORTUGAL NOVO TOTOLOTO 2011",
            2.07,
            1.75,
            0.39,
            0.42,
            2.7,
            2.92,
            10,
            0,
            2.38,
            8.92,
            0.39,
            MarkShape::Letter,
            49};
    t[5] = {"South Carolina Cash5 (in vertical on printer)",
            4.55,
            6.8,
            0.328,
            0.632,
            2.07,
            0,
            5,
            0,
            0,
            0,
            0,
            MarkShape::Bar,
            38};
    t[6] = {"North Carolina Cash5 (in vertical on printer)",
            3.6,
            4.4,
            0.45,
            0.453,
            3.172,
            0,
            5,
            0,
            0,
            0,
            0,
            MarkShape::Square,
            39};
    return t;
}

}  // namespace

const TicketLayoutTable& ticketLayouts() {
    static const TicketLayoutTable table = buildTable();
    return table;
}

const TicketLayout* ticketLayout(int model) {
    if (model < 1 || model > kTicketModelCount) return nullptr;
    return &ticketLayouts()[model];
}

int bonusNumberCount(int model) { return model == 4 ? 13 : 10; }

bool hasBonusRow(int model) { return model == 1 || model == 4; }

std::optional<CmPoint> numberPosition(int model, int n, double slot) {
    const TicketLayout* l = ticketLayout(model);
    if (l == nullptr || n < 1 || n > 50) return std::nullopt;
    const double s = slot;
    switch (model) {
        case 1:
            return CmPoint{l->firstX + column(n, 17) * l->numberStepX,
                           l->firstY + (s - 1) * l->boardStepY + row(n, 17) * l->numberStepY};
        case 2:
            return CmPoint{l->firstX + row(n, 10) * l->numberStepX,
                           l->firstY + (s - 1) * l->boardStepY + column(n, 10) * l->numberStepY};
        case 3:
            if (s <= l->firstRowBoards)
                return CmPoint{l->firstX + (s - 1) * l->boardStepX + column(n, 6) * l->numberStepX,
                               l->firstY + row(n, 6) * l->numberStepY};
            return CmPoint{l->firstX + (s - 6) * l->boardStepX + column(n, 6) * l->numberStepX,
                           l->firstY + l->boardStepY + row(n, 6) * l->numberStepY};
        case 4: {
            const bool evenSlot = static_cast<long long>(std::trunc(s)) % 2 == 0;
            return CmPoint{l->firstX + std::floor((s - 1) / 2) * l->boardStepX + column(n, 7) * l->numberStepX,
                           l->firstY + row(n, 7) * l->numberStepY + (evenSlot ? l->boardStepY : 0.0)};
        }
        case 5:
        case 6: {
            // These tickets go through the printer lengthwise: the record's X values run down the
            // paper and its Y values across it, with rows advancing towards the left edge.
            const int perRow = model == 5 ? 4 : 6;
            const double x = l->firstY - row(n, perRow) * l->numberStepY;
            return CmPoint{x < 0 ? 0.0 : x, l->firstX + (s - 1) * l->boardStepX + column(n, perRow) * l->numberStepX};
        }
    }
    return std::nullopt;
}

bool carriesNumber(int model, int n) {
    const TicketLayout* l = ticketLayout(model);
    return l != nullptr && n >= 1 && n <= l->numberCount;
}

CmSize numberPitch(int model) {
    const TicketLayout* l = ticketLayout(model);
    if (l == nullptr) return {};
    if (model == 5 || model == 6) return {l->numberStepY, l->numberStepX};
    return {l->numberStepX, l->numberStepY};
}

CmSize bonusPitch(int model) {
    const TicketLayout* l = ticketLayout(model);
    if (l == nullptr || !hasBonusRow(model)) return {};
    return {l->bonusStepX, l->bonusStepX};
}

std::optional<CmPoint> bonusPosition(int model, int b) {
    const TicketLayout* l = ticketLayout(model);
    if (l == nullptr || !hasBonusRow(model) || b < 1 || b > bonusNumberCount(model)) return std::nullopt;
    return CmPoint{l->bonusX + (b - 1) * l->bonusStepX, l->bonusY};
}

std::optional<CmPoint> boardNumberPosition(int model, double slot) {
    const std::optional<CmPoint> first = numberPosition(model, 1, slot);
    if (!first) return std::nullopt;
    switch (model) {
        case 1:
        case 2:
            // Boards stacked with hardly a gap between them, but open paper left of the boxes.
            return CmPoint{first->x - kBoardNumberGapLeft, first->y};
        case 4:
            // The two rows of boards touch; the upper ones have room above, the lower ones below.
            if (static_cast<long long>(std::trunc(slot)) % 2 == 0)
                return CmPoint{first->x, first->y + kModel4Rows * ticketLayouts()[4].numberStepY};
            return CmPoint{first->x, first->y - kBoardNumberGapAbove};
        default: return CmPoint{first->x, first->y - kBoardNumberGapAbove};
    }
}

int ticketModelForGameType(int gameType) {
    switch (effectiveGameType(gameType)) {
        case 1: return 1;
        case 4: return 4;
        case 7: return 3;
        case 8: return 5;
        default: return 1;
    }
}

std::string ticketModelListEntry(int model) {
    const TicketLayout* l = ticketLayout(model);
    if (l == nullptr) return {};
    return makeListEntry(l->name, kModelEntryBlanks, model);
}

std::vector<std::string> ticketModelListEntries() {
    std::vector<std::string> entries;
    for (int model = 1; model <= kTicketModelCount; ++model) entries.push_back(ticketModelListEntry(model));
    return entries;
}

int ticketModelFromEntry(std::string_view entry) { return lenientListEntryNumber(entry).value_or(0); }

int rememberedModelEntry(std::int32_t rememberedIndex, int entryCount) {
    return rememberedIndex < 0 || rememberedIndex >= entryCount ? 0 : rememberedIndex;
}

}  // namespace norvex5
