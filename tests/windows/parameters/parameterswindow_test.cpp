// The parameters window driven as the player drives it: typing offsets, choosing a language,
// OK or closing, and the main window in the new language afterwards.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "localisation/messagenumbers.h"
#include "localisation/messagetable.h"
#include "windows/captionsfit.h"
#include "windows/modalanswer.h"
#include "windows/parameters/parameterswindow.h"
#include "windows/windowrig.h"

using namespace norvex5;
using norvex5::testing::cutCaptions;
using norvex5::testing::MainWindowRig;
using norvex5::testing::WindowRig;

class ParametersWindowTest : public QObject {
    Q_OBJECT

private slots:
    void typingKeepsOnlyDigitsAndSigns();
    void okReadsTheOffsets_data();
    void okReadsTheOffsets();
    void offsetOffThePaperIsRefusedNamingTheField();
    void closingWithoutOkChangesNothing();
    void showsTheCurrentValuesInTheCurrentLanguage();
    void languageFileHidesTheLanguageGroup();
    void germanReachesTheMainWindowAtOnce();
    void sameLanguageKeepsTheChosenWheel();
    void printerGroupTakesAButton();
    void nothingIsCutInAnyLanguage();
};

namespace {

QLineEdit* field(const WindowRig<ParametersWindow>& rig, const char* name) {
    return rig.find<QLineEdit>(QLatin1String(name));
}

}  // namespace

void ParametersWindowTest::typingKeepsOnlyDigitsAndSigns() {
    WindowRig<ParametersWindow> rig;
    rig.window.prepare();
    rig.window.show();
    QLineEdit* h = field(rig, "edech");
    h->clear();
    QTest::keyClicks(h, QStringLiteral("-1a2"));
    QCOMPARE(h->text(), QStringLiteral("-12"));
    // Backspace is discarded like a letter.
    QTest::keyClick(h, Qt::Key_Backspace);
    QCOMPARE(h->text(), QStringLiteral("-12"));
    QTest::keyClicks(h, QStringLiteral("x+ 34."));
    QCOMPARE(h->text(), QStringLiteral("-12+3"));  // five characters at most
    // Delete and the arrows still edit.
    QTest::keyClick(h, Qt::Key_Home);
    QTest::keyClick(h, Qt::Key_Delete);
    QCOMPARE(h->text(), QStringLiteral("12+3"));
    rig.press("bok");
    QCOMPARE(rig.state.parameters.horizontalOffset, 12);
}

void ParametersWindowTest::okReadsTheOffsets_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("mm");
    QTest::newRow("minus twelve") << "-12" << -12;
    QTest::newRow("plus seven") << "+7" << 7;
    QTest::newRow("sign after a digit") << "1-2" << 1;
    QTest::newRow("two signs") << "--5" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("farthest") << "-100" << -100;
}

void ParametersWindowTest::okReadsTheOffsets() {
    QFETCH(QString, typed);
    WindowRig<ParametersWindow> rig;
    rig.state.parameters.horizontalOffset = 4;
    rig.state.parameters.verticalOffset = 4;
    rig.window.prepare();
    rig.window.show();
    for (const char* name : {"edech", "edecv"}) {
        field(rig, name)->selectAll();
        QTest::keyClick(field(rig, name), Qt::Key_Delete);
    }
    QTest::keyClicks(field(rig, "edecv"), typed);
    rig.press("bok");
    QVERIFY(!rig.window.isVisible());
    QCOMPARE(rig.window.result(), int(QDialog::Accepted));
    QTEST(int(rig.state.parameters.verticalOffset), "mm");
    QCOMPARE(rig.state.parameters.horizontalOffset, 0);
}

// 99999 mm would print every ticket off the paper without a word: OK refuses it, names the field
// and leaves both the window and the parameters as they were.
void ParametersWindowTest::offsetOffThePaperIsRefusedNamingTheField() {
    WindowRig<ParametersWindow> rig;
    rig.state.parameters.horizontalOffset = 4;
    rig.state.parameters.verticalOffset = 4;
    rig.window.prepare();
    rig.window.show();
    const struct {
        const char* name;
        int caption;
    } fields[] = {{"edech", 135}, {"edecv", 134}};
    for (const auto& f : fields) {
        for (const char* typed : {"101", "-9999", "99999"}) {
            rig.platform.clear();
            field(rig, f.name)->setText(QLatin1String(typed));
            rig.press("bok");
            QVERIFY(rig.window.isVisible());
            QCOMPARE(rig.platform.messages().size(), 1);
            const QString said = rig.platform.messages()[0].text;
            QVERIFY2(said.contains(rig.message(f.caption).remove(QLatin1Char(':')).trimmed()), qPrintable(said));
            QVERIFY2(said.contains(QLatin1String(typed) + QLatin1String(" mm")), qPrintable(said));
            QCOMPARE(rig.state.parameters.horizontalOffset, 4);
            QCOMPARE(rig.state.parameters.verticalOffset, 4);
            QCOMPARE(field(rig, f.name)->selectedText(), QLatin1String(typed));
        }
        field(rig, f.name)->setText(QStringLiteral("100"));
    }
    rig.platform.clear();
    rig.press("bok");
    QVERIFY(rig.platform.messages().isEmpty());
    QVERIFY(!rig.window.isVisible());
    QCOMPARE(rig.state.parameters.horizontalOffset, 100);
    QCOMPARE(rig.state.parameters.verticalOffset, 100);
}

void ParametersWindowTest::closingWithoutOkChangesNothing() {
    WindowRig<ParametersWindow> rig;
    rig.state.parameters.horizontalOffset = -3;
    rig.state.parameters.language = 2;
    const ParameterRecord before = rig.state.parameters;
    norvex5::testing::answerModal(QStringLiteral("Form9"), [](QWidget& window) {
        QTest::keyClicks(window.findChild<QLineEdit*>(QStringLiteral("edech")), QStringLiteral("5"));
        window.findChild<QRadioButton*>(QStringLiteral("lallemand"))->setChecked(true);
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    rig.window.openModal();
    QVERIFY(rig.state.parameters == before);
}

void ParametersWindowTest::showsTheCurrentValuesInTheCurrentLanguage() {
    WindowRig<ParametersWindow> rig;
    rig.state.parameters = {0, 7, -3, 25, 1, 0, 0, 0, 0, 49};
    rig.window.prepare();
    QCOMPARE(field(rig, "edech")->text(), QStringLiteral("-3"));
    QCOMPARE(field(rig, "edecv")->text(), QStringLiteral("25"));
    QVERIFY(rig.find<QRadioButton>(QStringLiteral("lallemand"))->isChecked());
    QCOMPARE(rig.window.windowTitle(), rig.message(49));
    QCOMPARE(rig.find<QGroupBox>(QStringLiteral("GroupBox1"))->title(), rig.message(130));
    QCOMPARE(rig.find<QLabel>(QStringLiteral("ldecalh"))->text(), rig.message(135));
    QCOMPARE(rig.find<QLabel>(QStringLiteral("ldecalv"))->text(), rig.message(134));
    QCOMPARE(rig.find<QGroupBox>(QStringLiteral("glangue"))->title(), rig.message(131));
    QCOMPARE(rig.message(131), QStringLiteral("Sprache"));
    // The language buttons name themselves, whatever the language.
    QCOMPARE(rig.find<QRadioButton>(QStringLiteral("lfrancais"))->text(), QStringLiteral("Français"));
    QCOMPARE(rig.find<QRadioButton>(QStringLiteral("lcroatie"))->text(), QStringLiteral("Hrvatski"));
    // OK without touching anything keeps every value.
    const ParameterRecord before = rig.state.parameters;
    rig.press("bok");
    QVERIFY(rig.state.parameters == before);
}

void ParametersWindowTest::languageFileHidesTheLanguageGroup() {
    WindowRig<ParametersWindow> rig;
    std::string text = "Langue;Test\r\nAuteur;Someone\r\nVersion;1\r\n";
    for (int k = 4; k <= 10; ++k) text += "x;" + std::to_string(k) + "\r\n";
    for (int n = 1; n <= 135; ++n) {
        // Field 2 where it is written, field 1 where field 2 is blank.
        if (n == 130)
            text += "Printer;   \r\n";
        else if (n == 135)
            text += "ignored;Across\r\n";
        else
            text += "m" + std::to_string(n) + ";\r\n";
    }
    rig.writeFile(rig.programDir() / "norvex5.lg", {text.begin(), text.end()});
    rig.state.languageFile = std::make_unique<LanguageFile>(rig.programDir() / "norvex5.lg");
    QVERIFY(rig.state.languageFile->load());
    rig.state.parameters.language = 3;
    rig.window.prepare();
    rig.window.show();
    QVERIFY(rig.find<QGroupBox>(QStringLiteral("glangue"))->isHidden());
    QVERIFY(rig.find<QGroupBox>(QStringLiteral("GroupBox1"))->isVisible());
    QCOMPARE(rig.find<QGroupBox>(QStringLiteral("GroupBox1"))->title(), QStringLiteral("Printer"));
    QCOMPARE(rig.find<QLabel>(QStringLiteral("ldecalh"))->text(), QStringLiteral("Across"));
    QCOMPARE(rig.find<QLabel>(QStringLiteral("ldecalv"))->text(), QStringLiteral("m134"));
    QCOMPARE(rig.window.windowTitle(), QStringLiteral("m49"));
    rig.press("bok");
    QCOMPARE(rig.state.parameters.language, 3);
}

void ParametersWindowTest::germanReachesTheMainWindowAtOnce() {
    MainWindowRig rig;
    ParametersWindow parameters(rig.state.texts(), rig.state.settings(), rig.platform);
    rig.window.hooks().parametersWindow = [&] { parameters.openModal(); };
    rig.writeParameters({});
    rig.start();
    QCOMPARE(rig.find<QAbstractButton>(QStringLiteral("bquitter"))->text(), QStringLiteral("Quitter"));
    norvex5::testing::answerModal(QStringLiteral("Form9"), [](QWidget& window) {
        window.findChild<QRadioButton*>(QStringLiteral("lallemand"))->click();
        auto* h = window.findChild<QLineEdit*>(QStringLiteral("edech"));
        h->selectAll();
        QTest::keyClick(h, Qt::Key_Delete);
        QTest::keyClicks(h, QStringLiteral("-12"));
        window.findChild<QPushButton*>(QStringLiteral("bok"))->click();
    });
    rig.press("Paramtres1");
    QCOMPARE(rig.state.parameters.language, 7);
    QCOMPARE(rig.state.parameters.horizontalOffset, -12);
    QCOMPARE(rig.find<QAbstractButton>(QStringLiteral("bquitter"))->text(), QStringLiteral("Beenden"));
    QCOMPARE(rig.find<QTabWidget>(QStringLiteral("PageControl1"))->tabText(1), QStringLiteral("Externe Systeme"));
    QCOMPARE(rig.find<QComboBox>(QStringLiteral("ComboBox1"))->itemText(0).toStdString(),
             wheelListEntry(1, rig.state.messageLookup()));
    // The next time it opens, the window itself is in German.
    parameters.prepare();
    QCOMPARE(parameters.windowTitle(), QStringLiteral("Parameter"));
    // And the choice reaches the file when the program ends.
    QVERIFY(rig.window.close());
    const ParametersLoadResult saved = loadParameters(rig.parametersPath());
    QCOMPARE(saved.record.language, 7);
    QCOMPARE(saved.record.horizontalOffset, -12);
}

void ParametersWindowTest::sameLanguageKeepsTheChosenWheel() {
    MainWindowRig rig;
    ParametersWindow parameters(rig.state.texts(), rig.state.settings(), rig.platform);
    rig.window.hooks().parametersWindow = [&] { parameters.openModal(); };
    rig.writeParameters({});
    rig.start();
    QVERIFY(rig.chooseWheel(5));
    norvex5::testing::answerModal(QStringLiteral("Form9"), [](QWidget& window) {
        window.findChild<QPushButton*>(QStringLiteral("bok"))->click();
    });
    rig.press("Paramtres1");
    QCOMPARE(rig.window.selectedWheelNumber(), 5);
}

void ParametersWindowTest::printerGroupTakesAButton() {
    WindowRig<ParametersWindow> rig;
    auto* button = new QPushButton(QStringLiteral("Test"));
    rig.window.placePrinterButton(button);
    rig.window.prepare();
    rig.window.show();
    QCOMPARE(button->parentWidget(), rig.window.printerGroup());
    QVERIFY(button->isVisible());
    // Beside the fields, not over them.
    QVERIFY(!button->geometry().intersects(field(rig, "edech")->geometry()));
    QVERIFY(button->geometry().left() > field(rig, "edech")->geometry().right());
}

void ParametersWindowTest::nothingIsCutInAnyLanguage() {
    WindowRig<ParametersWindow> rig;
    for (int language = 1; language <= kLanguageCount; ++language) {
        rig.state.parameters.language = language;
        rig.window.prepare();
        rig.window.show();
        QCOMPARE(cutCaptions(rig.window), QStringList());
        QCOMPARE(rig.find<QLabel>(QStringLiteral("labmodeletest"))->text(), rig.message(kMessageTicketType));
        rig.window.hide();
    }
}

QTEST_MAIN(ParametersWindowTest)
#include "parameterswindow_test.moc"
