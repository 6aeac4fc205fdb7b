#pragma once
// A wheel file as the external tab hands it on: its name, its separator and the lines to skip,
// every other setting as the tab starts.

#include <string>

#include "externalwheels/externalwheel.h"

namespace norvex5::testing {

inline ExternalWheel wheelOf(const std::string& fileName, std::string separator = " ", int skip = 0) {
    ExternalWheel wheel;
    wheel.fileName = fileName;
    wheel.separator = std::move(separator);
    wheel.linesToSkip = skip;
    return wheel;
}

}  // namespace norvex5::testing
