#pragma once
// The program: its state, its desktop services and its windows.
//
// How the pieces connect:
//  - One AppState (core/appstate.h) holds everything the program keeps in memory for a run; it
//    is created here, and each window is handed by reference the parts of it that it reads (the
//    texts, the settings, the current game) through makeWindow (windows/common/stateparts.h).
//    No window keeps state of its own that another window needs.
//  - One Platform (windows/common/platform.h) talks to the desktop: QtPlatform in the program,
//    FakePlatform in the window tests.
//  - Program builds the main window at once and every other window, its child, the first time
//    it is opened (building them all at start took longer than the rest of the start-up), and
//    wires which opens which in connectWindows(): the main window's hooks, and the list window's
//    button that opens ticket printing. Windows never create or include each other, so each can
//    be built and tested alone.
//  - The program ends when the main window closes, whatever other window is still open.

#include <functional>
#include <memory>
#include <optional>

#include "core/appstate.h"
#include "externalwheels/externalwheel.h"
#include "windows/common/drawhistory.h"
#include "windows/mainwindow/mainwindow.h"
#include "windows/program/fontwarmup.h"
#include "windows/ticket/ticketpictures.h"
#include "windows/wheelcheck/wheelsources.h"

class QApplication;

namespace norvex5 {

class AboutBox;
class BoardListWindow;
class BoardViewer;
class ComparisonWindow;
class DrawsWindow;
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

// A window built the first time it is asked for, by the function given, and kept from then on.
template <typename Window>
class WindowOnFirstUse {
public:
    explicit WindowOnFirstUse(std::function<std::unique_ptr<Window>()> build) : build_(std::move(build)) {}
    Window& operator*() {
        if (!window_) window_ = build_();
        return *window_;
    }
    Window* operator->() { return &**this; }

private:
    std::function<std::unique_ptr<Window>()> build_;
    std::unique_ptr<Window> window_;
};

class Program {
public:
    Program(Platform& platform, ProgramDirectories directories);
    ~Program();

    AppState& state() { return state_; }
    MainWindow& mainWindow() { return *mainWindow_; }

    // Reads the start-up files and shows the main window, whose first activation does the rest
    // of the start-up work (startupfiles.h).
    void start();

private:
    // Fills the main window's hooks with the windows and desktop actions they open.
    void connectWindows();
    // A window of the program, the main window's child, built by `build` when first opened.
    template <typename Window, typename Build>
    WindowOnFirstUse<Window> onFirstUse(Build build);
    // The same for a window built from the state and the desktop alone.
    template <typename Window>
    WindowOnFirstUse<Window> onFirstUse();
    // Opens the wheel check over a wheel file of the external tab, its numbers played as the
    // replacement boxes say, or says why it cannot.
    void checkWheelFile(const ExternalWheel& file);
    // A wheel file's boards as its replacement boxes play them; nothing after telling the user why.
    std::optional<WheelToCheck> playedWheelFile(const ExternalWheel& file);
    // The main window's last-draw button: the last stored draw, or the offer of an import.
    void showLastDraw();

    // First: the fonts are read on their own thread while everything below is built.
    FontWarmUp fontWarmUp_;
    AppState state_;
    Platform& platform_;
    ProgramDirectories directories_;
    // Opened by the first window that needs a draw, not at start.
    DrawHistory drawHistory_;
    // The pictures of both tickets on screen, the main window's and the board viewer's.
    TicketPictures ticketPictures_;
    // The main window first: the other windows are its children and go before it.
    std::unique_ptr<MainWindow> mainWindow_;
    WindowOnFirstUse<BoardViewer> boardViewer_;
    WindowOnFirstUse<BoardListWindow> boardList_;
    WindowOnFirstUse<TicketPrintDialog> ticketPrint_;
    WindowOnFirstUse<ComparisonWindow> comparison_;
    WindowOnFirstUse<ParametersWindow> parameters_;
    WindowOnFirstUse<LanguageChoiceDialog> languageChoice_;
    WindowOnFirstUse<WheelDescriptionWindow> wheelDescription_;
    WindowOnFirstUse<AboutBox> about_;
    WindowOnFirstUse<WheelCheckWindow> wheelCheck_;
    WindowOnFirstUse<WheelGeneratorWindow> wheelGenerator_;
    WindowOnFirstUse<DrawsWindow> draws_;
};

}  // namespace norvex5
