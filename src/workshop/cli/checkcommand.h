#pragma once
// norvex5-wheels check FILE --numbers V --guarantee T --if M [--separator C] [--skip N] [--holes N] [--json]
//     [--filter F [--drop-failing]] [--highest N] [--play "N1 N2 ..."]

#include "workshop/cli/toolcommand.h"

namespace norvex5::workshop {

ToolCommand addCheckCommand(CLI::App& tool);

}  // namespace norvex5::workshop
