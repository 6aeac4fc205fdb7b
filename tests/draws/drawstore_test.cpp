#include "draws/drawstore.h"

#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "support/readonlyfiles.h"
#include "support/scratchfiles.h"

namespace norvex5::draws {
namespace {

using testing::ScratchDir;

constexpr int kGame = 1;
constexpr int kHighest = 49;

DrawFileReading readDataFile(const char* name) {
    const std::string file = std::string(NORVEX5_TEST_DATA) + "/draws/" + name;
    return readDrawFile(file, guessDrawFileShape(file, kHighest).shape, kHighest);
}

DrawRecord draw(const char* iso, std::array<int, 5> numbers) {
    DrawRecord d;
    d.date = *isoDate(iso);
    d.numbers = numbers;
    return d;
}

// Draws on consecutive days from 1950 on, to make an import long enough to be caught halfway.
std::vector<DrawRecord> manyDraws(int count) {
    std::vector<DrawRecord> draws;
    CalendarDate date{1950, 1, 1};
    for (int k = 0; k < count; ++k) {
        draws.push_back(draw(date.iso().c_str(), {1 + k % 40, 42, 43, 44, 45}));
        if (++date.day > 28) {
            date.day = 1;
            if (++date.month > 12) {
                date.month = 1;
                ++date.year;
            }
        }
    }
    return draws;
}

TEST(DrawStore, ImportsTheThreeShapesOnceEach) {
    ScratchDir dir;
    DrawStore store(dir / "data" / "draws.sqlite");
    ASSERT_TRUE(store.available());
    EXPECT_EQ(store.opening(), StoreOpening::Created);
    for (const char* name : {"semicolon-columns.csv", "comma-one-field.csv", "plain-lines.txt"}) {
        const DrawFileReading reading = readDataFile(name);
        ASSERT_TRUE(reading.ok()) << name;
        const ImportResult first = store.import(kGame, reading.draws);
        ASSERT_TRUE(first.ok()) << name;
        EXPECT_EQ(first.added + first.alreadyThere + static_cast<std::int64_t>(first.conflicts.size()), 30) << name;
        // The same file again adds nothing.
        const ImportResult second = store.import(kGame, reading.draws);
        EXPECT_EQ(second.added, 0) << name;
        EXPECT_EQ(second.alreadyThere, first.added + first.alreadyThere) << name;
    }
    const std::vector<DrawRecord> stored = store.draws(kGame);
    EXPECT_EQ(static_cast<std::int64_t>(stored.size()), store.count(kGame));
    for (std::size_t k = 1; k < stored.size(); ++k) EXPECT_GT(stored[k - 1].date, stored[k].date);
    // The semicolon file's newest draw keeps its draw number and its lucky number.
    const auto march9 = store.draws(kGame, isoDate("2024-03-09"), isoDate("2024-03-09"));
    ASSERT_EQ(march9.size(), 1u);
    EXPECT_EQ(march9[0].numbers, (std::array<int, 5>{39, 7, 36, 12, 35}));
    EXPECT_EQ(march9[0].bonus, std::vector<int>{6});
    EXPECT_EQ(march9[0].drawNumber, 2024030);
    // Other game types keep their own draws.
    EXPECT_EQ(store.count(kGame + 1), 0);
}

TEST(DrawStore, AddsRemovesAndKeepsPricesPerGameType) {
    ScratchDir dir;
    const auto file = dir / "draws.sqlite";
    {
        DrawStore store(file);
        EXPECT_EQ(store.add(kGame, draw("2024-05-01", {1, 2, 3, 4, 5})).added, 1);
        EXPECT_EQ(store.add(kGame, draw("2024-05-04", {6, 7, 8, 9, 10})).added, 1);
        // Another draw on a stored date is refused, the stored one kept.
        DrawRecord other = draw("2024-05-01", {1, 2, 3, 4, 6});
        other.line = 7;
        const ImportResult clash = store.add(kGame, other);
        EXPECT_EQ(clash.added, 0);
        EXPECT_EQ(clash.conflicts, (std::vector<RefusedLine>{{7, RefusalReason::DateTwice}}));
        PrizeTable prizes;
        prizes.boardPrice = 220;
        prizes.prize = {0, 0, 480, 2010, 50000, 100000000};
        EXPECT_EQ(store.setPrizes(kGame, prizes), StoreFailure::None);
    }
    DrawStore reopened(file);
    EXPECT_EQ(reopened.opening(), StoreOpening::Opened);
    EXPECT_EQ(reopened.lastDraw(kGame)->date.iso(), "2024-05-04");
    EXPECT_EQ(reopened.prizes(kGame).prize[4], 50000);
    EXPECT_EQ(reopened.prizes(kGame + 1), PrizeTable{});
    EXPECT_EQ(reopened.remove(kGame, *isoDate("2024-05-04")), StoreFailure::None);
    EXPECT_EQ(reopened.lastDraw(kGame)->numbers, (std::array<int, 5>{1, 2, 3, 4, 5}));
}

TEST(DrawStore, AnImportTellsNewStoredAndClashingDrawsInAnyOrder) {
    ScratchDir dir;
    DrawStore store(dir / "draws.sqlite");
    ASSERT_EQ(store.add(kGame, draw("2024-05-01", {1, 2, 3, 4, 5})).added, 1);
    ASSERT_EQ(store.add(kGame, draw("2024-05-08", {6, 7, 8, 9, 10})).added, 1);
    std::vector<DrawRecord> given = {draw("2024-05-15", {11, 12, 13, 14, 15}), draw("2024-05-01", {1, 2, 3, 4, 5}),
                                     draw("2024-05-04", {16, 17, 18, 19, 20}), draw("2024-05-04", {16, 17, 18, 19, 21}),
                                     draw("2024-05-08", {6, 7, 8, 9, 11}),     draw("2024-04-27", {21, 22, 23, 24, 25})};
    for (std::size_t k = 0; k < given.size(); ++k) given[k].line = static_cast<std::int64_t>(k) + 2;
    const ImportResult result = store.import(kGame, given);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.added, 3);
    EXPECT_EQ(result.alreadyThere, 1);
    EXPECT_EQ(result.conflicts,
              (std::vector<RefusedLine>{{5, RefusalReason::DateTwice}, {6, RefusalReason::DateTwice}}));
    EXPECT_EQ(store.draws(kGame, isoDate("2024-05-04"), isoDate("2024-05-04")).at(0).numbers,
              (std::array<int, 5>{16, 17, 18, 19, 20}));
    EXPECT_EQ(store.count(kGame), 5);

    // A draw the history cannot hold spoils the import whole.
    std::vector<DrawRecord> spoilt = manyDraws(120);
    spoilt[77].numbers[2] = 0;
    const ImportResult refused = store.import(kGame, spoilt);
    EXPECT_EQ(refused.failure, StoreFailure::Other);
    EXPECT_EQ(refused.added, 0);
    EXPECT_EQ(store.count(kGame), 5);
}

TEST(DrawStore, ADamagedFileIsSetAsideAndANewOneStarted) {
    const std::string notes = "this is not a database, but someone's notes\n" + std::string(5000, 'x');
    for (const std::string& damaged : {notes, std::string("SQLite format 3") + '\0' + notes}) {
        ScratchDir dir;
        const auto file = dir / "draws.sqlite";
        dir.file("draws.sqlite", damaged);
        DrawStore store(file);
        EXPECT_EQ(store.opening(), StoreOpening::DamagedSetAside) << store.detail();
        ASSERT_TRUE(store.available());
        EXPECT_EQ(store.add(kGame, draw("2024-05-01", {1, 2, 3, 4, 5})).added, 1);
        // Kept beside the new store, byte for byte.
        EXPECT_EQ(store.setAside().parent_path(), dir.path());
        EXPECT_TRUE(testing::readAll(store.setAside()) == damaged);
        EXPECT_NE(describeOpening(store).find(store.setAside().string()), std::string::npos);
    }
}

TEST(DrawStore, AReadOnlyFolderLeavesTheProgramWithoutHistory) {
    ScratchDir dir;
    testing::AsOrdinaryUser ordinaryUser;
    const auto folder = dir / "readonly";
    std::filesystem::create_directories(folder);
    testing::makeReadOnly(folder);
    DrawStore store(folder / "draws.sqlite");
    EXPECT_EQ(store.opening(), StoreOpening::FolderNotWritable);
    EXPECT_FALSE(store.available());
    EXPECT_TRUE(store.draws(kGame).empty());
    EXPECT_EQ(store.add(kGame, draw("2024-05-01", {1, 2, 3, 4, 5})).failure, StoreFailure::Unavailable);
    EXPECT_NE(describeOpening(store).find("without"), std::string::npos);
    EXPECT_TRUE(testing::entries(folder).empty());
}

TEST(DrawStore, ADatabaseHeldByAnotherProgramChangesNothing) {
    ScratchDir dir;
    const auto file = dir / "draws.sqlite";
    DrawStore store(file, 50);
    ASSERT_EQ(store.add(kGame, draw("2024-05-01", {1, 2, 3, 4, 5})).added, 1);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    const ImportResult held = store.import(kGame, manyDraws(10));
    EXPECT_EQ(held.failure, StoreFailure::InUse);
    EXPECT_EQ(held.added, 0);
    EXPECT_NE(describeFailure(held.failure, held.detail).find("nothing was changed"), std::string::npos);
    // Reading goes on meanwhile.
    EXPECT_EQ(store.count(kGame), 1);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(store.import(kGame, manyDraws(10)).added, 10);
}

TEST(DrawStore, AnImportKilledHalfwayLeavesTheStoreAsItWas) {
    ScratchDir dir;
    const auto file = dir / "draws.sqlite";
    {
        DrawStore store(file);
        ASSERT_EQ(store.add(kGame, draw("2024-05-01", {1, 2, 3, 4, 5})).added, 1);
    }
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The child imports and, a few thousand rows in, says so and waits to be killed.
        DrawStore store(file);
        store.import(kGame, manyDraws(20000), [&](std::int64_t rows) {
            if (rows >= 5 * DrawStore::kProgressStep) {
                const char byte = 1;
                if (write(ready[1], &byte, 1) != 1) _exit(3);
                for (;;) pause();
            }
            return true;
        });
        _exit(2);  // only reached when the import never got that far
    }
    close(ready[1]);
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    close(ready[0]);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));

    DrawStore store(file);
    EXPECT_EQ(store.opening(), StoreOpening::Opened);
    EXPECT_EQ(store.count(kGame), 1);
    EXPECT_EQ(store.import(kGame, manyDraws(20000)).added, 20000);
}

TEST(DrawStore, FieldsHoldingSqlAreOnlyData) {
    ScratchDir dir;
    // Other columns of an operator's file hold what the player's file holds, SQL included: the
    // draws go in, the text goes nowhere, and the table is whole afterwards.
    const std::string file = dir.file("draws.csv",
                                      "date;n1;n2;n3;n4;n5;comment\n"
                                      "13/01/2024;3;12;19;25;32;'); DROP TABLE draws; --\n"
                                      "16/01/2024;1;2;3;4;5;\"; DELETE FROM draws WHERE 1=1; --\n"
                                      "20/01/2024;7;8;9;10;11;x' OR '1'='1\n");
    const auto guess = guessDrawFileShape(file, kHighest);
    ASSERT_EQ(guess.problem, DrawFileProblem::None);
    const auto reading = readDrawFile(file, guess.shape, kHighest);
    ASSERT_EQ(reading.draws.size(), 3u);
    DrawStore store(dir / "draws.sqlite");
    EXPECT_EQ(store.import(kGame, reading.draws).added, 3);
    EXPECT_EQ(store.import(kGame, reading.draws).alreadyThere, 3);
    EXPECT_EQ(store.count(kGame), 3);
    EXPECT_EQ(store.lastDraw(kGame)->numbers, (std::array<int, 5>{7, 8, 9, 10, 11}));
}

TEST(DrawStore, StoppedImportAddsNothing) {
    ScratchDir dir;
    DrawStore store(dir / "draws.sqlite");
    const ImportResult stopped = store.import(kGame, manyDraws(3000), [](std::int64_t rows) { return rows < 2000; });
    EXPECT_EQ(stopped.failure, StoreFailure::Stopped);
    EXPECT_EQ(store.count(kGame), 0);
}

TEST(DrawStore, LivesInTheXdgDataHome) {
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_DATA_HOME", "/somewhere/data", 1);
    EXPECT_EQ(defaultDrawStoreFile(), std::filesystem::path("/somewhere/data/Norvex5/draws.sqlite"));
    // A relative value is to be ignored, as the XDG rules say.
    setenv("XDG_DATA_HOME", "relative", 1);
    setenv("HOME", std::getenv("HOME") ? std::getenv("HOME") : "/home/someone", 1);
    EXPECT_EQ(defaultDrawStoreFile(), std::filesystem::path(std::getenv("HOME")) / ".local/share/Norvex5/draws.sqlite");
    if (old)
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace norvex5::draws
