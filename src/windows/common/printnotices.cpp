#include "windows/common/printnotices.h"

#include <QString>

#include "core/appstate.h"
#include "localisation/messagenumbers.h"
#include "output/ticketoutlines.h"
#include "output/ticketprinting.h"
#include "windows/common/platform.h"

namespace norvex5 {

namespace {

QString programText(const Texts& texts, ProgramText text) { return QString::fromStdString(texts.programText(text)); }
QString message(const Texts& texts, int number) { return QString::fromStdString(texts.message(number)); }

}  // namespace

bool marksFitOrUserGoesOn(Platform& platform, const Texts& texts, PrintSurface& surface, int model,
                          const PrinterOffsets& offsets) {
    const int off = marksOffThePage(surface, model, offsets);
    if (off == 0) return true;
    const int boxes = static_cast<int>(markablePositions(surface, model, offsets).size());
    const QString text = programText(texts, ProgramText::MarksOffThePage).arg(off).arg(boxes);
    return platform.message(text, message(texts, kMessagePrinting), Platform::Buttons::ContinueCancel,
                            Platform::Icon::Warning) == Platform::Answer::Ok;
}

void tellWhatACancelLeft(Platform& platform, const Texts& texts, const PrintResult& result) {
    if (result.status() != PrintResult::Status::Cancelled) return;
    const int printed = result.ticketsPrinted;
    const QString text = printed == 0   ? programText(texts, ProgramText::NothingPrintedCancelled)
                         : printed == 1 ? programText(texts, ProgramText::OneTicketPrintedRestCancelled)
                                        : programText(texts, ProgramText::TicketsPrintedRestCancelled).arg(printed);
    platform.message(text, message(texts, kMessagePrinting), Platform::Buttons::Ok, Platform::Icon::Information);
}

}  // namespace norvex5
