// Screenshots of the small windows for a look at them in each language: the parameters window,
// the first-run language window, the wheel description and the about box, each shown alone on
// the X display and taken whole with ImageMagick's import (run it under xvfb-run).
//
//   norvex5_peripheryshots <output directory> <language code>...

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

#include "core/appstate.h"
#include "windowshot.h"
#include "windows/about/aboutbox.h"
#include "windows/common/qtplatform.h"
#include "windows/languagechoice/languagechoicedialog.h"
#include "windows/parameters/parameterswindow.h"
#include "windows/program/program.h"
#include "windows/wheeldescription/wheeldescriptionwindow.h"

using namespace norvex5;

using tools::settle;
using tools::shoot;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output directory> <language code>...\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QtPlatform platform;
    bool ok = true;
    for (int i = 2; i < argc; ++i) {
        const int language = std::atoi(argv[i]);
        AppState state;
        state.parameters.language = language;
        state.parameters.horizontalOffset = -12;
        state.parameters.verticalOffset = 3;
        state.selectedWheel = 1;
        const auto file = [&](const char* name) {
            return out.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(name)).arg(language));
        };

        ParametersWindow parameters(state, platform);
        parameters.prepare();
        ok &= shoot(parameters, file("parameters"));

        LanguageChoiceDialog choice(state, platform);
        choice.prepare();
        ok &= shoot(choice, file("languagechoice"));

        WheelDescriptionWindow description(state, platform);
        description.prepare();
        ok &= shoot(description, file("wheeldescription"));

        AboutBox about(state, platform);
        about.prepare();
        ok &= shoot(about, file("about"));

        // The main window in the same language, on each of its two tabs.
        QTemporaryDir scratch;
        const std::filesystem::path dir = scratch.path().toStdString();
        ParameterRecord record;
        record.language = language;
        saveParameters(dir / kParameterFileName, record);
        Program program(platform, {dir, dir / "config"});
        program.start();
        MainWindow& form = program.mainWindow();
        ok &= shoot(form, file("mainwindow"));
        form.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
        ok &= shoot(form, file("mainwindow-external"));
    }
    return ok ? 0 : 1;
}
