// The first-run language window, alone and as the main window's first start shows it.

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "windows/languagechoice/languagechoicedialog.h"
#include "windows/modalanswer.h"
#include "windows/windowrig.h"

using namespace norvex5;
using norvex5::testing::MainWindowRig;
using norvex5::testing::findControl;

class LanguageChoiceTest : public QObject {
    Q_OBJECT

private slots:
    void windowAsDesigned();
    void choiceBecomesTheLanguageHoweverItCloses_data();
    void choiceBecomesTheLanguageHoweverItCloses();
    void firstRunAppliesTheChoiceEverywhereAndSavesIt();
    void laterRunsAndLanguageFilesAskNothing();
};

void LanguageChoiceTest::windowAsDesigned() {
    LanguageChoiceDialog choice;
    choice.prepare(1);
    QCOMPARE(choice.windowTitle(), QStringLiteral("Langue - Language"));
    QCOMPARE(findControl<QGroupBox>(choice, QStringLiteral("glangue"))->title(), QStringLiteral("Langue - Language"));
    QCOMPARE(findControl<QPushButton>(choice, QStringLiteral("bok"))->text(), QStringLiteral("OK"));
    QVERIFY(findControl<QRadioButton>(choice, QStringLiteral("lfrancais"))->isChecked());
    const QStringList lines = findControl<QPlainTextEdit>(choice, QStringLiteral("Memo1"))->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[0],
             QStringLiteral("si à l'écran, les croix sont affichées à coté des cases, allez dans le panneau de "));
    QCOMPARE(lines[3],
             QStringLiteral("default  font in the 'configuration panel/ screen resolution' are the little font and "));
    QCOMPARE(lines[5], QString());
    QVERIFY(findControl<QPlainTextEdit>(choice, QStringLiteral("Memo1"))->isReadOnly());
    QVERIFY(findControl<QPushButton>(choice, QStringLiteral("bok"))->isDefault());
    // Each button has its flag beside it, and no two flags alike.
    QList<QImage> flags;
    for (int code = 1; code <= 7; ++code) {
        const QImage flag = findControl<QLabel>(choice, QStringLiteral("drapeau%1").arg(code))->pixmap().toImage();
        QVERIFY(!flag.isNull());
        for (const QImage& other : flags) QVERIFY2(flag != other, qPrintable(QString::number(code)));
        flags.append(flag);
    }
}

void LanguageChoiceTest::choiceBecomesTheLanguageHoweverItCloses_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("byOk");
    QTest::addColumn<int>("language");
    QTest::newRow("Croatian, OK") << "lcroatie" << true << 6;
    QTest::newRow("Italian, Return key") << "litalien" << false << 5;
    QTest::newRow("untouched, OK") << "" << true << 1;
}

void LanguageChoiceTest::choiceBecomesTheLanguageHoweverItCloses() {
    QFETCH(QString, button);
    QFETCH(bool, byOk);
    LanguageChoiceDialog choice;
    norvex5::testing::answerModal(QStringLiteral("Form10"), [&](QWidget& window) {
        if (!button.isEmpty()) window.findChild<QRadioButton*>(button)->click();
        if (byOk)
            window.findChild<QPushButton*>(QStringLiteral("bok"))->click();
        else
            QTest::keyClick(&window, Qt::Key_Return);  // the default button
    });
    const LanguageCode chosen = choice.choose(1);
    QVERIFY(!choice.isVisible());
    QTEST(int(chosen), "language");
}

void LanguageChoiceTest::firstRunAppliesTheChoiceEverywhereAndSavesIt() {
    MainWindowRig rig;
    LanguageChoiceDialog choice;
    int shown = 0;
    rig.window.hooks().firstRunLanguage = [&] {
        ++shown;
        rig.state.parameters.language = choice.choose(rig.state.parameters.language);
    };
    norvex5::testing::answerModal(QStringLiteral("Form10"), [](QWidget& window) {
        window.findChild<QRadioButton*>(QStringLiteral("lespagnol"))->click();
        window.findChild<QPushButton*>(QStringLiteral("bok"))->click();
    });
    rig.start();
    QCOMPARE(shown, 1);
    QCOMPARE(rig.state.parameters.language, 4);
    QCOMPARE(rig.find<QAbstractButton>(QStringLiteral("bquitter"))->text(), QStringLiteral("Salir"));
    const QString firstEntry = rig.find<QComboBox>(QStringLiteral("ComboBox1"))->itemText(0);
    QCOMPARE(firstEntry.toStdString(), wheelListEntry(1, rig.state.messageLookup()));
    QVERIFY(firstEntry.contains(QStringLiteral("números")));
    QVERIFY(rig.window.close());
    QCOMPARE(loadParameters(rig.parametersPath()).record.language, 4);
}

void LanguageChoiceTest::laterRunsAndLanguageFilesAskNothing() {
    {
        MainWindowRig rig;
        rig.writeParameters({0, 2, 0, 0, 1, 0, 0, 0, 0, 49});
        LanguageChoiceDialog choice;
        int shown = 0;
        rig.window.hooks().firstRunLanguage = [&] {
            ++shown;
            rig.state.parameters.language = choice.choose(rig.state.parameters.language);
        };
        rig.start();
        QCOMPARE(shown, 0);
        QCOMPARE(rig.find<QAbstractButton>(QStringLiteral("bquitter"))->text(), QStringLiteral("Quit"));
    }
    {
        MainWindowRig rig;
        std::string text = "Langue;Test\r\nAuteur;Someone\r\nVersion;1\r\n";
        for (int k = 4; k <= 10; ++k) text += "x;" + std::to_string(k) + "\r\n";
        for (int n = 1; n <= 21; ++n)
            text += (n == 21 ? std::string("Quit;Sortir") : "m;" + std::to_string(n)) + "\r\n";
        rig.writeFile(rig.programDir() / "norvex5.lg", {text.begin(), text.end()});
        LanguageChoiceDialog choice;
        int shown = 0;
        rig.window.hooks().firstRunLanguage = [&] {
            ++shown;
            rig.state.parameters.language = choice.choose(rig.state.parameters.language);
        };
        rig.start();
        QCOMPARE(shown, 0);
        QCOMPARE(rig.find<QAbstractButton>(QStringLiteral("bquitter"))->text(), QStringLiteral("Sortir"));
    }
}

QTEST_MAIN(LanguageChoiceTest)
#include "languagechoice_test.moc"
