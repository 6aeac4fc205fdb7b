// The main window where a new player first stumbled: files that are not what they seem, settings
// beside a program the player cannot write to, double clicks on the ticket, the desktop's own
// dialog texts in the player's language.

#include <sys/stat.h>

#include "windows/windowrig.h"

using namespace norvex5;
using norvex5::testing::MainWindowRig;

class MainWindowFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void loadingANamedPipeIsRefusedAsUnreadable();
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

int main(int argc, char* argv[]) {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication application(argc, argv);
    MainWindowFaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "mainwindow_faults_test.moc"
