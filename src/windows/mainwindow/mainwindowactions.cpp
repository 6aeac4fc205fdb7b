// What the main window does when the player ticks a box, picks a game type, asks for random
// numbers, clears the ticket or starts an output.

#include <QComboBox>
#include <QLabel>

#include "core/appstate.h"
#include "core/expansion.h"
#include "core/gametype.h"
#include "core/randompick.h"
#include "core/wheelcatalogue.h"
#include "windows/common/platform.h"
#include "windows/common/qttranslations.h"
#include "windows/mainwindow/mainwindow.h"
#include "windows/ticket/numberbox.h"

namespace norvex5 {

namespace {
constexpr int kMessageIncorrectSelection = 109;
constexpr int kMessageProblem = 46;
}  // namespace

void MainWindow::casecoch(int n) {
    if (n < 1 || n > kBoxCount) return;
    toggleSelected(state_.selection, n);
    boxes_[n]->setPixmap(boxPixmap(state_.selection[n]));
    refreshCounters();
}

void MainWindow::clickdroit(int n, Qt::MouseButton button) {
    if (button == Qt::RightButton && n >= 1 && n <= kGridACount) {
        toggleFixed(state_.selection, n);
        boxes_[n]->setPixmap(boxPixmap(state_.selection[n]));
    }
    refreshCounters();
}

void MainWindow::selectGameType(int code) {
    state_.parameters.gameType = code;
    if (const auto highest = highestNumberSetBy(code)) state_.parameters.highestNumber = *highest;
    positionnecase(1);
}

void MainWindow::positionnecase(int target) {
    const TicketOwner which = target == 1 ? TicketOwner::MainWindow : TicketOwner::BoardViewer;
    if (target != 1 && target != 2) return;
    const GridPanel& grid = target == 1 ? grid_ : viewerGrid_;
    if (grid.panel == nullptr) return;  // no viewer yet
    const auto layout = boxPositions(state_.parameters.gameType, which);
    if (!layout) return;
    try {
        layOutGrid(grid, *layout, ticketPicture(layout->picture), state_.parameters.highestNumber);
    } catch (const std::exception&) {
        platform_.message(QStringLiteral("erreur positionnecase"), QStringLiteral("Norvex5"), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
    }
}

void MainWindow::aleaclick() {
    const WheelRecord* wheel = wheelRecord(selectedWheelNumber());
    const int n = wheel != nullptr ? wheel->numberCount : 0;
    if (n <= 0) return;
    randomPick(state_.selection, n, state_.parameters.highestNumber);
    redrawBoxes();
    refreshCounters();
}

void MainWindow::beffacerClick() {
    clearAll(state_.selection);
    redrawBoxes();
    refreshCounters();
}

bool MainWindow::prepareOutput() {
    if (!selectionFitsWheel(state_.selection, selectedWheelNumber())) {
        platform_.message(text(kMessageIncorrectSelection), text(kMessageProblem), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
        return false;
    }
    prepareNumberList(state_.expansion, state_.selection);
    refreshCounters();
    return true;
}

void MainWindow::runOutput(const std::function<void()>& window) {
    if (prepareOutput() && window) window();
}

void MainWindow::bvoirbulletinClick() { runOutput(windows_.boardViewer); }
void MainWindow::bimplistbullClick() { runOutput(windows_.boardList); }
void MainWindow::bimpbullClick() { runOutput(windows_.ticketPrinting); }
void MainWindow::bcomparerClick() { runOutput(windows_.internalComparison); }

void MainWindow::spinfosystemeClick() {
    if (windows_.wheelDescription) windows_.wheelDescription();
}

void MainWindow::Paramtres1Click() {
    const std::int32_t language = state_.parameters.language;
    if (windows_.parametersWindow) windows_.parametersWindow();
    // The wheel titles are in the language too; rebuilding the list selects its first wheel.
    if (state_.parameters.language != language) {
        applyQtTranslations(state_.parameters.language);
        applyTexts();
        fillWheelList();
    }
}

}  // namespace norvex5
