// Help, results pages and the companion at the end, through the scripted desktop.

#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "core/appstate.h"
#include "localisation/messagenumbers.h"
#include "localisation/programtexts.h"
#include "periphery/weblinks.h"
#include "windows/common/desktoplinks.h"
#include "support/fakeplatform.h"
#include "windows/mainwindow/mainwindow.h"
#include "windows/windowrig.h"

using namespace norvex5;

class DesktopLinksTest : public QObject {
    Q_OBJECT

private slots:
    void helpFileOpensWhenTheDesktopHandlesIt();
    void helpPageInThePlayersLanguage_data();
    void helpPageInThePlayersLanguage();
    void helpThatCannotOpenSaysWhereItIs();
    void installedHelpPageOpensWhereItLies();
    void helpNamesEveryWindowAsItIsCaptioned_data();
    void helpNamesEveryWindowAsItIsCaptioned();
    void resultsPagesOpenOnlyWithAViewer();
    void companionProgramBeforeItsPage();
};

namespace {

std::filesystem::path dirOf(const QTemporaryDir& dir) { return std::filesystem::path(dir.path().toStdString()); }

void touch(const std::filesystem::path& file) { std::ofstream(file) << "x"; }

}  // namespace

void DesktopLinksTest::helpFileOpensWhenTheDesktopHandlesIt() {
    QTemporaryDir program, cache;
    FakePlatform platform;
    AppState state;
    touch(dirOf(program) / "norvex5.chm");
    openHelp(platform, state.texts(), dirOf(program), cache.path());
    QCOMPARE(platform.openedUrls(), QStringList{program.path() + QStringLiteral("/norvex5.chm")});
    QVERIFY(platform.messages().isEmpty());
}

void DesktopLinksTest::helpPageInThePlayersLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("chmPresent");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("lang");
    const char* const codes[] = {"fr", "en", "pt", "es", "it", "hr", "de"};
    for (LanguageCode language = 1; language <= kLanguageCount; ++language) {
        const QString code = QLatin1String(codes[language - 1]);
        QTest::newRow(codes[language - 1]) << language << false << QStringLiteral("norvex5-%1.html").arg(code)
                                           << QStringLiteral("lang=\"%1\"").arg(code);
    }
    QTest::newRow("English, help file nobody opens") << 2 << true << "norvex5-en.html"
                                                     << "lang=\"en\"";
    QTest::newRow("no language yet") << 0 << false << "norvex5-en.html"
                                     << "lang=\"en\"";
}

void DesktopLinksTest::helpPageInThePlayersLanguage() {
    QFETCH(int, language);
    QFETCH(bool, chmPresent);
    QFETCH(QString, page);
    QFETCH(QString, lang);
    QTemporaryDir program, cache;
    FakePlatform platform;
    platform.setHandledSuffixes({QStringLiteral(".html")});
    AppState state;
    state.parameters.language = language;
    if (chmPresent) touch(dirOf(program) / "norvex5.chm");
    const QString folder = cache.path() + QStringLiteral("/help");
    openHelp(platform, state.texts(), dirOf(program), folder);
    QCOMPARE(platform.openedUrls(), QStringList{folder + QLatin1Char('/') + page});
    QFile written(platform.openedUrls().value(0));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray html = written.readAll();
    QVERIFY(html.contains(lang.toUtf8()));
    QVERIFY(html.contains("</html>"));
    // Its look lies beside it, where the page's link finds it.
    QVERIFY(html.contains(QByteArray("href=\"") + kHelpStyleSheet + '"'));
    QFile look(folder + QLatin1Char('/') + QLatin1String(kHelpStyleSheet));
    QVERIFY(look.open(QIODevice::ReadOnly));
    QVERIFY(look.readAll().contains("body {"));
    QVERIFY(platform.messages().isEmpty());
}

void DesktopLinksTest::helpThatCannotOpenSaysWhereItIs() {
    QTemporaryDir program, cache;
    FakePlatform platform;
    platform.setHandledSuffixes({});
    AppState state;
    state.parameters.language = 7;
    openHelp(platform, state.texts(), dirOf(program), cache.path());
    QVERIFY(platform.openedUrls().isEmpty());
    QCOMPARE(platform.messages().size(), 1);
    QVERIFY(platform.messages()[0].text.startsWith(QStringLiteral("Kein Programm")));
    QVERIFY(platform.messages()[0].text.contains(cache.path() + QStringLiteral("/norvex5-de.html")));
}

void DesktopLinksTest::installedHelpPageOpensWhereItLies() {
    QTemporaryDir program, cache;
    FakePlatform platform;
    platform.setHandledSuffixes({QStringLiteral(".html")});
    AppState state;
    state.parameters.language = 1;
    std::filesystem::create_directory(dirOf(program) / "help");
    touch(dirOf(program) / "help" / "norvex5-fr.html");
    const QString folder = cache.path() + QStringLiteral("/help");
    openHelp(platform, state.texts(), dirOf(program), folder);
    QCOMPARE(platform.openedUrls(), QStringList{program.path() + QStringLiteral("/help/norvex5-fr.html")});
    QVERIFY(!QFile::exists(folder + QStringLiteral("/norvex5-fr.html")));

    // A language whose page was not installed gets the built-in one, not another language's.
    state.parameters.language = 2;
    openHelp(platform, state.texts(), dirOf(program), folder);
    QCOMPARE(platform.openedUrls().value(1), folder + QStringLiteral("/norvex5-en.html"));
    QVERIFY(platform.messages().isEmpty());
}

void DesktopLinksTest::helpNamesEveryWindowAsItIsCaptioned_data() {
    QTest::addColumn<int>("language");
    for (LanguageCode language = 1; language <= kLanguageCount; ++language)
        QTest::newRow(qPrintable(QString::number(language))) << language;
}

void DesktopLinksTest::helpNamesEveryWindowAsItIsCaptioned() {
    // The help leads the player by the words on the screen: each window, tab page and command it
    // explains is named in the page as the program captions it in that language.
    QFETCH(int, language);
    const int messages[] = {
        kMessageInternalWheels,    kMessageExternalWheels, kMessageWheelingSystems,  kMessageRandomNumbers,
        kMessageClearBoard,        kMessageViewBoards,     kMessageBoardListButton,  kMessagePrintTickets,
        kMessageCompareWithDraw,   kMessageSelectedWheel,  kMessageLastDraw,         kMessageBoardsToPlay,
        kMessageInternalListTitle, kMessageExportList,     kMessageTicketType,       kMessageBoardsToPrint,
        kMessagePrintBoardNumbers, kMessageMarkBonus,      kMessageViewResults,      kMessageSelectFile,
        kMessageSeparator,         kMessageLinesToSkip,    kMessageReplaceNumbers,   kMessageDisplayAll,
        kMessagePrintList,         kMessageParameters,     kMessageHorizontalOffset, kMessageVerticalOffset,
        kMessageLanguage,          kMessageSaveGame,       kMessageLoadGame};
    const ProgramText texts[] = {
        ProgramText::PrintPreview,        ProgramText::TestPrint,          ProgramText::WheelCheckTitle,
        ProgramText::WheelGeneratorTitle, ProgramText::NumbersStartAtZero, ProgramText::UseTickedNumbers,
        ProgramText::GuaranteeLabel,      ProgramText::Generate,           ProgramText::Stop,
        ProgramText::SendToExternalTab};
    QTemporaryDir cache;
    const QString written = writeHelpPage(QString::fromStdString(helpPageName(language)), cache.path());
    QFile page(written);
    QVERIFY(page.open(QIODevice::ReadOnly));
    // A browser shows a line break in the source as one blank.
    const QString html = QString::fromUtf8(page.readAll()).simplified();
    QStringList captions{QStringLiteral("Langue - Language")};  // the first run's window, in two languages
    const auto add = [&](std::string_view caption) {
        captions.append(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())).trimmed());
    };
    for (const int message : messages) add(messageTableCell(message, language));
    for (const ProgramText text : texts) add(programText(text, language));
    QStringList missing;
    for (const QString& caption : captions)
        if (!html.contains(caption)) missing.append(caption);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(" | "))));
}

void DesktopLinksTest::resultsPagesOpenOnlyWithAViewer() {
    FakePlatform platform;
    const auto page = [](int gameType) { return QString::fromStdString(resultsPageAddress(gameType)); };
    openResultsPage(platform, 1);
    openResultsPage(platform, 8);
    openResultsPage(platform, 99);  // no lottery, no page: nothing is opened
    QCOMPARE(platform.openedUrls(), (QStringList{page(1), page(8)}));
    platform.clear();
    platform.setHandledSuffixes({QStringLiteral(".html")});
    QVERIFY(!openInWebViewer(platform, page(1)));
    openResultsPage(platform, 1);
    QVERIFY(platform.openedUrls().isEmpty());
    QVERIFY(platform.messages().isEmpty());  // silent
}

void DesktopLinksTest::companionProgramBeforeItsPage() {
    QTemporaryDir program;
    FakePlatform platform;
    launchCompanion(platform, dirOf(program));
    QVERIFY(platform.startedPrograms().isEmpty() && platform.openedUrls().isEmpty());

    touch(dirOf(program) / "BRISANT.HTM");
    launchCompanion(platform, dirOf(program));
    QCOMPARE(platform.openedUrls(), QStringList{program.path() + QStringLiteral("/BRISANT.HTM")});

    platform.clear();
    touch(dirOf(program) / "BRISANT.EXE");
    launchCompanion(platform, dirOf(program));
    // Started by path, with no arguments and no shell, and the page left alone.
    QCOMPARE(platform.startedPrograms(), (QList<QStringList>{{program.path() + QStringLiteral("/BRISANT.EXE")}}));
    QVERIFY(platform.openedUrls().isEmpty());

    // A failed start stays silent, and closing the main window still works.
    norvex5::testing::MainWindowRig rig;
    rig.platform.setStartProgramResult(false);
    touch(rig.programDir() / "BRISANT.EXE");
    rig.window.hooks().companionLaunch = [&] { launchCompanion(rig.platform, rig.programDir()); };
    rig.start();
    QVERIFY(rig.window.close());
    QCOMPARE(rig.platform.startedPrograms().size(), 1);
    QVERIFY(rig.platform.messages().isEmpty());
}

QTEST_MAIN(DesktopLinksTest)
#include "desktoplinks_test.moc"
