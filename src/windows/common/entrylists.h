#pragma once
// Drop-down lists whose entries end in blanks and a hidden number (the wheel list, the ticket
// model list): the number is how the program reads an entry back, never something to show.

#include <QFont>
#include <QString>
#include <cstdint>

class QComboBox;

namespace norvex5 {

struct Settings;

// The open list shows each entry's visible text alone, in rows as roomy as a menu's; the closed
// box shows the current entry's visible text as closedEntryText says, whole in its hint.
void showEntryTextsOnly(QComboBox& list);

// What the closed box paints for its current entry, and in which font: the visible text with its
// runs of blanks closed up (they only line the open list's columns up), a little smaller where
// the box is too narrow for it, cut with "…" only when even that is too wide.
struct ClosedEntry {
    QString text;
    QFont font;
};
ClosedEntry closedEntryText(const QComboBox& list);

// The open list as wide as its longest visible text (within the screen), never narrower than the
// closed box: no language loses the end of an entry, and the hidden numbers do not widen it.
// Call after filling the list.
void fitOpenList(QComboBox& list);

// The ticket models as the print dialog lists them: sorted by name, whatever the case, each
// model's number hidden at the end of its entry, the open list fitted. The entry selected is the
// remembered one (the first when the remembered index lies outside the list) or, while no model
// has been chosen yet, the model of the game type shown. Sends no change signal.
void fillTicketModelList(QComboBox& list, const Settings& settings);

}  // namespace norvex5
