#include "windows/wheelcheck/winchart.h"

#include <QPainter>
#include <algorithm>

namespace norvex5 {

using workshop::kBoardSize;

WinChart::WinChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(360, 180);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WinChart::showTable(const workshop::WinTable& table, const QStringList& legend) {
    table_ = table;
    legend_ = legend;
    update();
}

void WinChart::clear() {
    table_.reset();
    update();
}

QColor WinChart::shareColour(int j) {
    static const QColor colours[kBoardSize + 1] = {QColor(200, 200, 200), QColor(160, 190, 230), QColor(90, 150, 220),
                                                   QColor(40, 170, 90),   QColor(240, 170, 40),  QColor(220, 50, 50)};
    return colours[std::clamp(j, 0, kBoardSize)];
}

void WinChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (!table_) return;

    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = metrics.height();
    int legendWidth = 0;
    for (const QString& text : legend_) legendWidth = std::max(legendWidth, metrics.horizontalAdvance(text));
    legendWidth += lineHeight + 16;

    const QRect plot = rect().adjusted(8, 8, -legendWidth - 8, -lineHeight - 12);
    if (plot.width() < 20 || plot.height() < 20) return;
    painter.setPen(palette().text().color());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());

    // One bar per h from 1 to 5 the player's numbers can reach; the whole bar is the certainty
    // that h were drawn, split by what the best board holds.
    const int bars = kBoardSize;
    const int slot = plot.width() / bars;
    const int barWidth = std::max(4, slot * 3 / 5);
    for (int h = 1; h <= kBoardSize; ++h) {
        const int x = plot.left() + (h - 1) * slot + (slot - barWidth) / 2;
        double below = 0;
        const bool reachable = h <= table_->numbers;
        for (int j = 0; j <= h && reachable; ++j) {
            const double share = table_->bestShare[h][j];
            if (share <= 0) continue;
            const int top = plot.bottom() - static_cast<int>((below + share) * plot.height());
            const int bottom = plot.bottom() - static_cast<int>(below * plot.height());
            painter.fillRect(QRect(x, top, barWidth, std::max(1, bottom - top)), shareColour(j));
            below += share;
        }
        painter.drawText(QRect(x - slot / 2, plot.bottom() + 4, barWidth + slot, lineHeight), Qt::AlignCenter,
                         QString::number(h));
    }

    // The legend, one line per count the best board can hold.
    const int legendLeft = plot.right() + 16;
    for (int j = 0; j < legend_.size() && j <= kBoardSize; ++j) {
        const int y = plot.top() + j * (lineHeight + 4);
        painter.fillRect(QRect(legendLeft, y + 2, lineHeight - 4, lineHeight - 4), shareColour(j));
        painter.drawText(QPoint(legendLeft + lineHeight, y + metrics.ascent()), legend_[j]);
    }
}

}  // namespace norvex5
