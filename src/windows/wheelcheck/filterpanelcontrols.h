#pragma once
// The filter panel's controls with their designed objectNames: six conditions in two columns of
// three (the ranges on the left, the limits on the right) and the share of the draws that pass
// under them. FilterPanel gives them their behaviour; the captions come from the program's own
// texts.

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QSpinBox;

namespace norvex5 {

struct FilterPanelControls {
    // One condition: its tick and its one or two values.
    struct Condition {
        QCheckBox* tick = nullptr;   // CaseFiltre<name>
        QSpinBox* from = nullptr;    // EditFiltre<name>
        QLabel* to = nullptr;        // LabelFiltre<name>A, between the ends of a range; none for a limit
        QSpinBox* upTo = nullptr;    // EditFiltre<name>A; none for a limit
    };
    Condition odd, low, sum, run, decade, digit;
    QLabel* share = nullptr;  // LabelFiltre

    // Builds them in `panel` (objectName GroupeFiltre); `highestSum` bounds the sum.
    void build(QGroupBox& panel, int highestSum);

private:
    Condition addRange(QGroupBox& panel, int row, const char* name, int most);
    Condition addLimit(QGroupBox& panel, int row, const char* name, int column);

    QGridLayout* grid_ = nullptr;
};

}  // namespace norvex5
