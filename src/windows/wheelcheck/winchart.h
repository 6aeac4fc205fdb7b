#pragma once
// The win table drawn as bars: for every count h of the player's numbers among the five drawn, one
// bar split by how many of them the best board holds, so that a glance shows what a wheel turns a
// lucky draw into.

#include <QColor>
#include <QStringList>
#include <QWidget>
#include <optional>

#include "workshop/wheelcheck.h"

namespace norvex5 {

class WinChart : public QWidget {
    Q_OBJECT

public:
    explicit WinChart(QWidget* parent = nullptr);

    // `legend[j]` names the share where the best board holds j numbers.
    void showTable(const workshop::WinTable& table, const QStringList& legend);
    void clear();
    bool hasTable() const { return table_.has_value(); }

    // The colour of the share where the best board holds j numbers.
    static QColor shareColour(int j);

    QSize sizeHint() const override { return {420, 200}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<workshop::WinTable> table_;
    QStringList legend_;
};

}  // namespace norvex5
