#include "windows/draws/backtestpage.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>

#include "core/appstate.h"
#include "draws/drawstore.h"
#include "draws/drawtext.h"
#include "persistence/atomicfile.h"
#include "windows/common/drawhistory.h"
#include "windows/common/filepaths.h"
#include "windows/common/linelistmodel.h"
#include "windows/common/platform.h"
#include "windows/draws/drawcharts.h"
#include "windows/draws/tableitems.h"
#include "windows/draws/drawswindowcontrols.h"

namespace norvex5 {

using draws::kDrawnNumbers;

namespace {

constexpr int kEnglish = 2;
constexpr int kBacktestThreads = 2;
constexpr int kProgressIntervalMs = 100;
constexpr int kProgressSteps = 1000;  // the progress bar's range

draws::CalendarDate calendarDateOf(const QDate& date) { return {date.year(), date.month(), date.day()}; }

std::string outcomeLine(const QString& date, const draws::DrawRecord& draw, const draws::DrawOutcome& outcome) {
    std::string line = date.toStdString() + "  " + draws::drawNumbersText(draw, false) + "   " +
                       std::to_string(outcome.best) + "        ";
    for (int right = kDrawnNumbers; right >= 2; --right)
        line += std::to_string(outcome.boardsHolding[right]) + (right > 2 ? " / " : "");
    return line;
}

}  // namespace

BacktestPage::BacktestPage(const Texts& texts, Platform& platform, DrawHistory& history, DrawsWindowControls& controls,
                           QWidget* owner)
    : QObject(owner), texts_(texts), platform_(platform), history_(history), controls_(controls), owner_(owner) {
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(kProgressIntervalMs);
    connectHandlers();
    clearResults();
}

BacktestPage::~BacktestPage() {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
}

void BacktestPage::connectHandlers() {
    connect(controls_.runButton, &QPushButton::clicked, this, &BacktestPage::runBacktest);
    connect(controls_.stopButton, &QPushButton::clicked, this, &BacktestPage::stopBacktest);
    connect(controls_.exportButton, &QPushButton::clicked, this, &BacktestPage::exportCsv);
    connect(progressTimer_, &QTimer::timeout, this, &BacktestPage::showProgress);
    connect(controls_.allDates, &QCheckBox::toggled, this, [this](bool all) {
        controls_.fromDate->setEnabled(!all);
        controls_.toDate->setEnabled(!all);
    });
    controls_.fromDate->setEnabled(false);
    controls_.toDate->setEnabled(false);
}

QString BacktestPage::text(ProgramText which) const { return QString::fromStdString(texts_.programText(which)); }

QString BacktestPage::amount(std::int64_t cents) const {
    return QString::fromStdString(draws::formatAmount(cents, texts_.language() == kEnglish ? '.' : ','));
}

void BacktestPage::applyTexts() {
    const DrawsWindowControls& c = controls_;
    c.wheelGroup->setTitle(text(ProgramText::BacktestWheel));
    c.tickedWheel->setText(text(ProgramText::BacktestTickedWheel));
    c.fileWheel->setText(text(ProgramText::BacktestFileWheel));
    c.periodGroup->setTitle(text(ProgramText::BacktestPeriod));
    c.allDates->setText(text(ProgramText::BacktestAllDates));
    c.fromCaption->setText(text(ProgramText::BacktestFrom));
    c.toCaption->setText(text(ProgramText::BacktestTo));
    c.prizesGroup->setTitle(text(ProgramText::PrizesGroup));
    for (int right = 2; right <= kDrawnNumbers; ++right)
        c.prizeCaptions[right]->setText(text(ProgramText::PrizeForRight).arg(right));
    c.priceCaption->setText(text(ProgramText::BoardPrice));
    c.runButton->setText(text(ProgramText::RunBacktest));
    c.stopButton->setText(text(ProgramText::Stop));
    c.exportButton->setText(text(ProgramText::ExportCsv));
    c.totals->setHorizontalHeaderLabels({text(ProgramText::DrawsWithBest), text(ProgramText::BoardsHolding)});
    QStringList tiers;
    for (int right = kDrawnNumbers; right >= 2; --right) tiers << text(ProgramText::PrizeForRight).arg(right);
    tiers << text(ProgramText::FewerThanTwo);
    c.totals->setVerticalHeaderLabels(tiers);
    // The heading's first word stands over the dates: as wide as they are, and two blanks more.
    const QString heading = text(ProgramText::OutcomeHeading);
    const qsizetype blank = heading.indexOf(QLatin1Char(' '));
    const qsizetype wordEnd = blank < 0 ? heading.size() : blank;
    qsizetype rest = wordEnd;
    while (rest < heading.size() && heading[rest] == QLatin1Char(' ')) ++rest;
    c.outcomeHeading->setText(heading.left(wordEnd).leftJustified(history_.dateWidth() + 2) + heading.mid(rest));
    c.fromDate->setDisplayFormat(history_.dateFormat());
    c.toDate->setDisplayFormat(history_.dateFormat());
    if (prizes_) showPrizes(*prizes_);
    if (!outcomes_.empty()) showResults(controls_.totals->property("boards").toLongLong());
}

void BacktestPage::showPeriodOf(const std::vector<draws::DrawRecord>& newestFirst) {
    abandonBacktest();
    if (!newestFirst.empty()) {
        const auto qdate = [](const draws::CalendarDate& d) { return QDate(d.year, d.month, d.day); };
        controls_.fromDate->setDate(qdate(newestFirst.back().date));
        controls_.toDate->setDate(qdate(newestFirst.front().date));
    }
    draws::DrawStore* store = history_.store();
    prizes_ = store ? store->prizes(history_.gameType()) : draws::PrizeTable{};
    showPrizes(*prizes_);
    clearResults();
}

void BacktestPage::showPrizes(const draws::PrizeTable& prizes) {
    for (int right = 2; right <= kDrawnNumbers; ++right) controls_.prizes[right]->setText(amount(prizes.prize[right]));
    controls_.boardPrice->setText(amount(prizes.boardPrice));
}

std::optional<draws::PrizeTable> BacktestPage::typedPrizes() {
    draws::PrizeTable prizes;
    const auto read = [this](QLineEdit* box, std::int64_t& cents) {
        const auto typed = draws::parseAmount(box->text().toStdString());
        if (!typed) {
            platform_.message(text(ProgramText::NotAnAmount).arg(box->text()), text(ProgramText::PrizesGroup),
                              Platform::Buttons::Ok, Platform::Icon::Warning);
            box->setFocus();
            return false;
        }
        cents = *typed;
        return true;
    };
    for (int right = 2; right <= kDrawnNumbers; ++right)
        if (!read(controls_.prizes[right], prizes.prize[right])) return std::nullopt;
    if (!read(controls_.boardPrice, prizes.boardPrice)) return std::nullopt;
    return prizes;
}

void BacktestPage::clearResults() {
    tested_.clear();
    outcomes_.clear();
    controls_.outcomeLines->clear();
    controls_.outcomeLines->flush();
    controls_.totals->clearContents();
    controls_.money->clear();
    controls_.backtestSummary->clear();
    controls_.backtestChart->clear();
    controls_.exportButton->setEnabled(false);
}

void BacktestPage::runBacktest() {
    draws::DrawStore* store = history_.store();
    if (store == nullptr || running()) return;
    const std::optional<draws::PrizeTable> prizes = typedPrizes();
    if (!prizes) return;
    if (prizes != prizes_) {
        if (!history_.changed(store->setPrizes(history_.gameType(), *prizes))) return;
        prizes_ = prizes;
    }
    const auto& source = controls_.fileWheel->isChecked() ? hooks_.fileWheel : hooks_.tickedWheel;
    if (!source) return;
    const std::optional<WheelToCheck> wheel = source();
    if (!wheel) return;

    std::optional<draws::CalendarDate> from, to;
    if (!controls_.allDates->isChecked()) {
        from = calendarDateOf(controls_.fromDate->date());
        to = calendarDateOf(controls_.toDate->date());
    }
    std::vector<draws::DrawRecord> tested = store->draws(history_.gameType(), from, to);
    if (tested.empty()) {
        clearResults();
        platform_.message(text(ProgramText::NoDrawInPeriod), text(ProgramText::DrawsPageBacktest),
                          Platform::Buttons::Ok, Platform::Icon::Information);
        return;
    }
    clearResults();
    testing_ = std::move(tested);
    stop_ = false;
    done_ = 0;
    work_ = 0;
    const int run = ++run_;
    worker_ = std::thread([this, run, wheel = *wheel] {
        const draws::BoardBits boards(wheel.wheel, wheel.played);
        work_ = draws::backtestWork(boards, testing_.size());
        std::vector<draws::DrawOutcome> outcomes = draws::backtest(boards, testing_, kBacktestThreads, &stop_, &done_);
        const bool complete = done_.load() == work_.load();
        QMetaObject::invokeMethod(
            this, [this, run, outcomes = std::move(outcomes), boards = boards.boards(), complete] {
                finishBacktest(run, outcomes, boards, complete);
            },
            Qt::QueuedConnection);
    });
    showRunning(true);
}

void BacktestPage::stopBacktest() { stop_ = true; }

void BacktestPage::abandonBacktest() {
    if (!running()) return;
    stop_ = true;
    worker_.join();
    ++run_;
    testing_.clear();
    showRunning(false);
    clearResults();
}

void BacktestPage::finishBacktest(int run, const std::vector<draws::DrawOutcome>& outcomes, std::int64_t boards,
                                  bool complete) {
    if (run != run_) return;
    if (worker_.joinable()) worker_.join();
    showRunning(false);
    if (!complete) {
        testing_.clear();
        controls_.backtestSummary->setText(text(ProgramText::BacktestStopped));
        return;
    }
    outcomes_ = outcomes;
    tested_ = std::move(testing_);
    testing_.clear();
    showResults(boards);
}

void BacktestPage::showRunning(bool running) {
    const DrawsWindowControls& c = controls_;
    for (QWidget* setting : std::initializer_list<QWidget*>{c.wheelGroup, c.periodGroup, c.prizesGroup, c.runButton})
        setting->setEnabled(!running);
    c.stopButton->setEnabled(running);
    c.backtestProgress->setValue(0);
    c.backtestProgress->setVisible(running);
    c.backtestSummary->setVisible(!running);
    if (running)
        progressTimer_->start();
    else
        progressTimer_->stop();
}

void BacktestPage::showProgress() {
    const std::int64_t work = work_.load();
    if (work > 0)
        controls_.backtestProgress->setValue(static_cast<int>(done_.load() * kProgressSteps / work));
}

void BacktestPage::showResults(std::int64_t boards) {
    const DrawsWindowControls& c = controls_;
    c.totals->setProperty("boards", QVariant::fromValue<qlonglong>(boards));
    const draws::BacktestTotals totals = draws::backtestTotals(outcomes_, boards);
    for (int right = kDrawnNumbers; right >= 2; --right) {
        const int row = kDrawnNumbers - right;
        c.totals->setItem(row, 0, shownCell(QString::number(totals.drawsWithBest[right])));
        c.totals->setItem(row, 1, shownCell(QString::number(totals.boardsHolding[right])));
    }
    c.totals->setItem(kTierRows - 1, 0, shownCell(QString::number(totals.drawsWithBest[0] + totals.drawsWithBest[1])));
    c.totals->setItem(kTierRows - 1, 1, shownCell(QString()));

    c.outcomeLines->clear();
    for (std::size_t k = 0; k < tested_.size() && k < outcomes_.size(); ++k)
        c.outcomeLines->append(outcomeLine(history_.paddedDateText(tested_[k].date), tested_[k], outcomes_[k]));
    c.outcomeLines->flush();
    c.backtestChart->showOutcomes(outcomes_);
    c.backtestSummary->setText(text(ProgramText::BacktestSummary)
                                   .arg(boards)
                                   .arg(static_cast<qint64>(tested_.size()))
                                   .arg(history_.dateText(tested_.back().date),
                                        history_.dateText(tested_.front().date)));
    const draws::CostAndWinnings money = draws::costAndWinnings(totals, prizes_.value_or(draws::PrizeTable{}));
    c.money->setText(text(ProgramText::CostAndWinnings)
                         .arg(amount(money.cost), amount(money.winnings), amount(money.winnings - money.cost)));
    c.exportButton->setEnabled(true);
}

void BacktestPage::exportCsv() {
    if (outcomes_.empty()) return;
    Platform::FileDialog dialog;
    dialog.title = text(ProgramText::ExportCsv);
    dialog.filter = text(ProgramText::CsvFileFilter);
    dialog.defaultSuffix = QStringLiteral("csv");
    dialog.overwritePrompt = true;
    const QString file = platform_.saveFileName(dialog);
    if (file.isEmpty()) return;
    if (!writeFileAtomically(toPath(file), draws::backtestCsv(tested_, outcomes_)))
        platform_.message(text(ProgramText::FileNotWritten).arg(file), text(ProgramText::ExportCsv),
                          Platform::Buttons::Ok, Platform::Icon::Warning);
}

}  // namespace norvex5
