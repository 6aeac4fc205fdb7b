// What the main window does when the player ticks a box, picks a game type, asks for random
// numbers, clears the ticket or starts an output.

#include <QComboBox>
#include <QLabel>

#include "core/appstate.h"
#include "core/expansion.h"
#include "core/gametype.h"
#include "core/randompick.h"
#include "core/wheelcatalogue.h"
#include "mainwindow/numberbox.h"
#include "mainwindow/tform1.h"
#include "platform/platform.h"

namespace norvex5 {

namespace {
constexpr int kMessageIncorrectSelection = 109;
constexpr int kMessageProblem = 46;
}  // namespace

void TForm1::casecoch(int n) {
    if (n < 1 || n > kBoxCount) return;
    toggleSelected(state_.selection, n);
    boxes_[n]->setPixmap(boxPixmap(state_.selection[n]));
    refreshCounters();
}

void TForm1::clickdroit(int n, Qt::MouseButton button) {
    if (button == Qt::RightButton && n >= 1 && n <= kGridACount) {
        toggleFixed(state_.selection, n);
        boxes_[n]->setPixmap(boxPixmap(state_.selection[n]));
    }
    refreshCounters();
}

void TForm1::selectGameType(int code) {
    state_.parameters.gameType = code;
    if (const auto highest = highestNumberSetBy(code)) state_.parameters.highestNumber = *highest;
    positionnecase(1);
}

void TForm1::positionnecase(int target) {
    const GridTarget which = target == 1 ? GridTarget::MainWindow : GridTarget::BoardViewer;
    if (target != 1 && target != 2) return;
    const GridPanel& grid = target == 1 ? grid_ : viewerGrid_;
    if (grid.panel == nullptr) return;  // no viewer yet
    const auto layout = gridLayout(state_.parameters.gameType, which);
    if (!layout) return;
    try {
        layOutGrid(grid, *layout, ticketPicture(layout->picture), state_.parameters.highestNumber);
    } catch (const std::exception&) {
        platform_.message(QStringLiteral("erreur positionnecase"), QStringLiteral("Norvex5"), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
    }
}

void TForm1::aleaclick() {
    const WheelRecord* wheel = wheelRecord(selectedWheelNumber());
    const int n = wheel != nullptr ? wheel->numberCount : 0;
    if (n <= 0) return;
    randomPick(state_.selection, n, state_.parameters.highestNumber);
    redrawBoxes();
    refreshCounters();
}

void TForm1::beffacerClick() {
    clearAll(state_.selection);
    redrawBoxes();
    refreshCounters();
}

bool TForm1::prepareOutput() {
    if (!selectionFitsWheel(state_.selection, selectedWheelNumber())) {
        platform_.message(text(kMessageIncorrectSelection), text(kMessageProblem), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
        return false;
    }
    prepareNumberList(state_.expansion, state_.selection);
    refreshCounters();
    return true;
}

void TForm1::runOutput(const std::function<void()>& window) {
    if (prepareOutput() && window) window();
}

void TForm1::bvoirbulletinClick() { runOutput(windows_.boardViewer); }
void TForm1::bimplistbullClick() { runOutput(windows_.boardList); }
void TForm1::bimpbullClick() { runOutput(windows_.ticketPrinting); }
void TForm1::bcomparerClick() { runOutput(windows_.internalComparison); }

void TForm1::spinfosystemeClick() {
    if (windows_.wheelDescription) windows_.wheelDescription();
}

void TForm1::Paramtres1Click() {
    const std::int32_t language = state_.parameters.language;
    if (windows_.parametersWindow) windows_.parametersWindow();
    // The wheel titles are in the language too; rebuilding the list selects its first wheel.
    if (state_.parameters.language != language) {
        applyTexts();
        fillWheelList();
    }
}

}  // namespace norvex5
