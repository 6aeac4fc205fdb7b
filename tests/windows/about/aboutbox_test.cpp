// The about box: its fixed texts, the disclaimer in the current language, and that the main
// window stays usable while it is open.

#include <QPlainTextEdit>
#include <QPushButton>

#include "windows/about/aboutbox.h"
#include "windows/windowrig.h"

using namespace norvex5;
using norvex5::testing::MainWindowRig;
using norvex5::testing::findControl;
using norvex5::testing::pressControl;
using norvex5::testing::WindowRigBase;

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void showsVersionAndDisclaimer_data();
    void showsVersionAndDisclaimer();
    void leavesTheMainWindowUsable();
};

void AboutBoxTest::showsVersionAndDisclaimer_data() {
    testing::addLanguageRows();
}

void AboutBoxTest::showsVersionAndDisclaimer() {
    QFETCH(int, language);
    WindowRigBase rig;
    rig.state.parameters.language = language;
    AboutBox about;
    about.showBox(rig.state.messageLookup(), language);
    about.showBox(rig.state.messageLookup(), language);  // shown twice: the lines are not added twice
    // The title in the box's language: French only in French.
    QCOMPARE(about.windowTitle(), QString::fromStdString(rig.state.programText(ProgramText::AboutTitle)));
    QCOMPARE(about.windowTitle() == QStringLiteral("A propos"), language == 1);
    QCOMPARE(findControl<QLabel>(about, QStringLiteral("ProductName"))->text(), QStringLiteral("NORVEX5"));
    QCOMPARE(findControl<QLabel>(about, QStringLiteral("lversion"))->text(), QStringLiteral("1.08"));
    QVERIFY(findControl<QLabel>(about, QStringLiteral("Label3"))->isHidden());
    QCOMPARE(findControl<QPushButton>(about, QStringLiteral("OKButton"))->text(), rig.message(126));
    auto* disclaimer = findControl<QPlainTextEdit>(about, QStringLiteral("Memo1"));
    const QStringList lines = disclaimer->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines, (QStringList{rig.message(73), rig.message(74), rig.message(107)}));
    // No language leaves the disclaimer blank, nor cuts one of its lines.
    for (const QString& line : lines) {
        QVERIFY(!line.isEmpty());
        QVERIFY2(disclaimer->fontMetrics().horizontalAdvance(line) < disclaimer->viewport()->width(),
                 qPrintable(line));
    }
    pressControl(about, "OKButton");
    QVERIFY(!about.isVisible());
}

void AboutBoxTest::leavesTheMainWindowUsable() {
    MainWindowRig rig;
    AboutBox about;
    rig.window.hooks().aboutBox = [&] { about.showBox(rig.state.messageLookup(), rig.state.parameters.language); };
    rig.start();
    rig.press("Infos1");
    QVERIFY(about.isVisible());
    QVERIFY(!about.isModal());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    rig.clickBox(7, Qt::LeftButton);
    QCOMPARE(rig.state.selection[7], kSelected);
}

QTEST_MAIN(AboutBoxTest)
#include "aboutbox_test.moc"
