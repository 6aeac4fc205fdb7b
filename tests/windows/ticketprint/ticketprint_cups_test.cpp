// The ticket printing dialog printing through a real print server: a private cupsd with a
// cups-pdf queue as the default printer. The test checks how many jobs the queue completed (one
// for all tickets at once, one per paper ticket when the user feeds them one at a time) and reads
// back the PDFs cups-pdf wrote, mark by mark.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QThread>
#include <QtTest>
#include <memory>

#include "support/pdfreading.h"
#include "support/privatecups.h"
#include "ticketprintrig.h"
#include "windows/common/printersurface.h"

using namespace norvex5;
using namespace norvex5::testing;

namespace {

PrivateCups* server = nullptr;

constexpr int kDpi = 150;
int pixels(double cm) { return int(std::lround(cm / 2.54 * kDpi)); }

// Names every job it sends to the printer with a title of its own, so the test finds the PDFs
// cups-pdf makes of exactly these jobs.
class TitlingPlatform : public FakePlatform {
public:
    QString title;
    bool choosePrintTarget(QPrinter& printer, const QString& documentName) override {
        const bool chosen = FakePlatform::choosePrintTarget(printer, documentName);
        printer.setDocName(title);
        return chosen;
    }
};

int countLinesWith(const std::string& text, const std::string& what) {
    int n = 0;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(what, from)) != std::string::npos; from = at + what.size()) ++n;
    return n;
}

// The PDFs of the jobs titled `title`, oldest first, once `expected` of them are there and
// complete; fewer when they do not come within the time allowed.
QFileInfoList pdfsTitled(const QString& title, int expected) {
    const QDir folder(QString::fromStdString(PrivateCups::pdfOutputFolder().string()));
    QElapsedTimer clock;
    clock.start();
    QFileInfoList found;
    while (clock.elapsed() < 45000) {
        found = folder.entryInfoList({title + QStringLiteral("*.pdf")}, QDir::Files, QDir::Time | QDir::Reversed);
        const bool settled = found.size() >= expected &&
                             server->lpstat({"-o", PrivateCups::kQueue}).find(PrivateCups::kQueue) == std::string::npos;
        if (settled) break;
        QThread::msleep(200);
    }
    // cups-pdf writes the file before the job counts as done: give the last one a moment.
    QThread::msleep(300);
    return found;
}

}  // namespace

class TicketPrintCupsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (!server->running()) QSKIP(("no private print server: " + server->reason()).c_str());
        QVERIFY2(QFile::exists(QStringLiteral(NORVEX5_PDFTOTEXT)), "pdftotext (poppler-utils) is needed");
        // Qt sees the private server and nothing else.
        QCOMPARE(QPrinterInfo::defaultPrinterName(), QLatin1String(PrivateCups::kQueue));
        QCOMPARE(QPrinterInfo::availablePrinterNames(), QStringList{QLatin1String(PrivateCups::kQueue)});
    }

    // Wheel 5 (8 boards) on model 1, five boards a ticket: two paper tickets.
    void ticketsThroughTheQueue_data() {
        QTest::addColumn<bool>("oneByOne");
        QTest::addColumn<int>("jobs");
        QTest::addColumn<int>("prompts");
        QTest::newRow("all tickets at once") << false << 1 << 0;
        QTest::newRow("stop after each ticket") << true << 2 << 1;
    }

    void ticketsThroughTheQueue() {
        QFETCH(bool, oneByOne);
        QFETCH(int, jobs);
        QFETCH(int, prompts);
        TicketPrintRig rig;
        TitlingPlatform platform;
        platform.title = QStringLiteral("norvex5cups%1x%2").arg(QCoreApplication::applicationPid()).arg(jobs);
        platform.setPrinter(QLatin1String(PrivateCups::kQueue));
        TicketPrintDialog dialog(rig.state.texts(), rig.state.settings(), rig.state.game(), platform);
        QVERIFY(dialog.setWheel(5));
        dialog.show();
        auto* models = findControl<QComboBox>(dialog, QStringLiteral("ComboBox1"));
        models->setCurrentIndex(1);
        QCOMPARE(ticketModelFromEntry(models->currentText().toStdString()), 1);
        findControl<QRadioButton>(dialog, QLatin1String(oneByOne ? "bimpunbull" : "bimptsbull"))->click();
        for (int k = 0; k < prompts; ++k) platform.answerNext(Platform::Answer::Ok);

        const int completedBefore = countLinesWith(server->lpstat({"-W", "completed", "-o"}), PrivateCups::kQueue);
        pressControl(dialog, "boutlancer");
        QCOMPARE(platform.messages().size(), prompts);
        QVERIFY(!dialog.isVisible());

        const QFileInfoList pdfs = pdfsTitled(platform.title, jobs);
        const int completed =
            countLinesWith(server->lpstat({"-W", "completed", "-o"}), PrivateCups::kQueue) - completedBefore;
        QCOMPARE(completed, jobs);
        QCOMPARE(pdfs.size(), jobs);

        // Every page of every job, in print order, against the boards it must carry. The server
        // turns the letters into drawn glyphs, so the marks are found as dark patches of the page
        // rendered at 150 dpi: each lies inside the box of its number and no other patch is there.
        QTemporaryDir scratch;
        std::vector<std::vector<DarkPatch>> tickets;
        for (const QFileInfo& pdf : pdfs) {
            const PdfText text = readPdfWords(pdf.filePath());
            QVERIFY(text.read);
            QCOMPARE(text.pages, oneByOne ? 1 : 2);
            for (int page = 1; page <= text.pages; ++page) {
                const PagePicture picture = renderPdfPage(pdf.filePath(), page, kDpi, scratch.path());
                QVERIFY(picture.width > 0);
                tickets.push_back(darkPatches(picture));
            }
            if (qEnvironmentVariableIsEmpty("NORVEX5_KEEP_PDF")) QFile::remove(pdf.filePath());
        }
        QCOMPARE(int(tickets.size()), 2);
        std::vector<int> marksOn(2, 0);
        for (int board = 1; board <= 8; ++board) {
            const std::vector<DarkPatch>& patches = tickets[(board - 1) / 5];
            const int slot = (board - 1) % 5 + 1;
            for (int n : rig.board(board)) {
                const CmPoint at = *numberPosition(1, n, slot);
                const int found = int(std::count_if(patches.begin(), patches.end(), [&](const DarkPatch& p) {
                    return p.left >= pixels(at.x - 0.05) && p.right <= pixels(at.x + 0.4) &&
                           p.top >= pixels(at.y - 0.05) && p.bottom <= pixels(at.y + 0.45);
                }));
                QVERIFY2(found == 1,
                         qPrintable(QStringLiteral("board %1 number %2: %3 marks").arg(board).arg(n).arg(found)));
                ++marksOn[(board - 1) / 5];
            }
        }
        QCOMPARE(int(tickets[0].size()), marksOn[0]);
        QCOMPARE(int(tickets[1].size()), marksOn[1]);
        QCOMPARE(marksOn[0], 25);
        QCOMPARE(marksOn[1], 15);
    }

    // A queue rasterises at its own resolution (cups-pdf's default is 300 dpi), whatever Qt
    // reports for it. Positions computed at that resolution put every mark on the same pixels
    // as a PDF written at it; positions computed at Qt's 1200 dpi land between them.
    void marksLandOnTheQueuesPixels() {
        TitlingPlatform platform;
        platform.title = QStringLiteral("norvex5cupsdpi%1").arg(QCoreApplication::applicationPid());
        platform.setPrinter(QLatin1String(PrivateCups::kQueue));
        const BoardSource boards{5, [](int i, BoardMask& mask) {
                                     for (int k = 0; k < 5; ++k) mask[(i * 7 + k * 9) % 49 + 1] = 1;
                                     return i >= 1 && i <= 5;
                                 }};
        InternalTicketRequest request;
        request.model = 1;
        request.last = 5;
        request.bonusWanted = true;
        request.bonusMode = 7;
        const PrinterOffsets offsets{1, 2};
        {
            PrinterSurface queue;
            QVERIFY(platform.choosePrintTarget(queue.printer(), platform.title));
            QCOMPARE(queue.resolution(Axis::X), 300);
            QCOMPARE(queue.resolution(Axis::Y), 300);
            QCOMPARE(printInternalTickets(queue, boards, request, offsets).status(), PrintResult::Status::Printed);
        }
        QTemporaryDir scratch;
        const QString pdf = scratch.filePath(QStringLiteral("direct.pdf"));
        {
            PrinterSurface file(pdf, 300);
            QCOMPARE(printInternalTickets(file, boards, request, offsets).status(), PrintResult::Status::Printed);
        }
        const QFileInfoList queued = pdfsTitled(platform.title, 1);
        QCOMPARE(queued.size(), 1);
        const PagePicture fromQueue = renderPdfPage(queued[0].filePath(), 1, 300, scratch.path());
        const PagePicture fromFile = renderPdfPage(pdf, 1, 300, scratch.path());
        if (qEnvironmentVariableIsEmpty("NORVEX5_KEEP_PDF")) QFile::remove(queued[0].filePath());
        const std::vector<DarkPatch> queueMarks = darkPatches(fromQueue);
        const std::vector<DarkPatch> fileMarks = darkPatches(fromFile);
        QCOMPARE(int(queueMarks.size()), 26);
        QCOMPARE(int(fileMarks.size()), 26);
        for (std::size_t k = 0; k < queueMarks.size(); ++k) {
            const DarkPatch& q = queueMarks[k];
            const DarkPatch& f = fileMarks[k];
            QVERIFY2(q.left == f.left && q.top == f.top && q.right == f.right && q.bottom == f.bottom,
                     qPrintable(QStringLiteral("mark %1: queue %2,%3-%4,%5, file %6,%7-%8,%9")
                                    .arg(k)
                                    .arg(q.left)
                                    .arg(q.top)
                                    .arg(q.right)
                                    .arg(q.bottom)
                                    .arg(f.left)
                                    .arg(f.top)
                                    .arg(f.right)
                                    .arg(f.bottom)));
        }
    }
};

int main(int argc, char** argv) {
    // The server and CUPS_SERVER come first: Qt's print support asks the server it names once.
    PrivateCups cups;
    server = &cups;
    QApplication application(argc, argv);
    TicketPrintCupsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ticketprint_cups_test.moc"
