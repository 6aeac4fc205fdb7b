#include "windows/common/printnotices.h"

#include <QString>

#include "core/appstate.h"
#include "localisation/messagenumbers.h"
#include "output/ticketoutlines.h"
#include "output/ticketprinting.h"
#include "windows/common/platform.h"

namespace norvex5 {

namespace {

QString programText(const AppState& state, ProgramText text) { return QString::fromStdString(state.programText(text)); }
QString message(const AppState& state, int number) { return QString::fromStdString(state.message(number)); }

}  // namespace

bool marksFitOrUserGoesOn(Platform& platform, const AppState& state, PrintSurface& surface, int model,
                          const PrinterOffsets& offsets) {
    const int off = marksOffThePage(surface, model, offsets);
    if (off == 0) return true;
    const int boxes = static_cast<int>(markablePositions(surface, model, offsets).size());
    const QString text = programText(state, ProgramText::MarksOffThePage).arg(off).arg(boxes);
    return platform.message(text, message(state, kMessagePrinting), Platform::Buttons::ContinueCancel,
                            Platform::Icon::Warning) == Platform::Answer::Ok;
}

void tellWhatACancelLeft(Platform& platform, const AppState& state, const PrintResult& result) {
    if (result.status() != PrintResult::Status::Cancelled) return;
    const int printed = result.ticketsPrinted;
    const QString text = printed == 0   ? programText(state, ProgramText::NothingPrintedCancelled)
                         : printed == 1 ? programText(state, ProgramText::OneTicketPrintedRestCancelled)
                                        : programText(state, ProgramText::TicketsPrintedRestCancelled).arg(printed);
    platform.message(text, message(state, kMessagePrinting), Platform::Buttons::Ok, Platform::Icon::Information);
}

}  // namespace norvex5
