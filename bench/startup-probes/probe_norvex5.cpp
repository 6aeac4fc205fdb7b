// The program as main() starts it, up to its first activation and the window shown.
#include "probe.h"
#include "windows/common/qtplatform.h"
#include "windows/program/program.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    norvex5::setUpApplication(application);
    norvex5::QtPlatform platform;
    norvex5::Program program(platform, norvex5::directoriesOfThisProgram());
    platform.setParent(&program.mainWindow());
    program.start();
    if (program.mainWindow().firstActivationPending()) return 1;
    return reportReadyWhenShown(application, program.mainWindow());
}
