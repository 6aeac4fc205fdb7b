// The program as a player meets it: every command of the main window opens the window it names,
// with the windows built and wired the way the program builds them.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <csignal>
#include <fstream>

#include "core/lotteries.h"
#include "core/wheelcatalogue.h"
#include "draws/drawstore.h"
#include "localisation/messagenumbers.h"
#include "localisation/messagetable.h"
#include "localisation/messages.h"
#include "periphery/weblinks.h"
#include "windows/modalanswer.h"
#include "windows/program/endrequests.h"
#include "windows/program/program.h"
#include "windows/windowrig.h"

using namespace norvex5;
using namespace norvex5::testing;

namespace {

// The program over a scratch program folder that already holds settings, so that the first-run
// language window does not open.
class ProgramRig {
public:
    QTemporaryDir scratch;
    FakePlatform platform;

    std::filesystem::path programDir() const { return std::filesystem::path(scratch.path().toStdString()); }

    // `before` puts files in place before the start.
    explicit ProgramRig(const std::function<void(ProgramRig&)>& before = {}) {
        saveParameters(programDir() / kParameterFileName, ParameterRecord{});
        if (before) before(*this);
        program = std::make_unique<Program>(platform, ProgramDirectories{programDir(), programDir() / "config", {}});
        program->start();
    }

    MainWindow& window() { return program->mainWindow(); }
    AppState& state() { return program->state(); }
    QString message(int number) const { return QString::fromStdString(program->state().message(number)); }
    void press(const char* control) { pressControl(window(), control); }

    // Ticks the first `count` numbers and chooses `wheel` in the wheel list.
    void tickAndChoose(int count, int wheel) {
        for (int n = 1; n <= count; ++n)
            QTest::mouseClick(findControl<QWidget>(window(), QStringLiteral("icroix%1").arg(n)), Qt::LeftButton);
        auto* list = findControl<QComboBox>(window(), QStringLiteral("ComboBox1"));
        for (int i = 0; i < list->count(); ++i)
            if (wheelNumberFromEntry(list->itemText(i).toStdString()) == wheel) list->setCurrentIndex(i);
    }

    std::unique_ptr<Program> program;
};

QString labelText(QWidget& window, const char* name) {
    auto* label = window.findChild<QLabel*>(QLatin1String(name));
    return label != nullptr ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    // The draw history goes into a scratch data folder, never the user's.
    void initTestCase() { qputenv("XDG_DATA_HOME", dataHome_.path().toUtf8()); }
    void outputCommandsOpenTheirWindows_data();
    void outputCommandsOpenTheirWindows();
    void windowsAreBuiltWhenFirstOpenedAndKept();
    void bothTicketsShowOneCopyOfThePicture();
    void listWindowOpensTicketPrinting();
    void aNumberListThatDoesNotFitOpensNothing();
    void smallWindowsOpenFromTheMainWindow_data();
    void smallWindowsOpenFromTheMainWindow();
    void aboutBoxIsNotModal();
    void quitEndsTheProgramWithAnotherWindowOpen();
    void languageChosenInTheParametersReachesEveryWindow();
    void installedProgramFindsItsFilesAndTheUsersLanguageFile();
    void anUnreadableLanguageFileIsNamedAndTheProgramRunsOn();
    void askedToEndItSavesLikeClosing();
    void externalWheelIsComparedInTheComparisonWindow();
    void generatedWheelGoesToTheExternalTab();
    void lastDrawButtonShowsTheLastStoredDrawOrOffersTheImport();

private:
    QTemporaryDir dataHome_;
};

void ProgramTest::outputCommandsOpenTheirWindows_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("window");
    QTest::newRow("bvoirbulletin") << "bvoirbulletin"
                                   << "Form2";
    QTest::newRow("mVoirlesbulletins1") << "mVoirlesbulletins1"
                                        << "Form2";
    QTest::newRow("bimplistbull") << "bimplistbull"
                                  << "Form5";
    QTest::newRow("mVoirlalistedesbulletins1") << "mVoirlalistedesbulletins1"
                                               << "Form5";
    QTest::newRow("bcomparer") << "bcomparer"
                               << "Form8";
    QTest::newRow("mCompareraveclesrsultats1") << "mCompareraveclesrsultats1"
                                               << "Form8";
}

void ProgramTest::outputCommandsOpenTheirWindows() {
    QFETCH(QString, control);
    QFETCH(QString, window);
    ProgramRig rig;
    rig.tickAndChoose(6, 1);  // wheel 1: six numbers, five boards
    QString seen;
    QString counter;
    answerModal(window, [&](QWidget& opened) {
        seen = opened.objectName();
        counter = labelText(opened, "lnubul") + QLatin1Char('/') + labelText(opened, "Lnumax");
    });
    rig.press(control.toLatin1().constData());
    QCOMPARE(seen, window);
    if (window == QLatin1String("Form2")) QCOMPARE(counter, QStringLiteral("1/5"));
    QVERIFY(rig.platform.messages().isEmpty());
}

void ProgramTest::bothTicketsShowOneCopyOfThePicture() {
    ProgramRig rig;
    rig.tickAndChoose(6, 1);
    qint64 viewerPicture = 0;
    answerModal(QStringLiteral("Form2"), [&](QWidget& viewer) {
        viewerPicture = findControl<QLabel>(viewer, QStringLiteral("Image1"))->pixmap().cacheKey();
    });
    rig.press("bvoirbulletin");
    QVERIFY(viewerPicture != 0);
    QCOMPARE(viewerPicture, rig.window().controls().ticket->picture()->pixmap().cacheKey());
}

void ProgramTest::windowsAreBuiltWhenFirstOpenedAndKept() {
    ProgramRig rig;
    // At start only the main window is built: the others cost more than the rest of the start-up.
    for (const char* name : {"Form2", "Form5", "Form7", "Form8", "Form9", "Form10", "FinfoSysteme", "apropos",
                             "FormVerif", "FormGenerateur", "externalWheelsTab"})
        QVERIFY2(rig.window().findChild<QWidget*>(QLatin1String(name)) == nullptr, name);
    rig.tickAndChoose(6, 1);
    QList<QWidget*> opened;
    for (int time = 0; time < 2; ++time) {
        answerModal(QStringLiteral("Form5"), [&](QWidget& list) { opened << &list; });
        rig.press("bimplistbull");
    }
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened[0], opened[1]);
    QCOMPARE(opened[0]->parentWidget(), &rig.window());
    QVERIFY(rig.window().findChild<QWidget*>(QStringLiteral("Form2")) == nullptr);
}

void ProgramTest::listWindowOpensTicketPrinting() {
    ProgramRig rig;
    rig.tickAndChoose(13, 5);  // wheel 5: thirteen numbers, eight boards
    QString printDialog;
    QString range;
    answerModal(QStringLiteral("Form5"), [&](QWidget& list) {
        answerModal(QStringLiteral("Form7"), [&](QWidget& dialog) {
            printDialog = dialog.objectName();
            range = dialog.findChild<QLineEdit*>(QStringLiteral("Gpremier"))->text() + QLatin1Char('-') +
                    dialog.findChild<QLineEdit*>(QStringLiteral("gdernier"))->text();
        });
        // The list fills itself once it is up; its buttons wait for the fill.
        auto* print = list.findChild<QAbstractButton*>(QStringLiteral("BitBtn2"));
        if (QTest::qWaitFor([print] { return print->isEnabled(); }, 3000)) print->click();
    });
    rig.press("bimplistbull");
    QCOMPARE(printDialog, QStringLiteral("Form7"));
    QCOMPARE(range, QStringLiteral("1-8"));
}

void ProgramTest::aNumberListThatDoesNotFitOpensNothing() {
    ProgramRig rig;
    rig.tickAndChoose(4, 1);  // wheel 1 needs six numbers
    bool opened = false;
    answerModal(
        QStringLiteral("Form2"), [&](QWidget&) { opened = true; }, 300);
    rig.press("bvoirbulletin");
    QTest::qWait(400);
    QVERIFY(!opened);
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages()[0].text,
             rig.message(109) +
                 QStringLiteral("\nCe système joue 6\u00a0numéros, aucun fixe ; vous en avez coché\u00a04 et fixé\u00a00"));
}

void ProgramTest::smallWindowsOpenFromTheMainWindow_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("window");
    QTest::newRow("Paramtres1") << "Paramtres1"
                                << "Form9";
    QTest::newRow("spinfosysteme") << "spinfosysteme"
                                   << "FinfoSysteme";
}

void ProgramTest::smallWindowsOpenFromTheMainWindow() {
    QFETCH(QString, control);
    QFETCH(QString, window);
    ProgramRig rig;
    rig.tickAndChoose(6, 1);
    QString seen;
    answerModal(window, [&](QWidget& opened) { seen = opened.objectName(); });
    rig.press(control.toLatin1().constData());
    QTRY_COMPARE(seen, window);  // the wheel check does not block the window that opened it
}

void ProgramTest::aboutBoxIsNotModal() {
    ProgramRig rig;
    rig.press("SpeedButton2");
    auto* about = rig.window().findChild<QWidget*>(QStringLiteral("apropos"));
    QVERIFY(about != nullptr);
    QVERIFY(about->isVisible());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    // The ticket stays usable while the box is up.
    QTest::mouseClick(findControl<QWidget>(rig.window(), QStringLiteral("icroix7")), Qt::LeftButton);
    QCOMPARE(rig.state().selection[7], kSelected);
    about->close();
}

void ProgramTest::quitEndsTheProgramWithAnotherWindowOpen() {
    ProgramRig rig;
    std::filesystem::remove(rig.programDir() / kParameterFileName);
    rig.press("SpeedButton2");  // the about box, which is not modal, stays open
    rig.press("bquitter");
    QTimer::singleShot(3000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(std::filesystem::exists(rig.programDir() / kParameterFileName));
}

void ProgramTest::languageChosenInTheParametersReachesEveryWindow() {
    ProgramRig rig;
    rig.tickAndChoose(6, 1);
    answerModal(QStringLiteral("Form9"), [](QWidget& parameters) {
        parameters.findChild<QAbstractButton*>(QStringLiteral("lallemand"))->click();
        parameters.findChild<QAbstractButton*>(QStringLiteral("bok"))->click();
    });
    rig.press("Paramtres1");
    QCOMPARE(rig.state().parameters.language, 7);
    // The main window at once...
    QCOMPARE(findControl<QAbstractButton>(rig.window(), QStringLiteral("bquitter"))->text(), rig.message(21));
    QCOMPARE(rig.message(21), QStringLiteral("Beenden"));
    // ...and each window the next time it is shown. The wheel list was rebuilt in German, so a
    // wheel is chosen again.
    rig.tickAndChoose(0, 1);
    QString listTitle;
    answerModal(QStringLiteral("Form5"), [&](QWidget& list) { listTitle = list.windowTitle(); });
    rig.press("bimplistbull");
    QCOMPARE(listTitle, rig.message(86));
    QCOMPARE(listTitle, QStringLiteral("Liste der zu spielenden Tipps"));

    // The wheel workshop's windows, built in French at start, speak German when opened.
    rig.tickAndChoose(0, 1);
    rig.press("mVerifierSysteme");
    auto* check = findControl<QWidget>(rig.window(), QStringLiteral("FormVerif"));
    QTRY_VERIFY(check->isVisible());
    QCOMPARE(check->windowTitle(), QString::fromStdString(rig.state().programText(ProgramText::WheelCheckTitle)));
    QVERIFY(check->windowTitle() != QString::fromUtf8(programText(ProgramText::WheelCheckTitle, 1).data()));
    auto* matrix = check->findChild<QTableWidget*>();
    QVERIFY(matrix != nullptr);
    QCOMPARE(matrix->horizontalHeaderItem(0)->text(),
             QString::fromStdString(rig.state().programText(ProgramText::OnABoard)).arg(2));
    check->close();

    // The external tab, built only now that its page is shown, speaks German too.
    findControl<QTabWidget>(rig.window(), QStringLiteral("PageControl1"))
        ->setCurrentWidget(findControl<QWidget>(rig.window(), QStringLiteral("tabsysexterne")));
    QCOMPARE(findControl<QAbstractButton>(rig.window(), QStringLiteral("bselfic"))->text(), rig.message(172));
    QVERIFY(rig.message(172) != QString::fromUtf8(messageTableCell(172, 1).data(), messageTableCell(172, 1).size()));

    // The comparison window opened in Italian has its Italian title.
    rig.state().parameters.language = 5;
    QString comparisonTitle = QStringLiteral("not shown");
    answerModal(QStringLiteral("Form8"), [&](QWidget& comparison) { comparisonTitle = comparison.windowTitle(); });
    rig.press("bcomparer");
    QCOMPARE(comparisonTitle, QStringLiteral("Confronta il sistema giocato con i risultati"));
}

void ProgramTest::installedProgramFindsItsFilesAndTheUsersLanguageFile() {
    QTemporaryDir scratch;
    const std::filesystem::path root = scratch.path().toStdString();
    const std::filesystem::path config = root / "config";
    std::filesystem::create_directories(root / "usr/bin");
    std::filesystem::create_directories(root / "usr/share/norvex5");
    std::filesystem::create_directories(root / "build");
    std::filesystem::create_directories(config);

    // Run from a build folder its files lie beside it; installed, in share/norvex5.
    QCOMPARE(programDirectoriesFor(root / "build", config).program, root / "build");
    const ProgramDirectories installed = programDirectoriesFor(root / "usr/bin", config);
    QCOMPARE(installed.program, root / "usr/share/norvex5");
    QCOMPARE(installed.userConfig, config);

    // A language file the user put in their own folder wins over the installed one.
    const auto writeLanguageFile = [](const std::filesystem::path& file, const std::string& returnText) {
        std::ofstream out(file, std::ios::binary);
        out << "Langue;Test\r\nAuteur;Test\r\nVersion;1\r\n";
        for (int k = 4; k <= 10; ++k) out << "reserved;" << k << "\r\n";
        for (int n = 1; n <= 130; ++n) out << "m;" << (n == 126 ? returnText : "text " + std::to_string(n)) << "\r\n";
    };
    writeLanguageFile(installed.program / "norvex5.lg", "Shipped");
    writeLanguageFile(config / "norvex5.lg", "Mine");
    saveParameters(config / kParameterFileName, ParameterRecord{});
    FakePlatform platform;
    Program program(platform, installed);
    program.start();
    QVERIFY(program.state().languageFile && program.state().languageFile->loaded());
    QCOMPARE(program.state().languageFile->fileName(), config / "norvex5.lg");
    QCOMPARE(QString::fromStdString(program.state().message(126)), QStringLiteral("Mine"));
}

void ProgramTest::anUnreadableLanguageFileIsNamedAndTheProgramRunsOn() {
    // A folder where the language file should be: there, but no file to read.
    ProgramRig rig([](ProgramRig& r) {
        std::filesystem::create_directories(r.programDir() / kLanguageFileName / "keep");
        ParameterRecord german;
        german.language = 7;
        saveParameters(r.programDir() / kParameterFileName, german);
    });
    const QString file = QString::fromStdString((rig.programDir() / kLanguageFileName).string());
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages()[0].text,
             QStringLiteral("Die Sprachdatei %1 konnte nicht gelesen werden: das Programm behält seine eigenen Texte.")
                 .arg(file));
    // The program runs on, in the language of its parameters, from its own table.
    QVERIFY(rig.window().isVisible());
    QVERIFY(!rig.window().firstActivationPending());
    QVERIFY(!rig.state().languageFile->loaded());
    QCOMPARE(findControl<QAbstractButton>(rig.window(), QStringLiteral("bquitter"))->text(),
             QString::fromStdString(messageText(kMessageQuit, 7, nullptr)));
    QVERIFY(findControl<QAbstractButton>(rig.window(), QStringLiteral("bquitter"))->text() !=
            QString::fromStdString(messageText(kMessageQuit, 1, nullptr)));
}

void ProgramTest::askedToEndItSavesLikeClosing() {
    // As at the end of a session, with a modal window up that nobody answers.
    ProgramRig rig;
    std::filesystem::remove(rig.programDir() / kParameterFileName);
    EndRequests requests([&rig] { endLikeClosingTheMainWindow(rig.window()); });
    bool listWasUp = false;
    rig.tickAndChoose(6, 1);
    QTimer::singleShot(0, [&rig] { rig.press("bimplistbull"); });
    QTimer::singleShot(300, [&] {
        listWasUp = QApplication::activeModalWidget() != nullptr;
        ::raise(SIGTERM);
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(listWasUp);
    QVERIFY(!rig.window().isVisible());
    QVERIFY(std::filesystem::exists(rig.programDir() / kParameterFileName));
}

void ProgramTest::externalWheelIsComparedInTheComparisonWindow() {
    ProgramRig rig;
    // Thirty boards 1-2-3-4-5 ... with wheel number 3 played as 44.
    const std::filesystem::path file = rig.programDir() / "thirty.txt";
    std::string bytes;
    for (int k = 0; k < 30; ++k) bytes += "1;2;3;4;" + std::to_string(k % 40 + 5) + "\r\n";
    writeBytes(file, std::vector<unsigned char>(bytes.begin(), bytes.end()));
    auto* pages = findControl<QTabWidget>(rig.window(), QStringLiteral("PageControl1"));
    pages->setCurrentWidget(findControl<QWidget>(rig.window(), QStringLiteral("tabsysexterne")));
    rig.platform.chooseFileNext(QString::fromStdString(file.string()));
    rig.press("bselfic");
    findControl<QComboBox>(rig.window(), QStringLiteral("ComboBoxa3"))->setEditText(QStringLiteral("44"));
    for (int k = 0; k < 4; ++k) rig.press("bsuivant");

    QStringList lines;
    QString hits;
    answerModal(QStringLiteral("Form8"), [&](QWidget& comparison) {
        const char* boxes[] = {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5"};
        const char* draw[] = {"1", "2", "44", "18", "19"};
        for (int k = 0; k < 5; ++k) {
            auto* box = comparison.findChild<QComboBox*>(QLatin1String(boxes[k]));
            box->setCurrentIndex(-1);
            box->setEditText(QLatin1String(draw[k]));
        }
        comparison.findChild<QAbstractButton*>(QStringLiteral("button1"))->click();
        const QAbstractItemModel* model = comparison.findChild<QListView*>(QStringLiteral("listresul"))->model();
        for (int row = 0; row < model->rowCount(); ++row) lines << model->index(row, 0).data().toString();
        hits = labelText(comparison, "lnb3et0") + QLatin1Char('/') + labelText(comparison, "lnb4et0");
    });
    rig.press("bexternecompare");
    QCOMPARE(lines.size(), 30);
    QVERIFY2(lines.first().contains(QStringLiteral("-01-02-44-04-05")), qPrintable(lines.first()));
    // 18 and 19 are the fifth numbers of boards 14 and 15: those hit four, the others three.
    QCOMPARE(hits, QStringLiteral("28/2"));
    QVERIFY(rig.platform.messages().isEmpty());
    // The tab's grid numbered its rows as the boards went by, as during printing.
    const QAbstractItemModel* grid =
        findControl<QAbstractItemView>(rig.window(), QStringLiteral("GrilleNumero"))->model();
    QCOMPARE(grid->rowCount(), 30);
    QCOMPARE(grid->index(29, 0).data().toString(), QStringLiteral("30"));

    // The same file's guarantee, checked as its numbers are played.
    const auto* before = rig.window().findChild<QWidget*>(QStringLiteral("FormVerif"));
    QVERIFY(before == nullptr || !before->isVisible());
    rig.press("bverifiersysteme");
    auto* check = findControl<QWidget>(rig.window(), QStringLiteral("FormVerif"));
    QTRY_VERIFY(check->isVisible());
    check->close();
    QVERIFY(rig.platform.messages().isEmpty());
}

void ProgramTest::generatedWheelGoesToTheExternalTab() {
    ProgramRig rig;
    const std::vector<int> ticked{4, 9, 13, 21, 22, 30, 41, 48};
    for (int n : ticked)
        QTest::mouseClick(findControl<QWidget>(rig.window(), QStringLiteral("icroix%1").arg(n)), Qt::LeftButton);
    rig.press("mGenererSysteme");
    auto* generator = findControl<QWidget>(rig.window(), QStringLiteral("FormGenerateur"));
    QTRY_VERIFY(generator->isVisible());
    pressControl(*generator, "BoutonCoches");
    auto* guarantee = generator->findChild<QComboBox*>(QStringLiteral("ComboGarantie"));
    guarantee->setCurrentIndex(guarantee->findData(22));  // 2 if 2
    pressControl(*generator, "BoutonGenerer");
    auto* send = generator->findChild<QAbstractButton*>(QStringLiteral("BoutonEnvoyer"));
    QTRY_VERIFY_WITH_TIMEOUT(send->isEnabled(), 20000);

    const QString file = QString::fromStdString((rig.programDir() / "made.txt").string());
    rig.platform.chooseFileNext(file);
    send->click();
    // The tab holds the file, read with ";" and no line skipped, its numbers 1..8 played as ticked.
    QVERIFY(!generator->isVisible());
    QCOMPARE(findControl<QLabel>(rig.window(), QStringLiteral("labfic"))->text(), file);
    QCOMPARE(findControl<QComboBox>(rig.window(), QStringLiteral("Combseparateur"))->currentText(),
             QStringLiteral(";"));
    for (std::size_t k = 0; k < ticked.size(); ++k)
        QCOMPARE(findControl<QComboBox>(rig.window(), QStringLiteral("ComboBoxa%1").arg(k + 1))->currentText(),
                 QString::number(ticked[k]));
    QVERIFY(findControl<QWidget>(rig.window(), QStringLiteral("tabsysexterne"))->isVisible());
}

void ProgramTest::lastDrawButtonShowsTheLastStoredDrawOrOffersTheImport() {
    std::filesystem::remove_all(std::filesystem::path(dataHome_.path().toStdString()) / "Norvex5");
    ProgramRig rig;
    rig.platform.answerNext(Platform::Answer::Yes);  // import a file
    rig.platform.chooseFileNext(QString());           // then cancel the file choice
    rig.press("bderniertirage");
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages()[0].text,
             QStringLiteral("Aucun tirage n'est enregistré pour ce jeu. Importer un fichier de tirages ?"));
    auto* draws = findControl<QWidget>(rig.window(), QStringLiteral("FormTirages"));
    QVERIFY(draws != nullptr && draws->isVisible());
    QVERIFY(findControl<QWidget>(*draws, QStringLiteral("FormImportTirages"))->isVisible());

    // A draw stored by another program meanwhile: the button shows it.
    {
        draws::DrawStore store(std::filesystem::path(dataHome_.path().toStdString()) / "Norvex5" / "draws.sqlite");
        draws::DrawRecord draw;
        draw.date = {2024, 1, 3};
        draw.numbers = {3, 12, 19, 25, 32};
        QVERIFY(store.add(effectiveGameType(rig.state().parameters.gameType), draw).ok());
    }
    rig.platform.answerNext(Platform::Answer::No);
    rig.press("bderniertirage");
    QCOMPARE(rig.platform.messages().last().text,
             QStringLiteral("Dernier tirage enregistré, le 03/01/2024 :\n03 12 19 25 32\n\n"
                            "Ouvrir la page des résultats de la loterie ?"));
    QVERIFY(rig.platform.openedUrls().isEmpty());
    // Yes opens the operator's own results page of the game shown, as the lottery table names it.
    rig.platform.answerNext(Platform::Answer::Yes);
    rig.press("bderniertirage");
    QCOMPARE(rig.platform.openedUrls(),
             QStringList{QString::fromStdString(resultsPageAddress(rig.state().parameters.gameType))});
    // The menu entry opens the same window.
    draws->hide();
    rig.press("mTirages");
    QVERIFY(draws->isVisible());
}

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
