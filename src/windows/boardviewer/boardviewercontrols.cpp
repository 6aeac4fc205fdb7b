#include "windows/boardviewer/boardviewercontrols.h"
#include "windows/common/named.h"

#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/selection.h"
#include "localisation/messagenumbers.h"
#include "windows/common/gradientbackground.h"
#include "windows/common/pictures.h"
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

std::span<const WindowText> boardViewerTexts() { return kViewerTexts; }

void BoardViewerControls::build(QDialog& window, TicketPictures& pictures) {
    GradientBackground::placeBehind(&window);

    auto* wheelGroup = named(new QGroupBox(&window), "GroupBox2");
    wheelTitle = named(new QLabel(wheelGroup), "ltitmet");
    QFont titleFont(QStringLiteral("Times New Roman"));
    titleFont.setStyleHint(QFont::Serif);
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    wheelTitle->setFont(titleFont);
    QPalette blue = wheelTitle->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    wheelTitle->setPalette(blue);
    // The title's blanks line its numbers up; they stay as they are.
    wheelTitle->setTextFormat(Qt::PlainText);
    wheelTitle->setMinimumHeight(22);
    auto* wheelLayout = new QHBoxLayout(wheelGroup);
    wheelLayout->setContentsMargins(10, 4, 10, 6);
    wheelLayout->addWidget(wheelTitle);

    ticket = new TicketPanel(TicketOwner::BoardViewer, kGridACount, pictures, &window);
    ticket->setFixedSize(kTicketSize);
    // The viewer's boxes only show the board: they take neither clicks nor the focus.
    for (int n = 1; n <= ticket->boxCount(); ++n) {
        NumberBox* box = ticket->box(n);
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        box->setFocusPolicy(Qt::NoFocus);
        box->unsetCursor();
    }

    previous = named(new QPushButton(&window), "boutprecedent");
    previous->setIcon(window.style()->standardIcon(QStyle::SP_ArrowLeft));
    next = named(new QPushButton(&window), "boutsuivant");
    next->setIcon(window.style()->standardIcon(QStyle::SP_ArrowRight));
    for (QPushButton* button : {previous, next}) {
        button->setFixedSize(56, 36);
        button->setIconSize(QSize(24, 24));
        button->setAutoDefault(false);
    }
    previous->setShortcut(QKeySequence(Qt::Key_PageUp));
    next->setShortcut(QKeySequence(Qt::Key_PageDown));

    auto* counter = named(new QFrame(&window), "Panel1");
    counter->setFrameShape(QFrame::StyledPanel);
    counter->setFrameShadow(QFrame::Raised);
    QFont big = window.font();
    big.setBold(true);
    big.setPixelSize(16);
    auto* boardWord = named(new QLabel(counter), "ltitre");
    boardNumber = named(new QLabel(counter), "lnubul");
    // The same sign in every language.
    auto* slash = named(new QLabel(QStringLiteral("/"), counter), "Label2");
    boardCount = named(new QLabel(counter), "Lnumax");
    auto* counterLayout = new QHBoxLayout(counter);
    counterLayout->setContentsMargins(10, 4, 10, 4);
    counterLayout->addStretch();
    for (QLabel* label : {boardWord, boardNumber, slash, boardCount}) {
        label->setFont(big);
        counterLayout->addWidget(label);
    }
    counterLayout->addStretch();

    back = named(new QPushButton(&window), "bRetour");
    back->setIcon(QIcon(loadButtonIcon("quit")));
    back->setMinimumSize(120, 32);
    back->setAutoDefault(false);

    auto* steps = new QHBoxLayout;
    steps->addWidget(previous);
    steps->addWidget(counter, 1);
    steps->addWidget(next);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(back);

    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(wheelGroup);
    layout->addWidget(ticket);
    layout->addLayout(steps);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace norvex5
