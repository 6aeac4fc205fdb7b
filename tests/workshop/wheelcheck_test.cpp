#include "workshop/wheelcheck.h"

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "core/wheelcatalogue.h"
#include "support/scratchfiles.h"
#include "support/wheelfiles.h"
#include "support/randomwheel.h"

namespace norvex5::workshop {
namespace {

using testing::randomWheel;

unsigned maskOf(const Board& board) {
    unsigned mask = 0;
    for (auto n : board) mask |= 1u << n;
    return mask;
}

// The obvious method: every h numbers against every board.
struct BruteForce {
    std::array<std::array<std::int64_t, 6>, 6> best{};
    std::array<std::array<std::int64_t, 6>, 6> boardsHolding{};  // summed over the h-subsets
    std::vector<std::vector<unsigned>> holes;                    // [t * 6 + m]: hole masks, ascending

    explicit BruteForce(const Wheel& wheel) : holes(36) {
        const int v = wheel.numbers;
        for (unsigned draw = 0; draw < (1u << v); ++draw) {
            const int h = __builtin_popcount(draw);
            if (h > 5) continue;
            int top = 0;
            for (const Board& board : wheel.boards) {
                const int j = __builtin_popcount(draw & maskOf(board));
                top = std::max(top, j);
                ++boardsHolding[h][j];
            }
            ++best[h][top];
            for (int t = 1; t <= h; ++t)
                if (top < t) holes[t * 6 + h].push_back(draw);
        }
    }
};

// Ascending members of a mask compare with the check's lexicographic order through this key.
std::vector<std::uint8_t> members(unsigned mask) {
    std::vector<std::uint8_t> c;
    for (int n = 0; n < 32; ++n)
        if (mask >> n & 1) c.push_back(static_cast<std::uint8_t>(n));
    return c;
}

TEST(GuaranteeCheck, AgreesWithBruteForceOnRandomWheels) {
    std::mt19937 random(13);
    for (int round = 0; round < 40; ++round) {
        const int v = 5 + round % 9;  // 5..13
        const Wheel wheel = randomWheel(random, v, 1 + round % 7 * 3);
        const BruteForce brute(wheel);
        const CoverageIndex index(wheel);
        const auto profile = coverageProfile(index);
        ASSERT_TRUE(profile);
        EXPECT_EQ(profile->best, brute.best) << "round " << round;
        for (int m = 1; m <= 5; ++m)
            for (int t = 1; t <= m; ++t) {
                std::vector<std::vector<std::uint8_t>> expected;
                for (unsigned mask : brute.holes[t * 6 + m]) expected.push_back(members(mask));
                std::sort(expected.begin(), expected.end());
                const GuaranteeReport report = checkGuarantee(index, {t, m}, expected.size() + 1);
                EXPECT_EQ(report.firstHoles, expected) << "round " << round << " " << t << " if " << m;
                EXPECT_EQ(report.holes, static_cast<std::int64_t>(expected.size()));
                EXPECT_EQ(profile->holes({t, m}), report.holes);
                EXPECT_EQ(report.subsets, binomial(v, m));
            }
    }
}

TEST(GuaranteeCheck, FirstHolesStopAtTheLimitButTheCountDoesNot) {
    std::mt19937 random(5);
    const Wheel wheel = randomWheel(random, 12, 4);
    const CoverageIndex index(wheel);
    const GuaranteeReport report = checkGuarantee(index, {3, 3}, 5);
    ASSERT_GT(report.holes, 5);
    EXPECT_EQ(report.firstHoles.size(), 5u);
    EXPECT_DOUBLE_EQ(report.coveredShare, double(220 - report.holes) / 220.0);
    EXPECT_LT(report.firstHoles[0], report.firstHoles[1]);
}

TEST(WinTable, AgreesWithBruteForceOverEveryDraw) {
    std::mt19937 random(29);
    for (int round = 0; round < 12; ++round) {
        const int v = 6 + round;  // 6..17
        const Wheel wheel = randomWheel(random, v, 2 + round);
        const BruteForce brute(wheel);
        const auto profile = coverageProfile(CoverageIndex(wheel));
        ASSERT_TRUE(profile);
        const WinTable table = winTable(*profile, 49);
        double drawTotal = 0;
        for (int h = 0; h <= 5; ++h) {
            drawTotal += table.drawShare[h];
            const double subsets = double(binomial(v, h));
            double shareTotal = 0;
            for (int j = 0; j <= h; ++j) {
                EXPECT_NEAR(table.bestShare[h][j], double(brute.best[h][j]) / subsets, 1e-12);
                EXPECT_NEAR(table.expectedBoards[h][j], double(brute.boardsHolding[h][j]) / subsets, 1e-9)
                    << "v " << v << " h " << h << " j " << j;
                shareTotal += table.bestShare[h][j];
            }
            EXPECT_NEAR(shareTotal, 1.0, 1e-12);
        }
        EXPECT_NEAR(drawTotal, 1.0, 1e-12);
    }
}

TEST(WinTable, DrawSharesAreHypergeometric) {
    const auto wheel = builtInWheel(1);  // six numbers
    ASSERT_TRUE(wheel);
    const WinTable table = winTable(*coverageProfile(CoverageIndex(*wheel)), 49);
    EXPECT_DOUBLE_EQ(table.drawShare[5], 6.0 / 1906884.0);
    EXPECT_DOUBLE_EQ(table.drawShare[0], double(binomial(43, 5)) / 1906884.0);
    // The wheel keeps "4 if 4": given four drawn among the six, the best board always holds four.
    EXPECT_DOUBLE_EQ(table.bestShare[4][4], 1.0);
}

TEST(GuaranteeCheck, EveryBuiltInWheelKeepsWhatItPromises) {
    for (int w = 1; w <= kWheelCount; ++w) {
        const WheelRecord* record = wheelRecord(w);
        const auto wheel = builtInWheel(w);
        ASSERT_TRUE(wheel);
        ASSERT_EQ(wheel->numbers, record->numberCount);
        const Guarantee promised{record->guarantee, record->condition};
        const CoverageIndex index(*wheel);
        EXPECT_EQ(checkGuarantee(index, promised).holes, 0) << "wheel " << w;
        EXPECT_TRUE(coverageProfile(index)->keeps(promised));
        // and not more than it promises: one more matched number is not guaranteed
        if (promised.t < promised.m) {
            EXPECT_GT(checkGuarantee(index, {promised.t + 1, promised.m}).holes, 0) << "wheel " << w;
        }
    }
    EXPECT_FALSE(builtInWheel(0));
    EXPECT_FALSE(builtInWheel(9));
}

TEST(GuaranteeCheck, StopsWhenAskedTo) {
    std::mt19937 random(3);
    const CoverageIndex index(randomWheel(random, 40, 50));
    int calls = 0;
    EXPECT_FALSE(coverageProfile(index, [&](double done) {
        EXPECT_GT(done, 0.0);
        EXPECT_LE(done, 1.0);
        return ++calls < 3;
    }));
    EXPECT_EQ(calls, 3);
}

std::string data(const std::string& name) { return std::string(NORVEX5_TEST_DATA) + "/wheels/" + name; }

ExternalWheel fileWheel(const std::string& name, std::string separator = " ", int skip = 0) {
    return testing::wheelOf(name, std::move(separator), skip);
}

TEST(WheelFiles, TheIncompleteCoveringHasExactlyOneHundredHoles) {
    const WheelFileReading reading = readWheelFile(fileWheel(data("pdo_C12-5-4_b79_INCOMPLETE.res")), 12);
    ASSERT_TRUE(reading.ok()) << describeProblem(reading, 12);
    EXPECT_TRUE(reading.numberedFromZero);
    EXPECT_EQ(reading.wheel.boards.size(), 79u);
    const GuaranteeReport report = checkGuarantee(CoverageIndex(reading.wheel), {4, 4});
    EXPECT_EQ(report.holes, 100);
    EXPECT_EQ(report.subsets, 495);
}

TEST(WheelFiles, RealFilesKeepTheirGuarantees) {
    struct Case {
        const char* name;
        int v;
        Guarantee g;
        std::size_t boards;
        const char* separator;
        int skip;
        bool fromZero;
    };
    const Case cases[] = {
        {"pdo_C13-5-3_b34.res", 13, {3, 3}, 34, " ", 0, true},
        {"pdo_C17-5-3_b68.res", 17, {3, 3}, 68, " ", 0, true},
        {"pdo_L18-5-3if4_b49.res", 18, {3, 4}, 49, " ", 0, true},
        {"pdo_L13-5-4if5_b50.res", 13, {4, 5}, 50, " ", 0, true},
        {"pdo_L14-5-3if4_b90_dupblocks.res", 14, {3, 4}, 90, " ", 0, true},
        {"cov64_C16-5-3_b67.txt", 16, {3, 3}, 67, " ", 0, false},
    };
    for (const Case& c : cases) {
        const WheelFileReading reading = readWheelFile(fileWheel(data(c.name), c.separator, c.skip), c.v);
        ASSERT_TRUE(reading.ok()) << c.name << ": " << describeProblem(reading, c.v);
        EXPECT_EQ(reading.numberedFromZero, c.fromZero) << c.name;
        EXPECT_EQ(reading.wheel.boards.size(), c.boards) << c.name;
        const auto profile = coverageProfile(CoverageIndex(reading.wheel));
        EXPECT_TRUE(profile->keeps(c.g)) << c.name;
        EXPECT_FALSE(profile->keeps({c.g.t + 1, c.g.m})) << c.name;
    }
}

TEST(WheelFiles, BadInputIsNamedWithTheBoardThatShowsIt) {
    testing::ScratchDir dir;
    struct Case {
        const char* text;
        WheelFileProblem problem;
        std::int64_t board;
        std::int32_t number;
    };
    const Case cases[] = {
        {"1;2;3;4;5\r\n1;2;3;4;9\r\n", WheelFileProblem::OutOfRange, 2, 9},
        {"1;2;3;4;5\r\n0;2;3;4;8\r\n", WheelFileProblem::OutOfRange, 2, 8},  // counts from 0: 0..7
        {"1;2;3;4;-5\r\n", WheelFileProblem::OutOfRange, 1, -5},
        {"1;2;3;4;5\r\n1;2;2;4;5\r\n", WheelFileProblem::RepeatedNumber, 2, 2},
        {"1;2;3;4;5\r\n1;2;x;4;5;6\r\n", WheelFileProblem::TooFewNumbers, 2, 4},
        {"1;2;3;4\r\n", WheelFileProblem::TooFewNumbers, 1, 4},
        {"\r\n  \r\n", WheelFileProblem::NoBoards, 0, 0},
        {"title\r\n", WheelFileProblem::NoBoards, 0, 0},  // the one line is skipped
    };
    int k = 0;
    for (const Case& c : cases) {
        const std::string name = dir.file("w" + std::to_string(k++) + ".txt", c.text);
        const WheelFileReading reading = readWheelFile(
            fileWheel(name, ";", c.problem == WheelFileProblem::NoBoards && std::string(c.text) == "title\r\n"), 8);
        EXPECT_EQ(reading.problem, c.problem) << c.text;
        EXPECT_EQ(reading.board, c.board) << c.text;
        EXPECT_EQ(reading.number, c.number) << c.text;
        EXPECT_TRUE(reading.wheel.boards.empty()) << c.text;
        EXPECT_FALSE(describeProblem(reading, 8).empty());
    }
    const WheelFileReading missing = readWheelFile(fileWheel((dir / "none.txt").string()), 8);
    EXPECT_EQ(missing.problem, WheelFileProblem::Unreadable);
    EXPECT_NE(describeProblem(missing, 8).find("none.txt"), std::string::npos);
}

TEST(WheelFiles, TheNumberingGivenIsTheOneRead) {
    const std::string name = data("pdo_C13-5-3_b34.res");
    ExternalWheel file = fileWheel(name);
    file.numberedFromZero = true;
    const WheelFileReading fromZero = readWheelFileAsNumbered(file, 13);
    ASSERT_TRUE(fromZero.ok()) << describeProblem(fromZero, 13);
    EXPECT_EQ(fromZero.wheel.boards, readWheelFile(fileWheel(name), 13).wheel.boards);
    EXPECT_EQ(fromZero.wheel.boards[0], (Board{0, 2, 3, 4, 5}));
    // The user said the numbers start at 1: the 0 of the first board is no number of the wheel.
    file.numberedFromZero = false;
    const WheelFileReading fromOne = readWheelFileAsNumbered(file, 13);
    EXPECT_EQ(fromOne.problem, WheelFileProblem::OutOfRange);
    EXPECT_EQ(fromOne.board, 1);
    EXPECT_EQ(fromOne.number, 0);
    EXPECT_EQ(describeProblem(fromOne, 13), "board 1 holds the number 0, below 1");
    // And a file of 1..16 read from 0 runs over 16.
    ExternalWheel ones = fileWheel(data("cov64_C16-5-3_b67.txt"));
    ones.numberedFromZero = true;
    EXPECT_EQ(readWheelFileAsNumbered(ones, 16).problem, WheelFileProblem::OutOfRange);
    EXPECT_TRUE(readWheelFileAsNumbered(ones, 17).ok());
}

TEST(WheelFiles, FieldsAreReadAsEveryPassReadsThem) {
    testing::ScratchDir dir;
    // A header skipped, blanks around numbers trimmed, grid B fields after the fifth ignored.
    const std::string name = dir.file("w.csv", "n1,n2,n3,n4,n5\r\n 8, 1,2 ,3,4,9,9\r\n\r\n1,2,3,4,5\r\n");
    const WheelFileReading reading = readWheelFile(fileWheel(name, ",", 1), 8);
    ASSERT_TRUE(reading.ok()) << describeProblem(reading, 8);
    EXPECT_FALSE(reading.numberedFromZero);
    ASSERT_EQ(reading.wheel.boards.size(), 2u);
    EXPECT_EQ(reading.wheel.boards[0], (Board{0, 1, 2, 3, 7}));
    EXPECT_EQ(reading.wheel.boards[1], (Board{0, 1, 2, 3, 4}));
    EXPECT_EQ(wheelFileText(reading.wheel), "1;2;3;4;8\r\n1;2;3;4;5\r\n");
}

TEST(WheelFiles, AReplacedWheelIsTheSameWheelOverThePlayedNumbers) {
    const Wheel wheel = *builtInWheel(5);  // 13 numbers, "3 if 5"
    ReplacementMap map = identityReplacementMap();
    for (int n = 1; n <= 13; ++n) map[n] = 50 - 3 * n;  // 47, 44, ..., 11: reversed order
    const auto played = playedWheel(wheel, map);
    ASSERT_TRUE(played);
    EXPECT_EQ(played->played.front(), 11);
    EXPECT_EQ(played->played.back(), 47);
    // Board 1-2-4-7-13 is played as 47, 44, 38, 29, 11: the positions of those among 11, 14, ..., 47.
    EXPECT_EQ(played->wheel.boards[0], (Board{0, 6, 9, 11, 12}));
    EXPECT_EQ(coverageProfile(CoverageIndex(played->wheel))->best, coverageProfile(CoverageIndex(wheel))->best);
    map[2] = map[1];
    EXPECT_FALSE(playedWheel(wheel, map));
    map[2] = 0;
    EXPECT_FALSE(playedWheel(wheel, map));
}

TEST(WheelFiles, AFileIsPlayedOverTheNumbersItHolds) {
    testing::ScratchDir dir;
    // Numbers up to 9: a wheel over 9, played as the boxes say (1 as 20, the rest as written).
    ExternalWheel file = fileWheel(dir.file("w.txt", "1;2;3;4;9\r\n2;3;4;5;6\r\n"), ";", 0);
    file.map = identityReplacementMap();
    file.map[1] = 20;
    const PlayedWheelFile check = playedWheelFile(file, 50);
    ASSERT_TRUE(check.played) << check.problem;
    EXPECT_EQ(check.played->wheel.numbers, 9);
    EXPECT_EQ(check.played->played, (std::vector<std::int32_t>{2, 3, 4, 5, 6, 7, 8, 9, 20}));
    EXPECT_EQ(check.played->wheel.boards[0], (Board{0, 1, 2, 7, 8}));
    // A file of fewer numbers than a board is still a wheel over five.
    EXPECT_EQ(playedWheelFile(fileWheel(dir.file("few.txt", "1;2;3;4;5\r\n"), ";", 0), 50).played->wheel.numbers, 5);
    // Boxes that spoil the boards: refused, with nothing wrong in the file to name.
    file.map[2] = 20;
    const PlayedWheelFile spoilt = playedWheelFile(file, 50);
    EXPECT_FALSE(spoilt.played);
    EXPECT_EQ(spoilt.problem, "");
    // A bad file: refused, and the reading says why.
    const PlayedWheelFile bad = playedWheelFile(fileWheel(dir.file("bad.txt", "1;2;2;4;5\r\n"), ";", 0), 50);
    EXPECT_FALSE(bad.played);
    EXPECT_EQ(bad.problem, describeProblem(readWheelFile(fileWheel((dir / "bad.txt").string(), ";", 0), 50), 50));
}

TEST(Limits, OutOfRangeCountsAndGuaranteesAreRefused) {
    EXPECT_FALSE(checkLimitsProblem(5, {1, 1}));
    EXPECT_FALSE(checkLimitsProblem(50, {5, 5}));
    EXPECT_TRUE(checkLimitsProblem(4, {2, 2}));
    EXPECT_TRUE(checkLimitsProblem(51, {2, 2}));
    EXPECT_TRUE(checkLimitsProblem(10, {3, 6}));
    EXPECT_TRUE(checkLimitsProblem(10, {4, 3}));
    EXPECT_TRUE(checkLimitsProblem(10, {0, 3}));
    EXPECT_TRUE(generatorLimitsProblem(10, {1, 3}));
    EXPECT_FALSE(generatorLimitsProblem(10, {2, 3}));
}

}  // namespace
}  // namespace norvex5::workshop
