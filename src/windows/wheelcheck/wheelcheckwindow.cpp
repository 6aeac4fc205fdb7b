#include "windows/wheelcheck/wheelcheckwindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "core/appstate.h"
#include "windows/common/longpass.h"
#include "windows/common/qttranslations.h"
#include "windows/wheelcheck/filterpanel.h"
#include "windows/common/closerow.h"
#include "windows/common/windowfont.h"
#include "windows/wheelcheck/holelistmodel.h"
#include "windows/wheelcheck/winchart.h"
#include "workshop/keynumbers.h"

namespace norvex5 {

using workshop::Guarantee;
using workshop::kBoardSize;

namespace {

constexpr int kLowestCell = 2;  // a guarantee of one number is met by any wheel worth the name
constexpr int kCells = kBoardSize - kLowestCell + 1;


// A share with the language's decimal sign: "83,33 %" in French and German.
QString percentText(const QLocale& locale, double share) { return locale.toString(share * 100.0, 'f', 2) + QStringLiteral(" %"); }

QTableWidgetItem* readOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

// Room around a title in a header section, beside the text itself.
constexpr int kHeaderMargin = 12;

// The header as high as its longest title needs, wrapped in its column as it is now wide: a
// title of three lines in one language is not cut to two.
void fitHeaderToTitles(QTableWidget& table) {
    QHeaderView* header = table.horizontalHeader();
    const QFontMetrics metrics = header->fontMetrics();
    int most = 2 * metrics.height();
    for (int column = 0; column < table.columnCount(); ++column) {
        const QTableWidgetItem* title = table.horizontalHeaderItem(column);
        const int width = header->sectionSize(column) - kHeaderMargin;
        if (title == nullptr || width <= 0) continue;
        const QRect wrapped = metrics.boundingRect(QRect(0, 0, width, 100 * metrics.height()),
                                                   Qt::AlignCenter | Qt::TextWordWrap, title->text());
        most = std::max(most, wrapped.height());
    }
    header->setFixedHeight(most + kHeaderMargin);
}

// Columns that share the table's width, their titles wrapped onto as many lines as they need.
void fitColumnsToWidth(QTableWidget& table) {
    QHeaderView* header = table.horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setDefaultAlignment(static_cast<Qt::Alignment>(Qt::AlignCenter | Qt::TextWordWrap));
    QObject::connect(header, &QHeaderView::sectionResized, &table, [&table] { fitHeaderToTitles(table); });
    fitHeaderToTitles(table);
}

}  // namespace

WheelCheckWindow::WheelCheckWindow(AppState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
    setUpDialog(*this, "FormVerif");
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    buildControls();
    connectHandlers();
    applyTexts();
}

WheelCheckWindow::~WheelCheckWindow() {
    if (pass_ != nullptr) pass_->cancel();
}

void WheelCheckWindow::buildControls() {
    auto* column = dialogColumn(*this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("LabelSysteme"));
    summary_->setWordWrap(true);
    column->addWidget(summary_);

    auto* filterRow = new QHBoxLayout;
    filterPanel_ = new FilterPanel(state_, this);
    filterRow->addWidget(filterPanel_);
    dropFailing_ = new QCheckBox(this);
    dropFailing_->setObjectName(QStringLiteral("CaseRetirerGrilles"));
    filterRow->addWidget(dropFailing_, 0, Qt::AlignTop);
    filterRow->addStretch(1);
    column->addLayout(filterRow);

    auto* top = new QHBoxLayout;
    matrix_ = new QTableWidget(kCells, kCells, this);
    matrix_->setObjectName(QStringLiteral("GrilleGaranties"));
    matrix_->setSelectionMode(QAbstractItemView::SingleSelection);
    matrix_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The columns share the width and a long cell wraps onto a second line, so that no language
    // needs a horizontal scroll bar to show the last column.
    matrix_->setWordWrap(true);
    fitColumnsToWidth(*matrix_);
    matrix_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    top->addWidget(matrix_, 3);

    auto* holeColumn = new QVBoxLayout;
    holesTitle_ = new QLabel(this);
    holesTitle_->setObjectName(QStringLiteral("LabelTrous"));
    holeColumn->addWidget(holesTitle_);
    holes_ = new HoleListModel(this);
    holeList_ = new QListView(this);
    holeList_->setObjectName(QStringLiteral("ListeTrous"));
    holeList_->setUniformItemSizes(true);  // the view never asks every row for its size
    holeList_->setModel(holes_);
    holeColumn->addWidget(holeList_);
    top->addLayout(holeColumn, 2);
    column->addLayout(top);

    winTitle_ = new QLabel(this);
    winTitle_->setObjectName(QStringLiteral("LabelGains"));
    column->addWidget(winTitle_);
    auto* bottom = new QHBoxLayout;
    winTable_ = new QTableWidget(kBoardSize + 1, kBoardSize + 3, this);
    winTable_->setObjectName(QStringLiteral("TableGains"));
    winTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    winTable_->verticalHeader()->hide();
    winTable_->setWordWrap(false);  // a share is one line, whatever its column
    fitColumnsToWidth(*winTable_);
    // The first two titles are single long words in some languages: those columns take their
    // full width, the six that follow share the rest.
    winTable_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    winTable_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    bottom->addWidget(winTable_, 2);
    chart_ = new WinChart(this);
    chart_->setObjectName(QStringLiteral("GraphiqueGains"));
    bottom->addWidget(chart_, 1);
    column->addLayout(bottom);
    close_ = addCloseRow(*this, *column);
    resize(1060, 760);
}

void WheelCheckWindow::connectHandlers() {
    connect(filterPanel_, &FilterPanel::changed, this, &WheelCheckWindow::filterChanged);
    connect(dropFailing_, &QCheckBox::toggled, this, [this] {
        if (filterPanel_->filter()) filterChanged();
    });
    connect(matrix_, &QTableWidget::cellClicked, this, [this](int row, int col) {
        const Guarantee g{col + kLowestCell, row + kLowestCell};
        if (g.t <= g.m) showHolesOf(g);
    });
    connect(matrix_, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        const Guarantee g{col + kLowestCell, row + kLowestCell};
        if (row >= 0 && col >= 0 && g.t <= g.m) showHolesOf(g);
    });
}

QString WheelCheckWindow::text(ProgramText which) const { return QString::fromStdString(state_.programText(which)); }

int WheelCheckWindow::gameHighest() const {
    return std::clamp(std::max(state_.parameters.highestNumber, wheel_.numbers), workshop::kBoardSize,
                      workshop::kMaxNumbers);
}

QString WheelCheckWindow::cellText(std::int64_t holes, double covered) const {
    const QString share = languageLocale(state_.parameters.language).toString(covered * 100.0, 'f', 2);
    return holes == 0   ? text(ProgramText::GuaranteeKept)
           : holes == 1 ? text(ProgramText::GuaranteeOneHole).arg(share)
                        : text(ProgramText::GuaranteeHoles).arg(holes).arg(share);
}

// The player changed the filter or dropping: kept for the game type, and the wheel as given
// checked again under it.
void WheelCheckWindow::filterChanged() {
    filterPanel_->keepIn(filterFile_, state_.parameters.gameType);
    if (profile_ && pass_ == nullptr) checkWheel(givenWheel_, played_);
}

void WheelCheckWindow::applyTexts() {
    setWindowTitle(text(ProgramText::WheelCheckTitle));
    close_->setText(text(ProgramText::Close));
    filterPanel_->setHighest(gameHighest());
    filterPanel_->applyTexts();
    dropFailing_->setText(text(ProgramText::FilterDropFailing));
    for (int k = 0; k < kCells; ++k) {
        matrix_->setHorizontalHeaderItem(k, new QTableWidgetItem(text(ProgramText::OnABoard).arg(k + kLowestCell)));
        matrix_->setVerticalHeaderItem(k, new QTableWidgetItem(text(ProgramText::IfDrawn).arg(k + kLowestCell)));
    }
    winTable_->setHorizontalHeaderItem(0, new QTableWidgetItem(text(ProgramText::DrawnAmongYours)));
    winTable_->setHorizontalHeaderItem(1, new QTableWidgetItem(text(ProgramText::Probability)));
    for (int j = 0; j <= kBoardSize; ++j)
        winTable_->setHorizontalHeaderItem(j + 2, new QTableWidgetItem(text(ProgramText::BestBoardHolds).arg(j)));
    fitHeaderToTitles(*matrix_);
    fitHeaderToTitles(*winTable_);
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
    filterPanel_->restoreFrom(filterFile_, state_.parameters.gameType);
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
    filterPanel_->setHighest(gameHighest());
    std::optional<workshop::DrawFilter> filter = filterPanel_->filter();
    workshop::PlayedNumbers asPlayed = workshop::firstNumbers(wheel_.numbers, gameHighest());
    if (!played_.empty()) asPlayed.played.assign(played_.begin(), played_.end());
    if (filter && (filterPanel_->passing() == 0 || workshop::playedNumbersProblem(asPlayed, wheel_.numbers)))
        filter.reset();
    if (filter && dropFailing_->isChecked()) wheel_ = workshop::passingBoards(given, *filter, asPlayed);

    index_ = std::make_unique<workshop::CoverageIndex>(wheel_);
    constexpr std::int64_t kSteps = 1000;
    LongPass pass(this, text(ProgramText::Working), text(ProgramText::Cancel), kSteps);
    pass_ = &pass;
    auto step = [&pass](double done) { return pass.step(static_cast<std::int64_t>(done * kSteps)); };
    if (filter) {
        filtered_ = workshop::filteredProfile(*index_, workshop::PassingDraws(*filter, asPlayed), step);
        if (filtered_) profile_ = filtered_->plain;
    } else {
        profile_ = workshop::coverageProfile(*index_, step);
    }
    pass_ = nullptr;
    if (!profile_) {
        index_.reset();
        return false;
    }
    showProfile();
    showWinTable();
    // The first cell that is not kept, where the player wants to look first.
    for (int m = kLowestCell; m <= kBoardSize; ++m)
        for (int t = kLowestCell; t <= m; ++t)
            if (!shownCell_ && !profile_->keeps({t, m})) showHolesOf({t, m});
    return true;
}

void WheelCheckWindow::done(int result) {
    if (pass_ != nullptr) pass_->cancel();
    QDialog::done(result);
}

void WheelCheckWindow::clearResults() {
    holes_->clear();
    shownCell_.reset();
    profile_.reset();
    filtered_.reset();
    index_.reset();
    summary_->clear();
    holesTitle_->clear();
    winTitle_->clear();
    chart_->clear();
    matrix_->clearContents();
    winTable_->clearContents();
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
    if (filtered_ && dropFailing_->isChecked())
        summary += QStringLiteral(" · ") +
                   text(ProgramText::FilterBoardsDropped).arg(givenWheel_.boards.size() - wheel_.boards.size());
    summary_->setText(summary + keyGuaranteeLine());
    for (int m = kLowestCell; m <= kBoardSize; ++m) {
        for (int t = kLowestCell; t <= kBoardSize; ++t) {
            if (t > m) {
                auto* none = new QTableWidgetItem;
                none->setFlags(Qt::NoItemFlags);
                matrix_->setItem(m - kLowestCell, t - kLowestCell, none);
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
            matrix_->setItem(m - kLowestCell, t - kLowestCell, item);
        }
    }
}

void WheelCheckWindow::showWinTable() {
    const int highest = std::max(state_.parameters.highestNumber, wheel_.numbers);
    workshop::WinTable table = workshop::winTable(*profile_, highest);
    if (filtered_) {
        // Given that the draw passes: the same table over the passing draws alone.
        const workshop::FilteredWinTable given = workshop::winTableUnderFilter(*filtered_);
        table.drawShare = given.drawShare;
        table.bestShare = given.bestShare;
    }
    winTitle_->setText(text(filtered_ ? ProgramText::WinTableUnderFilterTitle : ProgramText::WinTableTitle).arg(highest) +
                      keyGuaranteeLine());
    const QLocale locale = languageLocale(state_.parameters.language);
    QStringList legend;
    for (int j = 0; j <= kBoardSize; ++j) legend << text(ProgramText::BestBoardHolds).arg(j);
    for (int h = 0; h <= kBoardSize; ++h) {
        winTable_->setItem(h, 0, readOnlyItem(QString::number(h)));
        const double p = table.drawShare[h];
        winTable_->setItem(h, 1,
                           readOnlyItem(p > 0 ? QStringLiteral("1 : %1").arg(locale.toString(1.0 / p, 'f', 0))
                                              : QStringLiteral("0")));
        for (int j = 0; j <= kBoardSize; ++j) {
            const bool reachable = j <= h && h <= wheel_.numbers;
            winTable_->setItem(
                h, j + 2,
                readOnlyItem(reachable ? percentText(locale, table.bestShare[h][j]) : QString()));
        }
    }
    chart_->showTable(table, legend);
}

void WheelCheckWindow::showHolesOf(Guarantee guarantee) {
    if (!profile_ || !index_) return;
    if (shownCell_ && *shownCell_ == guarantee && holes_->holeCount() == profile_->holes(guarantee)) {
        holesTitle_->setText(text(ProgramText::HolesOf).arg(guarantee.t).arg(guarantee.m).arg(holes_->holeCount()));
        return;
    }
    shownCell_ = guarantee;
    const std::int64_t count = profile_->holes(guarantee);
    holes_->showHoles(*index_, guarantee, count, played_);
    holesTitle_->setText(text(ProgramText::HolesOf).arg(guarantee.t).arg(guarantee.m).arg(count));
    const QSignalBlocker quiet(matrix_);
    matrix_->setCurrentCell(guarantee.m - kLowestCell, guarantee.t - kLowestCell);
}

}  // namespace norvex5
