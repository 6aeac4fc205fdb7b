#include "windows/program/fontwarmup.h"

#include <QFontDatabase>

namespace norvex5 {

FontWarmUp::FontWarmUp() : worker_([] { QFontDatabase::families(); }) {}

FontWarmUp::~FontWarmUp() {
    if (worker_.joinable()) worker_.join();
}

}  // namespace norvex5
