// Any 40 bytes as the settings record: decoding and encoding give back the same bytes, and the
// repair of a damaged record brings every value into the range the program uses, and keeps a
// sound record as it is.

#include <algorithm>
#include <cstring>

#include "fuzzinput.h"
#include "persistence/parameters.h"

using namespace norvex5;
using fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ParameterBytes bytes{};
    std::memcpy(bytes.data(), data, std::min(size, bytes.size()));
    const ParameterRecord record = decodeParameters(bytes);
    require(encodeParameters(record) == bytes, "the record does not encode back to its bytes");

    const ParameterRecord repaired = sanitiseParameters(record);
    require(repaired.language >= 1 && repaired.language <= 7, "language out of range");
    require(repaired.gameType >= 0 && repaired.gameType <= 8, "game type out of range");
    require(repaired.highestNumber >= 1 && repaired.highestNumber <= 50, "highest number out of range");
    for (const std::int32_t offset : {repaired.horizontalOffset, repaired.verticalOffset})
        require(offset >= kLowestOffsetMm && offset <= kHighestOffsetMm, "offset out of range");
    require(sanitiseParameters(repaired) == repaired, "the repair is not settled after one pass");
    return 0;
}
