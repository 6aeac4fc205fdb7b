#include "localisation/messagetable.h"

namespace norvex5 {

std::string_view messageTableCell(int, LanguageCode) { return {}; }

}  // namespace norvex5
