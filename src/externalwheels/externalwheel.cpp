#include "externalwheels/externalwheel.h"

#include <exception>

#include "textfiles/fieldnumber.h"
#include "textfiles/textencoding.h"
#include "textfiles/textfilereader.h"

namespace norvex5 {

int linesToSkipFromText(std::string_view text) { return fieldNumber(text).value_or(0); }

void openExternalWheel(TextFileReader& reader, const ExternalWheel& wheel) {
    reader.separator = wheel.separatorChar();
    reader.open(wheel.fileName);
    // Once the file is exhausted every further skip reads nothing, so a huge count costs nothing
    // more than the file itself.
    for (int k = 0; k < wheel.linesToSkip; ++k)
        if (!reader.readLine()) break;
}

void fillPreviewCells(PreviewRow& row, std::string_view line, const ExternalWheel& wheel, PreviewMode mode) {
    std::size_t p = 0;
    std::string_view text;
    for (int f = 1; f <= kPreviewFields; ++f) {
        std::string& cell = row.cells[static_cast<std::size_t>(f)];
        cell.clear();
        if (!nextField(line, wheel.separatorChar(), p, f == 1, text)) {
            // The line has no more fields: the rest of the row stays empty.
            for (int g = f + 1; g <= kPreviewFields; ++g) row.cells[static_cast<std::size_t>(g)].clear();
            return;
        }
        if (mode == PreviewMode::Replaced) {
            text = trimBlanks(text);
            const auto v = fieldNumber(text);
            // A file numbered from 0 shows every number as the one it is read as.
            if (v && (wheel.numberedFromZero || (*v >= 1 && *v <= 50))) {
                appendDecimal(cell, wheel.playedGridA(*v));
                continue;
            }
        }
        cell = displayText(text);
    }
}

PreviewResult previewRows(const ExternalWheel& wheel, PreviewMode mode, int maximumRows) {
    PreviewResult result;
    try {
        TextFileReader reader;
        openExternalWheel(reader, wheel);
        std::int32_t row = 0;
        while (!reader.atEnd() && row < maximumRows) {
            PreviewRow& out = result.rows.emplace_back();
            out.number = ++row;
            fillPreviewCells(out, reader.currentLine(), wheel, mode);
            reader.readLine();
        }
    } catch (const std::exception& e) {
        result.pass.fail(e.what());
    }
    result.pass.count = static_cast<std::int64_t>(result.rows.size());
    return result;
}

}  // namespace norvex5
