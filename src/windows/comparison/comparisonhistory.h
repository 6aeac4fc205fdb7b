#pragma once
// The comparison window's link to the draw history: a list of the stored draws of the game type,
// whose choice fills the draw boxes, and a button that stores the draw typed in the boxes under
// the date shown beside it. When the window opens and no draw was typed yet this run, the last
// stored draw is taken.

#include <QObject>
#include <array>
#include <vector>

#include "draws/drawfile.h"
#include "localisation/programtexts.h"
#include "windows/comparison/comparisoncontrols.h"

class QComboBox;
class QDateEdit;
class QDialog;
class QLabel;
class QPushButton;

namespace norvex5 {

class Texts;
class DrawHistory;
class Platform;

class ComparisonHistory : public QObject {
    Q_OBJECT

public:
    ComparisonHistory(const Texts& texts, Platform& platform, DrawHistory& history, QDialog& window,
                      const std::array<QComboBox*, kDrawBoxCount>& drawBoxes);

    // Lists the stored draws afresh; `takeLast` puts the newest into the draw boxes.
    void prepare(bool takeLast);
    void applyTexts();

    // The handlers, as the player reaches them.
    void takeDraw(int listed);
    void saveDraw();

private:
    QString text(ProgramText which) const;

    const Texts& texts_;
    Platform& platform_;
    DrawHistory& history_;
    std::array<QComboBox*, kDrawBoxCount> drawBoxes_;
    QLabel* caption_ = nullptr;
    QComboBox* storedDraws_ = nullptr;  // ComboTiragesEnregistres
    QDateEdit* date_ = nullptr;         // DateTirage
    QPushButton* save_ = nullptr;       // bEnregistrerTirage
    std::vector<draws::DrawRecord> listed_;
};

}  // namespace norvex5
