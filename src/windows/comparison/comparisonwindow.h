#pragma once
// ComparisonWindow (objectName Form8): the player types the five numbers of a draw and sees, for
// every board he plays, its numbers and how many of them were drawn, then how many boards hit 5,
// 4, 3 and 2 numbers.
//
// How the pieces connect:
//  - Two openers, two modes. The main window's compare command checks the ticked numbers and
//    calls openInternal(): the boards are those of the wheel chosen in the main window's list
//    (CurrentGame::selectedWheel) over the ticked numbers. The external wheels tab calls
//    openExternal() with the file, separator, lines to skip and the replacement map. Both only
//    set what the window holds and show it modally.
//  - The boards are scored by the comparison model (comparison/comparison.h); the window reads
//    the draw boxes, lets the model push one line per board into a LineListModel and shows the
//    counts. The engine is called in two functions only, compareInternalWheel() and
//    compareExternalWheel().
//  - A comparison runs as a LongPass: the window keeps repainting, a progress dialog with Cancel
//    appears after half a second, and closing the window stops it.
//  - The draw entered is kept in the draw history (ComparisonHistory) and offered again the
//    next time the window opens.

#include <QDialog>
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "comparison/comparison.h"
#include "externalwheels/externalwheel.h"
#include "windows/comparison/comparisoncontrols.h"

namespace norvex5 {

class Texts;
struct Settings;
struct CurrentGame;
class ComparisonHistory;
class DrawHistory;
class LongPass;
class Platform;

class ComparisonWindow : public QDialog {
    Q_OBJECT

public:
    ComparisonWindow(const Texts& texts, const Settings& settings, CurrentGame& game, Platform& platform,
                     QWidget* parent = nullptr);
    ~ComparisonWindow() override;

    // What the openers call: set the mode, then show the window modally until it closes. A wheel
    // chosen outside the catalogue gives an empty comparison.
    void openInternal();
    // `progress`, when given, hears every so often how many boards of the file were compared, and
    // once more at the end (the external wheels tab numbers its grid's rows with it).
    using BoardProgress = std::function<void(std::int64_t boards)>;
    void openExternal(const ExternalWheel& wheel, BoardProgress progress = {});

    // The same settings without opening, for a caller that shows the window itself.
    void setInternalMode();
    void setExternalMode(const ExternalWheel& wheel, BoardProgress progress = {});
    ComparisonMode mode() const { return mode_; }
    const ExternalWheel& externalWheel() const { return externalWheel_; }

    const ComparisonControls& controls() const { return controls_; }
    // Lets the draw be taken from the history and saved into it.
    void setDrawHistory(DrawHistory& history);
    bool comparing() const { return pass_ != nullptr; }
    // The longest the window went without processing its events in the last comparison.
    std::chrono::milliseconds longestEventGap() const { return longestEventGap_; }

    // The handlers, as the player reaches them.
    void compareWithDraw();
    void applyTexts();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void done(int result) override;

private:
    void connectHandlers();
    void prepareForShowing();
    void rememberDraw();
    DrawTexts drawTexts() const;
    void clearSummary();
    void showSummary(const MatchCounts& counts);

    // Names the first box holding a number the game has not; true when one does.
    bool refuseNumberOutsideGame(const DrawTexts& texts);
    void compareInternalWheel(const DrawTexts& texts);
    void compareExternalWheel(const DrawTexts& texts);
    // Runs `compare` as a long pass that lists every line it forms; `total` boards when known.
    ComparisonResult listBoards(std::int64_t total,
                                const std::function<ComparisonResult(const ComparisonSink&)>& compare);

    const Texts& texts_;
    const Settings& settings_;
    CurrentGame& game_;
    Platform& platform_;
    ComparisonControls controls_;

    // The draw last entered, kept for the run: the list position of the entry each box showed, -1
    // for none; all the first entry at start.
    std::array<std::int32_t, kDrawBoxCount> rememberedDraw_{};

    ComparisonMode mode_ = ComparisonMode::NotSet;
    ExternalWheel externalWheel_;
    BoardProgress externalProgress_;

    std::unique_ptr<ComparisonHistory> history_;
    LongPass* pass_ = nullptr;
    std::chrono::milliseconds longestEventGap_{0};
};

}  // namespace norvex5
