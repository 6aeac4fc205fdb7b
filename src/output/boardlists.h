#pragma once
// The lines of the two board-list producers, for the list window, the printed list and the
// exported text file.
//
//  - The internal list walks the boards of the selected built-in wheel over the player's
//    ticked numbers (startExpansion + buildBoard); it leaves the BoardMask holding the last board and
//    the current board number at 1.
//  - The external list (the program's Pimprimelistebulletinfichier) reads an external wheel
//    file from its start and applies the ReplacementMap.
//
// Both push their lines, one at a time and in order, into a LineSink; nothing is collected, so
// a file of millions of boards is listed in constant memory. A sink returning false stops the
// run there (a print job the user cancelled, say).
//
// How the printed list uses this (page layout belongs to the printing side):
//   style  = kInternalListStyle or kExternalListStyle
//   title  = message(style.titleMessage), printed on the first page only; centred on the width of
//            style.centringText in the title font when that is not empty (the external list
//            centres on the literal French title whatever the language), else on the title's own
//            width
//   lines  = forEachInternalListLine(..., ListOutput::Print, ...) or
//            forEachExternalListLine(wheel, ListOutput::Print, ...): one call per body line
//   after each line y advances by style.lineAdvance line heights; on each new page after the
//   first, style.ruleOnNewPage asks for the horizontal rule
//   failure: the run's PassResult has ok == false; the external list then shows "Erreur" with the
//            title "Erreur dans Pimprimelistebulletinfichier" and the document ends as far as it
//            got.
// The export goes through listexport.h, which writes the ListOutput::Export lines.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/expansion.h"
#include "core/selection.h"
#include "externalwheels/externalwheel.h"
#include "externalwheels/passresult.h"
#include "localisation/messagenumbers.h"
#include "localisation/messages.h"

namespace norvex5 {

enum class ListOutput { Print = 0, Export = 1 };

// The box a window shows when the external list (printed or exported) fails.
inline constexpr std::string_view kExternalListFailureText = "Erreur";
inline constexpr std::string_view kExternalListFailureTitle = "Erreur dans Pimprimelistebulletinfichier";

// Receives each line (without line end); false stops the run.
using LineSink = std::function<bool(std::string_view line)>;

struct PrintedListStyle {
    int titleMessage;
    std::string_view centringText;  // empty: centre the printed title on its own width
    int lineAdvance;                // line heights between two body lines
    bool ruleOnNewPage;             // a rule at the top of every page after the first
};
inline constexpr PrintedListStyle kInternalListStyle{kMessageInternalListTitle, {}, 2, false};
inline constexpr PrintedListStyle kExternalListStyle{kMessageExternalListTitle, "LISTE DES BULLETINS", 1, true};

// --- internal wheel ---------------------------------------------------------------------------

// The list window's line for board i: " 007:-03-12-25-33-41" (grid A only).
std::string listWindowLine(std::int64_t board, const BoardMask& mask);
// The printed line: "Grille :7  A : 3 ,12 ,25 ,33 ,41 B:" with boardWord = message 34.
std::string internalPrintedLine(std::int64_t board, const BoardMask& mask, std::string_view boardWord);
// The export line: " 3 ,12 ,25 ,33 ,41", grid B numbers each as " ," and the number.
std::string internalExportLine(const BoardMask& mask);

// Every board of `wheel` as list window lines (TForm5's listbull).
PassResult forEachListWindowLine(Expansion& expansion, BoardMask& mask, const SelectionState& selection, int wheel,
                                 const LineSink& sink);
// Every board of `wheel` as printed or export lines. `message` gives message 34 for printing.
PassResult forEachInternalListLine(Expansion& expansion, BoardMask& mask, const SelectionState& selection, int wheel,
                                   ListOutput output, const MessageLookup& message, const LineSink& sink);

// --- external wheel ---------------------------------------------------------------------------

// Every board of the file as printed lines ("1 : 3 17 22 31 45 2 9") or export lines
// (" 3, 17, 22, 31, 45, 2, 9"): fields 1..7 trimmed; not-a-number fields left out; grid A 1..50
// through entries 1..50, grid B 1..50 through entries 51..100; other values as they stand.
PassResult forEachExternalListLine(const ExternalWheel& wheel, ListOutput output, const LineSink& sink);

// Receives many whole export lines at once, each ended by CR LF, and how many they are; false
// stops the run.
using LineBlockSink = std::function<bool(std::string_view lines, std::int64_t count)>;

// The export lines of forEachExternalListLine(wheel, ListOutput::Export, ...) with their CR LF, in
// blocks: for the export of files of millions of boards, where a call per line would cost as
// much as forming the line. count is the lines formed, as there; stopped, that the sink said
// false.
PassResult forEachExternalExportBlock(const ExternalWheel& wheel, const LineBlockSink& sink);

}  // namespace norvex5
