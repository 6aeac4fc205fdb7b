#pragma once
// The draws window's controls on its three pages (the stored draws, their statistics, the test
// of a wheel against them), with their objectNames, laid out so that a longer language grows the
// window. DrawsWindow gives them their behaviour through these typed pointers; tests and tools
// find the same controls by objectName. Captions come from the program's own texts.

#include <array>

#include "draws/drawfile.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QWidget;

namespace norvex5 {

class BacktestChart;
class FrequencyChart;
class LineListModel;

inline constexpr int kTierRows = 5;  // 5, 4, 3, 2 right numbers, then fewer

struct DrawsWindowControls {
    QTabWidget* pages = nullptr;  // OngletsTirages
    QWidget* storedPage = nullptr;
    QWidget* statisticsPage = nullptr;
    QWidget* backtestPage = nullptr;

    // The stored draws.
    QLabel* count = nullptr;              // LabelNombreTirages
    QListView* drawList = nullptr;        // ListeTirages
    LineListModel* drawLines = nullptr;
    QPushButton* importButton = nullptr;  // bImporter
    QPushButton* deleteButton = nullptr;  // bSupprimer
    QGroupBox* addGroup = nullptr;        // GroupeAjout
    QLabel* addDateCaption = nullptr;
    QDateEdit* addDate = nullptr;         // DateAjout
    QLabel* addNumbersCaption = nullptr;
    std::array<QSpinBox*, draws::kDrawnNumbers> addNumbers{};   // NumeroAjout1..5
    QLabel* addBonusCaption = nullptr;
    std::array<QSpinBox*, draws::kMaxBonusNumbers> addBonus{};  // BonusAjout1..2; 0 for none
    QPushButton* addButton = nullptr;     // bAjouter

    // The statistics.
    QLabel* lastCaption = nullptr;
    QComboBox* lastDraws = nullptr;       // ComboDerniers; each entry's data the draws counted, 0 all
    QLabel* counted = nullptr;            // LabelTiragesComptes
    QLabel* chances = nullptr;            // LabelHasard
    QTableWidget* frequencies = nullptr;  // GrilleFrequences
    QLabel* pairsTitle = nullptr;
    QTableWidget* pairs = nullptr;        // GrillePaires
    FrequencyChart* frequencyChart = nullptr;  // GraphiqueFrequences

    // The back-test.
    QGroupBox* wheelGroup = nullptr;
    QRadioButton* tickedWheel = nullptr;  // RadioSystemeCoche
    QRadioButton* fileWheel = nullptr;    // RadioFichierSysteme
    QGroupBox* periodGroup = nullptr;
    QCheckBox* allDates = nullptr;        // CaseTousTirages
    QLabel* fromCaption = nullptr;
    QDateEdit* fromDate = nullptr;        // DateDebut
    QLabel* toCaption = nullptr;
    QDateEdit* toDate = nullptr;          // DateFin
    QGroupBox* prizesGroup = nullptr;
    std::array<QLabel*, draws::kDrawnNumbers + 1> prizeCaptions{};
    std::array<QLineEdit*, draws::kDrawnNumbers + 1> prizes{};  // Gain2..Gain5; 0 and 1 unused
    QLabel* priceCaption = nullptr;
    QLineEdit* boardPrice = nullptr;      // PrixGrille
    QPushButton* runButton = nullptr;     // bTester
    QPushButton* stopButton = nullptr;    // bArreterTest: while a test runs
    QPushButton* exportButton = nullptr;  // bExporterCsv
    QProgressBar* backtestProgress = nullptr;  // ProgressionTest: shown while a test runs
    QLabel* backtestSummary = nullptr;    // LabelTest
    QTableWidget* totals = nullptr;       // GrilleTotaux
    QLabel* money = nullptr;              // LabelGains
    QLabel* outcomeHeading = nullptr;
    QListView* outcomes = nullptr;        // ListeResultatsTirages
    LineListModel* outcomeLines = nullptr;
    BacktestChart* backtestChart = nullptr;  // GraphiqueTestPasse

    QPushButton* close = nullptr;  // BoutonFermer

    void build(QDialog& window);

private:
    void buildStoredPage();
    void buildStatisticsPage();
    void buildBacktestPage();
};

}  // namespace norvex5
