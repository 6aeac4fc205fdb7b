#include "windows/draws/drawswindowcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include "windows/common/closerow.h"
#include "windows/common/linelistmodel.h"
#include "windows/common/named.h"
#include "windows/common/windowfont.h"
#include "windows/draws/drawcharts.h"

namespace norvex5 {

namespace {

constexpr int kHighestBallOfAnyGame = 99;

QListView* lineList(QWidget* parent, const char* name, LineListModel*& lines) {
    auto* view = named(new QListView(parent), name);
    view->setUniformItemSizes(true);  // thousands of draws: the view never measures each one
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setFont(fixedPitchListFont());
    lines = new LineListModel(view);
    view->setModel(lines);
    return view;
}

QTableWidget* readOnlyTable(QWidget* parent, const char* name, int columns) {
    auto* table = named(new QTableWidget(0, columns, parent), name);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return table;
}

QDateEdit* dateBox(QWidget* parent, const char* name) {
    auto* box = named(new QDateEdit(parent), name);
    box->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    box->setCalendarPopup(true);
    box->setDate(QDate::currentDate());
    return box;
}

}  // namespace

void DrawsWindowControls::build(QDialog& window) {
    auto* column = dialogColumn(window);
    pages = named(new QTabWidget(&window), "OngletsTirages");
    storedPage = named(new QWidget(pages), "PageTirages");
    statisticsPage = named(new QWidget(pages), "PageStatistiques");
    backtestPage = named(new QWidget(pages), "PageTestPasse");
    pages->addTab(storedPage, QString());
    pages->addTab(statisticsPage, QString());
    pages->addTab(backtestPage, QString());
    column->addWidget(pages);
    buildStoredPage();
    buildStatisticsPage();
    buildBacktestPage();
    close = addCloseRow(window, *column);
    window.resize(900, 640);
}

void DrawsWindowControls::buildStoredPage() {
    auto* page = new QHBoxLayout(storedPage);
    auto* listColumn = new QVBoxLayout;
    count = named(new QLabel(storedPage), "LabelNombreTirages");
    listColumn->addWidget(count);
    drawList = lineList(storedPage, "ListeTirages", drawLines);
    listColumn->addWidget(drawList, 1);
    page->addLayout(listColumn, 3);

    auto* side = new QVBoxLayout;
    importButton = named(new QPushButton(storedPage), "bImporter");
    deleteButton = named(new QPushButton(storedPage), "bSupprimer");
    for (QPushButton* button : {importButton, deleteButton}) {
        button->setAutoDefault(false);
        side->addWidget(button);
    }
    addGroup = named(new QGroupBox(storedPage), "GroupeAjout");
    auto* form = new QVBoxLayout(addGroup);
    addDateCaption = new QLabel(addGroup);
    form->addWidget(addDateCaption);
    addDate = dateBox(addGroup, "DateAjout");
    form->addWidget(addDate);
    addNumbersCaption = new QLabel(addGroup);
    form->addWidget(addNumbersCaption);
    auto* numbersRow = new QHBoxLayout;
    for (int k = 0; k < draws::kDrawnNumbers; ++k) {
        addNumbers[k] = named(new QSpinBox(addGroup), QStringLiteral("NumeroAjout%1").arg(k + 1));
        addNumbers[k]->setRange(1, kHighestBallOfAnyGame);
        numbersRow->addWidget(addNumbers[k]);
    }
    form->addLayout(numbersRow);
    addBonusCaption = new QLabel(addGroup);
    addBonusCaption->setWordWrap(true);
    form->addWidget(addBonusCaption);
    auto* bonusRow = new QHBoxLayout;
    for (int k = 0; k < draws::kMaxBonusNumbers; ++k) {
        addBonus[k] = named(new QSpinBox(addGroup), QStringLiteral("BonusAjout%1").arg(k + 1));
        addBonus[k]->setRange(0, kHighestBallOfAnyGame);
        bonusRow->addWidget(addBonus[k]);
    }
    bonusRow->addStretch(1);
    form->addLayout(bonusRow);
    addButton = named(new QPushButton(addGroup), "bAjouter");
    addButton->setAutoDefault(false);
    form->addWidget(addButton);
    side->addWidget(addGroup);
    side->addStretch(1);
    page->addLayout(side, 2);
}

void DrawsWindowControls::buildStatisticsPage() {
    auto* page = new QVBoxLayout(statisticsPage);
    auto* choice = new QHBoxLayout;
    lastCaption = new QLabel(statisticsPage);
    choice->addWidget(lastCaption);
    lastDraws = named(new QComboBox(statisticsPage), "ComboDerniers");
    for (const int last : {50, 100, 500}) lastDraws->addItem(QString::number(last), last);
    lastDraws->addItem(QString(), 0);
    choice->addWidget(lastDraws);
    counted = named(new QLabel(statisticsPage), "LabelTiragesComptes");
    choice->addWidget(counted, 1);
    page->addLayout(choice);
    chances = named(new QLabel(statisticsPage), "LabelHasard");
    chances->setWordWrap(true);
    chances->setFrameShape(QFrame::StyledPanel);
    chances->setMargin(6);
    page->addWidget(chances);

    auto* tables = new QHBoxLayout;
    frequencies = readOnlyTable(statisticsPage, "GrilleFrequences", 4);
    tables->addWidget(frequencies, 3);
    auto* pairColumn = new QVBoxLayout;
    pairsTitle = new QLabel(statisticsPage);
    pairColumn->addWidget(pairsTitle);
    pairs = readOnlyTable(statisticsPage, "GrillePaires", 2);
    pairColumn->addWidget(pairs);
    tables->addLayout(pairColumn, 2);
    page->addLayout(tables, 3);
    frequencyChart = named(new FrequencyChart(statisticsPage), "GraphiqueFrequences");
    page->addWidget(frequencyChart, 2);
}

void DrawsWindowControls::buildBacktestPage() {
    auto* page = new QVBoxLayout(backtestPage);
    auto* settings = new QHBoxLayout;

    auto* choices = new QVBoxLayout;
    wheelGroup = new QGroupBox(backtestPage);
    auto* wheelColumn = new QVBoxLayout(wheelGroup);
    tickedWheel = named(new QRadioButton(wheelGroup), "RadioSystemeCoche");
    fileWheel = named(new QRadioButton(wheelGroup), "RadioFichierSysteme");
    tickedWheel->setChecked(true);
    wheelColumn->addWidget(tickedWheel);
    wheelColumn->addWidget(fileWheel);
    choices->addWidget(wheelGroup);
    periodGroup = new QGroupBox(backtestPage);
    auto* periodRow = new QHBoxLayout(periodGroup);
    allDates = named(new QCheckBox(periodGroup), "CaseTousTirages");
    allDates->setChecked(true);
    periodRow->addWidget(allDates);
    fromCaption = new QLabel(periodGroup);
    periodRow->addWidget(fromCaption);
    fromDate = dateBox(periodGroup, "DateDebut");
    periodRow->addWidget(fromDate);
    toCaption = new QLabel(periodGroup);
    periodRow->addWidget(toCaption);
    toDate = dateBox(periodGroup, "DateFin");
    periodRow->addWidget(toDate);
    periodRow->addStretch(1);
    choices->addWidget(periodGroup);
    settings->addLayout(choices, 3);

    prizesGroup = new QGroupBox(backtestPage);
    auto* prizeForm = new QFormLayout(prizesGroup);
    for (int right = draws::kDrawnNumbers; right >= 2; --right) {
        prizeCaptions[right] = new QLabel(prizesGroup);
        prizes[right] = named(new QLineEdit(prizesGroup), QStringLiteral("Gain%1").arg(right));
        prizeForm->addRow(prizeCaptions[right], prizes[right]);
    }
    priceCaption = new QLabel(prizesGroup);
    boardPrice = named(new QLineEdit(prizesGroup), "PrixGrille");
    prizeForm->addRow(priceCaption, boardPrice);
    settings->addWidget(prizesGroup, 2);
    page->addLayout(settings);

    auto* commands = new QHBoxLayout;
    runButton = named(new QPushButton(backtestPage), "bTester");
    stopButton = named(new QPushButton(backtestPage), "bArreterTest");
    stopButton->setEnabled(false);
    exportButton = named(new QPushButton(backtestPage), "bExporterCsv");
    backtestProgress = named(new QProgressBar(backtestPage), "ProgressionTest");
    backtestProgress->setRange(0, 1000);
    backtestProgress->setTextVisible(false);
    backtestProgress->hide();
    backtestSummary = named(new QLabel(backtestPage), "LabelTest");
    backtestSummary->setWordWrap(true);
    commands->addWidget(runButton);
    commands->addWidget(stopButton);
    commands->addWidget(exportButton);
    commands->addWidget(backtestProgress, 1);
    commands->addWidget(backtestSummary, 1);
    for (QPushButton* button : {runButton, stopButton, exportButton}) button->setAutoDefault(false);
    page->addLayout(commands);

    auto* results = new QHBoxLayout;
    auto* totalsColumn = new QVBoxLayout;
    totals = readOnlyTable(backtestPage, "GrilleTotaux", 2);
    totals->setRowCount(kTierRows);
    totals->verticalHeader()->show();
    // The column titles are long in some languages: they wrap, onto a third line in Italian.
    QHeaderView* header = totals->horizontalHeader();
    header->setDefaultAlignment(static_cast<Qt::Alignment>(Qt::AlignCenter | Qt::TextWordWrap));
    header->setMinimumHeight(3 * header->fontMetrics().height() + 8);
    totalsColumn->addWidget(totals);
    money = named(new QLabel(backtestPage), "LabelGains");
    money->setWordWrap(true);
    totalsColumn->addWidget(money);
    results->addLayout(totalsColumn, 2);
    auto* outcomeColumn = new QVBoxLayout;
    outcomeHeading = new QLabel(backtestPage);
    outcomeHeading->setFont(fixedPitchListFont());
    outcomeColumn->addWidget(outcomeHeading);
    outcomes = lineList(backtestPage, "ListeResultatsTirages", outcomeLines);
    outcomeColumn->addWidget(outcomes);
    results->addLayout(outcomeColumn, 3);
    page->addLayout(results, 3);
    backtestChart = named(new BacktestChart(backtestPage), "GraphiqueTestPasse");
    page->addWidget(backtestChart, 1);
}

}  // namespace norvex5
