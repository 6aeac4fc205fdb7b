#pragma once
// Message lookup: a message number to its text in the current language.

#include <functional>
#include <string>

#include "localisation/messagetable.h"

namespace norvex5 {

class LanguageFile;

// A loaded language file wins over the table, whatever the language; otherwise the table's cell
// in `language`. Never fails; the worst result is an empty text.
std::string messageText(int number, LanguageCode language, const LanguageFile* manager);

// How model code that builds texts asks for a message without knowing where texts come from.
using MessageLookup = std::function<std::string(int)>;

}  // namespace norvex5
