#include "persistence/savedgame.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "persistence/atomicfile.h"
#include "persistence/littleendian.h"

namespace norvex5 {

namespace {
constexpr unsigned char kSignature[4] = {0x03, 'G', 'R', 'I'};
constexpr std::size_t kIndexOffset = 4;
constexpr std::size_t kStatesOffset = 8;
constexpr std::size_t kReservedOffset = 288;
}  // namespace

std::int32_t sanitiseNumberState(std::int32_t state) { return (state >= 0 && state <= 2) ? state : 0; }

SavedGameBytes encodeSavedGame(const SavedGameRecord& record) {
    SavedGameBytes bytes{};
    std::copy(std::begin(kSignature), std::end(kSignature), bytes.begin());
    writeInt32LE(&bytes[kIndexOffset], record.wheelListIndex);
    for (int n = 1; n <= kSavedNumberCount; ++n) writeInt32LE(&bytes[kStatesOffset + (n - 1) * 4], record.states[n]);
    writeInt32LE(&bytes[kReservedOffset], record.reserved);
    return bytes;
}

SavedGameLoadResult loadSavedGame(const std::filesystem::path& file) {
    SavedGameLoadResult result;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        result.outcome = SavedGameLoad::Missing;
        return result;
    }
    // Opening a named pipe or a device to read may wait for ever for a writer; only a regular
    // file is opened at all.
    SavedGameBytes bytes{};
    bool ok = false;
    if (std::filesystem::is_regular_file(file, error)) {
        std::ifstream in(file, std::ios::binary);
        ok = in && in.read(reinterpret_cast<char*>(bytes.data()), bytes.size()) &&
             in.gcount() == static_cast<std::streamsize>(bytes.size());
    }
    if (!ok) {
        result.outcome = SavedGameLoad::Unreadable;
        return result;
    }
    result.reservedRead = true;
    result.reserved = readInt32LE(&bytes[kReservedOffset]);
    if (!std::equal(std::begin(kSignature), std::end(kSignature), bytes.begin())) {
        result.outcome = SavedGameLoad::BadSignature;
        return result;
    }
    result.outcome = SavedGameLoad::Loaded;
    result.record.wheelListIndex = readInt32LE(&bytes[kIndexOffset]);
    for (int n = 1; n <= kSavedNumberCount; ++n)
        result.record.states[n] = sanitiseNumberState(readInt32LE(&bytes[kStatesOffset + (n - 1) * 4]));
    result.record.reserved = result.reserved;
    return result;
}

bool saveSavedGame(const std::filesystem::path& file, const SavedGameRecord& record, std::error_code* error) {
    const SavedGameBytes bytes = encodeSavedGame(record);
    return writeFileAtomically(file, {reinterpret_cast<const char*>(bytes.data()), bytes.size()}, error);
}

}  // namespace norvex5
