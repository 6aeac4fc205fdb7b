// Every writer killed at random points of its work, a hundred times each: what is left on disk is
// always the old file or a new one, whole; the draw store opens with every draw it had.

#include <gtest/gtest.h>

#include <string>

#include "draws/drawstore.h"
#include "library/libraryaddition.h"
#include "output/listexport.h"
#include "persistence/parameters.h"
#include "persistence/savedgame.h"
#include "support/killedchild.h"
#include "support/scratchfiles.h"

namespace norvex5 {
namespace {

using namespace std::chrono_literals;
using testing::killWhileWriting;
using testing::RandomDelays;
using testing::readAll;
using testing::ScratchDir;

constexpr int kKills = 100;

// Kills `write` (which alternates between writing `versions[1]` and `versions[2]` over `target`)
// kKills times; `versions[0]` is the file before the first kill. Each survivor must be one of them.
void expectOnlyWholeVersions(const std::filesystem::path& target, const std::string (&versions)[3],
                             const std::function<void(long)>& write, std::chrono::microseconds longest) {
    RandomDelays delays(longest);
    for (int kill = 0; kill < kKills; ++kill) {
        ASSERT_TRUE(killWhileWriting(write, delays.next())) << "kill " << kill;
        const std::string left = readAll(target);
        ASSERT_TRUE(left == versions[0] || left == versions[1] || left == versions[2])
            << "kill " << kill << " left " << left.size() << " bytes that are no whole version";
    }
    // Killed after its first whole round, the child must have left a new version: otherwise it
    // never wrote at all and the kills above proved nothing.
    ASSERT_TRUE(killWhileWriting(write, 0us, 1));
    const std::string left = readAll(target);
    EXPECT_TRUE(left == versions[1] || left == versions[2]);
}

TEST(KilledWrites, SavedGameIsTheOldOrTheNewFile) {
    ScratchDir dir;
    const auto target = dir / "game.nv5";
    SavedGameRecord records[3];
    std::string versions[3];
    for (int k = 0; k < 3; ++k) {
        records[k].wheelListIndex = k;
        records[k].states[10 + k] = 1;
        ASSERT_TRUE(saveSavedGame(dir / "scratch.nv5", records[k]));
        versions[k] = readAll(dir / "scratch.nv5");
    }
    ASSERT_TRUE(saveSavedGame(target, records[0]));
    expectOnlyWholeVersions(
        target, versions, [&](long round) { saveSavedGame(target, records[1 + round % 2]); }, 3ms);
}

TEST(KilledWrites, ParametersAreTheOldOrTheNewFile) {
    ScratchDir dir;
    const auto target = dir / kParameterFileName;
    ParameterRecord records[3];
    std::string versions[3];
    for (int k = 0; k < 3; ++k) {
        records[k].language = 1 + k;
        records[k].horizontalOffset = -k;
        ASSERT_TRUE(saveParameters(dir / "scratch.par", records[k]));
        versions[k] = readAll(dir / "scratch.par");
    }
    ASSERT_TRUE(saveParameters(target, records[0]));
    expectOnlyWholeVersions(
        target, versions, [&](long round) { saveParameters(target, records[1 + round % 2]); }, 3ms);
}

TEST(KilledWrites, ExportIsTheOldOrTheNewList) {
    ScratchDir dir;
    // A wheel file long enough that a kill often lands in the middle of its export.
    std::string lines;
    for (int board = 0; board < 20000; ++board)
        lines += std::to_string(1 + board % 40) + ";42;43;44;45\r\n";
    ExternalWheel wheels[3];
    std::string versions[3];
    const auto target = dir / "list.txt";
    for (int k = 0; k < 3; ++k) {
        wheels[k].fileName = dir.file("wheel.txt", lines);
        wheels[k].separator = ";";
        wheels[k].map[42] = 46 + k;  // each version replaces one wheel number differently
        ASSERT_EQ(exportExternalList(wheels[k], dir / "scratch.txt").status, ExportStatus::Written);
        versions[k] = readAll(dir / "scratch.txt");
    }
    ASSERT_EQ(exportExternalList(wheels[0], target).status, ExportStatus::Written);
    expectOnlyWholeVersions(
        target, versions, [&](long round) { exportExternalList(wheels[1 + round % 2], target); }, 40ms);
}

// Every board of five of twenty numbers keeps "3 if 3"; so do those whose numbers add up to an even
// sum (any three numbers go with two more of either parity), about half as many.
workshop::Wheel everyBoardOfTwenty(bool evenSumsOnly) {
    workshop::Wheel wheel{20, {}};
    workshop::Board b{};
    for (b[0] = 0; b[0] < 20; ++b[0])
        for (b[1] = b[0] + 1; b[1] < 20; ++b[1])
            for (b[2] = b[1] + 1; b[2] < 20; ++b[2])
                for (b[3] = b[2] + 1; b[3] < 20; ++b[3])
                    for (b[4] = b[3] + 1; b[4] < 20; ++b[4])
                        if (!evenSumsOnly || (b[0] + b[1] + b[2] + b[3] + b[4]) % 2 == 0) wheel.boards.push_back(b);
    return wheel;
}

TEST(KilledWrites, LibraryAdditionLeavesNoWheelOrAWholeOneAndTheListingNoHalfFile) {
    ScratchDir dir;
    const library::LibraryClaim claim{20, {3, 3}};
    const workshop::Wheel larger = everyBoardOfTwenty(false), smaller = everyBoardOfTwenty(true);
    // The two files a kill may leave, made by the writer itself.
    const auto scratch = library::addToUserLibrary(dir / "scratch", larger, claim);
    ASSERT_EQ(scratch.outcome, library::LibraryAddition::Added) << scratch.reason;
    const std::string largerFile = readAll(scratch.file);
    const auto timed = std::chrono::steady_clock::now();
    ASSERT_EQ(library::addToUserLibrary(dir / "scratch", smaller, claim).outcome,
              library::LibraryAddition::ReplacedLarger);
    const std::string smallerFile = readAll(scratch.file);
    // Kills spread over a little more than one whole addition.
    const auto once = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - timed);
    RandomDelays delays(once + once / 2);

    const auto folder = dir / "Norvex5" / "library";
    const auto target = folder / library::libraryFileName(claim);
    for (int kill = 0; kill < kKills; ++kill) {
        // Half the kills find no folder yet, half the larger wheel there.
        std::filesystem::remove_all(dir / "Norvex5");
        if (kill % 2 == 1) {
            ASSERT_TRUE(library::addToUserLibrary(folder, larger, claim).added());
        }
        ASSERT_TRUE(killWhileWriting([&](long) { library::addToUserLibrary(folder, smaller, claim); }, delays.next()))
            << "kill " << kill;
        const bool there = std::filesystem::exists(target);
        const std::string left = there ? readAll(target) : std::string();
        ASSERT_TRUE(there ? left == smallerFile || (kill % 2 == 1 && left == largerFile) : kill % 2 == 0)
            << "kill " << kill << " left " << left.size() << " bytes that are no whole wheel";
        const library::LibraryFolder listed = library::readUserLibrary(folder);
        ASSERT_TRUE(listed.refused.empty()) << "kill " << kill << ": " << listed.refused.front().file;
        ASSERT_EQ(listed.wheels.size(), there ? 1u : 0u) << "kill " << kill;
    }
    // Killed after its first whole addition, the child must have left the smaller wheel:
    // otherwise it never wrote at all and the kills above proved nothing.
    std::filesystem::remove_all(dir / "Norvex5");
    ASSERT_TRUE(library::addToUserLibrary(folder, larger, claim).added());
    ASSERT_TRUE(killWhileWriting([&](long) { library::addToUserLibrary(folder, smaller, claim); }, 0us, 1));
    EXPECT_EQ(readAll(target), smallerFile);
}

// Fifty draws a round, on days no other round uses.
std::vector<draws::DrawRecord> roundOfDraws(long round) {
    std::vector<draws::DrawRecord> batch;
    for (int k = 0; k < 50; ++k) {
        const long day = round * 50 + k;
        draws::DrawRecord draw;
        draw.date = {static_cast<int>(1950 + day / 336), static_cast<int>(1 + day / 28 % 12),
                     static_cast<int>(1 + day % 28)};
        draw.numbers = {1 + k % 40, 42, 43, 44, 45};
        batch.push_back(draw);
    }
    return batch;
}

TEST(KilledWrites, DrawStoreKeepsEveryDrawItHadAndWholeImports) {
    ScratchDir dir;
    const auto file = dir / "draws.sqlite";
    constexpr int kGame = 1;
    {
        draws::DrawStore store(file);
        ASSERT_TRUE(store.available());
        ASSERT_EQ(store.import(kGame, roundOfDraws(0)).added, 50);
    }
    RandomDelays delays(60ms);
    std::int64_t count = 50;
    for (int kill = 0; kill < kKills; ++kill) {
        const long firstRound = count / 50;
        ASSERT_TRUE(killWhileWriting(
            [&](long round) {
                draws::DrawStore store(file);
                store.import(kGame, roundOfDraws(firstRound + round));
            },
            delays.next()))
            << "kill " << kill;
        draws::DrawStore store(file);
        ASSERT_EQ(store.opening(), draws::StoreOpening::Opened) << "kill " << kill << ": " << store.detail();
        const std::int64_t now = store.count(kGame);
        ASSERT_GE(now, count) << "kill " << kill << " lost draws";
        ASSERT_EQ(now % 50, 0) << "kill " << kill << " left part of an import";
        count = now;
    }
    // Every draw of every round that landed is there, the first ones included.
    draws::DrawStore store(file);
    const auto stored = store.draws(kGame);
    ASSERT_EQ(static_cast<std::int64_t>(stored.size()), count);
    EXPECT_EQ(stored.back().date, roundOfDraws(0).front().date);
    // Killed after its first whole import, the child must have added fifty draws: otherwise it
    // never imported at all and the kills above proved nothing.
    const long nextRound = count / 50;
    ASSERT_TRUE(killWhileWriting(
        [&](long round) {
            draws::DrawStore child(file);
            child.import(kGame, roundOfDraws(nextRound + round));
        },
        0us, 1));
    EXPECT_GE(draws::DrawStore(file).count(kGame), count + 50);
}

}  // namespace
}  // namespace norvex5
