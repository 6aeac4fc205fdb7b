#include "windows/draws/drawcharts.h"

#include <QPainter>
#include <algorithm>

#include "windows/wheelcheck/winchart.h"

namespace norvex5 {

FrequencyChart::FrequencyChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(300, 140);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FrequencyChart::showStatistics(const draws::DrawStatistics& statistics) {
    statistics_ = statistics;
    update();
}

void FrequencyChart::clear() {
    statistics_ = {};
    update();
}

void FrequencyChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const int numbers = static_cast<int>(statistics_.numbers.size()) - 1;
    if (numbers < 1 || statistics_.draws == 0) return;
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect plot = rect().adjusted(8, 8, -8, -metrics.height() - 8);
    if (plot.width() < numbers || plot.height() < 20) return;

    std::int64_t highest = 1;
    for (int n = 1; n <= numbers; ++n) highest = std::max(highest, statistics_.numbers[n].count);
    const double expected = statistics_.numbers[1].expected;
    const double top = std::max<double>(static_cast<double>(highest), expected) * 1.1;
    const double slot = static_cast<double>(plot.width()) / numbers;
    const int barWidth = std::max(1, static_cast<int>(slot * 0.7));
    painter.setPen(palette().text().color());
    for (int n = 1; n <= numbers; ++n) {
        const int x = plot.left() + static_cast<int>((n - 1) * slot + (slot - barWidth) / 2);
        const int height = static_cast<int>(statistics_.numbers[n].count / top * plot.height());
        painter.fillRect(QRect(x, plot.bottom() - height, barWidth, height), WinChart::shareColour(2));
        // Every fifth number named below its bar: all of them would overlap at fifty.
        if (n == 1 || n % 5 == 0)
            painter.drawText(QRect(x - 10, plot.bottom() + 4, barWidth + 20, metrics.height()), Qt::AlignCenter,
                             QString::number(n));
    }
    // The count chance alone gives every number: a line across the bars.
    const int expectedY = plot.bottom() - static_cast<int>(expected / top * plot.height());
    painter.setPen(QPen(WinChart::shareColour(5), 2, Qt::DashLine));
    painter.drawLine(plot.left(), expectedY, plot.right(), expectedY);
    painter.setPen(palette().text().color());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
}

BacktestChart::BacktestChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(300, 100);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BacktestChart::showOutcomes(const std::vector<draws::DrawOutcome>& newestFirst) {
    bestOldestFirst_.clear();
    bestOldestFirst_.reserve(newestFirst.size());
    for (auto outcome = newestFirst.rbegin(); outcome != newestFirst.rend(); ++outcome)
        bestOldestFirst_.push_back(outcome->best);
    update();
}

void BacktestChart::clear() {
    bestOldestFirst_.clear();
    update();
}

void BacktestChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (bestOldestFirst_.empty()) return;
    const QFontMetrics metrics = painter.fontMetrics();
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("5")) + 8;
    const QRect plot = rect().adjusted(labelWidth + 8, 8, -8, -8);
    if (plot.width() < 10 || plot.height() < 20) return;
    const int levels = draws::kDrawnNumbers;
    painter.setPen(palette().mid().color());
    for (int level = 1; level <= levels; ++level) {
        const int y = plot.bottom() - level * plot.height() / levels;
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.drawText(QRect(0, y - metrics.height() / 2, labelWidth, metrics.height()), Qt::AlignRight,
                         QString::number(level));
    }
    // More draws than pixels: each column shows the best of the draws it stands for.
    const auto draws = static_cast<double>(bestOldestFirst_.size());
    const int columns = std::min<int>(plot.width(), static_cast<int>(bestOldestFirst_.size()));
    const double perColumn = draws / columns;
    const double columnWidth = static_cast<double>(plot.width()) / columns;
    for (int column = 0; column < columns; ++column) {
        const auto first = static_cast<std::size_t>(column * perColumn);
        const auto last = std::max(first + 1, static_cast<std::size_t>((column + 1) * perColumn));
        int best = 0;
        for (std::size_t k = first; k < last && k < bestOldestFirst_.size(); ++k) best = std::max(best, bestOldestFirst_[k]);
        const int height = best * plot.height() / levels;
        const int x = plot.left() + static_cast<int>(column * columnWidth);
        painter.fillRect(QRect(x, plot.bottom() - height, std::max(1, static_cast<int>(columnWidth)), height),
                         WinChart::shareColour(best));
    }
    painter.setPen(palette().text().color());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
}

}  // namespace norvex5
