// The commands bench/wheel-filter times:
//   generate <file> <boards>   the wheel file of bench/wheel-check (boards over 50 numbers)
//   check <file>               the plain check of bench/wheel-check: "3 if 5" with its holes, the
//                              whole coverage profile and the win table of a game of 50 numbers
//   filter-check <file>        the same under the filter, as `norvex5-wheels check --filter` makes
//                              it: the plain figures and those among the draws that pass
//   share                      in one process: the passing share of several filter sets over a
//                              50-number game against the plain check of a 1,000-board wheel;
//                              medians of 5, one name=value line each
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "benchclock.h"
#include "generatedwheel.h"
#include "workshop/filteredcheck.h"

using namespace norvex5;

namespace {

constexpr int kHighest = 50;
constexpr const char* kCheckFilter = "odd=2-3,low=2-3,sum=90-160,run=2,decade=2,digit=2";

workshop::DrawFilter filterOf(const char* text) { return std::get<workshop::DrawFilter>(workshop::parseDrawFilter(text, kHighest)); }

std::optional<workshop::Wheel> readBenchWheel(const char* file) {
    ExternalWheel wheel;
    wheel.fileName = file;
    wheel.separator = ";";
    wheel.linesToSkip = 1;
    const workshop::WheelFileReading reading = workshop::readWheelFile(wheel, kHighest);
    if (!reading.ok()) {
        std::fprintf(stderr, "%s\n", workshop::describeProblem(reading, kHighest).c_str());
        return std::nullopt;
    }
    return reading.wheel;
}

int check(const char* file, bool filtered) {
    const auto wheel = readBenchWheel(file);
    if (!wheel) return 1;
    const workshop::CoverageIndex index(*wheel);
    const workshop::GuaranteeReport report = workshop::checkGuarantee(index, {3, 5});
    if (!filtered) {
        const auto profile = workshop::coverageProfile(index);
        const workshop::WinTable table = workshop::winTable(*profile, kHighest);
        std::printf("boards=%lld holes_3_if_5=%lld best_5_of_5=%.6f\n", static_cast<long long>(report.boards),
                    static_cast<long long>(report.holes), table.bestShare[5][5]);
        return 0;
    }
    const workshop::DrawFilter filter = filterOf(kCheckFilter);
    const workshop::PassingDraws draws(filter, workshop::firstNumbers(kHighest, kHighest));
    const auto profile = workshop::filteredProfile(index, draws);
    const workshop::WinTable table = workshop::winTable(profile->plain, kHighest);
    const workshop::FilteredWinTable filteredTable = workshop::winTableUnderFilter(*profile);
    // Printed so that nothing of the work can be left out, and as a sanity check: the plain holes
    // come out the same both ways, and the listed passing draws are the counted ones.
    std::printf("boards=%lld holes_3_if_5=%lld holes_under_filter=%lld best_5_of_5=%.6f best_5_of_5_passing=%.6f\n",
                static_cast<long long>(report.boards), static_cast<long long>(report.holes),
                static_cast<long long>(profile->holesUnderFilter({3, 5})), table.bestShare[5][5],
                filteredTable.bestShare[5][5]);
    return report.holes == profile->plain.holes({3, 5}) && draws.passing() == workshop::passingDrawCount(filter, kHighest)
               ? 0
               : 1;
}

workshop::Wheel randomWheel(int boards) {
    std::mt19937 random(17);
    workshop::Wheel wheel;
    wheel.numbers = kHighest;
    std::vector<std::uint8_t> all(kHighest);
    for (int n = 0; n < kHighest; ++n) all[n] = static_cast<std::uint8_t>(n);
    for (int b = 0; b < boards; ++b) {
        std::shuffle(all.begin(), all.end(), random);
        workshop::Board board;
        std::copy_n(all.begin(), workshop::kBoardSize, board.begin());
        std::sort(board.begin(), board.end());
        wheel.boards.push_back(board);
    }
    return wheel;
}

template <typename Work>
double medianSeconds(Work&& work) {
    std::vector<double> times;
    for (int round = 0; round < 5; ++round) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(bench::secondsSince(start));
    }
    return bench::median(times);
}

int share() {
    const workshop::Wheel wheel = randomWheel(1000);
    std::int64_t holes = 0;
    const double checkSeconds = medianSeconds([&] {
        const workshop::CoverageIndex index(wheel);
        holes = workshop::checkGuarantee(index, {3, 5}).holes;
    });
    std::printf("plain_check_1000_boards_s=%.5f holes_3_if_5=%lld\n", checkSeconds, static_cast<long long>(holes));
    const char* filters[] = {"odd=2-3,low=2-3",
                             kCheckFilter,
                             "odd=2-3,low=2-3,sum=90-160,run=2,decade=2,digit=3",
                             "sum=100-150,run=3,decade=3",
                             "odd=2-3,low=2-3,sum=90-160,run=2,decade=2,digit=1"};
    double worst = 0;
    for (const char* text : filters) {
        const workshop::DrawFilter filter = filterOf(text);
        std::int64_t passing = 0;
        const double seconds = medianSeconds([&] { passing = workshop::passingDrawCount(filter, kHighest); });
        std::printf("filter=\"%s\" passing=%lld share_s=%.5f share_vs_check=%.3f\n", text,
                    static_cast<long long>(passing), seconds, seconds / checkSeconds);
        worst = std::max(worst, seconds / checkSeconds);
    }
    std::printf("share_vs_check_worst=%.3f\n", worst);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "generate")
        return bench::writeGeneratedWheel(argv[2], std::atol(argv[3]), 11, true) ? 0 : 1;
    if (argc == 3 && std::string(argv[1]) == "check") return check(argv[2], false);
    if (argc == 3 && std::string(argv[1]) == "filter-check") return check(argv[2], true);
    if (argc == 2 && std::string(argv[1]) == "share") return share();
    std::fprintf(stderr, "usage: %s generate <file> <boards> | check <file> | filter-check <file> | share\n", argv[0]);
    return 2;
}
