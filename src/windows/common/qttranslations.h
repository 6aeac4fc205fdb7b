#pragma once
// Qt's own texts in the program's language: the buttons of the message boxes (Yes, No, Cancel),
// the labels and buttons of the file dialogs (Look in, Open, Save). The program's own texts come
// from its message table; these come from the translations Qt ships.

#include <QLocale>

namespace norvex5 {

// How numbers are written in a language (decimal comma, thousands' separator): the language's own
// locale, whatever the system's.
QLocale languageLocale(int languageCode);

// Puts Qt's translation for a language code (1 French, 2 English, 3 Portuguese, 4 Spanish,
// 5 Italian, 6 Croatian, 7 German) in place of the one applied before. English, any other code,
// and a language whose translation is not installed leave Qt's own English texts.
void applyQtTranslations(int languageCode);

}  // namespace norvex5
