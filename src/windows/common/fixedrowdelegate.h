#pragma once
// Rows of a list all one height, whatever the font and the desktop's spacing say: the compact
// lists of boards keep their designed row height, and with uniform sizes the view asks the
// delegate once, not once per row of a list of millions.

#include <QStyledItemDelegate>

namespace norvex5 {

class FixedRowDelegate : public QStyledItemDelegate {
public:
    FixedRowDelegate(int rowHeight, QObject* parent) : QStyledItemDelegate(parent), rowHeight_(rowHeight) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_};
    }

private:
    int rowHeight_;
};

}  // namespace norvex5
