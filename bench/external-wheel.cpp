// The commands bench/external-wheel times, each one process as the program would run it:
//   generate <file> <boards>   a wheel file: one header line, then boards of 7 ";" fields,
//                              five numbers 1..50 and two 1..9
//   export <wheel> <out>       the external list export through a map that replaces 7 by 42
//   compare <wheel> <out>      the external comparison against a draw, lines and counts to <out>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "comparison/comparison.h"
#include "generatedwheel.h"
#include "output/listexport.h"
#include "textfiles/fieldnumber.h"

using namespace norvex5;

namespace {

ExternalWheel benchWheel(const char* file) {
    ExternalWheel wheel;
    wheel.fileName = file;
    wheel.separator = ";";
    wheel.linesToSkip = 1;
    wheel.map[7] = 42;
    return wheel;
}

int generate(const char* file, long boards) { return bench::writeGeneratedWheel(file, boards, 5) ? 0 : 1; }

int exportList(const char* wheel, const char* target) {
    const ExportResult result = exportExternalList(benchWheel(wheel), target);
    return result.status == ExportStatus::Written ? 0 : 1;
}

int compare(const char* wheel, const char* target) {
    std::FILE* out = std::fopen(target, "wb");
    if (out == nullptr) return 1;
    std::string buffer;
    const ComparisonResult result = compareExternal(benchWheel(wheel), externalDraw({"3", "12", "25", "38", "47"}),
                                                    [&](std::int64_t, std::string_view line) {
                                                        buffer.append(line);
                                                        buffer += "\r\n";
                                                        if (buffer.size() > (1 << 16)) {
                                                            std::fwrite(buffer.data(), 1, buffer.size(), out);
                                                            buffer.clear();
                                                        }
                                                        return true;
                                                    });
    buffer += "5: " + std::to_string(result.counts.five) + "\r\n4: " + std::to_string(result.counts.four) +
              "\r\n3: " + std::to_string(result.counts.three) + "\r\n2: " + std::to_string(result.counts.two) + "\r\n";
    std::fwrite(buffer.data(), 1, buffer.size(), out);
    return std::fclose(out) == 0 && result.pass.ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "generate") return generate(argv[2], std::atol(argv[3]));
    if (argc == 4 && std::string(argv[1]) == "export") return exportList(argv[2], argv[3]);
    if (argc == 4 && std::string(argv[1]) == "compare") return compare(argv[2], argv[3]);
    std::fprintf(stderr, "usage: %s generate|export|compare <file> <boards|out>\n", argv[0]);
    return 2;
}
