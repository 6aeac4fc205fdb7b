#include "windows/draws/drawswindow.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include "core/appstate.h"
#include "draws/drawstatistics.h"
#include "draws/drawstore.h"
#include "draws/drawtext.h"
#include "windows/common/drawhistory.h"
#include "windows/common/linelistmodel.h"
#include "windows/common/platform.h"
#include "windows/common/qttranslations.h"
#include "windows/common/windowfont.h"
#include "windows/draws/drawcharts.h"
#include "windows/draws/tableitems.h"
#include "windows/draws/drawimportdialog.h"

namespace norvex5 {

namespace {

constexpr std::size_t kPairsShown = 15;

}  // namespace

DrawsWindow::DrawsWindow(const Texts& texts, Platform& platform, DrawHistory& history, QWidget* parent)
    : QDialog(parent), texts_(texts), platform_(platform), history_(history) {
    setUpDialog(*this, "FormTirages");
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    controls_.build(*this);
    backtest_ = std::make_unique<BacktestPage>(texts, platform, history, controls_, this);
    connectHandlers();
    applyTexts();
}

DrawsWindow::~DrawsWindow() = default;

void DrawsWindow::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) backtest_->abandonBacktest();
    QDialog::hideEvent(event);
}

void DrawsWindow::connectHandlers() {
    const DrawsWindowControls& c = controls_;
    connect(c.importButton, &QPushButton::clicked, this, &DrawsWindow::importDraws);
    connect(c.addButton, &QPushButton::clicked, this, &DrawsWindow::addDraw);
    connect(c.deleteButton, &QPushButton::clicked, this, &DrawsWindow::deleteDraw);
    connect(c.lastDraws, &QComboBox::currentIndexChanged, this, &DrawsWindow::showStatistics);
}

QString DrawsWindow::text(ProgramText which) const { return QString::fromStdString(texts_.programText(which)); }

void DrawsWindow::applyTexts() {
    const DrawsWindowControls& c = controls_;
    setWindowTitle(text(ProgramText::DrawsTitle));
    c.pages->setTabText(0, text(ProgramText::DrawsPageStored));
    c.pages->setTabText(1, text(ProgramText::DrawsPageStatistics));
    c.pages->setTabText(2, text(ProgramText::DrawsPageBacktest));
    c.importButton->setText(text(ProgramText::ImportDraws));
    c.deleteButton->setText(text(ProgramText::DeleteDraw));
    c.addGroup->setTitle(text(ProgramText::AddDrawGroup));
    c.addDateCaption->setText(text(ProgramText::DrawDate));
    c.addNumbersCaption->setText(text(ProgramText::DrawNumbers));
    c.addBonusCaption->setText(text(ProgramText::DrawBonus));
    c.addButton->setText(text(ProgramText::AddDraw));
    c.lastCaption->setText(text(ProgramText::LastDrawsShown));
    c.lastDraws->setItemText(c.lastDraws->count() - 1, text(ProgramText::AllDrawsShown));
    c.chances->setText(text(ProgramText::ChancesUnchanged));
    c.frequencies->setHorizontalHeaderLabels({text(ProgramText::NumberHeading), text(ProgramText::TimesDrawn),
                                              text(ProgramText::TimesExpected), text(ProgramText::DrawsSinceSeen)});
    c.pairsTitle->setText(text(ProgramText::FrequentPairs));
    c.pairs->setHorizontalHeaderLabels({text(ProgramText::PairHeading), text(ProgramText::TimesDrawn)});
    c.close->setText(text(ProgramText::Close));
    c.addDate->setDisplayFormat(history_.dateFormat());
    showDrawLines();
    showStatistics();
    backtest_->applyTexts();
    if (import_) import_->applyTexts();
}

void DrawsWindow::openWindow() {
    applyTexts();
    refreshDraws();
    show();
    raise();
    activateWindow();
}

void DrawsWindow::openImport() {
    openWindow();
    controls_.pages->setCurrentWidget(controls_.storedPage);
    importDraws();
}

DrawImportDialog& DrawsWindow::importDialog() {
    if (!import_) {
        import_ = std::make_unique<DrawImportDialog>(texts_, platform_, history_, this);
        import_->setOnImported([this] { refreshDraws(); });
    }
    return *import_;
}

void DrawsWindow::importDraws() {
    if (history_.store() == nullptr) return;
    importDialog().openAndChooseFile();
}

void DrawsWindow::showDrawLines() {
    controls_.drawLines->clear();
    for (const draws::DrawRecord& draw : draws_) {
        std::string line = history_.paddedDateText(draw.date).toStdString() + "   " + draws::drawNumbersText(draw);
        if (draw.drawNumber) line += "   #" + std::to_string(*draw.drawNumber);
        controls_.drawLines->append(line);
    }
    controls_.drawLines->flush();
}

void DrawsWindow::refreshDraws() {
    const int highest = history_.highestNumber();
    for (QSpinBox* box : controls_.addNumbers) box->setMaximum(highest);
    draws::DrawStore* store = history_.store();
    draws_ = store ? store->draws(history_.gameType()) : std::vector<draws::DrawRecord>{};
    showDrawLines();
    controls_.count->setText(text(ProgramText::StoredDrawCount).arg(static_cast<qint64>(draws_.size())));
    for (QWidget* change : {static_cast<QWidget*>(controls_.importButton), static_cast<QWidget*>(controls_.deleteButton),
                            static_cast<QWidget*>(controls_.addGroup)})
        change->setEnabled(store != nullptr);
    showStatistics();
    backtest_->showPeriodOf(draws_);
}

void DrawsWindow::addDraw() {
    draws::DrawStore* store = history_.store();
    if (store == nullptr) return;
    const QDate date = controls_.addDate->date();
    draws::DrawRecord draw;
    draw.date = {date.year(), date.month(), date.day()};
    for (int k = 0; k < draws::kDrawnNumbers; ++k) draw.numbers[k] = controls_.addNumbers[k]->value();
    for (const QSpinBox* bonus : controls_.addBonus)
        if (bonus->value() > 0) draw.bonus.push_back(bonus->value());
    if (const auto refusal = draws::refusalOf(draw, history_.highestNumber())) {
        platform_.message(history_.refusal(*refusal), text(ProgramText::AddDrawGroup), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
        return;
    }
    const draws::ImportResult result = store->add(history_.gameType(), draw);
    if (!history_.changed(result)) return;
    if (!result.conflicts.empty()) {
        platform_.message(history_.refusal(draws::RefusalReason::DateTwice), text(ProgramText::AddDrawGroup),
                          Platform::Buttons::Ok, Platform::Icon::Warning);
        return;
    }
    refreshDraws();
}

void DrawsWindow::deleteDraw() {
    draws::DrawStore* store = history_.store();
    const QModelIndex current = controls_.drawList->currentIndex();
    if (store == nullptr || !current.isValid() || current.row() >= static_cast<int>(draws_.size())) return;
    const draws::DrawRecord draw = draws_[static_cast<std::size_t>(current.row())];
    const QString question = text(ProgramText::DeleteDrawQuestion)
                                 .arg(history_.dateText(draw.date), QString::fromStdString(draws::drawNumbersText(draw)));
    if (platform_.message(question, text(ProgramText::DeleteDraw), Platform::Buttons::YesNo, Platform::Icon::Question) !=
        Platform::Answer::Yes)
        return;
    if (!history_.changed(store->remove(history_.gameType(), draw.date))) return;
    refreshDraws();
    const int row = std::min(current.row(), static_cast<int>(draws_.size()) - 1);
    if (row >= 0) controls_.drawList->setCurrentIndex(controls_.drawLines->index(row, 0));
}

void DrawsWindow::showStatistics() {
    const DrawsWindowControls& c = controls_;
    const int last = c.lastDraws->currentData().toInt();
    const draws::DrawStatistics statistics = draws::drawStatistics(
        draws_, history_.highestNumber(), last > 0 ? static_cast<std::size_t>(last) : draws::kAllDraws, kPairsShown);
    c.counted->setText(text(ProgramText::DrawsCounted).arg(statistics.draws));
    const int numbers = static_cast<int>(statistics.numbers.size()) - 1;
    c.frequencies->setRowCount(std::max(0, numbers));
    // Written as the program's language writes numbers, whatever the system's locale.
    const QLocale locale = languageLocale(texts_.language());
    for (int n = 1; n <= numbers; ++n) {
        const draws::NumberStatistics& number = statistics.numbers[n];
        c.frequencies->setItem(n - 1, 0, shownCell(QString::number(n)));
        c.frequencies->setItem(n - 1, 1, shownCell(QString::number(number.count)));
        c.frequencies->setItem(n - 1, 2, shownCell(locale.toString(number.expected, 'f', 1)));
        c.frequencies->setItem(n - 1, 3,
                               shownCell(number.drawsSinceSeen ? QString::number(*number.drawsSinceSeen)
                                                                  : text(ProgramText::NeverSeen)));
    }
    c.pairs->setRowCount(static_cast<int>(statistics.pairs.size()));
    for (int row = 0; row < static_cast<int>(statistics.pairs.size()); ++row) {
        const draws::PairCount& pair = statistics.pairs[static_cast<std::size_t>(row)];
        c.pairs->setItem(row, 0, shownCell(QStringLiteral("%1 – %2").arg(pair.first).arg(pair.second)));
        c.pairs->setItem(row, 1, shownCell(QString::number(pair.count)));
    }
    c.frequencyChart->showStatistics(statistics);
}

}  // namespace norvex5
