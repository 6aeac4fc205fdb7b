// The ticket printing dialog as the user drives it: the range it opens with and the warning for a
// wrong one, the models and their bonus options, the digits-only board fields, the model kept
// across a restart, printing into a PDF through the chosen target with the prompt between
// tickets, closing during a run, and the preview page for page against the print.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "support/pdfreading.h"
#include "localisation/messagetable.h"
#include "ticketprintrig.h"
#include "windows/captionsfit.h"
#include "windows/externalwheels/externalwheelstab.h"
#include "windows/ticketprint/ticketpreview.h"

using namespace norvex5;
using namespace norvex5::testing;

namespace {

// Runs `inspect` on the preview window once it is open and modal, then closes it. Fails the
// test, rather than hanging it, when no preview comes up.
void whenPreviewOpens(std::function<void(TicketPreview&)> inspect, bool& seen) {
    auto* timer = new QTimer;
    auto deadline = std::make_shared<QDeadlineTimer>(10000);
    QObject::connect(timer, &QTimer::timeout, [timer, inspect, &seen, deadline] {
        auto* preview = qobject_cast<TicketPreview*>(QApplication::activeModalWidget());
        if (preview == nullptr && !deadline->hasExpired()) return;
        timer->stop();
        timer->deleteLater();
        if (preview == nullptr) return;
        seen = true;
        inspect(*preview);
        preview->close();
    });
    timer->start(20);
}

// A platform that notes, at every question, whether the dialog was printing and its buttons off,
// and can close the dialog as if the user clicked its close button while the prompt was up.
class WatchingPlatform : public FakePlatform {
public:
    std::function<void()> duringQuestion;
    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon, bool beep) override {
        if (duringQuestion) duringQuestion();
        return FakePlatform::message(text, title, buttons, icon, beep);
    }
};

}  // namespace

class TicketPrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(QStringLiteral(NORVEX5_PDFTOTEXT)), "pdftotext (poppler-utils) is needed");
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void opensWithTheWholeWheelAndWarnsOnAWrongRange() {
        TicketPrintRig rig;
        rig.window.show();
        QCOMPARE(rig.window.objectName(), QStringLiteral("Form7"));
        QCOMPARE(rig.window.windowTitle(), QStringLiteral("Imprimer les Tickets"));
        QCOMPARE(rig.field("Gpremier")->text(), QStringLiteral("1"));
        QCOMPARE(rig.field("gdernier")->text(), QStringLiteral("8"));
        const QString pdf = rig.scratch.filePath(QStringLiteral("tickets.pdf"));
        rig.platform.setPrintFile(pdf);

        for (const auto& [first, last] : {std::pair{0, 8}, std::pair{1, 9}, std::pair{6, 5}, std::pair{-1, 3}}) {
            rig.platform.clear();
            rig.setRange(first, last);
            rig.press("boutlancer");
            QCOMPARE(rig.platform.messages().size(), 1);
            QCOMPARE(rig.platform.messages()[0].text, rig.message(45));
            QCOMPARE(rig.platform.messages()[0].title, rig.message(46));
            QCOMPARE(rig.platform.messages()[0].icon, Platform::Icon::Warning);
            QVERIFY(rig.window.isVisible());
            QVERIFY(!QFile::exists(pdf));
        }
        // Boards 8 to 8: one ticket holding board 8 alone, in the first slot; then the dialog closes.
        rig.platform.clear();
        QVERIFY(rig.chooseModel(1));
        rig.setRange(8, 8);
        rig.press("boutlancer");
        QVERIFY(rig.platform.messages().isEmpty());
        QVERIFY(!rig.window.isVisible());
        QCOMPARE(rig.window.result(), int(QDialog::Accepted));
        const PdfText printed = readPdfWords(pdf);
        QCOMPARE(printed.pages, 1);
        const QList<PdfWord> marks = printed.marksOn(1);
        QCOMPARE(marks.size(), 5);
        for (int n : rig.board(8)) {
            const CmPoint at = *numberPosition(1, n, 1);
            QVERIFY2(hasMarkAt(marks, at.x, at.y, 1.0), qPrintable(QString::number(n)));
        }
    }

    void refusesAWheelOutsideTheCatalogue() {
        TicketPrintRig rig;
        for (int wheel : {0, 9, -1}) {
            QCOMPARE(rig.window.openFor(wheel), int(QDialog::Rejected));
            QVERIFY(!rig.window.isVisible());
            QCOMPARE(rig.window.wheel(), 0);
        }
        // Shown anyway, it offers no board and prints nothing.
        rig.platform.setPrintFile(rig.scratch.filePath(QStringLiteral("none.pdf")));
        rig.window.show();
        QCOMPARE(rig.field("gdernier")->text(), QStringLiteral("0"));
        rig.setRange(1, 1);
        rig.press("boutlancer");
        QCOMPARE(rig.platform.messages().size(), 1);
        QCOMPARE(rig.platform.messages()[0].text, rig.message(45));
        rig.press("boutapercu");
        QCOMPARE(rig.platform.messages().size(), 2);
        QVERIFY(!QFile::exists(rig.scratch.filePath(QStringLiteral("none.pdf"))));
    }

    // Sorted by name, each entry prints the model it names: the marks of board 1 land where that
    // model has its boxes, whatever the entry's position.
    void modelsInAlphabeticalOrderPrintTheModelNamed() {
        TicketPrintRig rig;
        rig.window.show();
        QStringList names;
        for (int i = 0; i < rig.models()->count(); ++i)
            names.append(rig.models()->itemText(i).section(QLatin1Char(' '), 0, 0));
        QCOMPARE(names, (QStringList{"FLORIDA", "FRANCE", "North", "PORTUGAL", "ROUMANIA", "South"}));
        QCOMPARE(rig.models()->itemText(3).size(), QStringLiteral("PORTUGAL NOVO TOTOLOTO 2011").size() + 300 + 1);
        for (const int model : {4, 2}) {
            const QString pdf = rig.scratch.filePath(QStringLiteral("model%1.pdf").arg(model));
            rig.platform.setPrintFile(pdf);
            rig.window.show();
            QVERIFY(rig.chooseModel(model));
            rig.setRange(1, 1);
            rig.press("boutlancer");
            const QList<PdfWord> marks = readPdfWords(pdf).marksOn(1);
            QCOMPARE(marks.size(), 5);
            for (int n : rig.board(1)) {
                const CmPoint at = *numberPosition(model, n, 1);
                QVERIFY2(hasMarkAt(marks, at.x, at.y, 1.0),
                         qPrintable(QStringLiteral("model %1 number %2").arg(model).arg(n)));
            }
        }
    }

    void openModelListShowsTheNamesOnly() {
        TicketPrintRig rig;
        rig.window.show();
        auto* list = rig.find<QComboBox>(QStringLiteral("ComboBox1"));
        const auto* rows = qobject_cast<QStyledItemDelegate*>(list->itemDelegate());
        QVERIFY(rows != nullptr);
        const QFontMetrics metrics = list->view()->fontMetrics();
        int longest = 0;
        for (int i = 0; i < list->count(); ++i) {
            const QString shown = rows->displayText(list->itemText(i), QLocale());
            QVERIFY2(!shown.isEmpty() && shown.size() < 60 && !shown.back().isSpace(), qPrintable(shown));
            longest = std::max(longest, metrics.horizontalAdvance(shown));
        }
        list->showPopup();
        const int open = list->view()->window()->width();
        list->hidePopup();
        // Wide enough for every name, but not stretched by the blanks before the hidden numbers.
        QVERIFY(list->view()->viewport()->width() >= longest);
        QVERIFY2(open < metrics.horizontalAdvance(list->itemText(0)), qPrintable(QString::number(open)));
    }

    void bonusOptionsFollowTheModel() {
        TicketPrintRig rig;
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window));
        auto* wanted = rig.find<QCheckBox>(QStringLiteral("chcochenumerobonus"));
        auto* modes = rig.find<QGroupBox>(QStringLiteral("gparanumerobonus"));
        auto* numbers = rig.find<QComboBox>(QStringLiteral("enumerobonus"));
        auto* random = rig.find<QRadioButton>(QStringLiteral("rahasard"));
        auto* successive = rig.find<QRadioButton>(QStringLiteral("ra1a10"));

        QVERIFY(rig.chooseModel(4));
        QVERIFY(wanted->isVisible());
        QVERIFY(!modes->isVisible());
        QCOMPARE(numbers->count(), 13);
        QCOMPARE(numbers->itemText(12), QStringLiteral("13"));
        // The run in turn is named as far as the model's bonus row goes.
        QCOMPARE(successive->text(), QStringLiteral("de 1 à 13 successivement"));
        wanted->click();
        QVERIFY(modes->isVisible());
        QVERIFY(random->isChecked());
        successive->click();
        // Unticking and ticking again goes back to random numbers.
        wanted->click();
        QVERIFY(!modes->isVisible());
        wanted->click();
        QVERIFY(random->isChecked());

        // A number the model offers stays when the field is left; anything else becomes 1.
        const auto leaveWith = [&](const QString& typed) {
            numbers->setFocus();
            numbers->lineEdit()->selectAll();
            QTest::keyClicks(numbers->lineEdit(), typed);
            QTest::keyClick(numbers->lineEdit(), Qt::Key_Tab);
            return numbers->currentText();
        };
        QCOMPARE(leaveWith(QStringLiteral("13")), QStringLiteral("13"));
        QCOMPARE(leaveWith(QStringLiteral("0")), QStringLiteral("1"));
        QCOMPARE(leaveWith(QStringLiteral("14")), QStringLiteral("1"));

        QVERIFY(rig.chooseModel(1));
        QCOMPARE(numbers->count(), 10);
        QCOMPARE(successive->text(), QStringLiteral("de 1 à 10 successivement"));
        QVERIFY(wanted->isVisible());
        QVERIFY(modes->isVisible());
        QCOMPARE(leaveWith(QStringLiteral("13")), QStringLiteral("1"));

        QVERIFY(rig.chooseModel(3));
        QVERIFY(!wanted->isVisible());
        QVERIFY(!modes->isVisible());

        // In another language too, also when the dialog comes up again on the longer row.
        rig.state.parameters.language = 7;
        QVERIFY(rig.chooseModel(4));
        rig.window.hide();
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window));
        QVERIFY(rig.chooseModel(4));
        QCOMPARE(successive->text(), QStringLiteral("nacheinander von 1 bis 13"));
        QVERIFY(rig.chooseModel(1));
        QCOMPARE(successive->text(), QStringLiteral("nacheinander von 1 bis 10"));
    }

    void nothingIsCutInAnyLanguage() {
        TicketPrintRig rig;
        for (int language = 1; language <= kLanguageCount; ++language) {
            rig.state.parameters.language = language;
            rig.window.show();
            // A model with a bonus row, its controls open on one number, two digits typed in it.
            QVERIFY(rig.chooseModel(4));
            auto* wanted = rig.find<QCheckBox>(QStringLiteral("chcochenumerobonus"));
            if (!wanted->isChecked()) wanted->click();
            rig.find<QRadioButton>(QStringLiteral("raunnumero"))->click();
            auto* number = rig.find<QComboBox>(QStringLiteral("enumerobonus"));
            number->setEditText(QStringLiteral("13"));
            QVERIFY2(rig.window.width() < 1000, qPrintable(QString::number(rig.window.width())));
            QCOMPARE(cutCaptions(rig.window), QStringList());
            QVERIFY(!number->geometry().intersects(rig.find(QStringLiteral("raunnumero"))->geometry()));
            const QLineEdit* typed = number->lineEdit();
            QVERIFY(typed->width() > typed->fontMetrics().horizontalAdvance(QStringLiteral("13")));
            // The hints of the board fields are in the language too.
            QCOMPARE(rig.field("Gpremier")->toolTip(),
                     QString::fromStdString(rig.state.programText(ProgramText::FirstBoardToPrint)));
            QCOMPARE(rig.field("gdernier")->toolTip(),
                     QString::fromStdString(rig.state.programText(ProgramText::LastBoardToPrint)));
            rig.window.hide();
        }
    }

    void boardFieldsTakeDigitsOnly() {
        TicketPrintRig rig;
        rig.window.show();
        QLineEdit* first = rig.field("Gpremier");
        first->setFocus();
        first->selectAll();
        QTest::keyClicks(first, QStringLiteral("a7-x 2"));
        QCOMPARE(first->text(), QStringLiteral("72"));
        QTest::keyClick(first, Qt::Key_Backspace);
        QCOMPARE(first->text(), QStringLiteral("72"));
        QTest::keyClicks(first, QStringLiteral("3456"));
        QCOMPARE(first->text(), QStringLiteral("7234"));
        // Delete and the arrows still edit; typing over a selection replaces it.
        QTest::keyClick(first, Qt::Key_Home);
        QTest::keyClick(first, Qt::Key_Delete);
        QCOMPARE(first->text(), QStringLiteral("234"));
        first->selectAll();
        QTest::keyClick(first, Qt::Key_5);
        QCOMPARE(first->text(), QStringLiteral("5"));
        // A paste of anything but digits is refused.
        first->clear();
        first->insert(QStringLiteral("1a"));
        QCOMPARE(first->text(), QString());
    }

    void modelIsRememberedAcrossARestart() {
        const QString file =
            QDir::temp().filePath(QStringLiteral("norvex5-ticketprint-%1.par").arg(QCoreApplication::applicationPid()));
        int remembered = -1;
        {
            TicketPrintRig rig;
            rig.window.show();
            QVERIFY(rig.chooseModel(2));
            remembered = rig.models()->currentIndex();
            rig.press("boutannule");
            QVERIFY(!rig.window.isVisible());
            QCOMPARE(rig.state.parameters.ticketModelIndex, remembered);
            QVERIFY(saveParameters(file.toStdString(), rig.state.parameters));
        }
        TicketPrintRig next;
        next.state.parameters = loadParameters(file.toStdString()).record;
        QFile::remove(file);
        next.window.show();
        QCOMPARE(next.models()->currentIndex(), remembered);
        QCOMPARE(ticketModelFromEntry(next.models()->currentText().toStdString()), 2);
        // Closing through "Print" remembers it too, and so does the window's own close button.
        next.platform.setPrintFile(next.scratch.filePath(QStringLiteral("t.pdf")));
        QVERIFY(next.chooseModel(6));
        next.press("boutlancer");
        QCOMPARE(ticketModelFromEntry(next.models()->itemText(next.state.parameters.ticketModelIndex).toStdString()),
                 6);
        next.window.show();
        QVERIFY(next.chooseModel(3));
        next.window.close();
        QCOMPARE(ticketModelFromEntry(next.models()->itemText(next.state.parameters.ticketModelIndex).toStdString()),
                 3);
    }

    // On a first run (no parameters file) the dialog and the external tab's last page both
    // propose the model of the ticket the main window shows; once a model is chosen in the
    // dialog, that one is kept whatever the ticket shown.
    void firstRunProposesTheModelOfTheTicketShown() {
        MainWindowRig main;
        main.start();
        QVERIFY(!main.state.ticketModelRemembered);
        MainWindowRig::writeFile(main.programDir() / "wheel.txt",
                                 std::vector<unsigned char>{'1', ';', '2', ';', '3', ';', '4', ';', '5', '\r', '\n'});
        main.window.showExternalTab();  // the tab is built when its page is first shown
        main.platform.chooseFileNext(QString::fromStdString((main.programDir() / "wheel.txt").string()));
        main.press("bselfic");
        auto* lastPageModels = main.find<QComboBox>(QStringLiteral("combTypebull"));
        const auto dialogModel = [&main] {
            TicketPrintDialog dialog(main.state.texts(), main.state.settings(), main.state.game(), main.platform);
            dialog.setWheel(5);
            dialog.show();
            const int model = ticketModelFromEntry(
                findControl<QComboBox>(dialog, QStringLiteral("ComboBox1"))->currentText().toStdString());
            dialog.hide();
            return model;
        };
        const std::pair<const char*, int> shown[] = {{"rportugal", 4}, {"rticketncarl", 5}, {"Rfrance", 1}};
        for (const auto& [button, model] : shown) {
            main.find<QRadioButton>(QLatin1String(button))->click();
            QCOMPARE(dialogModel(), model);
            while (main.window.externalTab().page() > 1) main.press("bprecedent");
            while (main.window.externalTab().page() < 5) main.press("bsuivant");
            QCOMPARE(lastPageModels->currentIndex() + 1, model);
        }

        TicketPrintDialog dialog(main.state.texts(), main.state.settings(), main.state.game(), main.platform);
        dialog.setWheel(5);
        dialog.show();
        auto* models = findControl<QComboBox>(dialog, QStringLiteral("ComboBox1"));
        for (int i = 0; i < models->count(); ++i)
            if (ticketModelFromEntry(models->itemText(i).toStdString()) == 2) models->setCurrentIndex(i);
        pressControl(dialog, "boutannule");
        QVERIFY(main.state.ticketModelRemembered);
        main.find<QRadioButton>(QStringLiteral("rportugal"))->click();
        QCOMPARE(dialogModel(), 2);
    }

    // One ticket at a time into a file: the question between the two tickets, asked while the
    // buttons are off; answering OK gives both tickets.
    void oneTicketAtATimeAsksBetweenTickets() {
        TicketPrintRig rig;
        WatchingPlatform platform;
        TicketPrintDialog dialog(rig.state.texts(), rig.state.settings(), rig.state.game(), platform);
        dialog.setWheel(5);
        dialog.show();
        findControl<QComboBox>(dialog, QStringLiteral("ComboBox1"))->setCurrentIndex(1);  // FRANCE LOTO
        const QString pdf = rig.scratch.filePath(QStringLiteral("onebyone.pdf"));
        platform.setPrintFile(pdf);
        findControl<QRadioButton>(dialog, QStringLiteral("bimpunbull"))->click();
        bool printingDuringQuestion = false;
        bool buttonsOff = true;
        platform.duringQuestion = [&] {
            printingDuringQuestion = dialog.printing();
            for (const char* name : {"boutlancer", "boutannule", "boutapercu"})
                buttonsOff = buttonsOff && !findControl<QPushButton>(dialog, QLatin1String(name))->isEnabled();
        };
        platform.answerNext(Platform::Answer::Ok);
        pressControl(dialog, "boutlancer");
        QCOMPARE(platform.messages().size(), 1);
        QCOMPARE(platform.messages()[0].text, rig.message(115));
        QCOMPARE(platform.messages()[0].title, rig.message(130));
        QCOMPARE(platform.messages()[0].buttons, Platform::Buttons::OkCancel);
        QCOMPARE(platform.messages()[0].icon, Platform::Icon::Question);
        QVERIFY(printingDuringQuestion);
        QVERIFY(buttonsOff);
        QVERIFY(!dialog.printing());
        QVERIFY(findControl<QPushButton>(dialog, QStringLiteral("boutlancer"))->isEnabled());
        const PdfText printed = readPdfWords(pdf);
        QCOMPARE(printed.pages, 2);
        QCOMPARE(printed.marksOn(1).size(), 25);
        QCOMPARE(printed.marksOn(2).size(), 15);
    }

    // Closing the dialog while a run goes on stops the run: the file being written is dropped
    // whole, the user hears that nothing was printed, and the dialog closes once the run has
    // ended.
    void closingStopsTheRun() {
        TicketPrintRig rig;
        WatchingPlatform platform;
        TicketPrintDialog dialog(rig.state.texts(), rig.state.settings(), rig.state.game(), platform);
        dialog.setWheel(5);
        dialog.show();
        findControl<QComboBox>(dialog, QStringLiteral("ComboBox1"))->setCurrentIndex(1);  // FRANCE LOTO
        const QString pdf = rig.scratch.filePath(QStringLiteral("stopped.pdf"));
        platform.setPrintFile(pdf);
        findControl<QRadioButton>(dialog, QStringLiteral("bimpunbull"))->click();
        bool closed = false;
        platform.duringQuestion = [&] {
            if (std::exchange(closed, true)) return;
            dialog.close();
            // Still open until the run has stopped.
            QVERIFY(dialog.isVisible());
        };
        platform.answerNext(Platform::Answer::Ok);
        pressControl(dialog, "boutlancer");
        QCOMPARE(platform.messages().size(), 2);
        QCOMPARE(platform.messages()[1].text,
                 QString::fromStdString(rig.state.programText(ProgramText::NothingPrintedCancelled)));
        QVERIFY(!dialog.printing());
        QVERIFY(!dialog.isVisible());
        QVERIFY(!QFile::exists(pdf));
    }

    // The preview shows the pages the print would give, for several models and ranges, and asks
    // no question between tickets.
    void previewShowsThePagesOfThePrint() {
        struct Case {
            int model;
            int first;
            int last;
            int pages;
        };
        for (const Case c : {Case{1, 1, 8, 2}, Case{2, 1, 8, 2}, Case{4, 1, 8, 1}, Case{1, 3, 7, 1}}) {
            TicketPrintRig rig;
            rig.window.show();
            QVERIFY(rig.chooseModel(c.model));
            findControl<QRadioButton>(rig.window, QStringLiteral("bimpunbull"))->click();
            rig.setRange(c.first, c.last);
            int previewPages = -1;
            QStringList labels;
            bool seen = false;
            whenPreviewOpens(
                [&](TicketPreview& preview) {
                    previewPages = preview.pageCount();
                    auto* label = findControl<QLabel>(preview, QStringLiteral("pageNumber"));
                    labels.append(label->text());
                    pressControl(preview, "nextPage");
                    labels.append(label->text());
                },
                seen);
            rig.press("boutapercu");
            QVERIFY(seen);
            QVERIFY(rig.platform.messages().isEmpty());
            QVERIFY(rig.window.isVisible());
            QCOMPARE(previewPages, c.pages);
            QCOMPARE(labels.first(), QStringLiteral("Page 1 sur %1").arg(c.pages));
            QCOMPARE(labels.last(), QStringLiteral("Page %1 sur %1").arg(c.pages));

            const QString pdf = rig.scratch.filePath(QStringLiteral("print.pdf"));
            rig.platform.setPrintFile(pdf);
            for (int k = 1; k < c.pages; ++k) rig.platform.answerNext(Platform::Answer::Ok);
            rig.press("boutlancer");
            QCOMPARE(readPdfWords(pdf).pages, previewPages);
        }
    }
};

QTEST_MAIN(TicketPrintTest)
#include "ticketprint_test.moc"
