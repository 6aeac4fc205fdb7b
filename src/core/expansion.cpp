#include "core/expansion.h"

#include <algorithm>

#include "core/wheelcatalogue.h"

namespace norvex5 {

bool selectionFitsWheel(const SelectionState& selection, int wheel) {
    const WheelRecord* w = wheelRecord(wheel);
    if (w == nullptr) return false;
    return count(selection, CountKind::GridATicked) == w->numberCount &&
           count(selection, CountKind::GridAFixed) == w->fixedCount;
}

void prepareNumberList(Expansion& expansion, const SelectionState& selection) {
    expansion.numberList.fill(0);
    int k = 1;
    for (std::int32_t wanted : {std::int32_t(kFixed), std::int32_t(kSelected)})
        for (int x = 1; x <= kGridACount; ++x)
            if (selection[x] == wanted) expansion.numberList[k++] = x;
}

void startExpansion(Expansion& expansion, const SelectionState& selection, int wheel) {
    prepareNumberList(expansion, selection);
    const WheelRecord* w = wheelRecord(wheel);
    expansion.currentBoard = 1;
    expansion.currentWheel = wheel;
    expansion.boardCount = w != nullptr ? w->boardCount : 0;
}

std::array<std::int32_t, 5> boardNumbers(const Expansion& expansion, int i) {
    std::array<std::int32_t, 5> numbers{};
    const WheelRecord* w = wheelRecord(expansion.currentWheel);
    if (w == nullptr || i < 1 || i > expansion.boardCount || i > w->boardCount) return numbers;
    for (int j = 0; j < kNumbersPerBoard; ++j) {
        const int position = w->boards[i - 1][j];
        numbers[j] = expansion.numberList[position];
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

bool buildBoard(Expansion& expansion, BoardMask& mask, int i) {
    const WheelRecord* w = wheelRecord(expansion.currentWheel);
    if (w == nullptr || i < 1 || i > expansion.boardCount || i > w->boardCount) return false;
    std::fill(mask.begin(), mask.begin() + kBoxCount + 1, 0);
    for (const std::int32_t number : boardNumbers(expansion, i))
        if (number >= 1 && number <= kGridACount) mask[number] = 1;
    return true;
}

}  // namespace norvex5
