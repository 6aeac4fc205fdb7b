#include <gtest/gtest.h>

#include "support/scratchfiles.h"
#include "workshop/toolrun.h"

namespace norvex5::workshop {
namespace {

// Two boards and four draws: one with all five, one with a single number, one with none, one
// with three numbers on both boards. Newest first, as operators list them.
struct Files {
    testing::ScratchDir dir;
    std::string wheel = dir.file("wheel.txt", "1;2;3;4;5\r\n1;2;3;4;6\r\n");
    std::string draws = dir.file("draws.txt",
                                 "2024-01-24 1-2-3-30-31\n"
                                 "2024-01-17 20-21-22-23-24\n"
                                 "2024-01-10 1-7-8-9-10\n"
                                 "2024-01-03 1-2-3-4-5\n");
};

TEST(WheelsToolBacktest, TotalsPerTierInPlainText) {
    Files f;
    const ToolRun r = run({"backtest", f.wheel, "--draws", f.draws, "--separator", ";", "--numbers", "6"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, f.wheel + ": 2 boards against 4 draws of " + f.draws +
                         " (2024-01-03 to 2024-01-24)\n"
                         "Best board    draws    boards holding it\n"
                         "  5 right         1                   1\n"
                         "  4 right         0                   1\n"
                         "  3 right         1                   2\n"
                         "  2 right         0                   0\n"
                         "  fewer           2\n");
    EXPECT_EQ(r.err, "");
}

TEST(WheelsToolBacktest, JsonGivesEveryDrawOldestFirst) {
    Files f;
    const ToolRun r = run({"backtest", f.wheel, "--draws", f.draws, "--separator", ";", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"boards\": 2, \"draws\": 4, \"tiers\": {\"5\": 1, \"4\": 0, \"3\": 1, \"2\": 0, \"fewer\": 2}, "
              "\"boards_holding\": {\"5\": 1, \"4\": 1, \"3\": 2, \"2\": 0}, \"per_draw\": ["
              "{\"date\": \"2024-01-03\", \"best\": 5, \"holding\": {\"5\": 1, \"4\": 1, \"3\": 0, \"2\": 0}}, "
              "{\"date\": \"2024-01-10\", \"best\": 1, \"holding\": {\"5\": 0, \"4\": 0, \"3\": 0, \"2\": 0}}, "
              "{\"date\": \"2024-01-17\", \"best\": 0, \"holding\": {\"5\": 0, \"4\": 0, \"3\": 0, \"2\": 0}}, "
              "{\"date\": \"2024-01-24\", \"best\": 3, \"holding\": {\"5\": 0, \"4\": 0, \"3\": 2, \"2\": 0}}], "
              "\"refused\": []}\n");
}

TEST(WheelsToolBacktest, RefusedDrawLinesAreNamedAndLeftOut) {
    Files f;
    const std::string draws = f.dir.file("bad.txt",
                                         "2024-01-03 1-2-3-4-5\n"
                                         "2024-01-10 1-2-3-4-5-6\n"
                                         "2024-02-31 1-2-3-4-5\n"
                                         "2024-01-17 0-2-3-4-5\n");
    const ToolRun r = run({"backtest", f.wheel, "--draws", draws, "--separator", ";", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"draws\": 1,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"refused\": [{\"line\": 2, \"reason\": \"not five numbers\"}, {\"line\": 3, \"reason\": "
                         "\"a date that is not a date\"}, {\"line\": 4, \"reason\": \"a number outside the game's "
                         "range\"}]"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.err.find(draws + " line 3 left out: a date that is not a date"), std::string::npos) << r.err;
}

TEST(WheelsToolBacktest, BadInputExitsWithTwoAndSaysWhy) {
    Files f;
    const std::string binary = f.dir.file("picture.jpg", std::string("\xff\xd8\xff\xe0\0\x10JFIF\0\x01\x02", 14));
    const std::string undecided = f.dir.file("undecided.csv", "01/02/2024;1;2;3;4;5\n02/03/2024;6;7;8;9;10\n");
    const std::string noDraws = f.dir.file("words.txt", "no draw here\n");
    struct Case {
        std::vector<std::string> args;
        std::string reason;
    } cases[] = {
        {{"backtest", f.wheel, "--draws", (f.dir.path() / "missing.txt").string(), "--separator", ";"}, "missing.txt"},
        {{"backtest", f.wheel, "--draws", binary, "--separator", ";"}, "not a text file"},
        {{"backtest", f.wheel, "--draws", noDraws, "--separator", ";"}, "no line holds a draw"},
        {{"backtest", f.wheel, "--draws", undecided, "--separator", ";"}, "month/day/year alike"},
        {{"backtest", f.wheel, "--draws", f.draws}, f.wheel},  // the wheel read with blanks: no boards
        {{"backtest", f.wheel, "--draws", f.draws, "--separator", ";", "--numbers", "5"}, "above"},
        {{"backtest", f.wheel, "--draws", f.draws, "--numbers", "51"}, "the numbers must be 5 to 50"},
        {{"backtest", f.wheel}, "--draws"},
    };
    for (const Case& c : cases) {
        const ToolRun r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.reason;
        EXPECT_EQ(r.out, "") << c.reason;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace norvex5::workshop
