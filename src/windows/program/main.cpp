#include <QApplication>

#include "windows/common/qtplatform.h"
#include "windows/program/program.h"

using namespace norvex5;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    setUpApplication(application);
    QtPlatform platform;
    Program program(platform, directoriesOfThisProgram());
    platform.setParent(&program.mainWindow());
    platform.setTexts(
        [&program](ProgramText text) { return QString::fromStdString(program.state().programText(text)); });
    program.start();
    return application.exec();
}
