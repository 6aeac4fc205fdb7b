#pragma once
// The program's start: its title, its state and its windows, created once in this order and
// living until the main window closes.

#include <memory>

#include "core/appstate.h"
#include "windows/mainwindow/mainwindow.h"

class QApplication;

namespace norvex5 {

class Platform;

// The program's own directory and the user's configuration directory for this program.
ProgramDirectories directoriesOfThisProgram();

// Names the application "Norvex5" (which also names the user's configuration directory).
void setUpApplication(QApplication& application);

class Program {
public:
    Program(Platform& platform, ProgramDirectories directories);
    ~Program();

    AppState& state() { return state_; }
    MainWindow& mainWindow() { return *mainWindow_; }

    // Shows the main window; its first activation does the start-up work.
    void start();

private:
    AppState state_;
    std::unique_ptr<MainWindow> mainWindow_;
};

}  // namespace norvex5
