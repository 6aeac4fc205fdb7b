// The comparison window driven as the player drives it: a draw typed into the boxes, the boards of
// a built-in wheel or of a wheel file listed with their hits, the counts, the draw offered again
// the next time, and a long comparison that stops when the window closes or Cancel is pressed.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include "core/expansion.h"
#include "localisation/programtexts.h"
#include "windows/common/linelistmodel.h"
#include "windows/common/longpass.h"
#include "windows/comparison/comparisonwindow.h"
#include "windows/windowrig.h"

using namespace norvex5;
using Rig = norvex5::testing::WindowRig<ComparisonWindow>;

namespace {

const char* const kGridABoxes[] = {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5"};

// The 13 numbers wheel 5 is played over, in the order its positions take them.
constexpr int kPlayed[] = {3, 7, 11, 15, 19, 23, 27, 31, 35, 39, 43, 47, 50};

void typeDraw(Rig& rig, const QStringList& draw) {
    for (int k = 0; k < 5; ++k) {
        auto* box = rig.find<QComboBox>(QLatin1String(kGridABoxes[k]));
        box->setCurrentIndex(-1);
        box->setEditText(draw.value(k));
    }
}

QStringList listed(const Rig& rig) {
    const auto* view = rig.find<QListView>(QStringLiteral("listresul"));
    QStringList lines;
    for (int row = 0; row < view->model()->rowCount(); ++row) lines << view->model()->index(row, 0).data().toString();
    return lines;
}

// The four counts as shown: 5, 4, 3 and 2 matches.
QStringList summary(const Rig& rig) {
    QStringList shown;
    for (const char* name : {"lnb5et0", "lnb4et0", "lnb3et0", "lnb2"})
        shown << rig.find<QLabel>(QLatin1String(name))->text();
    return shown;
}

void playWheelFive(Rig& rig) {
    rig.state.parameters.highestNumber = 50;
    for (int n : kPlayed) rig.state.selection[n] = kSelected;
    rig.state.selectedWheel = 5;
    rig.window.setInternalMode();
}

std::string writeWheelFile(Rig& rig, const char* name, const QByteArray& content) {
    const std::filesystem::path file = rig.programDir() / name;
    Rig::writeFile(file, std::vector<unsigned char>(content.begin(), content.end()));
    return file.string();
}

QProgressDialog* visibleProgressDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QProgressDialog*>(widget); dialog != nullptr && dialog->isVisible())
            return dialog;
    return nullptr;
}

}  // namespace

class ComparisonWindowTest : public QObject {
    Q_OBJECT

private slots:
    void windowShowsTheDesignedControls() {
        Rig rig;
        rig.window.show();
        QCOMPARE(rig.window.objectName(), QStringLiteral("Form8"));
        QCOMPARE(rig.window.windowTitle(), rig.message(29));
        QCOMPARE(rig.find<QPushButton>(QStringLiteral("button1"))->text(), rig.message(53));
        QCOMPARE(rig.find<QPushButton>(QStringLiteral("BitBtn1"))->text(), rig.message(126));
        QCOMPARE(rig.find<QLabel>(QStringLiteral("lbullgagnant"))->text(), rig.message(137));
        QVERIFY(rig.window.children().first() == rig.find(QStringLiteral("DegradeClass1")));
        for (const char* name : {"listresul", "Panel1", "lbullgagnant", "ComboBox1", "ComboBox5", "GroupBox1",
                                 "lnb5et0", "lnb4et0", "lnb3et0", "lnb2", "button1", "BitBtn1"})
            QVERIFY2(rig.find(QLatin1String(name))->isVisible(), name);
        for (const char* name : {"ComboBox9", "ComboBox10", "Label1", "Label2", "lnb2et1", "bderniertirage"})
            QVERIFY2(!rig.find(QLatin1String(name))->isVisible(), name);
        QVERIFY(QFontInfo(rig.find(QStringLiteral("listresul"))->font()).fixedPitch());

        // A first opening offers 1 to 50 (1 to 9 for grid B) and shows the first entry everywhere.
        auto* first = rig.find<QComboBox>(QStringLiteral("ComboBox1"));
        QCOMPARE(first->count(), 50);
        QCOMPARE(first->itemText(49), QStringLiteral("50"));
        QCOMPARE(rig.find<QComboBox>(QStringLiteral("ComboBox10"))->count(), 9);
        for (const char* name : kGridABoxes) QCOMPARE(rig.find<QComboBox>(QLatin1String(name))->currentText(), "1");
    }

    void onlyDigitsAndBackspaceCanBeTyped() {
        Rig rig;
        rig.window.show();
        auto* box = rig.find<QComboBox>(QStringLiteral("ComboBox2"));
        box->setCurrentIndex(-1);
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("4a-,2 9"));
        QCOMPARE(box->currentText(), QStringLiteral("429"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->currentText(), QStringLiteral("42"));
    }

    void duplicateDrawIsRefused_data() {
        QTest::addColumn<QStringList>("draw");
        QTest::addColumn<bool>("refused");
        QTest::newRow("5 twice") << QStringList{"5", "5", "12", "20", "33"} << true;
        QTest::newRow("50 twice, far apart") << QStringList{"50", "1", "2", "3", "50"} << true;
        // The check stops reading at a box that holds no number.
        QTest::newRow("after an empty box") << QStringList{"7", "", "7", "8", "9"} << false;
    }

    void duplicateDrawIsRefused() {
        QFETCH(QStringList, draw);
        QFETCH(bool, refused);
        Rig rig;
        playWheelFive(rig);
        rig.window.show();
        typeDraw(rig, draw);
        rig.press("button1");
        const bool warned = !rig.platform.messages().isEmpty() &&
                            rig.platform.messages().first().text == rig.message(109) &&
                            rig.platform.messages().first().title == rig.message(143);
        QCOMPARE(warned, refused);
        if (refused) QVERIFY(listed(rig).isEmpty());
    }

    // A number no draw of the game holds is named with its box, in either mode, and nothing is
    // compared until it is mended.
    void drawNumberOutsideTheGameIsRefused_data() {
        QTest::addColumn<bool>("external");
        QTest::addColumn<int>("highest");
        QTest::addColumn<QStringList>("draw");
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("holds");
        for (const bool external : {false, true}) {
            const char* mode = external ? "external: " : "internal: ";
            QTest::newRow(QByteArray(mode) + "0") << external << 50 << QStringList{"3", "7", "0", "27", "50"} << 3 << "0";
            QTest::newRow(QByteArray(mode) + "999")
                << external << 50 << QStringList{"999", "7", "15", "27", "50"} << 1 << "999";
            QTest::newRow(QByteArray(mode) + "twice 55") << external << 50 << QStringList{"3", "55", "55", "27", "50"}
                                                          << 2 << "55";
            QTest::newRow(QByteArray(mode) + "too long to read")
                << external << 50 << QStringList{"3", "7", "15", "27", "99999999999"} << 5 << "99999999999";
            QTest::newRow(QByteArray(mode) + "50 in a game up to 49")
                << external << 49 << QStringList{"3", "7", "15", "27", "50"} << 5 << "50";
            QTest::newRow(QByteArray(mode) + "40 in a game up to 39")
                << external << 39 << QStringList{"40", "7", "15", "27", "3"} << 1 << "40";
        }
    }

    void drawNumberOutsideTheGameIsRefused() {
        QFETCH(bool, external);
        QFETCH(int, highest);
        QFETCH(QStringList, draw);
        QFETCH(int, box);
        QFETCH(QString, holds);
        Rig rig;
        playWheelFive(rig);
        rig.state.parameters.highestNumber = highest;
        rig.state.parameters.language = 2;
        if (external) {
            ExternalWheel wheel;
            wheel.fileName = writeWheelFile(rig, "wheel.txt", "3 7 15 27 50\n1 2 3 4 5\n");
            rig.window.setExternalMode(wheel);
        }
        rig.window.show();
        typeDraw(rig, draw);
        rig.press("button1");
        QCOMPARE(rig.platform.messages().size(), 1);
        QCOMPARE(rig.platform.messages().first().text,
                 QStringLiteral("Box %1 of the draw holds %2: the numbers of this game go from 1\u00a0to\u00a0%3.")
                     .arg(box)
                     .arg(holds)
                     .arg(highest));
        QCOMPARE(rig.platform.messages().first().title, rig.message(143));
        QVERIFY(listed(rig).isEmpty());
        QCOMPARE(summary(rig), (QStringList{"", "", "", ""}));
        QCOMPARE(rig.window.focusWidget(), rig.find<QComboBox>(QLatin1String(kGridABoxes[box - 1])));

        // Mended, the same draw is compared.
        typeDraw(rig, {"3", "7", "15", "27", "38"});
        rig.press("button1");
        QCOMPARE(rig.platform.messages().size(), 1);
        QVERIFY(!listed(rig).isEmpty());
        QCOMPARE(summary(rig).first(), QStringLiteral("0"));
    }

    void internalBoardsAreScored_data() {
        QTest::addColumn<QStringList>("draw");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("counts");
        QTest::newRow("board 1 drawn") << QStringList{"3", "7", "15", "27", "50"}
                                       << QStringList{"001 :-03-07-15-27-50 -> 5", "002 :-03-07-15-35-39 -> 3",
                                                      "003 :-03-07-15-43-47 -> 3", "004 :-11-19-23-27-31 -> 1",
                                                      "005 :-11-19-27-35-47 -> 1", "006 :-11-19-35-43-50 -> 1",
                                                      "007 :-23-27-31-39-43 -> 1", "008 :-23-31-39-47-50 -> 1"}
                                       << QStringList{"1", "0", "2", "0"};
        QTest::newRow("four, three, two, one, none")
            << QStringList{"35", "3", "27", "7", "15"}
            << QStringList{"001 :-03-07-15-27-50 -> 4", "002 :-03-07-15-35-39 -> 4", "003 :-03-07-15-43-47 -> 3",
                           "004 :-11-19-23-27-31 -> 1", "005 :-11-19-27-35-47 -> 2", "006 :-11-19-35-43-50 -> 1",
                           "007 :-23-27-31-39-43 -> 1", "008 :-23-31-39-47-50 -> 0"}
            << QStringList{"0", "2", "1", "1"};
    }

    void internalBoardsAreScored() {
        QFETCH(QStringList, draw);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, counts);
        Rig rig;
        playWheelFive(rig);
        rig.window.show();
        // A result of an earlier draw is replaced, not added to.
        typeDraw(rig, {"1", "2", "3", "4", "5"});
        rig.press("button1");
        typeDraw(rig, draw);
        rig.press("button1");
        QVERIFY(rig.platform.messages().isEmpty());
        QCOMPARE(listed(rig), lines);
        QCOMPARE(summary(rig), counts);
        QVERIFY(rig.find(QStringLiteral("button1"))->isEnabled());
        QVERIFY(rig.find(QStringLiteral("BitBtn1"))->isEnabled());
    }

    void internalDrawThatIsNotANumberChangesNothing() {
        Rig rig;
        playWheelFive(rig);
        rig.window.show();
        typeDraw(rig, {"3", "7", "15", "27", "50"});
        rig.press("button1");
        const QStringList before = listed(rig);
        typeDraw(rig, {"3", "7", "", "27", "50"});
        rig.press("button1");
        QCOMPARE(rig.platform.messages().size(), 1);
        const QString expected = QString::fromUtf8(programText(ProgramText::NotAnInteger, 1).data()).arg(QString());
        QCOMPARE(rig.platform.messages().first().text, expected);
        QCOMPARE(listed(rig), before);
        QCOMPARE(summary(rig), (QStringList{"1", "0", "2", "0"}));
    }

    void wheelOutsideTheCatalogueShowsNothing_data() {
        QTest::addColumn<int>("wheel");
        QTest::newRow("none chosen") << -1;
        QTest::newRow("0") << 0;
        QTest::newRow("9") << 9;
        QTest::newRow("999") << 999;
    }

    void wheelOutsideTheCatalogueShowsNothing() {
        QFETCH(int, wheel);
        Rig rig;
        playWheelFive(rig);
        const Expansion before = rig.state.expansion;
        rig.state.selectedWheel = wheel;
        rig.window.show();
        typeDraw(rig, {"3", "7", "15", "27", "50"});
        rig.press("button1");
        QVERIFY(rig.platform.messages().isEmpty());
        QVERIFY(listed(rig).isEmpty());
        QCOMPARE(summary(rig), (QStringList{"", "", "", ""}));
        QCOMPARE(rig.state.expansion.currentWheel, before.currentWheel);
        QCOMPARE(rig.state.expansion.boardCount, before.boardCount);
    }

    void drawIsOfferedAgainWhenTheWindowReopens() {
        Rig rig;
        playWheelFive(rig);
        rig.window.show();
        typeDraw(rig, {"35", "3", "27", "7", "15"});
        rig.press("button1");
        // A number the list does not hold is not remembered: that box comes back empty.
        auto* gridB = rig.find<QComboBox>(QStringLiteral("ComboBox9"));
        gridB->setCurrentIndex(4);
        rig.press("BitBtn1");
        QVERIFY(!rig.window.isVisible());

        rig.window.show();
        QVERIFY(listed(rig).isEmpty());
        QCOMPARE(summary(rig), (QStringList{"", "", "", ""}));
        QStringList shown;
        for (const char* name : kGridABoxes) shown << rig.find<QComboBox>(QLatin1String(name))->currentText();
        QCOMPARE(shown, (QStringList{"35", "3", "27", "7", "15"}));
        QCOMPARE(gridB->currentText(), QStringLiteral("5"));

        typeDraw(rig, {"77", "3", "27", "7", "15"});
        rig.window.close();
        // Closed by its title bar the window remembers the draw as well; the program keeps this one
        // window for the run.
        rig.window.show();
        QCOMPARE(rig.find<QComboBox>(QStringLiteral("ComboBox1"))->currentText(), QString());
        QCOMPARE(rig.find<QComboBox>(QStringLiteral("ComboBox2"))->currentText(), QStringLiteral("3"));
        QCOMPARE(gridB->currentText(), QStringLiteral("5"));
    }

    // A count of five digits or more stays whole in its label, smaller if need be.
    void largeCountsAreShownWhole() {
        Rig rig;
        ExternalWheel wheel;
        wheel.fileName = writeBigWheel(rig, 69782);
        wheel.separator = ",";
        rig.window.setExternalMode(wheel);
        rig.window.show();
        typeDraw(rig, {"1", "2", "3", "4", "5"});
        rig.press("button1");
        QCOMPARE(summary(rig), (QStringList{"69782", "0", "0", "0"}));
        for (const char* name : {"lnb5et0", "lnb2"}) {
            auto* label = rig.find<QLabel>(QLatin1String(name));
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(), name);
        }
    }

    void externalWheelFileIsScored_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("skip");
        QTest::addColumn<QStringList>("draw");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("counts");
        // Wheel number 3 is played as 44; 55 is grid B box 5 (5 untouched); 60..100 have no box
        // and become 0; 0 and 101 are not replaced; a field beyond the fifth takes no part.
        const QByteArray commas =
            "numbers,of,the,wheel\r\n3,1,2\r\n\r\n5,,7,19,11\r\n"
            "0,55,77,101,12\r\n  \t\r\n12,44,1,3,5,8";
        QTest::newRow("commas, a header, empty fields")
            << commas << "," << 1 << QStringList{"44", "1", "12", "5", "9"}
            << QStringList{"B.:001 : :-44-01-02 ->2", "B.:002 : :-05-07-19-11 ->1", "B.:003 : :-00-05-00-101-12 ->2",
                           "B.:004 : :-12-44-01-44-05 ->5"}
            << QStringList{"1", "0", "0", "2"};
        // An empty box and every box after it match nothing.
        QTest::newRow("third box empty") << commas << "," << 1 << QStringList{"44", "1", "", "12", "5"}
                                         << QStringList{"B.:001 : :-44-01-02 ->2", "B.:002 : :-05-07-19-11 ->0",
                                                        "B.:003 : :-00-05-00-101-12 ->0",
                                                        "B.:004 : :-12-44-01-44-05 ->3"}
                                         << QStringList{"0", "0", "1", "1"};
        // Two blanks in a row enclose an empty field, which is one of the five positions.
        QTest::newRow("a run of blanks") << QByteArray("1  2 3 4 5\n6 7 8 9 10\n") << " " << -3
                                         << QStringList{"1", "2", "3", "4", "5"}
                                         << QStringList{"B.:001 : :-01-02-44-04 ->3", "B.:002 : :-06-07-08-09-10 ->0"}
                                         << QStringList{"0", "0", "1", "0"};
        QTest::newRow("no separator chosen")
            << QByteArray("9 8 7 6 5\n") << "" << 0 << QStringList{"5", "6", "7", "8", "9"}
            << QStringList{"B.:001 : :-09-08-07-06-05 ->5"} << QStringList{"1", "0", "0", "0"};
    }

    void externalWheelFileIsScored() {
        QFETCH(QByteArray, content);
        QFETCH(QString, separator);
        QFETCH(int, skip);
        QFETCH(QStringList, draw);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, counts);
        Rig rig;
        ExternalWheel wheel;
        wheel.fileName = writeWheelFile(rig, "wheel.txt", content);
        wheel.separator = separator.toStdString();
        wheel.linesToSkip = skip;
        wheel.map[3] = 44;
        rig.window.setExternalMode(wheel);
        rig.window.show();
        typeDraw(rig, draw);
        rig.press("button1");
        QVERIFY(rig.platform.messages().isEmpty());
        QCOMPARE(listed(rig), lines);
        QCOMPARE(summary(rig), counts);
    }

    void unreadableWheelFileShowsTheFailureBox_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("no file chosen") << QString();
        QTest::newRow("a file that is not there") << QStringLiteral("missing.txt");
    }

    void unreadableWheelFileShowsTheFailureBox() {
        QFETCH(QString, file);
        Rig rig;
        // A result of an earlier comparison does not stay beside the failure.
        ExternalWheel good;
        good.fileName = writeWheelFile(rig, "good.txt", "1 2 3 4 5\n");
        rig.window.setExternalMode(good);
        rig.window.show();
        typeDraw(rig, {"1", "2", "3", "4", "5"});
        rig.press("button1");
        QCOMPARE(summary(rig), (QStringList{"1", "0", "0", "0"}));

        ExternalWheel wheel;
        if (!file.isEmpty()) wheel.fileName = (rig.programDir() / file.toStdString()).string();
        rig.window.setExternalMode(wheel);
        rig.press("button1");
        QCOMPARE(rig.platform.messages().size(), 1);
        QCOMPARE(rig.platform.messages().first().text, QStringLiteral("Erreur/Error"));
        QCOMPARE(rig.platform.messages().first().title, QStringLiteral("Erreur dans Pimprimebulletinfichier"));
        QVERIFY(listed(rig).isEmpty());
        QCOMPARE(summary(rig), (QStringList{"", "", "", ""}));
        QVERIFY(rig.find(QStringLiteral("button1"))->isEnabled());
    }

    void closingTheWindowStopsALongComparison() {
        Rig rig;
        const int boards = 2000000;
        const std::string file = writeBigWheel(rig, boards);
        ExternalWheel wheel;
        wheel.fileName = file;
        wheel.separator = ",";
        rig.window.setExternalMode(wheel);
        rig.window.show();
        typeDraw(rig, {"1", "2", "3", "4", "5"});
        // The first round of events the comparison lets through closes the window.
        QTimer::singleShot(0, &rig.window, [&rig] { rig.window.close(); });
        rig.press("button1");
        QVERIFY(!rig.window.isVisible());
        QVERIFY(!rig.window.comparing());
        checkStoppedPartWay(rig, boards);
    }

    void cancelStopsALongComparison() {
        Rig rig;
        const int boards = 2000000;
        ExternalWheel wheel;
        wheel.fileName = writeBigWheel(rig, boards);
        wheel.separator = ",";
        rig.window.setExternalMode(wheel);
        rig.window.show();
        typeDraw(rig, {"1", "2", "3", "4", "5"});
        // The desktop keeps the window busy for a while at the first round of events, so that the
        // progress dialog is due long before the file is read; then the player presses Cancel.
        QTimer::singleShot(0, &rig.window, [] { QThread::msleep(LongPass::kDialogDelayMs); });
        bool buttonsDisabled = false;
        QTimer canceller;
        QObject::connect(&canceller, &QTimer::timeout, &rig.window, [&] {
            QProgressDialog* dialog = visibleProgressDialog();
            if (dialog == nullptr) return;
            buttonsDisabled =
                !rig.find(QStringLiteral("button1"))->isEnabled() && !rig.find(QStringLiteral("BitBtn1"))->isEnabled();
            QCOMPARE(dialog->labelText(), QString::fromUtf8(programText(ProgramText::Working, 1).data()));
            dialog->findChild<QPushButton*>()->click();
        });
        canceller.start(0);
        rig.press("button1");
        canceller.stop();
        QVERIFY(buttonsDisabled);
        QVERIFY(rig.window.isVisible());
        QVERIFY(rig.find(QStringLiteral("button1"))->isEnabled());
        QCOMPARE(visibleProgressDialog(), nullptr);
        checkStoppedPartWay(rig, boards);
    }

private:
    static std::string writeBigWheel(Rig& rig, int boards) {
        QByteArray content;
        content.reserve(boards * 10);
        for (int k = 0; k < boards; ++k) content.append("1,2,3,4,5\n");
        return writeWheelFile(rig, "big.txt", content);
    }

    // What was listed stays and is shown whole; the counts, which would speak for the whole
    // wheel, are not shown, and no failure is reported.
    static void checkStoppedPartWay(const Rig& rig, int boards) {
        const auto* model =
            qobject_cast<const LineListModel*>(rig.find<QListView>(QStringLiteral("listresul"))->model());
        QVERIFY(model->lineCount() > 0);
        QVERIFY2(model->lineCount() < boards, qPrintable(QString::number(model->lineCount())));
        QCOMPARE(model->rowCount(), model->lineCount());
        const std::string_view last = model->line(model->lineCount() - 1);
        QCOMPARE(QString::fromUtf8(last.data(), static_cast<qsizetype>(last.size())),
                 QStringLiteral("B.:%1 : :-01-02-03-04-05 ->5").arg(model->lineCount(), 3, 10, QLatin1Char('0')));
        QCOMPARE(summary(rig), (QStringList{"", "", "", ""}));
        QVERIFY(rig.platform.messages().isEmpty());
    }
};

QTEST_MAIN(ComparisonWindowTest)
#include "comparisonwindow_test.moc"
