#include "windows/boardlist/boardlistsource.h"

#include "core/appstate.h"
#include "core/wheelcatalogue.h"

namespace norvex5 {

BoardListSource chosenWheelBoards(CurrentGame& game, const Texts& texts) {
    BoardListSource source;
    source.boardCount = [&game]() -> std::int64_t {
        const WheelRecord* record = wheelRecordOf(game.expansion, game.selectedWheel);
        return record != nullptr ? record->boardCount : 0;
    };
    source.windowLines = [&game](const LineSink& sink) {
        return forEachListWindowLine(game.expansion, game.boardMask, game.selection, game.selectedWheel, sink);
    };
    source.printedLines = [&game, &texts](const LineSink& sink) {
        return forEachInternalListLine(game.expansion, game.boardMask, game.selection, game.selectedWheel,
                                       ListOutput::Print, texts.messageLookup(), sink);
    };
    source.exportTo = [&game](const std::filesystem::path& target, const ExportProgress& keepGoing) {
        return exportInternalList(game.expansion, game.boardMask, game.selection, game.selectedWheel, target,
                                  keepGoing);
    };
    return source;
}

}  // namespace norvex5
