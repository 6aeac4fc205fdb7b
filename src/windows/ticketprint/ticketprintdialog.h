#pragma once
// TicketPrintDialog (objectName Form7): prints the boards of the selected built-in wheel onto
// paper tickets. The user picks the ticket model, the boards (first to last), all tickets in one
// go or one at a time, board numbers, and whether and how a bonus number is marked; "Print"
// checks the range and runs the ticket printer; "Print preview" shows the same pages first.
//
// How the pieces connect:
//  - The controls are built by TicketPrintControls (ticketprintcontrols.h); this class gives
//    them their behaviour, wired in connectHandlers().
//  - The program opens the dialog with openFor(wheel), the wheel the main window's list shows
//    (MainWindow::selectedWheelNumber()); the main window has prepared the number list.
//  - Printing and the preview both go through runTickets(), the one call into the ticket
//    printer (output/ticketprinting.h): printing on a PrinterSurface over the QPrinter the
//    desktop pointed at a printer or a PDF file, the preview on one over the preview's QPrinter
//    with the boxes outlined (output/ticketoutlines.h).
//  - The chosen model is remembered in the parameters whenever the dialog closes.

#include <QDialog>
#include <cstdint>
#include <optional>

#include "output/ticketprinting.h"
#include "windows/ticketprint/ticketprintcontrols.h"

class QPrinter;

namespace norvex5 {

class Texts;
struct Settings;
struct CurrentGame;
class LongPass;
class Platform;

class TicketPrintDialog : public QDialog {
    Q_OBJECT

public:
    TicketPrintDialog(const Texts& texts, Settings& settings, CurrentGame& game, Platform& platform,
                      QWidget* parent = nullptr);
    ~TicketPrintDialog() override;

    // Shows the dialog modally for the boards of built-in wheel `wheel`. A wheel outside 1..8
    // (no entry chosen in the wheel list) opens nothing and returns Rejected.
    int openFor(int wheel);
    // The wheel whose boards the dialog prints; false, and no wheel, for one outside 1..8.
    bool setWheel(int wheel);
    int wheel() const { return wheel_; }

    const TicketPrintControls& controls() const { return controls_; }
    // True while a run goes to the printer.
    bool printing() const { return pass_ != nullptr; }

    // The handlers, as the user reaches them.
    void refreshBonusControls();
    void switchBonus(bool on);
    void checkBonusNumber();
    void printTickets();
    void previewTickets();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    void applyTexts();
    void nameBonusRun();
    void fillModelList();
    void resetBoardRange();
    int selectedModel() const;
    int boardCount() const;
    // The request the controls describe; nothing with no model chosen, and nothing after the
    // warning when the board range does not fit the wheel.
    std::optional<InternalTicketRequest> checkedRequest();
    PrintResult runTickets(PrintSurface& surface, const InternalTicketRequest& request, const TicketHooks& hooks);
    void paintPreview(QPrinter& printer, const InternalTicketRequest& request);
    void setButtonsEnabled(bool enabled);
    QString text(int message) const;
    QString documentName() const;

    const Texts& texts_;
    Settings& settings_;
    CurrentGame& game_;
    Platform& platform_;
    TicketPrintControls controls_;
    int wheel_ = 0;
    // Drawn once per opening, so the preview shows the random bonus numbers the print will use.
    std::uint32_t bonusSeed_ = 0;
    LongPass* pass_ = nullptr;
};

}  // namespace norvex5
