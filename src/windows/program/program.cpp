#include "windows/program/program.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStandardPaths>

namespace norvex5 {

namespace {
std::filesystem::path toPath(const QString& directory) { return std::filesystem::path(directory.toStdString()); }
}  // namespace

ProgramDirectories directoriesOfThisProgram() {
    return {toPath(QCoreApplication::applicationDirPath()),
            toPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))};
}

void setUpApplication(QApplication& application) { application.setApplicationName(QStringLiteral("Norvex5")); }

Program::Program(Platform& platform, ProgramDirectories directories)
    : mainWindow_(std::make_unique<MainWindow>(state_, platform, std::move(directories))) {
    // The main window's life is the program's, whatever other window is still open.
    QObject::connect(mainWindow_.get(), &MainWindow::closed, QCoreApplication::instance(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
}

Program::~Program() = default;

void Program::start() { mainWindow_->show(); }

}  // namespace norvex5
