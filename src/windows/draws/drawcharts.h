#pragma once
// The two charts of the draws window, painted plainly: how often each number came out beside the
// count chance alone gives, and what a wheel's best board held at each past draw.

#include <QWidget>
#include <vector>

#include "draws/backtest.h"
#include "draws/drawstatistics.h"

namespace norvex5 {

class FrequencyChart : public QWidget {
    Q_OBJECT

public:
    explicit FrequencyChart(QWidget* parent = nullptr);
    void showStatistics(const draws::DrawStatistics& statistics);
    void clear();
    QSize sizeHint() const override { return {600, 180}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    draws::DrawStatistics statistics_;
};

// One thin bar per draw, oldest at the left, as high as the best board's right numbers.
class BacktestChart : public QWidget {
    Q_OBJECT

public:
    explicit BacktestChart(QWidget* parent = nullptr);
    // `newestFirst` as the store gives the draws and the back-test scores them.
    void showOutcomes(const std::vector<draws::DrawOutcome>& newestFirst);
    void clear();
    QSize sizeHint() const override { return {600, 140}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> bestOldestFirst_;
};

}  // namespace norvex5
