// Pictures of the board viewer and the list window for a look at them: the viewer on each
// visible game type, the list window in a few languages, each with the boards of a wheel.
//
//   norvex5_boardwindowshots <output directory> [--root]
//
// --root also photographs the whole screen while each window is up (ImageMagick's import), to
// see it as the desktop shows it; run it under a virtual display: xvfb-run -a norvex5_... --root

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <cstring>

#include "core/appstate.h"
#include "core/expansion.h"
#include "windows/boardlist/boardlistwindow.h"
#include "windows/boardviewer/boardviewer.h"
#include "windows/common/qtplatform.h"
#include "windows/ticket/ticketpictures.h"

using namespace norvex5;

namespace {

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool photograph(QWidget& window, const QDir& out, const QString& name, bool root) {
    wait(300);
    const QString file = out.filePath(name + QStringLiteral(".png"));
    bool ok = window.grab().save(file);
    std::printf("%s\n", qPrintable(file));
    if (root) {
        const QString screen = out.filePath(name + QStringLiteral("-screen.png"));
        ok &= QProcess::execute(QStringLiteral("import"),
                                {QStringLiteral("-window"), QStringLiteral("root"), screen}) == 0;
        std::printf("%s\n", qPrintable(screen));
    }
    return ok;
}

void play(AppState& state, int wheel, std::initializer_list<int> numbers) {
    state.selectedWheel = wheel;
    state.selection = {};
    for (int n : numbers) state.selection[n] = kSelected;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output directory> [--root]\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const bool root = argc > 2 && std::strcmp(argv[2], "--root") == 0;
    QtPlatform platform;
    AppState state;
    bool ok = true;

    struct ViewerShot {
        int gameType;
        int highest;
        int language;
        int wheel;
        std::initializer_list<int> numbers;
        int steps;
    };
    const ViewerShot viewerShots[] = {
        {1, 49, 1, 1, {3, 11, 17, 25, 38, 49}, 2},
        {4, 49, 7, 5, {1, 7, 8, 14, 15, 21, 22, 28, 29, 35, 43, 48, 49}, 0},
        {6, 39, 7, 8, {1, 5, 9, 13, 17, 21, 25, 29, 33, 39}, 3},
        {7, 50, 2, 5, {2, 6, 11, 19, 24, 30, 32, 37, 41, 44, 47, 49, 50}, 7},
        {8, 50, 1, 3, {1, 4, 28, 29, 32, 48, 49, 50}, 1},
        {1, 49, 4, 1, {3, 11, 17, 25, 38, 49}, 2},
    };
    TicketPictures pictures;
    for (const ViewerShot& shot : viewerShots) {
        state.parameters.gameType = shot.gameType;
        state.parameters.highestNumber = shot.highest;
        state.parameters.language = shot.language;
        play(state, shot.wheel, shot.numbers);
        BoardViewer viewer(state.texts(), state.settings(), state.game(), platform, pictures);
        viewer.show();
        for (int k = 0; k < shot.steps; ++k) viewer.showNextBoard();
        ok &=
            photograph(viewer, out, QStringLiteral("viewer-type%1-lang%2").arg(shot.gameType).arg(shot.language), root);
    }

    for (int language : {1, 7, 5, 4}) {
        state.parameters.language = language;
        play(state, 5, {3, 5, 8, 10, 12, 19, 25, 33, 37, 40, 41, 45, 50});
        BoardListWindow list(state.texts(), state.game(), platform);
        list.show();
        ok &= photograph(list, out, QStringLiteral("list-lang%1").arg(language), root);
    }
    return ok ? 0 : 1;
}
