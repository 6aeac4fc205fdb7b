#pragma once
// A dialog's one button, centred in a row of its own at the foot of the dialog's column.

#include <QBoxLayout>
#include <QWidget>

namespace norvex5 {

inline void addCentredButtonRow(QBoxLayout& column, QWidget* button) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    row->addStretch();
    column.addLayout(row);
}

}  // namespace norvex5
