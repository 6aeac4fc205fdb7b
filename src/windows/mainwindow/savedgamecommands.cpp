// Saving the ticked numbers and the chosen wheel to a .nv5 file, and loading them back.

#include <QComboBox>
#include <QFileInfo>

#include "core/appstate.h"
#include "persistence/savedgame.h"
#include "windows/common/platform.h"
#include "windows/mainwindow/mainwindow.h"

namespace norvex5 {

namespace {

constexpr int kMessageProblem = 46;
constexpr int kMessageSaveTitle = 75;
constexpr int kMessageContinue = 76;
constexpr int kMessageFileExists = 77;
constexpr int kMessageLoadTitle = 78;
constexpr int kMessageNotAGame = 79;
constexpr int kMessageProblemTitle = 80;
constexpr int kMessageReadError = 82;
constexpr int kMessageNoSuchFile = 83;
constexpr int kMessageCancelled = 114;

Platform::FileDialog gameDialog(const QString& title) {
    Platform::FileDialog dialog;
    dialog.title = title;
    dialog.filter = QStringLiteral("Norvex5 (*.nv5)");
    dialog.defaultSuffix = QStringLiteral("nv5");
    dialog.pathMustExist = true;
    dialog.overwritePrompt = false;  // we ask ourselves, in the player's language
    return dialog;
}

std::filesystem::path toPath(const QString& file) { return std::filesystem::path(file.toStdString()); }

}  // namespace

void MainWindow::EnregistrerBulletin1Click() {
    const QString file = platform_.saveFileName(gameDialog(text(kMessageSaveTitle)));
    if (file.isEmpty()) return;
    if (QFileInfo::exists(file) &&
        platform_.message(text(kMessageContinue), text(kMessageFileExists), Platform::Buttons::YesNo,
                          Platform::Icon::Question) != Platform::Answer::Yes)
        return;

    SavedGameRecord record;
    record.wheelListIndex = wheelList_->currentIndex();
    for (int n = 1; n <= kSavedNumberCount; ++n) record.states[n] = state_.selection[n];
    record.reserved = state_.savedGameReserved;
    if (!saveSavedGame(toPath(file), record))
        platform_.message(text(kMessageProblem), text(kMessageCancelled), Platform::Buttons::Ok,
                          Platform::Icon::Warning, true);
}

void MainWindow::Chargerbulletin1Click() {
    Platform::FileDialog dialog = gameDialog(text(kMessageLoadTitle));
    dialog.fileMustExist = true;
    dialog.initialName = QStringLiteral("*.nv5");
    const QString file = platform_.openFileName(dialog);
    if (file.isEmpty()) return;

    const SavedGameLoadResult loaded = loadSavedGame(toPath(file));
    if (loaded.reservedRead) state_.savedGameReserved = loaded.reserved;
    int refusal = 0;
    switch (loaded.outcome) {
        case SavedGameLoad::Missing: refusal = kMessageNoSuchFile; break;
        case SavedGameLoad::Unreadable: refusal = kMessageReadError; break;
        case SavedGameLoad::BadSignature: refusal = kMessageNotAGame; break;
        case SavedGameLoad::Loaded: break;
    }
    if (refusal != 0) {
        platform_.message(text(refusal), text(kMessageProblemTitle), Platform::Buttons::Ok, Platform::Icon::Warning);
        return;
    }

    // An index the list does not have would leave no wheel chosen at all; the list keeps its
    // choice instead.
    const int index = loaded.record.wheelListIndex;
    if (index >= 0 && index < wheelList_->count()) wheelList_->setCurrentIndex(index);
    for (int n = 1; n <= kSavedNumberCount; ++n) state_.selection[n] = loaded.record.states[n];
    redrawBoxes();
    refreshCounters();
}

}  // namespace norvex5
