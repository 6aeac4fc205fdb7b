#pragma once
// The texts of a window's controls in the current language. A window lists which control takes
// which message in a table keyed by the control's objectName, so that controls built later (the
// pages of a tab, say) get their texts the same way, and applies the table whenever the language
// may have changed.

#include <QStringList>
#include <span>

#include "localisation/messages.h"

class QObject;

namespace norvex5 {

struct WindowText {
    enum class Field { Caption, Hint };
    const char* control;  // objectName
    Field field;
    int message;
};

// Sets every row's text on the control of that name under `root`: the caption of an action, a
// menu, a button, a group box, a label or a tab page, or the hint of any of them. An empty
// message gives an empty text. Returns the names of the rows whose control was not found.
QStringList applyWindowTexts(QObject& root, std::span<const WindowText> rows, const MessageLookup& message);

// The caption with an Alt+letter mnemonic on its first letter that is not among `taken`, which
// then takes it too; a caption's own "&" stays a literal "&", and a mnemonic the caption already
// carried is dropped first, so the same caption can be marked again after a language change.
QString withMnemonic(const QString& caption, QString& taken);

}  // namespace norvex5
