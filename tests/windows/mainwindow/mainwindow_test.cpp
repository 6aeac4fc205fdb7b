// The main window driven as the player drives it: boxes, game types, the wheel list, the output
// commands, the random pick and the clear button.

#include <QComboBox>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTabWidget>

#include <algorithm>

#include <QAbstractItemView>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "windows/common/entrylists.h"
#include "windows/externalwheels/externalwheelstab.h"
#include "windows/common/pictures.h"
#include "windows/mainwindow/mainwindowtexts.h"
#include "windows/captionsfit.h"
#include "windows/windowrig.h"

using namespace norvex5;
using norvex5::testing::MainWindowRig;
using Shown = MainWindowRig::Shown;

// The New York ticket shows only the top of its picture, as designed.
constexpr int kNewYorkPictureHeight = 168;

Q_DECLARE_METATYPE(Shown)

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void windowIsTheDesignedSize();
    void boxPicturesDiffer();
    void clicksChangeStatesAndCounters_data();
    void clicksChangeStatesAndCounters();
    void middleButtonOnlyRecounts();
    void gameTypeButtons_data();
    void gameTypeButtons();
    void cutPictureGetsItsHeightBack();
    void boxesSitOverThePicture_data();
    void boxesSitOverThePicture();
    void hiddenGameTypesPlaceTheirBoxes_data();
    void hiddenGameTypesPlaceTheirBoxes();
    void numberFiftyKeptAfterSwitchingToFortyNine();
    void missingPictureIsReported();
    void startDecodesOnlyTheTicketItShows();
    void wheelListInSortedOrder();
    void outputCommands_data();
    void outputCommands();
    void fixedNumbersRefusedSayWhatTheWheelPlays_data();
    void fixedNumbersRefusedSayWhatTheWheelPlays();
    void randomPick_data();
    void randomPick();
    void randomPickWithoutWheelDoesNothing();
    void clearButtonKeepsNumbersWithoutBoxes();
    void languageChangeInParametersWindow_data();
    void languageChangeInParametersWindow();
    void secondActivationRunsNothing();
    void startUpShowsTheExternalTabFromItsStart();
    void openWheelListShowsWholeTitles_data();
    void openWheelListShowsWholeTitles();
    void keyboardReachesTheCommands();
    void captionsFitInEveryLanguage_data();
    void captionsFitInEveryLanguage();
};

void MainWindowTest::windowIsTheDesignedSize() {
    MainWindowRig rig;
    rig.start();
    QCOMPARE(rig.window.windowTitle(), QStringLiteral("NORVEX5"));
    QCOMPARE(rig.window.centralWidget()->size(), QSize(663, 464));
    QVERIFY(rig.window.minimumSize() == rig.window.maximumSize());
    // The gradient is the first child of the client area and fills it.
    auto* gradient = rig.window.centralWidget()->findChild<QWidget*>(QStringLiteral("DegradeClass1"));
    QVERIFY(gradient != nullptr);
    QCOMPARE(rig.window.centralWidget()->children().first(), gradient);
    QCOMPARE(gradient->geometry(), rig.window.centralWidget()->rect());
    for (const char* name :
         {"SpeedButton2",   "boutaide",      "PageControl1", "Tabsysinterne",  "tabsysexterne", "pgrille",
          "labclickgauche", "labclickdroit", "Gtype",        "ltitrechoix",    "spinfosysteme", "gcasecoche",
          "nbcoch",         "labnbFix",      "LabNbFixgb",   "bvoirbulletin",  "bimplistbull",  "bimpbull",
          "bcomparer",      "bnaleat",       "beffacer",     "bderniertirage", "bquitter",      "icroix1",
          "icroix59"})
        QVERIFY2(rig.window.findChild<QWidget*>(QLatin1String(name)) != nullptr, name);
    for (const char* name :
         {"Chargerbulletin1", "EnregistrerBulletin1", "mQuitter1", "mVoirlesbulletins1", "mVoirlalistedesbulletins1",
          "mCompareraveclesrsultats1", "Imprimerlesbulletins1", "Paramtres1", "Aideenligne1", "Infos1"})
        QVERIFY2(rig.window.findChild<QAction*>(QLatin1String(name)) != nullptr, name);
    QVERIFY(rig.find<QLabel>(QStringLiteral("LabNbFixgb"))->isHidden());
    // A misspelt name in the text table would leave its control in French for good.
    QCOMPARE(applyWindowTexts(rig.window, mainWindowTexts(), rig.state.messageLookup()), QStringList());
}

void MainWindowTest::boxPicturesDiffer() {
    // Every other check of box pictures leans on these three being real and distinct.
    MainWindowRig rig;
    const QImage empty = rig.pictures.box(BoxPicture::Empty).toImage();
    const QImage ticked = rig.pictures.box(BoxPicture::Ticked).toImage();
    const QImage fixed = rig.pictures.box(BoxPicture::Fixed).toImage();
    QVERIFY(!empty.isNull() && !ticked.isNull() && !fixed.isNull());
    QVERIFY(empty != ticked && ticked != fixed && empty != fixed);
    for (const TicketPicture picture : ticketPictures()) {
        const QString name = QString::fromLatin1(picture.data(), static_cast<int>(picture.size()));
        QVERIFY2(!loadTicketPicture(picture).isNull(), qPrintable(name));
    }
}

void MainWindowTest::clicksChangeStatesAndCounters_data() {
    QTest::addColumn<QString>("clicks");  // L left, R right, on box 7
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("ticked");
    QTest::addColumn<int>("fixed");
    QTest::addColumn<Shown>("picture");
    QTest::newRow("left on a free box") << "L" << int(kSelected) << 1 << 0 << Shown::Ticked;
    QTest::newRow("left on a selected box") << "LL" << int(kFree) << 0 << 0 << Shown::Empty;
    QTest::newRow("right on a free box") << "R" << int(kFixed) << 1 << 1 << Shown::Fixed;
    QTest::newRow("right on a selected box") << "LR" << int(kFixed) << 1 << 1 << Shown::Fixed;
    QTest::newRow("left on a fixed box frees it") << "RL" << int(kFree) << 0 << 0 << Shown::Empty;
    QTest::newRow("right on a fixed box") << "RR" << int(kFree) << 0 << 0 << Shown::Empty;
    QTest::newRow("right, left, left") << "RLL" << int(kSelected) << 1 << 0 << Shown::Ticked;
}

void MainWindowTest::clicksChangeStatesAndCounters() {
    QFETCH(QString, clicks);
    MainWindowRig rig;
    rig.start();
    rig.clickBox(30, Qt::LeftButton);  // another number, counted alongside
    for (const QChar c : clicks) rig.clickBox(7, c == QLatin1Char('L') ? Qt::LeftButton : Qt::RightButton);
    QTEST(int(rig.state.selection[7]), "state");
    QFETCH(int, ticked);
    QFETCH(int, fixed);
    QCOMPARE(rig.label("nbcoch"), QString::number(ticked + 1));
    QCOMPARE(rig.label("labnbFix"), QString::number(fixed));
    QTEST(rig.shown(7), "picture");
    QCOMPARE(rig.shown(30), Shown::Ticked);
}

void MainWindowTest::middleButtonOnlyRecounts() {
    MainWindowRig rig;
    rig.start();
    rig.clickBox(7, Qt::LeftButton);
    rig.state.selection[20] = kFixed;  // changed behind the counters' back
    rig.clickBox(7, Qt::MiddleButton);
    QCOMPARE(rig.state.selection[7], kSelected);
    QCOMPARE(rig.label("nbcoch"), QStringLiteral("2"));
    QCOMPARE(rig.label("labnbFix"), QStringLiteral("1"));
}

void MainWindowTest::gameTypeButtons_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("gameType");
    QTest::addColumn<int>("highest");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("cut");
    QTest::newRow("NYTake5") << "Rfrance"
                             << "rautriche" << 6 << 39 << "igrille1swisslog" << true;
    QTest::newRow("back to 49 from 39") << "rautriche"
                                        << "rportugal" << 4 << 49 << "igrille1suisse" << false;
    QTest::newRow("Florida") << "Rfrance"
                             << "rflorida" << 7 << 50 << "igrille7" << false;
    QTest::newRow("S Carolina") << "rautriche"
                                << "rticketncarl" << 8 << 50 << "igrille8" << false;
    QTest::newRow("France") << "rflorida"
                            << "Rfrance" << 1 << 49 << "igrille1" << false;
}

void MainWindowTest::gameTypeButtons() {
    QFETCH(QString, before);
    QFETCH(QString, button);
    QFETCH(int, highest);
    QFETCH(QString, picture);
    QFETCH(bool, cut);
    MainWindowRig rig;
    rig.start();
    rig.state.selection[3] = kSelected;
    rig.find<QRadioButton>(before)->click();
    rig.find<QRadioButton>(button)->click();

    QTEST(int(rig.state.parameters.gameType), "gameType");
    QCOMPARE(rig.state.parameters.highestNumber, highest);
    for (int n = 1; n <= 59; ++n) QCOMPARE(rig.box(n)->isVisibleTo(&rig.window), n <= highest);
    QVERIFY(rig.picture()->isVisibleTo(&rig.window));
    const QPixmap source = rig.pictures.ticket(picture.toStdString());
    QCOMPARE(rig.picture()->pixmap().toImage(), source.toImage());
    QCOMPARE(rig.picture()->pos(), QPoint(kPictureLeft, kPictureTop));
    QCOMPARE(rig.picture()->width(), source.width());
    QCOMPARE(rig.picture()->height(), cut ? kNewYorkPictureHeight : source.height());
    QCOMPARE(rig.state.selection[3], kSelected);  // switching never touches the selection
}

void MainWindowTest::cutPictureGetsItsHeightBack() {
    MainWindowRig rig;
    rig.start();
    rig.find<QRadioButton>(QStringLiteral("rautriche"))->click();
    QCOMPARE(rig.picture()->height(), kNewYorkPictureHeight);
    QVERIFY(rig.pictures.ticket("igrille1swisslog").height() > kNewYorkPictureHeight);
    rig.find<QRadioButton>(QStringLiteral("rflorida"))->click();
    QCOMPARE(rig.picture()->height(), rig.pictures.ticket("igrille7").height());
}

void MainWindowTest::boxesSitOverThePicture_data() {
    QTest::addColumn<QString>("button");
    for (const char* button : {"Rfrance", "rportugal", "rautriche", "rflorida", "rticketncarl"})
        QTest::newRow(button) << QString::fromLatin1(button);
}

void MainWindowTest::boxesSitOverThePicture() {
    // A box outside the picture would cover nothing the player can read.
    QFETCH(QString, button);
    MainWindowRig rig;
    rig.start();
    rig.find<QRadioButton>(button)->click();
    const QRect shown = rig.picture()->geometry();
    const QImage ticket = rig.picture()->pixmap().toImage();
    for (int n = 1; n <= rig.state.parameters.highestNumber; ++n) {
        const QRect box = rig.box(n)->geometry();
        QVERIFY2(shown.contains(box), qPrintable(QStringLiteral("box %1").arg(n)));
        // Under the box's left edge the ticket prints the frame of the number's cell; just left
        // of it lies bare paper.
        const QPoint edge = box.topLeft() - shown.topLeft() + QPoint(0, kBoxHeight / 2);
        QVERIFY2(qGray(ticket.pixel(edge)) < 170, qPrintable(QStringLiteral("no cell under box %1").arg(n)));
        QVERIFY2(qGray(ticket.pixel(edge - QPoint(2, 0))) > 200,
                 qPrintable(QStringLiteral("box %1 off its cell").arg(n)));
        QCOMPARE(box.size(), QSize(kBoxWidth, kBoxHeight));
        for (int m = 1; m < n; ++m)
            QVERIFY2(!rig.box(m)->geometry().intersects(box), qPrintable(QStringLiteral("%1 over %2").arg(n).arg(m)));
    }
}

void MainWindowTest::hiddenGameTypesPlaceTheirBoxes_data() {
    // Boxes laid out through the window, for codes only a parameters file can choose.
    QTest::addColumn<int>("gameType");
    QTest::addColumn<int>("number");
    QTest::addColumn<QPoint>("at");
    QTest::newRow("0 as 1, box 18 starts row 2") << 0 << 18 << QPoint(9, 77);
    QTest::newRow("2, box 49 alone on row 7") << 2 << 49 << QPoint(9, 184);
    QTest::newRow("2, grid B 53") << 2 << 53 << QPoint(293, 95);
    QTest::newRow("2, grid B 56") << 2 << 56 << QPoint(296, 136);
    QTest::newRow("3, box 10 column-major") << 3 << 10 << QPoint(30, 56);
    QTest::newRow("5, box 50") << 5 << 50 << QPoint(94, 244);
    QTest::newRow("8, box 29 beside box 1") << 8 << 29 << QPoint(173, 72);
}

void MainWindowTest::hiddenGameTypesPlaceTheirBoxes() {
    QFETCH(int, gameType);
    QFETCH(int, number);
    MainWindowRig rig;
    ParameterRecord record;
    record.gameType = gameType;
    record.highestNumber = 50;
    rig.writeParameters(record);
    rig.start();
    QTEST(rig.box(number)->pos(), "at");
    QCOMPARE(rig.state.parameters.gameType, gameType == 0 ? 1 : gameType);
}

void MainWindowTest::numberFiftyKeptAfterSwitchingToFortyNine() {
    MainWindowRig rig;
    rig.start();
    rig.find<QRadioButton>(QStringLiteral("rflorida"))->click();
    QVERIFY(rig.box(50)->isVisibleTo(&rig.window));
    rig.clickBox(50, Qt::LeftButton);
    rig.find<QRadioButton>(QStringLiteral("Rfrance"))->click();
    QVERIFY(!rig.box(50)->isVisibleTo(&rig.window));
    QCOMPARE(rig.state.selection[50], kSelected);
    QCOMPARE(rig.label("nbcoch"), QStringLiteral("1"));
    QCOMPARE(rig.shown(50), Shown::Ticked);
}

void MainWindowTest::startDecodesOnlyTheTicketItShows() {
    std::vector<TicketPicture> decoded;
    MainWindowRig rig([&decoded](TicketPicture picture) {
        decoded.push_back(picture);
        return loadTicketPicture(picture);
    });
    rig.start();
    QCOMPARE(decoded, std::vector<TicketPicture>{"igrille1"});
    // A ticket shown before keeps its picture.
    for (const char* button : {"rflorida", "Rfrance", "rflorida"}) rig.find<QRadioButton>(QLatin1String(button))->click();
    QCOMPARE(decoded, (std::vector<TicketPicture>{"igrille1", "igrille7"}));
}

void MainWindowTest::missingPictureIsReported() {
    // The Florida picture is lost; the others are there.
    MainWindowRig rig([](TicketPicture picture) {
        return picture == "igrille7" ? QPixmap() : loadTicketPicture(picture);
    });
    rig.start();
    rig.find<QRadioButton>(QStringLiteral("rticketncarl"))->click();
    rig.find<QRadioButton>(QStringLiteral("Rfrance"))->click();
    QVERIFY(rig.platform.messages().isEmpty());
    rig.find<QRadioButton>(QStringLiteral("rflorida"))->click();
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages().first().text, QStringLiteral("erreur positionnecase"));
    QCOMPARE(rig.state.parameters.gameType, 7);
}

void MainWindowTest::wheelListInSortedOrder() {
    for (int language : {1, 2}) {
        MainWindowRig rig;
        ParameterRecord record;
        record.language = language;
        rig.writeParameters(record);
        rig.start();
        auto* list = rig.find<QComboBox>(QStringLiteral("ComboBox1"));
        std::vector<int> order;
        for (int i = 0; i < list->count(); ++i) order.push_back(wheelNumberFromEntry(list->itemText(i).toStdString()));
        QCOMPARE(order, (std::vector<int>{1, 2, 6, 4, 3, 7, 8, 5}));
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(rig.window.selectedWheelNumber(), 1);
        QCOMPARE(list->itemText(2).toStdString(), wheelListEntry(6, rig.state.messageLookup()));
        // The open list shows the titles without their hidden numbers.
        auto* rows = qobject_cast<QStyledItemDelegate*>(list->itemDelegate());
        QVERIFY(rows != nullptr);
        for (int i = 0; i < list->count(); ++i)
            QCOMPARE(rows->displayText(list->itemText(i), QLocale()).toStdString(),
                     wheelTitle(order[i], false, rig.state.messageLookup()));
    }
}

void MainWindowTest::outputCommands_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("window");  // 0 viewer, 1 list, 2 ticket printing, 3 comparison
    QTest::newRow("bvoirbulletin") << "bvoirbulletin" << 0;
    QTest::newRow("mVoirlesbulletins1") << "mVoirlesbulletins1" << 0;
    QTest::newRow("bimplistbull") << "bimplistbull" << 1;
    QTest::newRow("mVoirlalistedesbulletins1") << "mVoirlalistedesbulletins1" << 1;
    QTest::newRow("bimpbull") << "bimpbull" << 2;
    QTest::newRow("Imprimerlesbulletins1") << "Imprimerlesbulletins1" << 2;
    QTest::newRow("bcomparer") << "bcomparer" << 3;
    QTest::newRow("mCompareraveclesrsultats1") << "mCompareraveclesrsultats1" << 3;
}

void MainWindowTest::outputCommands() {
    QFETCH(QString, control);
    QFETCH(int, window);
    MainWindowRig rig;
    std::array<int, 4> opened{};
    std::array<int, 70 + 1> listWhenOpened{};
    auto open = [&](int w) {
        return [&, w] {
            ++opened[w];
            std::copy(rig.state.expansion.numberList.begin(), rig.state.expansion.numberList.end(),
                      listWhenOpened.begin());
        };
    };
    rig.window.hooks().boardViewer = open(0);
    rig.window.hooks().boardList = open(1);
    rig.window.hooks().ticketPrinting = open(2);
    rig.window.hooks().internalComparison = open(3);
    rig.start();
    QCOMPARE(rig.window.selectedWheelNumber(), 1);  // 6 numbers

    // Five numbers for a wheel of six: refused, nothing prepared, nothing opened. The message
    // says what the wheel plays and what is ticked.
    for (int n : {40, 2, 17, 9, 33}) rig.clickBox(n, Qt::LeftButton);
    rig.press(control.toLatin1().constData());
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages()[0].text,
             rig.message(109) + QStringLiteral("\nCe système joue 6\u00a0numéros, aucun fixe ; vous en avez coché\u00a05 et fixé\u00a00"));
    QCOMPARE(rig.platform.messages()[0].title, rig.message(46));
    QVERIFY(!rig.platform.messages()[0].text.isEmpty());
    QCOMPARE(rig.platform.messages()[0].buttons, Platform::Buttons::Ok);
    QCOMPARE(opened, (std::array<int, 4>{}));
    QCOMPARE(rig.state.expansion.numberList[1], 0);

    // A sixth number: the list is prepared in ascending order and the window opens.
    rig.clickBox(21, Qt::LeftButton);
    rig.press(control.toLatin1().constData());
    QCOMPARE(rig.platform.messages().size(), 1);
    std::array<int, 4> expected{};
    expected[window] = 1;
    QCOMPARE(opened, expected);
    const std::vector<int> list(listWhenOpened.begin() + 1, listWhenOpened.begin() + 8);
    QCOMPARE(list, (std::vector<int>{2, 9, 17, 21, 33, 40, 0}));

    // Six numbers of which one is fixed do not fit a wheel without fixed numbers.
    rig.clickBox(21, Qt::RightButton);
    rig.press(control.toLatin1().constData());
    QCOMPARE(rig.platform.messages().size(), 2);
    QCOMPARE(rig.platform.messages()[1].text,
             rig.message(109) + QStringLiteral("\nCe système joue 6\u00a0numéros, aucun fixe ; vous en avez coché\u00a05 et fixé\u00a01"));
    QCOMPARE(opened, expected);
}

void MainWindowTest::fixedNumbersRefusedSayWhatTheWheelPlays_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("secondLine");
    QTest::newRow("English") << 2 << "This wheel plays 6 numbers, none fixed; you ticked 5 and fixed 1";
    QTest::newRow("German") << 7 << "Dieses System spielt 6\u00a0Zahlen, keine davon fest; Sie haben 5\u00a0angekreuzt und 1\u00a0festgelegt";
}

void MainWindowTest::fixedNumbersRefusedSayWhatTheWheelPlays() {
    QFETCH(int, language);
    QFETCH(QString, secondLine);
    MainWindowRig rig;
    ParameterRecord record;
    record.language = language;
    rig.writeParameters(record);
    bool checked = false;
    rig.window.hooks().wheelCheck = [&] { checked = true; };
    rig.start();
    QVERIFY(rig.chooseWheel(1));
    for (int n : {3, 8, 19, 24, 31}) rig.clickBox(n, Qt::LeftButton);
    rig.clickBox(44, Qt::RightButton);
    // Every command that runs the chosen wheel over the ticked numbers says the same.
    for (const char* command : {"bvoirbulletin", "bcomparer", "mVerifierSysteme"}) rig.press(command);
    QCOMPARE(rig.platform.messages().size(), 3);
    for (const auto& shown : rig.platform.messages()) {
        QCOMPARE(shown.text, rig.message(109) + QStringLiteral("\n") + secondLine);
        QCOMPARE(shown.title, rig.message(46));
    }
    QVERIFY(!checked);
}

void MainWindowTest::randomPick_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("wheel");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("highest");
    QTest::newRow("NYTake5, wheel of 13") << "rautriche" << 5 << 13 << 39;
    QTest::newRow("Florida, wheel of 10") << "rflorida" << 8 << 10 << 50;
    QTest::newRow("France, wheel of 6") << "Rfrance" << 1 << 6 << 49;
}

void MainWindowTest::randomPick() {
    QFETCH(QString, button);
    QFETCH(int, wheel);
    QFETCH(int, count);
    QFETCH(int, highest);
    MainWindowRig rig;
    rig.start();
    rig.find<QRadioButton>(button)->click();
    QVERIFY(rig.chooseWheel(wheel));
    rig.clickBox(5, Qt::RightButton);
    rig.clickBox(6, Qt::LeftButton);
    rig.state.selection[55] = kSelected;

    std::array<int, 51> seen{};
    for (int round = 0; round < 60; ++round) {
        rig.press("bnaleat");
        int selected = 0;
        for (int n = 1; n <= 50; ++n) {
            QVERIFY2(rig.state.selection[n] != kFixed, "fixed numbers are replaced");
            if (rig.state.selection[n] == kSelected) {
                QVERIFY2(n <= highest, qPrintable(QStringLiteral("%1 is not on the ticket").arg(n)));
                ++selected;
                ++seen[n];
            }
            QCOMPARE(rig.shown(n), rig.state.selection[n] == kSelected ? Shown::Ticked : Shown::Empty);
        }
        QCOMPARE(selected, count);
        QCOMPARE(rig.label("nbcoch"), QString::number(count));
        QCOMPARE(rig.label("labnbFix"), QStringLiteral("0"));
    }
    QCOMPARE(rig.state.selection[55], kSelected);  // grid B untouched
    // Sixty draws reach well beyond the first numbers of the ticket.
    QVERIFY(std::count_if(seen.begin() + 1, seen.end(), [](int k) { return k > 0; }) > highest / 2);
    QCOMPARE(rig.window.selectedWheelNumber(), wheel);
}

void MainWindowTest::randomPickWithoutWheelDoesNothing() {
    MainWindowRig rig;
    rig.start();
    rig.clickBox(4, Qt::LeftButton);
    rig.find<QComboBox>(QStringLiteral("ComboBox1"))->setCurrentIndex(-1);
    rig.press("bnaleat");
    QCOMPARE(rig.state.selection[4], kSelected);
    QCOMPARE(rig.label("nbcoch"), QStringLiteral("1"));
}

void MainWindowTest::clearButtonKeepsNumbersWithoutBoxes() {
    MainWindowRig rig;
    rig.start();
    rig.clickBox(3, Qt::LeftButton);
    rig.clickBox(4, Qt::RightButton);
    rig.state.selection[59] = kSelected;
    rig.state.selection[65] = kFixed;
    rig.press("beffacer");
    for (int n = 1; n <= 59; ++n) QCOMPARE(rig.state.selection[n], kFree);
    QCOMPARE(rig.state.selection[65], kFixed);
    QCOMPARE(rig.label("nbcoch"), QStringLiteral("0"));
    QCOMPARE(rig.label("labnbFix"), QStringLiteral("0"));
    QCOMPARE(rig.label("LabNbFixgb"), QStringLiteral("1"));
    QCOMPARE(rig.shown(3), Shown::Empty);
    QCOMPARE(rig.shown(4), Shown::Empty);
}

void MainWindowTest::languageChangeInParametersWindow_data() {
    QTest::addColumn<int>("newLanguage");
    QTest::newRow("offsets only") << 1;
    QTest::newRow("English") << 2;
    QTest::newRow("Croatian") << 6;
    QTest::newRow("German") << 7;
}

// The list is rebuilt in the new language; the wheel chosen stays chosen, and the numbers ticked
// for it still fit it.
void MainWindowTest::languageChangeInParametersWindow() {
    QFETCH(int, newLanguage);
    MainWindowRig rig;
    rig.window.hooks().parametersWindow = [&] {
        rig.state.parameters.language = newLanguage;
        rig.state.parameters.horizontalOffset = -3;
    };
    bool compared = false;
    rig.window.hooks().internalComparison = [&] { compared = true; };
    rig.start();
    QVERIFY(rig.chooseWheel(5));
    for (int n = 1; n <= 13; ++n) rig.clickBox(n, Qt::LeftButton);
    rig.press("Paramtres1");
    QCOMPARE(rig.window.selectedWheelNumber(), 5);
    QCOMPARE(rig.state.selectedWheel, 5);
    QCOMPARE(rig.find<QComboBox>(QStringLiteral("ComboBox1"))->currentText().toStdString(),
             wheelListEntry(5, rig.state.messageLookup()));
    rig.press("bcomparer");
    QVERIFY(rig.platform.messages().isEmpty());
    QVERIFY(compared);
    QCOMPARE(rig.find<QAbstractButton>(QStringLiteral("bquitter"))->text(), rig.message(21));
    auto* tabs = rig.find<QTabWidget>(QStringLiteral("PageControl1"));
    QCOMPARE(tabs->tabText(0), rig.message(175));
    // The hints of the two picture buttons follow as well.
    QCOMPARE(rig.find<QWidget>(QStringLiteral("SpeedButton2"))->toolTip(), rig.message(47));
    QCOMPARE(rig.find<QWidget>(QStringLiteral("spinfosysteme"))->toolTip(), rig.message(32));
    // Every menu title follows, the options menu too (its mnemonic "&" aside).
    QCOMPARE(rig.find<QMenu>(QStringLiteral("Options1"))->title().remove(QLatin1Char('&')), rig.message(122));
    QCOMPARE(rig.find<QMenu>(QStringLiteral("Options1"))->title().remove(QLatin1Char('&')) == QStringLiteral("Options"),
             newLanguage <= 2);
    QCOMPARE(rig.find<QComboBox>(QStringLiteral("ComboBox1"))->itemText(0).toStdString(),
             wheelListEntry(1, rig.state.messageLookup()));
    QCOMPARE(rig.state.parameters.gameType, 1);
}

void MainWindowTest::secondActivationRunsNothing() {
    int firstRun = 0;
    MainWindowRig rig;
    rig.window.hooks().firstRunLanguage = [&] { ++firstRun; };
    rig.start();
    QCOMPARE(firstRun, 1);
    QVERIFY(rig.chooseWheel(3));
    rig.clickBox(12, Qt::LeftButton);
    rig.window.activate();
    rig.window.hide();
    rig.window.show();
    QCOMPARE(firstRun, 1);
    QCOMPARE(rig.state.selection[12], kSelected);
    QCOMPARE(rig.window.selectedWheelNumber(), 3);
}

// A tab built before the start-up (a wheel sent to it, say) opens on its first page, no lines skipped.
void MainWindowTest::startUpShowsTheExternalTabFromItsStart() {
    MainWindowRig rig;
    ExternalWheelsTab& tab = rig.window.externalTab();
    rig.find<QTabWidget>(QStringLiteral("Pagecontrolfic"))->setCurrentIndex(2);
    auto* skip = rig.find<QComboBox>(QStringLiteral("combligne"));
    QVERIFY(skip->count() > 2);
    skip->setCurrentIndex(2);
    QCOMPARE(tab.page(), 3);
    rig.start();
    QCOMPARE(tab.page(), 1);
    QCOMPARE(skip->currentIndex(), 0);
}

void MainWindowTest::captionsFitInEveryLanguage_data() {
    testing::addLanguageRows();
}

// The buttons and labels over the ticket keep their designed places; a longer language must still
// find room in them, on the first page and on the external tab's first page alike.
void MainWindowTest::captionsFitInEveryLanguage() {
    QFETCH(int, language);
    MainWindowRig rig;
    rig.startIn(language);
    QStringList cut = testing::cutCaptions(rig.window);
    rig.find<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
    cut << testing::cutCaptions(rig.window);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
}

int main(int argc, char* argv[]) {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication application(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

void MainWindowTest::openWheelListShowsWholeTitles_data() {
    testing::addLanguageRows();
}

void MainWindowTest::openWheelListShowsWholeTitles() {
    QFETCH(int, language);
    MainWindowRig rig;
    rig.startIn(language);
    auto* list = rig.find<QComboBox>(QStringLiteral("ComboBox1"));
    const auto* rows = qobject_cast<QStyledItemDelegate*>(list->itemDelegate());
    int longest = 0;
    for (int i = 0; i < list->count(); ++i)
        longest = std::max(
            longest, list->view()->fontMetrics().horizontalAdvance(rows->displayText(list->itemText(i), QLocale())));
    list->showPopup();
    const int open = list->view()->viewport()->width();
    list->hidePopup();
    QVERIFY2(open >= longest, qPrintable(QStringLiteral("%1 < %2").arg(open).arg(longest)));
    QVERIFY(open >= list->width() - 40);
    QVERIFY(list->view()->window()->width() <= list->screen()->availableGeometry().width());
    // The closed box may be too narrow for a title: its hint holds the whole title.
    QCOMPARE(list->toolTip(), rows->displayText(list->currentText(), QLocale()));
    QVERIFY(!list->toolTip().isEmpty());
    // Yet every title is shown whole in the closed box too, if a little smaller.
    for (int i = 0; i < list->count(); ++i) {
        list->setCurrentIndex(i);
        const ClosedEntry shown = closedEntryText(*list);
        QCOMPARE(shown.text, rows->displayText(list->itemText(i), QLocale()).simplified());
        QVERIFY(shown.font.pixelSize() >= 10);
    }
}

void MainWindowTest::keyboardReachesTheCommands() {
    MainWindowRig rig;
    rig.start();
    QCOMPARE(rig.find<QAction>(QStringLiteral("Chargerbulletin1"))->shortcut(), QKeySequence(QKeySequence::Open));
    QCOMPARE(rig.find<QAction>(QStringLiteral("EnregistrerBulletin1"))->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(rig.find<QAction>(QStringLiteral("Imprimerlesbulletins1"))->shortcut(), QKeySequence(QKeySequence::Print));
    QCOMPARE(rig.find<QAction>(QStringLiteral("mQuitter1"))->shortcut(), QKeySequence(QKeySequence::Quit));
    QCOMPARE(rig.find<QAction>(QStringLiteral("Aideenligne1"))->shortcut(), QKeySequence(QKeySequence::HelpContents));

    // Every menu title carries its own Alt letter, and none is taken twice.
    QString letters;
    for (QAction* menu : rig.window.menuBar()->actions()) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(menu->text());
        QVERIFY2(!mnemonic.isEmpty(), qPrintable(menu->text()));
        const QString letter = mnemonic.toString().right(1).toLower();
        QVERIFY2(!letters.contains(letter), qPrintable(menu->text()));
        letters += letter;
    }

    // Space ticks the box that has the focus, Shift+Space fixes it.
    rig.box(7)->setFocus();
    QTest::keyClick(rig.box(7), Qt::Key_Space);
    QCOMPARE(rig.shown(7), MainWindowRig::Shown::Ticked);
    QTest::keyClick(rig.box(7), Qt::Key_Space, Qt::ShiftModifier);
    QCOMPARE(rig.shown(7), MainWindowRig::Shown::Fixed);
    QCOMPARE(rig.label("labnbFix"), QStringLiteral("1"));

    // Tab runs across the ticket in number order, then down the right-hand column.
    QStringList order;
    QWidget* focus = rig.box(1);
    for (int k = 0; k < 200 && order.size() < 70; ++k) {
        if (focus->isVisibleTo(&rig.window) && (focus->focusPolicy() & Qt::TabFocus)) order << focus->objectName();
        focus = focus->nextInFocusChain();
        if (focus == rig.box(1)) break;
    }
    QCOMPARE(order.mid(0, 3), (QStringList{"icroix1", "icroix2", "icroix3"}));
    QCOMPARE(order.indexOf(QStringLiteral("icroix49")) + 1, order.indexOf(QStringLiteral("Rfrance")));
    const QStringList column{"ComboBox1", "spinfosysteme", "bvoirbulletin", "bimplistbull",   "bimpbull",
                             "bcomparer", "bnaleat",       "beffacer",      "bderniertirage", "bquitter"};
    const qsizetype start = order.indexOf(column.first());
    QVERIFY(start > order.indexOf(QStringLiteral("rticketncarl")));
    QCOMPARE(order.mid(start, column.size()), column);
}

#include "mainwindow_test.moc"
