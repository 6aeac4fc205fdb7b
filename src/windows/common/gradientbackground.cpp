#include "windows/common/gradientbackground.h"

#include <QEvent>
#include <QPainter>
#include <QPalette>

#include "screen/gradientbands.h"

namespace norvex5 {

GradientBackground::GradientBackground(QWidget* parent) : QWidget(parent) {
    // A background only: clicks go to whatever lies on top of it, and it never takes the focus.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    if (parent != nullptr) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
}

void GradientBackground::setStartColor(quint32 colour) {
    if (colour == startColor_) return;
    startColor_ = colour;
    update();
}

void GradientBackground::setEndColor(quint32 colour) {
    if (colour == endColor_) return;
    endColor_ = colour;
    update();
}

GradientBackground* GradientBackground::placeBehind(QWidget* window) {
    auto* gradient = new GradientBackground(window);
    gradient->setObjectName(QStringLiteral("DegradeClass1"));
    gradient->setStartColor(kWindowStartColor);
    gradient->setEndColor(kWindowEndColor);
    gradient->lower();
    return gradient;
}

quint32 GradientBackground::resolved(quint32 colour) const {
    if ((colour & 0x80000000u) == 0) return colour & 0xFFFFFFu;
    // System colours by their index: the few a window might name, read from the palette.
    QPalette::ColorRole role = QPalette::Window;
    switch (colour & 0xFFu) {
        case 5: role = QPalette::Base; break;        // window
        case 8: role = QPalette::WindowText; break;  // window text
        case 13: role = QPalette::Highlight; break;  // highlight
        case 14: role = QPalette::HighlightedText; break;
        case 18: role = QPalette::ButtonText; break;
        default: role = QPalette::Window; break;  // button face and the rest
    }
    const QColor c = palette().color(role);
    return static_cast<quint32>(c.red()) | static_cast<quint32>(c.green()) << 8 | static_cast<quint32>(c.blue()) << 16;
}

void GradientBackground::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    const auto bands = gradientBands(height(), rgbOf(resolved(startColor_)), rgbOf(resolved(endColor_)));
    const int w = width();
    for (const GradientBand& band : bands) {
        if (band.bottom <= band.top) continue;
        painter.fillRect(0, band.top, w, band.bottom - band.top,
                         QColor(band.colour.red, band.colour.green, band.colour.blue));
    }
}

bool GradientBackground::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

}  // namespace norvex5
