#pragma once
// The rules that turn number n of the board in slot s into a place on the paper play ticket of a
// model, over the models' records in the lottery table (core/lotteries.h).
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

#include "core/lotteries.h"

namespace norvex5 {

struct CmPoint {
    double x = 0;
    double y = 0;
};

// nullptr for a model number the table does not have, so no caller can index past it.
const TicketLayout* ticketLayout(int model, LotteryTable table = kLotteries);

// How many bonus numbers the print dialog offers for the model: its bonus row's boxes, and ten
// for a slip without a bonus row (the choice is then hidden).
int bonusNumberCount(int model);
// Only the slips the table gives bonus boxes have a bonus row.
bool hasBonusRow(int model);

// Where the box of number n (1..50) of the board in `slot` lies. The slot is a floating value
// because the internal printer counts it so; a slip of paired boards tests the parity of its
// integer part. Nothing for a number outside 1..50 or an unknown model: such numbers are never
// marked.
std::optional<CmPoint> numberPosition(int model, int n, double slot);
std::optional<CmPoint> numberPosition(const TicketLayout& slip, int n, double slot);

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
// of a box: the tickets fed lengthwise swap the record's two steps. Zero for an unknown model.
CmSize numberPitch(int model);
// The same along the bonus row, whose boxes stand as far apart down the paper as across it.
CmSize bonusPitch(int model);

// Where a board's number is written on the ticket, clear of every number box: left of the
// board's first box where the boards are stacked, above it where there is room between boards
// (and on the upper board of a pair), under the last row on the lower board of a pair. The point
// is the top-left corner of the text.
std::optional<CmPoint> boardNumberPosition(int model, double slot);

// The model proposed for the ticket the main window shows for `gameType` until the user has
// chosen one: the lottery's first slip; a lottery without a slip of its own (the hidden types, the
// New York ticket) gets model 1. A game type of 0 or below is taken as 1.
int ticketModelForGameType(int gameType, LotteryTable table = kLotteries);

// --- The ticket model lists (the print dialog's and the external wheel page's) --------------

inline constexpr int kModelEntryBlanks = 300;

// The model's name, 300 blanks and the model number, so the number stays out of sight in a
// drop-down list and survives the list being sorted.
std::string ticketModelListEntry(int model, LotteryTable table = kLotteries);
// The entries for every model of the table in model order.
std::vector<std::string> ticketModelListEntries(LotteryTable table = kLotteries);

// The model number hidden at the end of an entry: its last three characters, blanks trimmed,
// read as a decimal integer (listentry.h, the lenient reading). 0 when they are not one, which
// every caller treats as "no model".
int ticketModelFromEntry(std::string_view entry);

// The entry to select after filling a list of `entryCount` entries: the remembered index when
// it lies inside the list, else the first entry.
int rememberedModelEntry(std::int32_t rememberedIndex, int entryCount);

}  // namespace norvex5
