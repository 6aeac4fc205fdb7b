#pragma once
// The three sentences that explain a wheel: how many numbers to tick (and how many of them
// fixed), what the draw must hold, and which board is then guaranteed.

#include <array>
#include <string>

#include "core/wheelcatalogue.h"
#include "localisation/messages.h"

namespace norvex5 {

// Four lines, the last one empty, joined from the messages in the current language and the
// wheel's counts. The messages keep their own blanks, so some joins give two blanks in a row.
std::array<std::string, 4> wheelDescriptionLines(const WheelRecord& wheel, const MessageLookup& message);

}  // namespace norvex5
