#pragma once
// The comparison window's controls: the result list, the draw entry, the summary and the buttons,
// with their designed objectNames and French captions, built once as a form designer would lay
// them out. ComparisonWindow gives them their behaviour through these typed pointers; tests and
// tools find the same controls by objectName.

#include <array>
#include <cstdint>
#include <span>

#include "windows/common/windowtexts.h"

class QComboBox;
class QDialog;
class QLabel;
class QListView;
class QPushButton;
class QWidget;

namespace norvex5 {

class LineListModel;

inline constexpr int kDrawBoxCount = 7;  // five grid A boxes, then the two grid B boxes
inline constexpr int kGridADrawBoxCount = 5;

struct ComparisonControls {
    QListView* results = nullptr;  // listresul
    LineListModel* lines = nullptr;

    // ComboBox1..ComboBox5, then ComboBox9 and ComboBox10 (hidden).
    std::array<QComboBox*, kDrawBoxCount> drawBoxes{};

    QLabel* fiveMatches = nullptr;   // lnb5et0
    QLabel* fourMatches = nullptr;   // lnb4et0
    QLabel* threeMatches = nullptr;  // lnb3et0
    QLabel* twoMatches = nullptr;    // lnb2

    QPushButton* compareButton = nullptr;  // button1
    QPushButton* returnButton = nullptr;   // BitBtn1

    void build(QDialog& window);

private:
    void buildDrawEntry(QWidget* client);
    void buildSummary(QWidget* client);
};

// Which control takes which message (the window title is set apart).
std::span<const WindowText> comparisonWindowTexts();

// Writes a count into one of the summary's labels, in a smaller type when the designed one would
// cut it: a wheel file may hold millions of boards.
void showCount(QLabel& label, std::int64_t count);

// Lets only digits and Backspace be typed into a draw box; a pasted text is held to digits too.
void acceptDigitsOnly(QComboBox* box);

}  // namespace norvex5
