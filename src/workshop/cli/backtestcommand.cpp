#include "workshop/cli/backtestcommand.h"

#include <algorithm>
#include <iomanip>
#include <memory>
#include <numeric>

#include "draws/backtest.h"
#include "workshop/cli/wheelstool.h"

namespace norvex5::workshop {

namespace {

// No game draws numbers above 50; the command line knows no game type, so it takes them all.
constexpr int kHighestDrawnNumber = 50;

struct BacktestOptions {
    std::string wheelFile;
    std::string drawFile;
    int numbers = kHighestDrawnNumber;
    WheelFileLayout layout;
    bool json = false;
};

ToolJson tiersJson(const std::array<std::int64_t, draws::kDrawnNumbers + 1>& byRight, bool withFewer) {
    ToolJson tiers;
    for (int right = draws::kDrawnNumbers; right >= 2; --right) tiers[std::to_string(right)] = byRight[right];
    if (withFewer) tiers["fewer"] = byRight[0] + byRight[1];
    return tiers;
}

void writeBacktestJson(std::ostream& out, const draws::BacktestTotals& totals,
                       const std::vector<draws::DrawRecord>& drawList, const std::vector<draws::DrawOutcome>& outcomes,
                       const std::vector<draws::RefusedLine>& refused) {
    ToolJson perDraw = ToolJson::array();
    for (std::size_t k = 0; k < drawList.size(); ++k) {
        ToolJson entry;
        entry["date"] = drawList[k].date.iso();
        entry["best"] = outcomes[k].best;
        entry["holding"] = tiersJson(outcomes[k].boardsHolding, false);
        perDraw.push_back(std::move(entry));
    }
    ToolJson refusedJson = ToolJson::array();
    for (const draws::RefusedLine& line : refused) {
        ToolJson entry;
        entry["line"] = line.line;
        entry["reason"] = draws::describeRefusal(line.reason);
        refusedJson.push_back(std::move(entry));
    }
    ToolJson document;
    document["boards"] = totals.boards;
    document["draws"] = totals.draws;
    document["tiers"] = tiersJson(totals.drawsWithBest, true);
    document["boards_holding"] = tiersJson(totals.boardsHolding, false);
    document["per_draw"] = std::move(perDraw);
    document["refused"] = std::move(refusedJson);
    writeJsonLine(out, document);
}

void writeBacktestText(std::ostream& out, const BacktestOptions& o, const draws::BacktestTotals& totals,
                       const std::vector<draws::DrawRecord>& drawList) {
    out << o.wheelFile << ": " << totals.boards << " boards against " << totals.draws << " draws of " << o.drawFile
        << " (" << drawList.front().date.iso() << " to " << drawList.back().date.iso() << ")\n";
    out << "Best board    draws    boards holding it\n";
    for (int right = draws::kDrawnNumbers; right >= 2; --right)
        out << "  " << right << " right  " << std::setw(8) << totals.drawsWithBest[right] << "  " << std::setw(18)
            << totals.boardsHolding[right] << "\n";
    out << "  fewer    " << std::setw(8) << totals.drawsWithBest[0] + totals.drawsWithBest[1] << "\n";
}

int backtest(const BacktestOptions& o, std::ostream& out, std::ostream& err) {
    if (o.numbers < kMinNumbers || o.numbers > kHighestDrawnNumber) {
        err << kToolPrefix << "the numbers must be " << kMinNumbers << " to " << kHighestDrawnNumber << "\n";
        return kToolBadInput;
    }
    const auto wheel = readToolWheel(o.wheelFile, o.layout, o.numbers, err);
    if (!wheel) return kToolBadInput;

    const draws::DrawShapeGuess guess = draws::guessDrawFileShape(o.drawFile, kHighestDrawnNumber);
    if (guess.problem != draws::DrawFileProblem::None) {
        err << kToolPrefix << o.drawFile << ": " << draws::describeProblem(guess.problem, guess.readerError, guess.problemLine) << "\n";
        return kToolBadInput;
    }
    draws::DrawFileReading reading = draws::readDrawFile(o.drawFile, guess.shape, kHighestDrawnNumber);
    if (!reading.ok() || reading.draws.empty()) {
        const auto problem = reading.ok() ? draws::DrawFileProblem::NoDraw : reading.problem;
        err << kToolPrefix << o.drawFile << ": " << draws::describeProblem(problem, reading.readerError, reading.problemLine) << "\n";
        return kToolBadInput;
    }
    for (const draws::RefusedLine& line : reading.refused)
        err << kToolPrefix << o.drawFile << " line " << line.line << " left out: " << draws::describeRefusal(line.reason)
            << "\n";
    std::vector<draws::DrawRecord>& drawList = reading.draws;
    std::stable_sort(drawList.begin(), drawList.end(),
                     [](const draws::DrawRecord& a, const draws::DrawRecord& b) { return a.date < b.date; });

    // The wheel's numbers are played as written: wheel number b (from 0) is the number b + 1.
    std::vector<std::int32_t> played(static_cast<std::size_t>(o.numbers));
    std::iota(played.begin(), played.end(), 1);
    const draws::BoardBits boards(wheel->wheel, played);
    const std::vector<draws::DrawOutcome> outcomes = draws::backtest(boards, drawList);
    const draws::BacktestTotals totals = draws::backtestTotals(outcomes, boards.boards());
    if (o.json)
        writeBacktestJson(out, totals, drawList, outcomes, reading.refused);
    else
        writeBacktestText(out, o, totals, drawList);
    return kToolKept;
}

}  // namespace

ToolCommand addBacktestCommand(CLI::App& tool) {
    auto o = std::make_shared<BacktestOptions>();
    CLI::App* command = tool.add_subcommand("backtest", "Test a wheel file against every draw of a draw file");
    command->add_option("WHEEL", o->wheelFile, "The wheel file: one board per line")->required();
    command->add_option("--draws", o->drawFile, "The draw file, as the lottery publishes it")->required();
    command->add_option("--numbers", o->numbers, "How many numbers the wheel plays (50 by default)");
    addWheelFileOptions(*command, o->layout, "the wheel file");
    command->add_flag("--json", o->json, "Answer in JSON");
    return {command, [o](std::ostream& out, std::ostream& err) { return backtest(*o, out, err); }};
}

}  // namespace norvex5::workshop
