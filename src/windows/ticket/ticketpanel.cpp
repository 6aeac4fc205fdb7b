#include "windows/ticket/ticketpanel.h"

#include <QLabel>
#include <QVariant>
#include <algorithm>

#include "core/selection.h"
#include "windows/ticket/numberbox.h"
#include "windows/ticket/ticketpictures.h"

namespace norvex5 {

TicketPanel::TicketPanel(TicketOwner owner, int boxCount, TicketPictures& pictures, QWidget* parent)
    : QFrame(parent), owner_(owner), boxCount_(std::clamp(boxCount, 0, kMostBoxes)), pictures_(pictures) {
    setObjectName(QStringLiteral("pgrille"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette paper = palette();
    paper.setColor(QPalette::Window, QColor(255, 255, 255, 150));
    setPalette(paper);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setProperty("tag", 0);
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture_->setGeometry(kPictureLeft, kPictureTop, 295, 230);

    const QPixmap emptyBox = pictures_.box(BoxPicture::Empty);
    for (int n = 1; n <= boxCount_; ++n) {
        auto* box = new NumberBox(n, this);
        box->setPixmap(emptyBox);
        if (n > kGridACount) box->hide();
        boxes_[n] = box;
    }
}

void TicketPanel::layOut(int gameType, int highestNumber) {
    const std::optional<BoxLayout> layout = boxPositions(gameType, owner_);
    if (!layout) return;
    const QPixmap picture = pictures_.ticket(layout->picture);
    if (picture.isNull()) throw LayoutError("ticket picture missing");

    picture_->setPixmap(picture);
    picture_->setGeometry(kPictureLeft, kPictureTop, picture.width(), layout->pictureHeight.value_or(picture.height()));
    // Everything on the panel carries a tag: 0 for what always shows, a box's number for a box.
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow()) continue;
        widget->setVisible(tagVisible(widget->property("tag").toInt(), highestNumber));
    }
    for (int n = 1; n <= boxCount_; ++n) {
        if (layout->boxes[n]) boxes_[n]->move(layout->boxes[n]->left, layout->boxes[n]->top);
    }
}

}  // namespace norvex5
