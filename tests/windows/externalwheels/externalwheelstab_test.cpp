// The external wheels tab as a user meets it in the main window: a wheel file chosen, previewed
// raw and replaced, then printed, listed, exported and compared; and files that cannot be wheels.

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include "localisation/messagenumbers.h"
#include "support/pdfreading.h"
#include "textfiles/textfilereader.h"
#include "localisation/messagetable.h"
#include "windows/captionsfit.h"
#include "windows/externalwheels/externalwheelscontrols.h"
#include "windows/externalwheels/externalwheelstab.h"
#include "windows/externalwheels/previewgridmodel.h"
#include "windows/windowrig.h"
#include "workshop/wheel.h"

using namespace norvex5;
using namespace norvex5::testing;

namespace {

class TabRig : public MainWindowRig {
public:
    TabRig() {
        start();
        tab().setComparison([this](const ExternalWheel& wheel) { compared.push_back(wheel); });
    }

    ExternalWheelsTab& tab() { return window.externalTab(); }
    int page() { return tab().page(); }

    // Writes `bytes` into the program folder and chooses it in the file dialog.
    QString chooseFile(const char* name, const std::string& bytes) {
        const std::filesystem::path file = programDir() / name;
        writeFile(file, std::vector<unsigned char>(bytes.begin(), bytes.end()));
        const QString path = QString::fromStdString(file.string());
        platform.chooseFileNext(path);
        press("bselfic");
        return path;
    }
    void setSeparator(const char* separator) {
        auto* box = find<QComboBox>(QStringLiteral("Combseparateur"));
        box->setCurrentIndex(box->findText(QLatin1String(separator)));
    }
    void setSkip(int lines) { find<QComboBox>(QStringLiteral("combligne"))->setCurrentIndex(lines); }
    void setBox(const QString& name, const QString& text) { find<QComboBox>(name)->setEditText(text); }
    void goToPage(int wanted) {
        while (page() < wanted) press("bsuivant");
    }

    // What a grid shows: its rows, each cell of columns 0 to 5 joined by "|".
    QStringList grid(const char* name) const {
        const QAbstractItemModel* model = find<QTableView>(QLatin1String(name))->model();
        QStringList rows;
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c <= 5; ++c) cells << model->index(r, c).data().toString();
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }
    QString scratchFile(const char* name) const { return QString::fromStdString((programDir() / name).string()); }

    std::vector<ExternalWheel> compared;
};

// `count` boards "k;2;3;4;5" with k running 1, 6, 11, ... so that every board differs.
std::string boards(int count, const char* separator = ";") {
    std::string bytes;
    for (int k = 0; k < count; ++k) {
        const int first = (5 * k) % 45 + 6;
        bytes += std::to_string(first) + separator + "2" + separator + "3" + separator + "4" + separator + "5\r\n";
    }
    return bytes;
}

QStringList fileLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {QStringLiteral("<no file>")};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// The "X" marks of every page of printed tickets.
int marksIn(const PdfText& printed) {
    int marks = 0;
    for (int page = 1; page <= printed.pages; ++page) marks += static_cast<int>(printed.marksOn(page).size());
    return marks;
}

}  // namespace

class ExternalWheelsTabTest : public QObject {
    Q_OBJECT

private slots:
    void navigationAndTheFileChoice();
    void thirtyBoardsThroughEveryAction();
    void previewsAndReplacements();
    void badFilesAreRefusedAndTheTabStaysUsable();
    void theFileShapeIsProposed();
    void textsFollowTheLanguage();
    void displayAllShowsEveryBoard();
    void previewsShowWhatTheFileHoldsFromTheirFirstLine();
    void theBlankSeparatorIsNamed();
    void nothingIsCutInAnyLanguage();
    void oneTicketAtATimeAsksBeforeEachTicket();
    void cancelDropsTheTicketsBeingBuilt();
    void aFileNumberedFromZeroIsReadAsNumberPlusOne();
    void replacementBoxesThatWouldSpoilTheBoardsAreSaid();
};

void ExternalWheelsTabTest::navigationAndTheFileChoice() {
    TabRig rig;
    QCOMPARE(rig.page(), 1);
    QVERIFY(!rig.find(QStringLiteral("bprecedent"))->isEnabled());
    QVERIFY(rig.find(QStringLiteral("bsuivant"))->isEnabled());
    QCOMPARE(rig.find<QComboBox>(QStringLiteral("combligne"))->currentText(), QStringLiteral("0"));
    QCOMPARE(rig.find<QComboBox>(QStringLiteral("combligne"))->count(), 21);
    QCOMPARE(rig.find<QComboBox>(QStringLiteral("Combseparateur"))->count(), 3);
    // The page control's tabs are not there for the user to click.
    QVERIFY(!rig.find<QTabWidget>(QStringLiteral("Pagecontrolfic"))->tabBar()->isVisible());

    // The keys that page through a tab widget do not skip the previews.
    rig.find<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
    QTest::keyClick(rig.find(QStringLiteral("tabgsexterne")), Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(rig.find(QStringLiteral("tabgsexterne")), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(rig.page(), 1);

    // Next without a file: message 174 titled 143, and the page stays.
    rig.press("bsuivant");
    QCOMPARE(rig.page(), 1);
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages()[0].text, rig.message(174));
    QCOMPARE(rig.platform.messages()[0].title, rig.message(143));

    const QString file = rig.chooseFile("w.txt", boards(3));
    QCOMPARE(rig.label("labfic"), file);
    // The name can be selected, not typed in, and it does not look as if it could: no white
    // field, the page's own colour.
    auto* name = rig.find<QLabel>(QStringLiteral("labfic"));
    QVERIFY(!(name->textInteractionFlags() & Qt::TextEditable));
    const QImage shown = name->grab().toImage();
    QCOMPARE(shown.pixelColor(shown.width() - 6, shown.height() / 2),
             rig.find(QStringLiteral("gfic"))->palette().color(QPalette::Window));
    const FakePlatform::Dialog& dialog = rig.platform.dialogs().last();
    QVERIFY(!dialog.save);
    QCOMPARE(dialog.request.title, rig.message(172));
    QVERIFY(dialog.request.filter.startsWith(rig.message(173).trimmed()));
    QVERIFY(dialog.request.filter.contains(QStringLiteral("*.csv")));
    QVERIFY(dialog.request.filter.endsWith(QStringLiteral(";;Tous les fichiers (*)")));  // .res, .LS5 ...
    QVERIFY(dialog.request.fileMustExist);

    // A cancelled dialog keeps the file chosen before.
    rig.platform.chooseFileNext(QString());
    rig.press("bselfic");
    QCOMPARE(rig.label("labfic"), file);

    for (int expected = 2; expected <= 5; ++expected) {
        rig.press("bsuivant");
        QCOMPARE(rig.page(), expected);
        QVERIFY(rig.find(QStringLiteral("bprecedent"))->isEnabled());
    }
    QVERIFY(!rig.find(QStringLiteral("bsuivant"))->isEnabled());
    QCOMPARE(rig.platform.messages().size(), 1);

    // Back to page 2: nothing is read again, so a file changed meanwhile shows only after page 1.
    rig.chooseFile("w.txt", boards(1));
    for (int k = 0; k < 3; ++k) rig.press("bprecedent");
    QCOMPARE(rig.page(), 2);
    QCOMPARE(rig.grid("GrilleNumero").size(), 3);
    rig.press("bprecedent");
    QCOMPARE(rig.page(), 1);
    QVERIFY(!rig.find(QStringLiteral("bprecedent"))->isEnabled());
    rig.press("bsuivant");
    QCOMPARE(rig.grid("GrilleNumero").size(), 1);
}

void ExternalWheelsTabTest::thirtyBoardsThroughEveryAction() {
    TabRig rig;
    rig.chooseFile("thirty.csv", boards(30));
    rig.goToPage(2);
    QStringList raw = rig.grid("GrilleNumero");
    QCOMPARE(raw.size(), 20);
    QCOMPARE(raw.first(), QStringLiteral("1|6|2|3|4|5"));
    QCOMPARE(raw.last(), QStringLiteral("20|11|2|3|4|5"));
    rig.setBox(QStringLiteral("ComboBoxa3"), QStringLiteral("44"));
    rig.goToPage(5);
    QStringList replaced = rig.grid("GrilleNumero2");
    QCOMPARE(replaced.size(), 20);
    QCOMPARE(replaced.first(), QStringLiteral("1|6|2|44|4|5"));

    // Tickets: every board, and the raw grid numbers its rows as the boards go to the printer.
    const QString tickets = rig.scratchFile("tickets.pdf");
    rig.platform.setPrintFile(tickets);
    rig.press("bimprimer");
    QVERIFY(QFile::exists(tickets));
    QCOMPARE(rig.grid("GrilleNumero").size(), 30);
    QCOMPARE(rig.grid("GrilleNumero").last(), QStringLiteral("30|||||"));
    // The rows of the preview keep what they showed.
    QCOMPARE(rig.grid("GrilleNumero").first(), QStringLiteral("1|6|2|3|4|5"));

    const QString list = rig.scratchFile("list.pdf");
    rig.platform.setPrintFile(list);
    rig.press("bimprimeliste");
    QVERIFY(QFile::exists(list));

    const QString exported = rig.scratchFile("boards.txt");
    rig.platform.chooseFileNext(exported);
    rig.press("bexportliste");
    const QStringList lines = fileLines(exported);
    QCOMPARE(lines.size(), 30);
    QCOMPARE(lines.first(), QStringLiteral(" 6, 2, 44, 4, 5"));
    QCOMPARE(rig.platform.dialogs().last().request.title, rig.message(151));

    rig.press("bexternecompare");
    QCOMPARE(rig.compared.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(rig.compared[0].fileName), rig.label("labfic"));
    QCOMPARE(rig.compared[0].separator, std::string(";"));
    QCOMPARE(rig.compared[0].map[3], 44);
    QCOMPARE(rig.platform.messages().size(), 0);

    if (QString::fromUtf8(NORVEX5_PDFTOTEXT).isEmpty()) QSKIP("pdftotext is not installed");
    const PdfText ticketText = readPdfWords(tickets);
    QVERIFY(ticketText.read);
    QCOMPARE(marksIn(ticketText), 30 * 5);
    const PdfText listText = readPdfWords(list);
    QStringList words;
    for (const PdfWord& w : listText.words) words << w.text;
    const QString all = words.join(QLatin1Char(' '));
    QVERIFY2(all.contains(QStringLiteral("1 : 6 2 44 4 5")), qPrintable(all));
    QVERIFY2(all.contains(QStringLiteral("30 : 16 2 44 4 5")), qPrintable(all));
}

void ExternalWheelsTabTest::previewsAndReplacements() {
    TabRig rig;
    // A blank line first, two header lines, then the boards: the first board is the file's
    // fourth line.
    rig.chooseFile("shaped.csv", "\r\nMy wheel\r\nnumbers 1 to 9\r\n1, 2,3,4,5\r\nA,B,C\r\n1,2,3,4,5,1,9\r\n");
    rig.setSeparator(",");
    rig.setSkip(2);
    rig.goToPage(2);
    QCOMPARE(rig.grid("GrilleNumero"), QStringList({"1|1| 2|3|4|5", "2|A|B|C||", "3|1|2|3|4|5"}));

    rig.setBox(QStringLiteral("ComboBoxa3"), QStringLiteral("44"));
    rig.setBox(QStringLiteral("ComboBoxa5"), QString());
    rig.setBox(QStringLiteral("ComboBoxa2"), QStringLiteral("abc"));
    // Box 2 holds no number: the user, warned, goes on, and 2 stays 2.
    rig.goToPage(3);
    rig.platform.answerNext(Platform::Answer::Ok);
    rig.press("bsuivant");
    QCOMPARE(rig.page(), 4);
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.grid("GrilleNumero2"), QStringList({"1|1|2|44|4|5", "2|A|B|C||", "3|1|2|44|4|5"}));
    // The raw preview is not read again.
    QCOMPARE(rig.grid("GrilleNumero").first(), QStringLiteral("1|1| 2|3|4|5"));

    // Both 1 and 2 played as 9, and grid B 1 as 4: warned each time, and taken as they are.
    rig.platform.clear();
    rig.press("bprecedent");
    rig.setBox(QStringLiteral("ComboBoxa1"), QStringLiteral("9"));
    rig.setBox(QStringLiteral("ComboBoxa2"), QStringLiteral("9"));
    rig.setBox(QStringLiteral("ComboBoxb1"), QStringLiteral("4"));
    rig.platform.answerNext(Platform::Answer::Ok);
    rig.goToPage(5);
    QCOMPARE(rig.grid("GrilleNumero2").first(), QStringLiteral("1|9|9|44|4|5"));
    const QString exported = rig.scratchFile("replaced.txt");
    rig.platform.chooseFileNext(exported);
    rig.platform.answerNext(Platform::Answer::Ok);
    rig.press("bexportliste");
    QCOMPARE(fileLines(exported), QStringList({" 9, 9, 44, 4, 5", "", " 9, 9, 44, 4, 5, 4, 9"}));
    QCOMPARE(rig.platform.messages().size(), 2);
    rig.setBox(QStringLiteral("ComboBoxa2"), QStringLiteral("2"));

    // The boxes are read at the moment of the action, not when the page was left.
    rig.setBox(QStringLiteral("ComboBoxa4"), QStringLiteral("40"));
    rig.press("bexternecompare");
    QCOMPARE(rig.compared.back().map[4], 40);
    QCOMPARE(rig.compared.back().map[51], 4);
    QCOMPARE(rig.compared.back().map[5], 5);
}

void ExternalWheelsTabTest::badFilesAreRefusedAndTheTabStaysUsable() {
    TabRig rig;
    const QString pdf = rig.scratchFile("never.pdf");
    const QString exported = rig.scratchFile("never.txt");
    rig.platform.setPrintFile(pdf);
    // A picture chosen as a wheel is refused there and then, and the file chosen before stays
    // with its separator.
    const QString notText = QString::fromStdString(rig.state.programText(ProgramText::WheelFileNotText));
    const std::string picture("\xff\xd8\xff\xe0\0\x10JFIF\0\x01", 12);
    rig.chooseFile("picture.jpg", picture);
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages()[0].text, notText.arg(rig.scratchFile("picture.jpg")));
    QCOMPARE(rig.label("labfic"), QString());
    rig.press("bsuivant");
    QCOMPARE(rig.page(), 1);
    const QString good = rig.chooseFile("good.csv", boards(3, ","));
    rig.platform.clear();
    rig.chooseFile("picture.jpg", picture);
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.label("labfic"), good);
    QCOMPARE(rig.find<QComboBox>(QStringLiteral("Combseparateur"))->currentText(), QStringLiteral(","));
    // Any other doubt is said at once too, and the file is taken: the boxes below may mend it.
    rig.platform.clear();
    rig.chooseFile("short.txt", "1;2;3\r\n");
    QCOMPARE(rig.platform.messages().size(), 1);
    QVERIFY(rig.platform.messages()[0].text.endsWith(rig.scratchFile("short.txt")));
    QCOMPARE(rig.label("labfic"), rig.scratchFile("short.txt"));
    rig.platform.clear();

    // The problem each file has, and the words its refusal starts with, at every action.
    const std::pair<std::string, QString> files[] = {
        {picture, notText.section(QLatin1Char(':'), 0, 0)},
        {std::string(),
         QString::fromStdString(rig.state.programText(ProgramText::WheelFileNoBoard)).section(QLatin1Char(':'), 0, 0)},
        {"1;2;3\r\n4;5;6\r\n", QString::fromStdString(rig.state.programText(ProgramText::WheelFileTooFewNumbers))
                                   .section(QLatin1Char(':'), 0, 0)
                                   .section(QLatin1Char('%'), 0, 0)},
        {std::string(TextFileReader::kMaxLineLength + 1, '7'), QStringLiteral("Erreur")},
    };
    int k = 0;
    for (const auto& [bytes, refusal] : files) {
        // A file that was text when chosen and is no longer when the action reads it.
        const QString bad = rig.chooseFile(("bad" + std::to_string(++k) + ".txt").c_str(), "1;2;3;4;5\r\n");
        rig.writeFile(std::filesystem::path(bad.toStdString()), std::vector<unsigned char>(bytes.begin(), bytes.end()));
        rig.setSeparator(";");
        rig.goToPage(5);
        for (const char* action : {"bimprimer", "bimprimeliste", "bexportliste", "bexternecompare"}) {
            rig.platform.clear();
            rig.platform.chooseFileNext(exported);
            rig.press(action);
            QVERIFY2(rig.platform.messages().size() == 1, action);
            QVERIFY2(
                rig.platform.messages()[0].text.startsWith(refusal),
                qPrintable(
                    QStringLiteral("%1 %2: %3").arg(k).arg(QLatin1String(action), rig.platform.messages()[0].text)));
            // Refused before any dialog: no printer asked for, no export file chosen.
            QCOMPARE(rig.platform.pendingFiles(), 1);
            QCOMPARE(rig.platform.dialogs().size(), 0);
        }
        rig.platform.clear();
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(!QFile::exists(exported));
        QVERIFY(rig.compared.empty());
        QVERIFY(rig.find(QStringLiteral("bprecedent"))->isEnabled());
        while (rig.page() > 1) rig.press("bprecedent");
    }

    // A file deleted after its preview: the reader's failure, in the action's own box.
    rig.platform.clear();
    const QString gone = rig.chooseFile("gone.txt", boards(3));
    rig.goToPage(5);
    QVERIFY(QFile::remove(gone));
    rig.press("bimprimer");
    rig.press("bimprimeliste");
    rig.platform.chooseFileNext(exported);
    rig.press("bexportliste");
    QCOMPARE(rig.platform.messages().size(), 3);
    QCOMPARE(rig.platform.messages()[0].title, QStringLiteral("Erreur dans Pimprimebulletinfichier"));
    QCOMPARE(rig.platform.messages()[1].title, QStringLiteral("Erreur dans Pimprimelistebulletinfichier"));
    QCOMPARE(rig.platform.messages()[2].title, QStringLiteral("Erreur dans Pimprimelistebulletinfichier"));
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(!QFile::exists(exported));

    // An export file that cannot be made: the word the list window gives, and nothing else.
    rig.platform.clear();
    rig.chooseFile("good.txt", boards(3));
    rig.platform.chooseFileNext(rig.scratchFile("no-such-folder/boards.txt"));
    rig.press("bexportliste");
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages()[0].text, rig.message(81));
    QCOMPARE(rig.platform.messages()[0].title, rig.message(80));
    QVERIFY(!QFile::exists(rig.scratchFile("no-such-folder")));
    QFile::remove(rig.scratchFile("good.txt"));

    // Back to page 1: the preview of a missing file says so and still moves on.
    while (rig.page() > 1) rig.press("bprecedent");
    rig.platform.clear();
    rig.press("bsuivant");
    QCOMPARE(rig.page(), 2);
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages()[0].title, QStringLiteral("Erreur dans pchargegrille"));
    QCOMPARE(rig.grid("GrilleNumero"), QStringList({"|||||"}));
}

void ExternalWheelsTabTest::theFileShapeIsProposed() {
    TabRig rig;
    const auto shown = [&rig] {
        return rig.find<QComboBox>(QStringLiteral("Combseparateur"))->currentText() + QLatin1Char('/') +
               rig.find<QComboBox>(QStringLiteral("combligne"))->currentText();
    };
    rig.chooseFile("header.csv", "Wheel of nine;made by me\r\n\r\n1;2;3;4;5\r\n6;7;8;9;1\r\n");
    QCOMPARE(shown(), QStringLiteral(";/1"));
    // A file the guess cannot read keeps what the boxes showed; the user can still change both.
    const QString fragment = QStringLiteral(NORVEX5_TEST_DATA "/wheels/ljcr_C16-5-3_b65_json-fragment.txt");
    rig.platform.chooseFileNext(fragment);
    rig.press("bselfic");
    QCOMPARE(rig.label("labfic"), fragment);
    QCOMPARE(shown(), QStringLiteral(";/1"));
    rig.platform.chooseFileNext(QStringLiteral(NORVEX5_TEST_DATA "/wheels/pdo_C13-5-3_b34.res"));
    rig.press("bselfic");
    QCOMPARE(shown(), QStringLiteral(" /0"));
    rig.setSkip(3);
    rig.setSeparator(",");
    QCOMPARE(shown(), QStringLiteral(",/3"));
}

void ExternalWheelsTabTest::textsFollowTheLanguage() {
    TabRig rig;
    const auto check = [&rig] {
        QCOMPARE(rig.find<QPushButton>(QStringLiteral("bselfic"))->text(), rig.message(172));
        QCOMPARE(rig.find<QPushButton>(QStringLiteral("baffichetous"))->text(), rig.message(178));
        QCOMPARE(rig.find<QPushButton>(QStringLiteral("bsuivant"))->toolTip(), rig.message(182));
        QCOMPARE(rig.find<QPushButton>(QStringLiteral("bprecedent"))->toolTip(), rig.message(181));
        QCOMPARE(rig.label("labnumerorep"), rig.message(177));
        QCOMPARE(rig.find<QRadioButton>(QStringLiteral("bimpunbull"))->text(), rig.message(42));
    };
    check();
    rig.state.parameters.language = 7;
    rig.window.applyTexts();
    check();
    QCOMPARE(rig.message(172).isEmpty(), false);
    // Every replacement box shows its own number, and the ticket model list holds the six models.
    for (int n = 1; n <= 50; ++n) {
        auto* box = rig.find<QComboBox>(QStringLiteral("ComboBoxa%1").arg(n));
        QCOMPARE(box->currentText(), QString::number(n));
        QCOMPARE(box->count(), 50);
    }
    for (int m = 1; m <= 9; ++m)
        QCOMPARE(rig.find<QComboBox>(QStringLiteral("ComboBoxb%1").arg(m))->currentText(), QString::number(m));
    QCOMPARE(rig.find<QComboBox>(QStringLiteral("combTypebull"))->count(), 6);
    QVERIFY(rig.find<QRadioButton>(QStringLiteral("bimptsbull"))->isChecked());
}

void ExternalWheelsTabTest::previewsShowWhatTheFileHoldsFromTheirFirstLine() {
    TabRig rig;
    rig.window.show();
    std::string bytes = "Wheel of ten numbers;made by hand\r\n";
    for (int k = 0; k < 40; ++k) bytes += std::to_string(k % 6 + 1) + ";7;8;9;10\r\n";
    rig.chooseFile("heading.txt", bytes);
    rig.setSkip(0);
    rig.goToPage(2);
    auto* raw = rig.find<QTableView>(QStringLiteral("GrilleNumero"));
    QCOMPARE(raw->model()->index(0, 1).data().toString(), QStringLiteral("Wheel of ten numbers"));
    // The heading that keeps the file from being read is seen whole, not cut at a board's width.
    QVERIFY(raw->columnWidth(1) > raw->fontMetrics().horizontalAdvance(QStringLiteral("Wheel of ten numbers")));
    QVERIFY(raw->columnWidth(2) > raw->fontMetrics().horizontalAdvance(QStringLiteral("made by hand")));
    QCOMPARE(raw->columnWidth(3), 40);

    // Each preview opens on its first line, however far it was scrolled before.
    const auto opensAtTheTop = [&rig](const char* name) {
        auto* grid = rig.find<QTableView>(QLatin1String(name));
        QCOMPARE(grid->verticalScrollBar()->value(), 0);
        QCOMPARE(grid->rowAt(0), 0);
    };
    opensAtTheTop("GrilleNumero");
    raw->scrollToBottom();
    rig.press("bprecedent");
    rig.press("bsuivant");
    opensAtTheTop("GrilleNumero");
    rig.setSkip(1);
    rig.goToPage(4);
    opensAtTheTop("GrilleNumero2");
    rig.find<QTableView>(QStringLiteral("GrilleNumero2"))->scrollToBottom();
    rig.press("bprecedent");
    rig.press("bsuivant");
    opensAtTheTop("GrilleNumero2");
    rig.press("baffichetous");
    opensAtTheTop("GrilleNumero2");
}

void ExternalWheelsTabTest::theBlankSeparatorIsNamed() {
    TabRig rig;
    rig.platform.chooseFileNext(QStringLiteral(NORVEX5_TEST_DATA "/wheels/pdo_C13-5-3_b34.res"));
    rig.press("bselfic");
    auto* box = rig.find<SeparatorBox>(QStringLiteral("Combseparateur"));
    // The file is read at blanks, and the box says so in words rather than showing nothing.
    QCOMPARE(box->currentText(), QStringLiteral(" "));
    QCOMPARE(box->shownText(), QStringLiteral("(espace)"));
    QCOMPARE(static_cast<QStyledItemDelegate*>(box->itemDelegate())->displayText(box->itemText(0), QLocale()),
             QStringLiteral("(espace)"));
    QCOMPARE(box->shownText(box->itemText(1)), QStringLiteral(","));
    rig.state.parameters.language = 7;
    rig.window.applyTexts();
    QCOMPARE(box->shownText(), QStringLiteral("(Leerzeichen)"));
    rig.setSeparator(";");
    QCOMPARE(box->shownText(), QStringLiteral(";"));
}

void ExternalWheelsTabTest::nothingIsCutInAnyLanguage() {
    TabRig rig;
    rig.window.show();
    rig.find<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
    auto* pages = rig.find<QTabWidget>(QStringLiteral("Pagecontrolfic"));
    for (int language = 1; language <= kLanguageCount; ++language) {
        rig.state.parameters.language = language;
        rig.window.applyTexts();
        for (int page = 0; page < ExternalWheelsTab::kPageCount; ++page) {
            pages->setCurrentIndex(page);
            const QStringList cut = cutCaptions(rig.tab());
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
        }
    }
}

void ExternalWheelsTabTest::displayAllShowsEveryBoard() {
    TabRig rig;
    constexpr int kBoards = 200000;
    std::string bytes = "my wheel\r\n";
    for (int k = 0; k < kBoards; ++k)
        bytes += std::to_string(k % 9 + 1) + " 10 20 30 " + std::to_string(k % 40 + 1) + "\r\n";
    rig.chooseFile("large.txt", bytes);
    rig.setBox(QStringLiteral("ComboBoxa1"), QStringLiteral("45"));
    rig.goToPage(4);
    QCOMPARE(rig.grid("GrilleNumero2").size(), 20);

    QSignalSpy shown(&rig.tab(), &ExternalWheelsTab::allDisplayed);
    rig.press("baffichetous");
    QCOMPARE(shown.size(), 1);
    auto* view = rig.find<QTableView>(QStringLiteral("GrilleNumero2"));
    const QAbstractItemModel* model = view->model();
    QCOMPARE(model->rowCount(), kBoards);
    QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("45"));
    QCOMPARE(model->index(kBoards - 1, 0).data().toString(), QString::number(kBoards));
    // Board 200000: k = 199999, first number 199999 % 9 + 1 = 2, last 199999 % 40 + 1 = 40.
    QCOMPARE(model->index(kBoards - 1, 1).data().toString(), QStringLiteral("2"));
    QCOMPARE(model->index(kBoards - 1, 5).data().toString(), QStringLiteral("40"));
    // The line over the grid no longer says that only the first lines are shown.
    QCOMPARE(rig.label("labinfogrille2"),
             QString::fromStdString(rig.state.programText(ProgramText::EveryLineShown)).arg(kBoards));
    rig.state.parameters.language = 7;
    rig.window.applyTexts();
    QCOMPARE(rig.label("labinfogrille2"),
             QString::fromStdString(rig.state.programText(ProgramText::EveryLineShown)).arg(kBoards));
    view->scrollToBottom();
    // The last row's number is shown whole.
    const int numberWidth = view->fontMetrics().horizontalAdvance(QString::number(kBoards));
    QVERIFY2(view->columnWidth(0) > numberWidth, qPrintable(QString::number(view->columnWidth(0))));
    QVERIFY(rig.platform.messages().isEmpty());

    QVERIFY(view->verticalScrollBar()->value() > 0);
    // Back through page 3: the replaced preview is the first twenty boards again, from the first.
    rig.press("bprecedent");
    rig.press("bsuivant");
    QCOMPARE(rig.grid("GrilleNumero2").size(), 20);
    QCOMPARE(view->verticalScrollBar()->value(), 0);
    QCOMPARE(view->columnWidth(0), 40);
    QCOMPARE(rig.label("labinfogrille2"), rig.message(179));

    // A file that is no wheel is refused here too, and the grid keeps what it showed.
    while (rig.page() > 1) rig.press("bprecedent");
    rig.chooseFile("large.txt", std::string("\0\0\0\x01binary", 10));
    rig.goToPage(4);
    rig.platform.clear();
    rig.press("baffichetous");
    QCOMPARE(shown.size(), 1);
    QCOMPARE(rig.platform.messages().size(), 1);
}

void ExternalWheelsTabTest::oneTicketAtATimeAsksBeforeEachTicket() {
    TabRig rig;
    rig.chooseFile("thirty.csv", boards(30));
    rig.goToPage(5);
    rig.find<QRadioButton>(QStringLiteral("bimpunbull"))->setChecked(true);
    rig.platform.setPrintFile(rig.scratchFile("first.pdf"));
    // The first ticket goes to the printer; Cancel at the question before the second.
    rig.platform.answerNext(Platform::Answer::Cancel);
    rig.press("bimprimer");
    QCOMPARE(rig.platform.messages().size(), 2);
    QCOMPARE(rig.platform.messages()[1].text,
             QString::fromStdString(rig.state.programText(ProgramText::OneTicketPrintedRestCancelled)));
    QCOMPARE(rig.platform.messages()[0].text, rig.message(115));
    QCOMPARE(rig.platform.messages()[0].title, rig.message(130));
    QCOMPARE(rig.platform.messages()[0].buttons, Platform::Buttons::OkCancel);
    const qsizetype printed = rig.grid("GrilleNumero").size();
    QVERIFY2(printed > 1 && printed < 30, qPrintable(QString::number(printed)));
    // Nothing is held: the tab takes the next command.
    QVERIFY(rig.find(QStringLiteral("bimprimer"))->isEnabled());
    QVERIFY(rig.find(QStringLiteral("bprecedent"))->isEnabled());
}

// Cancel in the progress of a long ticket print: the PDF being written is removed and the user
// hears that nothing was printed. Once a print has read the file to its end, the next one shows
// its share of the boards.
void ExternalWheelsTabTest::cancelDropsTheTicketsBeingBuilt() {
    TabRig rig;
    rig.chooseFile("long.csv", boards(20000));
    rig.goToPage(5);
    const QString pdf = rig.scratchFile("tickets.pdf");
    const auto printCancelling = [&](bool cancel) {
        int barMaximum = -1;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            QProgressDialog* progress = nullptr;
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QProgressDialog*>(widget); dialog != nullptr && dialog->isVisible())
                    progress = dialog;
            if (progress == nullptr || barMaximum >= 0) return;
            barMaximum = progress->maximum();
            if (cancel) progress->findChild<QPushButton*>()->click();
        });
        watcher.start(20);
        rig.platform.clear();
        rig.platform.setPrintFile(pdf);
        rig.press("bimprimer");
        return barMaximum;
    };
    QCOMPARE(printCancelling(true), 0);  // the file's length is not known yet
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages()[0].text,
             QString::fromStdString(rig.state.programText(ProgramText::NothingPrintedCancelled)));

    printCancelling(false);
    QVERIFY(QFile::exists(pdf));
    QVERIFY(rig.platform.messages().isEmpty());
    QCOMPARE(printCancelling(true), 20000);
    QVERIFY(!QFile::exists(pdf));
}

void ExternalWheelsTabTest::aFileNumberedFromZeroIsReadAsNumberPlusOne() {
    TabRig rig;
    std::vector<ExternalWheel> checked;
    rig.tab().setWheelCheck([&checked](const ExternalWheel& wheel) { checked.push_back(wheel); });
    auto* line = rig.find<QLabel>(QStringLiteral("labnumerozero"));
    auto* fromZero = rig.find<QCheckBox>(QStringLiteral("chnumerozero"));
    QWidget* page = rig.find(QStringLiteral("tabgsexterne"));
    rig.chooseFile("ones.txt", boards(3));
    QVERIFY(!line->isVisibleTo(page) && !fromZero->isVisibleTo(page));

    // Its first board is "0 2 3 4 5": wheel numbers 1 3 4 5 6.
    const QString file = QStringLiteral(NORVEX5_TEST_DATA "/wheels/pdo_C13-5-3_b34.res");
    rig.platform.chooseFileNext(file);
    rig.press("bselfic");
    QVERIFY(line->isVisibleTo(page) && fromZero->isVisibleTo(page));
    QVERIFY(fromZero->isChecked());
    QCOMPARE(fromZero->text(), QString::fromStdString(rig.state.programText(ProgramText::NumbersStartAtZero)));
    QCOMPARE(line->text(), QString::fromStdString(rig.state.programText(ProgramText::ReadFromZero)));
    rig.goToPage(5);
    QCOMPARE(rig.grid("GrilleNumero").first(), QStringLiteral("1|0|2|3|4|5"));
    QCOMPARE(rig.grid("GrilleNumero2").first(), QStringLiteral("1|1|3|4|5|6"));

    // The list holds the boards the check reads.
    const QString exported = rig.scratchFile("list.txt");
    rig.platform.chooseFileNext(exported);
    rig.press("bexportliste");
    rig.press("bverifiersysteme");
    QCOMPARE(checked.size(), std::size_t(1));
    QVERIFY(checked[0].numberedFromZero);
    const workshop::WheelFileReading reading = workshop::readWheelFileAsNumbered(checked[0], 13);
    QVERIFY(reading.ok());
    const QStringList lines = fileLines(exported);
    QCOMPARE(lines.size(), 34);
    for (qsizetype k = 0; k < lines.size(); ++k) {
        QStringList played;
        for (const std::uint8_t n : reading.wheel.boards[static_cast<std::size_t>(k)]) played << QString::number(n + 1);
        QStringList listed = lines[k].split(QStringLiteral(", "));
        for (QString& n : listed) n = n.trimmed();
        std::sort(listed.begin(), listed.end(),
                  [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
        QCOMPARE(listed, played);
    }
    QCOMPARE(rig.platform.messages().size(), 0);

    // Every board prints its five marks.
    const QString tickets = rig.scratchFile("tickets.pdf");
    rig.platform.setPrintFile(tickets);
    rig.press("bimprimer");
    QVERIFY(QFile::exists(tickets));

    // Unticked, the numbers are read as they stand, 0 and all.
    while (rig.page() > 1) rig.press("bprecedent");
    fromZero->setChecked(false);
    QCOMPARE(line->text(), QString::fromStdString(rig.state.programText(ProgramText::ReadAsWritten)));
    rig.goToPage(5);
    QCOMPARE(rig.grid("GrilleNumero2").first(), QStringLiteral("1|0|2|3|4|5"));
    rig.press("bverifiersysteme");
    QVERIFY(!checked.back().numberedFromZero);

    if (QString::fromUtf8(NORVEX5_PDFTOTEXT).isEmpty()) QSKIP("pdftotext is not installed");
    const PdfText printed = readPdfWords(tickets);
    QVERIFY(printed.read);
    QCOMPARE(marksIn(printed), 34 * 5);
}

void ExternalWheelsTabTest::replacementBoxesThatWouldSpoilTheBoardsAreSaid() {
    TabRig rig;
    // Wheel numbers 1 to 13.
    rig.chooseFile("thirteen.txt", "1;2;3;4;5\r\n6;7;8;9;10\r\n11;12;13;1;2\r\n");
    const auto warned = [&rig](ProgramText words, const QString& box, const QString& held, const QString& third) {
        const QString sentence = QString::fromStdString(rig.state.programText(words));
        return (third.isEmpty() ? sentence.arg(box, held) : sentence.arg(box, held, third)) + QLatin1Char('\n') +
               QString::fromStdString(rig.state.programText(ProgramText::ContinueQuestion));
    };
    // Replacing 1 by 44 while box 44 still shows 44, and a box the file does not use holding
    // anything: the usual case, nothing said.
    rig.setBox(QStringLiteral("ComboBoxa1"), QStringLiteral("44"));
    rig.setBox(QStringLiteral("ComboBoxa20"), QStringLiteral("abc"));
    rig.goToPage(4);
    QCOMPARE(rig.grid("GrilleNumero2").first(), QStringLiteral("1|44|2|3|4|5"));
    QCOMPARE(rig.platform.messages().size(), 0);

    // Cancel stays on the page.
    rig.press("bprecedent");
    rig.setBox(QStringLiteral("ComboBoxa2"), QStringLiteral("abc"));
    rig.press("bsuivant");
    QCOMPARE(rig.page(), 3);
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages()[0].text, warned(ProgramText::ReplacementNotANumber, "2", "abc", {}));
    QCOMPARE(rig.platform.messages()[0].title, rig.message(143));
    QCOMPARE(rig.platform.messages()[0].buttons, Platform::Buttons::ContinueCancel);

    // An empty box keeps its wheel number; the first box at fault is named.
    rig.platform.clear();
    rig.setBox(QStringLiteral("ComboBoxa2"), QString());
    rig.setBox(QStringLiteral("ComboBoxa3"), QStringLiteral("99999"));
    rig.setBox(QStringLiteral("ComboBoxa5"), QStringLiteral("0"));
    rig.press("bsuivant");
    QCOMPARE(rig.page(), 3);
    QCOMPARE(rig.platform.messages()[0].text, warned(ProgramText::ReplacementNotOnTicket, "3", "99999", "49"));

    // Boxes 1 and 9 both 9: said before each action; Cancel does nothing, Continue goes on.
    rig.platform.clear();
    rig.setBox(QStringLiteral("ComboBoxa3"), QStringLiteral("3"));
    rig.setBox(QStringLiteral("ComboBoxa5"), QStringLiteral("5"));
    rig.setBox(QStringLiteral("ComboBoxa1"), QStringLiteral("9"));
    rig.setBox(QStringLiteral("ComboBoxa9"), QStringLiteral("9"));
    rig.platform.answerNext(Platform::Answer::Ok);
    rig.press("bsuivant");
    QCOMPARE(rig.page(), 4);
    QCOMPARE(rig.platform.messages()[0].text, warned(ProgramText::ReplacementSameNumber, "1", "9", "9"));
    rig.press("bsuivant");
    const QString pdf = rig.scratchFile("never.pdf");
    const QString exported = rig.scratchFile("never.txt");
    rig.platform.setPrintFile(pdf);
    for (const char* action : {"bimprimer", "bimprimeliste", "bexportliste", "bexternecompare", "bverifiersysteme"}) {
        rig.platform.clear();
        rig.platform.chooseFileNext(exported);
        rig.press(action);
        QVERIFY2(rig.platform.messages().size() == 1, action);
        QCOMPARE(rig.platform.dialogs().size(), 0);
    }
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(!QFile::exists(exported));
    QVERIFY(rig.compared.empty());
    rig.platform.clear();
    rig.platform.answerNext(Platform::Answer::Ok);
    rig.press("bexternecompare");
    QCOMPARE(rig.compared.size(), std::size_t(1));
    QCOMPARE(rig.compared[0].map[1], 9);
}

QTEST_MAIN(ExternalWheelsTabTest)
#include "externalwheelstab_test.moc"
