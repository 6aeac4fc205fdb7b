#pragma once
// norvex5-wheels run in the test's own process: its exit status and what it wrote.

#include <sstream>
#include <string>
#include <vector>

#include "workshop/cli/wheelstool.h"

namespace norvex5::workshop {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

inline ToolRun run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = runWheelsTool(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace norvex5::workshop
