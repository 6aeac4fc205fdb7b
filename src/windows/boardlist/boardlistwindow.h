#pragma once
// BoardListWindow (objectName Form5): every board of the chosen built-in wheel as one line, and
// the place to print that list, export it to a text file or open the ticket printing dialog.
//
// How it connects:
//  - The main window checks the selection before it opens this window; the list is filled each
//    time the window is shown, from the boards the expansion builds of the chosen wheel over the
//    ticked numbers (through a BoardListSource, the window's one door to the list engines).
//  - The lines live in a LineListModel: one text buffer, a row made into text only when the view
//    paints it, so a list of any length costs its bytes and not a widget per line.
//  - Filling, printing and exporting run as a LongPass: the window stays alive, a progress
//    dialog with Cancel comes up when a pass takes a while, the buttons wait, and closing the
//    window stops the pass.
//  - The controls are built by BoardListControls (boardlistcontrols.h); this class gives them
//    their behaviour.
//  - The ticket printing dialog belongs to another window: the program hands in a function that
//    opens it.

#include <QDialog>
#include <cstdint>
#include <functional>
#include <span>

#include "windows/boardlist/boardlistcontrols.h"
#include "windows/boardlist/boardlistsource.h"
#include "windows/common/linelistmodel.h"
#include "windows/common/windowtexts.h"


namespace norvex5 {

class Texts;
struct CurrentGame;
class LongPass;
class Platform;

class BoardListWindow : public QDialog {
    Q_OBJECT

public:
    // The boards of the wheel chosen in the main window (CurrentGame::selectedWheel).
    BoardListWindow(const Texts& texts, CurrentGame& game, Platform& platform, QWidget* parent = nullptr);
    // Lists whatever `source` gives instead of the chosen wheel's boards.
    BoardListWindow(const Texts& texts, Platform& platform, BoardListSource source, QWidget* parent = nullptr);
    ~BoardListWindow() override;

    // Opens the ticket printing dialog (BitBtn2); empty: the button does nothing.
    void setTicketPrinting(std::function<void()> open) { openTicketPrinting_ = std::move(open); }

    const LineListModel& lines() const { return lines_; }
    bool passRunning() const { return pass_ != nullptr; }

    // What the player asks for.
    void fillList();
    void printList();
    void exportList();
    void printTickets();

    // The window's texts in the current language.
    void applyTexts();

    // Every way of closing the window ends here: a pass still running is stopped first.
    void done(int result) override;

signals:
    // A fill of the list has ended, whole or stopped.
    void listFilled();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void connectHandlers();
    // Runs `work` as a long pass over `total` boards with the buttons waiting; `work` hands the
    // pass's step to the engine it calls.
    void runPass(std::int64_t total, const std::function<void(LongPass& pass)>& work);
    void setButtonsEnabled(bool enabled);
    QString text(int message) const;

    const Texts& texts_;
    Platform& platform_;
    BoardListSource source_;
    std::function<void()> openTicketPrinting_;

    LineListModel lines_;
    BoardListControls controls_;

    LongPass* pass_ = nullptr;
};


}  // namespace norvex5
