#pragma once
// The font every window of the program uses: the main window's, whatever the desktop's settings,
// so that a dialog measures its texts as the main window does.

#include <QFont>
#include <QWidget>

namespace norvex5 {

inline void useProgramFont(QWidget& window) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    window.setFont(font);
}

}  // namespace norvex5
