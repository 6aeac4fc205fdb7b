// The main window where a new player first stumbled: files that are not what they seem, settings
// beside a program the player cannot write to, double clicks on the ticket, the desktop's own
// dialog texts in the player's language.

#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>

#include <sys/stat.h>

#include "support/readonlyfiles.h"
#include "windows/windowrig.h"

using namespace norvex5;
using norvex5::testing::MainWindowRig;

namespace {

QString yesButtonText() {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text();
}

bool qtTranslationsInstalled(std::initializer_list<const char*> files) {
    const QDir translations(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    for (const char* file : files)
        if (!translations.exists(QLatin1String(file))) return false;
    return true;
}

}  // namespace

class MainWindowFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void loadingANamedPipeIsRefusedAsUnreadable();
    void overwritingAReadOnlyGameFailsAndKeepsIt();
    void settingsInAReadOnlyProgramFolderAreReadAndSavedAsTheUsers();
    void doubleClickOnABoxCountsAsOneClick_data();
    void doubleClickOnABoxCountsAsOneClick();
    void qtDialogTextsFollowTheLanguage();
    void qtDialogTextsFollowTheFirstRunLanguage();
};

void MainWindowFaultsTest::loadingANamedPipeIsRefusedAsUnreadable() {
    MainWindowRig rig;
    rig.start();
    rig.clickBox(5, Qt::LeftButton);
    const std::filesystem::path pipe = rig.programDir() / "x.nv5";
    QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);

    rig.platform.chooseFileNext(QString::fromStdString(pipe.string()));
    rig.press("Chargerbulletin1");
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages()[0].text, rig.message(82));
    QCOMPARE(rig.platform.messages()[0].title, rig.message(80));
    QCOMPARE(rig.state.selection[5], kSelected);
}

void MainWindowFaultsTest::overwritingAReadOnlyGameFailsAndKeepsIt() {
    norvex5::testing::AsOrdinaryUser user;
    MainWindowRig rig;
    rig.start();
    const std::filesystem::path game = rig.programDir() / "kept.nv5";
    const std::vector<unsigned char> old = {'o', 'l', 'd'};
    rig.writeFile(game, old);
    norvex5::testing::makeReadOnly(game);
    rig.clickBox(8, Qt::LeftButton);

    rig.platform.chooseFileNext(QString::fromStdString(game.string()));
    rig.platform.answerNext(Platform::Answer::Yes);
    rig.press("EnregistrerBulletin1");
    QCOMPARE(rig.platform.messages().size(), 2);
    QCOMPARE(rig.platform.messages()[0].title, rig.message(77));  // the overwrite question
    const FakePlatform::Message failure = rig.platform.messages()[1];
    QCOMPARE(failure.text, QString::fromStdString(rig.state.programText(ProgramText::GameNotSaved))
                               .arg(QString::fromStdString(game.string()),
                                    QString::fromStdString(rig.state.programText(ProgramText::WriteNotAllowed))));
    QCOMPARE(failure.title, rig.message(114));
    QVERIFY(failure.beep);
    QCOMPARE(MainWindowRig::readFile(game), old);
}

void MainWindowFaultsTest::settingsInAReadOnlyProgramFolderAreReadAndSavedAsTheUsers() {
    norvex5::testing::AsOrdinaryUser user;
    QTemporaryDir scratch;
    const std::filesystem::path root = scratch.path().toStdString();
    const std::filesystem::path program = root / "program";
    const std::filesystem::path config = root / "config";
    std::filesystem::create_directory(program);
    ParameterRecord shipped;
    shipped.language = 2;
    shipped.gameType = 7;
    shipped.highestNumber = 50;
    QVERIFY(saveParameters(program / kParameterFileName, shipped));
    const std::vector<unsigned char> shippedBytes = MainWindowRig::readFile(program / kParameterFileName);
    norvex5::testing::makeReadOnly(program);
    // Put back so that the scratch folder can be removed by a user who is not root.
    auto writableAgain = qScopeGuard([&] {
        std::filesystem::permissions(program, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    });

    {
        AppState state;
        FakePlatform platform;
        TicketPictures pictures;
        MainWindow form(state, platform, pictures, {program, config});
        int languageWindow = 0;
        form.hooks().firstRunLanguage = [&] { ++languageWindow; };
        startMainWindow(form, state, platform, {program, config});
        QCOMPARE(languageWindow, 0);
        QCOMPARE(state.parameters.language, 2);
        QCOMPARE(state.parameters.gameType, 7);
        QVERIFY(form.findChild<QRadioButton*>(QStringLiteral("rflorida"))->isChecked());
        form.findChild<QRadioButton*>(QStringLiteral("rautriche"))->click();
        form.close();
        QVERIFY(platform.messages().isEmpty());
    }
    QCOMPARE(MainWindowRig::readFile(program / kParameterFileName), shippedBytes);
    QVERIFY(std::filesystem::exists(config / kParameterFileName));

    // The next start reads the player's own copy.
    AppState state;
    FakePlatform platform;
    TicketPictures pictures;
    MainWindow form(state, platform, pictures, {program, config});
    startMainWindow(form, state, platform, {program, config});
    QCOMPARE(state.parameters.language, 2);
    QCOMPARE(state.parameters.gameType, 6);
    QVERIFY(form.findChild<QRadioButton*>(QStringLiteral("rautriche"))->isChecked());
}

void MainWindowFaultsTest::doubleClickOnABoxCountsAsOneClick_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("state");
    QTest::newRow("left: ticked") << Qt::LeftButton << int(kSelected);
    QTest::newRow("right: fixed") << Qt::RightButton << int(kFixed);
}

void MainWindowFaultsTest::doubleClickOnABoxCountsAsOneClick() {
    QFETCH(Qt::MouseButton, button);
    MainWindowRig rig;
    rig.start();
    QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
    NumberBox* box = rig.box(7);
    // Through the window system, which turns the second press into the double-click event the
    // way a desktop does: press, release, double click, release.
    const QPoint centre = box->mapTo(&rig.window, box->rect().center());
    QTest::mouseDClick(rig.window.windowHandle(), button, {}, centre);
    QTEST(int(rig.state.selection[7]), "state");
    QCOMPARE(rig.shown(7), button == Qt::LeftButton ? MainWindowRig::Shown::Ticked : MainWindowRig::Shown::Fixed);
    QCOMPARE(rig.label("nbcoch"), QStringLiteral("1"));
    // The next click is a click of its own again.
    QTest::mouseClick(rig.window.windowHandle(), button, {}, centre);
    QCOMPARE(rig.state.selection[7], kFree);
}

void MainWindowFaultsTest::qtDialogTextsFollowTheLanguage() {
    if (!qtTranslationsInstalled({"qtbase_de.qm", "qtbase_fr.qm"})) QSKIP("Qt's translations are not installed");
    MainWindowRig rig;
    ParameterRecord german;
    german.language = 7;
    rig.writeParameters(german);
    rig.window.hooks().parametersWindow = [&] { rig.state.parameters.language = 1; };
    rig.start();
    QCOMPARE(yesButtonText(), QStringLiteral("&Ja"));
    rig.press("Paramtres1");
    QCOMPARE(yesButtonText(), QStringLiteral("&Oui"));
}

void MainWindowFaultsTest::qtDialogTextsFollowTheFirstRunLanguage() {
    if (!qtTranslationsInstalled({"qtbase_it.qm"})) QSKIP("qtbase_it.qm is not installed");
    MainWindowRig rig;
    rig.window.hooks().firstRunLanguage = [&] { rig.state.parameters.language = 5; };
    rig.start();
    QCOMPARE(yesButtonText(), QStringLiteral("&Sì"));
}

int main(int argc, char* argv[]) {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication application(argc, argv);
    MainWindowFaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "mainwindow_faults_test.moc"
