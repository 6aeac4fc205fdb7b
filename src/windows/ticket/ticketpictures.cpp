#include "windows/ticket/ticketpictures.h"

#include "windows/common/pictures.h"

namespace norvex5 {

TicketPictures::TicketPictures() : TicketPictures(&loadTicketPicture) {}

TicketPictures::TicketPictures(TicketLoader loadTicket) : loadTicket_(std::move(loadTicket)) {}

QPixmap TicketPictures::ticket(TicketPicture picture) {
    const auto index = static_cast<std::size_t>(picture);
    if (index >= tickets_.size()) return {};
    // A picture that could not be had is tried again at the next layout, which reports it again.
    if (tickets_[index].isNull() && loadTicket_) tickets_[index] = loadTicket_(picture);
    return tickets_[index];
}

QPixmap TicketPictures::box(BoxPicture mark) {
    const auto index = static_cast<std::size_t>(mark);
    if (index >= boxes_.size()) return {};
    if (boxes_[index].isNull()) boxes_[index] = loadBoxPicture(mark);
    return boxes_[index];
}

}  // namespace norvex5
