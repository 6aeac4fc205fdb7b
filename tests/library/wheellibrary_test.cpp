#include "library/wheellibrary.h"

#include <gtest/gtest.h>

#include "support/scratchfiles.h"
#include "workshop/wheelcheck.h"

namespace norvex5::library {
namespace {

namespace fs = std::filesystem;

const fs::path kShipped = NORVEX5_SHIPPED_LIBRARY;

// Every shipped wheel keeps what its name says, checked as a dropped file of the user's is.
TEST(ShippedLibrary, EveryWheelKeepsWhatItsNameSays) {
    const LibraryFolder shipped = readShippedLibrary(kShipped);
    EXPECT_FALSE(shipped.unreadable);
    for (const LibraryWheel& w : shipped.wheels) {
        EXPECT_TRUE(w.shipped);
        const auto wheel = loadLibraryWheel(w);
        ASSERT_TRUE(wheel) << w.file;
        EXPECT_EQ(wheel->boardSize, w.kept.boardSize);
        EXPECT_EQ(static_cast<std::int64_t>(wheel->boards.size()), w.boards) << w.file;
        EXPECT_EQ(workshop::checkGuarantee(workshop::CoverageIndex(*wheel), w.kept.guarantee, 0).holes, 0) << w.file;
        EXPECT_TRUE(std::holds_alternative<LibraryWheel>(checkLibraryFile(w.file))) << w.file;
    }
}

// Every case the library promises: 6 to 30 numbers and each of the players' guarantees; beside one
// key number the boards of four that need a search, beside two the boards of three.
TEST(ShippedLibrary, HoldsEveryCase) {
    const LibraryFolder shipped = readShippedLibrary(kShipped);
    const auto holds = [&](const LibraryClaim& claim) {
        return std::any_of(shipped.wheels.begin(), shipped.wheels.end(),
                           [&](const LibraryWheel& w) { return w.kept == claim; });
    };
    for (int v = 6; v <= 30; ++v) {
        for (const workshop::Guarantee g : kPlayersGuarantees) EXPECT_TRUE(holds({v, g})) << libraryFileName({v, g});
        for (const workshop::Guarantee g : {workshop::Guarantee{2, 2}, {2, 3}, {2, 4}, {3, 3}, {3, 4}})
            EXPECT_TRUE(holds({v - 1, g, 4})) << libraryFileName({v - 1, g, 4});
        for (const workshop::Guarantee g : {workshop::Guarantee{2, 2}, {2, 3}})
            EXPECT_TRUE(holds({v - 2, g, 3})) << libraryFileName({v - 2, g, 3});
    }
}

TEST(ShippedLibrary, IsListedByNumbersThenTheStrongestGuarantee) {
    const LibraryFolder shipped = readShippedLibrary(kShipped);
    const auto six = std::find_if(shipped.wheels.begin(), shipped.wheels.end(),
                                  [](const LibraryWheel& w) { return w.kept.numbers == 6; });
    ASSERT_LE(six + 8, shipped.wheels.end());
    // The full boards first, then the shorter ones, each by the strength of their guarantee.
    EXPECT_EQ(six[0].file.filename(), "6-numbers-4-if-4.txt");
    EXPECT_EQ(six[1].file.filename(), "6-numbers-4-if-5.txt");
    EXPECT_EQ(six[6].file.filename(), "6-numbers-2-if-4.txt");
    EXPECT_EQ(six[7].file.filename(), "6-numbers-3-if-3-boards-of-4.txt");
    for (auto w = shipped.wheels.begin(); w != six; ++w) EXPECT_LT(w->kept.numbers, 6);
}

TEST(LibraryNames, SayWhatTheFileKeeps) {
    EXPECT_EQ(claimInFileName("/x/18-numbers-3-if-4.txt"), (LibraryClaim{18, {3, 4}, 5}));
    EXPECT_EQ(claimInFileName("11-numbers-2-if-2-boards-of-4.txt"), (LibraryClaim{11, {2, 2}, 4}));
    EXPECT_EQ(libraryFileName({11, {2, 2}, 4}), "11-numbers-2-if-2-boards-of-4.txt");
    EXPECT_EQ(libraryFileName({30, {4, 5}}), "30-numbers-4-if-5.txt");
    EXPECT_FALSE(claimInFileName("my wheel.txt"));
    EXPECT_FALSE(claimInFileName("18-numbers-4-if-3.txt"));  // t above m
    EXPECT_FALSE(claimInFileName("60-numbers-3-if-4.txt"));  // beyond any game
    EXPECT_FALSE(claimInFileName("10-numbers-4-if-4-boards-of-3.txt"));
}

TEST(UserLibrary, DroppedFilesAreCheckedAndListedWithTheirGuarantee) {
    testing::ScratchDir dir;
    // Seven numbers, "3 if 5": one board of five suffices.
    dir.file("7-numbers-3-if-5.txt", "1;2;3;4;5\r\n");
    // Named "4 if 4" but holding one board: a claim its boards do not keep.
    dir.file("7-numbers-4-if-4.txt", "1;2;3;4;5\r\n");
    dir.file("notes.txt", "my numbers for saturday\n");
    // No claim in the name: over the numbers it uses (counted from 0 here), the strongest kept.
    dir.file("from elsewhere.res", "0 1 2 3 4 \n0 1 2 5 6 \n3 4 5 6 0 \n1 2 3 4 5 \n");
    dir.file("repeat-7-numbers-2-if-3.txt", "1;1;2;3;4\n");
    const LibraryFolder user = readUserLibrary(dir.path());
    EXPECT_FALSE(user.unreadable);
    ASSERT_EQ(user.wheels.size(), 2u);
    // Both over seven numbers: the stronger guarantee first.
    const LibraryWheel& unnamed = user.wheels[0];
    const LibraryWheel& named = user.wheels[1];
    EXPECT_EQ(named.file.filename(), "7-numbers-3-if-5.txt");
    EXPECT_EQ(named.kept, (LibraryClaim{7, {3, 5}, 5}));
    EXPECT_FALSE(named.shipped);
    EXPECT_EQ(named.boards, 1);
    EXPECT_EQ(unnamed.file.filename(), "from elsewhere.res");
    EXPECT_EQ(unnamed.kept.numbers, 7);
    EXPECT_EQ(unnamed.boards, 4);
    // The strongest it keeps: every five of the seven meet a board in four, not every four.
    EXPECT_EQ(unnamed.kept.guarantee, (workshop::Guarantee{4, 5}));
    const auto unnamedWheel = loadLibraryWheel(unnamed);
    ASSERT_TRUE(unnamedWheel);
    const auto profile = workshop::coverageProfile(workshop::CoverageIndex(*unnamedWheel));
    EXPECT_TRUE(profile->keeps({4, 5}));
    EXPECT_FALSE(profile->keeps({4, 4}));
    ASSERT_EQ(user.refused.size(), 3u);
    // In the order of their names.
    EXPECT_EQ(user.refused[0].file.filename(), "7-numbers-4-if-4.txt");
    EXPECT_EQ(user.refused[0].problem, LibraryProblem::ClaimNotKept);
    EXPECT_EQ(user.refused[0].holes, 35 - 5);  // of the 35 fours of seven numbers, five lie on the board
    EXPECT_EQ(user.refused[1].file.filename(), "notes.txt");
    EXPECT_EQ(user.refused[1].problem, LibraryProblem::NotAWheel);
    EXPECT_EQ(user.refused[2].problem, LibraryProblem::NotAWheel);
    EXPECT_NE(user.refused[2].detail.find("twice"), std::string::npos) << user.refused[2].detail;
}

TEST(UserLibrary, AMissingFolderIsAnEmptyLibraryAndAFileInItsPlaceIsUnreadable) {
    testing::ScratchDir dir;
    const LibraryFolder missing = readUserLibrary(dir / "none");
    EXPECT_FALSE(missing.unreadable);
    EXPECT_TRUE(missing.wheels.empty());
    const LibraryFolder notAFolder = readUserLibrary(dir.file("library", "1;2;3;4;5\n"));
    EXPECT_TRUE(notAFolder.unreadable);
    EXPECT_FALSE(notAFolder.error.empty());
    EXPECT_TRUE(notAFolder.wheels.empty());
}

TEST(UserLibrary, ListedWithTheShippedWheelsInOneOrder) {
    testing::ScratchDir dir;
    dir.file("7-numbers-3-if-5.txt", "1;2;3;4;5\r\n");
    const auto all = allWheels(readShippedLibrary(kShipped), readUserLibrary(dir.path()));
    const auto mine = std::find_if(all.begin(), all.end(), [](const LibraryWheel& w) { return !w.shipped; });
    ASSERT_NE(mine, all.end());
    // Right after the shipped wheel of the same kind.
    ASSERT_NE(mine, all.begin());
    EXPECT_EQ((mine - 1)->kept, mine->kept);
    EXPECT_TRUE((mine - 1)->shipped);
}

}  // namespace
}  // namespace norvex5::library
