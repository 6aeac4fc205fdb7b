#include "windows/boardviewer/boardviewer.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "core/appstate.h"
#include "core/expansion.h"
#include "core/wheelcatalogue.h"
#include "localisation/messagenumbers.h"
#include "windows/common/pictures.h"
#include "windows/common/platform.h"
#include "windows/common/windowfont.h"
#include "windows/common/windowtexts.h"
#include "windows/ticket/numberbox.h"
#include "windows/ticket/ticketpictures.h"

namespace norvex5 {

BoardViewer::BoardViewer(const Texts& texts, const Settings& settings, CurrentGame& game, Platform& platform,
                         TicketPictures& pictures, QWidget* parent)
    : QDialog(parent), texts_(texts), settings_(settings), game_(game), platform_(platform), pictures_(pictures) {
    setObjectName(QStringLiteral("Form2"));
    // Fixed single border: nothing to resize, maximise or ask help of.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    // The boxes sit on pixel positions of the pictures, as on the main window.
    useProgramFont(*this);

    controls_.build(*this, pictures_);
    connectHandlers();
}

BoardViewer::~BoardViewer() = default;

void BoardViewer::connectHandlers() {
    connect(controls_.next, &QPushButton::clicked, this, &BoardViewer::showNextBoard);
    connect(controls_.previous, &QPushButton::clicked, this, &BoardViewer::showPreviousBoard);
    connect(controls_.back, &QPushButton::clicked, this, &QDialog::accept);
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
    setWindowTitle(QString::fromStdString(texts_.message(kMessageBoardsToPlay)));
    applyWindowTexts(*this, boardViewerTexts(), texts_.messageLookup());
}

void BoardViewer::layOutTicket() {
    try {
        controls_.ticket->layOut(settings_.parameters.gameType, settings_.parameters.highestNumber);
    } catch (const std::exception&) {
        if (layoutFailureReported_) return;
        layoutFailureReported_ = true;
        platform_.message(QStringLiteral("erreur positionnecase"), QStringLiteral("Norvex5"), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
    }
}

// --- The boards ---------------------------------------------------------------------------------

int BoardViewer::currentBoard() const { return game_.expansion.currentBoard; }
int BoardViewer::boardCount() const { return game_.expansion.boardCount; }

void BoardViewer::showFirstBoard() {
    const int wheel = game_.selectedWheel;
    // A wheel outside the catalogue leaves a board count of 0: nothing to build or step through.
    startExpansion(game_.expansion, game_.selection, wheel);
    if (boardCount() <= 0) {
        showNoBoard();
        return;
    }
    // A library wheel lies outside the built-in catalogue: its record is the one the expansion holds.
    const WheelRecord* record = wheelRecordOf(game_.expansion, wheel);
    controls_.wheelTitle->setText(
        record != nullptr ? QString::fromStdString(wheelTitle(*record, texts_.messageLookup())) : QString());
    controls_.boardCount->setNum(boardCount());
    showBoard(1);
}

void BoardViewer::showNextBoard() {
    if (currentBoard() < boardCount()) showBoard(currentBoard() + 1);
}

void BoardViewer::showPreviousBoard() {
    if (currentBoard() >= 2 && boardCount() > 0) showBoard(currentBoard() - 1);
}

void BoardViewer::showBoard(int board) {
    if (!buildBoard(game_.expansion, game_.boardMask, board)) return;
    game_.expansion.currentBoard = board;
    controls_.boardNumber->setNum(board);
    refreshBoxes();
}

void BoardViewer::showNoBoard() {
    // Nothing of an earlier showing may stay behind and pass for the board of this one.
    controls_.wheelTitle->clear();
    controls_.boardNumber->clear();
    controls_.boardCount->clear();
    const QPixmap empty = pictures_.box(BoxPicture::Empty);
    for (int n = 1; n <= controls_.ticket->boxCount(); ++n) controls_.ticket->box(n)->setPixmap(empty);
}

void BoardViewer::refreshBoxes() {
    for (int n = 1; n <= controls_.ticket->boxCount(); ++n)
        controls_.ticket->box(n)->setPixmap(
            pictures_.box(game_.boardMask[n] == 1 ? BoxPicture::Ticked : BoxPicture::Empty));
}

}  // namespace norvex5
