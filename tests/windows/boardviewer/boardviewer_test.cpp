// The board viewer as the player meets it: the boards of the chosen wheel one by one on the
// ticket, stepping to both ends, and no board at all when no wheel of the catalogue is chosen.

#include <QGroupBox>
#include <QPushButton>

#include "core/expansion.h"
#include "windows/boardviewer/boardviewer.h"
#include "windows/common/pictures.h"
#include "windows/captionsfit.h"
#include "windows/windowrig.h"

using namespace norvex5;

namespace {

// The ticket pictures, there before the viewer that asks them.
struct ViewerPictures {
    TicketPictures pictures;
};

// The viewer over the rig, with the program's ticket pictures unless a test hands in another way
// to load them.
class ViewerRig : private ViewerPictures, public testing::WindowRig<BoardViewer> {
public:
    ViewerRig() : WindowRig<BoardViewer>(pictures) {}
    explicit ViewerRig(TicketPictures::TicketLoader loadTicket)
        : ViewerPictures{TicketPictures(std::move(loadTicket))}, WindowRig<BoardViewer>(pictures) {}

    // What the player has done before the viewer opens: chosen a wheel and ticked its numbers.
    void play(int wheel, std::initializer_list<int> numbers) {
        state.selectedWheel = wheel;
        for (int n : numbers) state.selection[n] = kSelected;
    }
    QString label(const char* name) const { return find<QLabel>(QLatin1String(name))->text(); }
    QString counter() const { return label("lnubul") + label("Label2") + label("Lnumax"); }
    // The numbers whose box shows the ticked picture; every other box must show the empty one.
    std::vector<int> ticked() const {
        const QImage tick = loadBoxPicture(BoxPicture::Ticked).toImage();
        const QImage empty = loadBoxPicture(BoxPicture::Empty).toImage();
        std::vector<int> numbers;
        for (int n = 1; n <= 50; ++n) {
            const QImage shown = find<NumberBox>(QStringLiteral("icroix%1").arg(n))->pixmap().toImage();
            if (shown == tick)
                numbers.push_back(n);
            else if (shown != empty)
                numbers.push_back(-n);  // neither picture: shows up as a difference
        }
        return numbers;
    }
};

using Numbers = std::vector<int>;

}  // namespace

class BoardViewerTest : public QObject {
    Q_OBJECT

private slots:
    void stepsThroughTheBoardsOfWheelOne();
    void shortestWheelAndRepeatedShowings();
    void noWheelShowsNothing_data();
    void noWheelShowsNothing();
    void textsInTheLanguage_data();
    void textsInTheLanguage();
    void ticketOfTheGameType();
    void missingPictureIsReportedOncePerShowing();
};

void BoardViewerTest::stepsThroughTheBoardsOfWheelOne() {
    ViewerRig rig;
    rig.play(1, {40, 2, 17, 9, 33, 21});
    const SelectionState before = rig.state.selection;
    rig.window.show();

    QCOMPARE(rig.label("ltitmet"), QString::fromStdString(wheelTitle(1, false, rig.state.messageLookup())));
    QVERIFY(!rig.label("ltitmet").isEmpty());
    QCOMPARE(rig.counter(), QStringLiteral("1/5"));
    // Wheel 1 plays positions {1,2,3,4,6} first: every number but the fifth, 33.
    QCOMPARE(rig.ticked(), (Numbers{2, 9, 17, 21, 40}));

    const std::vector<Numbers> boards{
        {2, 9, 17, 21, 40}, {2, 9, 17, 33, 40}, {2, 9, 21, 33, 40}, {2, 17, 21, 33, 40}, {9, 17, 21, 33, 40}};
    for (int board = 2; board <= 5; ++board) {
        rig.press("boutsuivant");
        QCOMPARE(rig.counter(), QStringLiteral("%1/5").arg(board));
        QCOMPARE(rig.ticked(), boards[board - 1]);
    }
    // No wrap-around at either end: the board and the counter stay.
    rig.press("boutsuivant");
    QCOMPARE(rig.counter(), QStringLiteral("5/5"));
    QCOMPARE(rig.ticked(), boards[4]);
    for (int board = 4; board >= 1; --board) {
        rig.press("boutprecedent");
        QCOMPARE(rig.counter(), QStringLiteral("%1/5").arg(board));
        QCOMPARE(rig.ticked(), boards[board - 1]);
    }
    rig.press("boutprecedent");
    QCOMPARE(rig.counter(), QStringLiteral("1/5"));
    QCOMPARE(rig.ticked(), boards[0]);

    QCOMPARE(rig.state.selection, before);
    rig.press("bRetour");
    QVERIFY(!rig.window.isVisible());
}

void BoardViewerTest::shortestWheelAndRepeatedShowings() {
    // Wheel 4 is the catalogue's shortest: two boards over eight numbers.
    ViewerRig rig;
    rig.play(4, {1, 5, 9, 22, 30, 41, 49, 50});
    rig.window.show();
    QCOMPARE(rig.counter(), QStringLiteral("1/2"));
    QCOMPARE(rig.ticked(), (Numbers{1, 5, 22, 41, 50}));  // positions {1,2,4,6,8}
    rig.press("boutsuivant");
    rig.press("boutsuivant");
    QCOMPARE(rig.counter(), QStringLiteral("2/2"));
    QCOMPARE(rig.ticked(), (Numbers{5, 9, 22, 30, 49}));  // positions {2,3,4,5,7}
    rig.window.close();

    // The next showing starts again at board 1.
    rig.window.show();
    QCOMPARE(rig.counter(), QStringLiteral("1/2"));
    QCOMPARE(rig.window.currentBoard(), 1);
    QCOMPARE(rig.ticked(), (Numbers{1, 5, 22, 41, 50}));
}

void BoardViewerTest::noWheelShowsNothing_data() {
    QTest::addColumn<int>("wheel");
    QTest::newRow("no entry chosen") << -1;
    QTest::newRow("zero") << 0;
    QTest::newRow("past the catalogue") << 9;
    QTest::newRow("far past it") << 299;
}

void BoardViewerTest::noWheelShowsNothing() {
    QFETCH(int, wheel);
    ViewerRig rig;
    rig.play(1, {40, 2, 17, 9, 33, 21});
    // A showing with a board first, so that anything left of it would be seen.
    rig.window.show();
    rig.press("boutsuivant");
    rig.window.close();

    rig.state.selectedWheel = wheel;
    const BoardMask mask = rig.state.boardMask;
    rig.window.show();
    QCOMPARE(rig.ticked(), Numbers{});
    QCOMPARE(rig.label("ltitmet"), QString());
    QCOMPARE(rig.counter(), QStringLiteral("/"));
    QCOMPARE(rig.window.boardCount(), 0);
    rig.press("boutsuivant");
    rig.press("boutprecedent");
    QCOMPARE(rig.ticked(), Numbers{});
    QCOMPARE(rig.state.boardMask, mask);
    // The texts and the ticket are there all the same.
    QCOMPARE(rig.window.windowTitle(), rig.message(125));
    QVERIFY(rig.find<QLabel>(QStringLiteral("Image1"))->pixmap().width() > 0);
}

void BoardViewerTest::textsInTheLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("French") << 1;
    QTest::newRow("German") << 7;
}

void BoardViewerTest::textsInTheLanguage() {
    QFETCH(int, language);
    ViewerRig rig;
    rig.state.parameters.language = language;
    rig.play(1, {40, 2, 17, 9, 33, 21});
    rig.window.show();
    QCOMPARE(rig.window.windowTitle(), rig.message(125));
    QCOMPARE(rig.find<QGroupBox>(QStringLiteral("GroupBox2"))->title(), rig.message(129));
    QCOMPARE(rig.label("ltitre"), rig.message(34));
    QCOMPARE(rig.find<QPushButton>(QStringLiteral("bRetour"))->text(), rig.message(126));
    QCOMPARE(rig.find<QPushButton>(QStringLiteral("boutsuivant"))->toolTip(), rig.message(127));
    QCOMPARE(rig.find<QPushButton>(QStringLiteral("boutprecedent"))->toolTip(), rig.message(128));
    QCOMPARE(rig.label("ltitmet"), QString::fromStdString(wheelTitle(1, false, rig.state.messageLookup())));
    if (language == 7) QCOMPARE(rig.label("ltitre"), QStringLiteral("Tipp"));
    QCOMPARE(testing::cutCaptions(rig.window), QStringList());

    // The next showing takes the language of its time.
    rig.window.close();
    rig.state.parameters.language = 2;
    rig.window.show();
    QCOMPARE(rig.window.windowTitle(), QStringLiteral("Boards to play"));
    QCOMPARE(rig.label("ltitre"), QStringLiteral("Board"));
}

void BoardViewerTest::ticketOfTheGameType() {
    ViewerRig rig;
    rig.state.parameters.gameType = 6;
    rig.state.parameters.highestNumber = 39;
    rig.play(1, {1, 12, 20, 33, 39, 2});
    rig.window.show();
    const BoxLayout layout = *boxPositions(6, TicketOwner::BoardViewer);
    for (int n = 1; n <= 50; ++n) {
        auto* box = rig.find<NumberBox>(QStringLiteral("icroix%1").arg(n));
        QCOMPARE(box->isVisibleTo(&rig.window), n <= 39);
        QCOMPARE(box->pos(), QPoint(layout.boxes[n]->left, layout.boxes[n]->top));
    }
    // The cut picture of this game type, and every visible box on it.
    auto* picture = rig.find<QLabel>(QStringLiteral("Image1"));
    QCOMPARE(picture->height(), 168);  // the designed cut of this ticket
    for (int n = 1; n <= 39; ++n)
        QVERIFY(picture->geometry().contains(rig.find<NumberBox>(QStringLiteral("icroix%1").arg(n))->geometry()));
    // Boxes only show: a click on one changes nothing.
    QTest::mouseClick(rig.find<NumberBox>(QStringLiteral("icroix5")), Qt::LeftButton);
    QCOMPARE(rig.state.selection[5], kFree);

    // Another game type on the next showing, with the picture at its own height again.
    rig.window.close();
    rig.state.parameters.gameType = 7;
    rig.state.parameters.highestNumber = 50;
    rig.window.show();
    QVERIFY(rig.find<NumberBox>(QStringLiteral("icroix50"))->isVisibleTo(&rig.window));
    QCOMPARE(picture->height(), loadTicketPicture("igrille7").height());
}

void BoardViewerTest::missingPictureIsReportedOncePerShowing() {
    ViewerRig rig([](TicketPicture) { return QPixmap(); });
    rig.play(1, {40, 2, 17, 9, 33, 21});
    rig.window.show();
    QCOMPARE(rig.platform.messages().size(), 1);
    QCOMPARE(rig.platform.messages()[0].text, QStringLiteral("erreur positionnecase"));
    QCOMPARE(rig.platform.messages()[0].icon, Platform::Icon::Warning);
    // The board is shown all the same.
    QCOMPARE(rig.counter(), QStringLiteral("1/5"));
    // Each activation lays the ticket out again; the box that took the activation away must not
    // come back every time it gives it back.
    rig.window.layOutTicket();
    rig.window.layOutTicket();
    QCOMPARE(rig.platform.messages().size(), 1);
    rig.window.close();
    rig.window.show();
    QCOMPARE(rig.platform.messages().size(), 2);
}

QTEST_MAIN(BoardViewerTest)
#include "boardviewer_test.moc"
