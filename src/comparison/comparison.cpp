#include "comparison/comparison.h"

#include <algorithm>
#include <exception>

#include "core/boardtext.h"
#include "textfiles/fieldnumber.h"
#include "textfiles/textfilereader.h"

namespace norvex5 {

std::optional<DrawNumberOutsideGame> drawNumberOutsideGame(const DrawTexts& texts, std::int32_t highestNumber) {
    for (int k = 0; k < kDrawNumbers; ++k) {
        const std::string_view text = trimBlanks(texts[k]);
        const auto number = fieldNumber(text);
        const bool digitsOnly =
            !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        const bool outside = number ? *number < 1 || *number > highestNumber : digitsOnly;
        if (outside) return DrawNumberOutsideGame{k, std::string(text)};
    }
    return std::nullopt;
}

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

ComparisonResult compareInternal(Expansion& expansion, BoardMask& mask, const SelectionState& selection, int wheel,
                                 const Draw& draw, const ComparisonSink& sink) {
    ComparisonResult result;
    startExpansion(expansion, selection, wheel);
    std::string line;
    for (std::int32_t i = 1; i <= expansion.boardCount; ++i) {
        if (!buildBoard(expansion, mask, i)) break;
        line.clear();
        appendBoardText(line, i, " :", mask);
        int matches = 0;
        for (int n = 1; n <= kGridACount; ++n)
            if (mask[n] == 1) matches += draw.matches(n);
        line += " -> ";
        appendDecimal(line, matches);
        result.counts.add(matches);
        ++result.pass.count;
        if (!sink(i, line)) {
            result.pass.stopped = true;
            break;
        }
    }
    return result;
}

ComparisonResult compareExternal(const ExternalWheel& wheel, const Draw& draw, const ComparisonSink& sink) {
    // "B.:" and a board number of up to 20 digits, " : :", five times "-0" and an 11-digit
    // value, " ->" and the count. Formed in place: this runs once per board of huge files.
    char line[3 + 20 + 4 + kDrawNumbers * 13 + 3 + 20];
    // How often each small number was drawn, so that a board number is scored by one look-up.
    std::array<std::uint8_t, 128> drawn{};
    for (int d = 0; d < draw.count; ++d)
        if (draw.values[d] >= 0 && draw.values[d] < 128) ++drawn[draw.values[d]];
    ComparisonResult result;
    try {
        TextFileReader reader;
        openExternalWheel(reader, wheel);
        std::int64_t k = 0;
        DecimalCounter boardText(3);
        while (!reader.atEnd()) {
            ++k;
            boardText.increment();
            char* w = line;
            for (const char c : {'B', '.', ':'}) *w++ = c;
            const std::string_view board = boardText.text();
            w = std::copy(board.begin(), board.end(), w);
            for (const char c : {' ', ':', ' ', ':'}) *w++ = c;
            int matches = 0;
            const auto score = [&](int, std::string_view field) __attribute__((always_inline)) {
                const auto number = fieldNumber(field);
                if (!number) return;
                const std::int32_t v = replaceCompared(wheel.map, wheel.wheelNumber(*number));
                *w++ = '-';
                if (v >= 0 && v < 100) {
                    w = writeTwoDigits(w, static_cast<unsigned>(v));
                    matches += drawn[v];
                    return;
                }
                if (v < 10) *w++ = '0';
                w = writeDecimal(w, v);
                matches += v >= 0 && v < 128 ? drawn[v] : draw.matches(v);
            };
            reader.forEachField(kDrawNumbers, score);
            for (const char c : {' ', '-', '>'}) *w++ = c;
            w = writeDecimal(w, matches);
            result.counts.add(matches);
            ++result.pass.count;
            if (!sink(k, std::string_view(line, static_cast<std::size_t>(w - line)))) {
                result.pass.stopped = true;
                break;
            }
            reader.readLine();
        }
    } catch (const std::exception& e) {
        result.pass.fail(e.what());
    }
    return result;
}

}  // namespace norvex5
