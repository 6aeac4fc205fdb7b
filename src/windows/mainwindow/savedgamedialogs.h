#pragma once
// Saving a game (the ticked numbers and the chosen wheel) to a .nv5 file and loading one back,
// through the desktop's file dialogs, with the questions and refusals the player sees.

#include <optional>

#include "localisation/messages.h"
#include "localisation/messagetable.h"
#include "persistence/savedgame.h"

namespace norvex5 {

class Platform;

// Asks for a file name, asks before replacing an existing file, writes the game. A failed write
// is reported with the file and why, in `language`; a cancelled dialog or a "No" does nothing.
void saveGameThroughDialog(Platform& platform, const MessageLookup& message, LanguageCode language,
                           const SavedGameRecord& record);

// Asks for a file and reads it. Nothing when the dialog was cancelled. A refused file has been
// reported to the player already; its result still carries the reserved field when one was read.
std::optional<SavedGameLoadResult> loadGameThroughDialog(Platform& platform, const MessageLookup& message);

}  // namespace norvex5
