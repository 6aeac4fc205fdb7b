#include <QApplication>

#include "windows/common/qtplatform.h"
#include "windows/program/endrequests.h"
#include "windows/program/program.h"
#include "windows/program/singleinstance.h"

using namespace norvex5;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    setUpApplication(application);
    // A second start hands over to the running program before building anything.
    SingleInstance instance(SingleInstance::defaultFolder());
    if (!instance.claim()) return 0;
    QtPlatform platform;
    Program program(platform, directoriesOfThisProgram());
    instance.bringForwardOnRequest(program.mainWindow());
    platform.setParent(&program.mainWindow());
    platform.setTexts(
        [&program](ProgramText text) { return QString::fromStdString(program.state().programText(text)); });
    bool ended = false;
    QObject::connect(&program.mainWindow(), &MainWindow::closed, [&ended] { ended = true; });
    EndRequests endRequests([&program] { endLikeClosingTheMainWindow(program.mainWindow()); });
    program.start();
    // Ended during the start-up (asked to end while the first-run language window was up): the
    // event loop would never be told to stop.
    if (ended) return 0;
    return application.exec();
}
