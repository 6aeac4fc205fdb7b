#pragma once
// The program: its state, its desktop services and its windows.
//
// How the pieces connect:
//  - One AppState (core/appstate.h) holds everything the program keeps in memory for a run; it
//    is created here and passed by reference to every window. No window keeps state of its own
//    that another window needs.
//  - One Platform (windows/common/platform.h) talks to the desktop: QtPlatform in the program,
//    FakePlatform in the window tests.
//  - Program builds the windows once, in a fixed order (the main window first, every other
//    window its child), and wires which opens which in connectWindows(): the main window's hooks,
//    and the list window's button that opens ticket printing. Windows never create or include
//    each other, so each can be built and tested alone.
//  - The program ends when the main window closes, whatever other window is still open.

#include <memory>

#include "core/appstate.h"
#include "externalwheels/externalwheel.h"
#include "windows/mainwindow/mainwindow.h"

class QApplication;

namespace norvex5 {

class AboutBox;
class BoardListWindow;
class BoardViewer;
class ComparisonWindow;
class LanguageChoiceDialog;
class ParametersWindow;
class TicketPrintDialog;
class Platform;
class WheelCheckWindow;
class WheelDescriptionWindow;
class WheelGeneratorWindow;

// The program's own directory and the user's configuration directory for this program.
ProgramDirectories directoriesOfThisProgram();
// The same for a program that lies in `programFolder`: its files' folder is the installed data
// folder (share/norvex5 beside the bin/ folder) when there is one, else the program's folder.
ProgramDirectories programDirectoriesFor(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& userConfig);

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
    // Fills the main window's hooks with the windows and desktop actions they open.
    void connectWindows();
    // The check of a wheel file of the external tab, its numbers played as the replacement boxes say.
    void checkWheelFile(const ExternalWheel& file);

    AppState state_;
    Platform& platform_;
    ProgramDirectories directories_;
    // The main window first: the other windows are its children and go before it.
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<BoardViewer> boardViewer_;
    std::unique_ptr<BoardListWindow> boardList_;
    std::unique_ptr<TicketPrintDialog> ticketPrint_;
    std::unique_ptr<ComparisonWindow> comparison_;
    std::unique_ptr<ParametersWindow> parameters_;
    std::unique_ptr<LanguageChoiceDialog> languageChoice_;
    std::unique_ptr<WheelDescriptionWindow> wheelDescription_;
    std::unique_ptr<AboutBox> about_;
    std::unique_ptr<WheelCheckWindow> wheelCheck_;
    std::unique_ptr<WheelGeneratorWindow> wheelGenerator_;
};

}  // namespace norvex5
