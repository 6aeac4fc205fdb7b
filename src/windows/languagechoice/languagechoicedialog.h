#pragma once
// LanguageChoiceDialog (objectName Form10): the language asked for on the first run, before any
// text of the program has been read in a language of the player's. Its title and note are in
// French and English at once; the language buttons name themselves. Whatever button is checked
// when the window closes, by OK or otherwise, is the choice.

#include <QDialog>

#include "localisation/messagetable.h"
#include "windows/languagechoice/languagechoicecontrols.h"

namespace norvex5 {

class LanguageChoiceDialog : public QDialog {
    Q_OBJECT

public:
    explicit LanguageChoiceDialog(QWidget* parent = nullptr);

    // Shows the window modally with `current` checked and returns the language checked when it
    // closes.
    LanguageCode choose(LanguageCode current);
    void prepare(LanguageCode current);

private:
    void connectHandlers();

    LanguageChoiceControls controls_;
};

}  // namespace norvex5
