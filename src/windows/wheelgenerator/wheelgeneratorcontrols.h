#pragma once
// The wheel generator window's controls with their designed objectNames: what to generate (the
// count of numbers, the guarantee, the time allowed) in a grid, the filter, the run's buttons and
// its progress, the buttons for the wheel made and the close button, in rows so that a longer
// language widens the window. WheelGeneratorWindow gives them their behaviour; the captions come
// from the program's own texts.

class QComboBox;
class QDialog;
class QLabel;
class QPushButton;
class QSpinBox;

namespace norvex5 {

class FilterPanel;

struct WheelGeneratorControls {
    QLabel* numbersLabel = nullptr;      // LabelNombres
    QSpinBox* numbers = nullptr;         // EditNombres
    QPushButton* ticked = nullptr;       // BoutonCoches
    QLabel* guaranteeLabel = nullptr;    // LabelGarantie
    QComboBox* guarantee = nullptr;      // ComboGarantie: each entry's data t * 10 + m
    QLabel* secondsLabel = nullptr;      // LabelSecondes
    QSpinBox* seconds = nullptr;         // EditSecondes
    FilterPanel* filterPanel = nullptr;  // GroupeFiltre
    QPushButton* generate = nullptr;     // BoutonGenerer
    QPushButton* stop = nullptr;         // BoutonArreter
    QLabel* progress = nullptr;          // LabelProgression
    QPushButton* check = nullptr;        // BoutonVerifier
    QPushButton* save = nullptr;         // BoutonEnregistrer
    QPushButton* send = nullptr;         // BoutonEnvoyer
    QPushButton* close = nullptr;        // BoutonFermer

    void build(QDialog& window);
};

}  // namespace norvex5
