#pragma once
// The first-run language window's controls with their designed objectNames, in one column: the
// language buttons, the note and OK. LanguageChoiceDialog fills and reads them; tests find the
// same controls by objectName.

class QDialog;
class QPlainTextEdit;
class QPushButton;

namespace norvex5 {

class LanguageGroup;

struct LanguageChoiceControls {
    LanguageGroup* languages = nullptr;  // glangue, its buttons lfrancais ... lallemand
    QPlainTextEdit* note = nullptr;      // Memo1
    QPushButton* okButton = nullptr;     // bok

    void build(QDialog& window);
};

}  // namespace norvex5
