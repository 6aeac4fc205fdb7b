#pragma once
// The wheel file the benchmarks read: one header line, then boards of seven ";" fields (five
// numbers 1..50, two 1..9), CR LF line ends, the same file for the same seed. With
// `distinctNumbers` no board repeats a number, as the wheel check asks of a wheel; without it the
// five are drawn independently (the file the external passes have always been measured on).

#include <cstdio>
#include <random>
#include <string>

#include "externalwheels/externalwheel.h"
#include "textfiles/fieldnumber.h"

namespace norvex5::bench {

inline bool writeGeneratedWheel(const char* file, long boards, unsigned seed, bool distinctNumbers = false) {
    std::FILE* out = std::fopen(file, "wb");
    if (out == nullptr) return false;
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> gridA(1, 50);
    std::uniform_int_distribution<int> gridB(1, 9);
    std::string text = "n1;n2;n3;n4;n5;b1;b2\r\n";
    for (long k = 0; k < boards; ++k) {
        int drawn[5];
        for (int f = 0; f < 5; ++f) {
            drawn[f] = gridA(random);
            for (int g = 0; distinctNumbers && g < f; ++g)
                if (drawn[g] == drawn[f]) {
                    drawn[f] = gridA(random);
                    g = -1;
                }
            appendDecimal(text, drawn[f]);
            text.push_back(';');
        }
        appendDecimal(text, gridB(random));
        text.push_back(';');
        appendDecimal(text, gridB(random));
        text += "\r\n";
        if (text.size() > (1 << 16)) {
            std::fwrite(text.data(), 1, text.size(), out);
            text.clear();
        }
    }
    std::fwrite(text.data(), 1, text.size(), out);
    return std::fclose(out) == 0;
}

// The generated file as every reader of the program is told to read it.
inline ExternalWheel generatedWheelFile(const char* file) {
    ExternalWheel wheel;
    wheel.fileName = file;
    wheel.separator = ";";
    wheel.linesToSkip = 1;
    return wheel;
}

}  // namespace norvex5::bench
