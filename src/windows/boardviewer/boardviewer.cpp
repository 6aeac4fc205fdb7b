#include "windows/boardviewer/boardviewer.h"
#include "windows/common/named.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/appstate.h"
#include "core/expansion.h"
#include "core/wheelcatalogue.h"
#include "localisation/messagenumbers.h"
#include "windows/common/gradientbackground.h"
#include "windows/common/pictures.h"
#include "windows/common/platform.h"
#include "windows/common/windowtexts.h"
#include "windows/ticket/numberbox.h"

namespace norvex5 {

namespace {

constexpr auto kCaption = WindowText::Field::Caption;
constexpr auto kHint = WindowText::Field::Hint;

constexpr WindowText kViewerTexts[] = {
    {"GroupBox2", kCaption, kMessageSelectedWheel},  {"ltitre", kCaption, kMessageBoardWord},
    {"bRetour", kCaption, kMessageReturn},           {"boutsuivant", kHint, kMessageNextBoard},
    {"boutprecedent", kHint, kMessagePreviousBoard},
};

// The ticket panel of the main window: room for the widest picture and the lowest box.
constexpr QSize kTicketSize(374, 288);

}  // namespace

BoardViewer::BoardViewer(AppState& state, Platform& platform, TicketPanel::PictureSource ticketPictures,
                         QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Grilles à jouer"));
    // Fixed single border: nothing to resize, maximise or ask help of.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    // The boxes sit on pixel positions of the pictures, as on the main window.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    setFont(font);

    emptyBox_ = loadBoxPicture(BoxPictureKind::Empty);
    tickedBox_ = loadBoxPicture(BoxPictureKind::Ticked);
    buildControls(std::move(ticketPictures));
    connectHandlers();
}

BoardViewer::~BoardViewer() = default;

void BoardViewer::buildControls(TicketPanel::PictureSource ticketPictures) {
    GradientBackground::placeBehind(this);

    auto* wheelGroup = named(new QGroupBox(QStringLiteral("Système sélectionné"), this), "GroupBox2");
    wheelTitle_ = named(new QLabel(wheelGroup), "ltitmet");
    QFont titleFont(QStringLiteral("Times New Roman"));
    titleFont.setStyleHint(QFont::Serif);
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    wheelTitle_->setFont(titleFont);
    QPalette blue = wheelTitle_->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    wheelTitle_->setPalette(blue);
    // The title's blanks line its numbers up; they stay as they are.
    wheelTitle_->setTextFormat(Qt::PlainText);
    wheelTitle_->setMinimumHeight(22);
    auto* wheelLayout = new QHBoxLayout(wheelGroup);
    wheelLayout->setContentsMargins(10, 4, 10, 6);
    wheelLayout->addWidget(wheelTitle_);

    ticket_ = new TicketPanel(TicketOwner::BoardViewer, kGridACount, std::move(ticketPictures), emptyBox_, this);
    ticket_->setFixedSize(kTicketSize);
    // The viewer's boxes only show the board: they take neither clicks nor the focus.
    for (int n = 1; n <= ticket_->boxCount(); ++n) {
        NumberBox* box = ticket_->box(n);
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        box->setFocusPolicy(Qt::NoFocus);
        box->unsetCursor();
    }

    previousButton_ = named(new QPushButton(this), "boutprecedent");
    previousButton_->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    nextButton_ = named(new QPushButton(this), "boutsuivant");
    nextButton_->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    for (QPushButton* button : {previousButton_, nextButton_}) {
        button->setFixedSize(56, 36);
        button->setIconSize(QSize(24, 24));
        button->setAutoDefault(false);
    }
    previousButton_->setShortcut(QKeySequence(Qt::Key_PageUp));
    nextButton_->setShortcut(QKeySequence(Qt::Key_PageDown));

    auto* counter = named(new QFrame(this), "Panel1");
    counter->setFrameShape(QFrame::StyledPanel);
    counter->setFrameShadow(QFrame::Raised);
    QFont big = font();
    big.setBold(true);
    big.setPixelSize(16);
    auto* boardWord = named(new QLabel(QStringLiteral("Grille"), counter), "ltitre");
    boardNumber_ = named(new QLabel(counter), "lnubul");
    auto* slash = named(new QLabel(QStringLiteral("/"), counter), "Label2");
    boardCountLabel_ = named(new QLabel(counter), "Lnumax");
    auto* counterLayout = new QHBoxLayout(counter);
    counterLayout->setContentsMargins(10, 4, 10, 4);
    counterLayout->addStretch();
    for (QLabel* label : {boardWord, boardNumber_, slash, boardCountLabel_}) {
        label->setFont(big);
        counterLayout->addWidget(label);
    }
    counterLayout->addStretch();

    returnButton_ = named(new QPushButton(QStringLiteral("Retour"), this), "bRetour");
    returnButton_->setIcon(QIcon(loadButtonIcon("quit")));
    returnButton_->setMinimumSize(120, 32);
    returnButton_->setAutoDefault(false);

    auto* steps = new QHBoxLayout;
    steps->addWidget(previousButton_);
    steps->addWidget(counter, 1);
    steps->addWidget(nextButton_);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(returnButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(wheelGroup);
    layout->addWidget(ticket_);
    layout->addLayout(steps);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void BoardViewer::connectHandlers() {
    connect(nextButton_, &QPushButton::clicked, this, &BoardViewer::showNextBoard);
    connect(previousButton_, &QPushButton::clicked, this, &BoardViewer::showPreviousBoard);
    connect(returnButton_, &QPushButton::clicked, this, &QDialog::accept);
}

// --- Showing ------------------------------------------------------------------------------------

void BoardViewer::showEvent(QShowEvent* event) {
    layoutFailureReported_ = false;
    applyTexts();
    layOutTicket();
    showFirstBoard();
    QDialog::showEvent(event);
}

void BoardViewer::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        applyTexts();
        layOutTicket();
    }
}

void BoardViewer::applyTexts() {
    setWindowTitle(QString::fromStdString(state_.message(kMessageBoardsToPlay)));
    applyWindowTexts(*this, kViewerTexts, state_.messageLookup());
}

void BoardViewer::layOutTicket() {
    try {
        ticket_->layOut(state_.parameters.gameType, state_.parameters.highestNumber);
    } catch (const std::exception&) {
        if (layoutFailureReported_) return;
        layoutFailureReported_ = true;
        platform_.message(QStringLiteral("erreur positionnecase"), QStringLiteral("Norvex5"), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
    }
}

// --- The boards ---------------------------------------------------------------------------------

int BoardViewer::currentBoard() const { return state_.expansion.currentBoard; }
int BoardViewer::boardCount() const { return state_.expansion.boardCount; }

void BoardViewer::showFirstBoard() {
    const int wheel = state_.selectedWheel;
    // A wheel outside the catalogue leaves a board count of 0: nothing to build or step through.
    startExpansion(state_.expansion, state_.selection, wheel);
    if (boardCount() <= 0) {
        showNoBoard();
        return;
    }
    wheelTitle_->setText(QString::fromStdString(wheelTitle(wheel, false, state_.messageLookup())));
    boardCountLabel_->setNum(boardCount());
    showBoard(1);
}

void BoardViewer::showNextBoard() {
    if (currentBoard() < boardCount()) showBoard(currentBoard() + 1);
}

void BoardViewer::showPreviousBoard() {
    if (currentBoard() >= 2 && boardCount() > 0) showBoard(currentBoard() - 1);
}

void BoardViewer::showBoard(int board) {
    if (!buildBoard(state_.expansion, state_.boardMask, board)) return;
    state_.expansion.currentBoard = board;
    boardNumber_->setNum(board);
    refreshBoxes();
}

void BoardViewer::showNoBoard() {
    // Nothing of an earlier showing may stay behind and pass for the board of this one.
    wheelTitle_->clear();
    boardNumber_->clear();
    boardCountLabel_->clear();
    for (int n = 1; n <= ticket_->boxCount(); ++n) ticket_->box(n)->setPixmap(emptyBox_);
}

void BoardViewer::refreshBoxes() {
    for (int n = 1; n <= ticket_->boxCount(); ++n)
        ticket_->box(n)->setPixmap(state_.boardMask[n] == 1 ? tickedBox_ : emptyBox_);
}

}  // namespace norvex5
