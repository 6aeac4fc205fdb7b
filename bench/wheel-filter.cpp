// The commands bench/wheel-filter times:
//   generate <file> <boards>   the wheel file of bench/wheel-check (boards over 50 numbers)
//   check <file>               the plain check of bench/wheel-check: "3 if 5" with its holes, the
//                              whole coverage profile and the win table of a game of 50 numbers
//   filter-check <file>        the same under the filter, as `norvex5-wheels check --filter` makes
//                              it: the plain figures and those among the draws that pass
//   share                      in one process: the passing share of several filter sets over a
//                              50-number game against the plain check of a 1,000-board wheel;
//                              medians of 5, one name=value line each
//   sizes <moves>              for v = 12..20, "3 if 5" and "4 if 5": a wheel generated under
//                              odd=2-3,low=2-3 and one without, each given the same moves on one
//                              thread from the same seed (so the sizes do not depend on how busy
//                              the machine is); filtered_size / plain_size per case and the mean
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "benchclock.h"
#include "generatedwheel.h"
#include "support/randomwheel.h"
#include "workshop/filteredcheck.h"
#include "workshop/wheelgenerator.h"

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
    std::mt19937 random(17);
    const workshop::Wheel wheel = testing::randomWheel(random, kHighest, 1000);
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

// v numbers of a 49-number game spread over it, half low and half high, odd and even in turn:
// numbers 1..v would all be low, and no draw with two or three low numbers would hold five of them.
workshop::PlayedNumbers spreadNumbers(int v) {
    workshop::PlayedNumbers played;
    played.highest = workshop::kDefaultHighest;
    for (int i = 0; i < v; ++i) {
        int n = 1 + i * (played.highest - 1) / (v - 1);
        if (n % 2 != (i + 1) % 2) n += n < played.highest ? 1 : -1;
        played.played.push_back(n);
    }
    return played;
}

int sizes(std::int64_t moves) {
    const workshop::DrawFilter filter =
        std::get<workshop::DrawFilter>(workshop::parseDrawFilter("odd=2-3,low=2-3", workshop::kDefaultHighest));
    double ratios = 0;
    int cases = 0;
    for (const workshop::Guarantee g : {workshop::Guarantee{3, 5}, workshop::Guarantee{4, 5}})
        for (int v = 12; v <= 20; ++v) {
            const workshop::PlayedNumbers played = spreadNumbers(v);
            const workshop::PassingDraws draws(filter, played);
            workshop::GeneratorSettings settings;
            settings.numbers = v;
            settings.guarantee = g;
            settings.seed = 1;
            settings.seconds = 0;
            settings.maxMoves = moves;
            settings.threads = 1;
            const workshop::GeneratorResult plain = workshop::generateWheel(settings);
            settings.needed = draws.heldFlags(g.m);
            const workshop::GeneratorResult filtered = workshop::generateWheel(settings);
            if (!plain.complete || !filtered.complete) {
                std::fprintf(stderr, "no complete wheel for %d numbers, %d if %d\n", v, g.t, g.m);
                return 1;
            }
            // The filtered wheel is checked as a player would check it: nothing is taken on trust.
            const auto profile = workshop::filteredProfile(workshop::CoverageIndex(filtered.wheel), draws);
            if (profile->holesUnderFilter(g) != 0) {
                std::fprintf(stderr, "the filtered wheel for %d numbers, %d if %d has holes\n", v, g.t, g.m);
                return 1;
            }
            const double ratio = double(filtered.wheel.boards.size()) / double(plain.wheel.boards.size());
            std::printf("numbers=%d guarantee=%d_if_%d plain_size=%zu filtered_size=%zu filtered_vs_plain=%.3f\n", v,
                        g.t, g.m, plain.wheel.boards.size(), filtered.wheel.boards.size(), ratio);
            std::fflush(stdout);
            ratios += ratio;
            ++cases;
        }
    std::printf("filtered_vs_plain_mean=%.3f\n", ratios / cases);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "generate")
        return bench::writeGeneratedWheel(argv[2], std::atol(argv[3]), 11, true) ? 0 : 1;
    if (argc == 3 && std::string(argv[1]) == "check") return check(argv[2], false);
    if (argc == 3 && std::string(argv[1]) == "filter-check") return check(argv[2], true);
    if (argc == 2 && std::string(argv[1]) == "share") return share();
    if (argc == 3 && std::string(argv[1]) == "sizes") return sizes(std::atoll(argv[2]));
    std::fprintf(stderr, "usage: %s generate <file> <boards> | check <file> | filter-check <file> | share | sizes <moves>\n",
                 argv[0]);
    return 2;
}
