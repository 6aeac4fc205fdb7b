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

BoxPosition thirtyPixelGrid(int n) {
    if (n == 50) return {9, 206};
    const int c = (n - 1) % 7;
    const int r = (n - 1) / 7;
    return {23 + 30 * c, 72 + 30 * r};
}

BoxPosition twoBlocks(int n) {
    constexpr int lefts1[] = {24, 54, 83, 113};
    constexpr int lefts2[] = {173, 203, 233, 263};
    constexpr int tops[] = {72, 101, 130, 159, 190, 220, 250};
    const bool second = n > 28;
    const int i = second ? n - 29 : n - 1;
    return {(second ? lefts2 : lefts1)[i % 4], tops[i / 4]};
}

BoxPosition boxOf(int gameType, int n) {
    switch (gameType) {
        case 1: return rowMajor(n, 17);
        case 2: return rowMajor(n, 8);
        case 3: return columnMajor(n, 9);
        case 4: return thirtyPixelGrid(n);
        case 5:
        case 6: return rowMajor(n, 5);
        case 7: return rowMajor(n, 6);
        default: return twoBlocks(n);
    }
}

// Grid B of game type 2, a 3 x 3 block; the third column is not quite straight on the ticket.
constexpr BoxPosition kGridB[9] = {{219, 95},  {256, 95},  {293, 95},  {219, 136}, {256, 136},
                                   {296, 136}, {219, 175}, {256, 175}, {296, 175}};

constexpr TicketPicture kPictures[9] = {
    TicketPicture::Igrille1,         TicketPicture::Igrille1,       TicketPicture::Igrille1uk,
    TicketPicture::Igrille1es,       TicketPicture::Igrille1suisse, TicketPicture::Igrille1swisslog,
    TicketPicture::Igrille1swisslog, TicketPicture::Igrille7,       TicketPicture::Igrille8,
};

}  // namespace

std::string_view ticketPictureName(TicketPicture picture) {
    switch (picture) {
        case TicketPicture::Igrille1: return "igrille1";
        case TicketPicture::Igrille1uk: return "igrille1uk";
        case TicketPicture::Igrille1es: return "igrille1es";
        case TicketPicture::Igrille1suisse: return "igrille1suisse";
        case TicketPicture::Igrille1swisslog: return "igrille1swisslog";
        case TicketPicture::Igrille7: return "igrille7";
        case TicketPicture::Igrille8: return "igrille8";
    }
    return {};
}

std::optional<BoxLayout> boxPositions(int gameType, TicketOwner target) {
    if (gameType < 0 || gameType > 8) return std::nullopt;
    if (target != TicketOwner::MainWindow && target != TicketOwner::BoardViewer) return std::nullopt;
    const int code = gameType == 0 ? 1 : gameType;

    BoxLayout layout;
    layout.picture = kPictures[code];
    if (code == 6) layout.pictureHeight = kCutPictureHeight;
    for (int n = 1; n <= 50; ++n) layout.boxes[n] = boxOf(code, n);
    if (code == 2 && target == TicketOwner::MainWindow)
        for (int k = 0; k < 9; ++k) layout.boxes[51 + k] = kGridB[k];
    return layout;
}

}  // namespace norvex5
