#include "output/boardlists.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <memory>

#include "core/boardtext.h"
#include "localisation/messagenumbers.h"
#include "textfiles/fieldnumber.h"
#include "textfiles/textfilereader.h"

namespace norvex5 {

namespace {

// The rare field that is not one or two digits alone.
std::optional<std::int32_t> trimmedNumberOutOfLine(std::string_view field) { return trimmedFieldNumber(field); }

constexpr int kListFields = 7;
constexpr int kGridAFields = 5;

// The text of every file number 0..99 of each grid as played, with what goes before it, made
// once per pass: a line then takes each of its numbers with one copy instead of a look-up in the
// replacement map and a conversion to decimal.
class PlayedTexts {
public:
    static constexpr std::uint32_t kNumbers = 100;
    // write() copies this many bytes whatever the text's length: the line needs the room.
    static constexpr std::size_t kRoom = 16;

    // `first` goes before the first value of a line, `later` before every other one.
    PlayedTexts(const ExternalWheel& wheel, std::string_view first, std::string_view later) {
        for (int position = 0; position < 2; ++position)
            for (int grid = 0; grid < 2; ++grid)
                for (std::uint32_t v = 0; v < kNumbers; ++v) {
                    // At most 2 + 11 characters: ", " and a negative 32-bit number.
                    char text[kRoom + 8] = {};
                    const std::string_view before = position == 0 ? first : later;
                    char* end = std::copy(before.begin(), before.end(), text);
                    const auto number = static_cast<std::int32_t>(v);
                    end = writeDecimal(end, grid == 0 ? wheel.playedGridA(number) : replaceGridB(wheel.map, number));
                    sizes_[position][grid][v] = static_cast<std::uint8_t>(end - text);
                    std::memcpy(texts_[position][grid][v], text, kRoom);
                }
    }
    char* write(char* at, bool later, bool gridB, std::uint32_t v) const {
        std::memcpy(at, texts_[later][gridB][v], kRoom);
        return at + sizes_[later][gridB][v];
    }

private:
    char texts_[2][2][kNumbers][kRoom];
    std::uint8_t sizes_[2][2][kNumbers];
};

// The longest external list line: a 20-character line number, " :", then seven times ", " and an
// 11-digit value, and room for the last copy of a played text.
constexpr std::size_t kLongestExternalLine = 20 + 2 + kListFields * 13 + PlayedTexts::kRoom;

// Every board of the file as a list line, formed in place, since this loop runs once per board of
// files of millions: the first line at `at`, each next one where next(end of the line just
// formed) says, or no further when it says nullptr. Room for kLongestExternalLine bytes each.
template <typename Next>
PassResult formExternalListLines(const ExternalWheel& wheel, ListOutput output, char* at, Next&& next) {
    const bool printed = output == ListOutput::Print;
    const std::string_view first = " ";
    const std::string_view later = printed ? " " : ", ";
    const PlayedTexts texts(wheel, first, later);
    PassResult run;
    try {
        TextFileReader reader;
        openExternalWheel(reader, wheel);
        DecimalCounter n;
        reader.forEachLine([&] {
            char* w = at;
            if (printed) {
                n.increment();
                w = std::copy(n.text().begin(), n.text().end(), w);
                *w++ = ' ';
                *w++ = ':';
            }
            bool valueBefore = false;
            // Inlined by force: called seven times per board, it is most of the pass, and the
            // compiler leaves it out of line.
            const auto addValue = [&](int f, std::optional<std::int32_t> v) __attribute__((always_inline)) {
                if (!v) return;
                const bool gridB = f > kGridAFields;
                if (static_cast<std::uint32_t>(*v) < PlayedTexts::kNumbers) {
                    w = texts.write(w, valueBefore, gridB, static_cast<std::uint32_t>(*v));
                } else {
                    const std::string_view before = valueBefore ? later : first;
                    w = std::copy(before.begin(), before.end(), w);
                    w = writeDecimal(w, gridB ? replaceGridB(wheel.map, *v) : wheel.playedGridA(*v));
                }
                valueBefore = true;
            };
            reader.forEachFieldNumber(kListFields, trimmedNumberOutOfLine, addValue);
            ++run.count;
            at = next(w);
            run.stopped = at == nullptr;
            return !run.stopped;
        });
    } catch (const std::exception& e) {
        run.fail(e.what());
    }
    return run;
}

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
    char line[kLongestExternalLine];
    return formExternalListLines(wheel, output, line, [&](const char* end) {
        return sink(std::string_view(line, static_cast<std::size_t>(end - line))) ? line : nullptr;
    });
}

PassResult forEachExternalExportBlock(const ExternalWheel& wheel, const LineBlockSink& sink) {
    constexpr std::size_t kBlock = std::size_t(256) << 10;
    const auto block = std::make_unique<char[]>(kBlock);
    char* used = block.get();
    std::int64_t lines = 0;
    bool stopped = false;
    const auto handOver = [&] {
        stopped = !sink(std::string_view(block.get(), static_cast<std::size_t>(used - block.get())), lines);
        used = block.get();
        lines = 0;
        return !stopped;
    };
    PassResult run = formExternalListLines(wheel, ListOutput::Export, used, [&](char* end) -> char* {
        *end++ = '\r';
        *end++ = '\n';
        used = end;
        ++lines;
        if (block.get() + kBlock - used < static_cast<std::ptrdiff_t>(kLongestExternalLine + 2) && !handOver())
            return nullptr;
        return used;
    });
    // The lines formed since the last full block, unless the sink asked to stop.
    if (!stopped && lines > 0) handOver();
    run.stopped = stopped;
    return run;
}

}  // namespace norvex5
