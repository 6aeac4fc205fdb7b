#include "localisation/messages.h"

#include "localisation/languagefile.h"

namespace norvex5 {

std::string pgloretlibmessage(int number, LanguageCode language, const Tgerelanguage* manager) {
    if (manager != nullptr && manager->loaded()) return manager->message(number);
    return std::string(messageTableCell(number, language));
}

}  // namespace norvex5
