#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "externalwheels/fileshape.h"
#include "support/scratchfiles.h"
#include "support/wheelfiles.h"
#include "textfiles/textfilereader.h"

namespace norvex5 {
namespace {

using testing::ScratchDir;

std::string dataWheel(const char* name) { return std::string(NORVEX5_TEST_DATA) + "/wheels/" + name; }

void expectShape(const std::string& file, const char* separator, int skip) {
    const std::optional<FileShape> shape = guessFileShape(file);
    ASSERT_TRUE(shape.has_value()) << file;
    EXPECT_EQ(shape->separator, separator) << file;
    EXPECT_EQ(shape->linesToSkip, skip) << file;
}

TEST(FileShape, GuessesTheSharedWheelFiles) {
    // Blank-separated with a trailing blank, no header, CR LF or LF.
    for (const char* name : {"pdo_C13-5-3_b34.res", "pdo_C15-5-3_b55.res", "pdo_C17-5-3_b68.res", "pdo_C17-5-2_b27.res",
                             "pdo_L18-5-3if4_b49.res", "pdo_L13-5-4if5_b50.res", "pdo_L14-5-3if4_b90_dupblocks.res",
                             "pdo_C12-5-4_b79_INCOMPLETE.res"})
        expectShape(dataWheel(name), " ", 0);
    expectShape(dataWheel("cov64_C16-5-3_b67.txt"), " ", 0);
    // Bracketed boards split by commas, and five numbers run together: no separator on offer
    // makes five numbers of them.
    EXPECT_FALSE(guessFileShape(dataWheel("ljcr_C16-5-3_b65_json-fragment.txt")).has_value());
    for (const char* name :
         {"alw_11440066.LS5", "alw_20350032.LS5", "alw_31446780.LS5", "alw_36330878.LS5", "alw_36455091.LS5"})
        EXPECT_FALSE(guessFileShape(dataWheel(name)).has_value()) << name;
}

TEST(FileShape, FindsTheHeaderAndTheSeparator) {
    ScratchDir dir;
    expectShape(dir.file("a.csv", "\nTitle\nmade by hand; 2024\n\n1;2;3;4;5\n6;7;8;9;10\n"), ";", 2);
    // Blanks around the numbers are trimmed, as the replaced preview does.
    expectShape(dir.file("b.csv", "n1,n2,n3,n4,n5\r\n1, 2,3 ,4,5\r\n"), ",", 1);
    // Grid B numbers after the five do not matter.
    expectShape(dir.file("c.txt", "1 2 3 4 5 1 2\n"), " ", 0);
    // Every sampled line must read as a board, not only the first: a short line is taken for a
    // header.
    expectShape(dir.file("d.txt", "1;2;3;4;5\n6;7;8\n1;2;3;4;5\n"), ";", 2);
    EXPECT_FALSE(guessFileShape(dir.file("e.txt", "")).has_value());
    EXPECT_FALSE(guessFileShape(dir.file("f.txt", "1;2;3\n4;5;6\n")).has_value());
    EXPECT_FALSE(guessFileShape((dir.path() / "missing.txt").string()).has_value());
    // More than twenty header lines: nothing is guessed.
    std::string header;
    for (int k = 0; k < 21; ++k) header += "header\n";
    EXPECT_FALSE(guessFileShape(dir.file("g.txt", header + "1 2 3 4 5\n")).has_value());
    expectShape(dir.file("h.txt", header.substr(7) + "1 2 3 4 5\n"), " ", 20);
}

using testing::wheelOf;

TEST(FileShape, RefusesWhatCannotBeAWheel) {
    ScratchDir dir;
    EXPECT_EQ(checkWheelFile(wheelOf(dir.file("ok.txt", "x\n1;2;3;4;5\nA;B;C\n"), ";", 1)).problem,
              WheelFileProblem::None);
    EXPECT_EQ(
        checkWheelFile(wheelOf(dir.file("bin.jpg", std::string("\xff\xd8\xff\xe0\0\x10JFIF\0", 11)), ";")).problem,
        WheelFileProblem::NotText);
    // A picture whose first line ends at a Ctrl-Z reads as one line of letters: no board.
    EXPECT_EQ(
        checkWheelFile(wheelOf(dir.file("bin.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)), ";")).problem,
        WheelFileProblem::TooFewNumbers);
    EXPECT_EQ(checkWheelFile(wheelOf(dir.file("nul.txt", std::string("1;2;3;4;5\n1;2\0;3;4;5\n", 21)), ";")).problem,
              WheelFileProblem::NotText);
    // A Ctrl-Z at the end of a text file, as old editors wrote it, is no sign of a binary file.
    EXPECT_EQ(checkWheelFile(wheelOf(dir.file("dos.txt", "1;2;3;4;5\r\n\x1a"), ";")).problem, WheelFileProblem::None);
    // Nor is what follows it: the reader never gets there.
    EXPECT_EQ(checkWheelFile(wheelOf(dir.file("padded.txt", std::string("1;2;3;4;5\r\n\x1a\0\0\x01\xff\0", 17)), ";"))
                  .problem,
              WheelFileProblem::None);
    EXPECT_EQ(checkWheelFile(wheelOf(dir.file("empty.txt", ""), ";")).problem, WheelFileProblem::NoBoard);
    EXPECT_EQ(checkWheelFile(wheelOf(dir.file("header.txt", "title\n\n"), ";", 1)).problem, WheelFileProblem::NoBoard);
    EXPECT_EQ(checkWheelFile(wheelOf(dir.file("short.txt", "1;2;3\n4;5;6\n"), ";")).problem,
              WheelFileProblem::TooFewNumbers);
    // The right file read with the wrong separator.
    EXPECT_EQ(checkWheelFile(wheelOf(dir.file("blank.txt", "1 2 3 4 5\n"), ";")).problem,
              WheelFileProblem::TooFewNumbers);

    const WheelFileCheck missing = checkWheelFile(wheelOf((dir.path() / "gone.txt").string(), ";"));
    EXPECT_EQ(missing.problem, WheelFileProblem::Unreadable);
    EXPECT_NE(missing.error.find("gone.txt"), std::string::npos);
    EXPECT_EQ(checkWheelFile(wheelOf("", ";")).problem, WheelFileProblem::Unreadable);
    // One line longer than the reader takes.
    const std::string huge(TextFileReader::kMaxLineLength + 10, '1');
    EXPECT_EQ(checkWheelFile(wheelOf(dir.file("long.txt", huge), ";")).problem, WheelFileProblem::Unreadable);
}

TEST(FileShape, TheNumbersAFileUses) {
    ScratchDir dir;
    // Grid A numbers of fields 1..5 and grid B numbers of fields 6..7, as far as a box stands
    // for them; a header skipped, letters and big numbers left out.
    ExternalWheel wheel = wheelOf(dir.file("w.txt", "title 0\n1;2;3;4;5;9;1\n7; x;50;51;-1;10;0\n"), ";", 1);
    UsedWheelNumbers used = usedWheelNumbers(wheel);
    ASSERT_TRUE(used.pass.ok);
    EXPECT_FALSE(used.zeroWritten);
    EXPECT_FALSE(numbersStartAtZero(wheel));
    std::vector<int> gridA;
    for (int n = 0; n <= 50; ++n)
        if (used.gridA[static_cast<std::size_t>(n)]) gridA.push_back(n);
    EXPECT_EQ(gridA, (std::vector<int>{1, 2, 3, 4, 5, 7, 50}));
    std::vector<int> gridB;
    for (int m = 0; m <= 9; ++m)
        if (used.gridB[static_cast<std::size_t>(m)]) gridB.push_back(m);
    EXPECT_EQ(gridB, (std::vector<int>{1, 9}));

    // A 0 in the first five fields of any board, even the last, makes a file numbered from 0;
    // in a header or a grid B field it does not.
    EXPECT_TRUE(numbersStartAtZero(wheelOf(dir.file("z.txt", "1 2 3 4 5\n6 7 8 9 10\n1 2 0 4 5\n"), " ")));
    EXPECT_FALSE(numbersStartAtZero(wheelOf(dir.file("b.txt", "0\n1 2 3 4 5 0 0\n"), " ", 1)));
    // Read numbered from 0, a 49 is wheel number 50 and a 50 has no box.
    wheel = wheelOf(dir.file("z49.txt", "0 1 2 3 49\n0 1 2 3 50\n"), " ");
    EXPECT_TRUE(numbersStartAtZero(wheel));
    wheel.numberedFromZero = true;
    used = usedWheelNumbers(wheel);
    EXPECT_TRUE(used.zeroWritten);
    EXPECT_TRUE(used.gridA[1] && used.gridA[4] && used.gridA[50]);
    EXPECT_FALSE(used.gridA[0] || used.gridA[5]);
    EXPECT_TRUE(numbersStartAtZero(wheel)) << "the rule looks at the numbers as written";
    EXPECT_FALSE(usedWheelNumbers(wheelOf((dir.path() / "gone.txt").string(), " ")).pass.ok);
}

// The cache answers as a fresh read does: for the same file as it stands, and again after the
// file, its shape or its numbering changed; a file that cannot be read is never taken as read.
TEST(FileShape, TheNumbersAFileUsesAreReadAgainOnlyWhenSomethingChanged) {
    ScratchDir dir;
    UsedWheelNumbersCache cache;
    const std::string name = dir.file("w.txt", "1 2 3 4 5\n");
    ExternalWheel wheel = wheelOf(name, " ");
    EXPECT_TRUE(cache.numbersOf(wheel).gridA[5]);
    EXPECT_FALSE(cache.numbersOf(wheel).gridA[6]);

    // Another size: read again.
    dir.file("w.txt", "1 2 3 4 5\n1 2 3 4 16\n");
    EXPECT_TRUE(cache.numbersOf(wheel).gridA[16]);
    // The same size, written later: read again.
    std::filesystem::last_write_time(name, std::filesystem::last_write_time(name) - std::chrono::hours(1));
    EXPECT_TRUE(cache.numbersOf(wheel).gridA[16]);
    dir.file("w.txt", "1 2 3 4 5\n1 2 3 4 17\n");
    EXPECT_TRUE(cache.numbersOf(wheel).gridA[17]);
    EXPECT_FALSE(cache.numbersOf(wheel).gridA[16]);

    // Another numbering or header count changes the answer.
    wheel.numberedFromZero = true;
    EXPECT_TRUE(cache.numbersOf(wheel).gridA[18]);
    wheel.linesToSkip = 1;
    EXPECT_FALSE(cache.numbersOf(wheel).gridA[6]);
    EXPECT_TRUE(cache.numbersOf(wheel).gridA[18]);

    std::filesystem::remove(name);
    EXPECT_FALSE(cache.numbersOf(wheel).pass.ok);
}

}  // namespace
}  // namespace norvex5
