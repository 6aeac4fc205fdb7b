#pragma once
// The ticket on screen: a sunken panel (pgrille) holding the ticket picture (Image1) and a number
// box over every printed number. The main window and the board viewer each own one; they differ
// only in how many boxes they have and in the positions the box tables give each of them.
//
// The panel keeps no pictures of its own: it asks the program's TicketPictures, so both tickets
// show the same picture and each is decoded once.

#include <QFrame>
#include <array>
#include <stdexcept>

#include "screen/boxpositions.h"

class QLabel;

namespace norvex5 {

class NumberBox;
class TicketPictures;

class TicketPanel : public QFrame {
    Q_OBJECT

public:
    static constexpr int kMostBoxes = 59;

    // Boxes 1..boxCount, all showing the empty mark; boxes above the grid A count start hidden.
    TicketPanel(TicketOwner owner, int boxCount, TicketPictures& pictures, QWidget* parent);

    // nullptr for a number without a box on this ticket.
    NumberBox* box(int n) const { return n >= 1 && n <= boxCount_ ? boxes_[n] : nullptr; }
    int boxCount() const { return boxCount_; }
    QLabel* picture() const { return picture_; }

    // Puts the picture of `gameType` in place with its sizing rule, shows every child whose tag
    // does not pass `highestNumber` and moves the boxes the table places. A game type without a
    // table leaves the ticket as it is. Throws LayoutError when the picture cannot be had; boxes
    // already moved then stay where they are.
    void layOut(int gameType, int highestNumber);

private:
    TicketOwner owner_;
    int boxCount_;
    TicketPictures& pictures_;
    QLabel* picture_;
    std::array<NumberBox*, kMostBoxes + 1> boxes_{};
};

// A ticket that could not be laid out (its picture is missing); the owner reports it.
class LayoutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace norvex5
