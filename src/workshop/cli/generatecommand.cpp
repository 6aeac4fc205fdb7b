#include "workshop/cli/generatecommand.h"

#include <memory>
#include <random>

#include "persistence/atomicfile.h"
#include "workshop/cli/wheelstool.h"
#include "workshop/wheelgenerator.h"

namespace norvex5::workshop {

namespace {

struct GenerateOptions {
    int numbers = 0;
    int t = 0;
    int m = 0;
    double seconds = 10;
    std::uint64_t seed = 0;
    bool seedGiven = false;
    int threads = 0;  // 0: one search for each core
    std::string outFile;
    bool json = false;
};

std::vector<std::uint8_t> boardNumbers(const Board& board) { return {board.begin(), board.end()}; }

void writeGenerateJson(std::ostream& out, const GenerateOptions& o, const GeneratorSettings& settings,
                       const GeneratorResult& result) {
    ToolJson document;
    document["numbers"] = o.numbers;
    document["guarantee"] = o.t;
    document["if"] = o.m;
    document["boards"] = result.wheel.boards.size();
    document["seconds"] = result.seconds;
    document["seed"] = settings.seed;
    document["threads"] = settings.threads;
    document["out"] = o.outFile.empty() ? ToolJson() : ToolJson(o.outFile);
    if (o.outFile.empty()) {
        ToolJson wheel = ToolJson::array();
        for (const Board& b : result.wheel.boards) wheel.push_back(numbersJson(boardNumbers(b), 1));
        document["wheel"] = std::move(wheel);
    }
    writeJsonLine(out, document);
}

void writeGenerateText(std::ostream& out, const GenerateOptions& o, const GeneratorSettings& settings,
                       const GeneratorResult& result) {
    out << result.wheel.boards.size() << " boards over " << o.numbers << " numbers keep " << o.t << " if " << o.m
        << " (seed " << settings.seed << " on " << settings.threads
        << (settings.threads == 1 ? " thread, " : " threads, ") << fixedDecimals(result.seconds, 1) << " s)";
    if (!o.outFile.empty()) {
        out << ", written to " << o.outFile << "\n";
    } else {
        out << ":\n";
        for (const Board& b : result.wheel.boards) out << numbersText(boardNumbers(b), 1, ";") << "\n";
    }
}

int generate(const GenerateOptions& o, std::ostream& out, std::ostream& err) {
    const Guarantee g{o.t, o.m};
    if (auto problem = generatorLimitsProblem(o.numbers, g)) {
        err << kToolPrefix << *problem << "\n";
        return kToolBadInput;
    }
    if (!(o.seconds > 0)) {
        err << kToolPrefix << "the seconds must be more than 0\n";
        return kToolBadInput;
    }
    GeneratorSettings settings;
    settings.numbers = o.numbers;
    settings.guarantee = g;
    settings.seconds = o.seconds;
    // Without a seed each run differs; the seed used is reported so that it can be run again.
    settings.seed = o.seedGiven ? o.seed : std::random_device()() % 1000000;
    settings.threads = generatorThreads(o.threads);  // told with the seed: both set the path
    const GeneratorResult result = generateWheel(settings);
    if (!result.complete) {
        err << kToolPrefix << "no complete wheel was found in " << o.seconds << " seconds\n";
        return kToolNotKept;
    }
    if (!o.outFile.empty()) {
        AtomicFileWriter writer;
        if (!writer.open(o.outFile) || !writer.write(wheelFileText(result.wheel)) || !writer.commit()) {
            err << kToolPrefix << "could not write \"" << o.outFile << "\"\n";
            return kToolBadInput;
        }
    }
    if (o.json)
        writeGenerateJson(out, o, settings, result);
    else
        writeGenerateText(out, o, settings, result);
    return kToolKept;
}

}  // namespace

ToolCommand addGenerateCommand(CLI::App& tool) {
    auto o = std::make_shared<GenerateOptions>();
    CLI::App* command = tool.add_subcommand("generate", "Make a small wheel that keeps a guarantee");
    command->add_option("--numbers", o->numbers, "How many numbers the wheel plays (v)")->required();
    command->add_option("--guarantee", o->t, "Numbers guaranteed on one board (t)")->required();
    command->add_option("--if", o->m, "... when this many drawn numbers are among the v (m)")->required();
    command->add_option("--seconds", o->seconds, "Time allowed (10 by default)");
    CLI::Option* seed = command->add_option("--seed", o->seed, "Seed: the same seed takes the same path")
                            ->check(CLI::NonNegativeNumber);
    command->add_option("--threads", o->threads, "Searches side by side (one for each core by default)")
        ->check(CLI::PositiveNumber);
    command->add_option("--out", o->outFile, "Write the wheel to this file (\";\"-separated, numbers 1..v)");
    command->add_flag("--json", o->json, "Answer in JSON");
    return {command, [o, seed](std::ostream& out, std::ostream& err) {
                o->seedGiven = seed->count() > 0;
                return generate(*o, out, err);
            }};
}

}  // namespace norvex5::workshop
