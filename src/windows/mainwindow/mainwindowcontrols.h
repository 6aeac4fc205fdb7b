#pragma once
// The main window's controls: every menu entry, button, list and label with its designed
// objectName, position and French caption, built once as a form designer would lay them out.
// MainWindow gives them their behaviour through these typed pointers; tests and tools find the
// same controls by objectName.

#include <QPixmap>
#include <vector>

#include "screen/boxpositions.h"
#include "windows/ticket/ticketpanel.h"

class QAction;
class QComboBox;
class QLabel;
class QMainWindow;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class QWidget;

namespace norvex5 {

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

    // The hidden holders of the pictures the window copies from: the ticket pictures (filled the
    // first time a game type needs one) and the three box marks.
    std::vector<QLabel*> ticketPictures;  // one per picture of the lottery table, in its order
    QLabel* emptyBox = nullptr;
    QLabel* tickedBox = nullptr;
    QLabel* fixedBox = nullptr;

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

    // Builds everything into `window`; the ticket takes its pictures from `ticketPictureSource`.
    void build(QMainWindow& window, TicketPanel::PictureSource ticketPictureSource);

private:
    void buildMenu(QMainWindow& window);
    void buildTicket(QWidget* page, TicketPanel::PictureSource ticketPictureSource);
    void buildGameTypes(QWidget* page);
    void buildWheelChoice(QWidget* page);
    void buildButtons(QWidget* page);
    void setTabOrder();
};

}  // namespace norvex5
