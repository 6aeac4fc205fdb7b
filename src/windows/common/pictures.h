#pragma once
// The pictures built into the program: ticket pictures, box marks, the program icon and the
// button pictures.

#include <QPixmap>

#include "core/selection.h"
#include "screen/boxpositions.h"

namespace norvex5 {

QPixmap loadTicketPicture(TicketPicture picture);
QPixmap loadBoxPicture(BoxPicture mark);
QPixmap loadProgramIcon();
// A button picture by name: info, help, view, list, print, compare, random, clear, quit, web.
QPixmap loadButtonIcon(const char* name);

}  // namespace norvex5
