#pragma once
// A number box laid over the ticket picture: a small stretched picture whose tag is its number.
// It reports a mouse-down with its button (the right button fixes a number) and a left click
// (press and release on the box), in that order, as the handlers expect. A double click is one
// click: players double-click out of habit and mean to tick the box, not to tick and untick it.
// From the keyboard, Space is a left click and Shift+Space a right-button press.

#include <QLabel>

namespace norvex5 {

class NumberBox : public QLabel {
    Q_OBJECT
    Q_PROPERTY(int tag READ tag)

public:
    NumberBox(int tag, QWidget* parent);
    int tag() const { return tag_; }

signals:
    void mouseDown(int tag, Qt::MouseButton button);
    void clicked(int tag);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int tag_;
    bool leftPressed_ = false;
};

}  // namespace norvex5
