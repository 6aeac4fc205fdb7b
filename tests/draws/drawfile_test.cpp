#include "draws/drawfile.h"

#include <gtest/gtest.h>

#include "support/scratchfiles.h"

namespace norvex5::draws {
namespace {

using testing::ScratchDir;

constexpr int kHighest = 49;

std::string drawFile(const char* name) { return std::string(NORVEX5_TEST_DATA) + "/draws/" + name; }

struct ShapeCase {
    const char* file;
    const char* separator;
    int skip;
    int dateColumn;
    std::vector<int> numberColumns;
    std::vector<int> bonusColumns;
    int drawNumberColumn;
    DateOrder order;
};

DrawFileShape plainShape() {
    DrawFileShape shape;
    shape.separator = " ";
    shape.dateColumn = 1;
    shape.numberColumns = {2};
    return shape;
}

TEST(DrawFileShape, GuessesTheThreeShapesOperatorsPublish) {
    const ShapeCase cases[] = {
        {"semicolon-columns.csv", ";", 1, 3, {5, 6, 7, 8, 9}, {10}, 1, DateOrder::DayMonthYear},
        {"comma-one-field.csv", ",", 1, 1, {2}, {}, 0, DateOrder::MonthDayYear},
        {"plain-lines.txt", " ", 0, 1, {2}, {}, 0, DateOrder::YearMonthDay},
    };
    for (const ShapeCase& c : cases) {
        const DrawShapeGuess guess = guessDrawFileShape(drawFile(c.file), kHighest);
        ASSERT_EQ(guess.problem, DrawFileProblem::None) << c.file;
        const DrawFileShape& s = guess.shape;
        EXPECT_EQ(s.separator, c.separator) << c.file;
        EXPECT_EQ(s.linesToSkip, c.skip) << c.file;
        EXPECT_EQ(s.dateColumn, c.dateColumn) << c.file;
        EXPECT_EQ(s.numberColumns, c.numberColumns) << c.file;
        EXPECT_EQ(s.bonusColumns, c.bonusColumns) << c.file;
        EXPECT_EQ(s.drawNumberColumn, c.drawNumberColumn) << c.file;
        EXPECT_EQ(s.dateOrder, c.order) << c.file;
    }
}

TEST(DrawFileShape, ReadsEveryDrawOfTheThreeShapes) {
    const DrawShapeGuess semicolon = guessDrawFileShape(drawFile("semicolon-columns.csv"), kHighest);
    const DrawFileReading a = readDrawFile(drawFile("semicolon-columns.csv"), semicolon.shape, kHighest);
    ASSERT_TRUE(a.ok());
    EXPECT_EQ(a.draws.size(), 30u);
    EXPECT_TRUE(a.refused.empty());
    // "2024030;SAMEDI;09/03/2024;08/05/2024;39;7;36;12;35;6;..." on line 2.
    EXPECT_EQ(a.draws[0].line, 2);
    EXPECT_EQ(a.draws[0].date.iso(), "2024-03-09");
    EXPECT_EQ(a.draws[0].numbers, (std::array<int, 5>{39, 7, 36, 12, 35}));
    EXPECT_EQ(a.draws[0].bonus, std::vector<int>{6});
    EXPECT_EQ(a.draws[0].drawNumber, 2024030);

    const DrawShapeGuess comma = guessDrawFileShape(drawFile("comma-one-field.csv"), kHighest);
    const DrawFileReading b = readDrawFile(drawFile("comma-one-field.csv"), comma.shape, kHighest);
    ASSERT_TRUE(b.ok());
    EXPECT_EQ(b.draws.size(), 30u);
    EXPECT_EQ(b.draws[0].date.iso(), "2024-01-02");
    EXPECT_EQ(b.draws[0].numbers, (std::array<int, 5>{28, 5, 9, 12, 2}));

    const DrawShapeGuess plain = guessDrawFileShape(drawFile("plain-lines.txt"), kHighest);
    const DrawFileReading c = readDrawFile(drawFile("plain-lines.txt"), plain.shape, kHighest, 20);
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.draws.size(), 20u);  // the preview's first twenty
    EXPECT_EQ(c.draws[0].date.iso(), "2024-01-03");
    EXPECT_EQ(c.draws[0].numbers, (std::array<int, 5>{3, 12, 19, 25, 32}));
}

TEST(DrawFileReading, RefusesBadLinesByNumberAndReason) {
    ScratchDir dir;
    const std::string file = dir.file("bad.txt",
                                      "date;n1;n2;n3;n4;n5\n"
                                      "15/01/2024;1;2;3;4;5\n"
                                      "\n"
                                      "16/01/2024;1;2;3;4;5;6\n"    // six numbers
                                      "17/01/2024;0;2;3;4;5\n"      // 0
                                      "18/01/2024;1;2;3;4;99\n"     // 99
                                      "19/01/2024;7;2;3;7;5\n"      // a number twice
                                      "31/02/2024;1;2;3;4;5\n"      // no such day
                                      "yesterday;1;2;3;4;5\n"       // no date at all
                                      "20/01/2024;1;2;x;4;5\n"      // a number that is not one
                                      "21/01/2024;1;2;3;4\n"        // four numbers
                                      "15/01/2024;1;2;3;4;5\n"      // the same draw again
                                      "15/01/2024;1;2;3;4;6\n"      // another draw, same date
                                      "22/01/2024;10;20;30;40;49\n");
    const DrawShapeGuess guess = guessDrawFileShape(file, kHighest);
    ASSERT_EQ(guess.problem, DrawFileProblem::None);
    const DrawFileReading reading = readDrawFile(file, guess.shape, kHighest);
    ASSERT_TRUE(reading.ok());
    ASSERT_EQ(reading.draws.size(), 2u) << ::testing::PrintToString(reading.refused);
    EXPECT_EQ(reading.draws[1].date.iso(), "2024-01-22");
    EXPECT_EQ(reading.repeatedLines, 1);
    using R = RefusalReason;
    EXPECT_EQ(reading.refused, (std::vector<RefusedLine>{{4, R::NotFiveNumbers},
                                                         {5, R::NumberOutOfRange},
                                                         {6, R::NumberOutOfRange},
                                                         {7, R::NumberTwice},
                                                         {8, R::NotADate},
                                                         {9, R::NotADate},
                                                         {10, R::NotFiveNumbers},
                                                         {11, R::NotFiveNumbers},
                                                         {13, R::DateTwice}}));
}

// A line that is no draw at all among the first draws (a year's heading, a note at the end of a
// short file) is one refused line: the draws above it stay draws, not header lines.
TEST(DrawFileShape, AStrayLineAmongTheFirstDrawsIsRefusedNotTakenForHeader) {
    ScratchDir dir;
    const std::string headed = dir.file("headed.txt",
                                        "Datum;Z1;Z2;Z3;Z4;Z5\n"
                                        "2026-11-01;1;2;3;4;5\n"
                                        "2026-11-04;7;8;9;10;11\n"
                                        "2026-11-07;7;8;9;10;12\n"
                                        "Jahr 2025\n"
                                        "2025-12-01;1;2;3;4;6\n"
                                        "2025-12-04;7;8;9;10;16\n"
                                        "2025-12-07;7;8;9;10;17\n"
                                        "2025-12-09;7;8;9;10;18\n");
    const std::string noted =
        dir.file("noted.txt", "2026-11-01;1;2;3;4;5\n2026-11-04;7;8;9;10;11\nSource: the operator\n");
    for (const auto& [file, header, draws, stray] : {std::tuple{headed, 1, 7u, 5}, std::tuple{noted, 0, 2u, 3}}) {
        const DrawShapeGuess guess = guessDrawFileShape(file, kHighest);
        ASSERT_EQ(guess.problem, DrawFileProblem::None) << file;
        EXPECT_EQ(guess.shape.linesToSkip, header) << file;
        const DrawFileReading reading = readDrawFile(file, guess.shape, kHighest);
        ASSERT_TRUE(reading.ok()) << file;
        EXPECT_EQ(reading.draws.size(), draws) << file;
        EXPECT_EQ(reading.draws.front().date.iso(), "2026-11-01") << file;
        ASSERT_EQ(reading.refused.size(), 1u) << file;
        EXPECT_EQ(reading.refused[0].line, stray) << file;
    }
}

TEST(DrawFileReading, DatesDecideTheirOrderFromTheWholeFileOrAsk) {
    ScratchDir dir;
    // Thirty lines whose days and months are all 12 or less, then one with day 13: the order shows
    // only after the lines a guess looks at.
    std::string lines;
    for (int k = 1; k <= 30; ++k) lines += "0" + std::to_string(1 + k % 9) + "/0" + std::to_string(1 + k / 10) + "/2023 1 2 3 4 " + std::to_string(5 + k) + "\n";
    const std::string late = dir.file("late.txt", lines + "13/05/2023 1 2 3 4 5\n");
    DrawShapeGuess guess = guessDrawFileShape(late, kHighest);
    ASSERT_EQ(guess.problem, DrawFileProblem::None);
    EXPECT_EQ(guess.shape.dateOrder, DateOrder::Undecided);
    DrawFileReading reading = readDrawFile(late, guess.shape, kHighest);
    ASSERT_TRUE(reading.ok());
    EXPECT_EQ(reading.dateOrder, DateOrder::DayMonthYear);
    EXPECT_EQ(reading.draws[0].date.iso(), "2023-01-02");

    // Nothing tells: the caller asks, then reads in the order chosen.
    const std::string undecided = dir.file("undecided.txt", lines);
    guess = guessDrawFileShape(undecided, kHighest);
    reading = readDrawFile(undecided, guess.shape, kHighest);
    EXPECT_EQ(reading.problem, DrawFileProblem::DatesUndecided);
    EXPECT_TRUE(reading.draws.empty());
    guess.shape.dateOrder = DateOrder::MonthDayYear;
    reading = readDrawFile(undecided, guess.shape, kHighest);
    ASSERT_TRUE(reading.ok());
    EXPECT_EQ(reading.draws[0].date.iso(), "2023-02-01");
}

TEST(DrawFileReading, FilesWithoutDrawsSayWhy) {
    ScratchDir dir;
    EXPECT_EQ(guessDrawFileShape(dir.file("empty.txt", ""), kHighest).problem, DrawFileProblem::NoDraw);
    EXPECT_EQ(guessDrawFileShape(dir.file("words.txt", "no draws here\njust words\n"), kHighest).problem,
              DrawFileProblem::NoDraw);
    // A wheel file is boards, not draws: no dates.
    EXPECT_EQ(guessDrawFileShape(dir.file("wheel.txt", "1 2 3 4 5\n1 2 3 4 6\n"), kHighest).problem,
              DrawFileProblem::NoDraw);
    const std::string binary = dir.file("picture.jpg", std::string("\xff\xd8\xff\xe0\0\x10JFIF\0\x01\x02", 14) + "2024-01-03 1-2-3-4-5\n");
    EXPECT_EQ(guessDrawFileShape(binary, kHighest).problem, DrawFileProblem::NotText);
    EXPECT_EQ(readDrawFile(binary, plainShape(), kHighest).problem, DrawFileProblem::NotText);
    const DrawShapeGuess missing = guessDrawFileShape((dir.path() / "missing.csv").string(), kHighest);
    EXPECT_EQ(missing.problem, DrawFileProblem::Unreadable);
    EXPECT_NE(missing.readerError.find("missing.csv"), std::string::npos);
    EXPECT_EQ(readDrawFile(dir.file("e.txt", ""), plainShape(), kHighest).problem,
              DrawFileProblem::NoDraw);
}

TEST(DrawFileReading, OversizedFilesAndLinesAreRefusedWithTheirLimit) {
    ScratchDir dir;
    const std::string good = "2024-01-03 3-12-19-25-32\n2024-01-06 1-2-3-4-5\n";
    // A long line far down the file: the guess saw only the first lines, the reading refuses.
    std::string many;
    for (int day = 1; day <= 28; ++day) many += "2023-02-" + std::string(day < 10 ? "0" : "") + std::to_string(day) + " 1-2-3-4-5\n";
    many += many;
    const std::string late = dir.file("late.txt", many + std::string(kMaxDrawLineLength + 1, '7') + "\n" + good);
    const DrawShapeGuess guessed = guessDrawFileShape(late, kHighest);
    ASSERT_EQ(guessed.problem, DrawFileProblem::None);
    const DrawFileReading reading = readDrawFile(late, guessed.shape, kHighest);
    EXPECT_EQ(reading.problem, DrawFileProblem::LineTooLong);
    EXPECT_EQ(reading.problemLine, 57);
    EXPECT_TRUE(reading.draws.empty()) << "a refused file hands over no draw";
    EXPECT_EQ(describeProblem(reading.problem, "", reading.problemLine),
              "line 57 is longer than 4096 bytes, too long for a draw");
    // A line just at the limit is still read.
    const std::string padded = "2024-01-03 3-12-19-25-32";
    const std::string atLimit = dir.file("limit.txt", padded + std::string(kMaxDrawLineLength - padded.size(), ' ') + "\n");
    EXPECT_EQ(readDrawFile(atLimit, plainShape(), kHighest).draws.size(), 1u);

    const DrawShapeGuess early = guessDrawFileShape(dir.file("early.txt", std::string(5000, 'x') + "\n" + good), kHighest);
    EXPECT_EQ(early.problem, DrawFileProblem::LineTooLong);
    EXPECT_EQ(early.problemLine, 1);

    // Size alone refuses, before a byte is read: a sparse file costs no disk.
    const auto huge = dir / "huge.txt";
    dir.file("huge.txt", good);
    std::filesystem::resize_file(huge, kMaxDrawFileBytes + 1);
    EXPECT_EQ(guessDrawFileShape(huge.string(), kHighest).problem, DrawFileProblem::TooLarge);
    EXPECT_EQ(readDrawFile(huge.string(), plainShape(), kHighest).problem, DrawFileProblem::TooLarge);
    EXPECT_NE(describeProblem(DrawFileProblem::TooLarge, "").find("64 MiB"), std::string::npos);
}

TEST(DrawDates, OnlyDaysOfTheCalendar) {
    using O = DateOrder;
    const struct {
        const char* text;
        DateOrder order;
        const char* read;
    } cases[] = {
        {"29/02/2024", O::DayMonthYear, "2024-02-29"},
        {"29/02/2023", O::DayMonthYear, "no such day"},
        {"29/02/2100", O::DayMonthYear, "no such day"},
        {"29/02/2000", O::DayMonthYear, "2000-02-29"},
        {"31/04/2024", O::DayMonthYear, "no such day"},
        {"12/31/2024", O::MonthDayYear, "2024-12-31"},
        {"12/31/2024", O::DayMonthYear, "no such day"},
        {" 2024-1-3 ", O::YearMonthDay, "2024-01-03"},
        {"3.1.2024", O::DayMonthYear, "2024-01-03"},
        {"2024-01-03", O::DayMonthYear, "no such day"},
        {"03/01/24", O::DayMonthYear, "not written as a date"},
        {"03/01-2024", O::DayMonthYear, "not written as a date"},
        {"2024-01-03 3-12-19-25-32", O::YearMonthDay, "not written as a date"},
    };
    for (const auto& c : cases) {
        const auto written = readWrittenDate(c.text);
        const auto date = written ? calendarDate(*written, c.order) : std::nullopt;
        const std::string read = !written ? "not written as a date" : date ? date->iso() : "no such day";
        EXPECT_EQ(read, c.read) << c.text;
    }
}

}  // namespace
}  // namespace norvex5::draws
