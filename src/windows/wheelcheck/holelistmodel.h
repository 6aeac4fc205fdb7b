#pragma once
// The holes of one guarantee as rows of a QListView, made only when the view asks for them.
//
// A wheel over 50 numbers can leave two million draws uncovered: a list of them all would cost far
// more than the check itself. The model knows only how many there are; a row is found by walking
// the m-subsets in order from the nearest remembered hole, one hole in every kBlock being
// remembered as the walk passes it, and the block asked last is kept for the rows painted next to
// each other.
//
// Under a filter the list holds only the holes that need covering: the m-subsets some draw that
// passes the filter holds, as the check under the filter counts them.

#include <QAbstractListModel>
#include <cstdint>
#include <vector>

#include "workshop/filteredcheck.h"
#include "workshop/wheelcheck.h"

namespace norvex5 {

class HoleListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    static constexpr std::int64_t kBlock = 1024;

    // The `count` holes of `guarantee` in `index`, shown as the numbers `played` (position ->
    // number; 1..v when empty); with `needed`, only those some draw that passes holds. `index`
    // and `needed` must outlive the model's use of them.
    void showHoles(const workshop::CoverageIndex& index, workshop::Guarantee guarantee, std::int64_t count,
                   std::vector<std::int32_t> played, const workshop::PassingDraws* needed = nullptr);
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
    bool isHole(const workshop::Board& c) const;

    const workshop::CoverageIndex* index_ = nullptr;
    const workshop::PassingDraws* needed_ = nullptr;
    workshop::Guarantee guarantee_;
    std::int64_t count_ = 0;
    std::vector<std::int32_t> played_;
    mutable std::vector<workshop::Board> checkpoints_;  // hole number k * kBlock
    mutable std::int64_t cachedBlock_ = -1;
    mutable std::vector<workshop::Board> block_;
};

}  // namespace norvex5
