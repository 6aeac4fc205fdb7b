#pragma once
// norvex5-wheels generate --numbers V --guarantee T --if M [--seconds S] [--seed N] [--threads N] [--out FILE] [--json]

#include "workshop/cli/toolcommand.h"

namespace norvex5::workshop {

ToolCommand addGenerateCommand(CLI::App& tool);

}  // namespace norvex5::workshop
