// The commands bench/wheel-check times, each one process as the program would run it:
//   generate <file> <boards>   a wheel file: one header line, then boards of 7 ";" fields, five
//                              distinct numbers 1..50 and two 1..9
//   check <file>               the wheel over 50 numbers: its holes for "3 if 5" (count and the
//                              first 20) and its whole win table for a game of 50 numbers
//   export <file> <out>        the engine's export of the same file, as the list window makes it
#include <cstdio>
#include <cstdlib>
#include <string>

#include "generatedwheel.h"
#include "output/listexport.h"
#include "workshop/wheelcheck.h"

using namespace norvex5;

namespace {

int check(const char* file) {
    const workshop::WheelFileReading reading = workshop::readWheelFile(bench::generatedWheelFile(file), 50);
    if (!reading.ok()) {
        std::fprintf(stderr, "%s\n", workshop::describeProblem(reading, 50).c_str());
        return 1;
    }
    const workshop::CoverageIndex index(reading.wheel);
    const workshop::GuaranteeReport report = workshop::checkGuarantee(index, {3, 5});
    const auto profile = workshop::coverageProfile(index);
    const workshop::WinTable table = workshop::winTable(*profile, 50);
    // Printed so that nothing of the work can be left out, and as a sanity check: both ways of
    // counting the holes agree.
    std::printf("boards=%lld holes_3_if_5=%lld profile_holes=%lld best_5_of_5=%.6f\n",
                static_cast<long long>(report.boards), static_cast<long long>(report.holes),
                static_cast<long long>(profile->holes({3, 5})), table.bestShare[5][5]);
    return report.holes == profile->holes({3, 5}) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "generate")
        return bench::writeGeneratedWheel(argv[2], std::atol(argv[3]), 11, true) ? 0 : 1;
    if (argc == 3 && std::string(argv[1]) == "check") return check(argv[2]);
    if (argc == 4 && std::string(argv[1]) == "export")
        return exportExternalList(bench::generatedWheelFile(argv[2]), argv[3]).status == ExportStatus::Written ? 0 : 1;
    std::fprintf(stderr, "usage: %s generate <file> <boards> | check <file> | export <file> <out>\n", argv[0]);
    return 2;
}
