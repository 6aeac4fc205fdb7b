#include "core/boardtext.h"

#include "textfiles/fieldnumber.h"

namespace norvex5 {

void appendBoardText(std::string& out, std::int64_t board, std::string_view separator, const BoardMask& mask) {
    appendPadded(out, board, 3);
    out += separator;
    for (int n = 1; n <= kGridACount; ++n) {
        if (mask[n] != 1) continue;
        out.push_back('-');
        appendPadded(out, n, 2);
    }
}

}  // namespace norvex5
