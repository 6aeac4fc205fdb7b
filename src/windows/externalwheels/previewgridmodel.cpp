#include "windows/externalwheels/previewgridmodel.h"

#include <QBrush>
#include <QPalette>
#include <algorithm>
#include <limits>

namespace norvex5 {

namespace {

// A view counts its rows in an int.
int viewRows(std::int64_t rows) {
    return static_cast<int>(std::clamp<std::int64_t>(rows, 1, std::numeric_limits<int>::max()));
}

}  // namespace

void PreviewGridModel::reset(std::int64_t rows, std::int64_t numbered) {
    beginResetModel();
    cachedRow_ = -1;
    pendingRows_ = std::max<std::int64_t>(rows, 1);
    shownRows_ = viewRows(pendingRows_);
    numberedRows_ = numbered;
    endResetModel();
}

void PreviewGridModel::clear() {
    rows_.clear();
    source_ = nullptr;
    reset(1, 0);
}

void PreviewGridModel::setRows(std::vector<PreviewRow> rows) {
    rows_ = std::move(rows);
    source_ = nullptr;
    const auto count = static_cast<std::int64_t>(rows_.size());
    reset(count, count);
}

void PreviewGridModel::setRowSource(std::int64_t count, std::function<PreviewRow(std::int64_t row)> row) {
    rows_.clear();
    source_ = count > 0 ? std::move(row) : nullptr;
    if (!source_) count = 0;
    reset(count, count);
}

void PreviewGridModel::showProgress(std::int64_t rows) {
    pendingRows_ = std::max<std::int64_t>(rows, 1);
    numberedRows_ = std::max(numberedRows_, rows);
}

void PreviewGridModel::flushRows() {
    const int target = viewRows(pendingRows_);
    if (target > shownRows_) {
        beginInsertRows({}, shownRows_, target - 1);
        shownRows_ = target;
        endInsertRows();
    } else if (target < shownRows_) {
        beginRemoveRows({}, target, shownRows_ - 1);
        shownRows_ = target;
        endRemoveRows();
    }
    // The numbers of rows the views knew already may have come with this batch.
    if (shownRows_ > 0) emit dataChanged(index(0, 0), index(shownRows_ - 1, 0), {Qt::DisplayRole});
}

int PreviewGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shownRows_; }

int PreviewGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant PreviewGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row();
    const int column = index.column();
    if (role == Qt::BackgroundRole && column == 0) return QPalette().brush(QPalette::Button);
    if (role != Qt::DisplayRole) return {};
    if (column == 0) return row < numberedRows_ ? QVariant(row + 1) : QVariant();
    if (column > kPreviewFields) return {};
    if (source_) {
        // A view asks for a row cell by cell: the row is read once for its five cells.
        if (cachedRow_ != row) {
            cached_ = source_(row);
            cachedRow_ = row;
        }
        return QString::fromStdString(cached_.cells[static_cast<std::size_t>(column)]);
    }
    if (row < static_cast<int>(rows_.size()))
        return QString::fromStdString(rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)]);
    return {};
}

QVariant PreviewGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // The grid's title row is there, grey and empty, as a frame for the numbers.
    if (role == Qt::DisplayRole) return QString();
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace norvex5
