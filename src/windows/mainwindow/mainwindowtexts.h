#pragma once
// Which control of the main window takes which message, caption or hint.

#include <span>

#include "windows/common/windowtexts.h"

namespace norvex5 {

// The controls the main window builds itself.
std::span<const WindowText> mainWindowTexts();

}  // namespace norvex5
