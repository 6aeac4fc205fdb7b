#pragma once
// The lines of a long list (the boards of a wheel, the result of every board against a draw) as a
// model for a QListView: the text of all lines in blocks of a megabyte, a position per line, and
// a row made into a QString only when a view paints it. A million lines cost their bytes and eight
// more each, not a widget item each. The blocks are never moved once written: one buffer that
// doubles would hold its old and its new copy at once while it grows, half as much again as the
// text itself.
//
// A pass appends lines as it forms them; the view hears of them in batches, when the pass calls
// flush() (between two event-processing moments) and once at its end.

#include <QAbstractListModel>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace norvex5 {

class LineListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void clear();
    void append(std::string_view utf8Line);
    // Tells the views about the lines appended since the last flush.
    void flush();

    // Every line appended so far, announced or not.
    qsizetype lineCount() const { return static_cast<qsizetype>(starts_.size()); }
    std::string_view line(qsizetype row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    // A line's position: its block in the high 32 bits, its offset in the block in the low ones.
    // A line never spans two blocks.
    std::vector<std::string> blocks_;
    std::vector<std::uint64_t> starts_;
    int announced_ = 0;
};

}  // namespace norvex5
