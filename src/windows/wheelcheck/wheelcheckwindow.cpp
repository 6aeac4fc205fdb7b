#include "windows/wheelcheck/wheelcheckwindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "core/appstate.h"
#include "windows/common/longpass.h"
#include "windows/common/qttranslations.h"
#include "windows/wheelcheck/filterpanel.h"
#include "windows/wheelcheck/holelistmodel.h"
#include "windows/wheelcheck/winchart.h"
#include "workshop/keynumbers.h"

namespace norvex5 {

using workshop::Guarantee;
using workshop::kBoardSize;

namespace {

// A share with the language's decimal sign: "83,33 %" in French and German.
QString percentText(const QLocale& locale, double share) { return locale.toString(share * 100.0, 'f', 2) + QStringLiteral(" %"); }

QTableWidgetItem* readOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

WheelCheckWindow::WheelCheckWindow(const Texts& texts, const Settings& settings, Platform& platform, QWidget* parent)
    : QDialog(parent), texts_(texts), settings_(settings), platform_(platform) {
    controls_.build(*this);
    connectHandlers();
    applyTexts();
}

WheelCheckWindow::~WheelCheckWindow() {
    if (pass_ != nullptr) pass_->cancel();
}

void WheelCheckWindow::connectHandlers() {
    connect(controls_.filterPanel, &FilterPanel::changed, this, &WheelCheckWindow::filterChanged);
    connect(controls_.dropFailing, &QCheckBox::toggled, this, [this] {
        if (controls_.filterPanel->filter()) filterChanged();
    });
    connect(controls_.matrix, &QTableWidget::cellClicked, this, [this](int row, int col) {
        const Guarantee g{col + kLowestGuaranteeCell, row + kLowestGuaranteeCell};
        if (g.t <= g.m) showHolesOf(g);
    });
    connect(controls_.matrix, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        const Guarantee g{col + kLowestGuaranteeCell, row + kLowestGuaranteeCell};
        if (row >= 0 && col >= 0 && g.t <= g.m) showHolesOf(g);
    });
}

QString WheelCheckWindow::text(ProgramText which) const { return QString::fromStdString(texts_.programText(which)); }

int WheelCheckWindow::gameHighest() const {
    return std::clamp(std::max(settings_.parameters.highestNumber, wheel_.numbers), workshop::kBoardSize,
                      workshop::kMaxNumbers);
}

QString WheelCheckWindow::cellText(std::int64_t holes, double covered) const {
    const QString share = languageLocale(texts_.language()).toString(covered * 100.0, 'f', 2);
    return holes == 0   ? text(ProgramText::GuaranteeKept)
           : holes == 1 ? text(ProgramText::GuaranteeOneHole).arg(share)
                        : text(ProgramText::GuaranteeHoles).arg(holes).arg(share);
}

// The player changed the filter or dropping: kept for the game type, and the wheel as given
// checked again under it.
void WheelCheckWindow::filterChanged() {
    controls_.filterPanel->keepIn(filterFile_, settings_.parameters.gameType);
    if (profile_ && pass_ == nullptr) checkWheel(givenWheel_, played_);
}

void WheelCheckWindow::applyTexts() {
    setWindowTitle(text(ProgramText::WheelCheckTitle));
    controls_.close->setText(text(ProgramText::Close));
    controls_.filterPanel->setHighest(gameHighest());
    controls_.filterPanel->applyTexts(texts_.language());
    controls_.dropFailing->setText(text(ProgramText::FilterDropFailing));
    for (int k = 0; k < kGuaranteeCells; ++k) {
        controls_.matrix->setHorizontalHeaderItem(k, new QTableWidgetItem(text(ProgramText::OnABoard).arg(k + kLowestGuaranteeCell)));
        controls_.matrix->setVerticalHeaderItem(k, new QTableWidgetItem(text(ProgramText::IfDrawn).arg(k + kLowestGuaranteeCell)));
    }
    controls_.winTable->setHorizontalHeaderItem(0, new QTableWidgetItem(text(ProgramText::DrawnAmongYours)));
    controls_.winTable->setHorizontalHeaderItem(1, new QTableWidgetItem(text(ProgramText::Probability)));
    for (int j = 0; j <= kBoardSize; ++j)
        controls_.winTable->setHorizontalHeaderItem(j + 2, new QTableWidgetItem(text(ProgramText::BestBoardHolds).arg(j)));
    controls_.fitHeadersToTitles();
    if (profile_) {
        showProfile();
        showWinTable();
        if (shownCell_) showHolesOf(*shownCell_);
    }
}

void WheelCheckWindow::openFor(const workshop::Wheel& wheel, const std::vector<std::int32_t>& played, int keys,
                               workshop::Guarantee keyGuarantee) {
    keys_ = keys;
    keyGuarantee_ = keyGuarantee;
    // The language may have changed since the window was built or last shown.
    applyTexts();
    controls_.filterPanel->restoreFrom(filterFile_, settings_.parameters.gameType);
    show();
    raise();
    activateWindow();
    checkWheel(wheel, played);
}

bool WheelCheckWindow::checkWheel(const workshop::Wheel& wheel, const std::vector<std::int32_t>& played) {
    if (pass_ != nullptr) return false;  // one check at a time; the running one keeps the window
    const workshop::Wheel given = wheel;  // `wheel` may be the one kept here
    const std::vector<std::int32_t> numbers = played;
    clearResults();
    givenWheel_ = given;
    wheel_ = given;
    played_ = numbers.size() == static_cast<std::size_t>(given.numbers) ? numbers : std::vector<std::int32_t>{};
    if (workshop::checkLimitsProblem(wheel_.numbers, {1, 1})) return false;

    // The filter speaks of the game's real numbers: the wheel's positions as played.
    controls_.filterPanel->setHighest(gameHighest());
    std::optional<workshop::DrawFilter> filter = controls_.filterPanel->filter();
    workshop::PlayedNumbers asPlayed = workshop::firstNumbers(wheel_.numbers, gameHighest());
    if (!played_.empty()) asPlayed.played.assign(played_.begin(), played_.end());
    if (filter && (controls_.filterPanel->passing() == 0 || workshop::playedNumbersProblem(asPlayed, wheel_.numbers)))
        filter.reset();
    if (filter && controls_.dropFailing->isChecked()) wheel_ = workshop::passingBoards(given, *filter, asPlayed);

    index_ = std::make_unique<workshop::CoverageIndex>(wheel_);
    constexpr std::int64_t kSteps = 1000;
    LongPass pass(this, text(ProgramText::Working), text(ProgramText::Cancel), kSteps);
    pass_ = &pass;
    auto step = [&pass](double done) { return pass.step(static_cast<std::int64_t>(done * kSteps)); };
    if (filter) {
        passingDraws_ = std::make_unique<workshop::PassingDraws>(*filter, asPlayed);
        filtered_ = workshop::filteredProfile(*index_, *passingDraws_, step);
        if (filtered_) profile_ = filtered_->plain;
    } else {
        profile_ = workshop::coverageProfile(*index_, step);
    }
    pass_ = nullptr;
    if (!profile_) {
        index_.reset();
        passingDraws_.reset();
        return false;
    }
    showProfile();
    showWinTable();
    // The first cell that is not kept, where the player wants to look first.
    for (int m = kLowestGuaranteeCell; m <= kBoardSize; ++m)
        for (int t = kLowestGuaranteeCell; t <= m; ++t)
            if (!shownCell_ && holesListed({t, m}) > 0) showHolesOf({t, m});
    return true;
}

void WheelCheckWindow::done(int result) {
    if (pass_ != nullptr) pass_->cancel();
    QDialog::done(result);
}

void WheelCheckWindow::clearResults() {
    controls_.holes->clear();
    shownCell_.reset();
    profile_.reset();
    filtered_.reset();
    passingDraws_.reset();
    index_.reset();
    controls_.summary->clear();
    controls_.holesTitle->clear();
    controls_.winTitle->clear();
    controls_.chart->clear();
    controls_.matrix->clearContents();
    controls_.winTable->clearContents();
}

QString WheelCheckWindow::keyGuaranteeLine() const {
    if (keys_ <= 0 || !index_) return {};
    const auto report = workshop::checkGuaranteeWithKeys(*index_, keyGuarantee_, keys_, 0);
    const QString kept = cellText(report.holes, report.coveredShare);
    const ProgramText condition = keys_ == 1 ? ProgramText::GuaranteeWhenKeyDrawn : ProgramText::GuaranteeWhenKeysDrawn;
    return QStringLiteral("\n") + text(condition).arg(keyGuarantee_.t).arg(keyGuarantee_.m) + QStringLiteral(" \u2014 ") +
           kept;
}

void WheelCheckWindow::showProfile() {
    QStringList numbers;
    for (int k = 0; k < wheel_.numbers; ++k)
        numbers << QString::number(played_.empty() ? k + 1 : played_[static_cast<std::size_t>(k)]);
    QString summary =
        text(ProgramText::WheelSummary).arg(profile_->boards).arg(wheel_.numbers).arg(numbers.join(QLatin1Char(' ')));
    if (filtered_ && controls_.dropFailing->isChecked())
        summary += QStringLiteral(" · ") +
                   text(ProgramText::FilterBoardsDropped).arg(givenWheel_.boards.size() - wheel_.boards.size());
    controls_.summary->setText(summary + keyGuaranteeLine());
    for (int m = kLowestGuaranteeCell; m <= kBoardSize; ++m) {
        for (int t = kLowestGuaranteeCell; t <= kBoardSize; ++t) {
            if (t > m) {
                auto* none = new QTableWidgetItem;
                none->setFlags(Qt::NoItemFlags);
                controls_.matrix->setItem(m - kLowestGuaranteeCell, t - kLowestGuaranteeCell, none);
                continue;
            }
            const Guarantee g{t, m};
            const std::int64_t holes = profile_->holes(g);
            QString cell = cellText(holes, profile_->coveredShare(g));
            // Under a filter the player plays for the draws that pass: that line decides the colour.
            std::int64_t deciding = holes;
            if (filtered_) {
                deciding = filtered_->holesUnderFilter(g);
                cell += QLatin1Char('\n') +
                        text(ProgramText::FilterCell).arg(cellText(deciding, filtered_->coveredShareUnderFilter(g)));
            }
            auto* item = readOnlyItem(cell);
            if (deciding == 0) item->setBackground(QColor(200, 240, 200));
            controls_.matrix->setItem(m - kLowestGuaranteeCell, t - kLowestGuaranteeCell, item);
        }
    }
}

void WheelCheckWindow::showWinTable() {
    const int highest = std::max(settings_.parameters.highestNumber, wheel_.numbers);
    workshop::WinTable table = workshop::winTable(*profile_, highest);
    if (filtered_) {
        // Given that the draw passes: the same table over the passing draws alone.
        const workshop::FilteredWinTable given = workshop::winTableUnderFilter(*filtered_);
        table.drawShare = given.drawShare;
        table.bestShare = given.bestShare;
    }
    controls_.winTitle->setText(text(filtered_ ? ProgramText::WinTableUnderFilterTitle : ProgramText::WinTableTitle).arg(highest) +
                      keyGuaranteeLine());
    const QLocale locale = languageLocale(texts_.language());
    QStringList legend;
    for (int j = 0; j <= kBoardSize; ++j) legend << text(ProgramText::BestBoardHolds).arg(j);
    for (int h = 0; h <= kBoardSize; ++h) {
        controls_.winTable->setItem(h, 0, readOnlyItem(QString::number(h)));
        const double p = table.drawShare[h];
        controls_.winTable->setItem(h, 1,
                           readOnlyItem(p > 0 ? QStringLiteral("1 : %1").arg(locale.toString(1.0 / p, 'f', 0))
                                              : QStringLiteral("0")));
        for (int j = 0; j <= kBoardSize; ++j) {
            const bool reachable = j <= h && h <= wheel_.numbers;
            controls_.winTable->setItem(
                h, j + 2,
                readOnlyItem(reachable ? percentText(locale, table.bestShare[h][j]) : QString()));
        }
    }
    controls_.chart->showTable(table, legend);
}

std::int64_t WheelCheckWindow::holesListed(Guarantee guarantee) const {
    return filtered_ ? filtered_->holesUnderFilter(guarantee) : profile_->holes(guarantee);
}

void WheelCheckWindow::showHolesOf(Guarantee guarantee) {
    if (!profile_ || !index_) return;
    const std::int64_t count = holesListed(guarantee);
    // Under a filter the list holds the holes the filtered line of the cell counts, and says so.
    const QString title =
        text(filtered_ ? ProgramText::HolesUnderFilterOf : ProgramText::HolesOf).arg(guarantee.t).arg(guarantee.m);
    const bool listed = shownCell_ && *shownCell_ == guarantee && controls_.holes->holeCount() == count;
    if (!listed) {
        shownCell_ = guarantee;
        controls_.holes->showHoles(*index_, guarantee, count, played_, filtered_ ? passingDraws_.get() : nullptr);
    }
    controls_.holesTitle->setText(title.arg(controls_.holes->holeCount()));
    const QSignalBlocker quiet(controls_.matrix);
    controls_.matrix->setCurrentCell(guarantee.m - kLowestGuaranteeCell, guarantee.t - kLowestGuaranteeCell);
}

}  // namespace norvex5
