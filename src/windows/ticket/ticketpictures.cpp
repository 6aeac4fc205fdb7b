#include "windows/ticket/ticketpictures.h"

#include "windows/common/pictures.h"

namespace norvex5 {

TicketPictures::TicketPictures() : TicketPictures(&loadTicketPicture) {}

TicketPictures::TicketPictures(TicketLoader loadTicket) : loadTicket_(std::move(loadTicket)) {}

QPixmap TicketPictures::ticket(TicketPicture picture) {
    if (const auto held = tickets_.find(picture); held != tickets_.end()) return held->second;
    // A picture that could not be had is tried again at the next layout, which reports it again.
    const QPixmap loaded = loadTicket_ ? loadTicket_(picture) : QPixmap();
    if (!loaded.isNull()) tickets_.emplace(std::string(picture), loaded);
    return loaded;
}

QPixmap TicketPictures::box(BoxPicture mark) {
    const auto index = static_cast<std::size_t>(mark);
    if (index >= boxes_.size()) return {};
    if (boxes_[index].isNull()) boxes_[index] = loadBoxPicture(mark);
    return boxes_[index];
}

}  // namespace norvex5
