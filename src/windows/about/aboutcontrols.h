#pragma once
// The about box's controls with their designed objectNames, laid out in one column so that the
// longest disclaimer line of any language widens the box instead of being cut. AboutBox fills
// them; tests and tools find the same controls by objectName.

class QDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace norvex5 {

struct AboutControls {
    QLabel* icon = nullptr;            // ProgramIcon
    QLabel* productName = nullptr;     // ProductName
    QLabel* version = nullptr;         // lversion
    QLabel* hiddenLabel = nullptr;     // Label3, never shown
    QPlainTextEdit* disclaimer = nullptr;  // Memo1, one message a line
    QPushButton* okButton = nullptr;   // OKButton

    void build(QDialog& window);
};

}  // namespace norvex5
