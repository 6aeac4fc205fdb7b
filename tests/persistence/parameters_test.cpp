#include "persistence/parameters.h"

#include <gtest/gtest.h>

#include "support/readonlyfiles.h"
#include "support/scratchfiles.h"

namespace norvex5 {
namespace {

using testing::readBytes;
using testing::ScratchDir;
using testing::writeBytes;

std::vector<std::int32_t> asIntegers(const std::vector<unsigned char>& bytes) {
    std::vector<std::int32_t> values;
    for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4)
        values.push_back(static_cast<std::int32_t>(bytes[i] | (bytes[i + 1] << 8) | (bytes[i + 2] << 16) |
                                                   (std::uint32_t(bytes[i + 3]) << 24)));
    return values;
}

TEST(ParametersFile, DefaultsAreWrittenAsTenLittleEndianIntegers) {
    ScratchDir dir;
    const auto file = dir / kParameterFileName;
    ASSERT_TRUE(saveParameters(file, ParameterRecord{}));
    const auto bytes = readBytes(file);
    ASSERT_EQ(bytes.size(), 40u);
    EXPECT_EQ(asIntegers(bytes), (std::vector<std::int32_t>{0, 1, 0, 0, 1, 0, 0, 0, 0, 49}));
}

TEST(ParametersFile, EveryFieldHasItsOwnOffsetAndNegativesAreTwosComplement) {
    ParameterRecord r;
    r.reserved0 = 11;
    r.language = 6;
    r.horizontalOffset = -3;
    r.verticalOffset = 99999;
    r.gameType = 8;
    r.reserved20 = 20;
    r.reserved24 = 24;
    r.reserved28 = -28;
    r.ticketModelIndex = 5;
    r.highestNumber = 50;
    const ParameterBytes bytes = encodeParameters(r);
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin() + 8, bytes.begin() + 12),
              (std::vector<unsigned char>{0xFD, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin() + 12, bytes.begin() + 16),
              (std::vector<unsigned char>{0x9F, 0x86, 0x01, 0x00}));
    EXPECT_EQ(asIntegers({bytes.begin(), bytes.end()}),
              (std::vector<std::int32_t>{11, 6, -3, 99999, 8, 20, 24, -28, 5, 50}));
    EXPECT_EQ(decodeParameters(bytes), r);

    ScratchDir dir;
    ASSERT_TRUE(saveParameters(dir / "p", r));
    const auto loaded = loadParameters(dir / "p");
    EXPECT_EQ(loaded.outcome, ParametersLoad::Loaded);
    EXPECT_EQ(loaded.record, r) << "reserved fields travel unchanged";
}

TEST(ParametersFile, MissingFileIsAFirstRunWithDefaults) {
    ScratchDir dir;
    const auto result = loadParameters(dir / kParameterFileName);
    EXPECT_EQ(result.outcome, ParametersLoad::Missing);
    EXPECT_FALSE(result.found());
    EXPECT_EQ(result.record, ParameterRecord{});
    EXPECT_EQ(result.record.language, 1);
    EXPECT_EQ(result.record.highestNumber, 49);
}

TEST(ParametersFile, ShortOrUnreadableFileIsDeletedAndDefaultsStand) {
    ScratchDir dir;
    const auto file = dir / kParameterFileName;
    // 39 bytes of a record that would otherwise say German and game type 7.
    std::vector<unsigned char> bytes(39, 0);
    bytes[4] = 7;
    bytes[16] = 7;
    writeBytes(file, bytes);
    const auto result = loadParameters(file);
    EXPECT_EQ(result.outcome, ParametersLoad::Damaged);
    EXPECT_TRUE(result.found()) << "a damaged file is not a first run";
    EXPECT_EQ(result.record, ParameterRecord{}) << "language 0 would blank every text";
    EXPECT_FALSE(std::filesystem::exists(file));

    // A directory where the file should be cannot be read either.
    std::filesystem::create_directory(file);
    EXPECT_EQ(loadParameters(file).outcome, ParametersLoad::Damaged);
    EXPECT_EQ(loadParameters(file).record, ParameterRecord{});
}

TEST(ParametersFile, LongerFileIsAcceptedAndRewrittenAtForty) {
    ScratchDir dir;
    const auto file = dir / kParameterFileName;
    ParameterRecord r;
    r.language = 2;
    r.gameType = 6;
    r.highestNumber = 39;
    const ParameterBytes record = encodeParameters(r);
    std::vector<unsigned char> bytes(record.begin(), record.end());
    bytes.push_back(0xAB);
    writeBytes(file, bytes);
    const auto result = loadParameters(file);
    EXPECT_EQ(result.outcome, ParametersLoad::Loaded);
    EXPECT_EQ(result.record, r);
    ASSERT_TRUE(saveParameters(file, result.record));
    EXPECT_EQ(readBytes(file).size(), 40u);
}

TEST(ParametersFile, OutOfRangeValuesAreBroughtBackIntoRange) {
    struct Case {
        std::int32_t language, gameType, highest;
        std::int32_t wantLanguage, wantGameType, wantHighest;
    };
    const Case cases[] = {
        {0, 1, 49, 1, 1, 49},                                                 // language 0 would blank every text
        {8, 1, 49, 1, 1, 49}, {-5, 1, 49, 1, 1, 49}, {7, 1, 49, 7, 1, 49},    // in range: untouched
        {2, 9, 49, 2, 1, 49}, {2, -1, 49, 2, 1, 49}, {2, 0, 49, 2, 0, 49},    // 0 stays for start-up to take as 1
        {2, 6, 0, 2, 6, 39},                                                  // the game type's own highest number
        {2, 7, 51, 2, 7, 50}, {2, 8, -49, 2, 8, 50}, {2, 3, 1000, 2, 3, 49},  // hidden types: 49
        {2, 6, 50, 2, 6, 50},                                                 // odd but in range: kept
    };
    for (const Case& c : cases) {
        ParameterRecord r;
        r.language = c.language;
        r.gameType = c.gameType;
        r.highestNumber = c.highest;
        const ParameterRecord s = sanitiseParameters(r);
        EXPECT_EQ(s.language, c.wantLanguage) << c.language;
        EXPECT_EQ(s.gameType, c.wantGameType) << c.gameType;
        EXPECT_EQ(s.highestNumber, c.wantHighest) << c.gameType << " " << c.highest;
    }
    // The file path applies the same repair.
    ScratchDir dir;
    ParameterRecord bad;
    bad.language = 99;
    bad.highestNumber = 70;
    ASSERT_TRUE(saveParameters(dir / "p", bad));
    const auto loaded = loadParameters(dir / "p").record;
    EXPECT_EQ(loaded.language, 1);
    EXPECT_EQ(loaded.highestNumber, 49);
}

// An offset read from a damaged file reaches the conversion to printer pixels, where a value of
// millions of millimetres no longer fits an int.
TEST(ParametersFile, OffsetsTheWindowCouldNotEnterAreDropped) {
    ScratchDir dir;
    ParameterRecord r;
    r.horizontalOffset = INT32_MAX;
    r.verticalOffset = -10000;
    ASSERT_TRUE(saveParameters(dir / "p", r));
    const ParameterRecord damaged = loadParameters(dir / "p").record;
    EXPECT_EQ(damaged.horizontalOffset, 0);
    EXPECT_EQ(damaged.verticalOffset, 0);

    r.horizontalOffset = 99999;
    r.verticalOffset = -9999;
    ASSERT_TRUE(saveParameters(dir / "p", r));
    const ParameterRecord widest = loadParameters(dir / "p").record;
    EXPECT_EQ(widest.horizontalOffset, 99999);
    EXPECT_EQ(widest.verticalOffset, -9999);
}

TEST(ParametersFile, LivesBesideTheProgramUnlessThatDirectoryIsNotWritable) {
    ScratchDir dir;
    const ParametersPlaces portable = findParametersPlaces(dir.path(), dir / "config");
    EXPECT_EQ(parametersReadPath(portable), dir.path() / kParameterFileName);
    EXPECT_EQ(parametersSavePath(portable), dir.path() / kParameterFileName);
    // A program directory that cannot be written to (here: does not exist) sends the file to the
    // user's configuration directory, which the save creates.
    const auto config = dir / "config" / "norvex5";
    const ParametersPlaces installed = findParametersPlaces(dir / "missing", config);
    EXPECT_EQ(parametersReadPath(installed), config / kParameterFileName);
    EXPECT_EQ(parametersSavePath(installed), config / kParameterFileName);
    ASSERT_TRUE(saveParameters(installed, ParameterRecord{}));
    EXPECT_EQ(readBytes(config / kParameterFileName).size(), 40u);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST(ParametersFile, ReadFromTheUsersCopyFirstAndSavedWhereReadWhenWritable) {
    const std::filesystem::path beside = "/opt/norvex5/nrvx5.par";
    const std::filesystem::path user = "/home/player/.config/Norvex5/nrvx5.par";
    struct Case {
        const char* what;
        bool userExists, besideExists, besideWritable;
        std::filesystem::path read, save;
    };
    const Case cases[] = {
        {"first run, program folder writable", false, false, true, beside, beside},
        {"first run, program folder read-only", false, false, false, user, user},
        {"only beside, writable", false, true, true, beside, beside},
        {"only beside, read-only: becomes the user's", false, true, false, beside, user},
        {"the user's copy wins", true, true, true, user, user},
        {"the user's copy alone", true, false, false, user, user},
    };
    for (const Case& c : cases) {
        ParametersPlaces places;
        places.besideProgram = beside;
        places.userCopy = user;
        places.userCopyExists = c.userExists;
        places.besideProgramExists = c.besideExists;
        places.besideProgramWritable = c.besideWritable;
        EXPECT_EQ(parametersReadPath(places), c.read) << c.what;
        EXPECT_EQ(parametersSavePath(places), c.save) << c.what;
    }
    // Without a user configuration directory the program's folder is all there is.
    ParametersPlaces alone;
    alone.besideProgram = beside;
    EXPECT_EQ(parametersReadPath(alone), beside);
    EXPECT_EQ(parametersSavePath(alone), beside);
}

// English and Florida shipped beside the program in a folder the player cannot write: they are
// read, not taken for a first run, and saved as the player's own copy.
TEST(ParametersFile, SettingsInAReadOnlyProgramFolderBecomeTheUsersCopy) {
    testing::AsOrdinaryUser user;
    ScratchDir dir;
    const auto program = dir / "program";
    const auto config = dir / "config";
    std::filesystem::create_directory(program);
    ParameterRecord shipped;
    shipped.language = 2;
    shipped.gameType = 7;
    shipped.highestNumber = 50;
    ASSERT_TRUE(saveParameters(program / kParameterFileName, shipped));
    const auto shippedBytes = readBytes(program / kParameterFileName);
    testing::makeReadOnly(program);

    const ParametersPlaces places = findParametersPlaces(program, config);
    EXPECT_TRUE(places.besideProgramExists);
    EXPECT_FALSE(places.besideProgramWritable);
    EXPECT_FALSE(places.userCopyExists);
    const ParametersLoadResult loaded = loadParameters(parametersReadPath(places));
    EXPECT_EQ(loaded.outcome, ParametersLoad::Loaded);
    EXPECT_EQ(loaded.record, shipped);

    ParameterRecord changed = loaded.record;
    changed.gameType = 6;
    ASSERT_TRUE(saveParameters(places, changed));
    EXPECT_EQ(readBytes(program / kParameterFileName), shippedBytes);
    const ParametersPlaces next = findParametersPlaces(program, config);
    EXPECT_EQ(parametersReadPath(next), config / kParameterFileName);
    EXPECT_EQ(loadParameters(parametersReadPath(next)).record, changed);

    // A writable folder with a read-only file in it cannot take the save either.
    std::filesystem::permissions(program, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    testing::makeReadOnly(program / kParameterFileName);
    EXPECT_FALSE(findParametersPlaces(program, config).besideProgramWritable);
}

TEST(ParametersFile, FailedSaveReportsFailure) {
    ScratchDir dir;
    EXPECT_FALSE(saveParameters(dir / "missing" / kParameterFileName, ParameterRecord{}));
}

}  // namespace
}  // namespace norvex5
