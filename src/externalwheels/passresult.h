#pragma once
// How a pass over boards ended: a list, an export, a print run, a comparison or a preview, over
// the boards of a built-in wheel or the lines of a wheel file. Results that carry more (the
// comparison's counters, the pages of a print run) hold one of these beside their extras.

#include <cstdint>
#include <string>
#include <utility>

namespace norvex5 {

struct PassResult {
    bool ok = true;          // false: the pass failed (a wheel file that could not be read to its end, say)
    bool stopped = false;    // the caller asked to stop before the end (a cancelled run)
    std::string error;       // what went wrong when !ok, for diagnostics; never shown as it stands
    std::int64_t count = 0;  // boards (or lines, or rows) handed on before the pass ended

    // A pass that failed keeps what it handed on, so a caller can still tell how far it got.
    void fail(std::string message) {
        ok = false;
        error = std::move(message);
    }
};

}  // namespace norvex5
