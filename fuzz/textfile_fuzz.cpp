// Fuzz target: any bytes as a wheel file and as a language file.
//
// The first input byte picks the separator, the lines to skip and the fields asked for; the rest
// is the file. The reader must agree with the plain whole-file rules (tests/externalwheels/
// textfilereference.h) line for line and field for field, every consumer must come back with a
// result rather than a crash, and every text the model hands to a window must be valid UTF-8.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "comparison/comparison.h"
#include "externalwheels/externalwheel.h"
#include "localisation/languagefile.h"
#include "output/boardlists.h"
#include "textfiles/textencoding.h"
#include "textfiles/textfilereader.h"
#include "textfiles/textfilereference.h"

namespace {

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    __builtin_trap();
}

const std::string& scratchFile() {
    static const std::string name = [] {
        const char* dir = std::getenv("TMPDIR");
        return std::string(dir != nullptr ? dir : "/tmp") + "/norvex5-fuzz-" + std::to_string(::getpid()) + ".txt";
    }();
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace norvex5;
    if (size == 0) return 0;
    const std::uint8_t options = data[0];
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const char separators[] = {' ', ',', ';', '\t'};
    const char separator = separators[options & 3];
    const int skip = (options >> 2) & 3;

    const std::string& name = scratchFile();
    {
        std::FILE* out = std::fopen(name.c_str(), "wb");
        if (out == nullptr) return 0;
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }

    // The reader against the rules.
    const std::vector<std::string> expected = norvex5::testing::referenceLines(bytes);
    {
        TextFileReader reader;
        reader.separator = separator;
        reader.open(name);
        std::size_t k = 0;
        while (!reader.atEnd()) {
            require(k < expected.size(), "more lines than the rules give");
            require(reader.currentLine() == expected[k], "line differs");
            std::string_view all[9];
            reader.fields(all, 9);
            for (int f = 1; f <= 9; ++f)
                require(all[f - 1] == norvex5::testing::referenceField(expected[k], separator, f), "fields() differs");
            for (const int index : {(options >> 4) + 1, 0, -1, 255, 256, 3, 1})
                require(reader.field(index) == norvex5::testing::referenceField(expected[k], separator, index),
                        "field() differs");
            ++k;
            reader.readLine();
        }
        require(k == expected.size(), "fewer lines than the rules give");
    }

    // Every consumer of a wheel file.
    ExternalWheel wheel;
    wheel.fileName = name;
    wheel.separator = std::string(1, separator);
    wheel.linesToSkip = skip;
    wheel.map[60] = 0;
    const std::int64_t boards = expected.size() > std::size_t(skip) ? std::int64_t(expected.size()) - skip : 0;
    for (const PreviewMode mode : {PreviewMode::Raw, PreviewMode::Replaced}) {
        const PreviewResult preview = previewRows(wheel, mode);
        require(preview.pass.ok, "preview failed on a readable file");
        require(std::int64_t(preview.rows.size()) == std::min<std::int64_t>(boards, 20), "preview rows");
        for (const PreviewRow& row : preview.rows)
            for (const std::string& cell : row.cells) require(isValidUtf8(cell), "preview cell");
    }
    const PassResult list = forEachExternalListLine(wheel, ListOutput::Export, [](std::string_view) { return true; });
    require(list.ok && list.count == boards, "list lines");
    const ComparisonResult compared = compareExternal(wheel, externalDraw({"1", "2", "x", "4", "5"}),
                                                      [](std::int64_t, std::string_view) { return true; });
    require(compared.pass.ok && compared.pass.count == boards, "compared boards");

    // The same bytes as a language file.
    LanguageFile language(name);
    if (language.load()) {
        require(isValidUtf8(language.headerText1()) && isValidUtf8(language.headerText2()), "header not UTF-8");
        for (int n = 0; n <= LanguageFile::kSlots + 1; ++n)
            require(isValidUtf8(language.message(n)), "message not UTF-8");
    }
    return 0;
}
