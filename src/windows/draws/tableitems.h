#pragma once
// The cells of the draws windows' tables: shown, never edited.

#include <QTableWidgetItem>

namespace norvex5 {

inline QTableWidgetItem* shownCell(const QString& text, Qt::Alignment alignment = Qt::AlignCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment);
    return item;
}

}  // namespace norvex5
