#pragma once
// An external wheel: a text or CSV file made elsewhere, one board per non-blank line, read again
// from its start by every action (preview, list, export, tickets, comparison). Nothing of the
// file is kept in memory between actions, and a pass holds one line at a time.
//
// File rules shared by every reader: the first `linesToSkip` non-blank lines hold no board;
// fields 1..5 are grid A wheel numbers, fields 6..7 grid B; later fields are ignored. A field is
// a number when fieldNumber() says so; a field that is not one is left out of the board.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "externalwheels/passresult.h"
#include "externalwheels/replacementmap.h"

namespace norvex5 {

class TextFileReader;

struct ExternalWheel {
    std::string fileName;   // full path; may be empty (then every reader reports a failure)
    std::string separator;  // " ", "," or ";"; empty when none was chosen, read as a blank
    int linesToSkip = 0;    // a negative value counts as 0
    ReplacementMap map = identityReplacementMap();
    // The file writes its wheel numbers from 0 (several generators of covering designs do):
    // every reader takes a number n of fields 1..5 as wheel number n + 1. Whether a file does is
    // decided by numbersStartAtZero() (fileshape.h); the user has the last word.
    bool numberedFromZero = false;

    // The reader's separator: the first character of `separator`, a blank when it is empty.
    char separatorChar() const { return separator.empty() ? ' ' : separator.front(); }
    // A number of fields 1..5, as written, as the wheel number it stands for.
    std::int32_t wheelNumber(std::int32_t written) const {
        return numberedFromZero && written < INT32_MAX ? written + 1 : written;
    }
    // A number of fields 1..5, as written, as played (replaceGridA of its wheel number).
    std::int32_t playedGridA(std::int32_t written) const { return replaceGridA(map, wheelNumber(written)); }
};

// The lines-to-skip box read as a number; 0 when its text is not one.
int linesToSkipFromText(std::string_view text);

// What every pass does first: set the separator, open the file, skip the header lines. Throws
// what TextFileReader throws. Stops skipping early at the end of the file.
void openExternalWheel(TextFileReader& reader, const ExternalWheel& wheel);

// The previews of the second and fourth external pages (the window's pchargegrille fills its
// grid from these rows).
enum class PreviewMode {
    Raw = 0,       // fields as they stand in the file
    Replaced = 1,  // fields without leading/trailing blanks; a number 1..50 shown as its entry
};
inline constexpr int kPreviewRows = 20;
inline constexpr int kPreviewFields = 5;

struct PreviewRow {
    std::int32_t number = 0;                            // 1, 2, ... (column 0)
    std::array<std::string, kPreviewFields + 1> cells;  // [1..5], UTF-8 for display; [0] unused
};

// The box a window shows when a preview fails (the rows read before the failure stay).
inline constexpr std::string_view kPreviewFailureText = "Erreur";
inline constexpr std::string_view kPreviewFailureTitle = "Erreur dans pchargegrille";

// On failure (!pass.ok) the window shows "Erreur" / "Erreur dans pchargegrille"; pass.count is
// the number of rows.
struct PreviewResult {
    PassResult pass;
    std::vector<PreviewRow> rows;  // the rows read before any failure
};

PreviewResult previewRows(const ExternalWheel& wheel, PreviewMode mode, int maximumRows = kPreviewRows);

// Columns 1..5 of a preview row from one line of the file, split at the wheel's separator.
void fillPreviewCells(PreviewRow& row, std::string_view line, const ExternalWheel& wheel, PreviewMode mode);

}  // namespace norvex5
