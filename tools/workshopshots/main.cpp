// Screenshots of the wheel workshop's two windows for a look at them in each language: the
// generator after making a wheel, and the check window over a wheel file with holes, each shown
// alone on the X display and taken whole with ImageMagick's import (run it under xvfb-run).
//
//   norvex5_workshopshots <wheel file with holes, numbered as the file says> <numbers> <output directory> <language code>...

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QSpinBox>

#include <cstdio>

#include "core/appstate.h"
#include "windowshot.h"
#include "windows/common/qtplatform.h"
#include "windows/wheelcheck/wheelcheckwindow.h"
#include "windows/wheelgenerator/wheelgeneratorwindow.h"
#include "workshop/wheel.h"

using namespace norvex5;

using tools::settle;
using tools::shoot;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <wheel file> <numbers> <output directory> <language code>...\n", argv[0]);
        return 2;
    }
    const int numbers = std::atoi(argv[2]);
    const workshop::WheelFileReading reading =
        workshop::readWheelFile({argv[1], " ", 0, identityReplacementMap()}, numbers);
    if (!reading.ok()) {
        std::fprintf(stderr, "%s\n", workshop::describeProblem(reading, numbers).c_str());
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[3]));
    QtPlatform platform;
    bool ok = true;
    for (int i = 4; i < argc; ++i) {
        const int language = std::atoi(argv[i]);
        AppState state;
        state.parameters.language = language;
        const auto file = [&](const char* name) {
            return out.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(name)).arg(language));
        };

        WheelGeneratorWindow generator(state, platform);
        generator.setSeed(1);
        generator.openWindow();
        generator.findChild<QSpinBox*>(QStringLiteral("EditNombres"))->setValue(8);
        auto* guarantee = generator.findChild<QComboBox*>(QStringLiteral("ComboGarantie"));
        guarantee->setCurrentIndex(guarantee->findData(22));
        generator.generateWheel();
        while (generator.generating()) settle(50);
        ok &= shoot(generator, file("wheelgenerator"));

        WheelCheckWindow check(state, platform);
        check.openFor(reading.wheel);
        ok &= shoot(check, file("wheelcheck"));
    }
    return ok ? 0 : 1;
}
