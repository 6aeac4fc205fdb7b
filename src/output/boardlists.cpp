#include "output/boardlists.h"

#include <algorithm>
#include <exception>

#include "core/boardtext.h"
#include "localisation/messagenumbers.h"
#include "textfiles/fieldnumber.h"
#include "textfiles/textfilereader.h"

namespace norvex5 {

namespace {

constexpr int kGridBFirst = 51;
constexpr int kGridBLast = kBoxCount;  // 59: grid B numbers 1..9

// Internal lists separate their numbers as " 3 ,12": the comma sits before each later number.
void appendInternalNumbers(std::string& out, const BoardMask& mask, int first, int last, int offset) {
    bool later = false;
    for (int n = first; n <= last; ++n) {
        if (mask[n] != 1) continue;
        out.push_back(' ');
        if (later) out.push_back(',');
        appendDecimal(out, n - offset);
        later = true;
    }
}

template <typename LineOf>
PassResult forEachBoard(Expansion& expansion, BoardMask& mask, const SelectionState& selection, int wheel,
                        const LineSink& sink, LineOf lineOf) {
    PassResult run;
    startExpansion(expansion, selection, wheel);
    for (std::int32_t i = 1; i <= expansion.boardCount; ++i) {
        if (!buildBoard(expansion, mask, i)) break;
        ++run.count;
        if (!sink(lineOf(i))) {
            run.stopped = true;
            break;
        }
    }
    return run;
}

}  // namespace

std::string listWindowLine(std::int64_t board, const BoardMask& mask) {
    std::string line = " ";
    appendBoardText(line, board, ":", mask);
    return line;
}

std::string internalPrintedLine(std::int64_t board, const BoardMask& mask, std::string_view boardWord) {
    std::string line(boardWord);
    line += " :";
    appendDecimal(line, board);
    line += "  A :";
    appendInternalNumbers(line, mask, 1, kGridACount, 0);
    line += " B:";
    appendInternalNumbers(line, mask, kGridBFirst, kGridBLast, 50);
    return line;
}

std::string internalExportLine(const BoardMask& mask) {
    std::string line;
    appendInternalNumbers(line, mask, 1, kGridACount, 0);
    for (int n = kGridBFirst; n <= kGridBLast; ++n) {
        if (mask[n] != 1) continue;
        line += " ,";
        appendDecimal(line, n - 50);
    }
    return line;
}

PassResult forEachListWindowLine(Expansion& expansion, BoardMask& mask, const SelectionState& selection, int wheel,
                                 const LineSink& sink) {
    return forEachBoard(expansion, mask, selection, wheel, sink,
                        [&](std::int32_t i) { return listWindowLine(i, mask); });
}

PassResult forEachInternalListLine(Expansion& expansion, BoardMask& mask, const SelectionState& selection, int wheel,
                                   ListOutput output, const MessageLookup& message, const LineSink& sink) {
    if (output == ListOutput::Export)
        return forEachBoard(expansion, mask, selection, wheel, sink,
                            [&](std::int32_t) { return internalExportLine(mask); });
    const std::string boardWord = message ? message(kMessageBoardWord) : std::string();
    return forEachBoard(expansion, mask, selection, wheel, sink,
                        [&](std::int32_t i) { return internalPrintedLine(i, mask, boardWord); });
}

PassResult forEachExternalListLine(const ExternalWheel& wheel, ListOutput output, const LineSink& sink) {
    constexpr int kListFields = 7;
    constexpr int kGridAFields = 5;
    // The longest line: a 20-character line number, " :", then seven times ", " and an 11-digit
    // value. Formed in place, since this loop runs once per board of files of millions.
    char line[20 + 2 + kListFields * 13];
    const bool printed = output == ListOutput::Print;
    PassResult run;
    try {
        TextFileReader reader;
        openExternalWheel(reader, wheel);
        DecimalCounter n;
        while (!reader.atEnd()) {
            n.increment();
            char* w = line;
            if (printed) {
                w = std::copy(n.text().begin(), n.text().end(), w);
                *w++ = ' ';
                *w++ = ':';
            }
            bool later = false;
            // Inlined by force: called seven times per board, it is most of the pass.
            const auto addValue = [&](int f, std::string_view field) __attribute__((always_inline)) {
                const auto v = trimmedFieldNumber(field);
                if (!v) return;
                const std::int32_t played = f <= kGridAFields ? wheel.playedGridA(*v) : replaceGridB(wheel.map, *v);
                if (!printed && later) *w++ = ',';
                *w++ = ' ';
                w = writeDecimal(w, played);
                later = true;
            };
            reader.forEachField(kListFields, addValue);
            ++run.count;
            if (!sink(std::string_view(line, static_cast<std::size_t>(w - line)))) {
                run.stopped = true;
                break;
            }
            reader.readLine();
        }
    } catch (const std::exception& e) {
        run.fail(e.what());
    }
    return run;
}

}  // namespace norvex5
