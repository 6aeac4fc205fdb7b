// Tickets and lists printed for real through QPrinter into PDF files, then read back with
// poppler's tools: pdftotext -bbox for where each "X" landed and how many pages there are,
// pdftoppm for the filled marks.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include "output/listprinting.h"
#include "output/ticketprinting.h"
#include "support/pdfreading.h"
#include "windows/common/printersurface.h"

using namespace norvex5;

namespace {

using Word = testing::PdfWord;
using testing::cmToPoints;
using testing::PdfText;

PdfText readWords(const QString& pdf) { return testing::readPdfWords(pdf); }

testing::PagePicture renderPage(const QString& pdf, int page, int dpi, const QString& dir) {
    return testing::renderPdfPage(pdf, page, dpi, dir);
}

BoardSource fixedBoards(int count, std::vector<int> numbers) {
    return {count, [count, numbers](int i, BoardMask& mask) {
                if (i < 1 || i > count) return false;
                for (int n : numbers) mask[n] = 1;
                return true;
            }};
}

// An A4 PDF at 600 dpi whose printable area starts 6 mm from the left and 9 mm from the top,
// so that the printing offset really has to be taken off.
std::unique_ptr<PrinterSurface> pdfSurface(const QString& file) {
    auto surface = std::make_unique<PrinterSurface>(file, 600);
    surface->printer().setPageSize(QPageSize(QPageSize::A4));
    surface->printer().setPageMargins(QMarginsF(6, 9, 6, 9), QPageLayout::Millimeter);
    return surface;
}

}  // namespace

class PdfPrintingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(QStringLiteral(NORVEX5_PDFTOTEXT)), "pdftotext (poppler-utils) is needed");
        QVERIFY2(QFile::exists(QStringLiteral(NORVEX5_PDFTOPPM)), "pdftoppm (poppler-utils) is needed");
        QVERIFY(dir_.isValid());
    }

    void surfaceReportsThePrinter() {
        auto surface = pdfSurface(dir_.filePath(QStringLiteral("probe.pdf")));
        QCOMPARE(surface->resolution(Axis::X), 600);
        QCOMPARE(surface->resolution(Axis::Y), 600);
        // Qt keeps margins in whole points: 6 mm is 17 pt (141.7 px), 9 mm becomes 26 pt (216.7 px).
        QCOMPARE(surface->printingOffset(Axis::X), 142);
        QCOMPARE(surface->printingOffset(Axis::Y), 217);
        QVERIFY(!surface->printsOnPaper());
        const PageSize page = surface->pageSize();
        QVERIFY(std::abs(page.width - (4961 - 2 * 142)) <= 4);
        QVERIFY(std::abs(page.height - (7016 - 2 * 217)) <= 4);
        // A missing Windows font still measures as a real font.
        surface->setFont({"Fixedsys", 10, true});
        const TextExtent x = surface->textExtent("X");
        QVERIFY(x.width > 20 && x.width < 150);
        QVERIFY(x.height > 50 && x.height < 200);
    }

    // Twelve boards on model 1, one ticket at a time: one PDF of three pages, every "X" where
    // its box is on the paper to a quarter of a point (2 pixels), so a printing offset taken off
    // wrongly (142 and 217 pixels here) cannot pass.
    void modelOneTicketsLandOnTheirBoxes() {
        const QString file = dir_.filePath(QStringLiteral("tickets.pdf"));
        const std::vector<int> numbers{1, 18, 35, 40, 49};
        int prompts = 0;
        {
            auto surface = pdfSurface(file);
            InternalTicketRequest request;
            request.model = 1;
            request.mode = TicketMode::OneByOne;
            request.last = 12;
            request.bonusWanted = true;
            request.bonusMode = 3;
            TicketHooks hooks;
            hooks.nextTicket = [&] { return ++prompts, true; };
            const PrintResult result = printInternalTickets(*surface, fixedBoards(12, numbers), request, {}, hooks);
            QCOMPARE(int(result.status()), int(PrintResult::Status::Printed));
        }
        QCOMPARE(prompts, 2);
        const PdfText pdf = readWords(file);
        QCOMPARE(pdf.pages, 3);
        const int boardsOn[] = {5, 5, 2};
        for (int page = 1; page <= 3; ++page) {
            QList<Word> marks;
            for (const Word& w : pdf.words)
                if (w.page == page && w.text == QLatin1String("X")) marks.append(w);
            QCOMPARE(marks.size(), boardsOn[page - 1] * 5 + 1);
            auto expectMark = [&](CmPoint at) {
                const double x = cmToPoints(at.x);
                const double y = cmToPoints(at.y);
                for (const Word& w : marks)
                    if (std::abs(w.xMin - x) < 0.25 && std::abs(w.yMin - y) < 0.25) return true;
                qWarning("no X at %.2f, %.2f pt on page %d", x, y, page);
                return false;
            };
            for (int slot = 1; slot <= boardsOn[page - 1]; ++slot)
                for (int n : numbers) QVERIFY(expectMark(*numberPosition(1, n, slot)));
            QVERIFY(expectMark(*bonusPosition(1, 3)));
        }
    }

    // Squares of model 6 with the user's offsets of 5 mm right and 3 mm down, rendered at 100 dpi.
    void squareMarksWithUserOffsets() {
        const QString file = dir_.filePath(QStringLiteral("squares.pdf"));
        const std::vector<int> numbers{1, 8, 15, 22, 29};
        {
            auto surface = pdfSurface(file);
            InternalTicketRequest request;
            request.model = 6;
            request.last = 5;
            printInternalTickets(*surface, fixedBoards(5, numbers), request, {5, 3});
        }
        QCOMPARE(readWords(file).pages, 1);
        const testing::PagePicture page = renderPage(file, 1, 100, dir_.path());
        QVERIFY(page.width > 800);
        int dark = 0;
        for (char c : page.pixels) dark += static_cast<unsigned char>(c) < 128;
        const double side = 0.29 / 2.54 * 100;  // 11.4 px
        QVERIFY2(std::abs(dark - 25 * side * side) < 25 * side * side * 0.2, qPrintable(QString::number(dark)));
        for (int slot = 1; slot <= 5; ++slot)
            for (int n : numbers) {
                const CmPoint at = *numberPosition(6, n, slot);
                const int x = int(std::lround((at.x + 0.5) / 2.54 * 100));
                const int y = int(std::lround((at.y + 0.3) / 2.54 * 100));
                const int s = int(side);
                const QString where = QStringLiteral("number %1 slot %2 at %3,%4").arg(n).arg(slot).arg(x).arg(y);
                for (int k = 2; k <= s - 2; ++k) {
                    QVERIFY2(page.at(x + k, y + 2) < 128 && page.at(x + 2, y + k) < 128, qPrintable(where));
                    QVERIFY2(page.at(x + k, y + s + 3) > 128 && page.at(x - 3, y + k) > 128, qPrintable(where));
                }
            }
    }

    void listOverSeveralPages() {
        const QString file = dir_.filePath(QStringLiteral("list.pdf"));
        {
            auto surface = pdfSurface(file);
            const PrintResult result =
                printBoardList(*surface, kExternalListStyle, "LISTE DES BULLETINS", [](const LineSink& sink) {
                    PassResult run;
                    for (int i = 1; i <= 150; ++i) sink(std::to_string(i) + " : 3 17 22 31 45");
                    return run;
                });
            QCOMPARE(int(result.status()), int(PrintResult::Status::Printed));
            QCOMPARE(result.tickets, readWords(file).pages);
        }
        const PdfText pdf = readWords(file);
        QVERIFY(pdf.pages >= 2);
        int titles = 0;
        int firstLine = 0;
        int lastLine = 0;
        for (const Word& w : pdf.words) {
            if (w.text == QLatin1String("BULLETINS")) titles += w.page == 1 ? 1 : 100;
            if (w.text == QLatin1String("1") && w.xMin < 20) firstLine = w.page;
            if (w.text == QLatin1String("150") && w.xMin < 20) lastLine = w.page;
        }
        QCOMPARE(titles, 1);
        QCOMPARE(firstLine, 1);
        QCOMPARE(lastLine, pdf.pages);
    }

    void abortLeavesNoFile() {
        const QString file = dir_.filePath(QStringLiteral("aborted.pdf"));
        auto surface = pdfSurface(file);
        QVERIFY(surface->beginDocument());
        surface->text(100, 100, "X");
        surface->abortDocument();
        QVERIFY(!QFile::exists(file));
        // The same surface starts over cleanly.
        QVERIFY(surface->beginDocument());
        surface->text(100, 100, "X");
        surface->endDocument();
        QCOMPARE(readWords(file).pages, 1);
    }

    // The window points a default surface at the PDF file the user named when there is no
    // printer; the surface then keeps the whole run in that one file.
    void surfacePointedAtAFileAfterwards() {
        const QString file = dir_.filePath(QStringLiteral("chosen.pdf"));
        PrinterSurface surface;
        surface.printer().setOutputFormat(QPrinter::PdfFormat);
        surface.printer().setOutputFileName(file);
        QVERIFY(!surface.printsOnPaper());
        InternalTicketRequest request;
        request.model = 1;
        request.mode = TicketMode::OneByOne;
        request.last = 7;
        const PrintResult result = printInternalTickets(surface, fixedBoards(7, {1, 2, 3, 4, 5}), request, {});
        QCOMPARE(result.jobs, 1);
        const PdfText pdf = readWords(file);
        QCOMPARE(pdf.pages, 2);
        int marks = 0;
        for (const Word& w : pdf.words) marks += w.text == QLatin1String("X");
        QCOMPARE(marks, 35);
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(PdfPrintingTest)
#include "printersurface_test.moc"
