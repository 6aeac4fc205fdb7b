#include "windows/common/linelistmodel.h"

#include <algorithm>
#include <limits>

namespace norvex5 {

void LineListModel::clear() {
    beginResetModel();
    text_.clear();
    text_.shrink_to_fit();
    starts_.clear();
    starts_.shrink_to_fit();
    announced_ = 0;
    endResetModel();
}

void LineListModel::append(std::string_view utf8Line) {
    starts_.push_back(text_.size());
    text_.append(utf8Line);
}

void LineListModel::flush() {
    // A view counts its rows in an int: lines beyond that stay in the model, out of sight.
    const int total = static_cast<int>(std::min<qsizetype>(lineCount(), std::numeric_limits<int>::max()));
    if (total <= announced_) return;
    beginInsertRows({}, announced_, total - 1);
    announced_ = total;
    endInsertRows();
}

std::string_view LineListModel::line(qsizetype row) const {
    if (row < 0 || row >= lineCount()) return {};
    const std::size_t start = starts_[static_cast<std::size_t>(row)];
    const std::size_t end = row + 1 < lineCount() ? starts_[static_cast<std::size_t>(row) + 1] : text_.size();
    return std::string_view(text_).substr(start, end - start);
}

int LineListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : announced_; }

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= announced_) return {};
    const std::string_view text = line(index.row());
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace norvex5
