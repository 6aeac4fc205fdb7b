// Any bytes as a wheel file: the reader agrees with the plain whole-file rules line for line and
// field for field, and every pass over a wheel file (preview, list, comparison) comes back with a
// result, its count matching the rules and its texts valid UTF-8.
//
// The first byte picks the separator, the lines to skip, one field to ask for (whose second bit
// also picks the preview's mode) and whether the wheel is numbered from 0.

#include "comparison/comparison.h"
#include "externalwheels/externalwheel.h"
#include "fuzzinput.h"
#include "output/boardlists.h"
#include "textfiles/textencoding.h"
#include "textfiles/textfilereader.h"
#include "textfiles/textfilereference.h"

using namespace norvex5;
using fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [options, bytes] = fuzzing::splitInput(data, size);
    if (size == 0) return 0;
    const char separators[] = {' ', ',', ';', '\t'};
    const char separator = separators[options & 3];
    const int skip = (options >> 2) & 3;
    const std::string& name = fuzzing::inputFile().hold(bytes);

    const std::vector<std::string> expected = testing::referenceLines(bytes);
    {
        TextFileReader reader;
        reader.separator = separator;
        reader.open(name);
        std::size_t k = 0;
        while (!reader.atEnd()) {
            require(k < expected.size(), "more lines than the rules give");
            require(reader.currentLine() == expected[k], "line differs");
            const std::vector<std::string_view> reference = testing::referenceFields(expected[k], separator);
            const auto referenceField = [&reference](int index) {
                return index >= 1 && std::size_t(index) <= reference.size() ? reference[index - 1] : std::string_view();
            };
            std::string_view all[9];
            reader.fields(all, 9);
            for (int f = 1; f <= 9; ++f) require(all[f - 1] == referenceField(f), "fields() differs");
            for (const int index : {(options >> 4) + 1, 0, -1, 255, 256, 3, 1})
                require(reader.field(index) == referenceField(index), "field() differs");
            ++k;
            reader.readLine();
        }
        require(k == expected.size(), "fewer lines than the rules give");
    }

    ExternalWheel wheel;
    wheel.fileName = name;
    wheel.separator = std::string(1, separator);
    wheel.linesToSkip = skip;
    wheel.numberedFromZero = (options & 0x80) != 0;
    wheel.map[60] = 0;
    const std::int64_t boards = expected.size() > std::size_t(skip) ? std::int64_t(expected.size()) - skip : 0;
    // One preview an input, raw or replaced by a bit the field index shares: both passes were a
    // sixth of the target's time, and the mutations reach both modes anyway.
    const PreviewMode mode = (options & 0x40) != 0 ? PreviewMode::Replaced : PreviewMode::Raw;
    const PreviewResult preview = previewRows(wheel, mode);
    require(preview.pass.ok, "preview failed on a readable file");
    require(std::int64_t(preview.rows.size()) == std::min<std::int64_t>(boards, 20), "preview rows");
    for (const PreviewRow& row : preview.rows)
        for (const std::string& cell : row.cells) require(isValidUtf8(cell), "preview cell not UTF-8");
    const PassResult list = forEachExternalListLine(wheel, ListOutput::Export, [](std::string_view line) {
        require(isValidUtf8(line), "list line not UTF-8");
        return true;
    });
    require(list.ok && list.count == boards, "list lines");
    const ComparisonResult compared = compareExternal(wheel, externalDraw({"1", "2", "x", "4", "5"}),
                                                      [](std::int64_t, std::string_view) { return true; });
    require(compared.pass.ok && compared.pass.count == boards, "compared boards");
    return 0;
}
