#pragma once
// What every window of the program shares in its frame: the main window's font, whatever the
// desktop's settings, so that a dialog measures its texts as the main window does; a fixed
// single border; the margins of a dialog laid out as one column.

#include <QAbstractButton>
#include <QDialog>
#include <QFont>
#include <QVBoxLayout>
#include <QWidget>

namespace norvex5 {

inline void useProgramFont(QWidget& window) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    window.setFont(font);
}

// A button that keeps its designed place and size (over or beside a ticket picture): its caption
// in the window's type, or in a pixel or two smaller where a longer language would not fit it
// whole, down to 10 pixels.
inline void fitCaption(QAbstractButton& button) {
    constexpr int kSmallestPixelSize = 10;
    QFont font = button.parentWidget() != nullptr ? button.parentWidget()->font() : button.font();
    const int designed = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    for (int size = designed; size >= kSmallestPixelSize; --size) {
        font.setPixelSize(size);
        button.setFont(font);
        if (button.sizeHint().width() <= button.width()) return;
    }
}

// The font of the lists that line their columns up by character (the board list, the compared
// boards). Named after fonts that are installed with the program: a family fontconfig has to
// search for costs a window tens of milliseconds before it falls back.
inline QFont fixedPitchListFont() {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(12);
    return font;
}

// A dialog under its designed name, with a title and a close box and nothing to resize, in the
// program's font.
inline void setUpDialog(QDialog& dialog, const char* objectName) {
    dialog.setObjectName(QLatin1String(objectName));
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    useProgramFont(dialog);
}

// The one column a small dialog is laid out in.
inline QVBoxLayout* dialogColumn(QWidget& dialog) {
    auto* column = new QVBoxLayout(&dialog);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(10);
    return column;
}

}  // namespace norvex5
