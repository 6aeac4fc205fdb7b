#pragma once
// Writing a list of boards to the text file the user chose: one line per board ended by CR LF,
// no header and no summary. An existing file is replaced, and only by a complete list: the lines
// go to a temporary file that replaces the target once the last line is written, so a read
// failure half-way, a full disk or a crash leaves the old file (or none) in place.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "core/expansion.h"
#include "core/selection.h"
#include "externalwheels/externalwheel.h"
#include "externalwheels/passresult.h"

namespace norvex5 {

enum class ExportStatus {
    Written,      // the file holds the whole list
    NotCreated,   // the file could not be created: nothing written, nothing to say
    ReadFailed,   // external list: the wheel file failed; "Erreur dans Pimprimelistebulletinfichier"
    WriteFailed,  // writing or replacing failed (disk full, say); the old file is untouched
    Stopped,      // the caller stopped the export part-way; the old file is untouched
};

// pass.ok is false exactly when the export failed (NotCreated, ReadFailed, WriteFailed) and
// pass.stopped true exactly when the caller stopped it: the file holds the list only when the
// status is Written. pass.error holds the reader's message on ReadFailed; pass.count the lines
// handed to the file.
struct ExportResult {
    PassResult pass;
    ExportStatus status = ExportStatus::Written;
};

// Asked as the lines are written (after each line, or after each block of a few thousand), with
// the count so far; false stops the export (a window whose user pressed Cancel). An empty one
// never stops it.
using ExportProgress = std::function<bool(std::int64_t lines)>;

// The boards of built-in `wheel` over the ticked numbers of `selection`.
ExportResult exportInternalList(Expansion& expansion, BoardMask& mask, const SelectionState& selection, int wheel,
                                const std::filesystem::path& target, const ExportProgress& keepGoing = {});
ExportResult exportExternalList(const ExternalWheel& wheel, const std::filesystem::path& target,
                                const ExportProgress& keepGoing = {});

}  // namespace norvex5
