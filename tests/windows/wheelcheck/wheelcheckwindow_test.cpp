// The wheel check window as a player meets it: a built-in wheel over the ticked numbers shows its
// guarantee kept, a wheel file with holes shows how many and lists them in the numbers played,
// and a cell of millions of holes is listed without making them all.

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QListView>
#include <QPushButton>
#include <QLocale>
#include <QScrollBar>
#include <QSet>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <bit>

#include "core/expansion.h"
#include "core/wheelcatalogue.h"
#include "support/scratchfiles.h"
#include "windows/captionsfit.h"
#include "windows/wheelcheck/holelistmodel.h"
#include "windows/wheelcheck/wheelcheckwindow.h"
#include "windows/wheelcheck/wheelsources.h"
#include "windows/wheelcheck/winchart.h"
#include "windows/windowrig.h"
#include "workshop/filteredcheck.h"
#include "workshop/filtersettings.h"
#include "workshop/wheel.h"

using namespace norvex5;
using namespace norvex5::workshop;
using Rig = norvex5::testing::WindowRig<WheelCheckWindow>;

namespace {

QString cell(const Rig& rig, int t, int m) {
    const QTableWidgetItem* item = rig.find<QTableWidget>(QStringLiteral("GrilleGaranties"))->item(m - 2, t - 2);
    return item == nullptr ? QString() : item->text();
}

QStringList listedHoles(const Rig& rig, int first, int count) {
    const auto* view = rig.find<QListView>(QStringLiteral("ListeTrous"));
    QStringList rows;
    for (int row = first; row < first + count && row < view->model()->rowCount(); ++row)
        rows << view->model()->index(row, 0).data().toString();
    return rows;
}

// The wheel file of the test data with exactly 100 holes for "4 if 4" over its 12 numbers.
WheelFileReading incompleteWheel() {
    return readWheelFile(
        {norvex5::testing::wheelFile("pdo_C12-5-4_b79_INCOMPLETE.res").string(), " ", 0, identityReplacementMap()}, 12);
}

// Checks that file in `language`.
bool checkIncompleteFile(Rig& rig, int language) {
    rig.state.parameters.language = language;
    rig.window.applyTexts();
    const WheelFileReading reading = incompleteWheel();
    return reading.ok() && rig.window.checkWheel(reading.wheel);
}

// Ticks a condition of the filter panel with its values, as a player does.
void tickFilter(Rig& rig, const char* name, int from, int to = -1) {
    if (to >= 0) rig.find<QSpinBox>(QStringLiteral("EditFiltre%1A").arg(QLatin1String(name)))->setValue(to);
    rig.find<QSpinBox>(QStringLiteral("EditFiltre%1").arg(QLatin1String(name)))->setValue(from);
    rig.find<QCheckBox>(QStringLiteral("CaseFiltre%1").arg(QLatin1String(name)))->setChecked(true);
}

const std::vector<std::int32_t> kSpreadPlay{2, 4, 6, 8, 10, 12, 14, 16, 1, 3, 5, 7};

}  // namespace

class WheelCheckWindowTest : public QObject {
    Q_OBJECT

private slots:
    void builtInWheelShowsItsGuaranteeKept() {
        Rig rig;
        rig.state.parameters.language = 2;
        rig.window.applyTexts();
        const WheelRecord* record = wheelRecord(5);
        const auto wheel = builtInWheel(5);
        QVERIFY(wheel);
        std::vector<std::int32_t> played;
        for (int k = 0; k < wheel->numbers; ++k) played.push_back(3 + 4 * k);
        QVERIFY(rig.window.checkWheel(*wheel, played));

        QCOMPARE(cell(rig, record->guarantee, record->condition), QStringLiteral("kept"));
        // One more number on a board is not promised, and the matrix says by how much it fails.
        QVERIFY(cell(rig, record->guarantee + 1, record->condition).contains(QStringLiteral("holes")));
        QVERIFY(cell(rig, record->condition + 1, record->condition).isEmpty());
        QVERIFY(rig.find<QLabel>(QStringLiteral("LabelSysteme"))->text().contains(QStringLiteral("3 7 11 15")));

        // The holes of "t+1 if m" are listed in the numbers played, each one a real hole.
        rig.window.showHolesOf({record->guarantee + 1, record->condition});
        const QStringList rows = listedHoles(rig, 0, 3);
        QCOMPARE(rows.size(), 3);
        for (const QString& row : rows) {
            const QStringList numbers = row.split(QStringLiteral(" - "));
            QCOMPARE(numbers.size(), record->condition);
            for (const QString& n : numbers) QCOMPARE((n.toInt() - 3) % 4, 0);
        }
        QVERIFY(rig.find<WinChart>(QStringLiteral("GraphiqueGains"))->hasTable());
        // Given the m drawn are among the player's, the best board holds t of them at least.
        const auto* wins = rig.find<QTableWidget>(QStringLiteral("TableGains"));
        QCOMPARE(wins->item(record->condition, 2 + record->guarantee - 1)->text(),
                 QStringLiteral("0.00 %"));
    }

    // The chosen wheel over the ticked numbers: a hole the window lists is a draw that no board
    // the expansion builds (the boards printed on the tickets) meets in t numbers.
    void holesOfTheChosenWheelAreMissedByItsBoards() {
        Rig rig;
        SelectionState selection{};
        for (int n = 20; n < 33; ++n) selection[n] = kSelected;
        QVERIFY(!chosenWheelOverTicked(selection, wheelRecord(1)));  // six numbers, thirteen ticked
        const auto chosen = chosenWheelOverTicked(selection, wheelRecord(5));
        QVERIFY(chosen);
        QCOMPARE(chosen->played.front(), 20);
        QCOMPARE(chosen->played.back(), 32);
        QVERIFY(rig.window.checkWheel(chosen->wheel, chosen->played));

        const WheelRecord* record = wheelRecord(5);
        const Guarantee missed{record->guarantee + 1, record->condition};
        rig.window.showHolesOf(missed);
        Expansion expansion;
        startExpansion(expansion, selection, 5);
        for (const QString& row : listedHoles(rig, 0, 40)) {
            QSet<int> draw;
            for (const QString& n : row.split(QStringLiteral(" - "))) draw.insert(n.toInt());
            for (int b = 1; b <= expansion.boardCount; ++b) {
                int met = 0;
                for (int n : boardNumbers(expansion, b)) met += draw.contains(n) ? 1 : 0;
                QVERIFY2(met < missed.t, qPrintable(row));
            }
        }
    }

    void aSingleHoleIsSaidInTheSingular() {
        // Five of the six five-number boards over six numbers: "5 if 5" misses only the sixth.
        Wheel wheel;
        wheel.numbers = 6;
        for (std::uint8_t left = 0; left < 5; ++left) {
            Board board{};
            int k = 0;
            for (std::uint8_t n = 0; n < 6; ++n)
                if (n != left) board[k++] = n;
            wheel.boards.push_back(board);
        }
        Rig rig;
        for (const auto& [language, expected] :
             {std::pair{2, QStringLiteral("1 hole, ")}, std::pair{7, QStringLiteral("1 Lücke, ")}}) {
            rig.state.parameters.language = language;
            rig.window.applyTexts();
            QVERIFY(rig.window.checkWheel(wheel));
            QVERIFY2(cell(rig, 5, 5).startsWith(expected), qPrintable(cell(rig, 5, 5)));
        }
    }

    void everyColumnShowsWithoutScrollingInTheLongestLanguage() {
        Rig rig;
        QVERIFY(checkIncompleteFile(rig, 7));
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
        for (const char* name : {"GrilleGaranties", "TableGains"}) {
            const auto* table = rig.find<QTableWidget>(QString::fromLatin1(name));
            QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
        }
    }

    // A title that wraps onto three lines in its column (the win table's in Croatian) is shown
    // whole: the header grows to the longest, as the window is shown and as it is resized.
    void everyColumnTitleShowsWhole() {
        Rig rig;
        QVERIFY(checkIncompleteFile(rig, 6));
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
        for (const int width : {1060, 820}) {
            rig.window.resize(width, rig.window.height());
            QCoreApplication::processEvents();
            for (const char* name : {"GrilleGaranties", "TableGains"}) {
                const auto* table = rig.find<QTableWidget>(QString::fromLatin1(name));
                const QHeaderView* header = table->horizontalHeader();
                const QFontMetrics metrics = header->fontMetrics();
                for (int column = 0; column < table->columnCount(); ++column) {
                    const QString title = table->horizontalHeaderItem(column)->text();
                    const QRect needed = metrics.boundingRect(QRect(0, 0, header->sectionSize(column) - 12, 10000),
                                                              Qt::AlignCenter | Qt::TextWordWrap, title);
                    QVERIFY2(needed.height() <= header->height() - 8,
                             qPrintable(QStringLiteral("%1 at %2: %3").arg(title).arg(width).arg(header->height())));
                }
            }
        }
    }

    // The window is laid out: a longer language widens it rather than cutting a caption.
    void captionsFitInEveryLanguage() {
        for (int language = 1; language <= 7; ++language) {
            Rig rig;
            rig.state.parameters.language = language;
            rig.window.openFor(Wheel{6, {Board{0, 1, 2, 3, 4}}}, {});
            const QStringList cut = norvex5::testing::cutCaptions(rig.window);
            QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(language).arg(cut.join(QStringLiteral("; ")))));
        }
    }

    // Like every other window, it has a button that closes it, named in the player's language.
    void theCloseButtonClosesTheWindow() {
        Rig rig;
        for (const auto& [language, caption] :
             {std::pair{1, QStringLiteral("Fermer")}, std::pair{7, QStringLiteral("Schließen")}}) {
            rig.state.parameters.language = language;
            rig.window.openFor(Wheel{6, {Board{0, 1, 2, 3, 4}}}, {});
            QVERIFY(rig.window.isVisible());
            const auto* close = rig.find<QPushButton>(QStringLiteral("BoutonFermer"));
            QVERIFY(close != nullptr);
            QCOMPARE(close->text(), caption);
            rig.press("BoutonFermer");
            QVERIFY(!rig.window.isVisible());
        }
    }

    void incompleteFileShowsItsHundredHoles() {
        Rig rig;
        QVERIFY(checkIncompleteFile(rig, 2));

        QVERIFY(cell(rig, 4, 4).startsWith(QStringLiteral("100 holes")));
        rig.window.showHolesOf({4, 4});
        QCOMPARE(rig.find<QListView>(QStringLiteral("ListeTrous"))->model()->rowCount(), 100);
        QVERIFY(rig.find<QLabel>(QStringLiteral("LabelTrous"))->text().endsWith(QStringLiteral(": 100")));
        // The file counts from 0; the window shows 1..12, as the file's first holes 0 1 2 5 and
        // 0 1 3 11 are played.
        QCOMPARE(listedHoles(rig, 0, 2),
                 (QStringList{QStringLiteral("1 - 2 - 3 - 6"), QStringLiteral("1 - 2 - 4 - 12")}));
        // Every row is a distinct hole of the wheel, in order, the last one included.
        const CoverageIndex index(incompleteWheel().wheel);
        const QStringList all = listedHoles(rig, 0, 100);
        QCOMPARE(all.size(), 100);
        QCOMPARE(QSet<QString>(all.begin(), all.end()).size(), 100);
        for (int row = 0; row < 100; ++row) {
            const std::vector<std::uint8_t> hole = rig.window.holes().hole(row);
            QCOMPARE(hole.size(), std::size_t{4});
            QVERIFY(!index.meets(hole.data(), 4, 4));
        }
        QVERIFY(rig.window.holes().hole(100).empty());
    }

    // Under a filter each cell says, beside the plain figure, what the wheel keeps among the draws
    // that pass; the win table is given that the draw passes; the boards that fail may go.
    void underAFilterTheCellsAndTheWinTableSpeakOfTheDrawsThatPass() {
        Rig rig;
        rig.state.parameters.language = 2;
        rig.state.parameters.highestNumber = 49;
        rig.window.applyTexts();
        const Wheel wheel = incompleteWheel().wheel;
        QVERIFY(rig.window.checkWheel(wheel, kSpreadPlay));
        QVERIFY(!cell(rig, 4, 4).contains(QLatin1Char('\n')));
        tickFilter(rig, "Impairs", 0, 2);
        QVERIFY(rig.window.filteredProfile());

        DrawFilter filter;
        filter.odd = CountRange{0, 2};
        const PlayedNumbers played{49, {kSpreadPlay.begin(), kSpreadPlay.end()}};
        const PassingDraws draws(filter, played);
        const auto expected = workshop::filteredProfile(CoverageIndex(wheel), draws);
        const std::int64_t holes = expected->holesUnderFilter({4, 4});
        QVERIFY(holes > 0 && holes < 100);  // a four with three odd numbers needs no board
        QVERIFY2(cell(rig, 4, 4).startsWith(QStringLiteral("100 holes")), qPrintable(cell(rig, 4, 4)));
        QVERIFY2(cell(rig, 4, 4).contains(QStringLiteral("\nfilter: %1 holes").arg(holes)), qPrintable(cell(rig, 4, 4)));
        QVERIFY(rig.find<QLabel>(QStringLiteral("LabelGains"))->text().endsWith(QStringLiteral("that passes the filter")));
        const FilteredWinTable given = winTableUnderFilter(*expected);
        const auto* wins = rig.find<QTableWidget>(QStringLiteral("TableGains"));
        QCOMPARE(wins->item(4, 2 + 4)->text(), QString::number(given.bestShare[4][4] * 100.0, 'f', 2) + QStringLiteral(" %"));
        QVERIFY(rig.find<QLabel>(QStringLiteral("LabelFiltre"))->text().contains(QStringLiteral("% of the draws pass")));

        rig.find<QCheckBox>(QStringLiteral("CaseRetirerGrilles"))->setChecked(true);
        const Wheel kept = passingBoards(wheel, filter, played);
        QVERIFY(kept.boards.size() < wheel.boards.size());
        QCOMPARE(rig.window.checkedWheel().boards, kept.boards);
        QVERIFY(rig.find<QLabel>(QStringLiteral("LabelSysteme"))
                    ->text()
                    .contains(QStringLiteral("%1 boards dropped").arg(wheel.boards.size() - kept.boards.size())));

        // The filter off: the wheel as given, checked plainly.
        rig.find<QCheckBox>(QStringLiteral("CaseFiltreImpairs"))->setChecked(false);
        QVERIFY(!rig.window.filteredProfile());
        QCOMPARE(rig.window.checkedWheel().boards.size(), wheel.boards.size());
        QVERIFY(!cell(rig, 4, 4).contains(QLatin1Char('\n')));
    }

    // Under a filter the hole list holds the holes among the subsets some passing draw holds,
    // counted as the cell's filtered line counts them, and says so; without it, every hole. Both
    // against a count over every draw of the game and every board.
    void underAFilterTheHoleListHoldsTheHolesThatNeedCovering() {
        Rig rig;
        rig.state.parameters.language = 2;
        rig.state.parameters.highestNumber = 49;
        rig.window.applyTexts();
        const Wheel wheel = incompleteWheel().wheel;
        QVERIFY(rig.window.checkWheel(wheel, kSpreadPlay));
        tickFilter(rig, "Impairs", 0, 1);
        QVERIFY(rig.window.filteredProfile());

        // Each draw as the set of the player's positions it holds; every subset of that set needs
        // covering.
        QSet<int> needed;
        for (int a = 1; a <= 49; ++a)
            for (int b = a + 1; b <= 49; ++b)
                for (int c = b + 1; c <= 49; ++c)
                    for (int d = c + 1; d <= 49; ++d)
                        for (int e = d + 1; e <= 49; ++e) {
                            const Draw draw{a, b, c, d, e};
                            if ((a % 2) + (b % 2) + (c % 2) + (d % 2) + (e % 2) > 1) continue;
                            int held = 0;
                            for (int p = 0; p < int(kSpreadPlay.size()); ++p)
                                if (std::find(draw.begin(), draw.end(), kSpreadPlay[std::size_t(p)]) != draw.end())
                                    held |= 1 << p;
                            for (int sub = held; sub > 0; sub = (sub - 1) & held) needed.insert(sub);
                        }
        const auto bestOnABoard = [&wheel](int subset) {
            int best = 0;
            for (const Board& board : wheel.boards) {
                int on = 0;
                for (const std::uint8_t p : board) on += (subset >> p) & 1;
                best = std::max(best, on);
            }
            return best;
        };
        const auto shown = [&](int subset) {
            QStringList numbers;
            for (int p = 0; p < int(kSpreadPlay.size()); ++p)
                if ((subset >> p) & 1) numbers << QString::number(kSpreadPlay[std::size_t(p)]);
            return numbers.join(QStringLiteral(" - "));
        };
        for (const Guarantee g : {Guarantee{4, 4}, Guarantee{4, 5}, Guarantee{5, 5}}) {
            QSet<QString> plain, underFilter;
            for (int subset = 0; subset < (1 << kSpreadPlay.size()); ++subset) {
                if (std::popcount(unsigned(subset)) != g.m || bestOnABoard(subset) >= g.t) continue;
                plain.insert(shown(subset));
                if (needed.contains(subset)) underFilter.insert(shown(subset));
            }
            QVERIFY2(underFilter.size() < plain.size(), qPrintable(QStringLiteral("%1 %2 %3 %4").arg(g.t).arg(g.m).arg(plain.size()).arg(underFilter.size())));
            rig.window.showHolesOf(g);
            const QStringList rows = listedHoles(rig, 0, int(plain.size()) + 1);
            QCOMPARE(QSet<QString>(rows.begin(), rows.end()), underFilter);
            QCOMPARE(rows.size(), underFilter.size());
            const QString title = rig.find<QLabel>(QStringLiteral("LabelTrous"))->text();
            QCOMPARE(title, QStringLiteral("Holes of '%1 if %2' under the filter: %3").arg(g.t).arg(g.m).arg(underFilter.size()));
            if (!underFilter.isEmpty())
                QVERIFY2(cell(rig, g.t, g.m).contains(QStringLiteral("\nfilter: %1 hole").arg(underFilter.size())),
                         qPrintable(cell(rig, g.t, g.m)));
        }

        // The filter off: every hole, under the plain title.
        rig.find<QCheckBox>(QStringLiteral("CaseFiltreImpairs"))->setChecked(false);
        rig.window.showHolesOf({4, 4});
        QCOMPARE(rig.find<QLabel>(QStringLiteral("LabelTrous"))->text(), QStringLiteral("Holes of '4 if 4': 100"));
        QCOMPARE(listedHoles(rig, 0, 101).size(), 100);
    }

    // Chances and shares are written as the language writes numbers, not as English does.
    void numbersAreWrittenInTheLanguagesOwnWay() {
        Rig rig;
        rig.state.parameters.highestNumber = 49;
        const auto* wins = rig.find<QTableWidget>(QStringLiteral("TableGains"));
        // Five of the player's twelve drawn: 1 in 1,906,884 / 792.
        QVERIFY(checkIncompleteFile(rig, 7));
        QCOMPARE(wins->item(5, 1)->text(), QStringLiteral("1 : 2.408"));
        QVERIFY2(cell(rig, 4, 4).contains(QStringLiteral(",")), qPrintable(cell(rig, 4, 4)));
        QVERIFY(wins->item(4, 6)->text().contains(QLatin1Char(',')));
        QVERIFY(checkIncompleteFile(rig, 1));
        QVERIFY(!wins->item(5, 1)->text().contains(QLatin1Char(',')) && !wins->item(5, 1)->text().contains(QLatin1Char('.')));
        QVERIFY(wins->item(4, 6)->text().contains(QLatin1Char(',')));
        QVERIFY(checkIncompleteFile(rig, 2));
        QCOMPARE(wins->item(5, 1)->text(), QStringLiteral("1 : 2,408"));
    }

    // The filter is the player's for a game type: kept when it changes, found again on opening.
    void theFilterIsKeptForEachGameType() {
        Rig rig;
        const auto file = rig.programDir() / "config" / kFilterSettingsFileName;
        rig.window.setFilterSettingsFile(file);
        rig.state.parameters.gameType = 1;
        rig.window.openFor(Wheel{6, {Board{0, 1, 2, 3, 4}}}, {});
        tickFilter(rig, "Impairs", 1, 2);
        tickFilter(rig, "Finale", 1);
        QCOMPARE(FilterSettings::load(file).filterFor(1, 49).value_or(DrawFilter{}).odd, (CountRange{1, 2}));

        rig.state.parameters.gameType = 3;
        rig.window.openFor(Wheel{6, {Board{0, 1, 2, 3, 4}}}, {});
        QVERIFY(!rig.find<QCheckBox>(QStringLiteral("CaseFiltreImpairs"))->isChecked());
        QVERIFY(!rig.window.filteredProfile());

        rig.state.parameters.gameType = 1;
        rig.window.openFor(Wheel{6, {Board{0, 1, 2, 3, 4}}}, {});
        QVERIFY(rig.find<QCheckBox>(QStringLiteral("CaseFiltreImpairs"))->isChecked());
        QCOMPARE(rig.find<QSpinBox>(QStringLiteral("EditFiltreImpairs"))->value(), 1);
        QCOMPARE(rig.find<QSpinBox>(QStringLiteral("EditFiltreImpairsA"))->value(), 2);
        QVERIFY(rig.find<QCheckBox>(QStringLiteral("CaseFiltreFinale"))->isChecked());
        QVERIFY(rig.window.filteredProfile());
        rig.window.close();
    }

    // A wheel of one board over 50 numbers leaves almost every "2 if 5" draw uncovered: nearly
    // two million rows, found on demand anywhere in the list.
    void millionsOfHolesAreFoundOnDemand() {
        Rig rig;
        Wheel wheel{50, {Board{0, 1, 2, 3, 4}}};
        QVERIFY(rig.window.checkWheel(wheel));
        rig.window.showHolesOf({2, 5});
        const std::int64_t count = rig.window.holes().holeCount();
        // Holes: the draws with at most one number of the board.
        QCOMPARE(count, binomial(45, 5) + 5 * binomial(45, 4));
        QCOMPARE(rig.find<QListView>(QStringLiteral("ListeTrous"))->model()->rowCount(), int(count));
        // Far rows first, then the ones between, then back: the same answer as a walk in order.
        const auto last = rig.window.holes().hole(count - 1);
        QCOMPARE(last, (std::vector<std::uint8_t>{45, 46, 47, 48, 49}));
        const auto middle = rig.window.holes().hole(count / 2);
        QCOMPARE(rig.window.holes().hole(count / 2), middle);
        const auto first = rig.window.holes().hole(0);
        QCOMPARE(first, (std::vector<std::uint8_t>{0, 5, 6, 7, 8}));
        // Remembered: one hole per block walked past, never the holes themselves.
        QVERIFY(rig.window.holes().rememberedHoles() <= std::size_t(count / HoleListModel::kBlock + 1));
    }
};

QTEST_MAIN(WheelCheckWindowTest)
#include "wheelcheckwindow_test.moc"
