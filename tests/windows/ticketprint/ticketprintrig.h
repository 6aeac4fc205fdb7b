#pragma once
// The ticket printing dialog over the window rig, opened the way the main window opens it: the
// numbers ticked, the number list prepared, the wheel chosen.

#include <QComboBox>
#include <QLineEdit>
#include <vector>

#include "core/expansion.h"
#include "output/ticketlayouts.h"
#include "windows/ticketprint/ticketprintdialog.h"
#include "windows/windowrig.h"

namespace norvex5::testing {

// Thirteen numbers, enough for wheel 5 (13 numbers, 8 boards).
inline const std::vector<int> kThirteenNumbers{2, 5, 9, 13, 18, 21, 26, 30, 34, 38, 41, 45, 49};

class TicketPrintRig : public WindowRig<TicketPrintDialog> {
public:
    explicit TicketPrintRig(int wheel = 5) {
        for (int n : kThirteenNumbers) state.selection[n] = kSelected;
        prepareNumberList(state.expansion, state.selection);
        window.setWheel(wheel);
    }

    QComboBox* models() const { return find<QComboBox>(QStringLiteral("ComboBox1")); }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(QLatin1String(name)); }

    // Chooses the entry of `model` in the model list; false when there is none.
    bool chooseModel(int model) {
        for (int i = 0; i < models()->count(); ++i) {
            if (ticketModelFromEntry(models()->itemText(i).toStdString()) == model) {
                models()->setCurrentIndex(i);
                return true;
            }
        }
        return false;
    }

    void setRange(int first, int last) {
        field("Gpremier")->setText(QString::number(first));
        field("gdernier")->setText(QString::number(last));
    }

    // The numbers of board i of the wheel, as the dialog's run builds them.
    std::vector<int> board(int i) {
        Expansion expansion = state.expansion;
        startExpansion(expansion, state.selection, window.wheel());
        BoardMask mask{};
        buildBoard(expansion, mask, i);
        std::vector<int> numbers;
        for (int n = 1; n <= kGridACount; ++n)
            if (mask[n] == 1) numbers.push_back(n);
        return numbers;
    }
};

}  // namespace norvex5::testing
