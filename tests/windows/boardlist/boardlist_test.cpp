// The list window as the player meets it: the lines of the chosen wheel's boards, the export
// and its refusals, the printed list, and long passes that the player cancels or walks away from.

#include <QApplication>
#include <QListView>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>

#include "core/expansion.h"
#include "support/readonlyfiles.h"
#include "windows/boardlist/boardlistwindow.h"
#include "windows/captionsfit.h"
#include "windows/windowrig.h"

using namespace norvex5;

namespace {

// Wheel 5 (13 numbers, 8 boards) over these numbers, as the list window shows it and as it is
// exported.
constexpr std::initializer_list<int> kWheelFiveNumbers = {3, 5, 8, 10, 12, 19, 25, 33, 37, 40, 41, 45, 50};
const QStringList kWheelFiveLines = {
    " 001:-03-05-10-25-50", " 002:-03-05-10-37-40", " 003:-03-05-10-41-45", " 004:-08-12-19-25-33",
    " 005:-08-12-25-37-45", " 006:-08-12-37-41-50", " 007:-19-25-33-40-41", " 008:-19-33-40-45-50",
};
constexpr const char* kWheelFiveExport =
    " 3 ,5 ,10 ,25 ,50\r\n 3 ,5 ,10 ,37 ,40\r\n 3 ,5 ,10 ,41 ,45\r\n 8 ,12 ,19 ,25 ,33\r\n"
    " 8 ,12 ,25 ,37 ,45\r\n 8 ,12 ,37 ,41 ,50\r\n 19 ,25 ,33 ,40 ,41\r\n 19 ,33 ,40 ,45 ,50\r\n";

// The list window over the rig.
class ListRig : public testing::WindowRig<BoardListWindow> {
public:
    // What the player has done before the list opens: chosen a wheel and ticked its numbers.
    void play(int wheel, std::initializer_list<int> numbers) {
        state.selectedWheel = wheel;
        for (int n : numbers) state.selection[n] = kSelected;
    }
    // Shows the window and waits for the list it fills from its event loop.
    void showAndFill() {
        QSignalSpy filled(&window, &BoardListWindow::listFilled);
        window.show();
        QVERIFY(filled.wait(10000));
    }
    QListView* view() const { return find<QListView>(QStringLiteral("listbull")); }
    // The rows as the view shows them.
    QStringList shownLines() const {
        QStringList lines;
        QAbstractItemModel* model = view()->model();
        for (int row = 0; row < model->rowCount(); ++row) lines << model->index(row, 0).data().toString();
        return lines;
    }
    QString caption(const char* button) const { return find<QPushButton>(QLatin1String(button))->text(); }
};

// A list the catalogue cannot give: `count` boards each holding 5 and 50, each line formed by the
// list engine, with `perLine` run before each.
BoardListSource madeUpBoards(std::int64_t count, std::function<void()> perLine = {}) {
    BoardListSource source;
    source.boardCount = [count] { return count; };
    source.windowLines = [count, perLine](const LineSink& sink) {
        BoardMask mask{};
        mask[5] = mask[50] = 1;
        PassResult run;
        for (std::int64_t i = 1; i <= count; ++i) {
            if (perLine) perLine();
            ++run.count;
            if (!sink(listWindowLine(i, mask))) {
                run.stopped = true;
                break;
            }
        }
        return run;
    };
    return source;
}

QProgressDialog* visibleProgressDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QProgressDialog*>(widget); dialog != nullptr && dialog->isVisible())
            return dialog;
    return nullptr;
}

std::string textOf(const std::filesystem::path& file) {
    const std::vector<unsigned char> bytes = testing::WindowRigBase::readFile(file);
    return {bytes.begin(), bytes.end()};
}

}  // namespace

class BoardListTest : public QObject {
    Q_OBJECT

private slots:
    void listsTheBoardsOfTheWheel();
    void linesPastBoardNine();
    void noWheelListsNothing();
    void textsInTheLanguage_data();
    void textsInTheLanguage();
    void exportsTheWheel();
    void refusedExportKeepsTheOldFile();
    void printsTheListIntoAPdf();
    void ticketPrintingAndReturn();
    void closingStopsALongFill();
    void cancelStopsALongExport();
    void cancelDropsALongListPrint();
};

void BoardListTest::listsTheBoardsOfTheWheel() {
    ListRig rig;
    rig.play(5, kWheelFiveNumbers);
    const SelectionState before = rig.state.selection;
    rig.showAndFill();
    QCOMPARE(rig.shownLines(), kWheelFiveLines);
    QVERIFY(qobject_cast<LineListModel*>(rig.view()->model()) != nullptr);
    QVERIFY(QFontInfo(rig.view()->font()).fixedPitch());
    // Every line fits the list's width: nothing of a board is cut off.
    const QFontMetrics metrics(rig.view()->font());
    QVERIFY(metrics.horizontalAdvance(kWheelFiveLines[0]) < rig.view()->viewport()->width());
    // The list leaves the last board in the mask and the player's numbers alone.
    QCOMPARE(rig.state.expansion.currentBoard, 1);
    QCOMPARE(rig.state.boardMask[19] + rig.state.boardMask[33] + rig.state.boardMask[50], 3);
    QCOMPARE(rig.state.selection, before);

    // Shown again, it is filled anew, not added to.
    rig.window.close();
    rig.state.selection = {};
    rig.play(4, {1, 5, 9, 22, 30, 41, 49, 50});
    rig.showAndFill();
    QCOMPARE(rig.shownLines(), (QStringList{" 001:-01-05-22-41-50", " 002:-05-09-22-30-49"}));
}

void BoardListTest::linesPastBoardNine() {
    // No wheel of the catalogue has more than eight boards; the window lists whatever it is given.
    testing::WindowRig<BoardListWindow> rig(madeUpBoards(120));
    QSignalSpy filled(&rig.window, &BoardListWindow::listFilled);
    rig.window.show();
    QVERIFY(filled.wait(10000));
    QAbstractItemModel* model = rig.find<QListView>(QStringLiteral("listbull"))->model();
    QCOMPARE(model->rowCount(), 120);
    QCOMPARE(model->index(8, 0).data().toString(), QStringLiteral(" 009:-05-50"));
    QCOMPARE(model->index(9, 0).data().toString(), QStringLiteral(" 010:-05-50"));
    QCOMPARE(model->index(98, 0).data().toString(), QStringLiteral(" 099:-05-50"));
    QCOMPARE(model->index(99, 0).data().toString(), QStringLiteral(" 100:-05-50"));
    QCOMPARE(model->index(119, 0).data().toString(), QStringLiteral(" 120:-05-50"));
}

void BoardListTest::noWheelListsNothing() {
    for (int wheel : {-1, 0, 9, 300}) {
        ListRig rig;
        rig.play(wheel, kWheelFiveNumbers);
        rig.showAndFill();
        QCOMPARE(rig.shownLines(), QStringList());
        // An export of no boards is an empty file, and says nothing.
        const auto target = rig.programDir() / "none.txt";
        rig.platform.chooseFileNext(QString::fromStdString(target.string()));
        rig.press("bexport");
        QVERIFY(std::filesystem::exists(target));
        QCOMPARE(std::filesystem::file_size(target), std::uintmax_t(0));
        QCOMPARE(rig.platform.messages().size(), 0);
    }
}

void BoardListTest::textsInTheLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("French") << 1;
    QTest::newRow("German") << 7;
    QTest::newRow("Italian") << 5;
}

void BoardListTest::textsInTheLanguage() {
    QFETCH(int, language);
    ListRig rig;
    rig.state.parameters.language = language;
    rig.play(5, kWheelFiveNumbers);
    rig.showAndFill();
    QCOMPARE(rig.window.windowTitle(), rig.message(86));
    QCOMPARE(rig.caption("BitBtn6"), rig.message(85));
    QCOMPARE(rig.caption("BitBtn2"), rig.message(58));
    QCOMPARE(rig.caption("BitBtn1"), rig.message(126));
    QCOMPARE(rig.caption("bexport"), rig.message(61));
    if (language == 7) QCOMPARE(rig.caption("BitBtn1"), QStringLiteral("Zurück"));
    QVERIFY(!rig.caption("bexport").isEmpty());  // the export button always has its words
    // Every button's caption is whole on screen.
    for (const char* name : {"BitBtn6", "BitBtn2", "BitBtn1", "bexport"}) {
        auto* button = rig.find<QPushButton>(QLatin1String(name));
        QVERIFY2(button->width() >= button->sizeHint().width(), name);
    }
    QCOMPARE(testing::cutCaptions(rig.window), QStringList());
}

void BoardListTest::exportsTheWheel() {
    ListRig rig;
    rig.play(5, kWheelFiveNumbers);
    rig.showAndFill();
    const auto target = rig.programDir() / "boards.txt";
    testing::WindowRigBase::writeFile(target, std::vector<unsigned char>(5000, 'x'));

    rig.platform.chooseFileNext(QString::fromStdString(target.string()));
    rig.press("bexport");
    QCOMPARE(textOf(target), std::string(kWheelFiveExport));
    QCOMPARE(rig.platform.messages().size(), 0);  // an existing file is replaced without a question
    QCOMPARE(rig.platform.dialogs().size(), 1);
    const FakePlatform::Dialog& dialog = rig.platform.dialogs()[0];
    QVERIFY(dialog.save);
    QCOMPARE(dialog.request.title, rig.message(151));
    QCOMPARE(dialog.request.filter, QStringLiteral("Norvex5 (*.txt)"));
    QCOMPARE(dialog.request.defaultSuffix, QStringLiteral("txt"));
    QVERIFY(!dialog.request.overwritePrompt);
    QVERIFY(!dialog.request.fileMustExist);

    // Cancelling the dialog writes nothing.
    std::filesystem::remove(target);
    rig.press("bexport");
    QVERIFY(!std::filesystem::exists(target));
    QCOMPARE(rig.platform.messages().size(), 0);
    // The list on screen is untouched by either.
    QCOMPARE(rig.shownLines(), kWheelFiveLines);
}

void BoardListTest::refusedExportKeepsTheOldFile() {
    ListRig rig;
    rig.play(5, kWheelFiveNumbers);
    rig.showAndFill();

    const auto folder = rig.programDir() / "locked";
    std::filesystem::create_directory(folder);
    const auto target = folder / "boards.txt";
    const std::vector<unsigned char> old{'o', 'l', 'd', '\r', '\n'};
    testing::WindowRigBase::writeFile(target, old);
    testing::makeReadOnly(target);
    testing::makeReadOnly(folder);
    {
        testing::AsOrdinaryUser ordinaryUser;
        rig.platform.chooseFileNext(QString::fromStdString(target.string()));
        rig.press("bexport");
    }
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages()[0].text, rig.message(81));
    QCOMPARE(rig.platform.messages()[0].title, rig.message(80));
    QVERIFY(!rig.platform.messages()[0].text.isEmpty());
    QCOMPARE(testing::WindowRigBase::readFile(target), old);
    QCOMPARE(testing::entries(folder).size(), std::size_t(1));

    // A folder that is not there is refused the same way.
    rig.platform.chooseFileNext(QString::fromStdString((rig.programDir() / "gone" / "boards.txt").string()));
    rig.press("bexport");
    QCOMPARE(rig.platform.messages().size(), 2);
    QCOMPARE(rig.platform.messages()[1].text, rig.message(81));
    QVERIFY(!std::filesystem::exists(rig.programDir() / "gone"));
}

void BoardListTest::printsTheListIntoAPdf() {
    ListRig rig;
    rig.play(5, kWheelFiveNumbers);
    rig.showAndFill();

    // No print target chosen: nothing is printed and nothing said.
    rig.press("BitBtn6");
    QCOMPARE(rig.platform.messages().size(), 0);

    const QString pdf = QString::fromStdString((rig.programDir() / "list.pdf").string());
    rig.platform.setPrintFile(pdf);
    rig.press("BitBtn6");
    QCOMPARE(rig.platform.messages().size(), 0);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    file.close();

    if (QString::fromUtf8(NORVEX5_PDFTOTEXT).isEmpty()) QSKIP("pdftotext is not installed");
    QProcess tool;
    tool.start(QStringLiteral(NORVEX5_PDFTOTEXT), {pdf, QStringLiteral("-")});
    QVERIFY(tool.waitForFinished(60000));
    const QString text = QString::fromUtf8(tool.readAllStandardOutput()).simplified();
    QVERIFY2(text.startsWith(QStringLiteral("Liste des grilles à jouer")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Grille :1 A : 3 ,5 ,10 ,25 ,50 B:")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Grille :8 A : 19 ,33 ,40 ,45 ,50 B:")), qPrintable(text));
}

void BoardListTest::ticketPrintingAndReturn() {
    ListRig rig;
    rig.play(5, kWheelFiveNumbers);
    int opened = 0;
    rig.window.setTicketPrinting([&] { ++opened; });
    rig.showAndFill();
    rig.press("BitBtn2");
    QCOMPARE(opened, 1);
    QVERIFY(rig.window.isVisible());
    rig.press("BitBtn1");
    QVERIFY(!rig.window.isVisible());
}

void BoardListTest::closingStopsALongFill() {
    // Boards that take a while each: the whole list would take more than a minute. The window is
    // opened as the program opens it, modally, and closed while it fills.
    constexpr std::int64_t kBoards = 1'000'000;
    testing::WindowRig<BoardListWindow> rig(madeUpBoards(kBoards, [] { QThread::usleep(100); }));
    bool buttonsWaited = false;
    bool passSeen = false;
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        passSeen = rig.window.passRunning();
        buttonsWaited = !rig.find<QPushButton>(QStringLiteral("BitBtn6"))->isEnabled() &&
                        !rig.find<QPushButton>(QStringLiteral("bexport"))->isEnabled();
        rig.window.close();
    });
    QSignalSpy filled(&rig.window, &BoardListWindow::listFilled);
    closer.start(300);
    QElapsedTimer clock;
    clock.start();
    rig.window.exec();
    QVERIFY2(clock.elapsed() < 10000, "the fill ran on after the window closed");
    QCOMPARE(filled.count(), 1);
    QVERIFY(passSeen);
    QVERIFY(buttonsWaited);
    QVERIFY(!rig.window.isVisible());
    QVERIFY(!rig.window.passRunning());
    const qsizetype lines = rig.window.lines().lineCount();
    QVERIFY2(lines > 0 && lines < kBoards, qPrintable(QString::number(lines)));
    QVERIFY(rig.find<QPushButton>(QStringLiteral("BitBtn6"))->isEnabled());
}

void BoardListTest::cancelStopsALongExport() {
    // A long wheel file exported through the export engine, a little slower per line than it
    // would be, so that the progress dialog comes up.
    testing::WindowRigBase files;
    ExternalWheel wheel;
    wheel.fileName = (files.programDir() / "long.txt").string();
    {
        std::ofstream out(wheel.fileName);
        for (int i = 0; i < 200000; ++i) out << "1 2 3 4 5\n";
    }
    BoardListSource source = madeUpBoards(3);
    std::int64_t slowed = 0;
    source.exportTo = [&](const std::filesystem::path& target, const ExportProgress& keepGoing) {
        return exportExternalList(wheel, target, [&](std::int64_t lines) {
            // A slow disk: 50 µs a line, however many lines the export hands over at once.
            QThread::usleep(static_cast<unsigned long>(50 * (lines - slowed)));
            slowed = lines;
            return keepGoing(lines);
        });
    };
    testing::WindowRig<BoardListWindow> rig(source);
    QSignalSpy filled(&rig.window, &BoardListWindow::listFilled);
    rig.window.show();
    QVERIFY(filled.wait(10000));

    const auto target = rig.programDir() / "boards.txt";
    const std::vector<unsigned char> old{'o', 'l', 'd'};
    testing::WindowRigBase::writeFile(target, old);
    bool buttonsWaited = false;
    bool cancelled = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QProgressDialog* progress = visibleProgressDialog();
        if (progress == nullptr || cancelled) return;
        buttonsWaited = !rig.find<QPushButton>(QStringLiteral("BitBtn1"))->isEnabled();
        progress->findChild<QPushButton*>()->click();
        cancelled = true;
    });
    watcher.start(20);
    rig.platform.chooseFileNext(QString::fromStdString(target.string()));
    QElapsedTimer clock;
    clock.start();
    rig.press("bexport");
    watcher.stop();
    QVERIFY(cancelled);
    QVERIFY(buttonsWaited);
    QVERIFY2(clock.elapsed() < 5000, "the export ran on after Cancel");
    QCOMPARE(rig.platform.messages().size(), 0);
    QCOMPARE(testing::WindowRigBase::readFile(target), old);
    QCOMPARE(testing::entries(rig.programDir()).size(), std::size_t(1));
    QCOMPARE(visibleProgressDialog(), nullptr);
    QVERIFY(rig.find<QPushButton>(QStringLiteral("BitBtn1"))->isEnabled());
}

// Cancel during a long list print: the progress bar shows the share printed, the job being built
// is dropped (no half list in the PDF), and the user hears that nothing was printed.
void BoardListTest::cancelDropsALongListPrint() {
    constexpr std::int64_t kBoards = 200000;
    BoardListSource source = madeUpBoards(3);
    source.boardCount = [] { return kBoards; };
    source.printedLines = [](const LineSink& sink) {
        BoardMask mask{};
        mask[5] = mask[50] = 1;
        PassResult run;
        for (std::int64_t i = 1; i <= kBoards; ++i) {
            QThread::usleep(50);
            ++run.count;
            if (!sink(listWindowLine(i, mask))) {
                run.stopped = true;
                break;
            }
        }
        return run;
    };
    testing::WindowRig<BoardListWindow> rig(source);
    QSignalSpy filled(&rig.window, &BoardListWindow::listFilled);
    rig.window.show();
    QVERIFY(filled.wait(10000));

    int barMaximum = -1;
    int barValue = -1;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QProgressDialog* progress = visibleProgressDialog();
        if (progress == nullptr || barMaximum >= 0) return;
        barMaximum = progress->maximum();
        barValue = progress->value();
        progress->findChild<QPushButton*>()->click();
    });
    watcher.start(20);
    const QString pdf = QString::fromStdString((rig.programDir() / "list.pdf").string());
    rig.platform.setPrintFile(pdf);
    rig.press("BitBtn6");
    watcher.stop();
    QCOMPARE(barMaximum, int(kBoards));
    QVERIFY2(barValue > 0 && barValue < kBoards, qPrintable(QString::number(barValue)));
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages()[0].text,
             QString::fromStdString(rig.state.programText(ProgramText::NothingPrintedCancelled)));
    QVERIFY(rig.find<QPushButton>(QStringLiteral("BitBtn6"))->isEnabled());
}

QTEST_MAIN(BoardListTest)
#include "boardlist_test.moc"
