#include "comparison/comparison.h"

#include <exception>

#include "externalwheels/fieldnumber.h"
#include "externalwheels/textfile.h"

namespace norvex5 {

bool drawHasDuplicates(const DrawTexts& texts) {
    std::array<int, 60> counted{};  // [1..59]
    for (const std::string& text : texts) {
        const auto v = fieldNumber(text);
        if (!v) break;
        if (*v >= 1 && *v <= 59) ++counted[*v];
    }
    for (int n = 1; n <= kGridACount; ++n)
        if (counted[n] > 1) return true;
    return false;
}

InternalDraw internalDraw(const DrawTexts& texts) {
    InternalDraw result;
    Draw draw;
    for (int k = 0; k < kDrawNumbers; ++k) {
        const auto v = fieldNumber(texts[k]);
        if (!v) {
            result.firstInvalid = k;
            return result;
        }
        draw.values[k] = *v;
    }
    draw.count = kDrawNumbers;
    result.draw = draw;
    return result;
}

Draw externalDraw(const DrawTexts& texts) {
    // The zeroed values must not take part at all: a board number 0 (a field "0", or a file
    // number 60..100 replaced through an empty entry) would otherwise score a hit on them.
    Draw draw;
    for (const std::string& text : texts) {
        const auto v = fieldNumber(text);
        if (!v) break;
        draw.values[draw.count++] = *v;
    }
    return draw;
}

ComparisonResult compareInternal(Expansion& expansion, BoardMask& mask, int wheel,
                                 const Draw& draw, const ComparisonSink& sink) {
    ComparisonResult result;
    startExpansion(expansion, wheel);
    std::string line;
    for (std::int32_t i = 1; i <= expansion.boardCount; ++i) {
        if (!buildBoard(expansion, mask, i)) break;
        line.clear();
        appendPadded(line, i, 3);
        line += " :";
        int matches = 0;
        for (int n = 1; n <= kGridACount; ++n) {
            if (mask[n] != 1) continue;
            line.push_back('-');
            appendPadded(line, n, 2);
            matches += draw.matches(n);
        }
        line += " -> ";
        appendDecimal(line, matches);
        result.counts.add(matches);
        ++result.boards;
        if (!sink(i, line)) {
            result.stopped = true;
            break;
        }
    }
    return result;
}

ComparisonResult compareExternal(const ExternalWheel& wheel, const Draw& draw,
                                 const ComparisonSink& sink) {
    ComparisonResult result;
    std::string line;
    try {
        TTextFile reader;
        openExternalWheel(reader, wheel);
        std::int64_t k = 0;
        while (!reader.atEnd()) {
            ++k;
            line.assign("B.:");
            appendPadded(line, k, 3);
            line += " : :";
            int matches = 0;
            for (int f = 1; f <= kDrawNumbers; ++f) {
                const auto number = fieldNumber(reader.field(f));
                if (!number) continue;
                const std::int32_t v = replaceCompared(wheel.map, *number);
                line.push_back('-');
                if (v < 10) line.push_back('0');
                appendDecimal(line, v);
                matches += draw.matches(v);
            }
            line += " ->";
            appendDecimal(line, matches);
            result.counts.add(matches);
            ++result.boards;
            if (!sink(k, line)) {
                result.stopped = true;
                break;
            }
            reader.readLine();
        }
    } catch (const std::exception& e) {
        result.ok = false;
        result.error = e.what();
    }
    return result;
}

}  // namespace norvex5
