#pragma once
// ExternalWheelsTab: the main window's second tab, where a wheel file made elsewhere is taken
// through five pages: choose the file and how to read it, look at its first lines, say which
// real number replaces each wheel number, look at the replaced boards, then print the tickets,
// print or export the list, or compare the boards with a draw.
//
// How the pieces connect:
//  - The controls are built by ExternalWheelsControls (externalwheelscontrols.h); this class gives
//    them their behaviour.
//  - The main window places the tab on its external page, has it apply its texts with its own
//    and calls fillReplacementLists() at its first activation. Which page shows is the page
//    control's current index.
//  - Nothing of the file is kept: every action reads the separator, the lines to skip, the file
//    name and the replacement boxes at that moment (currentWheel()) and hands them to the engine,
//    which reads the file again from its start.
//  - The comparison window is opened through a hook the program fills, so the tab never includes
//    another window.
//  - Passes over the whole file run as a LongPass (progress dialog with Cancel) and number the
//    rows of the raw preview grid as they go.

#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "externalwheels/externalwheel.h"
#include "externalwheels/fileshape.h"
#include "windows/externalwheels/externalwheelscontrols.h"


namespace norvex5 {

class Texts;
struct Settings;
struct CurrentGame;
class LongPass;
class Platform;
class PreviewGridModel;
struct PrintResult;

class ExternalWheelsTab : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPageCount = 5;

    ExternalWheelsTab(const Texts& texts, const Settings& settings, CurrentGame& game, Platform& platform,
                      QWidget* parent = nullptr);
    ~ExternalWheelsTab() override;

    // Opens the comparison window in its external mode with the wheel as it stands.
    void setComparison(std::function<void(const ExternalWheel&)> open) { openComparison_ = std::move(open); }
    // A comparison of the file elsewhere has gone through `boards` boards: the raw grid numbers its
    // rows up to there, as during printing.
    void showComparisonProgress(std::int64_t boards);
    // The check of the chosen file's guarantee (the wheel workshop), filled by the program.
    void setWheelCheck(std::function<void(const ExternalWheel&)> check) { openWheelCheck_ = std::move(check); }
    // A wheel file made elsewhere in the program (the generator's, ";"-separated, numbers 1..v)
    // taken as the chosen file, its numbers 1..v played as `played`; the tab shows its first page.
    void takeWheelFile(const QString& file, const std::vector<std::int32_t>& played);
    // The words of the tab's controls in the current language.
    void applyTexts();

    // Page shown, 1 to 5.
    int page() const;
    // Back where the tab starts: its first page, no lines skipped.
    void startOver();
    // The replacement boxes with their lists, each showing its own number.
    void fillReplacementLists();
    // The four values every action hands on, read from the pages now; rebuilds the state's
    // replacement map from the boxes first.
    ExternalWheel currentWheel();
    bool busy() const { return pass_ != nullptr; }

    const PreviewGridModel& rawPreview() const { return *rawModel_; }
    const PreviewGridModel& replacedPreview() const { return *replacedModel_; }

    // The handlers, as the user reaches them.
    void chooseFile();
    void showNextPage();
    void showPreviousPage();
    void printTickets();
    void printList();
    void exportList();
    void compareWithDraw();
    void checkWheel();
    // Every board of the file, replaced, in the replaced preview grid: the file is indexed once
    // and the grid reads the rows it paints.
    void displayAll();

signals:
    // The replaced preview grid holds every board of the file (or what was found of them).
    void allDisplayed();

private:
    void fillTicketModelList();
    void connectHandlers();

    void showPage(int page);
    void refreshNavigation();
    void proposeTicketModel();
    void readBoxTexts(GridABoxTexts& gridA, GridBBoxTexts& gridB) const;
    void rebuildReplacementMap();
    // False when a replacement box would spoil the boards of `wheel` and the user, warned, does
    // not go on.
    bool replacementsAccepted(const ExternalWheel& wheel);
    // The wheel with the replacement map as last built.
    ExternalWheel wheelAsShown() const;
    void fillPreview(PreviewGridModel& model, PreviewMode mode);
    void proposeShape();
    // Whether the chosen file, as the boxes read it now, writes its numbers from 0: the line and
    // the check box under the file name appear when it does.
    void judgeNumbering();
    void showNumbering();
    // Over the replaced grid: the first lines only, or every line of the file.
    void showReplacedExtent();
    // False, after telling the user why, when the file cannot be a wheel; `procedure` names the
    // action in the box for a file that cannot be read.
    bool acceptWheelFile(const ExternalWheel& wheel, const char* procedure);
    // What the check found, said to the user as acceptWheelFile() does.
    WheelFileProblem sayWheelFileProblem(const ExternalWheel& wheel, const char* procedure);
    // Runs `work` as a long pass with the tab's commands held.
    void runPass(const std::function<void(LongPass&)>& work);
    // The boards a print of `wheel` goes through, known once a print has read that file to its
    // end; 0 before.
    std::int64_t knownBoardCount(const ExternalWheel& wheel) const;
    void rememberBoardCount(const ExternalWheel& wheel, const PrintResult& result);
    void setCommandsEnabled(bool enabled);
    void reportError(const std::string& procedure);
    QString text(int message) const;

    const Texts& texts_;
    const Settings& settings_;
    CurrentGame& game_;
    Platform& platform_;
    std::function<void(const ExternalWheel&)> openComparison_;
    std::function<void(const ExternalWheel&)> openWheelCheck_;
    LongPass* pass_ = nullptr;
    // The user chose a model on the last page: it is no longer replaced by the proposed one.
    bool ticketModelPicked_ = false;
    // The wheel file (with its lines skipped) a print last read to its end, and its boards.
    std::string countedFile_;
    int countedSkip_ = 0;
    std::int64_t countedBoards_ = 0;
    PreviewGridModel* rawModel_ = nullptr;
    PreviewGridModel* replacedModel_ = nullptr;

    ExternalWheelsControls controls_;
    bool fileWritesZero_ = false;
    // The replaced grid holds every board of the file, not only the first ones.
    bool everyLineShown_ = false;
    UsedWheelNumbersCache usedNumbers_;
};

}  // namespace norvex5
