#pragma once
// Scoring boards against a draw (the model side of TForm8).
//
// The window reads the five grid A draw boxes, refuses a number outside the game
// (drawNumberOutsideGame()), asks drawHasDuplicates() (message 109 / 143 when true), then runs the comparison of its mode. Each board becomes one line for listresul, pushed
// into a ComparisonSink as it is formed, and the result carries the summary counters. Nothing is
// collected here, so an external file of millions of boards is compared in constant memory; the
// window decides how to hold the lines and lets pending events through from the sink.
//
//   internal: internalDraw() must succeed (else the window shows the conversion error for the
//             box it names), then compareInternal(); lines "007 :-03-11-25-38-42 -> 2".
//   external: externalDraw() never fails, then compareExternal(); lines
//             "B.:012 : :-05-17-21-33-48 ->3". On failure (pass.ok == false) the lines already
//             pushed stay, the summary is not shown, and the box says "Erreur/Error".
//             compareExternal() does not touch the expansion; the window sets its current board
//             number to 1 first, as the program always has.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/expansion.h"
#include "core/selection.h"
#include "externalwheels/externalwheel.h"
#include "externalwheels/passresult.h"

namespace norvex5 {

// The box a window shows when the external comparison fails. The title is the one the ticket
// printing uses for its own failures, as users of the program have always seen it.
inline constexpr std::string_view kExternalComparisonFailureText = "Erreur/Error";
inline constexpr std::string_view kExternalComparisonFailureTitle = "Erreur dans Pimprimebulletinfichier";

enum class ComparisonMode : std::int32_t { NotSet = 0, Internal = 1, External = 2 };

inline constexpr int kDrawNumbers = 5;
using DrawTexts = std::array<std::string, kDrawNumbers>;  // ComboBox1..ComboBox5

// The draw as it is compared. Only the first `count` values take part: a box that is not a
// number, and every box after it, matches nothing.
struct Draw {
    std::array<std::int32_t, kDrawNumbers> values{};
    int count = 0;

    int matches(std::int32_t number) const {
        int hits = 0;
        for (int k = 0; k < count; ++k) hits += values[k] == number;
        return hits;
    }
};

// The first box (0-based) holding a number no draw of the game can hold: below 1, above
// `highestNumber`, or a run of digits too long to be read. A box that holds no number is not this
// rule's business (the modes treat it each in their own way). Nothing is compared while one is.
struct DrawNumberOutsideGame {
    int box = -1;
    std::string text;
};
std::optional<DrawNumberOutsideGame> drawNumberOutsideGame(const DrawTexts& texts, std::int32_t highestNumber);

// True when a number 1..50 is typed in two boxes. Boxes after the first that is not a number are
// not read; numbers outside 1..59 are ignored here.
bool drawHasDuplicates(const DrawTexts& texts);

// Internal mode: all five boxes must be numbers. On failure `firstInvalid` is the 0-based box.
struct InternalDraw {
    std::optional<Draw> draw;
    int firstInvalid = -1;
};
InternalDraw internalDraw(const DrawTexts& texts);

// External mode: the boxes up to the first that is not a number.
Draw externalDraw(const DrawTexts& texts);

struct MatchCounts {
    std::int64_t five = 0;   // lnb5et0
    std::int64_t four = 0;   // lnb4et0
    std::int64_t three = 0;  // lnb3et0
    std::int64_t two = 0;    // lnb2

    void add(int matches) {
        switch (matches) {
            case 5: ++five; break;
            case 4: ++four; break;
            case 3: ++three; break;
            case 2: ++two; break;
            default: break;  // 0, 1 and any odd count from repeated numbers count nowhere
        }
    }
};

// Receives board k (1-based) and its line; false stops the comparison there.
using ComparisonSink = std::function<bool(std::int64_t board, std::string_view line)>;

// pass.ok false: the wheel file could not be read to its end; pass.stopped: the sink asked to
// stop; pass.count: the boards compared.
struct ComparisonResult {
    PassResult pass;
    MatchCounts counts;
};

// The boards of built-in `wheel` over the ticked numbers of `selection`; leaves `mask` holding
// the last board.
ComparisonResult compareInternal(Expansion& expansion, BoardMask& mask, const SelectionState& selection, int wheel,
                                 const Draw& draw, const ComparisonSink& sink);

// The boards of an external wheel file: fields 1..5 untrimmed; a number 1..100 replaced by its
// map entry; a field that is not a number (an empty one included) adds nothing.
ComparisonResult compareExternal(const ExternalWheel& wheel, const Draw& draw, const ComparisonSink& sink);

}  // namespace norvex5
