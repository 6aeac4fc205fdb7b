#pragma once
// Where each number box sits over the ticket picture of a game type (positionnecase), in pixels
// relative to the panel pgrille. The main window, the board viewer and the generator that draws
// the ticket pictures all read these tables, so a printed number and its box can never drift
// apart.

#include <array>
#include <optional>

#include "core/lotteries.h"

namespace norvex5 {

inline constexpr int kBoxWidth = 15;
inline constexpr int kBoxHeight = 16;
// The ticket picture Image1 sits at this point of the panel.
inline constexpr int kPictureLeft = 4;
inline constexpr int kPictureTop = 53;

enum class TicketOwner { MainWindow = 1, BoardViewer = 2 };

struct BoxPosition {
    int left = 0;
    int top = 0;
    bool operator==(const BoxPosition&) const = default;
};

struct BoxLayout {
    TicketPicture picture;
    // Set when the picture is cut to a fixed height instead of taking its own.
    std::optional<int> pictureHeight;
    // [1..59]; entry 0 unused. No value: the box keeps whatever position it had.
    std::array<std::optional<BoxPosition>, 60> boxes{};
};

// The layout of a game type code for a window, as the lottery table describes its ticket; no
// value for a code the table has no ticket for, which leaves the window as it is. Code 0 is laid
// out as 1. Grid B boxes (51..) are placed only on the main window (the viewer has none).
std::optional<BoxLayout> boxPositions(int gameType, TicketOwner target, LotteryTable table = kLotteries);

// Show/hide by count: the picture (tag 0) always shows, a box only when its number exists on
// the current ticket.
inline bool tagVisible(int tag, int highestNumber) { return tag <= highestNumber; }

}  // namespace norvex5
