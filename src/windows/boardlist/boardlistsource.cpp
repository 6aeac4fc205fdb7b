#include "windows/boardlist/boardlistsource.h"

#include "core/appstate.h"
#include "core/wheelcatalogue.h"

namespace norvex5 {

BoardListSource chosenWheelBoards(AppState& state, std::function<int()> selectedWheel) {
    const auto wheel = [selectedWheel = std::move(selectedWheel)] { return selectedWheel ? selectedWheel() : -1; };
    BoardListSource source;
    source.boardCount = [wheel]() -> std::int64_t {
        const WheelRecord* record = wheelRecord(wheel());
        return record != nullptr ? record->boardCount : 0;
    };
    source.windowLines = [&state, wheel](const LineSink& sink) {
        return forEachListWindowLine(state.expansion, state.boardMask, wheel(), sink);
    };
    source.printedLines = [&state, wheel](const LineSink& sink) {
        return forEachInternalListLine(state.expansion, state.boardMask, wheel(), ListOutput::Print,
                                       state.messageLookup(), sink);
    };
    source.exportTo = [&state, wheel](const std::filesystem::path& target, const ExportProgress& keepGoing) {
        return exportInternalList(state.expansion, state.boardMask, wheel(), target, keepGoing);
    };
    return source;
}

}  // namespace norvex5
