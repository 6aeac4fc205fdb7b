#include "workshop/cli/wheelstool.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/scratchfiles.h"
#include "workshop/filteredcheck.h"
#include "workshop/toolrun.h"
#include "workshop/wheelcheck.h"

namespace norvex5::workshop {
namespace {

std::string data(const std::string& name) { return std::string(NORVEX5_TEST_DATA) + "/wheels/" + name; }

// The tool as its own process, for what only a process shows: a signal, a pipe nobody writes.
// Its answers go to files in `dir`.
class ToolProcess {
public:
    ToolProcess(const std::vector<std::string>& args, const std::filesystem::path& dir)
        : outFile_(dir / "stdout.txt"), errFile_(dir / "stderr.txt") {
        pid_ = ::fork();
        if (pid_ == 0) {
            std::freopen(outFile_.c_str(), "w", stdout);
            std::freopen(errFile_.c_str(), "w", stderr);
            std::vector<char*> argv{const_cast<char*>(NORVEX5_WHEELS_TOOL)};
            for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
    }
    ~ToolProcess() {
        if (!ended_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    // Its handler for `signal` is in place (the kernel's list of caught signals says so).
    bool catches(int signal) const {
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("SigCgt:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
        return false;
    }
    // Processor time it has used; unlike the clock, it does not run while the machine is busy elsewhere.
    double cpuSeconds() const {
        std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        std::istringstream fields(text.substr(text.rfind(')') + 2));
        std::string field;
        for (int k = 3; k <= 13; ++k) fields >> field;  // state .. cmajflt
        long long user = 0, system = 0;
        fields >> user >> system;
        return double(user + system) / double(::sysconf(_SC_CLK_TCK));
    }
    // Waits until `condition` holds, or the process ended, or a minute went by.
    bool await(const std::function<bool()>& condition) {
        for (int k = 0; k < 6000 && !condition(); ++k) {
            if (::waitpid(pid_, &status_, WNOHANG) == pid_) {
                ended_ = true;
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return condition();
    }
    void send(int signal) const { ::kill(pid_, signal); }
    // Its exit status; -1 when it did not end by itself within a minute (it is then killed).
    int finish() {
        await([] { return false; });
        if (!ended_) return -1;
        return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
    }
    std::string out() const { return testing::readAll(outFile_); }
    std::string err() const { return testing::readAll(errFile_); }

private:
    std::filesystem::path outFile_, errFile_;
    pid_t pid_ = -1;
    int status_ = 0;
    bool ended_ = false;
};

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
                  "\", \"numbers\": 12, \"guarantee\": 4, \"if\": 4, \"keys\": 0, \"board_size\": 5, "
                  "\"boards\": 79, \"numbered_from\": 0, "
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
                                 std::regex("\\{\"numbers\": 11, \"guarantee\": 3, \"if\": 4, \"keys\": 0, \"board_size\": 5, "
                                            "\"boards\": ([0-9]+), "
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

// A run goes on from the wheel it is given: 68 boards is the bound over 17 numbers for "3 if 3",
// which the search alone does not reach in 0.05 s. A wheel with holes is refused before the search.
TEST(WheelsToolGenerate, GoesOnFromTheWheelItIsGivenOnlyWhenThatKeepsTheGuarantee) {
    const std::vector<std::string> asked = {"generate", "--numbers", "17", "--guarantee", "3", "--if", "3",
                                            "--seconds", "0.05", "--threads", "1", "--seed", "3"};
    std::vector<std::string> started = asked;
    started.insert(started.end(), {"--start", data("pdo_C17-5-3_b68.res")});
    const ToolRun fromStart = run(started);
    ASSERT_EQ(fromStart.status, 0) << fromStart.err;
    EXPECT_EQ(fromStart.out.rfind("68 boards over 17 numbers keep 3 if 3", 0), 0u) << fromStart.out;
    EXPECT_EQ(run(asked).out.rfind("68 boards", 0), std::string::npos);

    const ToolRun holes = run({"generate", "--numbers", "12", "--guarantee", "4", "--if", "4", "--start",
                               data("pdo_C12-5-4_b79_INCOMPLETE.res")});
    EXPECT_EQ(holes.status, 2);
    EXPECT_NE(holes.err.find("does not keep 4 if 4 (100 draws of 4 with no board holding 4)"), std::string::npos)
        << holes.err;
    EXPECT_EQ(holes.out, "");
    // Boards of four read with the separator given: no guess is made from fewer than five numbers.
    testing::ScratchDir dir;
    const std::string quadruples = (dir / "quadruples.txt").string();
    std::ofstream(quadruples) << "1;2;3;4\n1;2;3;5\n1;2;4;5\n1;3;4;5\n2;3;4;5\n";
    const std::vector<std::string> short4 = {"generate", "--numbers", "5", "--guarantee", "3", "--if", "3",
                                             "--board-size", "4", "--seconds", "1", "--start", quadruples};
    std::vector<std::string> separated = short4;
    separated.insert(separated.end(), {"--separator", ";"});
    const ToolRun fours = run(separated);
    EXPECT_EQ(fours.status, 0) << fours.err;
    EXPECT_EQ(fours.out.rfind("4 boards of 4 numbers over 5 numbers keep 3 if 3", 0), 0u) << fours.out;
    EXPECT_EQ(run(short4).status, 2);

    const ToolRun keys = run({"generate", "--numbers", "17", "--guarantee", "3", "--if", "3", "--keys", "1",
                              "--start", data("pdo_C17-5-3_b68.res")});
    EXPECT_EQ(keys.status, 2);
    EXPECT_NE(keys.err.find("--start goes with wheels without key numbers"), std::string::npos) << keys.err;
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
        {"generate", "--numbers", "10", "--guarantee", "3", "--if", "3", "--seed", "18446744073709551616"},
        {"generate", "--numbers", "7", "--guarantee", "3", "--if", "5", "--seconds", "inf"},
        {"generate", "--numbers", "7", "--guarantee", "3", "--if", "5", "--seconds", "1e300"},
        {"generate", "--numbers", "7", "--guarantee", "3", "--if", "5", "--seconds", "604801"},
        {"generate", "--numbers", "7", "--guarantee", "3", "--if", "5", "--seconds", "nan"},
    };
    for (const auto& args : cases) {
        const ToolRun r = run(args);
        EXPECT_EQ(r.status, 2) << args[4] << " " << args.back();
        EXPECT_NE(r.err.find("norvex5-wheels: "), std::string::npos);
    }
    // Seven numbers, "3 if 5" would be done at once; refused, a time without end is not tried.
    // Short words, not CLI11's range of a double in 300 digits.
    EXPECT_EQ(run(cases[3]).err,
              "norvex5-wheels: --seed: \"-4\" is not a whole number from 0 to 18446744073709551615\n"
              "Run norvex5-wheels --help for the commands and their options.\n");
    EXPECT_NE(run(cases[5]).err.find("at most 604800 (a week)"), std::string::npos) << run(cases[5]).err;
}

// A file the wheel cannot go to is named at once, not after a search of many minutes: a search
// that cannot finish in the time given shows it (it would answer 1, no wheel).
TEST(WheelsToolGenerate, AnOutFileThatCannotBeWrittenIsRefusedBeforeTheSearch) {
    testing::ScratchDir dir;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {(dir / "no-such-folder" / "w.txt").string(), "there is no folder"},
        {dir.path().string(), "is a folder"},
        {"/proc/version", "cannot be written"},
        {"/dev/null", "is not a regular file"},
    };
    for (const auto& [file, word] : cases) {
        const ToolRun r = run({"generate", "--numbers", "50", "--guarantee", "4", "--if", "5", "--seconds", "0.001",
                               "--out", file});
        EXPECT_EQ(r.status, 2) << file << ": " << r.err;
        EXPECT_NE(r.err.find(word), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST(WheelsTool, AnUnknownCommandIsNamed) {
    const ToolRun r = run({"foo", "--numbers", "3"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err,
              "norvex5-wheels: unknown command \"foo\" (the commands are check, generate, backtest, library)\n"
              "Run norvex5-wheels --help for the commands and their options.\n");
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

// What generate writes, check reads as it stands: the separator and the header lines are taken
// from the file's first lines when they are not given.
TEST(WheelsToolProgram, CheckReadsWhatGenerateWrites) {
    testing::ScratchDir dir;
    const std::string wheel = (dir / "w.txt").string();
    ToolProcess generate({"generate", "--numbers", "10", "--guarantee", "3", "--if", "4", "--seconds", "0.3",
                          "--seed", "5", "--out", wheel},
                         dir.path());
    ASSERT_EQ(generate.finish(), 0) << generate.err();
    ToolProcess check({"check", wheel, "--numbers", "10", "--guarantee", "3", "--if", "4"}, dir.path());
    EXPECT_EQ(check.finish(), 0) << check.err();
    EXPECT_NE(check.out().find("3 if 4: kept"), std::string::npos) << check.out();

    // A header line and commas: both guessed. A separator given that the file does not use is kept.
    const std::string csv = dir.file("w.csv", "n1,n2,n3,n4,n5\r\n1,2,3,4,5\r\n1,2,3,4,6\r\n");
    const ToolRun guessed = run({"check", csv, "--numbers", "6", "--guarantee", "3", "--if", "3"});
    EXPECT_EQ(guessed.status, 1) << guessed.err;
    EXPECT_NE(guessed.out.find("2 boards over 6 numbers"), std::string::npos) << guessed.out;
    const ToolRun given = run({"check", csv, "--numbers", "6", "--guarantee", "3", "--if", "3", "--skip", "0"});
    EXPECT_EQ(given.status, 2);
    EXPECT_NE(given.err.find("board 1 holds 0 numbers"), std::string::npos) << given.err;
}

// A named pipe would keep the reader waiting for a writer for ever.
TEST(WheelsToolProgram, CheckRefusesWhatIsNotARegularFile) {
    testing::ScratchDir dir;
    const std::string pipe = (dir / "pipe").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    ToolProcess check({"check", pipe, "--numbers", "13", "--guarantee", "3", "--if", "3"}, dir.path());
    EXPECT_EQ(check.finish(), 2) << "still waiting on the pipe";
    EXPECT_NE(check.err().find("Could not open the file \"" + pipe + "\""), std::string::npos) << check.err();
}

// Ctrl-C ends the search and keeps the smallest wheel found so far, as the window's Stop does.
TEST(WheelsToolProgram, AnInterruptedSearchKeepsItsBestWheel) {
    testing::ScratchDir dir;
    const std::string wheel = (dir / "w.txt").string();
    ToolProcess generate({"generate", "--numbers", "12", "--guarantee", "3", "--if", "3", "--seconds", "600",
                          "--out", wheel},
                         dir.path());
    // The first complete wheel (the greedy one) takes a few milliseconds of these twelve numbers.
    ASSERT_TRUE(generate.await([&] { return generate.catches(SIGINT) && generate.cpuSeconds() >= 0.3; }))
        << generate.err();
    generate.send(SIGINT);
    ASSERT_EQ(generate.finish(), 0) << generate.err();
    EXPECT_NE(generate.err().find("stopped"), std::string::npos) << generate.err();
    EXPECT_NE(generate.out().find("written to " + wheel), std::string::npos) << generate.out();
    const WheelFileReading reading = readWheelFile({wheel, ";", 0, identityReplacementMap()}, 12);
    ASSERT_TRUE(reading.ok()) << describeProblem(reading, 12);
    EXPECT_EQ(checkGuarantee(CoverageIndex(reading.wheel), {3, 3}).holes, 0);
}

// Stopped before any complete wheel: nothing to keep, and the exit status says so.
TEST(WheelsToolProgram, ATerminatedSearchWithoutAWheelExitsWithOne) {
    testing::ScratchDir dir;
    ToolProcess generate({"generate", "--numbers", "50", "--guarantee", "4", "--if", "5", "--seconds", "600"},
                         dir.path());
    // Fifty numbers, "4 if 5": the first complete wheel takes more than a second of work.
    ASSERT_TRUE(generate.await([&] { return generate.catches(SIGTERM); })) << generate.err();
    generate.send(SIGTERM);
    EXPECT_EQ(generate.finish(), 1) << generate.err();
    EXPECT_NE(generate.err().find("stopped before a complete wheel was found"), std::string::npos) << generate.err();
    EXPECT_EQ(generate.out(), "");
}

// The folder of --out goes away during the search: the wheel is shown rather than lost.
TEST(WheelsToolProgram, AWheelThatCannotBeWrittenGoesToTheOutput) {
    testing::ScratchDir dir;
    const std::filesystem::path folder = dir / "wheels";
    std::filesystem::create_directory(folder);
    ToolProcess generate({"generate", "--numbers", "12", "--guarantee", "3", "--if", "3", "--seconds", "600",
                          "--out", (folder / "w.txt").string()},
                         dir.path());
    ASSERT_TRUE(generate.await([&] { return generate.catches(SIGINT) && generate.cpuSeconds() >= 0.3; }))
        << generate.err();
    std::filesystem::remove_all(folder);
    generate.send(SIGINT);
    EXPECT_EQ(generate.finish(), 2) << generate.err();
    EXPECT_NE(generate.err().find("could not write"), std::string::npos) << generate.err();
    const std::string out = generate.out();
    ASSERT_NE(out.find(":\n"), std::string::npos) << out;
    const std::string shown = dir.file("shown.txt", out.substr(out.find(":\n") + 2));
    const WheelFileReading reading = readWheelFile({shown, ";", 0, identityReplacementMap()}, 12);
    ASSERT_TRUE(reading.ok()) << describeProblem(reading, 12);
    EXPECT_EQ(checkGuarantee(CoverageIndex(reading.wheel), {3, 3}).holes, 0);
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

TEST(WheelsToolFilter, GenerateMakesAWheelForTheDrawsThatPass) {
    const std::string play = "1 4 7 10 13 16 27 30 33 36 39 42";
    const ToolRun r = run({"generate", "--numbers", "12", "--guarantee", "3", "--if", "5", "--seconds", "0.3",
                           "--seed", "4", "--threads", "1", "--json", "--filter", "odd=2-3,low=2-3", "--play", play});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto document = nlohmann::json::parse(r.out, nullptr, false);
    ASSERT_FALSE(document.is_discarded()) << r.out;
    EXPECT_EQ(document["filter"], "odd=2-3,low=2-3");
    DrawFilter filter;
    filter.odd = CountRange{2, 3};
    filter.low = CountRange{2, 3};
    EXPECT_NEAR(document["draws_passing_share"].get<double>(),
                double(passingDrawCount(filter, 49)) / double(binomial(49, 5)), 1e-6);
    Wheel wheel{12, {}};
    for (const auto& board : document["wheel"]) {
        Board b{};
        for (int k = 0; k < 5; ++k) b[k] = static_cast<std::uint8_t>(board[k].get<int>() - 1);
        wheel.boards.push_back(b);
    }
    EXPECT_EQ(document["boards"].get<std::size_t>(), wheel.boards.size());
    const PassingDraws draws(filter, PlayedNumbers{49, {1, 4, 7, 10, 13, 16, 27, 30, 33, 36, 39, 42}});
    EXPECT_EQ(filteredProfile(CoverageIndex(wheel), draws)->holesUnderFilter({3, 5}), 0);
    const ToolRun text = run({"generate", "--numbers", "12", "--guarantee", "3", "--if", "5", "--seconds", "0.2",
                              "--filter", "odd=2-3,low=2-3", "--play", play});
    EXPECT_NE(text.out.find("keep 3 if 5 among draws that pass odd=2-3,low=2-3 (42.11 % of draws)"), std::string::npos)
        << text.out;
}

TEST(WheelsToolFilter, GenerateMakesNothingWhenThereIsNothingToCover) {
    const std::vector<std::string> generate = {"generate", "--numbers", "12", "--guarantee", "3", "--if", "5"};
    const struct {
        std::vector<std::string> extra;
        const char* said;
    } cases[] = {
        {{"--filter", "sum=10-12"}, "no draw of a game up to 49 passes the filter \"sum=10-12\""},
        // The numbers 1..12 are all low: no five of them is a draw with two or three low.
        {{"--filter", "low=2-3"}, "no draw that passes the filter \"low=2-3\" holds 5 of the numbers played"},
        {{"--filter", "odd=2-3,low=9-9"}, "\"low=9-9\""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = generate;
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const ToolRun r = run(args);
        EXPECT_EQ(r.status, 2) << c.said;
        EXPECT_EQ(r.out, "") << c.said;
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
    }
}

TEST(WheelsToolFilter, WithoutAFilterAWheelOverMoreNumbersThanTheDefaultGameIsChecked) {
    testing::ScratchDir dir;
    const std::string file = dir.file("fifty.txt", "1;2;3;4;50\r\n46;47;48;49;50\r\n");
    const ToolRun r = run({"check", file, "--numbers", "50", "--guarantee", "2", "--if", "2", "--json"});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.out.find("\"boards\": 2,"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("filter"), std::string::npos) << r.out;
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

namespace norvex5::workshop {
namespace {

TEST(WheelsToolKeys, GenerateWithKeyNumbersAndCheckThemAsTheyAreDrawn) {
    testing::ScratchDir dir;
    const std::string out = (dir / "keys.txt").string();
    const ToolRun made = run({"generate", "--numbers", "12", "--guarantee", "3", "--if", "3", "--keys", "1", "--seed",
                              "3", "--threads", "1", "--out", out, "--json"});
    ASSERT_EQ(made.status, 0) << made.err;
    const auto document = nlohmann::json::parse(made.out);
    EXPECT_EQ(document["keys"], 1);
    EXPECT_EQ(document["board_size"], 5);
    // Beside the key number: "2 if 2" over eleven numbers on boards of four, whose bound is 11.
    EXPECT_EQ(document["boards"], 11);
    const ToolRun kept = run({"check", out, "--numbers", "12", "--guarantee", "3", "--if", "3", "--keys", "1"});
    EXPECT_EQ(kept.status, 0) << kept.err;
    EXPECT_NE(kept.out.find("Guarantee 3 if 3 when the key number 1 is drawn: kept (55 draws of 3 checked)"),
              std::string::npos)
        << kept.out;
    // Every draw counted, it is not "3 if 3".
    EXPECT_EQ(run({"check", out, "--numbers", "12", "--guarantee", "3", "--if", "3"}).status, 1);
    const ToolRun text = run({"generate", "--numbers", "9", "--guarantee", "2", "--if", "2", "--board-size", "3",
                              "--seed", "1", "--threads", "1"});
    EXPECT_NE(text.out.find("12 boards of 3 numbers over 9 numbers keep 2 if 2"), std::string::npos) << text.out;
}

TEST(WheelsToolKeys, ShortBoardsAreReadFromTheirFirstFields) {
    testing::ScratchDir dir;
    const std::string file = dir.file("triples.txt", "1 2 3\n1 4 5\n1 6 7\n2 4 6\n2 5 7\n3 4 7\n3 5 6\n");
    const ToolRun r = run({"check", file, "--numbers", "7", "--guarantee", "2", "--if", "2", "--board-size", "3",
                           "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out)["holes"], 0);
    // Read as boards of five, the same file is no wheel.
    const ToolRun five = run({"check", file, "--numbers", "7", "--guarantee", "2", "--if", "2"});
    EXPECT_EQ(five.status, 2);
    EXPECT_NE(five.err.find("board 1 holds 3 numbers in its first five fields"), std::string::npos) << five.err;
}

TEST(WheelsToolKeys, BadShapesAndThreadCountsGetAShortSentence) {
    const std::vector<std::vector<std::string>> cases = {
        {"generate", "--numbers", "12", "--guarantee", "3", "--if", "3", "--keys", "4"},
        {"generate", "--numbers", "12", "--guarantee", "2", "--if", "2", "--keys", "3"},
        {"generate", "--numbers", "12", "--guarantee", "3", "--if", "3", "--board-size", "6"},
        {"generate", "--numbers", "12", "--guarantee", "4", "--if", "4", "--board-size", "3"},
        {"check", data("pdo_C13-5-3_b34.res"), "--numbers", "13", "--guarantee", "3", "--if", "3", "--keys", "1",
         "--filter", "odd=1-4"},
    };
    for (const auto& args : cases) {
        const ToolRun r = run(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.err.rfind("norvex5-wheels: ", 0), 0u) << r.err;
        EXPECT_LT(r.err.size(), 200u) << r.err;
    }
    const ToolRun zero = run({"generate", "--numbers", "8", "--guarantee", "2", "--if", "2", "--threads", "0"});
    EXPECT_EQ(zero.status, 2);
    EXPECT_LT(zero.err.size(), 200u) << zero.err;
    EXPECT_NE(zero.err.find("give 1 or more"), std::string::npos) << zero.err;
}

}  // namespace
}  // namespace norvex5::workshop

namespace norvex5::workshop {
namespace {

TEST(WheelsToolLibrary, ListsShippedAndUserWheelsAndSaysWhyAFileIsRefused) {
    testing::ScratchDir shipped, user;
    shipped.file("7-numbers-3-if-5.txt", "1;2;3;4;5\r\n");
    shipped.file("README", "not a wheel\n");
    user.file("7-numbers-4-if-4.txt", "1;2;3;4;5\r\n");
    user.file("8-numbers-3-if-5.txt", "1;2;3;4;5\r\n1;2;6;7;8\r\n");
    const std::vector<std::string> args = {"library", "--shipped", shipped.path().string(), "--user",
                                           user.path().string()};
    const ToolRun text = run(args);
    EXPECT_EQ(text.status, 1);  // a file of the user's is refused
    EXPECT_NE(text.out.find("Shipped wheels (" + shipped.path().string() + "): 1\n  7 numbers, 3 if 5: 1 boards, "
                                                                           "7-numbers-3-if-5.txt\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("  refused 7-numbers-4-if-4.txt: its name claims 4 if 4, which its boards do not keep "
                            "(30 holes)"),
              std::string::npos)
        << text.out;
    auto arguments = args;
    arguments.push_back("--json");
    const ToolRun json = run(arguments);
    const auto document = nlohmann::json::parse(json.out);
    ASSERT_EQ(document["wheels"].size(), 2u);
    EXPECT_EQ(document["wheels"][0]["shipped"], true);
    EXPECT_EQ(document["wheels"][1]["numbers"], 8);
    EXPECT_EQ(document["wheels"][1]["shipped"], false);
    EXPECT_EQ(document["wheels"][1]["boards"], 2);
    EXPECT_EQ(document["refused"].size(), 1u);
    // A user folder that cannot be read is named; the shipped wheels are still listed.
    const ToolRun unreadable = run({"library", "--shipped", shipped.path().string(), "--user",
                                    shipped.file("plain", "x")});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_NE(unreadable.err.find("cannot be read"), std::string::npos) << unreadable.err;
    EXPECT_NE(unreadable.out.find("7-numbers-3-if-5.txt"), std::string::npos);
}

}  // namespace
}  // namespace norvex5::workshop
