// The wheel description window opened from the main window over the wheel chosen there.

#include <QPlainTextEdit>
#include <QPushButton>

#include "windows/modalanswer.h"
#include "windows/wheeldescription/wheeldescriptionwindow.h"
#include "windows/windowrig.h"

using namespace norvex5;
using norvex5::testing::MainWindowRig;
using norvex5::testing::WindowRig;

class WheelDescriptionTest : public QObject {
    Q_OBJECT

private slots:
    void describesTheChosenWheel_data();
    void describesTheChosenWheel();
    void noWheelChosenShowsNothing();
    void openedFromTheMainWindowInItsLanguage();
};

namespace {

QStringList shownLines(const WindowRig<WheelDescriptionWindow>& rig) {
    return rig.find<QPlainTextEdit>(QStringLiteral("mdescription"))->toPlainText().split(QLatin1Char('\n'));
}

}  // namespace

void WheelDescriptionTest::describesTheChosenWheel_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("French") << 1
                            << QStringList{
                                   QStringLiteral("Vous devez sélectionner 6 numéros  dans la Grille"),
                                   QStringLiteral("Si lors du tirage vous avez dans la grille  4 bons numeros "),
                                   QStringLiteral("Vous aurez un ticket avec 4 numéros dans la Grille"), QString()};
    QTest::newRow("English") << 2
                             << QStringList{QStringLiteral("you should select 6 numbers  in  Board"),
                                            QStringLiteral("On the draw If you have in the Board A 4 good numbers "),
                                            QStringLiteral("you will have a board with 4 numbers in  Board"),
                                            QString()};
}

void WheelDescriptionTest::describesTheChosenWheel() {
    QFETCH(int, language);
    WindowRig<WheelDescriptionWindow> rig;
    rig.state.parameters.language = language;
    rig.state.selectedWheel = 1;  // 6 numbers, 4 if 4
    rig.window.prepare();
    QTEST(shownLines(rig), "lines");
    QCOMPARE(rig.find<QLabel>(QStringLiteral("lablibsysteme"))->text().toStdString(),
             wheelTitle(1, false, rig.state.messageLookup()));
    QCOMPARE(rig.find<QPushButton>(QStringLiteral("bretour"))->text(), rig.message(126));
    rig.window.show();
    rig.press("bretour");
    QVERIFY(!rig.window.isVisible());
}

void WheelDescriptionTest::noWheelChosenShowsNothing() {
    WindowRig<WheelDescriptionWindow> rig;
    rig.state.selectedWheel = 1;
    rig.window.prepare();
    for (const int none : {-1, 0, 9}) {
        rig.state.selectedWheel = none;
        rig.window.prepare();
        QCOMPARE(rig.find<QPlainTextEdit>(QStringLiteral("mdescription"))->toPlainText(), QString());
        QCOMPARE(rig.find<QLabel>(QStringLiteral("lablibsysteme"))->text(), QString());
    }
}

void WheelDescriptionTest::openedFromTheMainWindowInItsLanguage() {
    MainWindowRig rig;
    WheelDescriptionWindow description(rig.state.texts(), rig.state.game(), rig.platform);
    rig.window.hooks().wheelDescription = [&] { description.openModal(); };
    rig.writeParameters({0, 7, 0, 0, 1, 0, 0, 0, 0, 49});
    rig.start();
    QVERIFY(rig.chooseWheel(5));  // 13 numbers, 5 if 3
    QString seen;
    norvex5::testing::answerModal(QStringLiteral("FinfoSysteme"), [&](QWidget& window) {
        seen = window.findChild<QPlainTextEdit*>(QStringLiteral("mdescription"))->toPlainText();
        window.findChild<QPushButton*>(QStringLiteral("bretour"))->click();
    });
    rig.press("spinfosysteme");
    QVERIFY(!description.isVisible());
    QVERIFY2(seen.startsWith(rig.message(159) + QStringLiteral(" 13 ")), qPrintable(seen));
    QVERIFY(seen.contains(rig.message(169) + QStringLiteral(" 3 ")));
}

QTEST_MAIN(WheelDescriptionTest)
#include "wheeldescription_test.moc"
