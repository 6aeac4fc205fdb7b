#include "windows/mainwindow/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QToolButton>

#include "core/appstate.h"
#include "windows/common/gradientbackground.h"
#include "windows/common/platform.h"
#include "windows/ticket/numberbox.h"

namespace norvex5 {

namespace {

constexpr int kClientWidth = 663;
constexpr int kClientHeight = 464;

// The right-hand column of the internal tab.
constexpr int kColumnLeft = 386;
constexpr int kColumnWidth = 259;

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// The wheel list's entries end in blanks and the hidden wheel number; its open list shows each
// entry's title alone, in rows as roomy as a menu's.
class WheelTitleDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override {
        QString text = QStyledItemDelegate::displayText(value, locale);
        qsizetype end = text.size();
        while (end > 0 && text[end - 1].isDigit()) --end;
        while (end > 0 && text[end - 1] == QLatin1Char(' ')) --end;
        text.truncate(end);
        return text;
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize size = QStyledItemDelegate::sizeHint(option, index);
        return {size.width() + 8, std::max(size.height() + 6, 22)};
    }
};

// A box picture beside the text or the counter it stands for.
void boxSample(QWidget* parent, const QPixmap& picture, int left, int top) {
    auto* sample = new QLabel(parent);
    sample->setPixmap(picture);
    sample->setGeometry(left, top, kBoxWidth, kBoxHeight);
}

QAction* namedAction(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

}  // namespace

MainWindow::MainWindow(AppState& state, Platform& platform, ProgramDirectories directories, QWidget* parent)
    : QMainWindow(parent), state_(state), platform_(platform), directories_(std::move(directories)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("NORVEX5"));
    // A fixed single border: a system menu and a minimise button, nothing to resize or maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(loadProgramIcon()));
    // The boxes sit on pixel positions of the pictures: the window keeps its pixel layout and a
    // font of a fixed pixel size whatever the desktop's font settings.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    setFont(font);

    createMenu();
    createControls();
    connectHandlers();
    refreshCounters();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::createMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = named(bar->addMenu(QStringLiteral("Fichiers")), "Fichier1");
    namedAction(file, "Chargerbulletin1", QStringLiteral("Charger un jeu"));
    namedAction(file, "EnregistrerBulletin1", QStringLiteral("Enregistrer un jeu"));
    file->addSeparator();
    namedAction(file, "mQuitter1", QStringLiteral("Quitter"));
    QMenu* use = named(bar->addMenu(QStringLiteral("Utilisation")), "Utilisation1");
    namedAction(use, "mVoirlesbulletins1", QStringLiteral("Voir les grilles"));
    namedAction(use, "mVoirlalistedesbulletins1", QStringLiteral("Liste des grilles"));
    namedAction(use, "mCompareraveclesrsultats1", QStringLiteral("Comparer avec le tirage"));
    namedAction(use, "Imprimerlesbulletins1", QStringLiteral("Imprimer les Tickets"));
    QMenu* options = named(bar->addMenu(QStringLiteral("Options")), "Options1");
    namedAction(options, "Paramtres1", QStringLiteral("Parametres"));
    QMenu* help = named(bar->addMenu(QStringLiteral("Aide")), "Aide1");
    namedAction(help, "Aideenligne1", QStringLiteral("Aide"));
    namedAction(help, "Infos1", QStringLiteral("A propos du logiciel"));
}

QLabel* MainWindow::createPictureHolder(const QString& name, const QPixmap& picture) {
    auto* holder = new QLabel(centralWidget());
    holder->setObjectName(name);
    holder->setPixmap(picture);
    holder->hide();
    return holder;
}

void MainWindow::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    GradientBackground::placeBehind(client);

    // The hidden holders the layouts copy their pictures from. A ticket picture is read when its
    // game type is first laid out: the program starts sooner than if it decoded all seven.
    for (int i = 0; i < kTicketPictureCount; ++i) {
        const std::string_view name = ticketPictureName(static_cast<TicketPicture>(i));
        pictureHolders_[i] = createPictureHolder(QString::fromUtf8(name.data(), static_cast<int>(name.size())), {});
    }
    imagevide_ = createPictureHolder(QStringLiteral("imagevide"), loadBoxPicture(BoxPictureKind::Empty));
    imagecochee_ = createPictureHolder(QStringLiteral("imagecochee"), loadBoxPicture(BoxPictureKind::Ticked));
    imagefixe_ = createPictureHolder(QStringLiteral("imagefixe"), loadBoxPicture(BoxPictureKind::Fixed));

    auto* about = named(new QToolButton(client), "SpeedButton2");
    about->setIcon(QIcon(loadButtonIcon("info")));
    about->setToolTip(QStringLiteral("A propos du logiciel"));
    about->setAutoRaise(true);
    about->setGeometry(kClientWidth - 62, 2, 28, 26);
    auto* help = named(new QToolButton(client), "boutaide");
    help->setIcon(QIcon(loadButtonIcon("help")));
    help->setAutoRaise(true);
    help->setGeometry(kClientWidth - 32, 2, 28, 26);

    pageControl_ = named(new QTabWidget(client), "PageControl1");
    pageControl_->setGeometry(4, 6, kClientWidth - 8, kClientHeight - 10);
    // The tab frame lets the window's gradient show through.
    QPalette clear = pageControl_->palette();
    clear.setColor(QPalette::Window, Qt::transparent);
    pageControl_->setPalette(clear);
    auto* internal = named(new QWidget, "Tabsysinterne");
    auto* external = named(new QWidget, "tabsysexterne");
    pageControl_->addTab(internal, QStringLiteral("Systèmes precalculés internes"));
    pageControl_->addTab(external, QStringLiteral("Systèmes précalculés dans fichier externe"));
    // The pages themselves paint nothing, and their controls keep the usual colours.
    QPalette usual = palette();
    usual.setColor(QPalette::Window, usual.color(QPalette::Window));
    internal->setPalette(usual);
    external->setPalette(usual);
    // The tool buttons sit in the free end of the tab row, above the tabs.
    about->raise();
    help->raise();

    createTicketPanel(internal);
    createGameTypes(internal);
    createWheelChoice(internal);
    createButtons(internal);
}

void MainWindow::createTicketPanel(QWidget* page) {
    auto* panel = named(new QFrame(page), "pgrille");
    panel->setGeometry(4, 4, 374, 288);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette paper = panel->palette();
    paper.setColor(QPalette::Window, QColor(255, 255, 255, 150));
    panel->setPalette(paper);

    auto* picture = named(new QLabel(panel), "Image1");
    picture->setProperty("tag", 0);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setGeometry(kPictureLeft, kPictureTop, 295, 230);

    // How to tick, with the two marks the boxes will show.
    boxSample(panel, imagecochee_->pixmap(), 10, 8);
    auto* leftClick = named(new QLabel(QStringLiteral("Click gauche pour sélectionner"), panel), "labclickdroit");
    leftClick->setGeometry(32, 6, 330, 20);
    boxSample(panel, imagefixe_->pixmap(), 10, 30);
    auto* rightClick = named(new QLabel(QStringLiteral("Click droit pour les fixes"), panel), "labclickgauche");
    rightClick->setGeometry(32, 28, 330, 20);

    grid_.panel = panel;
    grid_.picture = picture;
    const QPixmap empty = imagevide_->pixmap();
    for (int n = 1; n <= kBoxCount; ++n) {
        auto* box = new NumberBox(n, panel);
        box->setPixmap(empty);
        if (n > kGridACount) box->hide();
        boxes_[n] = box;
        grid_.boxes[n] = box;
    }
}

void MainWindow::createGameTypes(QWidget* page) {
    auto* group = named(new QGroupBox(QStringLiteral("Type de grille à l'écran"), page), "Gtype");
    group->setGeometry(4, 298, 374, 74);
    struct Button {
        const char* name;
        const char* caption;
        int code;
        bool visible;
        QPoint at;
    };
    const Button buttons[] = {
        {"Rfrance", "(France..)", 1, true, {12, 20}},
        {"rUk", "4", 2, false, {}},
        {"rEspagne", "2", 3, false, {}},
        {"rsuisse", "5", 4, false, {}},
        {"rportugal", "(Portugal )", 4, true, {132, 20}},
        {"rswisslog", "6", 5, false, {}},
        {"rautriche", "NYTake5", 6, true, {252, 20}},
        {"rflorida", " (Florida , N. Car. )", 7, true, {12, 46}},
        {"rticketncarl", "S Carolina..", 8, true, {196, 46}},
    };
    for (const Button& b : buttons) {
        auto* radio = named(new QRadioButton(QLatin1String(b.caption), group), b.name);
        radio->setProperty("gameType", b.code);
        radio->setGeometry(b.at.x(), b.at.y(), 150, 22);
        radio->setVisible(b.visible);
        connect(radio, &QRadioButton::toggled, this, [this, code = b.code](bool on) {
            if (on) selectGameType(code);
        });
    }
    rfrance_ = group->findChild<QRadioButton*>(QStringLiteral("Rfrance"));
    rportugal_ = group->findChild<QRadioButton*>(QStringLiteral("rportugal"));
    rautriche_ = group->findChild<QRadioButton*>(QStringLiteral("rautriche"));
    rflorida_ = group->findChild<QRadioButton*>(QStringLiteral("rflorida"));
    rticketncarl_ = group->findChild<QRadioButton*>(QStringLiteral("rticketncarl"));
    // On in the window design; start-up switches on the one of the saved game type.
    const QSignalBlocker quiet(rfrance_);
    rfrance_->setChecked(true);
}

void MainWindow::createWheelChoice(QWidget* page) {
    auto* title = named(new QLabel(QStringLiteral("Systèmes réducteurs "), page), "ltitrechoix");
    title->setGeometry(kColumnLeft, 4, kColumnWidth, 18);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    wheelList_ = named(new QComboBox(page), "ComboBox1");
    wheelList_->setGeometry(kColumnLeft, 24, kColumnWidth - 32, 26);
    // The entries' hidden numbers would otherwise widen the open list to show them.
    wheelList_->setItemDelegate(new WheelTitleDelegate(wheelList_));
    wheelList_->view()->window()->setMaximumWidth(wheelList_->width());
    auto* describe = named(new QToolButton(page), "spinfosysteme");
    describe->setIcon(QIcon(loadButtonIcon("info")));
    describe->setToolTip(QStringLiteral("Informations"));
    describe->setGeometry(kColumnLeft + kColumnWidth - 28, 24, 28, 26);

    auto* counters = named(new QGroupBox(QStringLiteral("Cases cochées"), page), "gcasecoche");
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
    nbcoch_ = counter("nbcoch", imagecochee_->pixmap(), 14);
    labnbFix_ = counter("labnbFix", imagefixe_->pixmap(), 104);
    labNbFixgb_ = named(new QLabel(QStringLiteral("0"), counters), "LabNbFixgb");
    labNbFixgb_->setGeometry(200, 22, 40, 24);
    labNbFixgb_->hide();
}

void MainWindow::createButtons(QWidget* page) {
    struct Button {
        const char* name;
        const char* caption;
        const char* icon;
        QRect geometry;
    };
    const int half = (kColumnWidth - 6) / 2;
    const int right = kColumnLeft + kColumnWidth - half;
    const Button buttons[] = {
        {"bvoirbulletin", "Voir les grilles", "view", {kColumnLeft, 120, kColumnWidth, 32}},
        {"bimplistbull", "Liste des grilles", "list", {kColumnLeft, 156, kColumnWidth, 32}},
        {"bimpbull", "Imprimer les tickets", "print", {kColumnLeft, 192, kColumnWidth, 32}},
        {"bcomparer", "Comparer avec le tirage", "compare", {kColumnLeft, 228, kColumnWidth, 32}},
        {"bnaleat", "Numéros aléatoires", "random", {kColumnLeft, 272, half, 30}},
        {"beffacer", "Effacer la grille", "clear", {right, 272, half, 30}},
        {"bderniertirage", "Dernier tirage euromillion", "web", {kColumnLeft, 308, kColumnWidth, 28}},
        {"bquitter", "Quitter", "quit", {right, 370, half, 30}},
    };
    for (const Button& b : buttons) {
        auto* button = named(new QPushButton(QString::fromUtf8(b.caption), page), b.name);
        button->setIcon(QIcon(loadButtonIcon(b.icon)));
        button->setGeometry(b.geometry);
    }
}

void MainWindow::connectHandlers() {
    for (int n = 1; n <= kBoxCount; ++n) {
        connect(boxes_[n], &NumberBox::clicked, this, &MainWindow::casecoch);
        // Boxes 51..59 only answer the click: grid B numbers cannot be fixed.
        if (n <= kGridACount) connect(boxes_[n], &NumberBox::mouseDown, this, &MainWindow::clickdroit);
    }
    const auto button = [this](const char* name) { return findChild<QAbstractButton*>(QLatin1String(name)); };
    const auto action = [this](const char* name) { return findChild<QAction*>(QLatin1String(name)); };
    const auto onClick = [&](const char* name, void (MainWindow::*handler)()) {
        connect(button(name), &QAbstractButton::clicked, this, handler);
    };
    const auto onMenu = [&](const char* name, void (MainWindow::*handler)()) {
        connect(action(name), &QAction::triggered, this, handler);
    };
    const auto call = [](const std::function<void()>& hook) {
        if (hook) hook();
    };

    onClick("bvoirbulletin", &MainWindow::bvoirbulletinClick);
    onMenu("mVoirlesbulletins1", &MainWindow::bvoirbulletinClick);
    onClick("bimplistbull", &MainWindow::bimplistbullClick);
    onMenu("mVoirlalistedesbulletins1", &MainWindow::bimplistbullClick);
    onClick("bimpbull", &MainWindow::bimpbullClick);
    onMenu("Imprimerlesbulletins1", &MainWindow::bimpbullClick);
    onClick("bcomparer", &MainWindow::bcomparerClick);
    onMenu("mCompareraveclesrsultats1", &MainWindow::bcomparerClick);
    onClick("bnaleat", &MainWindow::aleaclick);
    onClick("beffacer", &MainWindow::beffacerClick);
    onClick("spinfosysteme", &MainWindow::spinfosystemeClick);
    onMenu("Paramtres1", &MainWindow::Paramtres1Click);
    onMenu("EnregistrerBulletin1", &MainWindow::EnregistrerBulletin1Click);
    onMenu("Chargerbulletin1", &MainWindow::Chargerbulletin1Click);
    connect(button("bquitter"), &QAbstractButton::clicked, this, &QWidget::close);
    connect(action("mQuitter1"), &QAction::triggered, this, &QWidget::close);

    connect(button("SpeedButton2"), &QAbstractButton::clicked, this, [this, call] { call(windows_.aboutBox); });
    connect(action("Infos1"), &QAction::triggered, this, [this, call] { call(windows_.aboutBox); });
    connect(button("boutaide"), &QAbstractButton::clicked, this, [this, call] { call(windows_.help); });
    connect(action("Aideenligne1"), &QAction::triggered, this, [this, call] { call(windows_.help); });
    connect(button("bderniertirage"), &QAbstractButton::clicked, this, [this, call] { call(windows_.resultsPage); });
}

QPixmap MainWindow::ticketPicture(TicketPicture picture) {
    QLabel* holder = pictureHolders_[static_cast<int>(picture)];
    if (!holder->property("read").toBool()) {
        holder->setPixmap(loadTicketPicture(picture));
        holder->setProperty("read", true);
    }
    return holder->pixmap();
}

QString MainWindow::text(int message) const { return QString::fromStdString(state_.message(message)); }

QPixmap MainWindow::boxPixmap(std::int32_t numberState) const {
    switch (boxPicture(numberState)) {
        case BoxPicture::Ticked: return imagecochee_->pixmap();
        case BoxPicture::Fixed: return imagefixe_->pixmap();
        case BoxPicture::Empty: break;
    }
    return imagevide_->pixmap();
}

void MainWindow::redrawBoxes() {
    for (int n = 1; n <= kBoxCount; ++n) boxes_[n]->setPixmap(boxPixmap(state_.selection[n]));
}

void MainWindow::refreshCounters() {
    const Counters c = counters(state_.selection);
    nbcoch_->setNum(c.ticked);
    labnbFix_->setNum(c.fixed);
    labNbFixgb_->setNum(c.gridBFixed);
}

}  // namespace norvex5
