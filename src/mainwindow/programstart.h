#pragma once
// The program's start: its title, its state and its windows, created once in this order and
// living until the main window closes.

#include <memory>

#include "core/appstate.h"
#include "mainwindow/tform1.h"

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
    TForm1& mainWindow() { return *form1_; }

    // Shows the main window; its first activation does the start-up work.
    void start();

private:
    AppState state_;
    std::unique_ptr<TForm1> form1_;
};

}  // namespace norvex5
