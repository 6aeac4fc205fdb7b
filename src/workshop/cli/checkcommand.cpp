#include "workshop/cli/checkcommand.h"

#include <memory>

#include "workshop/cli/filteroptions.h"
#include "workshop/cli/shapeoptions.h"
#include "workshop/cli/wheelstool.h"
#include "workshop/keynumbers.h"
#include "workshop/wheelcheck.h"

namespace norvex5::workshop {

namespace {

constexpr std::size_t kDefaultHolesShown = 20;

struct CheckOptions {
    std::string file;
    int numbers = 0;
    int t = 0;
    int m = 0;
    WheelFileLayout layout;
    std::size_t holesShown = kDefaultHolesShown;
    bool json = false;
    FilterOptions filter;
    bool dropFailing = false;
    WheelShapeOptions shape;
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
    document["keys"] = o.shape.keys;
    document["board_size"] = o.shape.boardSize;
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
    const std::string condition = keyCondition(o.shape);
    if (report.holes == 0) {
        out << "Guarantee " << g.t << " if " << g.m << condition << ": kept (" << report.subsets << " draws of "
            << g.m << " checked)\n";
        return;
    }
    out << "Guarantee " << g.t << " if " << g.m << condition << ": not kept, " << report.holes << " holes among " << report.subsets
        << " draws of " << g.m << " (" << fixedDecimals(100.0 * report.coveredShare, 2) << " % covered)\n";
    out << (report.holes > static_cast<std::int64_t>(report.firstHoles.size()) ? "First holes:\n" : "Holes:\n");
    for (const auto& hole : report.firstHoles) out << "  " << numbersText(hole, first, " ") << "\n";
}

int check(const CheckOptions& o, std::ostream& out, std::ostream& err) {
    const Guarantee g{o.t, o.m};
    if (auto problem = wheelShapeProblem(o.numbers, g, o.shape, false)) {
        err << kToolPrefix << *problem << "\n";
        return kToolBadInput;
    }
    if ((o.shape.keys > 0 || o.shape.boardSize != kBoardSize) && !o.filter.filter.empty()) {
        err << kToolPrefix << "--filter goes with boards of five numbers and no key numbers\n";
        return kToolBadInput;
    }
    const auto setting = readFilterOptions(o.filter, o.numbers, err);
    if (!setting) return kToolBadInput;
    if (o.dropFailing && !setting->filter) {
        err << kToolPrefix << "--drop-failing drops the boards that fail --filter: give one\n";
        return kToolBadInput;
    }
    const auto read = readToolWheel(o.file, o.layout, o.numbers, err, o.shape.boardSize);
    if (!read) return kToolBadInput;
    const WheelFileReading& reading = *read;
    const int first = reading.numberedFromZero ? 0 : 1;
    const Wheel wheel = o.dropFailing ? passingBoards(reading.wheel, *setting->filter, setting->played) : reading.wheel;
    const CoverageIndex index(wheel);
    const GuaranteeReport report = o.shape.keys > 0 ? checkGuaranteeWithKeys(index, g, o.shape.keys, o.holesShown)
                                                    : checkGuarantee(index, g, o.holesShown);
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
    addGuaranteeOptions(*command, o->numbers, o->t, o->m);
    addWheelFileOptions(*command, o->layout, "the wheel file");
    command->add_option("--holes", o->holesShown, "How many holes to list (20 by default)")->check(kWholeNumber);
    command->add_flag("--json", o->json, "Answer in JSON");
    addFilterOptions(*command, o->filter);
    command->add_flag("--drop-failing", o->dropFailing, "Drop the boards that fail --filter before checking");
    addWheelShapeOptions(*command, o->shape);
    return {command, [o](std::ostream& out, std::ostream& err) { return check(*o, out, err); }};
}

}  // namespace norvex5::workshop
