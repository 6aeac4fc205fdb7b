#pragma once
// A long pass over boards (printing, exporting, comparing a wheel file of a million lines) run on
// the window's thread without freezing it: the pass calls step() once per board; about every
// 50 ms that lets the window process its events, and once the pass has run half a second a
// progress dialog with a Cancel button appears. Cancel, or cancel() from the window (which calls
// it when it closes), makes the next step() return false so the pass stops cleanly.
//
// Processing events once per board would cost more than the pass itself on a big file, and a
// dialog for a pass of a few milliseconds would only flicker: hence the two thresholds.

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>

class QProgressDialog;
class QWidget;

namespace norvex5 {

class LongPass {
public:
    // `total` boards when known, 0 when not (a wheel file is read without being counted first).
    LongPass(QWidget* owner, const QString& label, const QString& cancelText, std::int64_t total = 0);
    ~LongPass();
    LongPass(const LongPass&) = delete;
    LongPass& operator=(const LongPass&) = delete;

    // After board `done`; false once the pass is to stop.
    bool step(std::int64_t done);
    void cancel() { cancelled_ = true; }
    // The boards the pass goes through, learnt after it was made; before the dialog appears.
    void setTotal(std::int64_t total) { total_ = std::max<std::int64_t>(total, 0); }
    // Runs just before each round of events, so that what the pass formed since the last round
    // (the rows of a list, say) is on screen when the window repaints.
    void setBeforeEvents(std::function<void()> hook) { beforeEvents_ = std::move(hook); }
    bool cancelled() const { return cancelled_; }

    // The longest the window went without processing its events, for the benchmarks.
    std::chrono::milliseconds longestGap() const { return std::chrono::milliseconds(longestGapMs_); }

    static constexpr std::int64_t kEventIntervalMs = 50;
    static constexpr std::int64_t kDialogDelayMs = 500;

private:
    void processEvents();

    QPointer<QWidget> owner_;
    QString label_;
    QString cancelText_;
    std::int64_t total_;
    QElapsedTimer clock_;
    std::int64_t lastEventsMs_ = 0;
    std::int64_t longestGapMs_ = 0;
    QProgressDialog* dialog_ = nullptr;
    std::function<void()> beforeEvents_;
    bool cancelled_ = false;
};

}  // namespace norvex5
