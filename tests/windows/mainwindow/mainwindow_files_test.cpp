// The main window's files: the parameters read at the first activation and written at close,
// and saved games through the file menu.

#include <QComboBox>
#include <QRadioButton>

#include <QTimer>

#include <stdexcept>

#include "persistence/savedgame.h"
#include "windows/windowrig.h"

using namespace norvex5;
using norvex5::testing::MainWindowRig;
using Shown = MainWindowRig::Shown;

class MainWindowFilesTest : public QObject {
    Q_OBJECT

private slots:
    void startsFromTheParametersFile_data();
    void startsFromTheParametersFile();
    void languageFileSkipsTheFirstRunChoice();
    void closingWritesTheParameters();
    void closingReportsAParametersFileItCannotWrite();
    void parametersGoToTheUserDirectoryWhenTheProgramDirectoryCannotBeWritten();
    void startUpFailureIsReportedOnce();
    void saveThenLoadWithFixedNumbers();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void cancelledDialogsDoNothing();
    void loadRefusals_data();
    void loadRefusals();
    void saveFailureIsReported();
    void wheelIndexTheListDoesNotHave_data();
    void wheelIndexTheListDoesNotHave();
    void reservedFieldTravelsFromLoadToSave();
    void gameLoadedUnderAnotherGameTypeKeepsItsHiddenNumbers();
};

namespace {

std::vector<unsigned char> gameBytes(int wheelIndex, std::initializer_list<std::pair<int, int>> states,
                                     std::int32_t reserved = 0) {
    SavedGameRecord record;
    record.wheelListIndex = wheelIndex;
    for (auto [n, s] : states) record.states[n] = s;
    record.reserved = reserved;
    const SavedGameBytes bytes = encodeSavedGame(record);
    return {bytes.begin(), bytes.end()};
}

}  // namespace

void MainWindowFilesTest::startsFromTheParametersFile_data() {
    QTest::addColumn<QByteArray>("file");  // empty: no file at all
    QTest::addColumn<int>("gameType");
    QTest::addColumn<int>("highest");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("firstRun");

    auto record = [](int gameType, int highest) {
        ParameterRecord r;
        r.gameType = gameType;
        r.highestNumber = highest;
        const ParameterBytes b = encodeParameters(r);
        return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<int>(b.size()));
    };
    QTest::newRow("game type 6") << record(6, 39) << 6 << 39 << "rautriche" << false;
    QTest::newRow("game type 0 runs as 1") << record(0, 50) << 1 << 49 << "Rfrance" << false;
    QTest::newRow("game type 7") << record(7, 50) << 7 << 50 << "rflorida" << false;
    QTest::newRow("game type 4") << record(4, 49) << 4 << 49 << "rportugal" << false;
    QTest::newRow("game type 8") << record(8, 50) << 8 << 50 << "rticketncarl" << false;
    QTest::newRow("no file: first run") << QByteArray() << 1 << 49 << "Rfrance" << true;
    QTest::newRow("damaged file") << record(6, 39).left(39) << 1 << 49 << "Rfrance" << false;
}

void MainWindowFilesTest::startsFromTheParametersFile() {
    QFETCH(QByteArray, file);
    QFETCH(int, highest);
    QFETCH(QString, button);
    QFETCH(bool, firstRun);
    MainWindowRig rig;
    if (!file.isEmpty()) rig.writeFile(rig.parametersPath(), {file.begin(), file.end()});
    int languageWindow = 0;
    int replacementLists = 0;
    rig.window.hooks().firstRunLanguage = [&] { ++languageWindow; };
    rig.window.hooks().fillReplacementLists = [&] { ++replacementLists; };
    rig.start();

    QTEST(int(rig.state.parameters.gameType), "gameType");
    QCOMPARE(rig.state.parameters.highestNumber, highest);
    QVERIFY(rig.find<QRadioButton>(button)->isChecked());
    for (int n : {39, 40, 49, 50}) QCOMPARE(rig.box(n)->isVisibleTo(&rig.window), n <= highest);
    QCOMPARE(languageWindow, firstRun ? 1 : 0);
    QCOMPARE(replacementLists, 1);
    QVERIFY(rig.window.parametersFound());
    QCOMPARE(rig.window.selectedWheelNumber(), 1);
    QVERIFY(rig.platform.messages().isEmpty());
    // The texts are in place, in the language of the file.
    QCOMPARE(rig.find<QAbstractButton>(QStringLiteral("bimpbull"))->text(), rig.message(58));
    QVERIFY(!rig.message(58).isEmpty());
    if (file.size() == 39) QVERIFY(!std::filesystem::exists(rig.parametersPath()));
}

void MainWindowFilesTest::languageFileSkipsTheFirstRunChoice() {
    MainWindowRig rig;
    std::string text = "Langue;Test\r\nAuteur;Someone\r\nVersion;1\r\n";
    for (int k = 4; k <= 10; ++k) text += "x;" + std::to_string(k) + "\r\n";
    for (int n = 1; n <= 21; ++n) text += "m;" + (n == 21 ? std::string("Leave") : std::to_string(n)) + "\r\n";
    rig.writeFile(rig.programDir() / "norvex5.lg", {text.begin(), text.end()});
    int languageWindow = 0;
    rig.window.hooks().firstRunLanguage = [&] { ++languageWindow; };
    rig.start();
    QCOMPARE(languageWindow, 0);
    QVERIFY(rig.state.languageFile && rig.state.languageFile->loaded());
    QCOMPARE(rig.find<QAbstractButton>(QStringLiteral("bquitter"))->text(), QStringLiteral("Leave"));
}

void MainWindowFilesTest::closingWritesTheParameters() {
    MainWindowRig rig;
    rig.start();
    rig.find<QRadioButton>(QStringLiteral("rautriche"))->click();
    rig.state.parameters.horizontalOffset = -3;
    QVERIFY(!std::filesystem::exists(rig.parametersPath()));
    QVERIFY(rig.window.close());
    const std::vector<unsigned char> bytes = MainWindowRig::readFile(rig.parametersPath());
    QCOMPARE(bytes.size(), std::size_t{40});
    ParameterBytes raw{};
    std::copy(bytes.begin(), bytes.end(), raw.begin());
    const ParameterRecord saved = decodeParameters(raw);
    QCOMPARE(saved.language, 1);
    QCOMPARE(saved.gameType, 6);
    QCOMPARE(saved.highestNumber, 39);
    QCOMPARE(saved.horizontalOffset, -3);
    QVERIFY(rig.platform.messages().isEmpty());
}

void MainWindowFilesTest::closingReportsAParametersFileItCannotWrite() {
    MainWindowRig rig;
    // A directory where the file should be, with something in it so nothing removes it.
    std::filesystem::create_directories(rig.parametersPath() / "keep");
    rig.start();
    rig.window.close();
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages()[0].text, QStringLiteral("Il y a eu un problème"));
    QCOMPARE(rig.platform.messages()[0].title, QStringLiteral("Fichier non sauvegardé !!"));
    QVERIFY(rig.platform.messages()[0].beep);
}

void MainWindowFilesTest::parametersGoToTheUserDirectoryWhenTheProgramDirectoryCannotBeWritten() {
    QTemporaryDir scratch;
    const std::filesystem::path root = scratch.path().toStdString();
    AppState state;
    FakePlatform platform;
    // A program directory that does not exist cannot be written either.
    TicketPictures pictures;
    MainWindow form(state, platform, pictures, {root / "no-such-program-dir", root / "config"});
    form.show();
    form.close();
    QVERIFY(std::filesystem::exists(root / "config" / kParameterFileName));
    QVERIFY(!std::filesystem::exists(root / "no-such-program-dir"));
    QVERIFY(platform.messages().isEmpty());
}

void MainWindowFilesTest::startUpFailureIsReportedOnce() {
    MainWindowRig rig;
    int replacementLists = 0;
    rig.window.hooks().firstRunLanguage = [] { throw std::runtime_error("language window failed"); };
    rig.window.hooks().fillReplacementLists = [&] { ++replacementLists; };
    rig.start();
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages()[0].text, QStringLiteral("erreur form1.activate"));
    QCOMPARE(replacementLists, 0);  // the sequence stops at the failure
    // What was done before stays: the wheel list and the ticket.
    QCOMPARE(rig.window.selectedWheelNumber(), 1);
    QCOMPARE(rig.picture()->pixmap().toImage(), rig.pictures.ticket("igrille1").toImage());
    rig.window.activate();
    QCOMPARE(rig.platform.messages().size(), 1);
}

void MainWindowFilesTest::saveThenLoadWithFixedNumbers() {
    MainWindowRig rig;
    rig.start();
    const QString game = rig.scratch.filePath(QStringLiteral("mine.nv5"));
    for (int n : {3, 11, 49}) rig.clickBox(n, Qt::LeftButton);
    rig.clickBox(25, Qt::RightButton);
    rig.clickBox(26, Qt::RightButton);
    QVERIFY(rig.chooseWheel(4));
    const int index = rig.find<QComboBox>(QStringLiteral("ComboBox1"))->currentIndex();

    rig.platform.chooseFileNext(game);
    rig.press("EnregistrerBulletin1");
    QVERIFY(rig.platform.messages().isEmpty());
    QCOMPARE(rig.platform.dialogs().size(), 1);
    const FakePlatform::Dialog save = rig.platform.dialogs()[0];
    QVERIFY(save.save);
    QCOMPARE(save.request.title, rig.message(75));
    QCOMPARE(save.request.defaultSuffix, QStringLiteral("nv5"));
    QCOMPARE(save.request.filter, QStringLiteral("Norvex5 (*.nv5)"));
    QVERIFY(!save.request.overwritePrompt);
    const std::vector<unsigned char> bytes = MainWindowRig::readFile(game.toStdString());
    QCOMPARE(bytes.size(), kSavedGameSize);
    QCOMPARE(std::vector<unsigned char>(bytes.begin(), bytes.begin() + 4),
             (std::vector<unsigned char>{0x03, 'G', 'R', 'I'}));

    rig.press("beffacer");
    QVERIFY(rig.chooseWheel(1));
    rig.platform.chooseFileNext(game);
    rig.press("Chargerbulletin1");
    QVERIFY(rig.platform.messages().isEmpty());
    const FakePlatform::Dialog load = rig.platform.dialogs()[1];
    QVERIFY(!load.save);
    QCOMPARE(load.request.title, rig.message(78));
    QVERIFY(load.request.fileMustExist);
    QCOMPARE(load.request.initialName, QStringLiteral("*.nv5"));

    for (int n : {3, 11, 49}) QCOMPARE(rig.state.selection[n], kSelected);
    for (int n : {25, 26}) {
        QCOMPARE(rig.state.selection[n], kFixed);
        QCOMPARE(rig.shown(n), Shown::Fixed);  // shown as fixed, as the counter counts it
    }
    QCOMPARE(rig.shown(3), Shown::Ticked);
    QCOMPARE(rig.shown(4), Shown::Empty);
    QCOMPARE(rig.label("nbcoch"), QStringLiteral("5"));
    QCOMPARE(rig.label("labnbFix"), QStringLiteral("2"));
    QCOMPARE(rig.find<QComboBox>(QStringLiteral("ComboBox1"))->currentIndex(), index);
    QCOMPARE(rig.window.selectedWheelNumber(), 4);
    QCOMPARE(rig.state.selectedWheel, 4);  // what the output windows read
}

void MainWindowFilesTest::overwriteQuestion_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("No keeps the old file") << false;
    QTest::newRow("Yes replaces it") << true;
}

void MainWindowFilesTest::overwriteQuestion() {
    QFETCH(bool, yes);
    MainWindowRig rig;
    rig.start();
    const QString game = rig.scratch.filePath(QStringLiteral("old.nv5"));
    const std::vector<unsigned char> old = {'o', 'l', 'd'};
    rig.writeFile(game.toStdString(), old);
    rig.clickBox(8, Qt::LeftButton);

    rig.platform.chooseFileNext(game);
    rig.platform.answerNext(yes ? Platform::Answer::Yes : Platform::Answer::No);
    rig.press("EnregistrerBulletin1");
    QCOMPARE(rig.platform.messages().size(), 1);
    const FakePlatform::Message question = rig.platform.messages()[0];
    QCOMPARE(question.text, rig.message(76));
    QCOMPARE(question.title, rig.message(77));
    QCOMPARE(question.buttons, Platform::Buttons::YesNo);
    const std::vector<unsigned char> now = MainWindowRig::readFile(game.toStdString());
    if (yes)
        QCOMPARE(now, gameBytes(0, {{8, kSelected}}));
    else
        QCOMPARE(now, old);
}

void MainWindowFilesTest::cancelledDialogsDoNothing() {
    MainWindowRig rig;
    rig.start();
    rig.clickBox(8, Qt::LeftButton);
    rig.press("EnregistrerBulletin1");  // nothing chosen: a cancel
    rig.press("Chargerbulletin1");
    QCOMPARE(rig.platform.dialogs().size(), 2);
    QVERIFY(rig.platform.messages().isEmpty());
    QCOMPARE(rig.state.selection[8], kSelected);
    QCOMPARE(QDir(rig.scratch.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
}

void MainWindowFilesTest::loadRefusals_data() {
    QTest::addColumn<QByteArray>("content");  // null: no file
    QTest::addColumn<int>("message");
    const std::vector<unsigned char> good = gameBytes(2, {{1, kSelected}});
    const QByteArray valid(reinterpret_cast<const char*>(good.data()), static_cast<int>(good.size()));
    QByteArray wrongSignature = valid;
    wrongSignature[0] = 4;
    QTest::newRow("missing file") << QByteArray() << 83;
    QTest::newRow("291 bytes") << valid.left(291) << 82;
    QTest::newRow("empty file") << QByteArray("") << 82;
    QTest::newRow("first byte 4") << wrongSignature << 79;
    QTest::newRow("signature in lower case") << QByteArray("\x03gri").append(valid.mid(4)) << 79;
}

void MainWindowFilesTest::loadRefusals() {
    QFETCH(QByteArray, content);
    QFETCH(int, message);
    MainWindowRig rig;
    rig.start();
    const QString game = rig.scratch.filePath(QStringLiteral("game.nv5"));
    if (!content.isNull()) rig.writeFile(game.toStdString(), {content.begin(), content.end()});
    QVERIFY(rig.chooseWheel(6));
    rig.clickBox(30, Qt::RightButton);

    rig.platform.chooseFileNext(game);
    rig.press("Chargerbulletin1");
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages()[0].text, rig.message(message));
    QCOMPARE(rig.platform.messages()[0].title, rig.message(80));
    QVERIFY(!rig.message(message).isEmpty());
    QCOMPARE(rig.state.selection[30], kFixed);
    QCOMPARE(rig.state.selection[1], kFree);
    QCOMPARE(rig.window.selectedWheelNumber(), 6);
}

void MainWindowFilesTest::saveFailureIsReported() {
    MainWindowRig rig;
    rig.start();
    rig.clickBox(8, Qt::LeftButton);
    const QString game = rig.scratch.filePath(QStringLiteral("no-such-dir/game.nv5"));
    rig.platform.chooseFileNext(game);
    rig.press("EnregistrerBulletin1");
    QCOMPARE(rig.platform.messages().size(), 1);
    // The box names the file and why it was not written.
    QCOMPARE(rig.platform.messages()[0].text,
             QString::fromStdString(rig.state.programText(ProgramText::GameNotSaved))
                 .arg(game, QString::fromStdString(rig.state.programText(ProgramText::WriteNoFolder))));
    QCOMPARE(rig.platform.messages()[0].title, rig.message(114));
    QVERIFY(rig.platform.messages()[0].beep);
    QCOMPARE(rig.state.selection[8], kSelected);
}

void MainWindowFilesTest::wheelIndexTheListDoesNotHave_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("no wheel (-1)") << -1;
    QTest::newRow("beyond the list") << 8;
    QTest::newRow("far beyond") << 1000000;
    QTest::newRow("negative") << -7;
}

void MainWindowFilesTest::wheelIndexTheListDoesNotHave() {
    QFETCH(int, index);
    MainWindowRig rig;
    rig.start();
    QVERIFY(rig.chooseWheel(7));
    const QString game = rig.scratch.filePath(QStringLiteral("game.nv5"));
    rig.writeFile(game.toStdString(), gameBytes(index, {{12, kSelected}}));
    rig.platform.chooseFileNext(game);
    rig.press("Chargerbulletin1");
    QVERIFY(rig.platform.messages().isEmpty());
    QCOMPARE(rig.state.selection[12], kSelected);
    QCOMPARE(rig.window.selectedWheelNumber(), 7);
}

void MainWindowFilesTest::reservedFieldTravelsFromLoadToSave() {
    MainWindowRig rig;
    rig.start();
    const QString refused = rig.scratch.filePath(QStringLiteral("refused.nv5"));
    std::vector<unsigned char> bytes = gameBytes(0, {}, 0x12345678);
    bytes[1] = 'X';  // refused for its signature, yet its reserved field is kept
    rig.writeFile(refused.toStdString(), bytes);
    rig.platform.chooseFileNext(refused);
    rig.press("Chargerbulletin1");
    QCOMPARE(rig.platform.messages().size(), 1);

    const QString saved = rig.scratch.filePath(QStringLiteral("saved.nv5"));
    rig.platform.chooseFileNext(saved);
    rig.press("EnregistrerBulletin1");
    const std::vector<unsigned char> written = MainWindowRig::readFile(saved.toStdString());
    QCOMPARE(written.size(), kSavedGameSize);
    QCOMPARE(std::vector<unsigned char>(written.begin() + 288, written.end()),
             (std::vector<unsigned char>{0x78, 0x56, 0x34, 0x12}));
}

void MainWindowFilesTest::gameLoadedUnderAnotherGameTypeKeepsItsHiddenNumbers() {
    MainWindowRig rig;
    rig.start();
    rig.find<QRadioButton>(QStringLiteral("rautriche"))->click();
    const QString game = rig.scratch.filePath(QStringLiteral("game.nv5"));
    rig.writeFile(game.toStdString(), gameBytes(0, {{45, kFixed}, {2, kSelected}, {60, kFixed}}));
    rig.platform.chooseFileNext(game);
    rig.press("Chargerbulletin1");
    QCOMPARE(rig.state.parameters.gameType, 6);
    QCOMPARE(rig.state.selection[45], kFixed);
    QVERIFY(!rig.box(45)->isVisibleTo(&rig.window));
    QCOMPARE(rig.label("nbcoch"), QStringLiteral("2"));
    QCOMPARE(rig.label("labnbFix"), QStringLiteral("1"));
    QCOMPARE(rig.label("LabNbFixgb"), QStringLiteral("1"));
}

int main(int argc, char* argv[]) {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication application(argc, argv);
    MainWindowFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "mainwindow_files_test.moc"
