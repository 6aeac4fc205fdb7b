#include "workshop/cli/checkcommand.h"

#include <memory>

#include "workshop/cli/filteroptions.h"
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
    std::size_t holesShown = kDefaultHolesShown;
    bool json = false;
    FilterOptions filter;
    bool dropFailing = false;
};

// The guarantee among the draws that pass the filter, beside the plain one.
struct FilterReport {
    std::string filter;
    double passingShare = 1.0;
    std::int64_t heldSubsets = 0;  // the m-subsets some passing draw holds
    std::int64_t holes = 0;
    double coveredShare = 1.0;
    std::int64_t boardsDropped = -1;  // -1: no board was dropped for failing the filter
};

FilterReport checkUnderFilter(const CoverageIndex& index, const FilterSetting& setting, Guarantee g) {
    FilterReport report;
    report.filter = filterText(*setting.filter);
    report.passingShare = double(setting.passing) / double(setting.draws);
    const auto profile = filteredProfile(index, PassingDraws(*setting.filter, setting.played));
    report.heldSubsets = profile->heldSubsets(g.m);
    report.holes = profile->holesUnderFilter(g);
    report.coveredShare = profile->coveredShareUnderFilter(g);
    return report;
}

void writeCheckJson(std::ostream& out, const CheckOptions& o, const GuaranteeReport& report, int first,
                    const std::optional<FilterReport>& filtered) {
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
    if (filtered) {
        document["filter"] = filtered->filter;
        document["draws_passing_share"] = filtered->passingShare;
        document["holes_under_filter"] = filtered->holes;
        document["covered_share_under_filter"] = filtered->coveredShare;
        if (filtered->boardsDropped >= 0) document["boards_dropped"] = filtered->boardsDropped;
    }
    writeJsonLine(out, document);
}

void writeFilterText(std::ostream& out, const FilterReport& filtered, Guarantee g) {
    out << "Filter " << filtered.filter << ": " << fixedDecimals(100.0 * filtered.passingShare, 2)
        << " % of the game's draws pass";
    if (filtered.boardsDropped >= 0) out << "; " << filtered.boardsDropped << " boards that fail it dropped";
    out << "\nGuarantee " << g.t << " if " << g.m << " among draws that pass: ";
    if (filtered.holes == 0)
        out << "kept (" << filtered.heldSubsets << " draws of " << g.m << " checked)\n";
    else
        out << "not kept, " << filtered.holes << " holes among " << filtered.heldSubsets << " draws of " << g.m
            << " (" << fixedDecimals(100.0 * filtered.coveredShare, 2) << " % covered)\n";
}

void writeCheckText(std::ostream& out, const CheckOptions& o, const GuaranteeReport& report, int first,
                    const std::optional<FilterReport>& filtered) {
    const Guarantee& g = report.guarantee;
    out << o.file << ": " << report.boards << " boards over " << o.numbers << " numbers";
    if (first == 0) out << " (the file counts from 0: read as the numbers 0 to " << o.numbers - 1 << ")";
    out << "\n";
    if (filtered) writeFilterText(out, *filtered, g);
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

int check(const CheckOptions& o, std::ostream& out, std::ostream& err) {
    const Guarantee g{o.t, o.m};
    if (auto problem = checkLimitsProblem(o.numbers, g)) {
        err << kToolPrefix << *problem << "\n";
        return kToolBadInput;
    }
    const auto setting = readFilterOptions(o.filter, o.numbers, err);
    if (!setting) return kToolBadInput;
    if (o.dropFailing && !setting->filter) {
        err << kToolPrefix << "--drop-failing drops the boards that fail --filter: give one\n";
        return kToolBadInput;
    }
    const auto read = readToolWheel(o.file, o.separator, o.skip, o.numbers, err);
    if (!read) return kToolBadInput;
    const WheelFileReading& reading = *read;
    const int first = reading.numberedFromZero ? 0 : 1;
    const Wheel wheel = o.dropFailing ? passingBoards(reading.wheel, *setting->filter, setting->played) : reading.wheel;
    const CoverageIndex index(wheel);
    const GuaranteeReport report = checkGuarantee(index, g, o.holesShown);
    std::optional<FilterReport> filtered;
    if (setting->filter) {
        filtered = checkUnderFilter(index, *setting, g);
        if (o.dropFailing) filtered->boardsDropped = std::int64_t(reading.wheel.boards.size() - wheel.boards.size());
    }
    if (o.json)
        writeCheckJson(out, o, report, first, filtered);
    else
        writeCheckText(out, o, report, first, filtered);
    // Under a filter the player plays for the draws that pass: that guarantee decides.
    const std::int64_t holes = filtered ? filtered->holes : report.holes;
    return holes == 0 ? kToolKept : kToolNotKept;
}

}  // namespace

ToolCommand addCheckCommand(CLI::App& tool) {
    auto o = std::make_shared<CheckOptions>();
    CLI::App* command = tool.add_subcommand("check", "Count the holes of a wheel file's guarantee");
    command->add_option("FILE", o->file, "The wheel file: one board per line")->required();
    command->add_option("--numbers", o->numbers, "How many numbers the wheel plays (v)")->required();
    command->add_option("--guarantee", o->t, "Numbers guaranteed on one board (t)")->required();
    command->add_option("--if", o->m, "... when this many drawn numbers are among the v (m)")->required();
    command->add_option("--separator", o->separator, "The one character between fields (a blank by default)");
    command->add_option("--skip", o->skip, "Lines at the top that hold no board");
    command->add_option("--holes", o->holesShown, "How many holes to list (20 by default)")
        ->check(CLI::NonNegativeNumber);
    command->add_flag("--json", o->json, "Answer in JSON");
    addFilterOptions(*command, o->filter);
    command->add_flag("--drop-failing", o->dropFailing, "Drop the boards that fail --filter before checking");
    return {command, [o](std::ostream& out, std::ostream& err) { return check(*o, out, err); }};
}

}  // namespace norvex5::workshop
