#pragma once
// The parameters window's controls with their designed objectNames: the printer offsets and the
// test print in one group, the language buttons in another, OK under them, in rows and columns
// so that a longer language widens the window. ParametersWindow gives them their behaviour; the
// captions come from parametersTexts() and the program's own texts.

#include <QLineEdit>
#include <span>

#include "windows/common/windowtexts.h"

class QAbstractButton;
class QComboBox;
class QDialog;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;

namespace norvex5 {

class LanguageGroup;

// An offset field: five characters at most, and only digits and the two signs can be typed. Every
// other key that types a character is swallowed, Backspace included; Delete and the arrows still
// edit the text.
class OffsetField : public QLineEdit {
    Q_OBJECT

public:
    explicit OffsetField(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

struct ParametersControls {
    QGroupBox* printerGroup = nullptr;  // GroupBox1
    QLabel* horizontalLabel = nullptr;
    OffsetField* horizontalOffset = nullptr;
    QLabel* verticalLabel = nullptr;
    OffsetField* verticalOffset = nullptr;
    QLabel* testModelLabel = nullptr;
    QComboBox* testModels = nullptr;
    QPushButton* testPrint = nullptr;
    LanguageGroup* languages = nullptr;
    QPushButton* ok = nullptr;

    void build(QDialog& window);
    // Puts `button` in the place the printer group keeps at its right, beside the two offsets.
    void placePrinterButton(QAbstractButton* button);

private:
    QGridLayout* printerGrid_ = nullptr;
};

// Which control of the window takes which message.
std::span<const WindowText> parametersTexts();

}  // namespace norvex5
