#include "output/ticketlayouts.h"

#include <cmath>

#include "textfiles/listentry.h"

namespace norvex5 {

namespace {

// Column and row of number n's box in rows of k boxes, both from 0.
int column(int n, int k) { return (n - 1) % k; }
int row(int n, int k) { return (n - 1) / k; }

// Blank room kept between a board number and the boxes it belongs to.
constexpr double kBoardNumberGapLeft = 0.9;    // wide enough for three digits of the ticket font
constexpr double kBoardNumberGapAbove = 0.45;  // one line of the ticket font and a little air

// The lower board of a pair: slots 2, 4, ... by the integer part of the slot.
bool lowerOfPair(double slot) { return static_cast<long long>(std::trunc(slot)) % 2 == 0; }

}  // namespace

const TicketLayout* ticketLayout(int model, LotteryTable table) { return findTicketModel(model, table); }

int bonusNumberCount(int model) {
    const TicketLayout* l = ticketLayout(model);
    return l != nullptr && l->bonusNumbers > 0 ? l->bonusNumbers : 10;
}

bool hasBonusRow(int model) {
    const TicketLayout* l = ticketLayout(model);
    return l != nullptr && l->bonusNumbers > 0;
}

std::optional<CmPoint> numberPosition(int model, int n, double slot) {
    const TicketLayout* l = ticketLayout(model);
    if (l == nullptr) return std::nullopt;
    return numberPosition(*l, n, slot);
}

std::optional<CmPoint> numberPosition(const TicketLayout& slip, int n, double slot) {
    if (n < 1 || n > 50 || slip.perRow < 1) return std::nullopt;
    const int k = slip.perRow;
    const double s = slot;
    switch (slip.boxes) {
        case SlipBoxes::StackedRows:
            return CmPoint{slip.firstX + column(n, k) * slip.numberStepX,
                           slip.firstY + (s - 1) * slip.boardStepY + row(n, k) * slip.numberStepY};
        case SlipBoxes::StackedColumns:
            return CmPoint{slip.firstX + row(n, k) * slip.numberStepX,
                           slip.firstY + (s - 1) * slip.boardStepY + column(n, k) * slip.numberStepY};
        case SlipBoxes::TwoRowsOfBoards:
            if (s <= slip.firstRowBoards)
                return CmPoint{slip.firstX + (s - 1) * slip.boardStepX + column(n, k) * slip.numberStepX,
                               slip.firstY + row(n, k) * slip.numberStepY};
            return CmPoint{slip.firstX + (s - slip.firstRowBoards - 1) * slip.boardStepX + column(n, k) * slip.numberStepX,
                           slip.firstY + slip.boardStepY + row(n, k) * slip.numberStepY};
        case SlipBoxes::PairedBoards:
            return CmPoint{slip.firstX + std::floor((s - 1) / 2) * slip.boardStepX + column(n, k) * slip.numberStepX,
                           slip.firstY + row(n, k) * slip.numberStepY + (lowerOfPair(s) ? slip.boardStepY : 0.0)};
        case SlipBoxes::Lengthwise: {
            const double x = slip.firstY - row(n, k) * slip.numberStepY;
            return CmPoint{x < 0 ? 0.0 : x, slip.firstX + (s - 1) * slip.boardStepX + column(n, k) * slip.numberStepX};
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
    if (l->boxes == SlipBoxes::Lengthwise) return {l->numberStepY, l->numberStepX};
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
    const TicketLayout* l = ticketLayout(model);
    const std::optional<CmPoint> first = numberPosition(model, 1, slot);
    if (l == nullptr || !first) return std::nullopt;
    switch (l->boxes) {
        case SlipBoxes::StackedRows:
        case SlipBoxes::StackedColumns:
            // Boards stacked with hardly a gap between them, but open paper left of the boxes.
            return CmPoint{first->x - kBoardNumberGapLeft, first->y};
        case SlipBoxes::PairedBoards:
            // The two rows of boards touch; the upper ones have room above, the lower ones below.
            if (lowerOfPair(slot)) {
                const int rows = (l->numberCount + l->perRow - 1) / l->perRow;
                return CmPoint{first->x, first->y + rows * l->numberStepY};
            }
            return CmPoint{first->x, first->y - kBoardNumberGapAbove};
        default: return CmPoint{first->x, first->y - kBoardNumberGapAbove};
    }
}

int ticketModelForGameType(int gameType, LotteryTable table) {
    const Lottery* lottery = findLottery(effectiveGameType(gameType), table);
    if (lottery == nullptr || lottery->slips.empty()) return 1;
    return lottery->slips.front().number;
}

std::string ticketModelListEntry(int model, LotteryTable table) {
    const TicketLayout* l = ticketLayout(model, table);
    if (l == nullptr) return {};
    return makeListEntry(l->name, kModelEntryBlanks, model);
}

std::vector<std::string> ticketModelListEntries(LotteryTable table) {
    std::vector<std::string> entries;
    for (int model = 1; model <= ticketModelCount(table); ++model) entries.push_back(ticketModelListEntry(model, table));
    return entries;
}

int ticketModelFromEntry(std::string_view entry) { return lenientListEntryNumber(entry).value_or(0); }

int rememberedModelEntry(std::int32_t rememberedIndex, int entryCount) {
    return rememberedIndex < 0 || rememberedIndex >= entryCount ? 0 : rememberedIndex;
}

}  // namespace norvex5
