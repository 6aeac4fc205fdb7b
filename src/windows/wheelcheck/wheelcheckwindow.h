#pragma once
// WheelCheckWindow (objectName FormVerif): what any wheel keeps and how it wins. The guarantee
// matrix (if m of the drawn are among the player's numbers, are t of them on one board?) with the
// holes and the share covered of every cell, the holes of the cell chosen, and the win table with
// its chart.
//
// How the pieces connect:
//  - Whoever holds a wheel calls openFor() (the main window's built-in wheel over the ticked
//    numbers, the external tab's file after replacement, the generator's result). The window keeps
//    its own copy of the wheel and of the index the check builds; nothing else of it outlives the
//    next openFor().
//  - The profile of every guarantee is found in one pass as a LongPass (Cancel or closing the
//    window stops it and leaves the window empty). The holes of a cell are listed by a
//    HoleListModel that finds rows on demand, so a cell of millions of holes costs nothing more.
//  - The win table is for a draw of five out of the game's highest number (the
//    settings), never less than the wheel's own numbers.
//  - Under the filter of the FilterPanel (kept per game type in the filter settings file, when the
//    program gives one), each cell adds the guarantee among the draws that pass, the hole list
//    holds only the holes some passing draw holds (the count of the cell's filtered line), the
//    win table is given that the draw passes, and the boards that fail may be dropped: the wheel
//    is checked again as given, each time the filter changes.

#include <QDialog>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "localisation/programtexts.h"
#include "windows/wheelcheck/wheelcheckcontrols.h"
#include "workshop/filteredcheck.h"
#include "workshop/wheelcheck.h"

namespace norvex5 {

class Texts;
struct Settings;
class HoleListModel;
class LongPass;
class Platform;

class WheelCheckWindow : public QDialog {
    Q_OBJECT

public:
    WheelCheckWindow(const Texts& texts, const Settings& settings, Platform& platform, QWidget* parent = nullptr);
    ~WheelCheckWindow() override;

    // Checks `wheel` and shows the window. `played` names the number played at each position
    // (position -> number); empty or of another length, the positions show as 1..v.
    // A wheel whose first `keys` positions are key numbers (on every board) is made to keep
    // `keyGuarantee` when they are drawn: the check and the win table say so under their titles.
    void openFor(const workshop::Wheel& wheel, const std::vector<std::int32_t>& played = {}, int keys = 0,
                 workshop::Guarantee keyGuarantee = {});
    // The same without showing the window; false when the check was stopped.
    bool checkWheel(const workshop::Wheel& wheel, const std::vector<std::int32_t>& played = {});

    const std::optional<workshop::CoverageProfile>& profile() const { return profile_; }
    // The same among the draws that pass the filter; nullopt without one.
    const std::optional<workshop::FilteredProfile>& filteredProfile() const { return filtered_; }
    // The wheel as checked: without the boards that fail when they are dropped.
    const workshop::Wheel& checkedWheel() const { return wheel_; }
    // Where the filter is kept for each game type; none: it is not kept.
    void setFilterSettingsFile(std::filesystem::path file) { filterFile_ = std::move(file); }
    const HoleListModel& holes() const { return *controls_.holes; }
    bool checking() const { return pass_ != nullptr; }

    // The handlers, as the player reaches them.
    void showHolesOf(workshop::Guarantee guarantee);
    void applyTexts();
    void filterChanged();

protected:
    void done(int result) override;

private:
    void connectHandlers();
    void showProfile();
    void showWinTable();
    void clearResults();
    QString text(ProgramText which) const;
    int gameHighest() const;
    QString cellText(std::int64_t holes, double covered) const;
    // The holes the list shows for a cell: among the subsets that need covering under a filter.
    std::int64_t holesListed(workshop::Guarantee guarantee) const;

    const Texts& texts_;
    const Settings& settings_;
    Platform& platform_;

    WheelCheckControls controls_;

    workshop::Wheel givenWheel_;
    workshop::Wheel wheel_;
    std::optional<workshop::FilteredProfile> filtered_;
    std::filesystem::path filterFile_;
    std::vector<std::int32_t> played_;
    std::unique_ptr<workshop::CoverageIndex> index_;
    std::unique_ptr<workshop::PassingDraws> passingDraws_;  // under a filter: the holes listed need covering
    std::optional<workshop::CoverageProfile> profile_;
    std::optional<workshop::Guarantee> shownCell_;
    LongPass* pass_ = nullptr;
    int keys_ = 0;
    workshop::Guarantee keyGuarantee_;
    // What the key numbers promise and whether the boards keep it; empty without key numbers.
    QString keyGuaranteeLine() const;
};

}  // namespace norvex5
