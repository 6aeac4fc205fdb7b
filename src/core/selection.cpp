#include "core/selection.h"

namespace norvex5 {

namespace {
bool inRange(int n, int last) { return n >= 1 && n <= last; }
}  // namespace

std::int32_t count(const SelectionState& selection, CountKind kind) {
    const bool gridB = kind == CountKind::GridBFixed;
    const int first = gridB ? kGridACount + 1 : 1;
    const int last = gridB ? kNumberCount : kGridACount;
    std::int32_t total = 0;
    for (int n = first; n <= last; ++n) {
        const std::int32_t s = selection[n];
        if (kind == CountKind::GridATicked ? (s == kSelected || s == kFixed) : s == kFixed) ++total;
    }
    return total;
}

Counters counters(const SelectionState& selection) {
    return {count(selection, CountKind::GridATicked), count(selection, CountKind::GridAFixed),
            count(selection, CountKind::GridBFixed)};
}

BoxPicture boxPicture(std::int32_t state) {
    switch (state) {
        case kSelected: return BoxPicture::Ticked;
        case kFixed: return BoxPicture::Fixed;
        default: return BoxPicture::Empty;
    }
}

void toggleSelected(SelectionState& selection, int n) {
    if (!inRange(n, kBoxCount)) return;
    selection[n] = selection[n] == kFree ? kSelected : kFree;
}

void toggleFixed(SelectionState& selection, int n) {
    if (!inRange(n, kGridACount)) return;
    selection[n] = selection[n] == kFixed ? kFree : kFixed;
}

void clearGridA(SelectionState& selection) {
    for (int n = 1; n <= kGridACount; ++n) selection[n] = kFree;
}

void clearAll(SelectionState& selection) {
    for (int n = 1; n <= kBoxCount; ++n) selection[n] = kFree;
}

}  // namespace norvex5
