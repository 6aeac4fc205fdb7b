#include "workshop/cli/checkcommand.h"

#include <memory>

#include "externalwheels/fileshape.h"
#include "workshop/cli/wheelstool.h"
#include "workshop/wheelcheck.h"

namespace norvex5::workshop {

namespace {

constexpr std::size_t kDefaultHolesShown = 20;

struct CheckOptions {
    std::string file;
    int numbers = 0;
    int t = 0;
    int m = 0;
    std::string separator = " ";
    int skip = 0;
    bool separatorGiven = false;
    bool skipGiven = false;
    std::size_t holesShown = kDefaultHolesShown;
    bool json = false;
};

// What the user left out, the file's first lines say, by the rule the program follows when a
// wheel file is chosen; a guess that contradicts what was given is not taken.
void guessWhatWasNotGiven(CheckOptions& o) {
    if (o.separatorGiven && o.skipGiven) return;
    const std::optional<FileShape> shape = guessFileShape(o.file);
    if (!shape) return;  // the reading below says what is wrong
    if (o.separatorGiven && shape->separator != o.separator) return;
    if (o.skipGiven && shape->linesToSkip != o.skip) return;
    o.separator = shape->separator;
    o.skip = shape->linesToSkip;
}

void writeCheckJson(std::ostream& out, const CheckOptions& o, const GuaranteeReport& report, int first) {
    ToolJson holes = ToolJson::array();
    for (const auto& hole : report.firstHoles) holes.push_back(numbersJson(hole, first));
    ToolJson document;
    document["file"] = o.file;
    document["numbers"] = o.numbers;
    document["guarantee"] = o.t;
    document["if"] = o.m;
    document["boards"] = report.boards;
    document["numbered_from"] = first;
    document["holes"] = report.holes;
    document["covered_share"] = report.coveredShare;
    document["first_holes"] = std::move(holes);
    writeJsonLine(out, document);
}

void writeCheckText(std::ostream& out, const CheckOptions& o, const GuaranteeReport& report, int first) {
    const Guarantee& g = report.guarantee;
    out << o.file << ": " << report.boards << " boards over " << o.numbers << " numbers";
    if (first == 0) out << " (the file counts from 0: read as the numbers 0 to " << o.numbers - 1 << ")";
    out << "\n";
    if (report.holes == 0) {
        out << "Guarantee " << g.t << " if " << g.m << ": kept (" << report.subsets << " draws of " << g.m
            << " checked)\n";
        return;
    }
    out << "Guarantee " << g.t << " if " << g.m << ": not kept, " << report.holes << " holes among " << report.subsets
        << " draws of " << g.m << " (" << fixedDecimals(100.0 * report.coveredShare, 2) << " % covered)\n";
    out << (report.holes > static_cast<std::int64_t>(report.firstHoles.size()) ? "First holes:\n" : "Holes:\n");
    for (const auto& hole : report.firstHoles) out << "  " << numbersText(hole, first, " ") << "\n";
}

int check(CheckOptions o, std::ostream& out, std::ostream& err) {
    const Guarantee g{o.t, o.m};
    if (auto problem = checkLimitsProblem(o.numbers, g)) {
        err << kToolPrefix << *problem << "\n";
        return kToolBadInput;
    }
    if (o.separator.size() != 1) {
        err << kToolPrefix << "the separator must be one character\n";
        return kToolBadInput;
    }
    if (o.skip < 0) {
        err << kToolPrefix << "the lines to skip cannot be fewer than 0\n";
        return kToolBadInput;
    }
    guessWhatWasNotGiven(o);
    ExternalWheel file;
    file.fileName = o.file;
    file.separator = o.separator;
    file.linesToSkip = o.skip;
    const WheelFileReading reading = readWheelFile(file, o.numbers);
    if (!reading.ok()) {
        err << kToolPrefix << o.file << ": " << describeProblem(reading, o.numbers) << "\n";
        return kToolBadInput;
    }
    const int first = reading.numberedFromZero ? 0 : 1;
    const GuaranteeReport report = checkGuarantee(CoverageIndex(reading.wheel), g, o.holesShown);
    if (o.json)
        writeCheckJson(out, o, report, first);
    else
        writeCheckText(out, o, report, first);
    return report.holes == 0 ? kToolKept : kToolNotKept;
}

}  // namespace

ToolCommand addCheckCommand(CLI::App& tool) {
    auto o = std::make_shared<CheckOptions>();
    CLI::App* command = tool.add_subcommand("check", "Count the holes of a wheel file's guarantee");
    command->add_option("FILE", o->file, "The wheel file: one board per line")->required();
    addGuaranteeOptions(*command, o->numbers, o->t, o->m);
    CLI::Option* separator = command->add_option(
        "--separator", o->separator, "The one character between fields (guessed from the file's first lines)");
    CLI::Option* skip =
        command->add_option("--skip", o->skip, "Lines at the top that hold no board (guessed from the file)");
    command->add_option("--holes", o->holesShown, "How many holes to list (20 by default)")->check(kWholeNumber);
    command->add_flag("--json", o->json, "Answer in JSON");
    return {command, [o, separator, skip](std::ostream& out, std::ostream& err) {
                o->separatorGiven = separator->count() > 0;
                o->skipGiven = skip->count() > 0;
                return check(*o, out, err);
            }};
}

}  // namespace norvex5::workshop
