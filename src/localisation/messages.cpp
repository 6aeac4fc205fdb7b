#include "localisation/messages.h"

#include "localisation/languagefile.h"

namespace norvex5 {

std::string messageText(int number, LanguageCode language, const LanguageFile* manager) {
    if (manager != nullptr && manager->loaded()) return manager->message(number);
    return std::string(messageTableCell(number, language));
}

}  // namespace norvex5
