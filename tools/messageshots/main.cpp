// Screenshots of message boxes and counts for a look at them in each language: the comparison window
// refusing a draw number outside the game, then counting a wheel file of many boards; the main
// window refusing fixed numbers for a built-in wheel (message 109 and the line saying what the
// wheel plays), and a game that cannot be saved. Run under xvfb-run.
//
//   norvex5_messageshots <output directory> <language code>...

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <fstream>

#include "core/appstate.h"
#include "windows/common/qtplatform.h"
#include "windows/comparison/comparisonwindow.h"
#include "windows/program/program.h"
#include "windowshot.h"

using namespace norvex5;

using tools::settle;
using tools::shootModal;

namespace {

// The desktop, with a save dialog that answers a file in a folder that does not exist.
class UnwritableSavePlatform : public QtPlatform {
public:
    QString saveFileName(const FileDialog&) override { return QStringLiteral("/no-such-folder/lotto.nv5"); }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output directory> <language code>...\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    UnwritableSavePlatform platform;
    for (int i = 2; i < argc; ++i) {
        const int language = std::atoi(argv[i]);
        const auto file = [&](const char* name) {
            return out.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(name)).arg(language));
        };

        AppState state;
        state.parameters.language = language;
        state.parameters.highestNumber = 49;
        platform.setTexts([&state](ProgramText text) { return QString::fromStdString(state.programText(text)); });
        ComparisonWindow comparison(state.texts(), state.settings(), state.game(), platform);
        comparison.setInternalMode();
        comparison.move(20, 20);
        comparison.show();
        settle(300);
        comparison.findChild<QComboBox*>(QStringLiteral("ComboBox3"))->setEditText(QStringLiteral("999"));
        shootModal([&] { comparison.findChild<QPushButton*>(QStringLiteral("button1"))->click(); }, file("comparison-outside"));
        comparison.hide();

        QTemporaryDir scratch;
        const std::filesystem::path dir = scratch.path().toStdString();
        {
            std::ofstream many(dir / "many.txt");
            for (int board = 0; board < 69782; ++board) many << "1;2;3;4;5\n";
        }
        ExternalWheel manyBoards;
        manyBoards.fileName = (dir / "many.txt").string();
        manyBoards.separator = ";";
        comparison.setExternalMode(manyBoards);
        comparison.show();
        settle(300);
        for (int k = 1; k <= 5; ++k)
            comparison.findChild<QComboBox*>(QStringLiteral("ComboBox%1").arg(k))->setEditText(QString::number(k));
        comparison.findChild<QPushButton*>(QStringLiteral("button1"))->click();
        tools::shoot(comparison, file("comparison-many"));

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
        shootModal([&] { program.mainWindow().findChild<QAction*>(QStringLiteral("EnregistrerBulletin1"))->trigger(); },
                   file("save-refused"));
        program.mainWindow().hide();
    }
    return 0;
}
