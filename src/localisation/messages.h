#pragma once
// Message lookup: a message number to its text in the current language.

#include <functional>
#include <string>

#include "localisation/messagetable.h"

namespace norvex5 {

class Tgerelanguage;

// A loaded language file wins over the table, whatever the language; otherwise the table's cell
// in `language`. Never fails; the worst result is an empty text.
std::string pgloretlibmessage(int number, LanguageCode language, const Tgerelanguage* manager);

// How model code that builds texts asks for a message without knowing where texts come from.
using MessageLookup = std::function<std::string(int)>;

}  // namespace norvex5
