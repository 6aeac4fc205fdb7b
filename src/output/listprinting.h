#pragma once
// The printed list of boards on plain paper: the title on the first page, then one body line
// after the other down the page, a new page whenever the next line would come too close to the
// bottom. The line texts come from boardlists.h; this file only lays them out.
//
// Page layout, in device pixels of the printable area: the title in "Times New Roman" 24 at
// y = 50, centred; the body in size 10 at x = 10, starting two line heights below the title,
// where a line height h is the height of "WWWW" plus 10; the internal list leaves a blank line
// between boards (2 h per line), the external list does not (h). A page takes lines while y stays
// within page height - 3 h; the next page starts at y = 4 h, under a rule in the external list.

#include <functional>
#include <string>

#include "output/boardlists.h"
#include "output/printsurface.h"
#include "output/ticketprinting.h"

namespace norvex5 {

// Hands every body line, in order, to the sink it is given.
using ListProducer = std::function<PassResult(const LineSink& sink)>;

// One print job: title, then the lines of `produce`. When the producer fails half-way, the
// lines printed so far stay printed and the result is Failed; when it stops (the user cancelled),
// the job is dropped and the result is Cancelled.
PrintResult printBoardList(PrintSurface& surface, const PrintedListStyle& style, const std::string& title,
                           const ListProducer& produce);

// The boards of the built-in `wheel` over the ticked numbers of `selection` (the list window's
// print button), titled with message 86 of `message`. Leaves `mask` holding the last board.
PrintResult printInternalList(PrintSurface& surface, Expansion& expansion, BoardMask& mask,
                              const SelectionState& selection, int wheel, const MessageLookup& message);

// The boards of a wheel file (the external page's list button, Pimprimelistebulletinfichier in
// print mode). A file that fails to read reports "Pimprimelistebulletinfichier".
PrintResult printExternalList(PrintSurface& surface, const ExternalWheel& wheel, const MessageLookup& message,
                              const std::function<void(const std::string& procedure)>& reportError = {});

}  // namespace norvex5
