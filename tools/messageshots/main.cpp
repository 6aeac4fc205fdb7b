// Screenshots of two message boxes for a look at them in each language: the comparison window
// refusing a draw number outside the game, and the main window refusing fixed numbers for a
// built-in wheel (message 109 and the line saying what the wheel plays). Run under xvfb-run.
//
//   norvex5_messageshots <output directory> <language code>...

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "core/appstate.h"
#include "windows/common/qtplatform.h"
#include "windows/comparison/comparisonwindow.h"
#include "windows/program/program.h"

using namespace norvex5;

namespace {

// Lets the windows lay themselves out and paint.
void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Presses `button`, takes the whole screen once the box it opens is up, and closes the box.
void shootTheBoxOf(QAbstractButton& button, const QString& file) {
    QTimer::singleShot(800, [file] {
        QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), file});
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
        std::printf("%s\n", qPrintable(file));
    });
    button.click();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output directory> <language code>...\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QtPlatform platform;
    for (int i = 2; i < argc; ++i) {
        const int language = std::atoi(argv[i]);
        const auto file = [&](const char* name) {
            return out.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(name)).arg(language));
        };

        AppState state;
        state.parameters.language = language;
        state.parameters.highestNumber = 49;
        platform.setTexts([&state](ProgramText text) { return QString::fromStdString(state.programText(text)); });
        ComparisonWindow comparison(state, platform);
        comparison.setInternalMode();
        comparison.move(20, 20);
        comparison.show();
        settle(300);
        comparison.findChild<QComboBox*>(QStringLiteral("ComboBox3"))->setEditText(QStringLiteral("999"));
        shootTheBoxOf(*comparison.findChild<QPushButton*>(QStringLiteral("button1")), file("comparison-outside"));
        comparison.hide();

        QTemporaryDir scratch;
        const std::filesystem::path dir = scratch.path().toStdString();
        ParameterRecord record;
        record.language = language;
        saveParameters(dir / kParameterFileName, record);
        Program program(platform, {dir, dir / "config"});
        program.start();
        settle(300);
        for (int n : {3, 8, 19, 24, 31}) program.state().selection[n] = kSelected;
        program.state().selection[44] = kFixed;
        shootTheBoxOf(*program.mainWindow().findChild<QAbstractButton*>(QStringLiteral("bvoirbulletin")),
                      file("fixed-refused"));
        program.mainWindow().hide();
    }
    return 0;
}
