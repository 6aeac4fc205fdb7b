// Pictures of the library in the main window for a look at them, in French and German: the wheel
// list opened over twelve ticked numbers, one of them a key number, and the boards of the
// key-number wheel chosen from it in the list window; the closed list with that wheel chosen; a
// wheel being made on demand under the player's filter, and the main window with it made and chosen.
//
//   norvex5_libraryshots <output directory>
//
// Run it under a virtual display (xvfb-run -a): the open list is a window of its own, so the
// whole screen is taken (ImageMagick's import).

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "persistence/parameters.h"
#include "windows/common/qtplatform.h"
#include "windows/program/program.h"
#include "windowshot.h"

using namespace norvex5;

namespace {

bool screen(const QDir& out, const QString& name) {
    const QString file = out.filePath(name + QStringLiteral(".png"));
    std::printf("%s\n", qPrintable(file));
    return QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), file}) == 0;
}

bool shootLanguage(int language, const QDir& out) {
    QTemporaryDir scratch;
    const std::filesystem::path folder = scratch.path().toStdString();
    ParameterRecord parameters;
    parameters.language = language;
    saveParameters(folder / kParameterFileName, parameters);
    std::filesystem::copy(NORVEX5_LIBRARY_IN_SOURCES, folder / "library", std::filesystem::copy_options::recursive);
    std::filesystem::create_directories(folder / "config");
    std::ofstream(folder / "config" / "filters.txt") << parameters.gameType << " odd=2-3,low=2-3\n";
    QtPlatform platform;
    Program program(platform, ProgramDirectories{folder, folder / "config", folder / "mine"});
    program.start();
    MainWindow& window = program.mainWindow();
    window.move(10, 10);
    tools::settle(300);
    for (int n = 3; n <= 14; ++n) window.tickBox(n);
    window.pressBox(7, Qt::RightButton);
    auto* list = window.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    list->showPopup();
    tools::settle(500);
    bool ok = screen(out, QStringLiteral("library-list-lang%1").arg(language));
    list->hidePopup();
    for (int i = kWheelCount; i < list->count(); ++i)
        if (list->itemText(i).contains(QStringLiteral(" 3/  3 "))) list->setCurrentIndex(i);
    ok &= tools::shootModal([&] { window.findChild<QAbstractButton*>(QStringLiteral("bimplistbull"))->click(); },
                            out.filePath(QStringLiteral("library-keyboards-lang%1.png").arg(language)));
    tools::settle(300);
    ok &= screen(out, QStringLiteral("library-closed-lang%1").arg(language));
    // Among the longest titles: thirty numbers, one key number, "4 if 4" in over a thousand boards.
    window.clearTicket();
    for (int n = 1; n <= 30; ++n) window.tickBox(n);
    window.pressBox(7, Qt::RightButton);
    for (int i = kWheelCount; i < list->count(); ++i)
        if (list->itemText(i).contains(QStringLiteral(" 4/  4 "))) list->setCurrentIndex(i);
    tools::settle(300);
    ok &= screen(out, QStringLiteral("library-closed-long-lang%1").arg(language));

    window.clearTicket();
    for (const int n : {2, 5, 9, 14, 17, 23, 28, 31, 36, 44}) window.tickBox(n);
    window.wheelOnDemand().setSecondsAllowed(6);
    window.findChild<QAction*>(QStringLiteral("mfaire3si4filtre"))->trigger();
    tools::settle(2500);
    ok &= screen(out, QStringLiteral("ondemand-progress-lang%1").arg(language));
    while (window.wheelOnDemand().running()) tools::settle(100);
    tools::settle(300);
    ok &= screen(out, QStringLiteral("ondemand-made-lang%1").arg(language));
    window.close();
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (int language : {1, 7}) ok &= shootLanguage(language, out);
    return ok ? 0 : 1;
}
