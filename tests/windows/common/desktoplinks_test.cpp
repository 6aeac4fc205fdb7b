// Help, results pages and the companion at the end, through the scripted desktop.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "core/appstate.h"
#include "windows/common/desktoplinks.h"
#include "windows/common/fakeplatform.h"
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
    openHelp(platform, state, dirOf(program), cache.path());
    QCOMPARE(platform.openedUrls(), QStringList{program.path() + QStringLiteral("/norvex5.chm")});
    QVERIFY(platform.messages().isEmpty());
}

void DesktopLinksTest::helpPageInThePlayersLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("chmPresent");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("lang");
    QTest::newRow("French, no help file") << 1 << false << "norvex5-fr.html"
                                          << "lang=\"fr\"";
    QTest::newRow("German, no help file") << 7 << false << "norvex5-en.html"
                                          << "lang=\"en\"";
    QTest::newRow("English, help file nobody opens") << 2 << true << "norvex5-en.html"
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
    openHelp(platform, state, dirOf(program), folder);
    QCOMPARE(platform.openedUrls(), QStringList{folder + QLatin1Char('/') + page});
    QFile written(platform.openedUrls().value(0));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray html = written.readAll();
    QVERIFY(html.contains(lang.toUtf8()));
    QVERIFY(html.contains("</html>"));
    QVERIFY(platform.messages().isEmpty());
}

void DesktopLinksTest::helpThatCannotOpenSaysWhereItIs() {
    QTemporaryDir program, cache;
    FakePlatform platform;
    platform.setHandledSuffixes({});
    AppState state;
    state.parameters.language = 7;
    openHelp(platform, state, dirOf(program), cache.path());
    QVERIFY(platform.openedUrls().isEmpty());
    QCOMPARE(platform.messages().size(), 1);
    QVERIFY(platform.messages()[0].text.startsWith(QStringLiteral("Kein Programm")));
    QVERIFY(platform.messages()[0].text.contains(cache.path() + QStringLiteral("/norvex5-en.html")));
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
    openHelp(platform, state, dirOf(program), folder);
    QCOMPARE(platform.openedUrls(), QStringList{program.path() + QStringLiteral("/help/norvex5-fr.html")});
    QVERIFY(!QFile::exists(folder + QStringLiteral("/norvex5-fr.html")));

    // A language whose page was not installed gets the built-in one, not another language's.
    state.parameters.language = 2;
    openHelp(platform, state, dirOf(program), folder);
    QCOMPARE(platform.openedUrls().value(1), folder + QStringLiteral("/norvex5-en.html"));
    QVERIFY(platform.messages().isEmpty());
}

void DesktopLinksTest::resultsPagesOpenOnlyWithAViewer() {
    FakePlatform platform;
    const QString host = QString::fromUtf8(kResultsServerHost.data(), kResultsServerHost.size());
    openResultsPage(platform, ResultsPage::FrenchLotto);
    openResultsPage(platform, ResultsPage::EuroMillions);
    QCOMPARE(
        platform.openedUrls(),
        (QStringList{QStringLiteral("http://") + host + QStringLiteral("/resultat-loto-francais.php?vsource=nrv5"),
                     QStringLiteral("http://") + host + QStringLiteral("/resultat-euromillions.php?vsource=stelv")}));
    platform.clear();
    platform.setHandledSuffixes({QStringLiteral(".html")});
    QVERIFY(!openInWebViewer(platform, QStringLiteral("http://") + host + QStringLiteral("/")));
    openResultsPage(platform, ResultsPage::FrenchLotto);
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
