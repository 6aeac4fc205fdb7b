#pragma once
// ParametersWindow (objectName Form9): the printer offsets in millimetres and the program's
// language. Opened modally from the main window's Options menu; OK writes both offsets and the
// language into the parameters, any other way out changes nothing. Beside the offsets, a test
// print puts the boxes of a chosen ticket model on plain paper with the offsets as typed, so the
// user can try values before keeping them. The main window compares the
// language before and after and rebuilds its own texts when it changed; the parameters reach
// their file when the program ends.

#include <QDialog>
#include <QLineEdit>
#include <optional>
#include <span>

#include "output/ticketprinting.h"
#include "windows/common/windowtexts.h"

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace norvex5 {

struct AppState;
class Platform;
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

class ParametersWindow : public QDialog {
    Q_OBJECT

public:
    ParametersWindow(AppState& state, Platform& platform, QWidget* parent = nullptr);

    // Shows the window modally over the current values and returns when it closes.
    void openModal();
    // What the window does as it comes up: the current offsets and language into the controls,
    // the language group hidden while a language file supplies the texts, the texts.
    void prepare();

    // The printer group keeps a free place at its right for a button that belongs to the offsets
    // (a calibration print); the button is added there, after the two fields.
    void placePrinterButton(QAbstractButton* button);
    QGroupBox* printerGroup() const { return printerGroup_; }

    // OK: both offsets and the language into the parameters, then close.
    void acceptParameters();
    // The calibration sheet of the chosen ticket model with the offsets as they stand in the
    // fields, on the printer or into a PDF file the user picks. Nothing is saved.
    void printTestPage();
    // The ticket model chosen for the test print; 0 when none.
    int testModel() const;

private:
    // The offsets as the fields hold them; nothing, after a message naming the field, when one
    // would put the ticket off the paper.
    std::optional<PrinterOffsets> offsetsOnThePaper();
    void buildControls();
    void connectHandlers();
    void applyTexts();
    QString text(int message) const;

    AppState& state_;
    Platform& platform_;
    QGroupBox* printerGroup_ = nullptr;
    QGridLayout* printerGrid_ = nullptr;
    QLabel* horizontalLabel_ = nullptr;
    QLabel* verticalLabel_ = nullptr;
    OffsetField* horizontalOffset_ = nullptr;
    OffsetField* verticalOffset_ = nullptr;
    LanguageGroup* languages_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QLabel* testModelLabel_ = nullptr;
    QComboBox* testModels_ = nullptr;
    QPushButton* testPrintButton_ = nullptr;
};

// The messages the parameters window's designed controls show, by objectName.
std::span<const WindowText> parametersTexts();

}  // namespace norvex5
