#pragma once
// The geometry of the paper play tickets the boards are printed onto, one record per ticket
// model, and the rule that turns number n of the board in slot s into a place on the paper.
//
// Every length is in centimetres from the top-left corner of the sheet as it enters the
// printer, X to the right and Y downwards; a position is where the top-left corner of the mark
// goes. Turning centimetres into printer pixels is the ticket printer's business
// (ticketprinting.h).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvex5 {

inline constexpr int kTicketModelCount = 6;

// The mark drawn into a box.
enum class MarkShape : std::int32_t {
    Letter = 1,   // the letter "X" in the ticket font
    Bar = 2,      // filled rectangle 0.35 cm wide, 0.2 cm high
    ThinBar = 3,  // filled rectangle 0.35 cm wide, 0.1 cm high
    Square = 4,   // filled square of 0.29 cm
};

struct TicketLayout {
    std::string name;   // shown in the model lists
    double firstX = 0;  // box of number 1 of the first board
    double firstY = 0;
    double numberStepX = 0;  // between neighbouring boxes along a row
    double numberStepY = 0;  // between neighbouring rows of boxes
    double boardStepX = 0;   // between boards side by side
    double boardStepY = 0;   // between boards one below the other
    std::int32_t boardsPerTicket = 0;
    std::int32_t firstRowBoards = 0;  // model 3 only
    double bonusX = 0;                // box of bonus number 1
    double bonusY = 0;
    double bonusStepX = 0;
    MarkShape markShape = MarkShape::Letter;
    // The highest number printed on the paper ticket: its boxes run from 1 to this number.
    std::int32_t numberCount = 0;
};

// Indexed by ticket model number 1..6; entry 0 is an empty record.
using TicketLayoutTable = std::array<TicketLayout, kTicketModelCount + 1>;

struct CmPoint {
    double x = 0;
    double y = 0;
};

// The table of the six models, always the same constant values.
const TicketLayoutTable& ticketLayouts();

// nullptr for a model outside 1..6, so no caller can index past the table.
const TicketLayout* ticketLayout(int model);

// How many bonus boxes the model's ticket offers: 13 for model 4, 10 for any other.
int bonusNumberCount(int model);
// Only these tickets have a bonus row.
bool hasBonusRow(int model);

// Where the box of number n (1..50) of the board in `slot` lies. The slot is a floating value
// because the internal printer counts it so; model 4 tests the parity of its integer part.
// Nothing for a number outside 1..50 or a model outside 1..6: such numbers are never marked.
std::optional<CmPoint> numberPosition(int model, int n, double slot);

// Box of bonus number b: (bonusX + (b - 1) * bonusStepX, bonusY). Nothing for a model without a
// bonus row or a b outside 1..bonusNumberCount.
std::optional<CmPoint> bonusPosition(int model, int b);

// True when the paper ticket of `model` has a box for grid A number n.
bool carriesNumber(int model, int n);

struct CmSize {
    double width = 0;
    double height = 0;
};

// The distance from one number box to the next across and down the paper, which bounds the size
// of a box: the tickets fed lengthwise swap the record's two steps. Zero for a model outside 1..6.
CmSize numberPitch(int model);
// The same along the bonus row, whose boxes stand as far apart down the paper as across it.
CmSize bonusPitch(int model);

// Where a board's number is written on the ticket, clear of every number box: left of the
// board's first box where the boards are stacked (models 1, 2), above it where there is room
// between boards (models 3, 5, 6 and the upper boards of model 4), under the last row for the
// lower boards of model 4. The point is the top-left corner of the text.
std::optional<CmPoint> boardNumberPosition(int model, double slot);

// The model whose paper ticket is the one the main window shows for `gameType`, proposed until
// the user has chosen a model: France and Portugal have their own, the Florida ticket is printed
// on the Florida model and the South Carolina ticket on its own; a ticket without a model of its
// own (the hidden types, the New York ticket) gets the first model.
int ticketModelForGameType(int gameType);

// --- The ticket model lists (the print dialog's and the external wheel page's) --------------

inline constexpr int kModelEntryBlanks = 300;

// The model's name, 300 blanks and the model number, so the number stays out of sight in a
// drop-down list and survives the list being sorted.
std::string ticketModelListEntry(int model);
// The entries for models 1..6 in model order.
std::vector<std::string> ticketModelListEntries();

// The model number hidden at the end of an entry: its last three characters, blanks trimmed,
// read as a decimal integer (listentry.h, the lenient reading). 0 when they are not one, which
// every caller treats as "no model".
int ticketModelFromEntry(std::string_view entry);

// The entry to select after filling a list of `entryCount` entries: the remembered index when
// it lies inside the list, else the first entry.
int rememberedModelEntry(std::int32_t rememberedIndex, int entryCount);

}  // namespace norvex5
