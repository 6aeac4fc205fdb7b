// Draws the ticket pictures, the three box pictures and the program icon that src/resources
// holds. Every number is printed exactly where the screen layout puts its box, so the lottery table and
// src/screen/boxpositions.cpp are the only source of positions.
//
//   norvex5_ticketpictures <output directory>      (normally src/resources)
//   norvex5_ticketpictures --desktop-icons <directory>   (normally packaging/icons): the program
//       icon at the sizes a desktop menu asks for, as <size>x<size>/apps/<icon>.png

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cstdio>
#include <vector>

#include "screen/boxpositions.h"

using namespace norvex5;

namespace {

struct TicketDesign {
    TicketPicture picture;  // printed at the layout of the first lottery showing it
    bool marksAlongTheBottom;  // the timing marks run under the ticket rather than down its right
    int lastNumber;  // grid A numbers 1..lastNumber are printed
    int width;
    int height;
    QColor paper;
    QColor ink;
    QString title;    // the ticket's big line, e.g. "5 / 49"
    QRect titleArea;  // where the title block goes, in picture coordinates
    bool vertical;    // the title block runs top to bottom
};

// Picture coordinates are panel coordinates less the picture's place on the panel.
QRect cellRect(const BoxPosition& p) { return {p.left - kPictureLeft, p.top - kPictureTop, kBoxWidth, kBoxHeight}; }

const std::vector<TicketDesign>& designs() {
    static const std::vector<TicketDesign> all = {
        {"igrille1", true, 49, 366, 104, QColor(255, 244, 242), QColor(200, 32, 45), "5 / 49",
         QRect(3, 68, 360, 32), false},
        {"igrille1uk", false, 50, 318, 212, QColor(242, 246, 255), QColor(31, 79, 168), "5 / 50",
         QRect(176, 3, 139, 36), false},
        {"igrille1es", false, 50, 236, 196, QColor(255, 248, 230), QColor(196, 100, 0), "5 / 50",
         QRect(134, 3, 99, 190), true},
        {"igrille1suisse", false, 49, 295, 226, QColor(243, 251, 243), QColor(30, 125, 58), "5 / 49",
         QRect(222, 3, 70, 220), true},
        {"igrille1swisslog", false, 39, 200, 212, QColor(247, 242, 255), QColor(107, 63, 160), "5 / 39",
         QRect(112, 3, 85, 162), true},
        {"igrille7", false, 50, 236, 196, QColor(236, 249, 251), QColor(0, 121, 140), "5 / 50",
         QRect(134, 3, 99, 190), true},
        {"igrille8", false, 50, 295, 226, QColor(255, 246, 238), QColor(176, 65, 62), "5 / 50",
         QRect(128, 3, 37, 220), true},
    };
    return all;
}

QFont numberFont() {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(9);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void drawCell(QPainter& painter, const QRect& cell, int number, const QColor& ink) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(cell);
    QPen frame(ink);
    frame.setWidth(1);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
    painter.setFont(numberFont());
    painter.drawText(cell.adjusted(0, 1, 0, 0), Qt::AlignCenter, QString::number(number));
}

// The black timing marks a reading machine looks for along the ticket's edge.
void drawTimingMarks(QPainter& painter, const QRect& strip, bool vertical) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 40));
    const int length = vertical ? strip.height() : strip.width();
    for (int at = 4; at + 4 <= length - 2; at += 9) {
        if (vertical)
            painter.drawRect(strip.left(), strip.top() + at, strip.width(), 4);
        else
            painter.drawRect(strip.left() + at, strip.top(), 4, strip.height());
    }
}

void drawTitle(QPainter& painter, const TicketDesign& d) {
    const QRect area = d.titleArea;
    QPainterPath band;
    band.addRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(d.ink);
    painter.drawPath(band);

    painter.save();
    QRect text = area;
    if (d.vertical && area.width() < area.height()) {
        // Turn the block so the title reads bottom to top along the ticket's side.
        painter.translate(area.left(), area.bottom() + 1);
        painter.rotate(-90);
        text = QRect(0, 0, area.height(), area.width());
    } else {
        painter.translate(area.topLeft());
        text = QRect(0, 0, area.width(), area.height());
    }
    const bool narrow = text.height() < 40;
    QFont big(QStringLiteral("DejaVu Sans"));
    big.setBold(true);
    big.setPixelSize(narrow ? 18 : 24);
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(10);
    small.setBold(true);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 2);

    painter.setPen(Qt::white);
    if (narrow) {
        painter.setFont(small);
        painter.drawText(text.adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("LOTO"));
        painter.setFont(big);
        painter.drawText(text.adjusted(0, 0, -12, 0), Qt::AlignRight | Qt::AlignVCenter, d.title);
        // Five dots for the five numbers of a board.
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 5; ++i)
            painter.drawEllipse(QPointF(text.width() / 2.0 - 24 + i * 12, text.height() / 2.0), 3.5, 3.5);
    } else {
        painter.setFont(small);
        painter.drawText(text.adjusted(0, 8, 0, 0), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("LOTO"));
        painter.setFont(big);
        painter.drawText(text, Qt::AlignCenter, d.title);
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 5; ++i)
            painter.drawEllipse(QPointF(text.width() / 2.0 - 24 + i * 12, text.height() - 12.0), 3.5, 3.5);
    }
    painter.restore();
}

QImage drawTicket(const TicketDesign& d) {
    QImage image(d.width, d.height, QImage::Format_RGB32);
    image.fill(d.paper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    // A thin frame in the ticket's colour all round.
    painter.setPen(QPen(d.ink.lighter(140), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, d.width - 1, d.height - 1);

    const Lottery* lottery = nullptr;
    for (const Lottery& row : kLotteries)
        if (lottery == nullptr && row.screen.picture == d.picture) lottery = &row;
    const BoxLayout layout = *boxPositions(lottery->code, TicketOwner::MainWindow);
    for (int n = 1; n <= d.lastNumber; ++n) drawCell(painter, cellRect(*layout.boxes[n]), n, d.ink);
    const int gridB = lottery->screen.gridB;
    if (gridB > 0) {
        // Grid B, its numbers in a darker frame.
        QRect block;
        for (int k = 1; k <= gridB; ++k) block = block.united(cellRect(*layout.boxes[50 + k]));
        painter.setPen(QPen(d.ink, 1));
        painter.setBrush(d.ink.lighter(185));
        painter.drawRect(block.adjusted(-6, -6, 5, 5));
        for (int k = 1; k <= gridB; ++k) drawCell(painter, cellRect(*layout.boxes[50 + k]), k, d.ink.darker(130));
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    drawTitle(painter, d);
    if (d.marksAlongTheBottom)
        drawTimingMarks(painter, QRect(3, d.height - 3, d.width - 6, 2), false);
    else
        drawTimingMarks(painter, QRect(d.width - 3, 3, 2, d.height - 6), true);
    return image;
}

QImage boxPicture(int kind) {
    QImage image(kBoxWidth, kBoxHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (kind == 0) return image;  // an empty box lets the printed number show
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (kind == 2) {
        // A fixed number: the cell filled in, as with a marker pen, still readable underneath.
        painter.setPen(QPen(QColor(200, 90, 0), 1.6));
        painter.setBrush(QColor(255, 170, 0, 150));
        painter.drawRoundedRect(QRectF(1, 1, kBoxWidth - 2, kBoxHeight - 2), 2, 2);
    }
    QPen cross(kind == 2 ? QColor(150, 40, 0, 235) : QColor(20, 40, 140, 230), 2.2, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(cross);
    painter.drawLine(QPointF(2.5, 2.5), QPointF(kBoxWidth - 2.5, kBoxHeight - 2.5));
    painter.drawLine(QPointF(kBoxWidth - 2.5, 2.5), QPointF(2.5, kBoxHeight - 2.5));
    return image;
}

// Drawn on a 64-pixel grid and scaled, so the desktop's larger and smaller icons are the same
// drawing as the one the windows show.
QImage programIcon(int size = 64) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(size / 64.0, size / 64.0);
    const QColor ink(200, 32, 45);
    painter.setPen(QPen(ink, 2));
    painter.setBrush(QColor(255, 244, 242));
    painter.drawRoundedRect(QRectF(5, 3, 54, 58), 6, 6);
    painter.setPen(QPen(ink, 1.2));
    painter.setBrush(Qt::white);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) painter.drawRect(QRectF(11 + c * 11.5, 9 + r * 12.5, 8, 9));
    painter.setPen(QPen(QColor(20, 40, 140), 3, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF& at : {QPointF(22.5, 9), QPointF(45.5, 21.5), QPointF(11, 34), QPointF(34, 46.5)}) {
        painter.drawLine(at + QPointF(0, 0), at + QPointF(8, 9));
        painter.drawLine(at + QPointF(8, 0), at + QPointF(0, 9));
    }
    return image;
}

// The small pictures of the main window's buttons, drawn at 32 pixels and shown at 16.
QImage buttonIcon(const QString& name) {
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor blue(31, 79, 168), red(200, 32, 45), green(30, 125, 58), dark(60, 60, 60);
    auto letterInCircle = [&](const QColor& colour, const QString& letter, bool italic) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QRectF(2, 2, 28, 28));
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setBold(true);
        font.setItalic(italic);
        font.setPixelSize(22);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 2, 28, 28), Qt::AlignCenter, letter);
    };
    if (name == QLatin1String("info")) {
        letterInCircle(blue, QStringLiteral("i"), true);
    } else if (name == QLatin1String("help")) {
        letterInCircle(green, QStringLiteral("?"), false);
    } else if (name == QLatin1String("view")) {
        p.setPen(QPen(red, 2));
        p.setBrush(QColor(255, 244, 242));
        p.drawRoundedRect(QRectF(2, 3, 20, 24), 3, 3);
        p.setPen(QPen(red, 1.5));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) p.drawRect(QRectF(5 + c * 5.5, 7 + r * 6, 3.5, 4));
        p.setPen(QPen(dark, 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(23, 23), QPointF(29, 29));
        p.setPen(QPen(dark, 2.4));
        p.setBrush(QColor(220, 235, 255, 200));
        p.drawEllipse(QPointF(19, 19), 6.5, 6.5);
    } else if (name == QLatin1String("list")) {
        p.setPen(QPen(dark, 1.5));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(3, 2, 26, 28), 3, 3);
        for (int r = 0; r < 5; ++r) {
            p.setPen(Qt::NoPen);
            p.setBrush(red);
            p.drawEllipse(QPointF(8.5, 7.5 + r * 4.5), 1.8, 1.8);
            p.setPen(QPen(blue, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(13, 7.5 + r * 4.5), QPointF(25, 7.5 + r * 4.5));
        }
    } else if (name == QLatin1String("print")) {
        p.setPen(QPen(dark, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8, 2, 16, 10));
        p.setBrush(QColor(120, 130, 140));
        p.drawRoundedRect(QRectF(2, 11, 28, 12), 3, 3);
        p.setBrush(QColor(255, 244, 242));
        p.setPen(QPen(red, 1.5));
        p.drawRect(QRectF(8, 19, 16, 11));
        p.drawLine(QPointF(11, 23), QPointF(21, 23));
        p.drawLine(QPointF(11, 26.5), QPointF(19, 26.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 220, 110));
        p.drawEllipse(QPointF(25.5, 15), 1.6, 1.6);
    } else if (name == QLatin1String("compare")) {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3; ++i) {
            p.setBrush(i == 1 ? red : blue);
            p.drawEllipse(QRectF(1 + i * 9, 14, 11, 11));
        }
        p.setPen(QPen(green, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(8, 8), QPointF(14, 13), QPointF(28, 2)}));
    } else if (name == QLatin1String("random")) {
        p.setPen(QPen(dark, 1.5));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(3, 3, 26, 26), 6, 6);
        p.setPen(Qt::NoPen);
        p.setBrush(red);
        for (const QPointF& pip : {QPointF(10, 10), QPointF(22, 10), QPointF(16, 16), QPointF(10, 22), QPointF(22, 22)})
            p.drawEllipse(pip, 2.6, 2.6);
    } else if (name == QLatin1String("clear")) {
        p.translate(16, 16);
        p.rotate(-35);
        p.setPen(QPen(dark, 1.5));
        p.setBrush(QColor(240, 120, 140));
        p.drawRoundedRect(QRectF(-13, -7, 14, 14), 2, 2);
        p.setBrush(QColor(80, 120, 200));
        p.drawRoundedRect(QRectF(1, -7, 12, 14), 2, 2);
        p.resetTransform();
        p.setPen(QPen(QColor(150, 150, 150), 1.5, Qt::DashLine));
        p.drawLine(QPointF(2, 29), QPointF(30, 29));
    } else if (name == QLatin1String("quit")) {
        p.setPen(QPen(dark, 1.8));
        p.setBrush(QColor(200, 170, 120));
        p.drawRect(QRectF(4, 3, 15, 26));
        p.setPen(QPen(red, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(13, 16), QPointF(29, 16));
        p.drawPolyline(QPolygonF({QPointF(23, 10), QPointF(29, 16), QPointF(23, 22)}));
    } else if (name == QLatin1String("web")) {
        p.setPen(QPen(blue, 2));
        p.setBrush(QColor(220, 235, 255));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(10, 3, 12, 26));
        p.drawLine(QPointF(16, 3), QPointF(16, 29));
        p.drawLine(QPointF(3, 16), QPointF(29, 16));
        p.drawLine(QPointF(6, 9.5), QPointF(26, 9.5));
        p.drawLine(QPointF(6, 22.5), QPointF(26, 22.5));
    }
    return image;
}

bool save(const QImage& image, const QDir& dir, const QString& name, const char* format, int quality) {
    const QString path = dir.filePath(name);
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 3 && QByteArrayView(argv[1]) == "--desktop-icons") {
        QDir out(QString::fromLocal8Bit(argv[2]));
        bool ok = true;
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QString folder = QStringLiteral("%1x%1/apps").arg(size);
            ok &= out.mkpath(folder) &&
                  save(programIcon(size), out, folder + QStringLiteral("/org.norvex5.Norvex5.png"), "PNG", -1);
        }
        return ok ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("tickets")) || !out.mkpath(QStringLiteral("boxes")) ||
        !out.mkpath(QStringLiteral("icons")))
        return 1;

    bool ok = true;
    for (const TicketDesign& d : designs())
        ok &= save(drawTicket(d), out,
                   QStringLiteral("tickets/%1.jpg").arg(QString::fromUtf8(d.picture.data(), d.picture.size())), "JPEG",
                   92);
    const char* boxes[] = {"imagevide", "imagecochee", "imagefixe"};
    for (int kind = 0; kind < 3; ++kind)
        ok &= save(boxPicture(kind), out, QStringLiteral("boxes/%1.png").arg(QLatin1String(boxes[kind])), "PNG", -1);
    ok &= save(programIcon(), out, QStringLiteral("norvex5.png"), "PNG", -1);
    for (const char* icon : {"info", "help", "view", "list", "print", "compare", "random", "clear", "quit", "web"})
        ok &= save(buttonIcon(QLatin1String(icon)), out, QStringLiteral("icons/%1.png").arg(QLatin1String(icon)), "PNG",
                   -1);
    return ok ? 0 : 1;
}
