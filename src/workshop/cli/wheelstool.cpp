#include "workshop/cli/wheelstool.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <random>
#include <sstream>

#include "persistence/atomicfile.h"
#include "workshop/wheelcheck.h"
#include "workshop/wheelgenerator.h"

namespace norvex5::workshop {

namespace {

constexpr std::size_t kDefaultHolesShown = 20;

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string numbersText(const std::vector<std::uint8_t>& numbers, int first, const char* separator) {
    std::string text;
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        if (k > 0) text += separator;
        text += std::to_string(numbers[k] + first);
    }
    return text;
}

struct CheckOptions {
    std::string file;
    int numbers = 0;
    int t = 0;
    int m = 0;
    std::string separator = " ";
    int skip = 0;
    std::size_t holesShown = kDefaultHolesShown;
    bool json = false;
};

int check(const CheckOptions& o, std::ostream& out, std::ostream& err) {
    const Guarantee g{o.t, o.m};
    if (auto problem = checkLimitsProblem(o.numbers, g)) {
        err << "norvex5-wheels: " << *problem << "\n";
        return kToolBadInput;
    }
    if (o.separator.size() != 1) {
        err << "norvex5-wheels: the separator must be one character\n";
        return kToolBadInput;
    }
    if (o.skip < 0) {
        err << "norvex5-wheels: the lines to skip cannot be fewer than 0\n";
        return kToolBadInput;
    }
    ExternalWheel file;
    file.fileName = o.file;
    file.separator = o.separator;
    file.linesToSkip = o.skip;
    const WheelFileReading reading = readWheelFile(file, o.numbers);
    if (!reading.ok()) {
        err << "norvex5-wheels: " << o.file << ": " << describeProblem(reading, o.numbers) << "\n";
        return kToolBadInput;
    }
    const int first = reading.numberedFromZero ? 0 : 1;
    const GuaranteeReport report = checkGuarantee(CoverageIndex(reading.wheel), g, o.holesShown);
    const bool kept = report.holes == 0;
    if (o.json) {
        out << "{\"file\": " << jsonString(o.file) << ", \"numbers\": " << o.numbers << ", \"guarantee\": " << g.t
            << ", \"if\": " << g.m << ", \"boards\": " << report.boards << ", \"numbered_from\": " << first
            << ", \"holes\": " << report.holes << ", \"covered_share\": " << fixed(report.coveredShare, 6)
            << ", \"first_holes\": [";
        for (std::size_t k = 0; k < report.firstHoles.size(); ++k)
            out << (k > 0 ? ", " : "") << "[" << numbersText(report.firstHoles[k], first, ", ") << "]";
        out << "]}\n";
        return kept ? kToolKept : kToolNotKept;
    }
    out << o.file << ": " << report.boards << " boards over " << o.numbers << " numbers";
    if (reading.numberedFromZero) out << " (the file counts from 0: read as the numbers 0 to " << o.numbers - 1 << ")";
    out << "\n";
    if (kept) {
        out << "Guarantee " << g.t << " if " << g.m << ": kept (" << report.subsets << " draws of " << g.m
            << " checked)\n";
        return kToolKept;
    }
    out << "Guarantee " << g.t << " if " << g.m << ": not kept, " << report.holes << " holes among " << report.subsets
        << " draws of " << g.m << " (" << fixed(100.0 * report.coveredShare, 2) << " % covered)\n";
    out << (report.holes > static_cast<std::int64_t>(report.firstHoles.size()) ? "First holes:\n" : "Holes:\n");
    for (const auto& hole : report.firstHoles) out << "  " << numbersText(hole, first, " ") << "\n";
    return kToolNotKept;
}

struct GenerateOptions {
    int numbers = 0;
    int t = 0;
    int m = 0;
    double seconds = 10;
    std::uint64_t seed = 0;
    bool seedGiven = false;
    std::string outFile;
    bool json = false;
};

int generate(const GenerateOptions& o, std::ostream& out, std::ostream& err) {
    const Guarantee g{o.t, o.m};
    if (auto problem = generatorLimitsProblem(o.numbers, g)) {
        err << "norvex5-wheels: " << *problem << "\n";
        return kToolBadInput;
    }
    if (!(o.seconds > 0)) {
        err << "norvex5-wheels: the seconds must be more than 0\n";
        return kToolBadInput;
    }
    GeneratorSettings settings;
    settings.numbers = o.numbers;
    settings.guarantee = g;
    settings.seconds = o.seconds;
    // Without a seed each run differs; the seed used is reported so that it can be run again.
    settings.seed = o.seedGiven ? o.seed : std::random_device()() % 1000000;
    const GeneratorResult result = generateWheel(settings);
    if (!result.complete) {
        err << "norvex5-wheels: no complete wheel was found in " << o.seconds << " seconds\n";
        return kToolNotKept;
    }
    const std::string text = wheelFileText(result.wheel);
    if (!o.outFile.empty()) {
        AtomicFileWriter writer;
        if (!writer.open(o.outFile) || !writer.write(text) || !writer.commit()) {
            err << "norvex5-wheels: could not write \"" << o.outFile << "\"\n";
            return kToolBadInput;
        }
    }
    const std::size_t boards = result.wheel.boards.size();
    if (o.json) {
        out << "{\"numbers\": " << o.numbers << ", \"guarantee\": " << g.t << ", \"if\": " << g.m
            << ", \"boards\": " << boards << ", \"seconds\": " << fixed(result.seconds, 3)
            << ", \"seed\": " << settings.seed << ", \"out\": " << (o.outFile.empty() ? "null" : jsonString(o.outFile));
        if (o.outFile.empty()) {
            out << ", \"wheel\": [";
            for (std::size_t k = 0; k < boards; ++k) {
                const Board& b = result.wheel.boards[k];
                out << (k > 0 ? ", " : "") << "[" << numbersText({b.begin(), b.end()}, 1, ", ") << "]";
            }
            out << "]";
        }
        out << "}\n";
        return kToolKept;
    }
    out << boards << " boards over " << o.numbers << " numbers keep " << g.t << " if " << g.m << " (seed "
        << settings.seed << ", " << fixed(result.seconds, 1) << " s)";
    if (!o.outFile.empty()) {
        out << ", written to " << o.outFile << "\n";
    } else {
        out << ":\n";
        for (const Board& b : result.wheel.boards) out << numbersText({b.begin(), b.end()}, 1, ";") << "\n";
    }
    return kToolKept;
}

}  // namespace

int runWheelsTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app{"The wheel workshop of Norvex5: check a wheel file's guarantee, or generate a wheel.",
                 "norvex5-wheels"};
    app.require_subcommand(1);

    CheckOptions c;
    CLI::App* checkCommand = app.add_subcommand("check", "Count the holes of a wheel file's guarantee");
    checkCommand->add_option("FILE", c.file, "The wheel file: one board per line")->required();
    checkCommand->add_option("--numbers", c.numbers, "How many numbers the wheel plays (v)")->required();
    checkCommand->add_option("--guarantee", c.t, "Numbers guaranteed on one board (t)")->required();
    checkCommand->add_option("--if", c.m, "... when this many drawn numbers are among the v (m)")->required();
    checkCommand->add_option("--separator", c.separator, "The one character between fields (a blank by default)");
    checkCommand->add_option("--skip", c.skip, "Lines at the top that hold no board");
    checkCommand->add_option("--holes", c.holesShown, "How many holes to list (20 by default)")
        ->check(CLI::NonNegativeNumber);
    checkCommand->add_flag("--json", c.json, "Answer in JSON");

    GenerateOptions gen;
    CLI::App* generateCommand = app.add_subcommand("generate", "Make a small wheel that keeps a guarantee");
    generateCommand->add_option("--numbers", gen.numbers, "How many numbers the wheel plays (v)")->required();
    generateCommand->add_option("--guarantee", gen.t, "Numbers guaranteed on one board (t)")->required();
    generateCommand->add_option("--if", gen.m, "... when this many drawn numbers are among the v (m)")->required();
    generateCommand->add_option("--seconds", gen.seconds, "Time allowed (10 by default)");
    CLI::Option* seedOption = generateCommand->add_option("--seed", gen.seed, "Seed: the same seed takes the same path")
                                  ->check(CLI::NonNegativeNumber);
    generateCommand->add_option("--out", gen.outFile, "Write the wheel to this file (\";\"-separated, numbers 1..v)");
    generateCommand->add_flag("--json", gen.json, "Answer in JSON");

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kToolKept;
    } catch (const CLI::ParseError& e) {
        err << "norvex5-wheels: " << e.what() << "\n";
        err << "Run norvex5-wheels --help for the commands and their options.\n";
        return kToolBadInput;
    }
    if (checkCommand->parsed()) return check(c, out, err);
    gen.seedGiven = seedOption->count() > 0;
    return generate(gen, out, err);
}

}  // namespace norvex5::workshop
