// Qt's own dialog texts follow the program's language, from the translations Qt ships.

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "windows/common/qttranslations.h"

using namespace norvex5;

namespace {

// What the player sees: Qt builds these texts when the box and the dialog are created.
QString yesButtonText() {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text();
}

QString lookInText() {
    QFileDialog dialog;
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    return label != nullptr ? label->text() : QString();
}

bool translationInstalled(const QString& file) {
    return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).exists(file);
}

}  // namespace

class QtTranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void eachLanguage_data();
    void eachLanguage();
    void codeWithoutALanguageLeavesEnglish();
};

void QtTranslationsTest::eachLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("yes");
    QTest::addColumn<QString>("lookIn");
    QTest::newRow("French") << 1 << "qtbase_fr.qm"
                            << "&Oui"
                            << "Voir dans :";
    QTest::newRow("Portuguese, from the Brazilian file") << 3 << "qtbase_pt_BR.qm"
                                                         << "&Sim"
                                                         << "Procurar em:";
    QTest::newRow("Spanish") << 4 << "qtbase_es.qm"
                             << "&Sí"
                             << "Ver en:";
    QTest::newRow("Italian") << 5 << "qtbase_it.qm"
                             << "&Sì"
                             << "Cerca in:";
    QTest::newRow("Croatian") << 6 << "qtbase_hr.qm"
                              << "&Da"
                              << "Pogledaj u:";
    QTest::newRow("German") << 7 << "qtbase_de.qm"
                            << "&Ja"
                            << "Suchen in:";
}

void QtTranslationsTest::eachLanguage() {
    QFETCH(int, language);
    QFETCH(QString, file);
    if (!translationInstalled(file)) QSKIP(qPrintable(file + QStringLiteral(" is not installed")));
    applyQtTranslations(language);
    QTEST(yesButtonText(), "yes");
    QTEST(lookInText(), "lookIn");
    // Back to English: the translation applied before goes.
    applyQtTranslations(2);
    QCOMPARE(yesButtonText(), QStringLiteral("&Yes"));
    QCOMPARE(lookInText(), QStringLiteral("Look in:"));
}

void QtTranslationsTest::codeWithoutALanguageLeavesEnglish() {
    if (!translationInstalled(QStringLiteral("qtbase_fr.qm"))) QSKIP("qtbase_fr.qm is not installed");
    applyQtTranslations(1);
    QCOMPARE(yesButtonText(), QStringLiteral("&Oui"));
    applyQtTranslations(0);
    QCOMPARE(yesButtonText(), QStringLiteral("&Yes"));
}

int main(int argc, char* argv[]) {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication application(argc, argv);
    QtTranslationsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "qttranslations_test.moc"
