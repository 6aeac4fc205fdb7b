#include "screen/boxpositions.h"

namespace norvex5 {

namespace {

// The standard columns and rows most tickets share: a 21-pixel pitch with one extra pixel after
// the third column, and rows that follow the printed ticket rather than a strict pitch.
constexpr int kColumns[] = {9, 30, 51, 73, 94, 115, 136, 157, 178, 199, 220, 241, 262, 283, 304, 325, 346};
constexpr int kRows[] = {56, 77, 99, 119, 141, 162, 184, 204, 226, 244};

constexpr int column(int c) { return kColumns[c - 1]; }
constexpr int row(int r) { return kRows[r - 1]; }

// Row-major over the standard columns and rows: k numbers to a row.
BoxPosition rowMajor(int n, int k) { return {column((n - 1) % k + 1), row((n - 1) / k + 1)}; }
// Column-major: k numbers to a column.
BoxPosition columnMajor(int n, int k) { return {column((n - 1) / k + 1), row((n - 1) % k + 1)}; }

BoxPosition wideGrid(int n, int k) {
    if (n == 50) return {9, 206};
    return {23 + 30 * ((n - 1) % k), 72 + 30 * ((n - 1) / k)};
}

BoxPosition twoBlocks(int n, int k) {
    constexpr int lefts1[] = {24, 54, 83, 113};
    constexpr int lefts2[] = {173, 203, 233, 263};
    constexpr int tops[] = {72, 101, 130, 159, 190, 220, 250};
    const bool second = n > 28;
    const int i = second ? n - 29 : n - 1;
    return {(second ? lefts2 : lefts1)[i % k], tops[i / k]};
}

BoxPosition boxOf(const ScreenTicket& ticket, int n) {
    switch (ticket.boxes) {
        case ScreenBoxes::Rows: return rowMajor(n, ticket.perLine);
        case ScreenBoxes::Columns: return columnMajor(n, ticket.perLine);
        case ScreenBoxes::WideGrid: return wideGrid(n, ticket.perLine);
        case ScreenBoxes::TwoBlocks: return twoBlocks(n, ticket.perLine);
    }
    return {};
}

// Grid B, a 3 x 3 block; the third column is not quite straight on the ticket.
constexpr BoxPosition kGridB[9] = {{219, 95},  {256, 95},  {293, 95},  {219, 136}, {256, 136},
                                   {296, 136}, {219, 175}, {256, 175}, {296, 175}};

}  // namespace

std::optional<BoxLayout> boxPositions(int gameType, TicketOwner target, LotteryTable table) {
    if (target != TicketOwner::MainWindow && target != TicketOwner::BoardViewer) return std::nullopt;
    const Lottery* lottery = findLottery(gameType == 0 ? 1 : gameType, table);
    if (lottery == nullptr || lottery->screen.picture.empty()) return std::nullopt;
    const ScreenTicket& ticket = lottery->screen;

    BoxLayout layout;
    layout.picture = ticket.picture;
    layout.pictureHeight = ticket.pictureHeight;
    for (int n = 1; n <= 50; ++n) layout.boxes[n] = boxOf(ticket, n);
    if (target == TicketOwner::MainWindow)
        for (int k = 0; k < ticket.gridB && k < 9; ++k) layout.boxes[51 + k] = kGridB[k];
    return layout;
}

}  // namespace norvex5
