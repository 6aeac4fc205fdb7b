#include "windows/ticket/numberbox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "screen/boxpositions.h"

namespace norvex5 {

NumberBox::NumberBox(int tag, QWidget* parent) : QLabel(parent), tag_(tag) {
    setObjectName(QStringLiteral("icroix%1").arg(tag));
    setProperty("tag", tag);
    setScaledContents(true);
    setAlignment(Qt::AlignCenter);
    resize(kBoxWidth, kBoxHeight);
    setCursor(Qt::PointingHandCursor);
    // A player without a mouse reaches the boxes with Tab and ticks them with Space.
    setFocusPolicy(Qt::StrongFocus);
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    // Space is a left click, Shift+Space the right button that fixes a number.
    if (event->modifiers() & Qt::ShiftModifier)
        emit mouseDown(tag_, Qt::RightButton);
    else
        emit clicked(tag_);
}

void NumberBox::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
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
