// The draw history as a player meets it: an operator's file imported with its guesses shown and
// corrected, the summary of what went in, draws added by hand and deleted, the statistics, a wheel
// tested against the stored draws with its cost and winnings, the comparison window taking and
// saving a draw, and a history that cannot be opened.

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <fstream>

#include "draws/drawstore.h"
#include "persistence/atomicfile.h"
#include "windows/common/drawhistory.h"
#include "windows/comparison/comparisonwindow.h"
#include "windows/draws/drawimportdialog.h"
#include "windows/draws/drawswindow.h"
#include "windows/captionsfit.h"
#include "windows/windowrig.h"

using namespace norvex5;

namespace {

QString dataFile(const char* name) { return QStringLiteral(NORVEX5_TEST_DATA "/draws/") + QLatin1String(name); }

class DrawsRig : public testing::WindowRigBase {
public:
    DrawsRig() {
        state.parameters.gameType = 1;
        state.parameters.highestNumber = 49;
    }
    std::filesystem::path storeFile() const { return programDir() / "data" / "draws.sqlite"; }

    DrawHistory history{state.texts(), state.settings(), platform, storeFile()};
    DrawsWindow window{state.texts(), platform, history};

    template <typename T = QWidget>
    T* find(const char* name) const {
        return testing::findControl<T>(window, QLatin1String(name));
    }
    template <typename T = QWidget>
    T* importControl(const char* name) {
        return testing::findControl<T>(window.importDialog(), QLatin1String(name));
    }
    void press(const char* control) { testing::pressControl(window, control); }
    QStringList listed(const char* view) const {
        const auto* model = find<QListView>(view)->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) rows << model->index(row, 0).data().toString();
        return rows;
    }
    void importFile(const char* name) {
        platform.chooseFileNext(dataFile(name));
        press("bImporter");
        testing::pressControl(window.importDialog(), "bImporterTirages");
    }
    // Runs the back-test and waits for the worker's results on screen.
    bool runBacktest() {
        press("bTester");
        return QTest::qWaitFor([this] { return find<QPushButton>("bTester")->isEnabled(); });
    }
    void addDraw(const QDate& date, std::array<int, 5> numbers) {
        find<QDateEdit>("DateAjout")->setDate(date);
        for (int k = 0; k < 5; ++k) find<QSpinBox>(qPrintable(QStringLiteral("NumeroAjout%1").arg(k + 1)))->setValue(numbers[k]);
        press("bAjouter");
    }
};

void writeText(const std::filesystem::path& file, const std::string& text) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

}  // namespace

class DrawsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void importShowsTheGuessesThePreviewAndWhatWentIn();
    void undecidedDatesAreAskedAndACorrectedGuessReadsAgain();
    void badFilesAreRefusedWithTheirReason();
    void drawsAreAddedByHandAndDeleted();
    void statisticsCountTheLastDrawsAndSayChancesDoNotChange();
    void wheelIsTestedAgainstTheDrawsWithItsCostAndWinnings();
    void captionsShownWhole_data();
    void captionsShownWhole();
    void longBacktestShowsProgressStopsAndEndsWithTheWindow();
    void datesAreWrittenAsTheLanguageWritesThemExceptInFiles();
    void comparisonTakesTheLastDrawAndSavesATypedOne();
    void historyThatCannotBeOpenedLeavesTheWindowWithoutDraws();
};

void DrawsWindowTest::importShowsTheGuessesThePreviewAndWhatWentIn() {
    DrawsRig rig;
    rig.window.openWindow();
    QCOMPARE(rig.find<QLabel>("LabelNombreTirages")->text(), QStringLiteral("0 tirages enregistrés pour ce jeu"));
    rig.platform.chooseFileNext(dataFile("semicolon-columns.csv"));
    rig.press("bImporter");
    QCOMPARE(rig.importControl<QComboBox>("ComboSeparateur")->currentText(), QStringLiteral(";"));
    QCOMPARE(rig.importControl<QSpinBox>("SpinEntete")->value(), 1);
    QCOMPARE(rig.importControl<QSpinBox>("SpinColonneDate")->value(), 3);
    QCOMPARE(rig.importControl<QLineEdit>("EditColonnesNumeros")->text(), QStringLiteral("5 6 7 8 9"));
    QCOMPARE(rig.importControl<QLineEdit>("EditColonnesComplementaires")->text(), QStringLiteral("10"));
    QVERIFY(rig.importControl<QLabel>("LabelColonnes")->text().contains(QStringLiteral("3 date_de_tirage")));
    auto* preview = rig.importControl<QTableWidget>("GrilleApercu");
    QCOMPARE(preview->rowCount(), DrawImportDialog::kPreviewDraws);
    QCOMPARE(preview->item(0, 1)->text(), QStringLiteral("09/03/2024"));
    QCOMPARE(preview->item(0, 2)->text(), QStringLiteral("39 07 36 12 35"));
    QCOMPARE(preview->item(0, 3)->text(), QStringLiteral("6"));

    rig.importControl<QPushButton>("bImporterTirages")->click();
    QCOMPARE(rig.importControl<QPlainTextEdit>("TexteResume")->toPlainText(),
             QStringLiteral("30 tirages ajoutés, 0 déjà enregistrés, 0 lignes refusées."));
    QCOMPARE(rig.find<QLabel>("LabelNombreTirages")->text(), QStringLiteral("30 tirages enregistrés pour ce jeu"));
    QVERIFY(rig.listed("ListeTirages").front().startsWith(QStringLiteral("09/03/2024   39 07 36 12 35 + 06")));

    // The same file again adds nothing twice.
    rig.importFile("semicolon-columns.csv");
    QCOMPARE(rig.importControl<QPlainTextEdit>("TexteResume")->toPlainText(),
             QStringLiteral("0 tirages ajoutés, 30 déjà enregistrés, 0 lignes refusées."));
    QCOMPARE(rig.listed("ListeTirages").size(), 30);
}

void DrawsWindowTest::undecidedDatesAreAskedAndACorrectedGuessReadsAgain() {
    DrawsRig rig;
    const std::filesystem::path file = rig.programDir() / "undecided.txt";
    writeText(file, "03/01/2024 1-2-3-4-5\n04/02/2024 6-7-8-9-10\n05/02/2024 11-12-13-14-99\n05/03/2024 x\n"
                    "06/03/2024 1-2-3-4-6\n07/03/2024 1-2-3-4-7\n08/03/2024 1-2-3-4-8\n");
    rig.window.openWindow();
    rig.platform.answerNext(Platform::Answer::No);  // not day/month: month/day
    rig.platform.chooseFileNext(QString::fromStdString(file.string()));
    rig.press("bImporter");
    QVERIFY(rig.platform.messages().last().text.contains(QStringLiteral("Faut-il lire 03/01/2024")));
    // The stray line 4 is one line to refuse: the draws above it are no header.
    QCOMPARE(rig.importControl<QSpinBox>("SpinEntete")->value(), 0);
    auto* preview = rig.importControl<QTableWidget>("GrilleApercu");
    QCOMPARE(preview->item(0, 1)->text(), QStringLiteral("01/03/2024"));
    // Lines the player skips are skipped.
    rig.importControl<QSpinBox>("SpinEntete")->setValue(4);
    QCOMPARE(preview->item(0, 1)->text(), QStringLiteral("03/06/2024"));
    rig.importControl<QSpinBox>("SpinEntete")->setValue(0);
    // The player says otherwise: the preview reads the dates again.
    auto* order = rig.importControl<QComboBox>("ComboOrdreDate");
    order->setCurrentIndex(order->findData(static_cast<int>(draws::DateOrder::DayMonthYear)));
    QCOMPARE(preview->item(0, 1)->text(), QStringLiteral("03/01/2024"));
    rig.importControl<QPushButton>("bImporterTirages")->click();
    QCOMPARE(rig.importControl<QPlainTextEdit>("TexteResume")->toPlainText(),
             QStringLiteral("5 tirages ajoutés, 0 déjà enregistrés, 2 lignes refusées.\n"
                            "ligne 3 : un numéro hors du jeu\nligne 4 : pas cinq numéros"));
    QCOMPARE(rig.listed("ListeTirages").front().left(10), QStringLiteral("08/03/2024"));
}

void DrawsWindowTest::badFilesAreRefusedWithTheirReason() {
    DrawsRig rig;
    const std::filesystem::path binary = rig.programDir() / "picture.csv";
    writeText(binary, std::string("\xff\xd8\xff\xe0\0\x10JFIF\0\x01\x02", 14) + "2024-01-03 1-2-3-4-5\n");
    const std::filesystem::path empty = rig.programDir() / "empty.csv";
    writeText(empty, "");
    const std::filesystem::path longLine = rig.programDir() / "long.csv";
    writeText(longLine, std::string(5000, '7') + "\n2024-01-03 1-2-3-4-5\n");
    rig.window.openWindow();
    for (const auto& [file, words] : {std::pair{binary, QStringLiteral("n'est pas un fichier texte")},
                                      std::pair{empty, QStringLiteral("Aucune ligne")},
                                      std::pair{longLine, QStringLiteral("La ligne 1 du fichier")}}) {
        rig.platform.clear();
        rig.platform.chooseFileNext(QString::fromStdString(file.string()));
        rig.press("bImporter");
        QCOMPARE(rig.platform.messages().size(), 1);
        QVERIFY2(rig.platform.messages()[0].text.contains(words), qPrintable(rig.platform.messages()[0].text));
        QVERIFY(!rig.importControl<QPushButton>("bImporterTirages")->isEnabled());
    }
    QCOMPARE(rig.listed("ListeTirages").size(), 0);
}

void DrawsWindowTest::drawsAreAddedByHandAndDeleted() {
    DrawsRig rig;
    rig.window.openWindow();
    rig.addDraw(QDate(2024, 5, 4), {4, 8, 15, 16, 23});
    rig.addDraw(QDate(2024, 5, 8), {1, 2, 3, 4, 42});
    QCOMPARE(rig.listed("ListeTirages"),
             (QStringList{QStringLiteral("08/05/2024   01 02 03 04 42"), QStringLiteral("04/05/2024   04 08 15 16 23")}));
    // A number twice, then another draw on a date already stored: refused, nothing changed.
    rig.addDraw(QDate(2024, 5, 11), {7, 7, 8, 9, 10});
    QCOMPARE(rig.platform.messages().last().text, QStringLiteral("un numéro deux fois"));
    rig.addDraw(QDate(2024, 5, 8), {5, 6, 7, 8, 9});
    QCOMPARE(rig.platform.messages().last().text, QStringLiteral("un autre tirage à la même date"));
    QCOMPARE(rig.listed("ListeTirages").size(), 2);

    auto* list = rig.find<QListView>("ListeTirages");
    list->setCurrentIndex(list->model()->index(1, 0));
    rig.platform.answerNext(Platform::Answer::Yes);
    rig.press("bSupprimer");
    QVERIFY(rig.platform.messages().last().text.contains(QStringLiteral("04/05/2024")));
    QCOMPARE(rig.listed("ListeTirages"), QStringList{QStringLiteral("08/05/2024   01 02 03 04 42")});
    // Kept in the database, not only in the window.
    draws::DrawStore again(rig.storeFile());
    QCOMPARE(again.count(1), 1);
}

void DrawsWindowTest::statisticsCountTheLastDrawsAndSayChancesDoNotChange() {
    DrawsRig rig;
    rig.window.openWindow();
    rig.addDraw(QDate(2024, 1, 1), {1, 2, 3, 4, 5});
    rig.addDraw(QDate(2024, 1, 2), {1, 2, 10, 11, 12});
    rig.addDraw(QDate(2024, 1, 3), {1, 20, 21, 22, 23});
    QVERIFY(rig.find<QLabel>("LabelHasard")->text().contains(QStringLiteral("ne changent pas les chances")));
    auto* table = rig.find<QTableWidget>("GrilleFrequences");
    QCOMPARE(table->rowCount(), 49);
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("3"));   // number 1 in every draw
    QCOMPARE(table->item(0, 3)->text(), QStringLiteral("0"));   // and in the newest
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("0,3")); // 3 x 5/49, as French writes it
    QCOMPARE(table->item(1, 3)->text(), QStringLiteral("1"));   // 2: one draw ago
    QCOMPARE(table->item(48, 3)->text(), QStringLiteral("jamais"));
    QCOMPARE(rig.find<QTableWidget>("GrillePaires")->item(0, 0)->text(), QStringLiteral("1 – 2"));
    QCOMPARE(rig.find<QTableWidget>("GrillePaires")->item(0, 1)->text(), QStringLiteral("2"));
    QCOMPARE(rig.find<QLabel>("LabelTiragesComptes")->text(), QStringLiteral("3 tirages comptés"));
}

void DrawsWindowTest::wheelIsTestedAgainstTheDrawsWithItsCostAndWinnings() {
    DrawsRig rig;
    // Two boards over the numbers 1..7 played as 11..17.
    WheelToCheck wheel;
    wheel.wheel.numbers = 7;
    wheel.wheel.boards = {{0, 1, 2, 3, 4}, {2, 3, 4, 5, 6}};
    for (int k = 0; k < 7; ++k) wheel.played.push_back(11 + k);
    rig.window.backtestHooks().tickedWheel = [&wheel] { return std::optional(wheel); };
    rig.window.openWindow();
    rig.addDraw(QDate(2024, 1, 6), {11, 12, 13, 14, 15});  // 5 on the first board, 3 on the second
    rig.addDraw(QDate(2024, 1, 13), {13, 14, 30, 31, 32});  // 2 on each
    rig.addDraw(QDate(2024, 1, 20), {40, 41, 42, 43, 44});
    rig.find<QLineEdit>("Gain5")->setText(QStringLiteral("1000"));
    rig.find<QLineEdit>("Gain3")->setText(QStringLiteral("8,5"));
    rig.find<QLineEdit>("PrixGrille")->setText(QStringLiteral("2.20"));
    QVERIFY(rig.runBacktest());
    auto* totals = rig.find<QTableWidget>("GrilleTotaux");
    QCOMPARE(totals->item(0, 0)->text(), QStringLiteral("1"));  // draws whose best board holds 5
    QCOMPARE(totals->item(3, 0)->text(), QStringLiteral("1"));  // ... 2
    QCOMPARE(totals->item(4, 0)->text(), QStringLiteral("1"));  // ... fewer
    QCOMPARE(totals->item(3, 1)->text(), QStringLiteral("2"));  // boards holding 2, over every draw
    QCOMPARE(rig.listed("ListeResultatsTirages").size(), 3);
    QVERIFY(rig.listed("ListeResultatsTirages").last().startsWith(QStringLiteral("06/01/2024  11 12 13 14 15   5")));
    // 3 draws x 2 boards x 2,20 = 13,20; 1000 + 8,50 won.
    QCOMPARE(rig.find<QLabel>("LabelGains")->text(), QStringLiteral("Coût : 13,20 · Gains : 1008,50 · Solde : 995,30"));

    // A period of one draw.
    rig.find<QCheckBox>("CaseTousTirages")->setChecked(false);
    rig.find<QDateEdit>("DateDebut")->setDate(QDate(2024, 1, 10));
    rig.find<QDateEdit>("DateFin")->setDate(QDate(2024, 1, 15));
    QVERIFY(rig.runBacktest());
    QCOMPARE(rig.listed("ListeResultatsTirages").size(), 1);

    const QString csv = QString::fromStdString((rig.programDir() / "test.csv").string());
    rig.platform.chooseFileNext(csv);
    rig.press("bExporterCsv");
    const auto bytes = rig.readFile(rig.programDir() / "test.csv");
    QCOMPARE(QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())),
             QStringLiteral("date;draw_number;numbers;bonus;best;boards_5;boards_4;boards_3;boards_2\n"
                            "2024-01-13;;13-14-30-31-32;;2;0;0;0;2\n"));

    // The prizes are the game type's, kept for the next time.
    DrawsWindow again(rig.state.texts(), rig.platform, rig.history);
    again.openWindow();
    QCOMPARE(testing::findControl<QLineEdit>(again, QStringLiteral("Gain5"))->text(), QStringLiteral("1000,00"));
    QCOMPARE(testing::findControl<QLineEdit>(again, QStringLiteral("PrixGrille"))->text(), QStringLiteral("2,20"));
    // An amount that is not one stops before anything is tested.
    testing::findControl<QLineEdit>(again, QStringLiteral("Gain4"))->setText(QStringLiteral("12 euros"));
    testing::pressControl(again, "bTester");
    QCOMPARE(rig.platform.messages().last().text, QStringLiteral("« 12 euros » n'est pas un montant."));
}

void DrawsWindowTest::longBacktestShowsProgressStopsAndEndsWithTheWindow() {
    DrawsRig rig;
    // Every board of five among 45 numbers, over 8,000 stored draws: long enough to be watched.
    WheelToCheck wheel;
    wheel.wheel.numbers = 45;
    for (std::uint8_t a = 0; a < 45; ++a)
        for (std::uint8_t b = a + 1; b < 45; ++b)
            for (std::uint8_t c = b + 1; c < 45; ++c)
                for (std::uint8_t d = c + 1; d < 45; ++d)
                    for (std::uint8_t e = d + 1; e < 45; ++e) wheel.wheel.boards.push_back({a, b, c, d, e});
    for (int k = 0; k < 45; ++k) wheel.played.push_back(k + 1);
    rig.window.backtestHooks().tickedWheel = [&wheel] { return std::optional(wheel); };
    std::vector<draws::DrawRecord> stored;
    QDate date(1990, 1, 1);
    for (int k = 0; k < 8000; ++k, date = date.addDays(1)) {
        draws::DrawRecord draw;
        draw.date = {date.year(), date.month(), date.day()};
        draw.numbers = {1 + k % 40, 41, 42, 43, 44};
        stored.push_back(draw);
    }
    rig.window.openWindow();
    QVERIFY(rig.history.store()->import(1, stored).ok());
    rig.window.refreshDraws();
    rig.window.show();

    auto* run = rig.find<QPushButton>("bTester");
    auto* stop = rig.find<QPushButton>("bArreterTest");
    auto* progress = rig.find<QProgressBar>("ProgressionTest");
    QVERIFY(!stop->isEnabled());
    QVERIFY(progress->isHidden());
    rig.press("bTester");
    // The window goes on answering while the test runs: its progress moves, its settings are locked.
    QVERIFY(!run->isEnabled());
    QVERIFY(!rig.find<QLineEdit>("Gain5")->isEnabled());
    QVERIFY(stop->isEnabled());
    QTRY_VERIFY(progress->value() > 0);
    QVERIFY(!progress->isHidden());
    rig.press("bArreterTest");
    QTRY_VERIFY(run->isEnabled());
    QVERIFY(!stop->isEnabled());
    QVERIFY(progress->isHidden());
    QCOMPARE(rig.find<QLabel>("LabelTest")->text(), QStringLiteral("Test arrêté : aucun résultat."));
    QVERIFY(rig.listed("ListeResultatsTirages").isEmpty());
    QVERIFY(!rig.find<QPushButton>("bExporterCsv")->isEnabled());

    // Closing the window in the middle stops the test at once.
    rig.press("bTester");
    QTRY_VERIFY(progress->value() > 0);
    rig.window.close();
    QVERIFY(run->isEnabled());
    QVERIFY(!stop->isEnabled());
    QVERIFY(rig.listed("ListeResultatsTirages").isEmpty());

    // Opened again, a test over a short period runs to its end.
    rig.window.openWindow();
    rig.find<QCheckBox>("CaseTousTirages")->setChecked(false);
    rig.find<QDateEdit>("DateDebut")->setDate(QDate(1990, 1, 1));
    rig.find<QDateEdit>("DateFin")->setDate(QDate(1990, 1, 2));
    QVERIFY(rig.runBacktest());
    QCOMPARE(rig.listed("ListeResultatsTirages").size(), 2);
    QVERIFY(rig.find<QPushButton>("bExporterCsv")->isEnabled());
    rig.window.close();
}

void DrawsWindowTest::datesAreWrittenAsTheLanguageWritesThemExceptInFiles() {
    DrawsRig rig;
    WheelToCheck wheel;
    wheel.wheel.numbers = 5;
    wheel.wheel.boards = {{0, 1, 2, 3, 4}};
    for (int k = 0; k < 5; ++k) wheel.played.push_back(k + 1);
    rig.window.backtestHooks().tickedWheel = [&wheel] { return std::optional(wheel); };
    rig.window.openWindow();
    rig.addDraw(QDate(1998, 11, 24), {1, 2, 3, 40, 41});
    rig.addDraw(QDate(2024, 1, 3), {1, 2, 30, 31, 32});
    // German writes its short dates with dots and two digits of year; the history keeps the year whole.
    rig.state.parameters.language = 7;
    rig.window.applyTexts();
    QCOMPARE(rig.listed("ListeTirages"),
             (QStringList{QStringLiteral("03.01.2024   01 02 30 31 32"), QStringLiteral("24.11.1998   01 02 03 40 41")}));
    QCOMPARE(rig.find<QDateEdit>("DateDebut")->displayFormat(), QStringLiteral("dd.MM.yyyy"));
    // Numbers too: 2 draws of 5 among 49 leave 0.2 expected of each number.
    QCOMPARE(rig.find<QTableWidget>("GrilleFrequences")->item(0, 2)->text(), QStringLiteral("0,2"));
    QVERIFY(rig.runBacktest());
    QCOMPARE(rig.find<QLabel>("LabelTest")->text().count(QStringLiteral("24.11.1998")), 1);
    const QStringList outcomes = rig.listed("ListeResultatsTirages");
    QVERIFY(outcomes.last().startsWith(QStringLiteral("24.11.1998  01 02 03 40 41   3")));

    // A file keeps the dates every program reads.
    const QString csv = QString::fromStdString((rig.programDir() / "german.csv").string());
    rig.platform.chooseFileNext(csv);
    rig.press("bExporterCsv");
    const auto bytes = rig.readFile(rig.programDir() / "german.csv");
    const QString written = QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QVERIFY(written.contains(QStringLiteral("\n1998-11-24;")));
    QVERIFY(written.contains(QStringLiteral("\n2024-01-03;")));
}

void DrawsWindowTest::comparisonTakesTheLastDrawAndSavesATypedOne() {
    DrawsRig rig;
    rig.window.openWindow();
    rig.addDraw(QDate(2024, 2, 1), {1, 2, 3, 4, 5});
    rig.addDraw(QDate(2024, 2, 8), {9, 19, 29, 39, 49});
    ComparisonWindow comparison(rig.state.texts(), rig.state.settings(), rig.state.game(), rig.platform);
    comparison.setDrawHistory(rig.history);
    comparison.show();
    QStringList shown;
    for (int k = 0; k < 5; ++k) shown << comparison.controls().drawBoxes[k]->currentText();
    QCOMPARE(shown, (QStringList{"9", "19", "29", "39", "49"}));

    const QList<int> typed{6, 16, 26, 36, 46};
    for (int k = 0; k < 5; ++k) comparison.controls().drawBoxes[k]->setCurrentIndex(typed[k] - 1);
    testing::findControl<QDateEdit>(comparison, QStringLiteral("DateTirage"))->setDate(QDate(2024, 2, 15));
    testing::pressControl(comparison, "bEnregistrerTirage");
    QCOMPARE(rig.platform.messages().last().text, QStringLiteral("Le tirage du 15/02/2024 est enregistré."));
    auto* stored = testing::findControl<QComboBox>(comparison, QStringLiteral("ComboTiragesEnregistres"));
    QCOMPARE(stored->count(), 3);
    QCOMPARE(stored->itemText(0), QStringLiteral("15/02/2024   06 16 26 36 46"));

    // A typed draw is offered again rather than the last stored one.
    for (int k = 0; k < 5; ++k) comparison.controls().drawBoxes[k]->setCurrentIndex(k + 10);
    comparison.hide();
    comparison.show();
    QCOMPARE(comparison.controls().drawBoxes[0]->currentText(), QStringLiteral("11"));
}

void DrawsWindowTest::historyThatCannotBeOpenedLeavesTheWindowWithoutDraws() {
    {
        // A file that is not a database: set aside, a new history started, the user told once.
        DrawsRig rig;
        writeText(rig.storeFile(), std::string(4096, 'x'));
        rig.window.openWindow();
        QCOMPARE(rig.platform.messages().size(), 1);
        QVERIFY(rig.platform.messages()[0].text.startsWith(QStringLiteral("L'historique des tirages était endommagé")));
        rig.addDraw(QDate(2024, 5, 4), {4, 8, 15, 16, 23});
        QCOMPARE(rig.listed("ListeTirages").size(), 1);
        int setAside = 0;
        for (const auto& entry : std::filesystem::directory_iterator(rig.storeFile().parent_path()))
            setAside += entry.path().filename().string().starts_with("draws.sqlite.damaged-");
        QCOMPARE(setAside, 1);
    }
    {
        // A folder that may not be written: no history, the window says so and changes nothing.
        DrawsRig rig;
        WritableCheckOverride readOnly([](const std::filesystem::path&) { return false; });
        rig.window.openWindow();
        QCOMPARE(rig.platform.messages().size(), 1);
        QVERIFY(rig.platform.messages()[0].text.contains(QString::fromStdString(rig.storeFile().parent_path().string())));
        QVERIFY(!rig.find<QPushButton>("bImporter")->isEnabled());
        QCOMPARE(rig.find<QLabel>("LabelNombreTirages")->text(), QStringLiteral("0 tirages enregistrés pour ce jeu"));
        rig.window.openWindow();
        QCOMPARE(rig.platform.messages().size(), 1);  // told once
    }
}

void DrawsWindowTest::captionsShownWhole_data() {
    testing::addLanguageRows();
}

// The window is laid out and grows with a longer language; the titles of the back-test totals
// wrap in their columns, the header as high as the longest needs.
void DrawsWindowTest::captionsShownWhole() {
    QFETCH(int, language);
    DrawsRig rig;
    rig.state.parameters.language = language;
    rig.window.openWindow();
    auto* pages = rig.find<QTabWidget>("OngletsTirages");
    QStringList cut;
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        cut << testing::cutCaptions(rig.window);
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    const QHeaderView* header = rig.find<QTableWidget>("GrilleTotaux")->horizontalHeader();
    for (int column = 0; column < header->count(); ++column) {
        const QString title = header->model()->headerData(column, Qt::Horizontal).toString();
        const QRect room(0, 0, header->sectionSize(column) - 8, 1000);
        const int needed =
            header->fontMetrics().boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, title).height();
        QVERIFY2(needed <= header->height() - 4,
                 qPrintable(QStringLiteral("%1: %2 > %3").arg(title).arg(needed).arg(header->height() - 4)));
    }
}

QTEST_MAIN(DrawsWindowTest)
#include "drawswindow_test.moc"
