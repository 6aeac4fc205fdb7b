// The wheel generator window as a player drives it: the ticked numbers give the count, a wheel is
// generated with a seed, saved as a wheel file and read back the way every pass reads one, sent
// and checked through the hooks; and Stop keeps the best complete wheel found so far.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>

#include "support/scratchfiles.h"
#include "windows/captionsfit.h"
#include "windows/wheelgenerator/wheelgeneratorwindow.h"
#include "windows/windowrig.h"
#include "workshop/filteredcheck.h"
#include "workshop/wheel.h"
#include "workshop/wheelcheck.h"

using namespace norvex5;
using namespace norvex5::workshop;
using Rig = norvex5::testing::WindowRig<WheelGeneratorWindow>;

namespace {

void chooseGuarantee(Rig& rig, int t, int m) {
    auto* box = rig.find<QComboBox>(QStringLiteral("ComboGarantie"));
    const int at = box->findData(t * 10 + m);
    QVERIFY(at >= 0);
    box->setCurrentIndex(at);
}

void generate(Rig& rig) {
    rig.press("BoutonGenerer");
    QVERIFY(rig.window.generating());
    QVERIFY(!rig.find<QPushButton>(QStringLiteral("BoutonGenerer"))->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!rig.window.generating(), 20000);
}

void tickFilter(Rig& rig, const char* name, int from, int to = -1) {
    if (to >= 0) rig.find<QSpinBox>(QStringLiteral("EditFiltre%1A").arg(QLatin1String(name)))->setValue(to);
    rig.find<QSpinBox>(QStringLiteral("EditFiltre%1").arg(QLatin1String(name)))->setValue(from);
    rig.find<QCheckBox>(QStringLiteral("CaseFiltre%1").arg(QLatin1String(name)))->setChecked(true);
}

}  // namespace

class WheelGeneratorWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The window is laid out: a longer language widens it rather than cutting a caption.
    void captionsFitInEveryLanguage() {
        for (int language = 1; language <= 7; ++language) {
            Rig rig;
            rig.state.parameters.language = language;
            rig.window.openWindow();
            const QStringList cut = norvex5::testing::cutCaptions(rig.window);
            QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(language).arg(cut.join(QStringLiteral("; ")))));
        }
    }

    void generatesSavesAndHandsOnAWheelForTheTickedNumbers() {
        for (const Guarantee g : {Guarantee{2, 2}, Guarantee{3, 3}}) {
            Rig rig;
            rig.state.parameters.language = 2;
            rig.window.applyTexts();
            const std::vector<std::int32_t> ticked{4, 9, 13, 21, 22, 30, 41, 48};
            for (int n : ticked) rig.state.selection[n] = kSelected;
            rig.window.setSeed(7);
            std::vector<std::int32_t> sentNumbers;
            QString sentFile;
            Wheel checked;
            rig.window.setCheckHook([&](const Wheel& wheel, const std::vector<std::int32_t>&) { checked = wheel; });
            rig.window.setSendHook([&](const QString& file, const std::vector<std::int32_t>& played) {
                sentFile = file;
                sentNumbers = played;
            });
            QVERIFY(!rig.find<QPushButton>(QStringLiteral("BoutonEnregistrer"))->isEnabled());
            rig.press("BoutonCoches");
            QCOMPARE(rig.find<QSpinBox>(QStringLiteral("EditNombres"))->value(), 8);
            chooseGuarantee(rig, g.t, g.m);
            rig.find<QSpinBox>(QStringLiteral("EditSecondes"))->setValue(2);
            generate(rig);

            QVERIFY(rig.window.wheel());
            const Wheel wheel = *rig.window.wheel();
            QCOMPARE(wheel.numbers, 8);
            QCOMPARE(checkGuarantee(CoverageIndex(wheel), g).holes, std::int64_t{0});
            QCOMPARE(rig.window.played(), ticked);
            QVERIFY(rig.find<QLabel>(QStringLiteral("LabelProgression"))
                        ->text()
                        .startsWith(QStringLiteral("%1 boards over 8 numbers").arg(wheel.boards.size())));

            // Sent before it was saved: saved first, then handed on with the numbers to play.
            const auto file = rig.programDir() / "made.txt";
            rig.platform.chooseFileNext(QString::fromStdString(file.string()));
            rig.press("BoutonEnvoyer");
            QCOMPARE(sentFile, QString::fromStdString(file.string()));
            QCOMPARE(sentNumbers, ticked);
            const WheelFileReading back = readWheelFile({file.string(), ";", 0, identityReplacementMap()}, 8);
            QVERIFY(back.ok());
            QVERIFY(!back.numberedFromZero);
            QCOMPARE(back.wheel.boards, wheel.boards);

            rig.press("BoutonVerifier");
            QCOMPARE(checked.boards, wheel.boards);
        }
    }

    // "2 if 2" over 8 numbers reaches the smallest size there can be (4 boards) at once and ends
    // there rather than at the end of its time, so the same seed must give the same wheel.
    void theSameSeedMakesTheSameWheel() {
        std::vector<Board> first;
        for (int run = 0; run < 2; ++run) {
            Rig rig;
            rig.window.setSeed(11);
            rig.find<QSpinBox>(QStringLiteral("EditNombres"))->setValue(8);
            chooseGuarantee(rig, 2, 2);
            rig.find<QSpinBox>(QStringLiteral("EditSecondes"))->setValue(60);
            generate(rig);
            QVERIFY(rig.window.wheel());
            QCOMPARE(rig.window.wheel()->boards.size(), std::size_t{4});
            QVERIFY(rig.window.lastProgress().seconds < 30);
            // Not ticked: played as 1..8.
            QCOMPARE(rig.window.played(), (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8}));
            if (run == 0)
                first = rig.window.wheel()->boards;
            else
                QCOMPARE(rig.window.wheel()->boards, first);
        }
    }

    void stopKeepsTheBestCompleteWheel() {
        Rig rig;
        rig.window.setSeed(3);
        rig.find<QSpinBox>(QStringLiteral("EditNombres"))->setValue(20);
        chooseGuarantee(rig, 4, 4);
        rig.find<QSpinBox>(QStringLiteral("EditSecondes"))->setValue(600);
        rig.press("BoutonGenerer");
        QTRY_VERIFY_WITH_TIMEOUT(rig.window.lastProgress().bestBoards > 0, 20000);
        QVERIFY(rig.find<QPushButton>(QStringLiteral("BoutonArreter"))->isEnabled());
        const int seen = rig.window.lastProgress().bestBoards;
        rig.press("BoutonArreter");
        QTRY_VERIFY_WITH_TIMEOUT(!rig.window.generating(), 10000);

        QVERIFY(rig.window.wheel());
        QVERIFY(int(rig.window.wheel()->boards.size()) <= seen);
        QCOMPARE(checkGuarantee(CoverageIndex(*rig.window.wheel()), {4, 4}).holes, std::int64_t{0});
        QVERIFY(rig.find<QPushButton>(QStringLiteral("BoutonGenerer"))->isEnabled());
        QVERIFY(rig.find<QPushButton>(QStringLiteral("BoutonEnregistrer"))->isEnabled());
    }

    // Closing the window mid-run ends the run; destroying it waits for the worker.
    void closingStopsTheRun() {
        auto rig = std::make_unique<Rig>();
        rig->find<QSpinBox>(QStringLiteral("EditNombres"))->setValue(30);
        chooseGuarantee(*rig, 4, 5);
        rig->find<QSpinBox>(QStringLiteral("EditSecondes"))->setValue(600);
        rig->window.show();
        rig->press("BoutonGenerer");
        rig->window.close();
        QTRY_VERIFY_WITH_TIMEOUT(!rig->window.generating(), 20000);
        rig.reset();
    }

    // A wheel shown answers the boxes above it: another count or another guarantee drops it and
    // its result line, and Check, Save and Send wait for a new wheel. Other words for the same
    // choice (a language change) keep it.
    void aWheelGoesWhenTheNumbersOrTheGuaranteeChange() {
        Rig rig;
        rig.window.setCheckHook([](const Wheel&, const std::vector<std::int32_t>&) {});
        rig.window.setSendHook([](const QString&, const std::vector<std::int32_t>&) {});
        auto* numbers = rig.find<QSpinBox>(QStringLiteral("EditNombres"));
        auto* label = rig.find<QLabel>(QStringLiteral("LabelProgression"));
        const QStringList afterwards{QStringLiteral("BoutonVerifier"), QStringLiteral("BoutonEnregistrer"),
                                     QStringLiteral("BoutonEnvoyer")};
        auto madeFor = [&](int count) {
            numbers->setValue(count);
            chooseGuarantee(rig, 2, 2);  // reaches its smallest size at once
            generate(rig);
            QVERIFY(rig.window.wheel());
            QVERIFY(!label->text().isEmpty());
            for (const QString& name : afterwards) QVERIFY(rig.find<QPushButton>(name)->isEnabled());
        };
        auto dropped = [&] {
            QVERIFY(!rig.window.wheel());
            QVERIFY(label->text().isEmpty());
            for (const QString& name : afterwards) QVERIFY(!rig.find<QPushButton>(name)->isEnabled());
        };

        madeFor(8);
        rig.state.parameters.language = 7;
        rig.window.applyTexts();
        QVERIFY(rig.window.wheel());
        QVERIFY(label->text().startsWith(QStringLiteral("4 Reihen über 8 Zahlen")));
        numbers->setValue(9);
        dropped();

        madeFor(8);
        chooseGuarantee(rig, 3, 3);
        dropped();
    }

    // Reopened over other ticked numbers, the window still shows the wheel it made and the count
    // it was made for; the ticked numbers are one press away, and take the wheel with them.
    void reopenedTheNumbersAgreeWithTheWheelShown() {
        Rig rig;
        auto* numbers = rig.find<QSpinBox>(QStringLiteral("EditNombres"));
        numbers->setValue(8);
        chooseGuarantee(rig, 2, 2);  // reaches its smallest size at once
        generate(rig);
        QVERIFY(rig.window.wheel());
        rig.window.close();
        for (int n : {3, 8, 15, 16, 23, 42}) rig.state.selection[n] = kSelected;
        rig.window.openWindow();
        QCOMPARE(numbers->value(), 8);
        QVERIFY(rig.window.wheel());
        QCOMPARE(rig.window.wheel()->numbers, 8);
        rig.press("BoutonCoches");
        QCOMPARE(numbers->value(), 6);
        QVERIFY(!rig.window.wheel());
    }

    // The search also looks from other starts at sizes no smaller than its best; such a try is
    // not shown as news. One hole is said in the singular, as the check window says it.
    void progressNeverShowsATryAboveTheBest() {
        Rig rig;
        rig.state.parameters.language = 7;
        rig.window.applyTexts();
        rig.find<QSpinBox>(QStringLiteral("EditNombres"))->setValue(30);
        chooseGuarantee(rig, 4, 5);
        rig.find<QSpinBox>(QStringLiteral("EditSecondes"))->setValue(600);
        rig.press("BoutonGenerer");
        QVERIFY(rig.window.generating());
        auto* label = rig.find<QLabel>(QStringLiteral("LabelProgression"));
        auto shown = [&](int best, int tried, std::int64_t holes) {
            GeneratorProgress report;
            report.bestBoards = best;
            report.boards = tried;
            report.holes = holes;
            report.seconds = 12.5;
            rig.window.showProgress(report);
            return label->text();
        };
        const QString time = QStringLiteral("12,5");  // in German, whatever the system's language
        QCOMPARE(shown(34, 36, 40), QStringLiteral("Beste: 34 Reihen · %1 s").arg(time));
        QCOMPARE(shown(34, 34, 0), QStringLiteral("Beste: 34 Reihen · %1 s").arg(time));
        QCOMPARE(shown(34, 33, 1), QStringLiteral("Beste: 34 Reihen · Versuch mit 33 (1 Lücke) · %1 s").arg(time));
        QCOMPARE(shown(34, 33, 5), QStringLiteral("Beste: 34 Reihen · Versuch mit 33 (5 Lücken) · %1 s").arg(time));
        rig.press("BoutonArreter");
        QTRY_VERIFY_WITH_TIMEOUT(!rig.window.generating(), 20000);
    }

    void theCloseButtonClosesTheWindow() {
        Rig rig;
        rig.state.parameters.language = 1;
        rig.window.openWindow();
        QVERIFY(rig.window.isVisible());
        const auto* close = rig.find<QPushButton>(QStringLiteral("BoutonFermer"));
        QVERIFY(close != nullptr);
        QCOMPARE(close->text(), QStringLiteral("Fermer"));
        rig.press("BoutonFermer");
        QVERIFY(!rig.window.isVisible());
    }

    // Under a filter the wheel covers what the draws that pass need, for the ticked numbers as
    // played; saved, its file is named in the player's language.
    void generatesUnderTheFilterForTheTickedNumbers() {
        Rig rig;
        rig.state.parameters.language = 1;
        rig.state.parameters.highestNumber = 49;
        rig.window.applyTexts();
        const std::vector<std::int32_t> ticked{1, 4, 7, 10, 13, 16, 27, 30, 33, 36, 39, 42};
        for (int n : ticked) rig.state.selection[n] = kSelected;
        rig.window.setSeed(5);
        rig.press("BoutonCoches");
        chooseGuarantee(rig, 3, 5);
        rig.find<QSpinBox>(QStringLiteral("EditSecondes"))->setValue(1);
        tickFilter(rig, "Impairs", 2, 3);
        tickFilter(rig, "Bas", 2, 3);
        generate(rig);
        QVERIFY(rig.window.wheel());
        DrawFilter filter;
        filter.odd = CountRange{2, 3};
        filter.low = CountRange{2, 3};
        const PassingDraws draws(filter, PlayedNumbers{49, {ticked.begin(), ticked.end()}});
        const auto profile = filteredProfile(CoverageIndex(*rig.window.wheel()), draws);
        QCOMPARE(profile->holesUnderFilter({3, 5}), std::int64_t{0});

        rig.platform.chooseFileNext(QString());
        rig.press("BoutonEnregistrer");
        QCOMPARE(rig.platform.dialogs().last().request.initialName,
                 QStringLiteral("systeme-12-3si5.txt"));
        // A change of the filter drops the wheel made under the last one.
        rig.find<QCheckBox>(QStringLiteral("CaseFiltreBas"))->setChecked(false);
        QVERIFY(!rig.window.wheel());
    }

    void aFilterNoDrawPassesMakesNothing() {
        Rig rig;
        rig.state.parameters.language = 7;
        rig.state.parameters.highestNumber = 49;
        rig.window.applyTexts();
        // Five low numbers of 1..24 add up to 110 at most.
        tickFilter(rig, "Bas", 5, 5);
        tickFilter(rig, "Somme", 120, 200);
        QCOMPARE(rig.find<QLabel>(QStringLiteral("LabelFiltre"))->text(), QStringLiteral("Keine Ziehung besteht diesen Filter."));
        rig.press("BoutonGenerer");
        QVERIFY(!rig.window.generating());
        QVERIFY(!rig.window.wheel());
        QCOMPARE(rig.platform.messages().size(), qsizetype{1});
        QCOMPARE(rig.platform.messages().last().text, QStringLiteral("Keine Ziehung besteht diesen Filter."));
    }

    void tooFewTickedNumbersAreRefused() {
        Rig rig;
        for (int n : {1, 2, 3}) rig.state.selection[n] = kSelected;
        rig.find<QSpinBox>(QStringLiteral("EditNombres"))->setValue(12);
        rig.press("BoutonCoches");
        QCOMPARE(rig.platform.messages().size(), qsizetype{1});
        QCOMPARE(rig.find<QSpinBox>(QStringLiteral("EditNombres"))->value(), 12);
    }
};

QTEST_MAIN(WheelGeneratorWindowTest)
#include "wheelgeneratorwindow_test.moc"
