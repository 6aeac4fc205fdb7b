#include "windows/ticket/numberbox.h"

#include <QMouseEvent>

#include "screen/boxpositions.h"

namespace norvex5 {

NumberBox::NumberBox(int tag, QWidget* parent) : QLabel(parent), tag_(tag) {
    setObjectName(QStringLiteral("icroix%1").arg(tag));
    setProperty("tag", tag);
    setScaledContents(true);
    setAlignment(Qt::AlignCenter);
    resize(kBoxWidth, kBoxHeight);
    setCursor(Qt::PointingHandCursor);
}

void NumberBox::mousePressEvent(QMouseEvent* event) {
    leftPressed_ = event->button() == Qt::LeftButton;
    emit mouseDown(tag_, event->button());
    event->accept();
}

void NumberBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        leftPressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    leftPressed_ = false;
    event->accept();
    if (click) emit clicked(tag_);
}

// Qt delivers the second press of a double click as this event, which QWidget would pass on as
// one more press; neither it nor the release after it reports anything.
void NumberBox::mouseDoubleClickEvent(QMouseEvent* event) {
    leftPressed_ = false;
    event->accept();
}

}  // namespace norvex5
