// Any bytes as a draw file an operator published: the shape guessed (separator, header lines,
// date, number and bonus columns, date order) reads the file, every draw read holds five
// different numbers of the game on a day of the calendar, each date once; every refused line is
// named by a line of the file, in order; the preview is the start of the whole reading.

#include <algorithm>
#include <set>

#include "draws/drawfile.h"
#include "fuzzinput.h"

using namespace norvex5;
using fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [options, bytes] = fuzzing::splitInput(data, size);
    if (size == 0) return 0;
    const int highest = (options & 1) ? 50 : 49;
    const std::string& name = fuzzing::inputFile().hold(bytes);
    const draws::DrawShapeGuess guess = draws::guessDrawFileShape(name, highest);
    if (guess.problem != draws::DrawFileProblem::None) {
        require(!draws::describeProblem(guess.problem, guess.readerError, guess.problemLine).empty(),
                "a refusal without words");
        return 0;
    }
    const draws::DrawFileShape& shape = guess.shape;
    require(shape.separator.size() == 1, "no separator guessed");
    require(shape.dateColumn >= 1 && !shape.numberColumns.empty(), "no date or number column guessed");

    const draws::DrawFileReading reading = draws::readDrawFile(name, shape, highest);
    if (!reading.ok()) return 0;
    // Line numbers count every line of the file, blank ones too.
    const std::int64_t lines = static_cast<std::int64_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
    std::set<int> dates;
    for (const draws::DrawRecord& draw : reading.draws) {
        require(draw.line >= 1 && draw.line <= lines, "a draw from no line of the file");
        require(dates.insert(draw.date.key()).second, "a date twice");
        require(draw.date.month >= 1 && draw.date.month <= 12 && draw.date.day >= 1 && draw.date.day <= 31,
                "not a day of the calendar");
        std::set<int> numbers(draw.numbers.begin(), draw.numbers.end());
        require(numbers.size() == 5 && *numbers.begin() >= 1 && *numbers.rbegin() <= highest,
                "a draw without five different numbers of the game");
        require(draw.bonus.size() <= draws::kMaxBonusNumbers, "too many bonus numbers");
    }
    for (std::size_t k = 0; k < reading.refused.size(); ++k) {
        require(reading.refused[k].line >= 1 && reading.refused[k].line <= lines, "a refused line not in the file");
        require(k == 0 || reading.refused[k - 1].line <= reading.refused[k].line, "refused lines out of order");
    }
    if (options & 2) {
        // The preview stops after twenty draws; each of them is a line the whole reading kept or
        // refused, never one it did not see.
        const draws::DrawFileReading preview = draws::readDrawFile(name, shape, highest, 20);
        if (preview.ok() && preview.dateOrder == reading.dateOrder) {
            require(preview.draws.size() <= 20, "a preview of more than twenty draws");
            std::set<std::int64_t> seen;
            for (const draws::DrawRecord& draw : reading.draws) seen.insert(draw.line);
            for (const draws::RefusedLine& refused : reading.refused) seen.insert(refused.line);
            for (const draws::DrawRecord& draw : preview.draws)
                require(seen.count(draw.line) == 1 || reading.repeatedLines > 0, "the preview shows a line the reading lost");
        }
    }
    return 0;
}
