#include "windows/program/program.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStandardPaths>

#include "windows/common/filepaths.h"

namespace norvex5 {

ProgramDirectories directoriesOfThisProgram() {
    return {toPath(QCoreApplication::applicationDirPath()),
            toPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))};
}

void setUpApplication(QApplication& application) { application.setApplicationName(QStringLiteral("Norvex5")); }

Program::Program(Platform& platform, ProgramDirectories directories)
    : platform_(platform), mainWindow_(std::make_unique<MainWindow>(state_, platform, std::move(directories))) {
    // The main window's life is the program's, whatever other window is still open.
    QObject::connect(mainWindow_.get(), &MainWindow::closed, QCoreApplication::instance(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
    connectWindows();
}

Program::~Program() = default;

void Program::connectWindows() {
    // The windows the main window opens are added here as they are built; until then their
    // commands check the selection and open nothing.
}

void Program::start() { mainWindow_->show(); }

}  // namespace norvex5
