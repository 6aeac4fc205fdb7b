// The commands bench/backtest times, each one process as the program would run it:
//   generate-wheel <file> <boards>   the benchmarks' wheel file (generatedwheel.h), no number twice
//   generate-draws <file> <draws>    a draw file as operators publish it: ";", a header, many
//                                    columns, DD/MM/YYYY, one draw a day from 1901 on, newest first
//   backtest <wheel> <draws> <threads>  the wheel (over 50 numbers) against every draw of the file
//   compare <wheel>                  the comparison of the same wheel with one draw, each board's
//                                    line formed as the comparison window gets it, then dropped
//   import <draws> <database>        the draw file read and imported into a new draw store
//   export <wheel> <out>             the engine's export of a wheel file, as the list window makes it
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "benchclock.h"
#include "comparison/comparison.h"
#include "draws/backtest.h"
#include "generatedwheel.h"
#include "output/listexport.h"

using namespace norvex5;

namespace {

constexpr int kHighest = 50;

int generateDraws(const char* file, long count) {
    std::FILE* out = std::fopen(file, "wb");
    if (out == nullptr) return 1;
    std::mt19937 random(21);
    std::vector<std::string> lines;
    draws::CalendarDate date{1901, 1, 1};
    const auto nextDay = [&] {
        ++date.day;
        if (draws::calendarDate({date.day, date.month, date.year, false}, draws::DateOrder::DayMonthYear)) return;
        date.day = 1;
        if (++date.month > 12) {
            date.month = 1;
            ++date.year;
        }
    };
    for (long k = 0; k < count; ++k) {
        std::vector<int> pool(kHighest);
        for (int n = 0; n < kHighest; ++n) pool[n] = n + 1;
        std::shuffle(pool.begin(), pool.end(), random);
        char line[256];
        std::snprintf(line, sizeof line, "%ld;MERCREDI;%02d/%02d/%04d;%02d/%02d/%04d;%d;%d;%d;%d;%d;%d;%d-%d-%d-%d-%d;0;0,00;eur;",
                      1000000 + k, date.day, date.month, date.year, date.day, date.month, date.year, pool[0], pool[1],
                      pool[2], pool[3], pool[4], 1 + pool[5] % 10, pool[0], pool[1], pool[2], pool[3], pool[4]);
        lines.emplace_back(line);
        nextDay();
    }
    std::string text =
        "annee_numero_de_tirage;jour_de_tirage;date_de_tirage;date_de_forclusion;boule_1;boule_2;boule_3;boule_4;"
        "boule_5;numero_chance;combinaison_gagnante;nombre_de_gagnant_au_rang1;rapport_du_rang1;devise;\r\n";
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) text += *line + "\r\n";
    std::fwrite(text.data(), 1, text.size(), out);
    return std::fclose(out) == 0 ? 0 : 1;
}

std::optional<draws::DrawFileReading> readDraws(const char* file) {
    const draws::DrawShapeGuess guess = draws::guessDrawFileShape(file, kHighest);
    if (guess.problem != draws::DrawFileProblem::None) return std::nullopt;
    draws::DrawFileReading reading = draws::readDrawFile(file, guess.shape, kHighest);
    if (!reading.ok()) return std::nullopt;
    return reading;
}

int backtest(const char* wheelFile, const char* drawFile, int threads) {
    const auto start = std::chrono::steady_clock::now();
    const workshop::WheelFileReading wheel = workshop::readWheelFile(bench::generatedWheelFile(wheelFile), kHighest);
    const auto reading = readDraws(drawFile);
    if (!wheel.ok() || !reading) return 1;
    const double read = bench::secondsSince(start);
    std::vector<std::int32_t> played(kHighest);
    for (int k = 0; k < kHighest; ++k) played[k] = k + 1;
    const draws::BoardBits boards(wheel.wheel, played);
    const double bits = bench::secondsSince(start);
    const auto outcomes = draws::backtest(boards, reading->draws, threads);
    const draws::BacktestTotals totals = draws::backtestTotals(outcomes, boards.boards());
    // Where the time goes: reading both files, the boards into bits, the draws counted.
    std::printf("read_s=%.4f bits_s=%.4f count_s=%.4f\n", read, bits - read, bench::secondsSince(start) - bits);
    std::printf("boards=%lld draws=%lld best_5=%lld best_4=%lld best_3=%lld boards_holding_3=%lld\n",
                static_cast<long long>(totals.boards), static_cast<long long>(totals.draws),
                static_cast<long long>(totals.drawsWithBest[5]), static_cast<long long>(totals.drawsWithBest[4]),
                static_cast<long long>(totals.drawsWithBest[3]), static_cast<long long>(totals.boardsHolding[3]));
    return 0;
}

int compare(const char* wheelFile) {
    std::size_t characters = 0;
    const ComparisonResult result = compareExternal(bench::generatedWheelFile(wheelFile), externalDraw({"3", "12", "25", "38", "47"}),
                                                    [&](std::int64_t, std::string_view line) {
                                                        characters += line.size();
                                                        return true;
                                                    });
    std::printf("boards=%lld characters=%zu three=%lld\n", static_cast<long long>(result.pass.count), characters,
                static_cast<long long>(result.counts.three));
    return result.pass.ok ? 0 : 1;
}

int import(const char* drawFile, const char* database) {
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(std::string(database) + suffix);
    // Where the processor's time goes, for whoever makes it shorter: reading, opening, writing.
    const auto cpu = [] { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; };
    const double start = cpu();
    const auto reading = readDraws(drawFile);
    if (!reading) return 1;
    const double read = cpu();
    draws::DrawStore store(database);
    const double opened = cpu();
    const draws::ImportResult result = store.import(1, reading->draws);
    std::printf("added=%lld read_cpu_s=%.4f open_cpu_s=%.4f write_cpu_s=%.4f\n", static_cast<long long>(result.added),
                read - start, opened - read, cpu() - opened);
    return result.ok() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (argc == 4 && command == "generate-wheel") return bench::writeGeneratedWheel(argv[2], std::atol(argv[3]), 13, true) ? 0 : 1;
    if (argc == 4 && command == "generate-draws") return generateDraws(argv[2], std::atol(argv[3]));
    if (argc == 5 && command == "backtest") return backtest(argv[2], argv[3], std::atoi(argv[4]));
    if (argc == 3 && command == "compare") return compare(argv[2]);
    if (argc == 4 && command == "import") return import(argv[2], argv[3]);
    if (argc == 4 && command == "export")
        return exportExternalList(bench::generatedWheelFile(argv[2]), argv[3]).status == ExportStatus::Written ? 0 : 1;
    std::fprintf(stderr,
                 "usage: %s generate-wheel <file> <boards> | generate-draws <file> <draws> | "
                 "backtest <wheel> <draws> <threads> | compare <wheel> | import <draws> <database> | "
                 "export <wheel> <out>\n",
                 argv[0]);
    return 2;
}
