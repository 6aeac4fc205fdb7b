#pragma once
// A start: the files it reads before the main window shows (the optional language file, then the
// parameters file, whose absence makes the start a first run), then the main window, whose first
// activation does the window's own start-up work.

#include <QStringList>

#include "windows/mainwindow/mainwindow.h"

namespace norvex5 {

struct AppState;
class Platform;

struct StartupFiles {
    // False on a first run: no parameters file in either place.
    bool parametersFound = false;
    // Each file that is there but could not be read, as a sentence for the player naming it.
    QStringList problems;
};

// Reads the language file into the state's language manager and the parameters into its record.
// A missing language file is no problem, nor a damaged parameters file, which is dropped and
// leaves the default settings (persistence/parameters.h).
StartupFiles readStartupFiles(AppState& state, const ProgramDirectories& directories);

// Reads the start-up files, shows the main window, and then tells what could not be read: the
// program runs on with its own texts or the default settings.
void startMainWindow(MainWindow& window, AppState& state, Platform& platform, const ProgramDirectories& directories);

}  // namespace norvex5
