#pragma once
// The pictures of the tickets on screen: a ticket picture per game type and the three box marks.
// The program keeps one set, which the main window's ticket and the board viewer's both ask: each
// picture is decoded the first time a ticket shows it and kept for the run, so a start decodes
// only the ticket it shows and the two windows share one copy of it.

#include <QPixmap>
#include <array>
#include <functional>
#include <map>
#include <string>

#include "core/selection.h"
#include "screen/boxpositions.h"

namespace norvex5 {

class TicketPictures {
public:
    using TicketLoader = std::function<QPixmap(TicketPicture)>;

    // The program's own pictures; a test may hand in another way to load the ticket pictures.
    TicketPictures();
    explicit TicketPictures(TicketLoader loadTicket);

    // A null picture when it cannot be had.
    QPixmap ticket(TicketPicture picture);
    QPixmap box(BoxPicture mark);

private:
    TicketLoader loadTicket_;
    std::map<std::string, QPixmap, std::less<>> tickets_;
    std::array<QPixmap, 3> boxes_;
};

}  // namespace norvex5
