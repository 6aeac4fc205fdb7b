#include "workshop/cli/wheelstool.h"

#include <sys/wait.h>

#include <cstdlib>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/scratchfiles.h"
#include "workshop/filteredcheck.h"
#include "workshop/toolrun.h"
#include "workshop/wheelcheck.h"

namespace norvex5::workshop {
namespace {

std::string data(const std::string& name) { return std::string(NORVEX5_TEST_DATA) + "/wheels/" + name; }

TEST(WheelsToolCheck, AKeptGuaranteeExitsWithZeroAndSaysTheFileCountsFromZero) {
    const ToolRun r = run({"check", data("pdo_C13-5-3_b34.res"), "--numbers", "13", "--guarantee", "3", "--if", "3"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("34 boards over 13 numbers"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("counts from 0"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("3 if 3: kept"), std::string::npos) << r.out;
    EXPECT_EQ(r.err, "");
}

TEST(WheelsToolCheck, JsonOfAWheelWithHoles) {
    const std::string file = data("pdo_C12-5-4_b79_INCOMPLETE.res");
    const ToolRun r =
        run({"check", file, "--numbers", "12", "--guarantee", "4", "--if", "4", "--json", "--holes", "2"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out,
              "{\"file\": \"" + file +
                  "\", \"numbers\": 12, \"guarantee\": 4, \"if\": 4, \"boards\": 79, \"numbered_from\": 0, "
                  "\"holes\": 100, \"covered_share\": 0.797980, \"first_holes\": [[0, 1, 2, 5], [0, 1, 3, 11]]}\n");
    // The same holes the check finds, shown in the file's own numbering.
    const WheelFileReading reading = readWheelFile({file, " ", 0, identityReplacementMap()}, 12);
    const GuaranteeReport report = checkGuarantee(CoverageIndex(reading.wheel), {4, 4}, 2);
    EXPECT_EQ(report.firstHoles[1], (std::vector<std::uint8_t>{0, 1, 3, 11}));
}

// Scripts parse the answer: a file name with quotes, a tab or a byte that is not UTF-8 (an old
// single-byte name) still gives a document a JSON parser accepts, with the name readable in it.
TEST(WheelsToolCheck, JsonStaysValidWhateverTheFileIsCalled) {
    testing::ScratchDir dir;
    const std::string name = "say \"hi\"\\\tcaf\xe9.txt";
    const std::string file = dir.file(name, "1 2 3 4 5\r\n1 2 3 4 6\r\n");
    const ToolRun r = run({"check", file, "--numbers", "6", "--guarantee", "3", "--if", "3", "--json"});
    EXPECT_EQ(r.status, 1) << r.err;
    const auto document = nlohmann::json::parse(r.out, nullptr, false);
    ASSERT_FALSE(document.is_discarded()) << r.out;
    EXPECT_EQ(document["file"], (dir / "say \"hi\"\\\tcaf\xef\xbf\xbd.txt").string());
    EXPECT_EQ(document["first_holes"][0], nlohmann::json::array({1, 5, 6}));
}

TEST(WheelsToolCheck, AFileNumberedFromOneKeepsItsNumbersInTheHoles) {
    testing::ScratchDir dir;
    const std::string file = dir.file("w.csv", "a;b;c;d;e\r\n1;2;3;4;5\r\n1;2;3;4;6\r\n");
    const ToolRun r = run({"check", file, "--numbers", "6", "--guarantee", "3", "--if", "3", "--separator", ";",
                           "--skip", "1", "--json"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("\"numbered_from\": 1"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"holes\": 4"), std::string::npos) << r.out;  // {1,5,6}, {2,5,6}, {3,5,6}, {4,5,6}
    EXPECT_NE(r.out.find("\"first_holes\": [[1, 5, 6], [2, 5, 6], [3, 5, 6], [4, 5, 6]]"), std::string::npos) << r.out;
}

TEST(WheelsToolCheck, BadInputExitsWithTwoAndSaysWhyOnTheErrorStream) {
    testing::ScratchDir dir;
    const std::string empty = dir.file("empty.txt", "\r\n");
    const std::string c13 = data("pdo_C13-5-3_b34.res");
    const std::vector<std::vector<std::string>> cases = {
        {"check", (dir / "missing.txt").string(), "--numbers", "13", "--guarantee", "3", "--if", "3"},
        {"check", empty, "--numbers", "13", "--guarantee", "3", "--if", "3"},
        {"check", c13, "--numbers", "12", "--guarantee", "3", "--if", "3"},  // holds 12, above 0..11
        {"check", c13, "--numbers", "13", "--guarantee", "3", "--if", "3", "--separator", ";"},  // one field a line
        {"check", c13, "--numbers", "13", "--guarantee", "3", "--if", "3", "--separator", "ab"},
        {"check", c13, "--numbers", "51", "--guarantee", "3", "--if", "3"},
        {"check", c13, "--numbers", "13", "--guarantee", "4", "--if", "3"},
        {"check", c13, "--numbers", "13", "--guarantee", "3", "--if", "6"},
        {"check", c13, "--numbers", "13", "--guarantee", "3", "--if", "3", "--skip", "-1"},
        {"check", c13, "--numbers", "13", "--guarantee", "3", "--if", "3", "--holes", "-1"},
        {"check", c13, "--numbers", "x", "--guarantee", "3", "--if", "3"},
        {"check", c13, "--guarantee", "3", "--if", "3"},
        {"check", c13, "--numbers", "13", "--guarantee", "3", "--if", "3", "--colour", "red"},
        {"verify", c13},
        {},
    };
    for (const auto& args : cases) {
        const ToolRun r = run(args);
        std::string line;
        for (const auto& a : args) line += a + " ";
        EXPECT_EQ(r.status, 2) << line;
        EXPECT_EQ(r.out, "") << line;
        EXPECT_NE(r.err.find("norvex5-wheels: "), std::string::npos) << line;
    }
    EXPECT_NE(run(cases[0]).err.find("missing.txt"), std::string::npos);
    EXPECT_NE(run(cases[2]).err.find("board 22 holds the number 12, above 11"), std::string::npos) << run(cases[2]).err;
    EXPECT_NE(run(cases[3]).err.find("holds 0 numbers in its first five fields"), std::string::npos)
        << run(cases[3]).err;
}

TEST(WheelsToolGenerate, WritesAWheelThatKeepsItsGuaranteeAndSaysSoInJson) {
    testing::ScratchDir dir;
    const std::string out = (dir / "wheel.txt").string();
    const ToolRun r = run({"generate", "--numbers", "11", "--guarantee", "3", "--if", "4", "--seconds", "0.3", "--seed",
                           "12", "--out", out, "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::smatch m;
    ASSERT_TRUE(std::regex_match(r.out, m,
                                 std::regex("\\{\"numbers\": 11, \"guarantee\": 3, \"if\": 4, \"boards\": ([0-9]+), "
                                            "\"seconds\": [0-9.]+, \"seed\": 12, \"threads\": [1-9][0-9]*, "
                                            "\"out\": \"(.*)\"\\}\n")))
        << r.out;
    EXPECT_EQ(m[2], out);
    const WheelFileReading reading = readWheelFile({out, ";", 0, identityReplacementMap()}, 11);
    ASSERT_TRUE(reading.ok()) << describeProblem(reading, 11);
    EXPECT_FALSE(reading.numberedFromZero);
    EXPECT_EQ(std::to_string(reading.wheel.boards.size()), m[1]);
    EXPECT_EQ(checkGuarantee(CoverageIndex(reading.wheel), {3, 4}).holes, 0);
    EXPECT_NE(testing::readAll(out).find("\r\n"), std::string::npos);
}

TEST(WheelsToolGenerate, WithoutAFileTheBoardsGoToTheOutput) {
    const ToolRun r = run({"generate", "--numbers", "7", "--guarantee", "3", "--if", "5", "--seconds", "0.2"});
    ASSERT_EQ(r.status, 0) << r.err;
    // Seven numbers, "3 if 5": one board suffices (any five of the seven meet it in three).
    EXPECT_NE(r.out.find("1 boards over 7 numbers keep 3 if 5"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("seed "), std::string::npos);
}

TEST(WheelsToolGenerate, TheThreadsAskedForAreUsedAndSaid) {
    // "2 if 2" over 8 numbers ends at its bound (4 boards) at once, the same wheel every time.
    const std::vector<std::string> args = {"generate", "--numbers", "8", "--guarantee", "2", "--if",
                                           "2",        "--seed",    "5", "--threads",   "3", "--json"};
    const ToolRun first = run(args);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_NE(first.out.find("\"boards\": 4,"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("\"threads\": 3,"), std::string::npos) << first.out;
    const auto wheelOf = [](const std::string& out) { return out.substr(out.find("\"wheel\"")); };
    EXPECT_EQ(wheelOf(run(args).out), wheelOf(first.out));
    const ToolRun one = run({"generate", "--numbers", "7", "--guarantee", "3", "--if", "5", "--threads", "1"});
    EXPECT_NE(one.out.find(" on 1 thread, "), std::string::npos) << one.out;
    EXPECT_EQ(run({"generate", "--numbers", "8", "--guarantee", "2", "--if", "2", "--threads", "0"}).status, 2);
}

TEST(WheelsToolGenerate, NoCompleteWheelInTheTimeGivenExitsWithOne) {
    const ToolRun r = run({"generate", "--numbers", "50", "--guarantee", "4", "--if", "5", "--seconds", "0.001"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("no complete wheel"), std::string::npos) << r.err;
}

TEST(WheelsToolGenerate, BadArgumentsExitWithTwo) {
    testing::ScratchDir dir;
    const std::vector<std::vector<std::string>> cases = {
        {"generate", "--numbers", "10", "--guarantee", "1", "--if", "3"},
        {"generate", "--numbers", "4", "--guarantee", "2", "--if", "2"},
        {"generate", "--numbers", "10", "--guarantee", "3", "--if", "3", "--seconds", "0"},
        {"generate", "--numbers", "10", "--guarantee", "3", "--if", "3", "--seed", "-4"},
        {"generate", "--numbers", "10", "--guarantee", "3", "--if", "3", "--seconds", "0.1", "--out",
         (dir / "no-such-folder" / "w.txt").string()},
    };
    for (const auto& args : cases) {
        const ToolRun r = run(args);
        EXPECT_EQ(r.status, 2) << args[4] << " " << args.back();
        EXPECT_NE(r.err.find("norvex5-wheels: "), std::string::npos);
    }
}

// The program itself, as a script runs it: its exit status and where its words go.
TEST(WheelsToolProgram, ExitStatusReachesTheShell) {
    const std::string tool = NORVEX5_WHEELS_TOOL;
    auto status = [&](const std::string& args) {
        const int raw = std::system((tool + " " + args + " >/dev/null 2>&1").c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    EXPECT_EQ(status("check " + data("pdo_C13-5-3_b34.res") + " --numbers 13 --guarantee 3 --if 3"), 0);
    EXPECT_EQ(status("check " + data("pdo_C12-5-4_b79_INCOMPLETE.res") + " --numbers 12 --guarantee 4 --if 4"), 1);
    EXPECT_EQ(status("check --numbers 12"), 2);
    EXPECT_EQ(status("--help"), 0);
}

// The check under a filter: its figures are the model's, for the numbers as played.
TEST(WheelsToolFilter, JsonAddsTheGuaranteeAmongTheDrawsThatPass) {
    const std::string file = data("pdo_C12-5-4_b79_INCOMPLETE.res");
    const std::string play = "2 4 6 8 10 12 14 16 1 3 5 7";
    const ToolRun r = run({"check", file, "--numbers", "12", "--guarantee", "4", "--if", "4", "--json", "--holes", "0",
                           "--filter", "odd=0-2", "--play", play, "--highest", "39"});
    const auto document = nlohmann::json::parse(r.out, nullptr, false);
    ASSERT_FALSE(document.is_discarded()) << r.out << r.err;
    EXPECT_EQ(document["holes"], 100);
    EXPECT_EQ(document["filter"], "odd=0-2");

    const WheelFileReading reading = readWheelFile({file, " ", 0, identityReplacementMap()}, 12);
    const PlayedNumbers played{39, {2, 4, 6, 8, 10, 12, 14, 16, 1, 3, 5, 7}};
    DrawFilter filter;
    filter.odd = CountRange{0, 2};
    const auto profile = filteredProfile(CoverageIndex(reading.wheel), PassingDraws(filter, played));
    const std::int64_t holes = profile->holesUnderFilter({4, 4});
    ASSERT_LT(holes, 100);  // a four with three odd numbers needs no board under this filter
    EXPECT_EQ(document["holes_under_filter"], holes);
    EXPECT_NEAR(document["covered_share_under_filter"].get<double>(), profile->coveredShareUnderFilter({4, 4}), 1e-6);
    EXPECT_NEAR(document["draws_passing_share"].get<double>(),
                double(passingDrawCount(filter, 39)) / double(binomial(39, 5)), 1e-6);
    EXPECT_EQ(r.status, holes == 0 ? 0 : 1);
}

TEST(WheelsToolFilter, DroppedBoardsAreCountedAndTheRestChecked) {
    const std::string file = data("pdo_C13-5-3_b34.res");
    const ToolRun r = run({"check", file, "--numbers", "13", "--guarantee", "3", "--if", "3", "--json", "--filter",
                           "odd=2-3", "--drop-failing"});
    const auto document = nlohmann::json::parse(r.out, nullptr, false);
    ASSERT_FALSE(document.is_discarded()) << r.out << r.err;
    EXPECT_EQ(document["boards_dropped"].get<int>() + document["boards"].get<int>(), 34);
    EXPECT_GT(document["boards_dropped"], 0);
    EXPECT_GT(document["holes"], 0);  // the full wheel kept "3 if 3"; the rest does not
    EXPECT_EQ(r.status, 1);
    const ToolRun text = run({"check", file, "--numbers", "13", "--guarantee", "3", "--if", "3", "--filter",
                              "odd=2-3", "--drop-failing"});
    EXPECT_NE(text.out.find("boards that fail it dropped"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("3 if 3 among draws that pass: not kept"), std::string::npos) << text.out;
}

TEST(WheelsToolFilter, BadFilterOrNumbersExitWithTwoNamingWhatIsWrong) {
    const std::string file = data("pdo_C13-5-3_b34.res");
    const std::vector<std::string> check = {"check", file, "--numbers", "13", "--guarantee", "3", "--if", "3"};
    const struct {
        std::vector<std::string> extra;
        const char* said;
    } cases[] = {
        {{"--filter", "odd=2-3,low=3-2"}, "\"low=3-2\" in the filter: the range goes the wrong way round"},
        {{"--filter", "odd=2-3,colour=red"}, "\"colour=red\" in the filter: unknown filter \"colour\""},
        {{"--filter", "sum=90-250"}, "\"sum=90-250\""},
        {{"--filter", "sum=10-12"}, "no draw of a game up to 49 passes the filter \"sum=10-12\""},
        {{"--play", "1 2 3"}, "3 numbers are played, and the wheel plays 13"},
        {{"--play", "1 2 3 4 5 6 7 8 9 10 11 12 x"}, "\"x\" is not a number"},
        {{"--play", "1 2 3 4 5 6 7 8 9 10 11 12 40", "--highest", "39"}, "the number 40"},
        {{"--highest", "60", "--filter", "odd=2"}, "from 5 to 50"},
        {{"--drop-failing"}, "give one"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = check;
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const ToolRun r = run(args);
        EXPECT_EQ(r.status, 2) << c.said;
        EXPECT_EQ(r.out, "") << c.said;
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace norvex5::workshop
