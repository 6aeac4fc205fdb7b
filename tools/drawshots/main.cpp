// Screenshots of the draw history's windows for a look at them in each language: the stored
// draws after an import, the import window with its guesses, preview and summary, the
// statistics, a back-test, and the comparison window with its stored draw. Each is shown alone on
// the X display and taken whole with ImageMagick's import (run it under xvfb-run). The draws go
// into a scratch history; the file dialogs are answered by the scripted desktop.
//
//   norvex5_drawshots <draw file> <output directory> <language code>...

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

#include "core/appstate.h"
#include "windowshot.h"
#include "windows/common/drawhistory.h"
#include "support/fakeplatform.h"
#include "windows/comparison/comparisonwindow.h"
#include "windows/draws/drawimportdialog.h"
#include "windows/draws/drawswindow.h"

using namespace norvex5;

using tools::settle;
using tools::shoot;

namespace {

// Every board of five among the first ten numbers, played as 3, 7, 12, ...
WheelToCheck tenNumbers() {
    WheelToCheck wheel;
    wheel.wheel.numbers = 10;
    for (int a = 0; a < 10; ++a)
        for (int b = a + 1; b < 10; ++b)
            for (int c = b + 1; c < 10; ++c)
                for (int d = c + 1; d < 10; ++d)
                    for (int e = d + 1; e < 10; ++e)
                        wheel.wheel.boards.push_back({static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                                                      static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(d),
                                                      static_cast<std::uint8_t>(e)});
    for (const int played : {3, 7, 12, 19, 25, 31, 36, 39, 41, 45}) wheel.played.push_back(played);
    return wheel;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <draw file> <output directory> <language code>...\n", argv[0]);
        return 2;
    }
    const QString drawFile = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    bool ok = true;
    for (int i = 3; i < argc; ++i) {
        const int language = std::atoi(argv[i]);
        QTemporaryDir scratch;
        AppState state;
        state.parameters.language = language;
        state.parameters.gameType = 1;
        state.parameters.highestNumber = 49;
        FakePlatform platform;
        DrawHistory history(state.texts(), state.settings(), platform,
                            scratch.filePath(QStringLiteral("draws.sqlite")).toStdString());
        const auto file = [&](const char* name) {
            return out.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(name)).arg(language));
        };

        DrawsWindow window(state.texts(), platform, history);
        window.backtestHooks().tickedWheel = [] { return std::optional(tenNumbers()); };
        platform.chooseFileNext(drawFile);
        window.openImport();
        DrawImportDialog& import = window.importDialog();
        import.findChild<QPushButton*>(QStringLiteral("bImporterTirages"))->click();
        window.hide();
        ok &= shoot(import, file("drawimport"));
        import.hide();

        auto* pages = window.findChild<QTabWidget*>(QStringLiteral("OngletsTirages"));
        ok &= shoot(window, file("draws"));
        pages->setCurrentIndex(1);
        ok &= shoot(window, file("drawstatistics"));
        pages->setCurrentIndex(2);
        window.findChild<QLineEdit*>(QStringLiteral("Gain5"))->setText(QStringLiteral("100000"));
        window.findChild<QLineEdit*>(QStringLiteral("Gain4"))->setText(QStringLiteral("500"));
        window.findChild<QLineEdit*>(QStringLiteral("Gain3"))->setText(QStringLiteral("20"));
        window.findChild<QLineEdit*>(QStringLiteral("Gain2"))->setText(QStringLiteral("2,20"));
        window.findChild<QLineEdit*>(QStringLiteral("PrixGrille"))->setText(QStringLiteral("2,20"));
        auto* run = window.findChild<QPushButton*>(QStringLiteral("bTester"));
        run->click();
        // The test runs on its own thread; its results come back through the window's events.
        while (!run->isEnabled()) settle(20);
        ok &= shoot(window, file("drawbacktest"));

        ComparisonWindow comparison(state.texts(), state.settings(), state.game(), platform);
        comparison.setDrawHistory(history);
        ok &= shoot(comparison, file("comparisonhistory"));
        settle(50);
    }
    return ok ? 0 : 1;
}
