#pragma once
// Every lottery the program knows, one row each: its game type code, the ticket the main window
// shows for it and how the boxes lie on that picture, the radio button that chooses it, the paper
// slips (ticket models) its boards are printed on with their rules, and the page where its
// operator publishes the results. The box positions, the parameters' repair, the main window's
// buttons, the ticket layouts and the model lists all read their answer from here; none of them
// decides anything by a game type code or a model number of its own. Adding a lottery is one row
// here plus its pictures (its ticket picture in resources/tickets and the .qrc).
//
// Header only, and constant at compile time: the parameters file and the box positions, which lie
// below core, read it without linking core, and every reader also takes a table of its own, so
// that a test can hand it a table with a lottery more.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace norvex5 {

// A ticket picture, named as its file under tickets/ (without ".jpg"), which is also the name of
// the main window's holder of that picture.
using TicketPicture = std::string_view;

// --- The ticket on screen -----------------------------------------------------------------------

// How the number boxes run over a ticket picture; the pixels are screen/boxpositions' business.
enum class ScreenBoxes {
    Rows,       // `perLine` boxes to a row on the standard columns and rows
    Columns,    // `perLine` boxes to a column on the same
    WideGrid,   // rows of `perLine` at a 30-pixel pitch, box 50 alone under the first column
    TwoBlocks,  // two blocks of rows of `perLine`, the second starting again at the top with 29
};

struct ScreenTicket {
    TicketPicture picture{};
    // Set when only the top of the picture shows, hiding the rows of numbers the game lacks.
    std::optional<int> pictureHeight{};
    ScreenBoxes boxes = ScreenBoxes::Rows;
    int perLine = 0;
    // Grid B numbers with a box on the main window's ticket, in a 3 x 3 block; 0 for none.
    int gridB = 0;
};

struct GameTypeButton {
    std::string_view objectName{};
    std::string_view caption{};  // as the window was designed
    // A hidden button chooses nothing the user can reach; it keeps its code for old settings.
    bool shown = true;
};

// --- The paper slips ----------------------------------------------------------------------------

// The mark drawn into a box.
enum class MarkShape : std::int32_t {
    Letter = 1,   // the letter "X" in the ticket font
    Bar = 2,      // filled rectangle 0.35 cm wide, 0.2 cm high
    ThinBar = 3,  // filled rectangle 0.35 cm wide, 0.1 cm high
    Square = 4,   // filled square of 0.29 cm
};

// How the number boxes run on a slip and where its boards lie; the centimetres are
// output/ticketlayouts' business.
enum class SlipBoxes {
    StackedRows,      // rows of `perRow`; boards one below the other
    StackedColumns,   // columns of `perRow`; boards one below the other
    TwoRowsOfBoards,  // rows of `perRow`; boards side by side, `firstRowBoards` of them above
    PairedBoards,     // rows of `perRow`; odd slots above, even slots under them, pairs side by side
    Lengthwise,       // fed into the printer lengthwise: the record's X runs down the paper, its
                      // Y across it, rows of `perRow` advancing towards the left edge
};

// One ticket model: the geometry of a paper slip. Every length is in centimetres from the
// top-left corner of the sheet as it enters the printer; a position is where the top-left corner
// of the mark goes.
struct TicketLayout {
    // The model's number: kept at the end of its model list entry, and so in the remembered
    // choice. Numbers run from 1 without a gap over the whole table.
    int number = 0;
    std::string_view name{};  // shown in the model lists
    double firstX = 0;       // box of number 1 of the first board
    double firstY = 0;
    double numberStepX = 0;  // between neighbouring boxes along a row
    double numberStepY = 0;  // between neighbouring rows of boxes
    double boardStepX = 0;   // between boards side by side
    double boardStepY = 0;   // between boards one below the other
    std::int32_t boardsPerTicket = 0;
    std::int32_t firstRowBoards = 0;  // TwoRowsOfBoards only
    double bonusX = 0;                // box of bonus number 1
    double bonusY = 0;
    double bonusStepX = 0;
    MarkShape markShape = MarkShape::Letter;
    // The highest number printed on the slip: its boxes run from 1 to this number.
    std::int32_t numberCount = 0;
    SlipBoxes boxes = SlipBoxes::StackedRows;
    int perRow = 0;
    // Boxes of the bonus row, numbered from 1; 0 for a slip without one.
    int bonusNumbers = 0;
};

// --- The lotteries ------------------------------------------------------------------------------

// The code of a lottery whose slips can be printed but that has no ticket on screen.
inline constexpr std::int32_t kPrintedOnly = 0;

struct Lottery {
    // The game type code kept in the parameters file; kPrintedOnly for a lottery without a
    // ticket on screen.
    std::int32_t code = kPrintedOnly;
    std::string_view name{};     // for the reader of this table; never shown
    std::int32_t highestNumber = 0;  // grid A runs from 1 to this number
    ScreenTicket screen{};
    // In the order the main window builds them; an empty objectName ends the list.
    std::array<GameTypeButton, 2> buttons{};
    // The first is proposed for printing until the user has chosen a model.
    std::span<const TicketLayout> slips{};
    std::string_view resultsPage{};  // the operator's own page of the latest results
};

using LotteryTable = std::span<const Lottery>;

namespace lotteryslips {

inline constexpr TicketLayout kFrance[] = {{.number = 1,
                                            .name = "FRANCE LOTO",
                                            .firstX = 2.2,
                                            .firstY = 3.9,
                                            .numberStepX = 0.4,
                                            .numberStepY = 0.4,
                                            .boardStepY = 1.568,
                                            .boardsPerTicket = 5,
                                            .bonusX = 5.0,
                                            .bonusY = 11.7,
                                            .bonusStepX = 0.4,
                                            .markShape = MarkShape::Letter,
                                            .numberCount = 49,
                                            .boxes = SlipBoxes::StackedRows,
                                            .perRow = 17,
                                            .bonusNumbers = 10}};

inline constexpr TicketLayout kRomania[] = {{.number = 2,
                                             .name = "ROUMANIA LOTO 5/40",
                                             .firstX = 3.9,
                                             .firstY = 3.1,
                                             .numberStepX = 0.4,
                                             .numberStepY = 0.4,
                                             .boardStepY = 1.62,
                                             .boardsPerTicket = 4,
                                             .markShape = MarkShape::Letter,
                                             .numberCount = 40,
                                             .boxes = SlipBoxes::StackedColumns,
                                             .perRow = 10}};

inline constexpr TicketLayout kFloridaNorthCarolina[] = {{.number = 3,
                                                          .name = "FLORIDA FANTASY5",
                                                          .firstX = 3.08,
                                                          .firstY = 1.27,
                                                          .numberStepX = 0.439,
                                                          .numberStepY = 0.45,
                                                          .boardStepX = 3.173,
                                                          .boardStepY = 3.65,
                                                          .boardsPerTicket = 10,
                                                          .firstRowBoards = 5,
                                                          .markShape = MarkShape::Square,
                                                          .numberCount = 36,
                                                          .boxes = SlipBoxes::TwoRowsOfBoards,
                                                          .perRow = 6},
                                                         {.number = 6,
                                                          .name = "North Carolina Cash5 (in vertical on printer)",
                                                          .firstX = 3.6,
                                                          .firstY = 4.4,
                                                          .numberStepX = 0.45,
                                                          .numberStepY = 0.453,
                                                          .boardStepX = 3.172,
                                                          .boardsPerTicket = 5,
                                                          .markShape = MarkShape::Square,
                                                          .numberCount = 39,
                                                          .boxes = SlipBoxes::Lengthwise,
                                                          .perRow = 6}};

inline constexpr TicketLayout kPortugal[] = {{.number = 4,
                                              .name = "PORTUGAL NOVO TOTOLOTO 2011",
                                              .firstX = 2.07,
                                              .firstY = 1.75,
                                              .numberStepX = 0.39,
                                              .numberStepY = 0.42,
                                              .boardStepX = 2.7,
                                              .boardStepY = 2.92,
                                              .boardsPerTicket = 10,
                                              .bonusX = 2.38,
                                              .bonusY = 8.92,
                                              .bonusStepX = 0.39,
                                              .markShape = MarkShape::Letter,
                                              .numberCount = 49,
                                              .boxes = SlipBoxes::PairedBoards,
                                              .perRow = 7,
                                              .bonusNumbers = 13}};

inline constexpr TicketLayout kSouthCarolina[] = {{.number = 5,
                                                   .name = "South Carolina Cash5 (in vertical on printer)",
                                                   .firstX = 4.55,
                                                   .firstY = 6.8,
                                                   .numberStepX = 0.328,
                                                   .numberStepY = 0.632,
                                                   .boardStepX = 2.07,
                                                   .boardsPerTicket = 5,
                                                   .markShape = MarkShape::Bar,
                                                   .numberCount = 38,
                                                   .boxes = SlipBoxes::Lengthwise,
                                                   .perRow = 4}};

}  // namespace lotteryslips

// The hidden game types 2, 3 and 5 are the tickets of an earlier version, kept so that its
// settings still open; they read as 49-number games.
inline constexpr Lottery kLotteries[] = {
    {.code = 1,
     .name = "France",
     .highestNumber = 49,
     .screen = {.picture = "igrille1", .boxes = ScreenBoxes::Rows, .perLine = 17},
     .buttons = {{{"Rfrance", "(France..)"}}},
     .slips = lotteryslips::kFrance,
     .resultsPage = "https://www.fdj.fr/jeux-de-tirage/loto/resultats"},
    {.code = 2,
     .name = "United Kingdom",
     .highestNumber = 49,
     .screen = {.picture = "igrille1uk", .boxes = ScreenBoxes::Rows, .perLine = 8, .gridB = 9},
     .buttons = {{{"rUk", "4", false}}},
     .resultsPage = "https://www.national-lottery.co.uk/results/lotto/draw-history"},
    {.code = 3,
     .name = "Spain",
     .highestNumber = 49,
     .screen = {.picture = "igrille1es", .boxes = ScreenBoxes::Columns, .perLine = 9},
     .buttons = {{{"rEspagne", "2", false}}},
     .resultsPage = "https://www.loteriasyapuestas.es/es/resultados/primitiva"},
    {.code = 4,
     .name = "Portugal",
     .highestNumber = 49,
     .screen = {.picture = "igrille1suisse", .boxes = ScreenBoxes::WideGrid, .perLine = 7},
     .buttons = {{{"rsuisse", "5", false}, {"rportugal", "(Portugal )"}}},
     .slips = lotteryslips::kPortugal,
     .resultsPage = "https://www.jogossantacasa.pt/web/SCCartazResult/totolotoNew"},
    {.code = 5,
     .name = "Switzerland",
     .highestNumber = 49,
     .screen = {.picture = "igrille1swisslog", .boxes = ScreenBoxes::Rows, .perLine = 5},
     .buttons = {{{"rswisslog", "6", false}}},
     .resultsPage = "https://www.swisslos.ch/en/swisslotto/information/winning-numbers/winning-numbers.html"},
    {.code = 6,
     .name = "New York Take 5",
     .highestNumber = 39,
     .screen = {.picture = "igrille1swisslog", .pictureHeight = 168, .boxes = ScreenBoxes::Rows, .perLine = 5},
     .buttons = {{{"rautriche", "NYTake5"}}},
     .resultsPage = "https://nylottery.ny.gov/draw-game?game=take5"},
    {.code = 7,
     .name = "Florida, North Carolina",
     .highestNumber = 50,
     .screen = {.picture = "igrille7", .boxes = ScreenBoxes::Rows, .perLine = 6},
     .buttons = {{{"rflorida", " (Florida , N. Car. )"}}},
     .slips = lotteryslips::kFloridaNorthCarolina,
     .resultsPage = "https://floridalottery.com/games/draw-games/fantasy-5"},
    {.code = 8,
     .name = "South Carolina",
     .highestNumber = 50,
     .screen = {.picture = "igrille8", .boxes = ScreenBoxes::TwoBlocks, .perLine = 4},
     .buttons = {{{"rticketncarl", "S Carolina.."}}},
     .slips = lotteryslips::kSouthCarolina,
     .resultsPage = "https://www.sceducationlottery.com/Games/PalmettoCash5"},
    {.code = kPrintedOnly, .name = "Romania", .highestNumber = 40, .slips = lotteryslips::kRomania},
};

// --- Reading the table --------------------------------------------------------------------------

// The row of a game type code; null for kPrintedOnly and for a code no row has.
constexpr const Lottery* findLottery(std::int32_t code, LotteryTable table = kLotteries) {
    if (code == kPrintedOnly) return nullptr;
    for (const Lottery& lottery : table)
        if (lottery.code == code) return &lottery;
    return nullptr;
}

// The button the user sees for a lottery; null when it has none.
constexpr const GameTypeButton* shownButton(const Lottery& lottery) {
    for (const GameTypeButton& button : lottery.buttons)
        if (!button.objectName.empty() && button.shown) return &button;
    return nullptr;
}

// The highest number a game type's radio button sets: the lottery's own, for a lottery the user
// can choose. A hidden game type leaves it unchanged (no value).
constexpr std::optional<std::int32_t> highestNumberSetBy(std::int32_t code, LotteryTable table = kLotteries) {
    const Lottery* lottery = findLottery(code, table);
    if (lottery == nullptr || shownButton(*lottery) == nullptr) return std::nullopt;
    return lottery->highestNumber;
}

// The game type's own highest number, for repairing a value read from a damaged file; 49 for a
// code no row has.
constexpr std::int32_t ownHighestNumber(std::int32_t code, LotteryTable table = kLotteries) {
    const Lottery* lottery = findLottery(code, table);
    return lottery != nullptr ? lottery->highestNumber : 49;
}

// 0 and below are taken as 1.
constexpr std::int32_t effectiveGameType(std::int32_t code) { return code <= 0 ? 1 : code; }

// The game type radio buttons in the order the main window builds them, hidden ones included.
struct GameTypeChoice {
    std::int32_t code = 0;
    GameTypeButton button{};
};
inline std::vector<GameTypeChoice> gameTypeButtons(LotteryTable table = kLotteries) {
    std::vector<GameTypeChoice> choices;
    for (const Lottery& lottery : table)
        for (const GameTypeButton& button : lottery.buttons)
            if (!button.objectName.empty()) choices.push_back({lottery.code, button});
    return choices;
}

// Every ticket picture once, in the order of the table.
inline std::vector<TicketPicture> ticketPictures(LotteryTable table = kLotteries) {
    std::vector<TicketPicture> pictures;
    for (const Lottery& lottery : table) {
        const TicketPicture picture = lottery.screen.picture;
        bool known = picture.empty();
        for (const TicketPicture& seen : pictures) known = known || seen == picture;
        if (!known) pictures.push_back(picture);
    }
    return pictures;
}

// The slip of a model number; null for a number no row has.
constexpr const TicketLayout* findTicketModel(int number, LotteryTable table = kLotteries) {
    for (const Lottery& lottery : table)
        for (const TicketLayout& slip : lottery.slips)
            if (slip.number == number) return &slip;
    return nullptr;
}

constexpr int ticketModelCount(LotteryTable table = kLotteries) {
    int count = 0;
    for (const Lottery& lottery : table) count += static_cast<int>(lottery.slips.size());
    return count;
}

// The model lists show the models by their numbers, so these must run from 1 without a gap.
constexpr bool ticketModelsNumberedFromOne(LotteryTable table) {
    for (int number = 1; number <= ticketModelCount(table); ++number)
        if (findTicketModel(number, table) == nullptr) return false;
    return true;
}
static_assert(ticketModelsNumberedFromOne(kLotteries), "ticket model numbers must run 1, 2, ... without a gap");

inline constexpr int kTicketModelCount = ticketModelCount();

}  // namespace norvex5
