#include "windows/mainwindow/mainwindowcontrols.h"
#include "windows/common/named.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

#include "core/lotteries.h"
#include "core/selection.h"
#include "windows/common/gradientbackground.h"
#include "windows/common/pictures.h"
#include "windows/ticket/numberbox.h"
#include "windows/ticket/ticketpictures.h"

namespace norvex5 {

namespace {

constexpr int kClientWidth = 663;
constexpr int kClientHeight = 464;

// The right-hand column of the internal tab.
constexpr int kColumnLeft = 386;
constexpr int kColumnWidth = 259;

QAction* namedAction(QMenu* menu, const char* name) {
    return named(menu->addAction(QString()), name);
}

// A box picture beside the text or the counter it stands for.
void boxSample(QWidget* parent, const QPixmap& picture, int left, int top) {
    auto* sample = new QLabel(parent);
    sample->setPixmap(picture);
    sample->setGeometry(left, top, kBoxWidth, kBoxHeight);
}

QToolButton* toolButton(QWidget* parent, const char* name, const char* icon, const QRect& geometry) {
    auto* button = named(new QToolButton(parent), name);
    button->setIcon(QIcon(loadButtonIcon(icon)));
    button->setGeometry(geometry);
    return button;
}

}  // namespace

void MainWindowControls::build(QMainWindow& window, TicketPictures& pictures) {
    buildMenu(window);

    client = new QWidget(&window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    window.setCentralWidget(client);
    GradientBackground::placeBehind(client);

    aboutButton = toolButton(client, "SpeedButton2", "info", {kClientWidth - 62, 2, 28, 26});
    aboutButton->setAutoRaise(true);
    helpButton = toolButton(client, "boutaide", "help", {kClientWidth - 32, 2, 28, 26});
    helpButton->setAutoRaise(true);

    pages = named(new QTabWidget(client), "PageControl1");
    pages->setGeometry(4, 6, kClientWidth - 8, kClientHeight - 10);
    // The tab frame lets the window's gradient show through.
    QPalette clear = pages->palette();
    clear.setColor(QPalette::Window, Qt::transparent);
    pages->setPalette(clear);
    internalPage = named(new QWidget, "Tabsysinterne");
    externalPage = named(new QWidget, "tabsysexterne");
    // The pages themselves paint nothing, and their controls keep the usual colours.
    QPalette usual = window.palette();
    usual.setColor(QPalette::Window, usual.color(QPalette::Window));
    internalPage->setPalette(usual);
    externalPage->setPalette(usual);
    // The tool buttons sit in the free end of the tab row, above the tabs.
    aboutButton->raise();
    helpButton->raise();

    // The controls with pictures first, those whose size follows a text after them: the pictures
    // are decoded while the fonts are still being read on their own thread (fontwarmup.h), which
    // the first text measured waits for.
    buildTicket(internalPage, pictures);
    buildButtons(internalPage);
    buildWheelMaking(internalPage);
    buildGameTypes(internalPage);
    buildWheelChoice(internalPage, pictures);
    pages->addTab(internalPage, QString());
    pages->addTab(externalPage, QString());
    setTabOrder();
}

void MainWindowControls::setTabOrder() {
    // Across the ticket first, number by number, then down the right-hand column as designed, the
    // wheel making after it, the two tool buttons of the tab row last.
    std::vector<QWidget*> order{pages->tabBar()};
    for (int n = 1; n <= ticket->boxCount(); ++n) order.push_back(ticket->box(n));
    order.insert(order.end(), gameTypes.begin(), gameTypes.end());
    order.insert(order.end(),
                 {wheelList, describeWheel, viewBoardsButton, listBoardsButton, printTicketsButton, compareButton,
                  randomButton, clearButton, lastDrawButton, quitButton, makeWheelButton, stopMakingWheel,
                  aboutButton, helpButton});
    for (std::size_t k = 1; k < order.size(); ++k) QWidget::setTabOrder(order[k - 1], order[k]);
}

void MainWindowControls::buildMenu(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    fileMenu = named(bar->addMenu(QString()), "Fichier1");
    loadGame = namedAction(fileMenu, "Chargerbulletin1");
    saveGame = namedAction(fileMenu, "EnregistrerBulletin1");
    fileMenu->addSeparator();
    quit = namedAction(fileMenu, "mQuitter1");
    useMenu = named(bar->addMenu(QString()), "Utilisation1");
    viewBoards = namedAction(useMenu, "mVoirlesbulletins1");
    listBoards = namedAction(useMenu, "mVoirlalistedesbulletins1");
    compareWithDraw = namedAction(useMenu, "mCompareraveclesrsultats1");
    printTickets = namedAction(useMenu, "Imprimerlesbulletins1");
    useMenu->addSeparator();
    checkWheel = namedAction(useMenu, "mVerifierSysteme");
    generateWheel = namedAction(useMenu, "mGenererSysteme");
    useMenu->addSeparator();
    draws = namedAction(useMenu, "mTirages");
    optionsMenu = named(bar->addMenu(QString()), "Options1");
    parameters = namedAction(optionsMenu, "Paramtres1");
    helpMenu = named(bar->addMenu(QString()), "Aide1");
    help = namedAction(helpMenu, "Aideenligne1");
    about = namedAction(helpMenu, "Infos1");
    // The desktop's usual keys for the usual commands.
    loadGame->setShortcut(QKeySequence::Open);
    saveGame->setShortcut(QKeySequence::Save);
    printTickets->setShortcut(QKeySequence::Print);
    quit->setShortcut(QKeySequence::Quit);
    help->setShortcut(QKeySequence::HelpContents);
}

void MainWindowControls::buildTicket(QWidget* page, TicketPictures& pictures) {
    ticket = new TicketPanel(TicketOwner::MainWindow, kBoxCount, pictures, page);
    ticket->setGeometry(4, 4, 374, 288);
    // How to tick, with the two marks the boxes will show.
    boxSample(ticket, pictures.box(BoxPicture::Ticked), 10, 8);
    auto* leftClick = named(new QLabel(ticket), "labclickdroit");
    leftClick->setGeometry(32, 6, 330, 20);
    boxSample(ticket, pictures.box(BoxPicture::Fixed), 10, 30);
    auto* rightClick = named(new QLabel(ticket), "labclickgauche");
    rightClick->setGeometry(32, 28, 330, 20);
}

void MainWindowControls::buildGameTypes(QWidget* page) {
    auto* group = named(new QGroupBox(page), "Gtype");
    // The designed places of the shown buttons, in the table's order; a lottery added after them
    // takes the next place of a row of three, the group growing to hold it.
    const QPoint designed[] = {{12, 20}, {132, 20}, {252, 20}, {12, 46}, {196, 46}};
    const auto place = [&](int shown) {
        if (shown < static_cast<int>(std::size(designed))) return designed[shown];
        const int beyond = shown - static_cast<int>(std::size(designed));
        return QPoint(12 + 120 * (beyond % 3), 72 + 26 * (beyond / 3));
    };
    int shown = 0;
    int bottom = 0;
    for (const GameTypeChoice& choice : gameTypeButtons()) {
        const GameTypeButton& b = choice.button;
        auto* radio = new QRadioButton(QString::fromUtf8(b.caption.data(), static_cast<int>(b.caption.size())), group);
        radio->setObjectName(QString::fromUtf8(b.objectName.data(), static_cast<int>(b.objectName.size())));
        radio->setProperty("gameType", choice.code);
        radio->setGeometry(QRect(b.shown ? place(shown++) : QPoint(), QSize(150, 22)));
        radio->setVisible(b.shown);
        if (b.shown) bottom = std::max(bottom, radio->geometry().bottom());
        gameTypes.push_back(radio);
    }
    group->setGeometry(4, 298, 374, std::max(74, bottom + 7));
    // The first button is on in the window design; start-up switches on the one of the saved game
    // type.
    if (!gameTypes.empty()) gameTypes.front()->setChecked(true);
}

void MainWindowControls::buildWheelChoice(QWidget* page, TicketPictures& pictures) {
    auto* title = named(new QLabel(page), "ltitrechoix");
    title->setGeometry(kColumnLeft, 4, kColumnWidth, 18);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    wheelList = named(new QComboBox(page), "ComboBox1");
    wheelList->setGeometry(kColumnLeft, 24, kColumnWidth - 32, 26);
    describeWheel = toolButton(page, "spinfosysteme", "info", {kColumnLeft + kColumnWidth - 28, 24, 28, 26});

    auto* counters = named(new QGroupBox(page), "gcasecoche");
    counters->setGeometry(kColumnLeft, 58, kColumnWidth, 52);
    QFont big = counters->font();
    big.setBold(true);
    big.setPixelSize(16);
    const auto counter = [&](const char* name, const QPixmap& sample, int left) {
        boxSample(counters, sample, left, 26);
        auto* label = named(new QLabel(QStringLiteral("0"), counters), name);
        label->setFont(big);
        label->setGeometry(left + 22, 22, 50, 24);
        return label;
    };
    tickedCount = counter("nbcoch", pictures.box(BoxPicture::Ticked), 14);
    fixedCount = counter("labnbFix", pictures.box(BoxPicture::Fixed), 104);
    gridBFixedCount = named(new QLabel(QStringLiteral("0"), counters), "LabNbFixgb");
    gridBFixedCount->setGeometry(200, 22, 40, 24);
    gridBFixedCount->hide();
}

void MainWindowControls::buildButtons(QWidget* page) {
    struct Button {
        const char* name;
        const char* icon;
        QRect geometry;
        QPushButton** member;
    };
    const int half = (kColumnWidth - 6) / 2;
    const int right = kColumnLeft + kColumnWidth - half;
    const Button buttons[] = {
        {"bvoirbulletin", "view", {kColumnLeft, 120, kColumnWidth, 32}, &viewBoardsButton},
        {"bimplistbull", "list", {kColumnLeft, 156, kColumnWidth, 32}, &listBoardsButton},
        {"bimpbull", "print", {kColumnLeft, 192, kColumnWidth, 32}, &printTicketsButton},
        {"bcomparer", "compare", {kColumnLeft, 228, kColumnWidth, 32}, &compareButton},
        {"bnaleat", "random", {kColumnLeft, 272, half, 30}, &randomButton},
        {"beffacer", "clear", {right, 272, half, 30}, &clearButton},
        {"bderniertirage", "web", {kColumnLeft, 308, kColumnWidth, 28}, &lastDrawButton},
        {"bquitter", "quit", {right, 370, half, 30}, &quitButton},
    };
    for (const Button& b : buttons) {
        auto* button = named(new QPushButton(page), b.name);
        button->setIcon(QIcon(loadButtonIcon(b.icon)));
        button->setGeometry(b.geometry);
        *b.member = button;
    }
}

void MainWindowControls::buildWheelMaking(QWidget* page) {
    // In the free places of the column: the button left of Quit, the progress in the row above.
    const int half = (kColumnWidth - 6) / 2;
    makeWheelButton = named(new QPushButton(page), "bfairesysteme");
    makeWheelButton->setGeometry(kColumnLeft, 370, half, 30);
    makeWheelMenu = named(new QMenu(makeWheelButton), "menufairesysteme");
    makeWheelButton->setMenu(makeWheelMenu);
    constexpr int kStopWidth = 76;
    makeWheelProgress = named(new QProgressBar(page), "barrefairesysteme");
    makeWheelProgress->setGeometry(kColumnLeft, 343, kColumnWidth - kStopWidth - 6, 22);
    makeWheelProgress->setRange(0, 100);
    makeWheelProgress->hide();
    stopMakingWheel = named(new QPushButton(page), "barreterfairesysteme");
    stopMakingWheel->setGeometry(kColumnLeft + kColumnWidth - kStopWidth, 341, kStopWidth, 26);
    stopMakingWheel->hide();
}

}  // namespace norvex5
