// The ticket as the screen shows it, at the scale factor CTest runs this program with
// (QT_SCALE_FACTOR 1, 1.5, 2): the window is grabbed, and every ticked box must be drawn whole,
// inside the ticket picture, over the printed cell of its own number. The box tables are in
// screen pixels of a 96-dpi screen; this is where a scaled screen would pull a box off its cell
// or clip it.

#include <QRadioButton>
#include <QTest>
#include <cmath>

#include "windows/windowrig.h"

using namespace norvex5;
using namespace norvex5::testing;

namespace {

bool dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 170; }

// Where two renderings of the same area differ: the boxes drawn over the ticket.
QRect differingPixels(const QImage& a, const QImage& b, const QRect& within) {
    QRect found;
    const QRect area = within & a.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int difference =
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            if (difference > 60) found |= QRect(x, y, 1, 1);
        }
    return found;
}

// The part of a box picture that is drawn at all, in the picture's own pixels.
QRect inkOf(const QImage& picture) {
    QRect ink;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) > 40) ink |= QRect(x, y, 1, 1);
    return ink;
}

// The first dark pixel met walking from `from` by `step`, at most `limit` steps; -1 with none.
int firstDark(const QImage& image, QPoint from, QPoint step, int limit) {
    for (int i = 0; i <= limit; ++i) {
        const QPoint at = from + i * step;
        if (!image.rect().contains(at)) return -1;
        if (dark(image, at.x(), at.y())) return i;
    }
    return -1;
}

}  // namespace

class TicketRenderingTest : public QObject {
    Q_OBJECT

private slots:
    void runsAtTheScaleAskedFor();
    void everyBoxCoversItsPrintedCell_data();
    void everyBoxCoversItsPrintedCell();
};

void TicketRenderingTest::runsAtTheScaleAskedFor() {
    // A run that silently fell back to scale 1 would test nothing new.
    const double asked =
        qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
    MainWindowRig rig;
    rig.start();
    QCOMPARE(rig.window.devicePixelRatio(), asked);
    QCOMPARE(rig.find<QWidget>(QStringLiteral("pgrille"))->grab().toImage().devicePixelRatio(), asked);
}

void TicketRenderingTest::everyBoxCoversItsPrintedCell_data() {
    QTest::addColumn<QString>("button");
    for (const char* button : {"Rfrance", "rportugal", "rautriche", "rflorida", "rticketncarl"})
        QTest::newRow(button) << QString::fromLatin1(button);
}

void TicketRenderingTest::everyBoxCoversItsPrintedCell() {
    QFETCH(QString, button);
    MainWindowRig rig;
    rig.start();
    rig.find<QRadioButton>(button)->click();
    const int highest = rig.state.parameters.highestNumber;
    for (int n = 1; n <= highest; ++n) rig.state.selection[n] = kFixed;  // the fixed box fills its cell
    rig.window.redrawBoxes();

    QWidget* panel = rig.find<QWidget>(QStringLiteral("pgrille"));
    const QImage withBoxes = panel->grab().toImage();
    for (int n = 1; n <= highest; ++n) rig.box(n)->hide();
    const QImage ticketAlone = panel->grab().toImage();
    for (int n = 1; n <= highest; ++n) rig.box(n)->show();

    const double scale = withBoxes.devicePixelRatio();
    const auto onDevice = [scale](const QRect& r) {
        return QRect(QPoint(int(std::lround(r.left() * scale)), int(std::lround(r.top() * scale))),
                     QSize(int(std::lround(r.width() * scale)), int(std::lround(r.height() * scale))));
    };
    const QRect picture = onDevice(rig.picture()->geometry());
    QVERIFY(withBoxes.rect().contains(picture));
    const int slack = int(std::ceil(scale));

    for (int n = 1; n <= highest; ++n) {
        const QString which = QStringLiteral("box %1 at scale %2").arg(n).arg(scale);
        const QRect box = rig.box(n)->geometry();
        const QRect expected = onDevice(inkOf(rig.box(n)->pixmap().toImage()).translated(box.topLeft()));
        const QRect drawn =
            differingPixels(withBoxes, ticketAlone, onDevice(box).adjusted(-slack, -slack, slack, slack));
        QVERIFY2(!drawn.isEmpty(), qPrintable(which + QStringLiteral(" is not drawn")));
        QVERIFY2(picture.contains(drawn), qPrintable(which + QStringLiteral(" reaches out of the ticket")));
        // Drawn whole: the box's full size on this screen, not clipped and not left unscaled.
        QVERIFY2(std::abs(drawn.width() - expected.width()) <= slack &&
                     std::abs(drawn.height() - expected.height()) <= slack,
                 qPrintable(which + QStringLiteral(" is drawn %1x%2, not %3x%4")
                                        .arg(drawn.width())
                                        .arg(drawn.height())
                                        .arg(expected.width())
                                        .arg(expected.height())));
        // On its cell: walking in from the paper just outside the box, the cell's printed frame
        // is met at the box's edge, on the left and at the top.
        const int middleY = drawn.center().y();
        const int middleX = drawn.center().x();
        const int fromLeft = firstDark(ticketAlone, QPoint(drawn.left() - slack, middleY), QPoint(1, 0), 3 * slack);
        const int fromTop = firstDark(ticketAlone, QPoint(middleX, drawn.top() - slack), QPoint(0, 1), 3 * slack);
        QVERIFY2(fromLeft > 0 && std::abs(fromLeft - slack) <= slack,
                 qPrintable(which + QStringLiteral(": the cell's left edge is %1 pixels off").arg(fromLeft - slack)));
        QVERIFY2(fromTop > 0 && std::abs(fromTop - slack) <= slack,
                 qPrintable(which + QStringLiteral(": the cell's top edge is %1 pixels off").arg(fromTop - slack)));
    }
}

QTEST_MAIN(TicketRenderingTest)
#include "ticketrendering_test.moc"
