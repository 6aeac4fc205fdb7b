#pragma once
// The ticket on screen: a panel pgrille holding the picture Image1 and the number boxes, laid out
// for a game type by positionnecase. The main window and the board viewer each have one.

#include <QPixmap>
#include <array>
#include <stdexcept>

#include "screen/boxpositions.h"

class QLabel;
class QWidget;

namespace norvex5 {

struct GridPanel {
    QWidget* panel = nullptr;         // pgrille
    QLabel* picture = nullptr;        // Image1
    std::array<QLabel*, 60> boxes{};  // [1..59]; nullptr where the window has no box
};

// A failure while laying out (a picture that could not be read); the caller reports it.
class LayoutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Copies `picture` into Image1 with the layout's sizing rule, shows or hides every child of the
// panel by its tag against `highestNumber` and moves the boxes the layout places. Throws
// LayoutError when the picture is missing; boxes already moved stay where they are.
void layOutGrid(const GridPanel& grid, const BoxLayout& layout, const QPixmap& picture, int highestNumber);

// The pictures built into the program.
QPixmap loadTicketPicture(TicketPicture picture);
enum class BoxPictureKind { Empty, Ticked, Fixed };
QPixmap loadBoxPicture(BoxPictureKind kind);
QPixmap loadProgramIcon();
// A button picture by name: info, help, view, list, print, compare, random, clear, quit, web.
QPixmap loadButtonIcon(const char* name);

}  // namespace norvex5
