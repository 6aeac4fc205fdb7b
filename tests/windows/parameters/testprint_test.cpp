// The test print of the parameters window as the user makes it: offsets typed but not kept, a
// ticket model chosen, the sheet printed into a PDF through the chosen target. The PDF read back
// puts each cross where ticket printing marks that model with the same offsets.

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <cmath>
#include <vector>

#include "output/ticketprinting.h"
#include "support/pdfreading.h"
#include "windows/common/printersurface.h"
#include "windows/parameters/parameterswindow.h"
#include "windows/windowrig.h"

using namespace norvex5;
using namespace norvex5::testing;

namespace {

constexpr int kDpi = 300;  // the rendering the crosses are looked for in
constexpr double kPointsPerPixel = 72.0 / kDpi;

struct Spot {
    double x;  // points from the paper's top-left corner
    double y;
};

// Whether the rendered sheet has a cross centred within a quarter of a millimetre of `s`: a dark
// row and a dark column crossing there, each running most of an arm's length either way. Crosses
// of neighbouring boxes may touch (some models' boards overlap), so each is looked for in place.
bool hasCrossAt(const PagePicture& picture, const Spot& s) {
    const int arm = static_cast<int>(std::lround(0.08 / 2.54 * kDpi));
    const int reach = arm - 3;  // the ends of a thin line render pale
    const int slack = static_cast<int>(std::lround(0.025 / 2.54 * kDpi));
    const int x0 = static_cast<int>(std::lround(s.x / kPointsPerPixel - 0.5));
    const int y0 = static_cast<int>(std::lround(s.y / kPointsPerPixel - 0.5));
    for (int dy = -slack; dy <= slack; ++dy) {
        for (int dx = -slack; dx <= slack; ++dx) {
            const int x = x0 + dx;
            const int y = y0 + dy;
            bool crossing = true;
            for (int k = -reach; k <= reach && crossing; ++k)
                crossing = picture.dark(x + k, y) && picture.dark(x, y + k);
            if (crossing) return true;
        }
    }
    return false;
}

// Where a ticket run marks every box of `model`'s paper ticket: each "X" read back as a word, each filled
// rectangle as a dark patch; the centres, in points.
std::vector<Spot> ticketMarks(int model, const PrinterOffsets& offsets, const QString& pdf, const QString& scratch) {
    {
        PrinterSurface surface(pdf);
        const TicketLayout& layout = *ticketLayout(model);
        const int tickets = hasBonusRow(model) ? bonusNumberCount(model) : 1;
        const int boards = layout.boardsPerTicket * tickets;
        InternalTicketRequest request;
        request.model = model;
        request.last = boards;
        request.bonusWanted = true;
        request.bonusMode = 0;  // ticket k marks bonus box k
        const int numbers = layout.numberCount;
        const BoardSource every{boards, [boards, numbers](int i, BoardMask& mask) {
                                    for (int n = 1; n <= numbers; ++n) mask[n] = 1;
                                    return i >= 1 && i <= boards;
                                }};
        printInternalTickets(surface, every, request, offsets);
    }
    std::vector<Spot> marks;
    if (ticketLayout(model)->markShape == MarkShape::Letter) {
        for (const PdfWord& w : readPdfWords(pdf).words)
            if (w.text == QLatin1String("X")) marks.push_back({(w.xMin + w.xMax) / 2, (w.yMin + w.yMax) / 2});
        return marks;
    }
    const PagePicture picture = renderPdfPage(pdf, 1, kDpi, scratch);
    for (const DarkPatch& p : darkPatches(picture))
        marks.push_back(
            {(p.left + p.right + 1) / 2.0 * kPointsPerPixel, (p.top + p.bottom + 1) / 2.0 * kPointsPerPixel});
    return marks;
}

// The rulers run along the top and left edges; a box whose centre lies within a centimetre of
// them (model 5's last rows, pushed against the edge) is left to the model's own tests.
bool clearOfTheRulers(const Spot& s) { return s.x > cmToPoints(1.0) && s.y > cmToPoints(1.0); }

}  // namespace

class TestPrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(QStringLiteral(NORVEX5_PDFTOTEXT)), "pdftotext (poppler-utils) is needed");
        QVERIFY2(QFile::exists(QStringLiteral(NORVEX5_PDFTOPPM)), "pdftoppm (poppler-utils) is needed");
    }

    void crossesLieWhereTicketPrintingMarks_data() {
        QTest::addColumn<int>("model");
        for (int model = 1; model <= kTicketModelCount; ++model)
            QTest::newRow(ticketLayout(model)->name.data()) << model;
    }

    // Offsets typed, not kept: the sheet uses them, the parameters stay as they were.
    void crossesLieWhereTicketPrintingMarks() {
        QFETCH(int, model);
        WindowRig<ParametersWindow> rig;
        rig.state.parameters.horizontalOffset = 0;
        rig.state.parameters.verticalOffset = 0;
        rig.window.prepare();
        rig.window.show();
        auto* models = rig.find<QComboBox>(QStringLiteral("combmodeletest"));
        QCOMPARE(models->count(), kTicketModelCount);
        int entry = -1;
        for (int i = 0; i < models->count(); ++i)
            if (ticketModelFromEntry(models->itemText(i).toStdString()) == model) entry = i;
        QVERIFY(entry >= 0);
        models->setCurrentIndex(entry);
        for (const auto& [name, typed] : {std::pair{"edech", "5"}, std::pair{"edecv", "-3"}}) {
            auto* field = rig.find<QLineEdit>(QLatin1String(name));
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Delete);
            QTest::keyClicks(field, QLatin1String(typed));
        }
        const QString sheet = rig.scratch.filePath(QStringLiteral("sheet.pdf"));
        rig.platform.setPrintFile(sheet);
        rig.press("bimpressiontest");

        QVERIFY(rig.platform.messages().isEmpty());
        QVERIFY(rig.window.isVisible());
        QCOMPARE(rig.state.parameters.horizontalOffset, 0);
        QCOMPARE(rig.state.parameters.verticalOffset, 0);
        const PdfText words = readPdfWords(sheet);
        QVERIFY(words.read);
        QCOMPARE(words.pages, 1);
        // The caption names the model in the window's language.
        const auto said = [&](const QString& word) {
            return std::any_of(words.words.begin(), words.words.end(),
                               [&](const PdfWord& w) { return w.text == word; });
        };
        QVERIFY(said(QString::fromUtf8(ticketLayout(model)->name.data()).section(QLatin1Char(' '), 0, 0)));
        QVERIFY(said(QStringLiteral("-3")));

        const PagePicture picture = renderPdfPage(sheet, 1, kDpi, rig.scratch.path());
        QVERIFY(picture.width > 0);
        const std::vector<Spot> marks =
            ticketMarks(model, {5, -3}, rig.scratch.filePath(QStringLiteral("tickets.pdf")), rig.scratch.path());
        int checked = 0;
        int unoffset = 0;
        for (const Spot& mark : marks) {
            if (!clearOfTheRulers(mark)) continue;
            ++checked;
            QVERIFY2(hasCrossAt(picture, mark),
                     qPrintable(QStringLiteral("no cross at %1, %2 pt").arg(mark.x).arg(mark.y)));
            // Where the cross would be had the typed offsets been left out.
            unoffset += hasCrossAt(picture, {mark.x - cmToPoints(0.5), mark.y + cmToPoints(0.3)});
        }
        QVERIFY2(checked >= 80, qPrintable(QString::number(checked)));
        // Boxes of some models lie nearly a shift apart, so a few such places do hold a cross.
        QVERIFY2(unoffset < checked / 4, qPrintable(QStringLiteral("%1 of %2").arg(unoffset).arg(checked)));
    }

    void cancellingTheTargetPrintsNothing() {
        WindowRig<ParametersWindow> rig;
        rig.window.prepare();
        rig.window.show();
        rig.press("bimpressiontest");  // no target scripted: the user cancels
        QVERIFY(rig.platform.messages().isEmpty());
        QVERIFY(rig.window.isVisible());
        QVERIFY(QDir(rig.scratch.path()).entryList(QDir::Files).isEmpty());
    }

    // Offsets that keep the ticket on the paper may still push marks off the printable page: the
    // user hears how many before anything is printed, and Cancel prints nothing. An offset off the
    // paper is refused before any printer is chosen.
    void marksOffThePageAreCountedBeforePrinting() {
        WindowRig<ParametersWindow> rig;
        rig.window.prepare();
        rig.window.show();
        auto* models = rig.find<QComboBox>(QStringLiteral("combmodeletest"));
        for (int i = 0; i < models->count(); ++i)
            if (ticketModelFromEntry(models->itemText(i).toStdString()) == 1) models->setCurrentIndex(i);
        const QString sheet = rig.scratch.filePath(QStringLiteral("sheet.pdf"));
        const auto printWith = [&](const char* horizontal, Platform::Answer answer) {
            rig.platform.clear();
            rig.find<QLineEdit>(QStringLiteral("edech"))->setText(QLatin1String(horizontal));
            rig.platform.setPrintFile(sheet);
            rig.platform.answerNext(answer);
            rig.press("bimpressiontest");
        };
        // 100 mm to the left: every box of FRANCE LOTO (the last column at 8.6 cm, the last bonus
        // box at 8.6 cm) falls left of the paper.
        const QString question = QString::fromStdString(rig.state.programText(ProgramText::MarksOffThePage));
        printWith("-100", Platform::Answer::Cancel);
        QCOMPARE(rig.platform.messages().size(), 1);
        QCOMPARE(rig.platform.messages()[0].text, question.arg(255).arg(255));
        QCOMPARE(rig.platform.messages()[0].buttons, Platform::Buttons::ContinueCancel);
        QVERIFY(!QFile::exists(sheet));
        // 60 mm: at least the ten columns left of 6 cm in the three rows of five boards, and the
        // three bonus boxes there; the printer's own margin may take a few more.
        printWith("-60", Platform::Answer::Ok);
        const int off = rig.platform.messages()[0].text.section(QLatin1Char(' '), 0, 0).toInt();
        QVERIFY2(off >= 5 * 3 * 10 + 3 && off < 255, qPrintable(rig.platform.messages()[0].text));
        QCOMPARE(rig.platform.messages().size(), 1);
        QVERIFY(QFile::exists(sheet));
        QFile::remove(sheet);
        // Nothing off the page, nothing asked.
        printWith("0", Platform::Answer::Cancel);
        QVERIFY(rig.platform.messages().isEmpty());
        QVERIFY(QFile::exists(sheet));
        QFile::remove(sheet);
        printWith("150", Platform::Answer::Ok);
        QCOMPARE(rig.platform.messages().size(), 1);
        QVERIFY(rig.platform.messages()[0].text.contains(QLatin1String("150 mm")));
        QVERIFY(!QFile::exists(sheet));
    }

    // A test page that cannot be written says so in the user's language, naming the file.
    void failedTestPageNamesItsTarget() {
        WindowRig<ParametersWindow> rig;
        const QString unreachable = rig.scratch.filePath(QStringLiteral("no-such-folder/sheet.pdf"));
        for (int language : {1, 7}) {
            rig.state.parameters.language = language;
            rig.window.prepare();
            rig.window.show();
            rig.platform.clear();
            rig.platform.setPrintFile(unreachable);
            rig.press("bimpressiontest");
            QCOMPARE(rig.platform.messages().size(), 1);
            const FakePlatform::Message& said = rig.platform.messages()[0];
            QCOMPARE(said.title, QString::fromStdString(rig.state.programText(ProgramText::TestPrint)));
            QCOMPARE(said.text, QString::fromStdString(rig.state.programText(ProgramText::TestPageNotWritten))
                                    .arg(QDir::toNativeSeparators(unreachable)));
            QVERIFY(!QFile::exists(unreachable));
        }
    }

    void buttonAndListFollowTheLanguage() {
        WindowRig<ParametersWindow> rig;
        rig.state.parameters.language = 7;
        rig.state.parameters.ticketModelIndex = 2;
        rig.window.prepare();
        QCOMPARE(rig.find<QPushButton>(QStringLiteral("bimpressiontest"))->text(), QStringLiteral("Testdruck"));
        QCOMPARE(rig.find<QLabel>(QStringLiteral("labmodeletest"))->text(), rig.message(36));
        // The same list, in the same order and on the same entry, as the print dialog's.
        auto* models = rig.find<QComboBox>(QStringLiteral("combmodeletest"));
        QCOMPARE(models->currentIndex(), 2);
        for (int i = 1; i < models->count(); ++i)
            QVERIFY(models->itemText(i - 1).compare(models->itemText(i), Qt::CaseInsensitive) < 0);
        QCOMPARE(rig.window.testModel(), ticketModelFromEntry(models->itemText(2).toStdString()));
    }
};

QTEST_MAIN(TestPrintTest)
#include "testprint_test.moc"
