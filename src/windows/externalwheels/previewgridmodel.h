#pragma once
// The rows of a preview grid of the external wheels tab (GrilleNumero, GrilleNumero2): column 0
// numbers the rows, columns 1 to 5 hold a board's five fields, columns 6 to 10 stay empty.
//
// The grid is also where a pass over the whole file shows how far it got (row j gets j while the
// j-th board is printed), and a file may hold a million boards: the model keeps the rows it was
// given and only a row count beyond them, so a million rows of progress cost nothing but the
// count, and the view hears of new rows in batches (flushRows), not one by one.

#include <QAbstractTableModel>
#include <cstdint>
#include <functional>
#include <vector>

#include "externalwheels/externalwheel.h"

namespace norvex5 {

class PreviewGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumns = 11;

    using QAbstractTableModel::QAbstractTableModel;

    // One empty row, as the grid stands before a preview.
    void clear();
    // The rows of a preview; at least one row stays, empty when there is none.
    void setRows(std::vector<PreviewRow> rows);
    // Rows read when a view paints them, `count` of them: a whole file shown without keeping it.
    // `row(k)` gives row k from 0; an empty source goes back to one empty row.
    void setRowSource(std::int64_t count, std::function<PreviewRow(std::int64_t row)> row);

    // Progress: the grid is `rows` rows long and row `rows` is numbered. The view hears of it at
    // the next flushRows().
    void showProgress(std::int64_t rows);
    void flushRows();

    std::int64_t pendingRowCount() const { return pendingRows_; }
    const std::vector<PreviewRow>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void reset(std::int64_t rows, std::int64_t numbered);

    std::vector<PreviewRow> rows_;
    std::function<PreviewRow(std::int64_t row)> source_;
    int shownRows_ = 1;  // the rows the views know of
    std::int64_t pendingRows_ = 1;
    std::int64_t numberedRows_ = 0;  // rows whose column 0 holds their number
    mutable std::int64_t cachedRow_ = -1;
    mutable PreviewRow cached_;
};

}  // namespace norvex5
