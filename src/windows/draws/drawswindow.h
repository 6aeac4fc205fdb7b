#pragma once
// DrawsWindow (objectName FormTirages): the draw history of the game type shown in the main
// window. Three pages: the stored draws, newest first, with their count, a draw added by hand or
// deleted, and the import of an operator's file; how the numbers came out over the last draws;
// and a wheel tested against the stored draws (BacktestPage).
//
// How the pieces connect:
//  - The draws come from the one DrawHistory the program holds, opened the first time this
//    window (or another draws feature) needs it. A window over an unavailable history shows no
//    draw and refuses changes with the reason the history gave.
//  - The import runs in DrawImportDialog, built the first time it is asked for; a finished import
//    refreshes the pages.
//  - The boards tested come through hooks the program fills (the ticked numbers with the chosen
//    wheel, the external tab's wheel file as its replacement boxes play it): the window never
//    reaches into another window.

#include <QDialog>
#include <memory>
#include <vector>

#include "draws/drawfile.h"
#include "localisation/programtexts.h"
#include "windows/draws/backtestpage.h"
#include "windows/draws/drawswindowcontrols.h"

namespace norvex5 {

class Texts;
class DrawHistory;
class DrawImportDialog;
class Platform;

class DrawsWindow : public QDialog {
    Q_OBJECT

public:
    DrawsWindow(const Texts& texts, Platform& platform, DrawHistory& history, QWidget* parent = nullptr);
    ~DrawsWindow() override;

    const DrawsWindowControls& controls() const { return controls_; }
    BacktestHooks& backtestHooks() { return backtest_->hooks(); }
    // The import dialog; built on the first call.
    DrawImportDialog& importDialog();
    // The draws shown, newest first.
    const std::vector<draws::DrawRecord>& shownDraws() const { return draws_; }

    // Shows the window over the current game type's draws.
    void openWindow();
    // The same, then the import's file choice at once.
    void openImport();

    // The handlers, as the player reaches them.
    void importDraws();
    void addDraw();
    void deleteDraw();
    void showStatistics();
    void refreshDraws();
    void applyTexts();

protected:
    // Closing the window (not minimising it) stops a running back-test.
    void hideEvent(QHideEvent* event) override;

private:
    void connectHandlers();
    void showDrawLines();
    QString text(ProgramText which) const;

    const Texts& texts_;
    Platform& platform_;
    DrawHistory& history_;
    DrawsWindowControls controls_;
    std::unique_ptr<BacktestPage> backtest_;
    std::unique_ptr<DrawImportDialog> import_;
    std::vector<draws::DrawRecord> draws_;
};

}  // namespace norvex5
