#pragma once
// Drop-down lists whose entries end in blanks and a hidden number (the wheel list, the ticket
// model list): the number is how the program reads an entry back, never something to show.

class QComboBox;

namespace norvex5 {

// The open list shows each entry's visible text alone, in rows as roomy as a menu's.
void showEntryTextsOnly(QComboBox& list);

// The open list as wide as its longest visible text (within the screen), never narrower than the
// closed box: no language loses the end of an entry, and the hidden numbers do not widen it.
// Call after filling the list.
void fitOpenList(QComboBox& list);

}  // namespace norvex5
