#include "windows/mainwindow/savedgamedialogs.h"

#include <QFileInfo>

#include "localisation/messagenumbers.h"
#include "localisation/programtexts.h"
#include "persistence/atomicfile.h"
#include "windows/common/filepaths.h"
#include "windows/common/platform.h"

namespace norvex5 {

namespace {

QString text(const MessageLookup& message, int number) { return QString::fromStdString(message(number)); }

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString whyNotWritten(std::error_code error, LanguageCode language) {
    switch (writeFailureOf(error)) {
        case WriteFailure::NotAllowed: return fromUtf8(programText(ProgramText::WriteNotAllowed, language));
        case WriteFailure::DiskFull: return fromUtf8(programText(ProgramText::WriteDiskFull, language));
        case WriteFailure::NoFolder: return fromUtf8(programText(ProgramText::WriteNoFolder, language));
        case WriteFailure::None:
        case WriteFailure::Other: break;
    }
    return fromUtf8(programText(ProgramText::WriteFailed, language)).arg(QString::fromLocal8Bit(error.message()));
}

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

void saveGameThroughDialog(Platform& platform, const MessageLookup& message, LanguageCode language,
                           const SavedGameRecord& record) {
    const QString file = platform.saveFileName(gameDialog(text(message, kMessageSaveTitle)));
    if (file.isEmpty()) return;
    if (QFileInfo::exists(file) &&
        platform.message(text(message, kMessageContinue), text(message, kMessageFileExists), Platform::Buttons::YesNo,
                         Platform::Icon::Question) != Platform::Answer::Yes)
        return;
    std::error_code error;
    if (!saveSavedGame(toPath(file), record, &error))
        platform.message(
            fromUtf8(programText(ProgramText::GameNotSaved, language)).arg(file, whyNotWritten(error, language)),
            text(message, kMessageCancelled), Platform::Buttons::Ok, Platform::Icon::Warning, true);
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
