#include "persistence/savedgame.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/readonlyfiles.h"
#include "support/scratchfiles.h"

namespace norvex5 {
namespace {

using testing::readBytes;
using testing::ScratchDir;
using testing::writeBytes;

SavedGameRecord sampleGame() {
    SavedGameRecord r;
    r.wheelListIndex = 3;
    r.states[1] = 2;
    r.states[17] = 1;
    r.states[50] = 1;
    r.states[52] = 1;
    r.states[70] = 2;
    r.reserved = 0x01020304;
    return r;
}

TEST(SavedGameFile, ByteLayout) {
    const SavedGameBytes bytes = encodeSavedGame(sampleGame());
    ASSERT_EQ(bytes.size(), 292u);
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.begin() + 8),
              (std::vector<unsigned char>{0x03, 'G', 'R', 'I', 3, 0, 0, 0}));
    // number n's state sits at 8 + 4 (n - 1)
    EXPECT_EQ(bytes[8], 2);
    EXPECT_EQ(bytes[8 + 16 * 4], 1);
    EXPECT_EQ(bytes[8 + 49 * 4], 1);
    EXPECT_EQ(bytes[8 + 51 * 4], 1);
    EXPECT_EQ(bytes[8 + 69 * 4], 2);
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin() + 288, bytes.end()), (std::vector<unsigned char>{4, 3, 2, 1}));

    SavedGameRecord none;
    const SavedGameBytes noWheel = encodeSavedGame(none);
    EXPECT_EQ(std::vector<unsigned char>(noWheel.begin() + 4, noWheel.begin() + 8),
              (std::vector<unsigned char>{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(SavedGameFile, SaveThenLoadGivesTheSameGame) {
    ScratchDir dir;
    const auto file = dir / "game.nv5";
    ASSERT_TRUE(saveSavedGame(file, sampleGame()));
    EXPECT_EQ(readBytes(file).size(), 292u);
    const auto result = loadSavedGame(file);
    ASSERT_EQ(result.outcome, SavedGameLoad::Loaded);
    EXPECT_EQ(result.record.wheelListIndex, 3);
    EXPECT_EQ(result.record.states, sampleGame().states);
    EXPECT_EQ(result.reserved, 0x01020304);
}

TEST(SavedGameFile, RefusalsSayWhy) {
    ScratchDir dir;
    const auto good = encodeSavedGame(sampleGame());
    EXPECT_EQ(loadSavedGame(dir / "absent.nv5").outcome, SavedGameLoad::Missing);

    writeBytes(dir / "short.nv5", std::vector<unsigned char>(good.begin(), good.end() - 1));
    EXPECT_EQ(loadSavedGame(dir / "short.nv5").outcome, SavedGameLoad::Unreadable);
    writeBytes(dir / "empty.nv5", {});
    EXPECT_EQ(loadSavedGame(dir / "empty.nv5").outcome, SavedGameLoad::Unreadable);
    std::filesystem::create_directory(dir / "folder.nv5");
    EXPECT_EQ(loadSavedGame(dir / "folder.nv5").outcome, SavedGameLoad::Unreadable);

    std::vector<unsigned char> bad(good.begin(), good.end());
    bad[0] = 4;  // length byte 4 followed by GRI and one more letter
    bad[4] = 'X';
    writeBytes(dir / "bad.nv5", bad);
    const auto refused = loadSavedGame(dir / "bad.nv5");
    EXPECT_EQ(refused.outcome, SavedGameLoad::BadSignature);
    EXPECT_TRUE(refused.reservedRead) << "the reserved field of a refused file still carries over";
    EXPECT_EQ(refused.reserved, 0x01020304);

    std::vector<unsigned char> lowercase(good.begin(), good.end());
    lowercase[1] = 'g';
    writeBytes(dir / "lower.nv5", lowercase);
    EXPECT_EQ(loadSavedGame(dir / "lower.nv5").outcome, SavedGameLoad::BadSignature);
}

// A named pipe nobody writes to: opening it to read waits for a writer.
TEST(SavedGameFile, NamedPipeIsRefusedWithoutWaitingForAWriter) {
    ScratchDir dir;
    const auto pipe = dir / "x.nv5";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // Should the loader open the pipe after all, a writer comes and goes after two seconds: the
    // test then fails instead of hanging.
    std::atomic<bool> loaded{false};
    std::atomic<bool> rescued{false};
    std::thread rescuer([&] {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (!loaded) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (std::chrono::steady_clock::now() < giveUp) continue;
            rescued = true;
            // Succeeds only once a reader waits in its open.
            const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
        }
    });
    const auto result = loadSavedGame(pipe);
    loaded = true;
    rescuer.join();
    EXPECT_FALSE(rescued) << "the loader waited on the pipe";
    EXPECT_EQ(result.outcome, SavedGameLoad::Unreadable);
    EXPECT_FALSE(result.reservedRead);
}

TEST(SavedGameFile, LongerFileLoadsItsFirstRecord) {
    ScratchDir dir;
    const auto good = encodeSavedGame(sampleGame());
    std::vector<unsigned char> bytes(good.begin(), good.end());
    bytes.insert(bytes.end(), 8, 0xEE);
    writeBytes(dir / "long.nv5", bytes);
    const auto result = loadSavedGame(dir / "long.nv5");
    ASSERT_EQ(result.outcome, SavedGameLoad::Loaded);
    EXPECT_EQ(result.record.states[1], 2);
    EXPECT_EQ(result.reserved, 0x01020304);
}

TEST(SavedGameFile, UnknownNumberStatesLoadAsFree) {
    ScratchDir dir;
    auto good = encodeSavedGame(sampleGame());
    good[8 + 4 * 4] = 3;         // number 5: state 3
    good[8 + 5 * 4 + 3] = 0xFF;  // number 6: a negative state
    writeBytes(dir / "odd.nv5", {good.begin(), good.end()});
    const auto result = loadSavedGame(dir / "odd.nv5");
    ASSERT_EQ(result.outcome, SavedGameLoad::Loaded);
    EXPECT_EQ(result.record.states[5], 0);
    EXPECT_EQ(result.record.states[6], 0);
    EXPECT_EQ(result.record.states[1], 2);
}

TEST(SavedGameFile, FailedSaveKeepsTheOldFile) {
    ScratchDir dir;
    EXPECT_FALSE(saveSavedGame(dir / "missing" / "g.nv5", sampleGame()));

    // An older game the player protected against writing: the save fails and it stays whole.
    testing::AsOrdinaryUser user;
    const auto file = dir / "g.nv5";
    SavedGameRecord older;
    older.wheelListIndex = 9;
    older.states[4] = 1;
    ASSERT_TRUE(saveSavedGame(file, older));
    const auto before = readBytes(file);
    testing::makeReadOnly(file);
    EXPECT_FALSE(saveSavedGame(file, sampleGame()));
    EXPECT_EQ(readBytes(file), before);
    EXPECT_EQ(testing::entries(dir.path()).size(), 1u);
}

}  // namespace
}  // namespace norvex5
