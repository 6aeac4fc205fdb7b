#pragma once
// The main window's controls: every menu entry, button, list and label with its designed
// objectName, position and French caption, built once as a form designer would lay them out.
// MainWindow gives them their behaviour through these typed pointers; tests and tools find the
// same controls by objectName.

#include <vector>

#include "windows/ticket/ticketpanel.h"

class QAction;
class QComboBox;
class QLabel;
class QMainWindow;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class QWidget;

namespace norvex5 {

class TicketPictures;

struct MainWindowControls {
    // Menus.
    QMenu* fileMenu = nullptr;
    QAction* loadGame = nullptr;
    QAction* saveGame = nullptr;
    QAction* quit = nullptr;
    QMenu* useMenu = nullptr;
    QAction* viewBoards = nullptr;
    QAction* listBoards = nullptr;
    QAction* compareWithDraw = nullptr;
    QAction* printTickets = nullptr;
    QAction* checkWheel = nullptr;
    QAction* generateWheel = nullptr;
    QAction* draws = nullptr;
    QMenu* optionsMenu = nullptr;
    QAction* parameters = nullptr;
    QMenu* helpMenu = nullptr;
    QAction* help = nullptr;
    QAction* about = nullptr;

    // The client area: two tab pages under the about and help buttons.
    QWidget* client = nullptr;
    QToolButton* aboutButton = nullptr;
    QToolButton* helpButton = nullptr;
    QTabWidget* pages = nullptr;
    QWidget* internalPage = nullptr;
    QWidget* externalPage = nullptr;

    TicketPanel* ticket = nullptr;

    // The game type buttons of the lottery table, hidden ones included; each carries its code as
    // property "gameType".
    std::vector<QRadioButton*> gameTypes;

    QComboBox* wheelList = nullptr;
    QToolButton* describeWheel = nullptr;
    QLabel* tickedCount = nullptr;
    QLabel* fixedCount = nullptr;
    QLabel* gridBFixedCount = nullptr;  // never shown

    QPushButton* viewBoardsButton = nullptr;
    QPushButton* listBoardsButton = nullptr;
    QPushButton* printTicketsButton = nullptr;
    QPushButton* compareButton = nullptr;
    QPushButton* randomButton = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* lastDrawButton = nullptr;
    QPushButton* quitButton = nullptr;

    // A wheel made for the numbers ticked when the library has none: the button offers the
    // guarantees in its menu; the progress and its Stop show only while one is being made.
    QPushButton* makeWheelButton = nullptr;
    QMenu* makeWheelMenu = nullptr;
    QProgressBar* makeWheelProgress = nullptr;
    QPushButton* stopMakingWheel = nullptr;

    // Builds everything into `window`, with the ticket and the box marks from `pictures`.
    void build(QMainWindow& window, TicketPictures& pictures);

private:
    void buildMenu(QMainWindow& window);
    void buildTicket(QWidget* page, TicketPictures& pictures);
    void buildGameTypes(QWidget* page);
    void buildWheelChoice(QWidget* page, TicketPictures& pictures);
    void buildButtons(QWidget* page);
    void buildWheelMaking(QWidget* page);
    void setTabOrder();
};

}  // namespace norvex5
