#pragma once
// The wheel check window's controls with their designed objectNames: the wheel's summary, the
// filter with the choice to drop the boards that fail it, the guarantee matrix beside the holes
// of one cell, the win table beside its chart, and the close button, in rows and columns so that
// a longer language grows the window. WheelCheckWindow gives them their behaviour; the captions
// come from the program's own texts.

#include "workshop/wheel.h"

class QCheckBox;
class QDialog;
class QLabel;
class QListView;
class QPushButton;
class QTableWidget;

namespace norvex5 {

class FilterPanel;
class HoleListModel;
class WinChart;

// The matrix runs from "2 if 2" to "5 if 5": a guarantee of one number is met by any wheel worth
// the name.
inline constexpr int kLowestGuaranteeCell = 2;
inline constexpr int kGuaranteeCells = workshop::kBoardSize - kLowestGuaranteeCell + 1;

struct WheelCheckControls {
    QLabel* summary = nullptr;          // LabelSysteme
    FilterPanel* filterPanel = nullptr;  // GroupeFiltre
    QCheckBox* dropFailing = nullptr;   // CaseRetirerGrilles
    QTableWidget* matrix = nullptr;     // GrilleGaranties: row m, column t, from kLowestGuaranteeCell
    QLabel* holesTitle = nullptr;       // LabelTrous
    QListView* holeList = nullptr;      // ListeTrous
    HoleListModel* holes = nullptr;
    QLabel* winTitle = nullptr;         // LabelGains
    QTableWidget* winTable = nullptr;   // TableGains: h drawn among the player's, its chance, then j = 0..5
    WinChart* chart = nullptr;          // GraphiqueGains
    QPushButton* close = nullptr;       // BoutonFermer

    void build(QDialog& window);
    // The tables' headers as high as their titles, now set, need.
    void fitHeadersToTitles();
};

}  // namespace norvex5
