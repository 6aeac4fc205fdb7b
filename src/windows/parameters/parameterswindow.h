#pragma once
// ParametersWindow (objectName Form9): the printer offsets in millimetres and the program's
// language. Opened modally from the main window's Options menu; OK writes both offsets and the
// language into the parameters, any other way out changes nothing. Beside the offsets, a test
// print puts the boxes of a chosen ticket model on plain paper with the offsets as typed, so the
// user can try values before keeping them. The main window compares the
// language before and after and rebuilds its own texts when it changed; the parameters reach
// their file when the program ends. The controls are built by ParametersControls
// (parameterscontrols.h); this class gives them their behaviour.

#include <QDialog>
#include <optional>
#include <span>

#include "output/ticketprinting.h"
#include "windows/parameters/parameterscontrols.h"

class QAbstractButton;
class QGroupBox;
class QPrinter;

namespace norvex5 {

class Texts;
struct Settings;
class Platform;

class ParametersWindow : public QDialog {
    Q_OBJECT

public:
    ParametersWindow(const Texts& texts, Settings& settings, Platform& platform, QWidget* parent = nullptr);

    // Shows the window modally over the current values and returns when it closes.
    void openModal();
    // What the window does as it comes up: the current offsets and language into the controls,
    // the language group hidden while a language file supplies the texts, the texts.
    void prepare();

    // The printer group keeps a free place at its right for a button that belongs to the offsets
    // (a calibration print); the button is added there, after the two fields.
    void placePrinterButton(QAbstractButton* button) { controls_.placePrinterButton(button); }
    QGroupBox* printerGroup() const { return controls_.printerGroup; }

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
    // Names the printer or the PDF file the test page did not reach, in the current language.
    void tellTestPageFailed(const QPrinter& printer);
    void connectHandlers();
    void applyTexts();
    QString text(int message) const;

    const Texts& texts_;
    Settings& settings_;
    Platform& platform_;
    ParametersControls controls_;
};

}  // namespace norvex5
