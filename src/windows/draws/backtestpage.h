#pragma once
// The back-test page of the draws window: the boards of a wheel tested against every stored draw
// of the game type (or those of a period), with per draw the best board's right numbers and the
// boards holding 5, 4, 3 and 2, the totals per tier, a chart over time and a CSV export; with the
// player's prizes and price per board (kept per game type in the history), the cost and the
// winnings over the period.
//
// The test runs on a worker thread of its own (which shares the draws with a second one), the
// window staying responsive: a progress bar and a Stop button meanwhile, the settings locked. The
// worker has its own copy of the boards and draws, so that nothing the window does meanwhile
// reaches it; closing the window, or showing another game type, stops the test and waits for it.

#include <QObject>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "draws/backtest.h"
#include "draws/drawfile.h"
#include "localisation/programtexts.h"
#include "windows/wheelcheck/wheelsources.h"

class QTimer;
class QWidget;

namespace norvex5 {

class Texts;
class DrawHistory;
class Platform;
struct DrawsWindowControls;

// Where the boards come from; each tells the player itself why it has none.
struct BacktestHooks {
    std::function<std::optional<WheelToCheck>()> tickedWheel;  // the ticked numbers with the chosen wheel
    std::function<std::optional<WheelToCheck>()> fileWheel;    // the external tab's file as it is played
};

class BacktestPage : public QObject {
    Q_OBJECT

public:
    BacktestPage(const Texts& texts, Platform& platform, DrawHistory& history, DrawsWindowControls& controls,
                 QWidget* owner);
    ~BacktestPage() override;

    BacktestHooks& hooks() { return hooks_; }
    const std::vector<draws::DrawOutcome>& outcomes() const { return outcomes_; }

    // The period's dates at the oldest and newest draw shown, and the game type's prizes.
    void showPeriodOf(const std::vector<draws::DrawRecord>& newestFirst);
    void applyTexts();

    bool running() const { return worker_.joinable(); }
    // Ends a running test now, its results dropped: the window is closing or shows other draws.
    void abandonBacktest();

    // The handlers, as the player reaches them.
    void runBacktest();
    void stopBacktest();
    void exportCsv();

private:
    void finishBacktest(int run, const std::vector<draws::DrawOutcome>& outcomes, std::int64_t boards, bool complete);
    void showRunning(bool running);
    void showProgress();
    void connectHandlers();
    // The prizes typed, in cents; nothing after telling the player which box is not an amount.
    std::optional<draws::PrizeTable> typedPrizes();
    void showPrizes(const draws::PrizeTable& prizes);
    void showResults(std::int64_t boards);
    void clearResults();
    QString amount(std::int64_t cents) const;
    QString text(ProgramText which) const;

    const Texts& texts_;
    Platform& platform_;
    DrawHistory& history_;
    DrawsWindowControls& controls_;
    QWidget* owner_;
    BacktestHooks hooks_;
    std::vector<draws::DrawRecord> tested_;  // newest first, as the outcomes
    std::vector<draws::DrawOutcome> outcomes_;
    std::optional<draws::PrizeTable> prizes_;

    // The test under way: its draws (newest first), the worker, how far it has come.
    std::vector<draws::DrawRecord> testing_;
    std::thread worker_;
    std::atomic<bool> stop_{false};
    std::atomic<std::int64_t> done_{0};
    std::atomic<std::int64_t> work_{0};
    int run_ = 0;  // which run a worker's result belongs to: an abandoned one's is dropped
    QTimer* progressTimer_ = nullptr;
};

}  // namespace norvex5
