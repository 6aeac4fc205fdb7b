#include "externalwheels/replacementmap.h"

#include "textfiles/fieldnumber.h"

namespace norvex5 {

ReplacementMap identityReplacementMap() {
    ReplacementMap map{};
    for (int n = 1; n <= kReplacementGridABoxes; ++n) map[n] = n;
    for (int m = 1; m <= kReplacementGridBBoxes; ++m) map[50 + m] = m;
    return map;
}

ReplacementMap buildReplacementMap(const GridABoxTexts& gridA, const GridBBoxTexts& gridB,
                                   const ReplacementMap& previous) {
    ReplacementMap map = previous;
    for (int n = 1; n <= kReplacementGridABoxes; ++n) map[n] = fieldNumber(gridA[n]).value_or(n);
    for (int m = 1; m <= kReplacementGridBBoxes; ++m)
        if (const auto value = fieldNumber(gridB[m])) map[50 + m] = *value;
    return map;
}

}  // namespace norvex5
