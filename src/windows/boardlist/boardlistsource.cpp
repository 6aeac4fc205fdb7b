#include "windows/boardlist/boardlistsource.h"

#include "core/appstate.h"
#include "core/wheelcatalogue.h"

namespace norvex5 {

BoardListSource chosenWheelBoards(AppState& state) {
    BoardListSource source;
    source.boardCount = [&state]() -> std::int64_t {
        const WheelRecord* record = wheelRecordOf(state.expansion, state.selectedWheel);
        return record != nullptr ? record->boardCount : 0;
    };
    source.windowLines = [&state](const LineSink& sink) {
        return forEachListWindowLine(state.expansion, state.boardMask, state.selection, state.selectedWheel, sink);
    };
    source.printedLines = [&state](const LineSink& sink) {
        return forEachInternalListLine(state.expansion, state.boardMask, state.selection, state.selectedWheel,
                                       ListOutput::Print, state.messageLookup(), sink);
    };
    source.exportTo = [&state](const std::filesystem::path& target, const ExportProgress& keepGoing) {
        return exportInternalList(state.expansion, state.boardMask, state.selection, state.selectedWheel, target,
                                  keepGoing);
    };
    return source;
}

}  // namespace norvex5
