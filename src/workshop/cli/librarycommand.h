#pragma once
// norvex5-wheels library [--shipped DIR] [--user DIR] [--json]: the shipped wheels and the user's,
// each with what it keeps; the user's files that are refused, with the reason.

#include "workshop/cli/toolcommand.h"

namespace norvex5::workshop {

ToolCommand addLibraryCommand(CLI::App& tool);

}  // namespace norvex5::workshop
