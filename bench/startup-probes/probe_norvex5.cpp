// The program as main() starts it, from a user configuration folder given on the command line:
//   norvex5_startup_probe <config folder>             a regular start, up to the main window shown
//                                                     (the folder holds the parameters file)
//   norvex5_startup_probe <config folder> first-run   a first run, up to the language window shown
//   norvex5_startup_probe <config folder> prepare     writes the parameters file a regular start
//                                                     finds, and leaves (not timed)
#include <cstring>
#include <filesystem>

#include "persistence/parameters.h"
#include "probe.h"
#include "windows/common/qtplatform.h"
#include "windows/program/program.h"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fputs("usage: norvex5_startup_probe <config folder> [first-run|prepare]\n", stderr);
        return 2;
    }
    const std::filesystem::path config = argv[1];
    const bool firstRun = argc > 2 && std::strcmp(argv[2], "first-run") == 0;
    if (argc > 2 && std::strcmp(argv[2], "prepare") == 0) {
        std::filesystem::create_directories(config);
        return norvex5::saveParameters(config / norvex5::kParameterFileName, norvex5::ParameterRecord{}) ? 0 : 1;
    }
    QApplication application(argc, argv);
    norvex5::setUpApplication(application);
    norvex5::QtPlatform platform;
    norvex5::ProgramDirectories directories = norvex5::directoriesOfThisProgram();
    directories.userConfig = config;
    norvex5::Program program(platform, directories);
    platform.setParent(&program.mainWindow());
    watchModalWindows(application, firstRun ? "Form10" : nullptr);
    program.start();
    if (firstRun) {
        // The language window may come once the main window is up: wait for it in the event loop.
        QApplication::exec();
        reportAndLeave("the first run ended without its language window", 4);
    }
    if (program.mainWindow().firstActivationPending()) reportAndLeave("the start-up work did not run", 5);
    reportReadyWhenShown(application, program.mainWindow());
}
