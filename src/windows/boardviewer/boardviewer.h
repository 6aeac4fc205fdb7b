#pragma once
// BoardViewer (objectName Form2): the boards of the chosen built-in wheel over the player's
// numbers, one at a time, ticked on the ticket of the current game type, with buttons to step
// from board to board.
//
// How it connects:
//  - The main window checks the selection before it opens this window; the viewer then reads
//    the chosen wheel from the current game (selectedWheel, which the main window's wheel list keeps) and
//    builds each board it shows through the expansion over the ticked numbers. It never changes
//    the selection.
//  - The ticket is a TicketPanel with the viewer's 50 boxes; it asks the program's TicketPictures,
//    which the main window's ticket asks too.
//  - The controls are built by BoardViewerControls (boardviewercontrols.h); this class gives them
//    their behaviour.
//  - A wheel outside the catalogue (no entry chosen, a damaged saved game) shows no board at all.

#include <QDialog>
#include <span>

#include "windows/boardviewer/boardviewercontrols.h"
#include "windows/ticket/ticketpanel.h"


namespace norvex5 {

class Texts;
struct Settings;
struct CurrentGame;
class Platform;
class TicketPictures;

class BoardViewer : public QDialog {
    Q_OBJECT

public:
    BoardViewer(const Texts& texts, const Settings& settings, CurrentGame& game, Platform& platform,
                TicketPictures& pictures, QWidget* parent = nullptr);
    ~BoardViewer() override;

    // The board shown and how many the wheel has; 0 boards when there is no wheel to show.
    int currentBoard() const;
    int boardCount() const;

    // What the player asks for.
    void showNextBoard();
    void showPreviousBoard();

    // The window's texts in the current language.
    void applyTexts();
    // Lays the ticket out for the current game type; "erreur positionnecase" on failure.
    void layOutTicket();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void connectHandlers();
    // Board 1 of the chosen wheel, or nothing at all without one.
    void showFirstBoard();
    void showBoard(int board);
    void showNoBoard();
    void refreshBoxes();

    const Texts& texts_;
    const Settings& settings_;
    CurrentGame& game_;
    Platform& platform_;
    TicketPictures& pictures_;

    BoardViewerControls controls_;

    // A failed layout is reported once per showing: the box takes the activation away, and
    // laying out again on every activation would bring it back for ever.
    bool layoutFailureReported_ = false;
};


}  // namespace norvex5
