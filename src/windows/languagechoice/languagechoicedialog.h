#pragma once
// LanguageChoiceDialog (objectName Form10): the language asked for on the first run, before any
// text of the program has been read in a language of the player's. Its title and note are in
// French and English at once; the language buttons name themselves. Whatever button is checked
// when the window closes, by OK or otherwise, becomes the program's language.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace norvex5 {

struct AppState;
class Platform;
class LanguageGroup;

class LanguageChoiceDialog : public QDialog {
    Q_OBJECT

public:
    LanguageChoiceDialog(AppState& state, Platform& platform, QWidget* parent = nullptr);

    // Shows the window modally with the current language checked; returns when it closes, the
    // choice made the current language.
    void openModal();
    void prepare();

    void done(int result) override;

private:
    void buildControls();
    void connectHandlers();

    AppState& state_;
    Platform& platform_;
    LanguageGroup* languages_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace norvex5
