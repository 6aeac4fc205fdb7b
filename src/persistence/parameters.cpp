#include "persistence/parameters.h"

#include <fstream>
#include <initializer_list>
#include <system_error>

#include "core/lotteries.h"
#include "persistence/atomicfile.h"
#include "persistence/littleendian.h"

namespace norvex5 {

namespace {

// Field order as stored in the file.
constexpr std::int32_t ParameterRecord::*kFields[] = {
    &ParameterRecord::reserved0,      &ParameterRecord::language,   &ParameterRecord::horizontalOffset,
    &ParameterRecord::verticalOffset, &ParameterRecord::gameType,   &ParameterRecord::reserved20,
    &ParameterRecord::reserved24,     &ParameterRecord::reserved28, &ParameterRecord::ticketModelIndex,
    &ParameterRecord::highestNumber,
};
static_assert(std::size(kFields) * 4 == kParameterFileSize);

}  // namespace

ParameterBytes encodeParameters(const ParameterRecord& record) {
    ParameterBytes bytes{};
    for (std::size_t i = 0; i < std::size(kFields); ++i) writeInt32LE(&bytes[i * 4], record.*kFields[i]);
    return bytes;
}

ParameterRecord decodeParameters(const ParameterBytes& bytes) {
    ParameterRecord record;
    for (std::size_t i = 0; i < std::size(kFields); ++i) record.*kFields[i] = readInt32LE(&bytes[i * 4]);
    return record;
}

ParameterRecord sanitiseParameters(ParameterRecord record, LotteryTable lotteries) {
    if (record.language < 1 || record.language > 7) record.language = 1;
    if (record.gameType != 0 && findLottery(record.gameType, lotteries) == nullptr) record.gameType = 1;
    if (record.highestNumber < 1 || record.highestNumber > 50)
        record.highestNumber = ownHighestNumber(record.gameType, lotteries);
    // The offset fields of the parameters window hold at most five characters. A value beyond
    // what they can hold is damage, and turned into printer pixels it would not fit an int.
    for (std::int32_t* offset : {&record.horizontalOffset, &record.verticalOffset})
        if (*offset < kLowestOffsetMm || *offset > kHighestOffsetMm) *offset = 0;
    return record;
}

ParametersLoadResult loadParameters(const std::filesystem::path& file) {
    ParametersLoadResult result;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return result;  // first run, defaults

    ParameterBytes bytes{};
    bool ok = false;
    if (std::filesystem::is_regular_file(file, error)) {
        std::ifstream in(file, std::ios::binary);
        ok = in && in.read(reinterpret_cast<char*>(bytes.data()), bytes.size()) &&
             in.gcount() == static_cast<std::streamsize>(bytes.size());
    }
    if (ok) {
        result.record = sanitiseParameters(decodeParameters(bytes));
        result.outcome = ParametersLoad::Loaded;
        return result;
    }
    // A short or unreadable file is dropped; starting from the defaults keeps the program usable
    // (a half-read record would leave the language at 0 and every text empty).
    std::filesystem::remove(file, error);
    result.outcome = ParametersLoad::Damaged;
    return result;
}

bool saveParameters(const std::filesystem::path& file, const ParameterRecord& record) {
    const ParameterBytes bytes = encodeParameters(record);
    return writeFileAtomically(file, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

ParametersPlaces findParametersPlaces(const std::filesystem::path& programDirectory,
                                      const std::filesystem::path& userConfigDirectory) {
    ParametersPlaces places;
    std::error_code error;
    places.besideProgram = programDirectory / kParameterFileName;
    places.besideProgramExists = std::filesystem::exists(places.besideProgram, error);
    places.besideProgramWritable =
        !programDirectory.empty() && std::filesystem::is_directory(programDirectory, error) &&
        userMayWrite(programDirectory) && (!places.besideProgramExists || userMayWrite(places.besideProgram));
    if (!userConfigDirectory.empty()) {
        places.userCopy = userConfigDirectory / kParameterFileName;
        places.userCopyExists = std::filesystem::exists(places.userCopy, error);
    }
    return places;
}

std::filesystem::path parametersReadPath(const ParametersPlaces& places) {
    if (places.userCopyExists) return places.userCopy;
    if (places.besideProgramExists || places.besideProgramWritable || places.userCopy.empty())
        return places.besideProgram;
    return places.userCopy;
}

std::filesystem::path parametersSavePath(const ParametersPlaces& places) {
    const std::filesystem::path readFrom = parametersReadPath(places);
    if (readFrom == places.besideProgram && !places.besideProgramWritable && !places.userCopy.empty())
        return places.userCopy;
    return readFrom;
}

bool saveParameters(const ParametersPlaces& places, const ParameterRecord& record) {
    const std::filesystem::path file = parametersSavePath(places);
    if (file == places.userCopy) {
        std::error_code ignored;
        std::filesystem::create_directories(file.parent_path(), ignored);
    }
    return saveParameters(file, record);
}

}  // namespace norvex5
