// Screenshots of two message boxes for a look at them in each language: the comparison window
// refusing a draw number outside the game, and the main window refusing fixed numbers for a
// built-in wheel (message 109 and the line saying what the wheel plays). Run under xvfb-run.
//
//   norvex5_messageshots <output directory> <language code>...

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "core/appstate.h"
#include "windows/common/qtplatform.h"
#include "windows/comparison/comparisonwindow.h"
#include "windows/program/program.h"
#include "windowshot.h"

using namespace norvex5;

using tools::settle;
using tools::shootModal;

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
        shootModal([&] { comparison.findChild<QPushButton*>(QStringLiteral("button1"))->click(); }, file("comparison-outside"));
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
        shootModal([&] { program.mainWindow().findChild<QAbstractButton*>(QStringLiteral("bvoirbulletin"))->click(); },
                   file("fixed-refused"));
        program.mainWindow().hide();
    }
    return 0;
}
