// Pictures of the main window for a look at it: one per visible game type, with a few numbers
// ticked and one fixed, from a scratch program directory.
//
//   norvex5_mainwindowshots <output directory>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

#include "persistence/parameters.h"
#include "windows/common/qtplatform.h"
#include "windows/program/program.h"

using namespace norvex5;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    setUpApplication(application);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    struct Shot {
        int gameType;
        int language;
        std::initializer_list<int> ticked;
        int fixed;
    };
    const Shot shots[] = {
        {1, 1, {3, 11, 17, 25, 38}, 44}, {4, 2, {2, 9, 21, 33, 40}, 49},  {6, 2, {1, 7, 13, 22, 35}, 39},
        {7, 1, {5, 12, 29, 48, 50}, 36}, {8, 1, {1, 16, 29, 42, 50}, 24},
    };
    bool ok = true;
    for (const Shot& shot : shots) {
        QTemporaryDir scratch;
        ParameterRecord record;
        record.gameType = shot.gameType;
        record.language = shot.language;
        const std::filesystem::path dir = scratch.path().toStdString();
        saveParameters(dir / kParameterFileName, record);
        QtPlatform platform;
        Program program(platform, {dir, dir / "config"});
        program.start();
        MainWindow& form = program.mainWindow();
        for (int n : shot.ticked) form.tickBox(n);
        form.pressBox(shot.fixed, Qt::RightButton);
        application.processEvents();
        const QString file = out.filePath(QStringLiteral("mainwindow-type%1.png").arg(shot.gameType));
        ok &= form.grab().save(file);
        std::printf("%s\n", qPrintable(file));
        if (shot.gameType == 1) {
            // The wheel list open, to see its entries as the player does.
            auto* wheels = form.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
            wheels->showPopup();
            application.processEvents();
            if (QWidget* popup = QApplication::activePopupWidget()) {
                const QString list = out.filePath(QStringLiteral("mainwindow-wheellist.png"));
                ok &= popup->grab().save(list);
                std::printf("%s\n", qPrintable(list));
            }
            wheels->hidePopup();
        }
        form.hide();
    }
    return ok ? 0 : 1;
}
