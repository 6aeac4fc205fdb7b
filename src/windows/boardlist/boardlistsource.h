#pragma once
// What the list window lists, prints and exports: the boards of the wheel chosen in the main
// window over the player's prepared numbers. The window reaches the list engines (output/
// boardlists, listprinting, listexport) only through this one set of functions, so a change in
// their signatures is mended here alone; a test can hand the window a list of its own making.

#include <cstdint>
#include <filesystem>
#include <functional>

#include "output/boardlists.h"
#include "output/listexport.h"

namespace norvex5 {

class Texts;
struct CurrentGame;

struct BoardListSource {
    // How many boards there are; 0 without a wheel of the catalogue.
    std::function<std::int64_t()> boardCount;
    // Every board, in order, as the list window's line (" 007:-03-12-25-33-41"). The sink may
    // stop the run by returning false.
    std::function<PassResult(const LineSink& sink)> windowLines;
    // Every board as the printed list's line (message 34, " :", the number, "  A : ...").
    std::function<PassResult(const LineSink& sink)> printedLines;
    // The export into `target`, asking `keepGoing` after every line.
    std::function<ExportResult(const std::filesystem::path& target, const ExportProgress& keepGoing)> exportTo;
};

// The boards of the wheel chosen when each run starts (game.selectedWheel) over the ticked
// numbers, built one by one through the expansion in `game`. A wheel outside the catalogue has
// no board: the list stays empty, the export file empty, the print holds its title alone.
BoardListSource chosenWheelBoards(CurrentGame& game, const Texts& texts);

}  // namespace norvex5
