#pragma once
// Which control of the main window takes which message, caption or hint.

#include <span>

#include "windows/common/windowtexts.h"

namespace norvex5 {

// The controls the main window builds itself.
std::span<const WindowText> mainWindowTexts();
// The controls of the external wheels tab, which lives in the main window and takes its texts
// with it once it holds them.
std::span<const WindowText> externalTabTexts();

}  // namespace norvex5
