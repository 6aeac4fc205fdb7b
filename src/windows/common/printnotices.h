#pragma once
// What every print command tells the user around a run: before printing tickets, that marks would
// fall off the printable page; after a Cancel, what was printed and what was not.

namespace norvex5 {

class Texts;
class Platform;
class PrintSurface;
struct PrintResult;
struct PrinterOffsets;

// Before a ticket print on `surface` (its printer already chosen): when some of `model`'s boxes
// would be marked off the printable page with these offsets, says how many and asks whether to
// go on. True when nothing is off the page or the user goes on.
bool marksFitOrUserGoesOn(Platform& platform, const Texts& texts, PrintSurface& surface, int model,
                          const PrinterOffsets& offsets);

// After a run the user cancelled, one short message: how many tickets reached the printer, or
// that nothing was printed. Says nothing after a run that was not cancelled.
void tellWhatACancelLeft(Platform& platform, const Texts& texts, const PrintResult& result);

}  // namespace norvex5
