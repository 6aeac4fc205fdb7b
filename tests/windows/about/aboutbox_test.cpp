// The about box: its fixed texts, the disclaimer in the current language, and that the main
// window stays usable while it is open.

#include <QPlainTextEdit>
#include <QPushButton>

#include "windows/about/aboutbox.h"
#include "windows/windowrig.h"

using namespace norvex5;
using norvex5::testing::MainWindowRig;
using norvex5::testing::WindowRig;

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void showsVersionAndDisclaimer_data();
    void showsVersionAndDisclaimer();
    void leavesTheMainWindowUsable();
};

void AboutBoxTest::showsVersionAndDisclaimer_data() {
    QTest::addColumn<int>("language");
    for (int language = 1; language <= 7; ++language) QTest::newRow(QByteArray::number(language)) << language;
}

void AboutBoxTest::showsVersionAndDisclaimer() {
    QFETCH(int, language);
    WindowRig<AboutBox> rig;
    rig.state.parameters.language = language;
    rig.window.showBox();
    rig.window.showBox();  // shown twice: the lines are not added twice
    QCOMPARE(rig.window.windowTitle(), QStringLiteral("A propos"));
    QCOMPARE(rig.find<QLabel>(QStringLiteral("ProductName"))->text(), QStringLiteral("NORVEX5"));
    QCOMPARE(rig.find<QLabel>(QStringLiteral("lversion"))->text(), QStringLiteral("1.08"));
    QVERIFY(rig.find<QLabel>(QStringLiteral("Label3"))->isHidden());
    QCOMPARE(rig.find<QPushButton>(QStringLiteral("OKButton"))->text(), rig.message(126));
    const QStringList lines = rig.find<QPlainTextEdit>(QStringLiteral("Memo1"))->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines, (QStringList{rig.message(73), rig.message(74), rig.message(107)}));
    // No language leaves the disclaimer blank.
    for (const QString& line : lines) QVERIFY(!line.isEmpty());
    rig.press("OKButton");
    QVERIFY(!rig.window.isVisible());
}

void AboutBoxTest::leavesTheMainWindowUsable() {
    MainWindowRig rig;
    AboutBox about(rig.state, rig.platform);
    rig.window.hooks().aboutBox = [&] { about.showBox(); };
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
