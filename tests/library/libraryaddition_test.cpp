#include "library/libraryaddition.h"

#include <gtest/gtest.h>

#include "persistence/atomicfile.h"
#include "support/scratchfiles.h"
#include "workshop/filteredcheck.h"
#include "workshop/wheelcheck.h"
#include "workshop/wheelgenerator.h"

namespace norvex5::library {
namespace {

namespace fs = std::filesystem;
using testing::readAll;
using testing::ScratchDir;
using workshop::Board;
using workshop::Wheel;

// Seven numbers: one board keeps "3 if 5"; two boards keep it too, one more than needed.
const Wheel kOneBoard{7, {Board{0, 1, 2, 3, 4}}};
const Wheel kTwoBoards{7, {Board{0, 1, 2, 3, 4}, Board{2, 3, 4, 5, 6}}};
const LibraryClaim kThreeIfFive{7, {3, 5}};

TEST(LibraryAddition, MakesTheFolderAndTheListingReadsTheWheelBack) {
    ScratchDir dir;
    const fs::path folder = dir / "Norvex5" / "library";
    const auto added = addToUserLibrary(folder, kTwoBoards, kThreeIfFive);
    ASSERT_EQ(added.outcome, LibraryAddition::Added) << added.reason;
    EXPECT_EQ(added.file, folder / "7-numbers-3-if-5.txt");
    EXPECT_EQ(readAll(added.file), "1;2;3;4;5\r\n3;4;5;6;7\r\n");
    const LibraryFolder user = readUserLibrary(folder);
    ASSERT_EQ(user.wheels.size(), 1u);
    EXPECT_TRUE(user.refused.empty());
    EXPECT_EQ(user.wheels[0].kept, kThreeIfFive);
    EXPECT_EQ(user.wheels[0].boards, 2);
}

TEST(LibraryAddition, OnlyASmallerWheelReplacesTheOneThereAndSaysWhich) {
    ScratchDir dir;
    ASSERT_EQ(addToUserLibrary(dir.path(), kTwoBoards, kThreeIfFive).outcome, LibraryAddition::Added);
    const auto smaller = addToUserLibrary(dir.path(), kOneBoard, kThreeIfFive);
    EXPECT_EQ(smaller.outcome, LibraryAddition::ReplacedLarger);
    EXPECT_EQ(smaller.previousBoards, 2);
    EXPECT_EQ(readAll(smaller.file), "1;2;3;4;5\r\n");
    const auto larger = addToUserLibrary(dir.path(), kTwoBoards, kThreeIfFive);
    EXPECT_EQ(larger.outcome, LibraryAddition::KeptExisting);
    EXPECT_EQ(larger.previousBoards, 1);
    EXPECT_FALSE(larger.added());
    EXPECT_EQ(readAll(larger.file), "1;2;3;4;5\r\n");
}

TEST(LibraryAddition, WritesNothingForAWheelShortOfItsClaimOrOverAFileInTheWay) {
    ScratchDir dir;
    const auto short_ = addToUserLibrary(dir.path(), kOneBoard, {7, {4, 4}});
    EXPECT_EQ(short_.outcome, LibraryAddition::Failed);
    EXPECT_NE(short_.reason.find("4 if 4"), std::string::npos) << short_.reason;
    EXPECT_FALSE(fs::exists(short_.file));
    // The player's own file of that name, which is no wheel: left as it is.
    dir.file("7-numbers-3-if-5.txt", "my notes\n");
    const auto inTheWay = addToUserLibrary(dir.path(), kOneBoard, kThreeIfFive);
    EXPECT_EQ(inTheWay.outcome, LibraryAddition::Failed);
    EXPECT_FALSE(inTheWay.reason.empty());
    EXPECT_EQ(readAll(inTheWay.file), "my notes\n");
}

TEST(LibraryAddition, TellsTheSystemsReasonWhenTheFolderCannotBeMade) {
    ScratchDir dir;
    const fs::path notAFolder = dir.file("library", "x");
    const auto result = addToUserLibrary(notAFolder / "inside", kOneBoard, kThreeIfFive);
    EXPECT_EQ(result.outcome, LibraryAddition::Failed);
    EXPECT_TRUE(result.error);
    EXPECT_EQ(result.reason, result.error.message());
    EXPECT_EQ(result.file, notAFolder / "inside" / "7-numbers-3-if-5.txt");
}

TEST(LibraryAddition, TheListingSkipsWhatAKilledWriterLeftBehind) {
    ScratchDir dir;
    ASSERT_EQ(addToUserLibrary(dir.path(), kOneBoard, kThreeIfFive).outcome, LibraryAddition::Added);
    // Half a wheel in a writer's temporary file, and a player's file whose name only looks alike.
    dir.file("7-numbers-3-if-5.txt.tmp4242-123456789-0", "1;2;3;");
    dir.file("notes.tmp-to-read.txt", "1 2 3 4 5\n");
    EXPECT_TRUE(isUnfinishedWrite(dir / "7-numbers-3-if-5.txt.tmp4242-123456789-0"));
    EXPECT_FALSE(isUnfinishedWrite(dir / "notes.tmp-to-read.txt"));
    EXPECT_FALSE(isUnfinishedWrite(dir / "a.tmp12-3"));
    const LibraryFolder user = readUserLibrary(dir.path());
    ASSERT_EQ(user.wheels.size(), 2u);
    EXPECT_TRUE(user.refused.empty());
    for (const LibraryWheel& w : user.wheels) EXPECT_EQ(w.file.string().find(".tmp4242"), std::string::npos);
}

// Eight numbers 3..17 of a 49-number game under "odd=2-3": the wheel covers the triples some
// passing draw holds, and is listed only for those numbers under that filter.
class FilteredAddition : public ::testing::Test {
protected:
    FilterClaim claim{std::get<workshop::DrawFilter>(workshop::parseDrawFilter("odd=2-3,low=2-3", 49)), 49,
                      {3, 4, 5, 6, 9, 11, 30, 41}};
    Wheel wheel() const {
        workshop::GeneratorSettings settings;
        settings.numbers = 8;
        settings.guarantee = {3, 3};
        settings.seconds = 0;
        settings.maxMoves = 20000;
        settings.threads = 1;
        settings.needed = workshop::PassingDraws(claim.filter, {claim.highest, claim.played}).heldFlags(3);
        return workshop::generateWheel(settings).wheel;
    }
    ScratchDir dir;
};

TEST_F(FilteredAddition, TheFileSaysItsFilterAndTheCheckReadsItBack) {
    const Wheel made = wheel();
    ASSERT_FALSE(made.boards.empty());
    const auto added = addToUserLibrary(dir.path(), made, {8, {3, 3}}, claim);
    ASSERT_EQ(added.outcome, LibraryAddition::Added) << added.reason;
    EXPECT_EQ(added.file.filename(), "8-numbers-3-if-3-filtered-" + filterTag(claim) + ".txt");
    EXPECT_EQ(readAll(added.file).substr(0, 55), "# filter odd=2-3,low=2-3 highest 49 numbers 3 4 5 6 9 1");
    const auto checked = checkLibraryFile(added.file);
    ASSERT_TRUE(std::holds_alternative<LibraryWheel>(checked));
    const LibraryWheel& listed = std::get<LibraryWheel>(checked);
    EXPECT_EQ(listed.filter, claim);
    EXPECT_EQ(listed.boards, static_cast<std::int64_t>(made.boards.size()));
    const auto loaded = loadLibraryWheel(listed);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->boards, made.boards);

    // Offered for those numbers under that filter only; a plain wheel is offered under any.
    const std::vector<LibraryWheel> all{listed};
    EXPECT_EQ(fittingWheels(all, 8, 0, claim).size(), 1u);
    EXPECT_TRUE(fittingWheels(all, 8, 0).empty());
    FilterClaim otherNumbers = claim;
    otherNumbers.played.back() = 42;
    EXPECT_TRUE(fittingWheels(all, 8, 0, otherNumbers).empty());
    FilterClaim otherGame = claim;
    otherGame.highest = 50;
    EXPECT_TRUE(fittingWheels(all, 8, 0, otherGame).empty());
}

TEST_F(FilteredAddition, AFileWhoseFilterLineOrBoardsDoNotHoldIsRefused) {
    const Wheel made = wheel();
    const auto added = addToUserLibrary(dir.path(), made, {8, {3, 3}}, claim);
    ASSERT_TRUE(added.added()) << added.reason;
    std::string text = readAll(added.file);
    // Another filter on the first line than the name's tag says.
    std::string edited = text;
    edited.replace(edited.find("odd=2-3"), 7, "odd=1-3");
    dir.file(added.file.filename().string(), edited);
    auto checked = checkLibraryFile(added.file);
    ASSERT_TRUE(std::holds_alternative<LibraryRefusal>(checked));
    EXPECT_EQ(std::get<LibraryRefusal>(checked).problem, LibraryProblem::NotAWheel);
    // Its first board gone: a triple a passing draw holds is left without a board.
    std::string cut = text;
    const std::size_t firstBoard = cut.find('\n') + 1;
    cut.erase(firstBoard, cut.find('\n', firstBoard) + 1 - firstBoard);
    dir.file(added.file.filename().string(), cut);
    checked = checkLibraryFile(added.file);
    ASSERT_TRUE(std::holds_alternative<LibraryRefusal>(checked));
    EXPECT_EQ(std::get<LibraryRefusal>(checked).problem, LibraryProblem::ClaimNotKept);
    EXPECT_GT(std::get<LibraryRefusal>(checked).holes, 0);
    // A wheel that misses what the filter needs is never written.
    Wheel shortOfIt = made;
    shortOfIt.boards.erase(shortOfIt.boards.begin());
    EXPECT_EQ(addToUserLibrary(dir / "other", shortOfIt, {8, {3, 3}}, claim).outcome, LibraryAddition::Failed);
}

}  // namespace
}  // namespace norvex5::library
