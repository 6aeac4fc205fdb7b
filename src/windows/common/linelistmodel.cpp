#include "windows/common/linelistmodel.h"

#include <algorithm>
#include <limits>

namespace norvex5 {

namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;

}  // namespace

void LineListModel::clear() {
    beginResetModel();
    blocks_.clear();
    blocks_.shrink_to_fit();
    starts_.clear();
    starts_.shrink_to_fit();
    announced_ = 0;
    endResetModel();
}

void LineListModel::append(std::string_view utf8Line) {
    if (blocks_.empty() || blocks_.back().size() + utf8Line.size() > blocks_.back().capacity()) {
        blocks_.emplace_back();
        // A line longer than a block gets a block of its own size.
        blocks_.back().reserve(std::max(kBlockSize, utf8Line.size()));
    }
    std::string& block = blocks_.back();
    starts_.push_back(static_cast<std::uint64_t>(blocks_.size() - 1) << 32 | block.size());
    block.append(utf8Line);
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
    const auto r = static_cast<std::size_t>(row);
    const std::uint64_t start = starts_[r];
    const std::string& block = blocks_[static_cast<std::size_t>(start >> 32)];
    const std::size_t offset = static_cast<std::uint32_t>(start);
    // The line ends where the next begins in the same block, else at the end of its block.
    const bool nextInBlock = r + 1 < starts_.size() && starts_[r + 1] >> 32 == start >> 32;
    const std::size_t end = nextInBlock ? static_cast<std::uint32_t>(starts_[r + 1]) : block.size();
    return std::string_view(block).substr(offset, end - offset);
}

int LineListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : announced_; }

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= announced_) return {};
    const std::string_view text = line(index.row());
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace norvex5
