#pragma once
// MainWindow (objectName Form1): the ticket of the current game type with its number boxes, the
// game type buttons, the wheel list, the counters, the output commands and the file menu.
//
// How the pieces connect:
//  - The program (windows/program) creates one AppState, the desktop services and this window,
//    then every other window, and fills this window's hooks: the main window opens the other
//    windows only through MainWindowHooks, so it never includes them.
//  - State lives in AppState, never in a window: the ticked numbers (selection), the expansion
//    of the chosen wheel, the parameters, the language. A window reads it, calls the model and
//    writes its controls back.
//  - The controls are built by MainWindowControls (mainwindowcontrols.h); the ticket on screen is
//    a TicketPanel (windows/ticket), the same kind the board viewer shows, and both ask the
//    program's TicketPictures for their pictures.
//  - The program reads the language file and the parameters before the window shows
//    (windows/program/startupfiles.h); the first activation does the window's start-up work
//    (wheel list, texts, ticket, the first-run language choice); closing the window saves the parameters and ends the
//    program, whatever other window is still open.
//  - Everything that talks to the desktop (message boxes, file dialogs) goes through Platform.
//
// Handlers are named after what the player asks for (tickBox, viewBoards, saveGame, ...); one
// function, connectHandlers(), wires every control to its handler.

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>

#include "windows/mainwindow/librarywheellist.h"
#include "windows/mainwindow/mainwindowcontrols.h"
#include "windows/mainwindow/wheelondemand.h"

namespace norvex5 {

struct AppState;
class ExternalWheelsTab;
class Platform;
class TicketPictures;

// Where the program keeps its files: the help file beside the program; the language file the
// user's copy in their configuration directory when there is one, else beside the program; the
// parameters file read from the user's configuration directory when it is there, else from beside
// the program, and saved back where it was read when that place can be written.
struct ProgramDirectories {
    std::filesystem::path program;
    std::filesystem::path userConfig;
    // The user's library of wheels; none when empty. The shipped one is in `program`.
    std::filesystem::path userLibrary;
};

// The windows and desktop actions the main window starts. An empty entry opens nothing.
struct MainWindowHooks {
    std::function<void()> boardViewer;         // Form2, modal
    std::function<void()> boardList;           // Form5, modal
    std::function<void()> ticketPrinting;      // Form7, modal
    std::function<void()> internalComparison;  // Form8 in its internal wheel mode, modal
    std::function<void()> wheelCheck;          // the chosen wheel over the ticked numbers, checked
    std::function<void()> wheelGenerator;      // a wheel made for the ticked numbers
    std::function<void()> draws;               // the draw history of the game type shown
    std::function<void()> lastDraw;            // the last stored draw of the game type shown
    std::function<void()> wheelDescription;    // FinfoSysteme, modal
    std::function<void()> aboutBox;            // apropos, not modal
    std::function<void()> help;
    std::function<void()> resultsPage;
    std::function<void()> parametersWindow;  // Form9, modal
    std::function<void()> firstRunLanguage;  // Form10, modal, first run only
    std::function<void()> fillReplacementLists;
    std::function<void()> companionLaunch;  // at shutdown
    // Connects the external wheels tab's own hooks once the tab is built.
    std::function<void(ExternalWheelsTab&)> externalTabBuilt;
};

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(AppState& state, Platform& platform, TicketPictures& pictures, ProgramDirectories directories,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    MainWindowHooks& hooks() { return hooks_; }
    const MainWindowControls& controls() const { return controls_; }
    // The external wheels tab, on the external page; built the first time that page is shown or
    // the tab is asked for, as its many boxes take longer to build than the rest of the window.
    ExternalWheelsTab& externalTab();
    // The wheel made on demand for the numbers ticked.
    WheelOnDemand& wheelOnDemand() { return *onDemand_; }
    // The shipped wheels and the user's, as the wheel list offers them.
    LibraryWheelList& libraryWheels() { return library_; }

    // The window's start-up work over the files already read; runs once, at the first activation
    // (or the first show, whichever comes first), "erreur form1.activate" on an unexpected
    // failure. Later calls do nothing.
    void activate();
    bool firstActivationPending() const { return firstActivationPending_; }
    // False on a first run (no parameters file) until the first-run steps have run.
    bool parametersFound() const { return parametersFound_; }
    // What the start found, told before the first activation: without a parameters file, the
    // activation asks for the language.
    void setParametersFound(bool found) { parametersFound_ = found; }

    // Lays the ticket out for the current game type; "erreur positionnecase" on failure.
    void layOutTicket();
    // Brings the external wheels tab to the front.
    void showExternalTab();

    // The wheel list entry's hidden number; -1 with no current entry or a foreign text.
    int selectedWheelNumber() const;
    void fillWheelList();
    // The main window's texts in the current language.
    void applyTexts();
    void refreshCounters();
    // Every box from the selection.
    void redrawBoxes();

    // The handlers, as the player reaches them.
    void tickBox(int n);
    void pressBox(int n, Qt::MouseButton button);
    void selectGameType(int code);
    void pickRandomNumbers();
    void clearTicket();
    void viewBoards();
    void listBoards();
    void printTickets();
    void compareWithDraw();
    void checkChosenWheel();
    void generateWheel();
    void describeWheel();
    void openParameters();
    void saveGame();
    void loadGame();

signals:
    // The window has closed and the parameters are saved: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    // The wheel of the list's current entry becomes the chosen one.
    void chooseWheel();
    // The external tab's texts in the current language, once it is built.
    void applyExternalTabTexts();
    // The selection check and the number list every output command starts with; false (after
    // message 109) when the ticked numbers do not fit the wheel.
    bool prepareOutput();
    // Message 109's second line under built-in wheel `wheel`: what it plays and what is ticked.
    QString wheelNeedsLine(int wheel) const;
    void runOutput(const std::function<void()>& window);
    void checkGameTypeButton();
    void shutdown();
    QString text(int message) const;
    void showBox(int n);

    AppState& state_;
    Platform& platform_;
    TicketPictures& pictures_;
    ProgramDirectories directories_;
    MainWindowHooks hooks_;
    MainWindowControls controls_;
    ExternalWheelsTab* externalTab_ = nullptr;
    LibraryWheelList library_;
    bool libraryRead_ = false;
    // After the controls and the library it uses, so that its run stops before they go.
    std::unique_ptr<WheelOnDemand> onDemand_;

    bool firstActivationPending_ = true;
    bool parametersFound_ = false;
    bool shutDown_ = false;
};

}  // namespace norvex5
