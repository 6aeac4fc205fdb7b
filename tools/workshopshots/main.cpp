// Screenshots of the wheel workshop's two windows for a look at them in each language: the
// generator after making a wheel, and the check window over a wheel file with holes, then both
// again under the filter odd=2-3,low=2-3 (the file's wheel played on numbers spread over the game), each
// shown alone on the X display and taken whole with ImageMagick's import (run it under xvfb-run).
//
//   norvex5_workshopshots <wheel file with holes, numbered as the file says> <numbers> <output directory> <language code>...

#include <QApplication>
#include <QCheckBox>
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

        WheelGeneratorWindow generator(state.texts(), state.settings(), state.game(), platform);
        generator.setSeed(1);
        generator.openWindow();
        generator.findChild<QSpinBox*>(QStringLiteral("EditNombres"))->setValue(8);
        auto* guarantee = generator.findChild<QComboBox*>(QStringLiteral("ComboGarantie"));
        guarantee->setCurrentIndex(guarantee->findData(22));
        generator.generateWheel();
        while (generator.generating()) settle(50);
        ok &= shoot(generator, file("wheelgenerator"));

        WheelCheckWindow check(state.texts(), state.settings(), platform);
        check.openFor(reading.wheel);
        ok &= shoot(check, file("wheelcheck"));

        // The same two under a filter, ticked as a player ticks it.
        const auto tickOddAndLow = [](QWidget& window) {
            for (const char* name : {"Impairs", "Bas"}) {
                window.findChild<QSpinBox*>(QStringLiteral("EditFiltre%1A").arg(QLatin1String(name)))->setValue(3);
                window.findChild<QSpinBox*>(QStringLiteral("EditFiltre%1").arg(QLatin1String(name)))->setValue(2);
                window.findChild<QCheckBox*>(QStringLiteral("CaseFiltre%1").arg(QLatin1String(name)))->setChecked(true);
            }
        };
        tickOddAndLow(generator);
        generator.findChild<QSpinBox*>(QStringLiteral("EditNombres"))->setValue(12);
        guarantee->setCurrentIndex(guarantee->findData(35));
        for (const int n : {1, 4, 7, 10, 13, 16, 27, 30, 33, 36, 39, 42}) state.selection[n] = kSelected;
        generator.findChild<QSpinBox*>(QStringLiteral("EditSecondes"))->setValue(2);
        generator.generateWheel();
        while (generator.generating()) settle(50);
        ok &= shoot(generator, file("wheelgenerator-filter"));

        // Every third number of each half of the game: low and high, odd and even.
        std::vector<std::int32_t> played;
        for (int k = 0; k < numbers; ++k) played.push_back(1 + 3 * k + (k >= numbers / 2 ? 49 / 2 - 3 * (numbers / 2) + 3 : 0));
        check.openFor(reading.wheel, played);
        tickOddAndLow(check);
        ok &= shoot(check, file("wheelcheck-filter"));
    }
    return ok ? 0 : 1;
}
