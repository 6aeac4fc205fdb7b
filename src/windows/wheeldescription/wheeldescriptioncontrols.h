#pragma once
// The wheel description window's controls with their designed objectNames, in one column whose
// width follows the longest sentence. WheelDescriptionWindow fills them; tests find the same
// controls by objectName.

class QDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace norvex5 {

struct WheelDescriptionControls {
    QLabel* title = nullptr;               // lablibsysteme, the wheel's title
    QPlainTextEdit* description = nullptr;  // mdescription, one sentence a line
    QPushButton* returnButton = nullptr;   // bretour

    void build(QDialog& window);
};

}  // namespace norvex5
