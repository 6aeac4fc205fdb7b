#pragma once
// Where each number box sits over the ticket picture of a game type (positionnecase), in pixels
// relative to the panel pgrille. The main window, the board viewer and the generator that draws
// the ticket pictures all read these tables, so a printed number and its box can never drift
// apart.

#include <array>
#include <optional>
#include <string_view>

namespace norvex5 {

inline constexpr int kBoxWidth = 15;
inline constexpr int kBoxHeight = 16;
// The ticket picture Image1 sits at this point of the panel.
inline constexpr int kPictureLeft = 4;
inline constexpr int kPictureTop = 53;
// Game type 6 shows only the top of its picture, so that the rows of numbers it does not have
// stay out of sight.
inline constexpr int kCutPictureHeight = 168;

enum class TicketOwner { MainWindow = 1, BoardViewer = 2 };

enum class TicketPicture { Igrille1, Igrille1uk, Igrille1es, Igrille1suisse, Igrille1swisslog, Igrille7, Igrille8 };
inline constexpr int kTicketPictureCount = 7;

// The picture holder's name on the main window, which is also the picture's file name.
std::string_view ticketPictureName(TicketPicture picture);

struct BoxPosition {
    int left = 0;
    int top = 0;
    bool operator==(const BoxPosition&) const = default;
};

struct BoxLayout {
    TicketPicture picture = TicketPicture::Igrille1;
    // Set when the picture is cut to a fixed height instead of taking its own.
    std::optional<int> pictureHeight;
    // [1..59]; entry 0 unused. No value: the box keeps whatever position it had.
    std::array<std::optional<BoxPosition>, 60> boxes{};
};

// The layout of a game type code for a window; no value for a code outside 0..8, which leaves
// the window as it is. Code 0 is laid out as 1. Boxes 51..59 are placed only for game type 2 on
// the main window (the viewer has no such boxes).
std::optional<BoxLayout> boxPositions(int gameType, TicketOwner target);

// Show/hide by count: the picture (tag 0) always shows, a box only when its number exists on
// the current ticket.
inline bool tagVisible(int tag, int highestNumber) { return tag <= highestNumber; }

}  // namespace norvex5
