#pragma once
// The holes of one guarantee as rows of a QListView, made only when the view asks for them.
//
// A wheel over 50 numbers can leave two million draws uncovered: a list of them all would cost far
// more than the check itself. The model knows only how many there are; a row is found by walking
// the m-subsets in order from the nearest remembered hole, one hole in every kBlock being
// remembered as the walk passes it, and the block asked last is kept for the rows painted next to
// each other.

#include <QAbstractListModel>
#include <cstdint>
#include <vector>

#include "workshop/wheelcheck.h"

namespace norvex5 {

class HoleListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    static constexpr std::int64_t kBlock = 1024;

    // The `count` holes of `guarantee` in `index` (which must outlive the model's use of it),
    // shown as the numbers `played` (position -> number; 1..v when empty).
    void showHoles(const workshop::CoverageIndex& index, workshop::Guarantee guarantee, std::int64_t count,
                   std::vector<std::int32_t> played);
    void clear();

    std::int64_t holeCount() const { return count_; }
    // The hole in row `row` as positions 0..v-1, ascending.
    std::vector<std::uint8_t> hole(std::int64_t row) const;
    // How many holes are remembered to find rows by; grows with the rows asked for, not the holes.
    std::size_t rememberedHoles() const { return checkpoints_.size(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void loadBlock(std::int64_t block) const;

    const workshop::CoverageIndex* index_ = nullptr;
    workshop::Guarantee guarantee_;
    std::int64_t count_ = 0;
    std::vector<std::int32_t> played_;
    mutable std::vector<workshop::Board> checkpoints_;  // hole number k * kBlock
    mutable std::int64_t cachedBlock_ = -1;
    mutable std::vector<workshop::Board> block_;
};

}  // namespace norvex5
