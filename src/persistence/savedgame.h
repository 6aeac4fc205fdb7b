#pragma once
// A saved game (.nv5): 292 bytes, the signature 03 47 52 49 ("GRI" as a short string), the
// wheel list's item index, the states of numbers 1 to 70 and a reserved field.

#include <array>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace norvex5 {

inline constexpr std::size_t kSavedGameSize = 292;
inline constexpr int kSavedNumberCount = 70;

struct SavedGameRecord {
    std::int32_t wheelListIndex = -1;                          // -1: no item selected
    std::array<std::int32_t, kSavedNumberCount + 1> states{};  // [1..70]; entry 0 unused
    // Not ours to interpret: carried from the last file read into the next file written.
    std::int32_t reserved = 0;
};

using SavedGameBytes = std::array<unsigned char, kSavedGameSize>;

SavedGameBytes encodeSavedGame(const SavedGameRecord& record);

enum class SavedGameLoad {
    Loaded,
    Missing,       // message 83
    Unreadable,    // not a regular file, open or read failed, or shorter than 292 bytes: message 82
    BadSignature,  // message 79
};

struct SavedGameLoadResult {
    SavedGameLoad outcome = SavedGameLoad::Missing;
    SavedGameRecord record;  // meaningful when Loaded
    // The reserved field of whatever 292 bytes were read, also of a file refused for its
    // signature; the caller carries it to the next save.
    bool reservedRead = false;
    std::int32_t reserved = 0;
};

SavedGameLoadResult loadSavedGame(const std::filesystem::path& file);

// Writes the 292 bytes whole or not at all; `error`, when given, says why it failed.
bool saveSavedGame(const std::filesystem::path& file, const SavedGameRecord& record, std::error_code* error = nullptr);

// A number state read from a file that is none of free, selected, fixed is taken as free.
std::int32_t sanitiseNumberState(std::int32_t state);

}  // namespace norvex5
