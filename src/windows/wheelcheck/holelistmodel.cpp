#include "windows/wheelcheck/holelistmodel.h"

#include <QStringList>
#include <algorithm>

namespace norvex5 {

using workshop::Board;

void HoleListModel::showHoles(const workshop::CoverageIndex& index, workshop::Guarantee guarantee, std::int64_t count,
                              std::vector<std::int32_t> played, const workshop::PassingDraws* needed) {
    beginResetModel();
    index_ = &index;
    needed_ = needed;
    guarantee_ = guarantee;
    count_ = count;
    played_ = std::move(played);
    checkpoints_.clear();
    block_.clear();
    cachedBlock_ = -1;
    if (count_ > 0) {
        Board c{};
        for (int i = 0; i < guarantee.m; ++i) c[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
        bool found = isHole(c);
        while (!found && workshop::nextSubset(c.data(), guarantee.m, index.numbers())) found = isHole(c);
        if (found)
            checkpoints_.push_back(c);
        else
            count_ = 0;  // a count that does not match the index: show nothing
    }
    endResetModel();
}

bool HoleListModel::isHole(const Board& c) const {
    return !index_->meets(c.data(), guarantee_.m, guarantee_.t) &&
           (needed_ == nullptr || needed_->holds(c.data(), guarantee_.m));
}

void HoleListModel::clear() {
    beginResetModel();
    index_ = nullptr;
    needed_ = nullptr;
    count_ = 0;
    checkpoints_.clear();
    block_.clear();
    cachedBlock_ = -1;
    endResetModel();
}

void HoleListModel::loadBlock(std::int64_t block) const {
    if (block == cachedBlock_) return;
    const int m = guarantee_.m;
    const int v = index_->numbers();
    const std::int64_t start = std::min<std::int64_t>(block, static_cast<std::int64_t>(checkpoints_.size()) - 1);
    Board c = checkpoints_[static_cast<std::size_t>(start)];
    std::int64_t n = start * kBlock;  // c is hole number n
    block_.clear();
    do {
        if (!isHole(c)) continue;
        if (n % kBlock == 0 && n / kBlock == static_cast<std::int64_t>(checkpoints_.size())) checkpoints_.push_back(c);
        if (n / kBlock == block) block_.push_back(c);
        if (++n >= (block + 1) * kBlock) break;
    } while (workshop::nextSubset(c.data(), m, v));
    cachedBlock_ = block;
}

std::vector<std::uint8_t> HoleListModel::hole(std::int64_t row) const {
    if (index_ == nullptr || row < 0 || row >= count_) return {};
    loadBlock(row / kBlock);
    const auto at = static_cast<std::size_t>(row % kBlock);
    if (at >= block_.size()) return {};
    return {block_[at].begin(), block_[at].begin() + guarantee_.m};
}

int HoleListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(count_); }

QVariant HoleListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    QStringList numbers;
    for (std::uint8_t position : hole(index.row())) {
        const int shown = position < played_.size() ? played_[position] : position + 1;
        numbers << QString::number(shown);
    }
    return numbers.join(QStringLiteral(" - "));
}

}  // namespace norvex5
