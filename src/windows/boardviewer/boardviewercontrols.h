#pragma once
// The board viewer's controls with their designed objectNames: the chosen wheel's title over the
// ticket, the steps from board to board under it, Return at the bottom. The ticket keeps its
// boxes on the picture's pixel positions; the rest is laid out in rows. BoardViewer gives them
// their behaviour; the captions come from boardViewerTexts().

#include <span>

#include "windows/common/windowtexts.h"
#include "windows/ticket/ticketpanel.h"

class QDialog;
class QLabel;
class QPushButton;

namespace norvex5 {

struct BoardViewerControls {
    QLabel* wheelTitle = nullptr;   // ltitmet
    TicketPanel* ticket = nullptr;  // the viewer's 50 boxes, which only show
    QPushButton* previous = nullptr;
    QPushButton* next = nullptr;
    QLabel* boardNumber = nullptr;  // lnubul
    QLabel* boardCount = nullptr;   // Lnumax
    QPushButton* back = nullptr;    // bRetour

    void build(QDialog& window, TicketPictures& pictures);
};

// Which control of the window takes which message.
std::span<const WindowText> boardViewerTexts();

}  // namespace norvex5
