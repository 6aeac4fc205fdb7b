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

std::optional<ReplacementProblem> firstReplacementProblem(const GridABoxTexts& gridA, const GridBBoxTexts& gridB,
                                                          const ReplacementMap& map, const UsedGridA& usedA,
                                                          const UsedGridB& usedB, int highestGridA) {
    // One grid at a time: the boxes, whether the file uses each, where the table keeps what each
    // plays, and the highest number a ticket carries in that grid.
    const auto firstIn = [&map](const auto& texts, const auto& used, int entry, int highest,
                                bool gridB) -> std::optional<ReplacementProblem> {
        const int boxes = static_cast<int>(texts.size()) - 1;
        const auto played = [&](int box) { return map[static_cast<std::size_t>(entry + box)]; };
        for (int box = 1; box <= boxes; ++box) {
            if (!used[static_cast<std::size_t>(box)]) continue;
            ReplacementProblem problem;
            problem.gridB = gridB;
            problem.box = box;
            problem.text = texts[static_cast<std::size_t>(box)];
            if (!problem.text.empty() && !fieldNumber(problem.text)) {
                problem.fault = ReplacementFault::NotANumber;
                return problem;
            }
            // An empty box is named by the number it plays.
            if (problem.text.empty()) problem.text = std::to_string(played(box));
            if (played(box) < 1 || played(box) > highest) {
                problem.fault = ReplacementFault::NotOnTicket;
                problem.highest = highest;
                return problem;
            }
            for (int other = 1; other <= boxes; ++other)
                if (other != box && used[static_cast<std::size_t>(other)] && played(other) == played(box)) {
                    problem.fault = ReplacementFault::SameNumber;
                    problem.otherBox = other;
                    return problem;
                }
        }
        return std::nullopt;
    };
    if (auto problem = firstIn(gridA, usedA, 0, highestGridA, false)) return problem;
    return firstIn(gridB, usedB, 50, kReplacementGridBBoxes, true);
}

}  // namespace norvex5
