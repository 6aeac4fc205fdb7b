#include "workshop/cli/generatecommand.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <memory>
#include <random>

#include <signal.h>

#include "persistence/atomicfile.h"
#include "workshop/cli/shapeoptions.h"
#include "workshop/cli/filteroptions.h"
#include "workshop/cli/wheelstool.h"
#include "workshop/keynumbers.h"
#include "workshop/wheelcheck.h"
#include "workshop/wheelgenerator.h"

namespace norvex5::workshop {

namespace {

// Longer than anyone waits at a terminal; what is not finite would never end.
constexpr double kMostSeconds = 7 * 24 * 3600;

struct GenerateOptions {
    int numbers = 0;
    int t = 0;
    int m = 0;
    double seconds = 10;
    std::uint64_t seed = 0;
    bool seedGiven = false;
    int threads = 0;  // 0: one search for each core
    std::string outFile;
    std::string startFile;
    WheelFileLayout startLayout;
    bool json = false;
    FilterOptions filter;
    WheelShapeOptions shape;
};

// The filter a wheel is generated under, as the answer tells it.
struct GenerateFilter {
    std::string text;
    double passingShare = 1.0;
};

// Ctrl-C and a polite kill end the search as the generator window's Stop does: the smallest
// complete wheel so far is kept. A signal handler may only touch a lock-free atomic, so this flag
// is the one piece of state of the tool outside its objects.
std::atomic<bool> stopRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void requestStop(int) { stopRequested.store(true, std::memory_order_relaxed); }

// While it lives, SIGINT and SIGTERM set stopRequested. The first one puts the default back, so a
// second Ctrl-C ends the tool at once.
class StopOnSignals {
public:
    StopOnSignals() {
        stopRequested.store(false);
        struct sigaction action {};
        action.sa_handler = requestStop;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND;
        sigaction(SIGINT, &action, &previousInt_);
        sigaction(SIGTERM, &action, &previousTerm_);
    }
    ~StopOnSignals() {
        sigaction(SIGINT, &previousInt_, nullptr);
        sigaction(SIGTERM, &previousTerm_, nullptr);
    }
    StopOnSignals(const StopOnSignals&) = delete;
    StopOnSignals& operator=(const StopOnSignals&) = delete;

    const std::atomic<bool>* flag() const { return &stopRequested; }

private:
    struct sigaction previousInt_ {};
    struct sigaction previousTerm_ {};
};

// Why the wheel could not be written to `file`, found before a search of many minutes rather than
// after it; empty when it can be.
std::string outFileProblem(const std::string& file) {
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (std::filesystem::is_directory(status)) return "\"" + file + "\" is a folder";
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return "\"" + file + "\" is not a regular file";
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, error))
        return "there is no folder \"" + folder.string() + "\" to write \"" + file + "\" in";
    AtomicFileWriter probe;
    if (!probe.open(file)) return "\"" + file + "\" cannot be written";
    return {};
}

std::vector<std::uint8_t> boardNumbers(const Wheel& wheel, const Board& board) {
    return {board.begin(), board.begin() + wheel.boardSize};
}

// `written`: the wheel went to --out; else its boards are part of the answer.
void writeGenerateJson(std::ostream& out, const GenerateOptions& o, const GeneratorSettings& settings,
                       const GeneratorResult& result, bool written, const std::optional<GenerateFilter>& filtered) {
    ToolJson document;
    document["numbers"] = o.numbers;
    document["guarantee"] = o.t;
    document["if"] = o.m;
    document["keys"] = o.shape.keys;
    document["board_size"] = o.shape.boardSize;
    document["boards"] = result.wheel.boards.size();
    document["seconds"] = result.seconds;
    document["seed"] = settings.seed;
    document["threads"] = settings.threads;
    document["out"] = written ? ToolJson(o.outFile) : ToolJson();
    if (filtered) {
        document["filter"] = filtered->text;
        document["draws_passing_share"] = filtered->passingShare;
    }
    if (!written) {
        ToolJson wheel = ToolJson::array();
        for (const Board& b : result.wheel.boards) wheel.push_back(numbersJson(boardNumbers(result.wheel, b), 1));
        document["wheel"] = std::move(wheel);
    }
    writeJsonLine(out, document);
}

void writeGenerateText(std::ostream& out, const GenerateOptions& o, const GeneratorSettings& settings,
                       const GeneratorResult& result, bool written, const std::optional<GenerateFilter>& filtered) {
    out << result.wheel.boards.size() << " boards";
    if (o.shape.boardSize != kBoardSize) out << " of " << o.shape.boardSize << " numbers";
    out << " over " << o.numbers << " numbers keep " << o.t << " if " << o.m << keyCondition(o.shape);
    if (filtered)
        out << " among draws that pass " << filtered->text << " (" << fixedDecimals(100.0 * filtered->passingShare, 2)
            << " % of draws)";
    out << " (seed " << settings.seed << " on " << settings.threads
        << (settings.threads == 1 ? " thread, " : " threads, ") << fixedDecimals(result.seconds, 1) << " s)";
    if (written) {
        out << ", written to " << o.outFile << "\n";
    } else {
        out << ":\n";
        for (const Board& b : result.wheel.boards) out << numbersText(boardNumbers(result.wheel, b), 1, ";") << "\n";
    }
}

// The arguments' own faults, before anything is searched; empty when there is none.
std::string argumentProblem(const GenerateOptions& o) {
    if (auto problem = wheelShapeProblem(o.numbers, {o.t, o.m}, o.shape, true)) return *problem;
    if ((o.shape.keys > 0 || o.shape.boardSize != kBoardSize) && !o.filter.filter.empty())
        return "--filter goes with boards of five numbers and no key numbers";
    if (!(std::isfinite(o.seconds) && o.seconds > 0 && o.seconds <= kMostSeconds))
        return "the seconds must be more than 0 and at most " + std::to_string(int(kMostSeconds)) + " (a week)";
    if (!o.startFile.empty() && (o.shape.keys > 0 || !o.filter.filter.empty()))
        return "--start goes with wheels without key numbers or a filter";
    if (!o.outFile.empty()) return outFileProblem(o.outFile);
    return {};
}

// The wheel of --start as the generator takes it, once it is read and keeps the guarantee;
// nothing, once the reason is on `err`.
std::optional<std::vector<std::uint64_t>> readStart(const GenerateOptions& o, std::ostream& err) {
    const auto reading = readToolWheel(o.startFile, o.startLayout, o.numbers, err, o.shape.boardSize);
    if (!reading) return std::nullopt;
    const Guarantee g{o.t, o.m};
    if (const std::int64_t holes = checkGuarantee(CoverageIndex(reading->wheel), g).holes; holes > 0) {
        err << kToolPrefix << o.startFile << ": the wheel does not keep " << o.t << " if " << o.m << " (" << holes
            << (holes == 1 ? " draw" : " draws") << " of " << o.m << " with no board holding " << o.t
            << "), so the search cannot go on from it\n";
        return std::nullopt;
    }
    return boardMasks(reading->wheel);
}

int generate(const GenerateOptions& o, std::ostream& out, std::ostream& err) {
    if (const std::string problem = argumentProblem(o); !problem.empty()) {
        err << kToolPrefix << problem << "\n";
        return kToolBadInput;
    }
    const auto filterSetting = readFilterOptions(o.filter, o.numbers, err);
    if (!filterSetting) return kToolBadInput;
    GeneratorSettings settings;
    std::optional<GenerateFilter> filtered;
    if (filterSetting->filter) {
        const PassingDraws draws(*filterSetting->filter, filterSetting->played);
        settings.needed = draws.heldFlags(o.m);
        if (std::find(settings.needed.begin(), settings.needed.end(), 1) == settings.needed.end()) {
            err << kToolPrefix << "no draw that passes the filter \"" << filterText(*filterSetting->filter)
                << "\" holds " << o.m << " of the numbers played: there is nothing to cover\n";
            return kToolBadInput;
        }
        filtered = GenerateFilter{filterText(*filterSetting->filter), draws.share()};
    }
    settings.numbers = o.numbers;
    settings.guarantee = {o.t, o.m};
    settings.seconds = o.seconds;
    // Without a seed each run differs; the seed used is reported so that it can be run again.
    settings.seed = o.seedGiven ? o.seed : std::random_device()() % 1000000;
    settings.threads = generatorThreads(o.threads);  // told with the seed: both set the path
    settings.boardSize = o.shape.boardSize;
    if (!o.startFile.empty()) {
        auto start = readStart(o, err);
        if (!start) return kToolBadInput;
        settings.start = std::move(*start);
    }
    GeneratorResult result;
    {
        const StopOnSignals stopOnSignals;
        result = o.shape.keys > 0 ? generateWithKeyNumbers(settings, o.shape.keys, stopOnSignals.flag())
                                  : generateWheel(settings, stopOnSignals.flag());
    }
    if (!result.complete) {
        if (result.stopped)
            err << kToolPrefix << "stopped before a complete wheel was found\n";
        else
            err << kToolPrefix << "no complete wheel was found in " << o.seconds << " seconds\n";
        return kToolNotKept;
    }
    if (result.stopped) err << kToolPrefix << "stopped; the smallest wheel found so far is kept\n";
    int status = kToolKept;
    bool written = false;
    if (!o.outFile.empty()) {
        AtomicFileWriter writer;
        written = writer.open(o.outFile) && writer.write(wheelFileText(result.wheel)) && writer.commit();
        if (!written) {
            // The folder went away or the disk filled during the search: the wheel is not lost.
            err << kToolPrefix << "could not write \"" << o.outFile << "\"; the wheel follows\n";
            status = kToolBadInput;
        }
    }
    if (o.json)
        writeGenerateJson(out, o, settings, result, written, filtered);
    else
        writeGenerateText(out, o, settings, result, written, filtered);
    return status;
}

}  // namespace

ToolCommand addGenerateCommand(CLI::App& tool) {
    auto o = std::make_shared<GenerateOptions>();
    CLI::App* command = tool.add_subcommand("generate", "Make a small wheel that keeps a guarantee");
    addGuaranteeOptions(*command, o->numbers, o->t, o->m);
    command->add_option("--seconds", o->seconds,
                        "Time allowed (10 by default, a week at most); Ctrl-C ends the search sooner and keeps "
                        "the smallest wheel so far");
    CLI::Option* seed =
        command->add_option("--seed", o->seed, "Seed: the same seed takes the same path")->check(kWholeNumber);
    command->add_option("--threads", o->threads, "Searches side by side (one for each core by default)")
        ->check(kThreadCount);
    command->add_option("--out", o->outFile, "Write the wheel to this file (\";\"-separated, numbers 1..v)");
    command->add_option("--start", o->startFile,
                        "A wheel file keeping the guarantee to go on from (numbers 1..v): the result is never larger");
    addWheelFileOptions(*command, o->startLayout, "the --start file");
    command->add_flag("--json", o->json, "Answer in JSON");
    addFilterOptions(*command, o->filter);
    addWheelShapeOptions(*command, o->shape);
    return {command, [o, seed](std::ostream& out, std::ostream& err) {
                o->seedGiven = seed->count() > 0;
                return generate(*o, out, err);
            }};
}

}  // namespace norvex5::workshop
