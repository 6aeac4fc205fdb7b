#include "windows/mainwindow/savedgamedialogs.h"

#include <QFileInfo>

#include "localisation/messagenumbers.h"
#include "windows/common/filepaths.h"
#include "windows/common/platform.h"

namespace norvex5 {

namespace {

QString text(const MessageLookup& message, int number) { return QString::fromStdString(message(number)); }

Platform::FileDialog gameDialog(const QString& title) {
    Platform::FileDialog dialog;
    dialog.title = title;
    dialog.filter = QStringLiteral("Norvex5 (*.nv5)");
    dialog.defaultSuffix = QStringLiteral("nv5");
    dialog.pathMustExist = true;
    dialog.overwritePrompt = false;  // we ask ourselves, in the player's language
    return dialog;
}

}  // namespace

void saveGameThroughDialog(Platform& platform, const MessageLookup& message, const SavedGameRecord& record) {
    const QString file = platform.saveFileName(gameDialog(text(message, kMessageSaveTitle)));
    if (file.isEmpty()) return;
    if (QFileInfo::exists(file) &&
        platform.message(text(message, kMessageContinue), text(message, kMessageFileExists), Platform::Buttons::YesNo,
                         Platform::Icon::Question) != Platform::Answer::Yes)
        return;
    if (!saveSavedGame(toPath(file), record))
        platform.message(text(message, kMessageProblem), text(message, kMessageCancelled), Platform::Buttons::Ok,
                         Platform::Icon::Warning, true);
}

std::optional<SavedGameLoadResult> loadGameThroughDialog(Platform& platform, const MessageLookup& message) {
    Platform::FileDialog dialog = gameDialog(text(message, kMessageLoadTitle));
    dialog.fileMustExist = true;
    dialog.initialName = QStringLiteral("*.nv5");
    const QString file = platform.openFileName(dialog);
    if (file.isEmpty()) return std::nullopt;

    SavedGameLoadResult loaded = loadSavedGame(toPath(file));
    int refusal = 0;
    switch (loaded.outcome) {
        case SavedGameLoad::Missing: refusal = kMessageNoSuchFile; break;
        case SavedGameLoad::Unreadable: refusal = kMessageReadError; break;
        case SavedGameLoad::BadSignature: refusal = kMessageNotAGame; break;
        case SavedGameLoad::Loaded: break;
    }
    if (refusal != 0)
        platform.message(text(message, refusal), text(message, kMessageProblemTitle), Platform::Buttons::Ok,
                         Platform::Icon::Warning);
    return loaded;
}

}  // namespace norvex5
