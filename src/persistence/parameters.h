#pragma once
// The settings kept between runs: nrvx5.par, ten little-endian signed 32-bit integers.

#include <array>
#include <cstdint>
#include <filesystem>

#include "core/lotteries.h"

namespace norvex5 {

struct ParameterRecord {
    std::int32_t reserved0 = 0;
    std::int32_t language = 1;          // LanguageCode 1..7
    std::int32_t horizontalOffset = 0;  // printer offsets in whole millimetres
    std::int32_t verticalOffset = 0;
    std::int32_t gameType = 1;  // a code of the lottery table
    std::int32_t reserved20 = 0;
    std::int32_t reserved24 = 0;
    std::int32_t reserved28 = 0;
    std::int32_t ticketModelIndex = 0;  // position from 0 in the ticket model list
    std::int32_t highestNumber = 49;

    bool operator==(const ParameterRecord&) const = default;
};

inline constexpr std::size_t kParameterFileSize = 40;
inline constexpr const char* kParameterFileName = "nrvx5.par";

using ParameterBytes = std::array<unsigned char, kParameterFileSize>;

ParameterBytes encodeParameters(const ParameterRecord& record);
ParameterRecord decodeParameters(const ParameterBytes& bytes);

// The printer offsets the parameters window can enter: five characters, "-9999" to "99999".
inline constexpr std::int32_t kLowestOffsetMm = -9999;
inline constexpr std::int32_t kHighestOffsetMm = 99999;

// Values a damaged or foreign file may hold that would blank the program, send the random pick
// outside its pool or overflow the printing are brought back into range: a language outside 1..7
// becomes French, a game type the lottery table does not have becomes 1, a highest number outside
// 1..50 becomes the game type's own, a printer offset the parameters window could not have
// entered becomes 0. Game type 0 stays 0 here; start-up takes it as 1.
ParameterRecord sanitiseParameters(ParameterRecord record, LotteryTable lotteries = kLotteries);

enum class ParametersLoad {
    Loaded,   // a 40-byte record was read
    Missing,  // no file: defaults, first run
    Damaged,  // unreadable or short: defaults, the file was deleted, still not a first run
};

struct ParametersLoadResult {
    ParameterRecord record;
    ParametersLoad outcome = ParametersLoad::Missing;
    // false only on a first run (no file at all)
    bool found() const { return outcome != ParametersLoad::Missing; }
};

ParametersLoadResult loadParameters(const std::filesystem::path& file);

// Writes exactly 40 bytes, whole or not at all. False when the file could not be written.
bool saveParameters(const std::filesystem::path& file, const ParameterRecord& record);

// The two places nrvx5.par may live: beside the program (a system-wide install may ship settings
// there, in a folder the user cannot write) and the user's own copy in the user's configuration
// directory. Finding them changes nothing on disk.
struct ParametersPlaces {
    std::filesystem::path besideProgram;
    std::filesystem::path userCopy;  // empty when there is no user configuration directory
    bool besideProgramExists = false;
    bool userCopyExists = false;
    // Its directory can be written, and the file itself when it exists.
    bool besideProgramWritable = false;
};

ParametersPlaces findParametersPlaces(const std::filesystem::path& programDirectory,
                                      const std::filesystem::path& userConfigDirectory);

// Where the settings are read from: the user's copy when it exists, else the copy beside the
// program (which then is no first run). With neither it is a first run, and the path is where
// that run's settings will be saved: beside the program when that can be written, else the
// user's copy.
std::filesystem::path parametersReadPath(const ParametersPlaces& places);

// Where the settings are saved: where they were read from when that can be written, else the
// user's copy, so that settings shipped in a read-only folder become the user's own.
std::filesystem::path parametersSavePath(const ParametersPlaces& places);

// Saves to parametersSavePath(places), creating the user's configuration directory the first time
// the settings go there. False when the file could not be written.
bool saveParameters(const ParametersPlaces& places, const ParameterRecord& record);

}  // namespace norvex5
