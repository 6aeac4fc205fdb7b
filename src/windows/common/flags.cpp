#include "windows/common/flags.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace norvex5 {

namespace {

void verticalBands(QPainter& p, const QRectF& r, std::initializer_list<QColor> colours) {
    const qreal w = r.width() / static_cast<qreal>(colours.size());
    qreal x = r.left();
    for (const QColor& c : colours) {
        p.fillRect(QRectF(x, r.top(), w, r.height()), c);
        x += w;
    }
}

void horizontalBands(QPainter& p, const QRectF& r, std::initializer_list<std::pair<QColor, qreal>> bands) {
    qreal y = r.top();
    for (const auto& [colour, share] : bands) {
        p.fillRect(QRectF(r.left(), y, r.width(), r.height() * share), colour);
        y += r.height() * share;
    }
}

void unionFlag(QPainter& p, const QRectF& r) {
    const QColor blue(1, 33, 105), red(200, 16, 46);
    p.fillRect(r, blue);
    const qreal unit = r.height() / 30.0;
    p.setPen(QPen(Qt::white, 6 * unit));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(QPen(red, 2 * unit));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(Qt::NoPen);
    const QPointF c = r.center();
    p.fillRect(QRectF(r.left(), c.y() - 5 * unit, r.width(), 10 * unit), Qt::white);
    p.fillRect(QRectF(c.x() - 5 * unit, r.top(), 10 * unit, r.height()), Qt::white);
    p.fillRect(QRectF(r.left(), c.y() - 3 * unit, r.width(), 6 * unit), red);
    p.fillRect(QRectF(c.x() - 3 * unit, r.top(), 6 * unit, r.height()), red);
}

void portugal(QPainter& p, const QRectF& r) {
    const QColor green(0, 102, 0), red(218, 41, 28);
    p.fillRect(QRectF(r.left(), r.top(), r.width() * 2 / 5, r.height()), green);
    p.fillRect(QRectF(r.left() + r.width() * 2 / 5, r.top(), r.width() * 3 / 5, r.height()), red);
    // The armillary sphere, reduced to its ring and shield.
    const QPointF centre(r.left() + r.width() * 2 / 5, r.center().y());
    const qreal radius = r.height() * 0.28;
    p.setPen(QPen(QColor(255, 204, 0), std::max<qreal>(1.0, radius / 3.5)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(centre.x() - radius * 0.45, centre.y() - radius * 0.5, radius * 0.9, radius));
    p.setBrush(red);
    p.drawRect(QRectF(centre.x() - radius * 0.3, centre.y() - radius * 0.35, radius * 0.6, radius * 0.7));
}

void croatia(QPainter& p, const QRectF& r) {
    const QColor red(255, 0, 0), blue(23, 23, 150);
    horizontalBands(p, r, {{red, 1.0 / 3}, {Qt::white, 1.0 / 3}, {blue, 1.0 / 3}});
    // The chequered shield in the middle, five squares by six.
    const qreal square = r.height() * 0.5 / 6;
    const QPointF origin(r.center().x() - 2.5 * square, r.top() + r.height() * 0.27);
    p.fillRect(QRectF(origin, QSizeF(5 * square, 6 * square)), Qt::white);
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 5; ++col)
            if ((row + col) % 2 == 0)
                p.fillRect(QRectF(origin.x() + col * square, origin.y() + row * square, square, square), red);
    p.setPen(QPen(red, std::max<qreal>(0.8, square / 3)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(origin, QSizeF(5 * square, 6 * square)));
}

}  // namespace

QPixmap drawFlag(int languageCode, QSize size) {
    if (languageCode < 1 || languageCode > 7 || size.isEmpty()) return {};
    QPixmap flag(size);
    flag.fill(Qt::white);
    QPainter p(&flag);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, size.width(), size.height());
    switch (languageCode) {
        case 1: verticalBands(p, r, {QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)}); break;
        case 2: unionFlag(p, r); break;
        case 3: portugal(p, r); break;
        case 4:
            horizontalBands(p, r,
                            {{QColor(170, 21, 27), 0.25}, {QColor(241, 191, 0), 0.5}, {QColor(170, 21, 27), 0.25}});
            break;
        case 5: verticalBands(p, r, {QColor(0, 146, 70), Qt::white, QColor(206, 43, 55)}); break;
        case 6: croatia(p, r); break;
        case 7:
            horizontalBands(p, r, {{Qt::black, 1.0 / 3}, {QColor(221, 0, 0), 1.0 / 3}, {QColor(255, 206, 0), 1.0 / 3}});
            break;
        default: break;
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(128, 128, 128));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return flag;
}

}  // namespace norvex5
