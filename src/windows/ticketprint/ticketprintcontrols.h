#pragma once
// The ticket printing dialog's controls with their designed objectNames, laid out in rows and
// columns so that a longer language widens the dialog rather than cutting a caption, and the
// table of which control takes which message: no caption is written here. TicketPrintDialog gives them their behaviour through these typed
// pointers; tests find the same controls by objectName.

#include <QObject>
#include <span>

#include "windows/common/windowtexts.h"

class QCheckBox;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace norvex5 {

struct TicketPrintControls {
    QLabel* modelHeading = nullptr;
    QComboBox* modelList = nullptr;  // entries: name, 300 blanks, model number; sorted by name

    QGroupBox* boardRange = nullptr;
    QLabel* firstLabel = nullptr;
    QLineEdit* firstBoard = nullptr;
    QLabel* lastLabel = nullptr;
    QLineEdit* lastBoard = nullptr;

    QGroupBox* printingMode = nullptr;
    QRadioButton* allAtOnce = nullptr;
    QRadioButton* oneByOne = nullptr;

    QGroupBox* boardNumbersGroup = nullptr;
    QCheckBox* boardNumbers = nullptr;

    QCheckBox* bonusWanted = nullptr;
    QGroupBox* bonusModes = nullptr;
    QRadioButton* randomBonus = nullptr;
    QRadioButton* successiveBonus = nullptr;
    QRadioButton* fixedBonus = nullptr;
    QComboBox* bonusNumber = nullptr;  // editable

    QPushButton* preview = nullptr;
    QPushButton* back = nullptr;
    QPushButton* print = nullptr;

    void build(QDialog& dialog);
};

// The messages the designed controls show, by objectName.
std::span<const WindowText> ticketPrintTexts();

// Lets only the digits 0 to 9 through as typed characters: every other printable key and the
// Backspace key are swallowed. Keys that type nothing (arrows, Delete, Tab, Ctrl shortcuts) are
// left alone, and a paste is held to digits by the fields' validator.
class DigitKeysOnly : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace norvex5
