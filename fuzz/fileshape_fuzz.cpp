// Any bytes as a wheel file chosen on the external tab: the shape guessed (separator, header
// lines) reads the first lines after the header as boards, as the guess claims, and no shape with
// fewer header lines would have; the check before an action agrees with the guess; the numbering
// rule (a file that writes 0 counts from 0) agrees with the plain rules over every board.

#include "externalwheels/fileshape.h"
#include "fuzzinput.h"
#include "textfiles/fieldnumber.h"
#include "textfiles/textfilereference.h"

using namespace norvex5;
using fuzzing::require;

namespace {

bool holdsFiveNumbers(const std::string& line, char separator) {
    for (int f = 1; f <= 5; ++f)
        if (!fieldNumber(trimBlanks(testing::referenceField(line, separator, f)))) return false;
    return true;
}

// Whether the lines from `skip` on (at most five of them) all hold five numbers.
bool boardsFrom(const std::vector<std::string>& lines, std::size_t skip, char separator) {
    for (std::size_t k = skip; k < lines.size() && k < skip + 5; ++k)
        if (!holdsFiveNumbers(lines[k], separator)) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string& name = fuzzing::inputFile().hold(bytes);
    const std::vector<std::string> lines = testing::referenceLines(bytes);

    const std::optional<FileShape> shape = guessFileShape(name);
    std::optional<FileShape> expected;
    for (std::size_t skip = 0; skip <= kMaxLinesToSkip && skip < lines.size() && !expected; ++skip)
        for (const char* separator : kWheelSeparators)
            if (boardsFrom(lines, skip, separator[0])) {
                expected = FileShape{separator, static_cast<int>(skip)};
                break;
            }
    require(shape.has_value() == expected.has_value(), "a shape guessed where the rules find none, or none guessed");
    if (!shape) return 0;
    require(shape->separator == expected->separator && shape->linesToSkip == expected->linesToSkip,
            "the guess is not the fewest header lines, then the first separator");

    ExternalWheel wheel;
    wheel.fileName = name;
    wheel.separator = shape->separator;
    wheel.linesToSkip = shape->linesToSkip;
    const WheelFileCheck check = checkWheelFile(wheel);
    require(check.problem == (startsLikeBinary(name) ? WheelFileProblem::NotText : WheelFileProblem::None),
            "the check refuses a file whose shape was guessed");

    bool zero = false;
    for (std::size_t k = static_cast<std::size_t>(shape->linesToSkip); k < lines.size(); ++k)
        for (int f = 1; f <= 5; ++f)
            zero = zero || fieldNumber(trimBlanks(testing::referenceField(lines[k], shape->separator[0], f))) == 0;
    const UsedWheelNumbers used = usedWheelNumbers(wheel);
    require(used.pass.ok, "reading the numbers a file uses failed");
    require(numbersStartAtZero(used) == zero, "the numbering rule disagrees with the boards");
    return 0;
}
