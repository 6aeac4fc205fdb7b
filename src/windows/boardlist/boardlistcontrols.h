#pragma once
// The board list window's controls with their designed objectNames: the list of boards at the
// left, the buttons beside it in a column as wide as the longest caption needs. BoardListWindow
// gives them their behaviour; the captions come from boardListTexts().

#include <span>

#include "windows/common/windowtexts.h"

class QDialog;
class QListView;
class QPushButton;

namespace norvex5 {

struct BoardListControls {
    QListView* list = nullptr;  // listbull
    QPushButton* printList = nullptr;
    QPushButton* printTickets = nullptr;
    QPushButton* exportList = nullptr;
    QPushButton* back = nullptr;

    void build(QDialog& window);
};

// Which control of the window takes which message.
std::span<const WindowText> boardListTexts();

}  // namespace norvex5
