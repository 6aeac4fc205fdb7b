#pragma once
// A calibration sheet for the printer offsets. Printed on plain paper and laid over a real ticket
// against the light, it shows where the printer would put every mark of a ticket model: the
// outline of each box (the same rectangles the print preview frames), a small cross at each box
// centre, and a millimetre ruler along the top and left edges of the paper. The boxes move with
// the offsets given; the rulers do not, they stay fixed to the paper, so the user can read how
// many millimetres the crosses lie off the ticket's own boxes.

#include <string_view>

#include "output/printsurface.h"
#include "output/ticketprinting.h"

namespace norvex5 {

// Half the length of a cross's arms.
inline constexpr double kCrossArmCm = 0.08;
// Ruler ticks: every millimetre, longer every 5 mm and longer still every 10 mm, where the
// number of millimetres is written.
inline constexpr double kShortTickCm = 0.1;
inline constexpr double kMiddleTickCm = 0.2;
inline constexpr double kLongTickCm = 0.3;

// The font of the ruler's numbers and of the sheet's caption.
const FontSpec& rulerFont();
const FontSpec& captionFont();

// Prints the sheet as one job of one page: the outlines in grey, the crosses and the rulers in
// black, and `caption` (which model, which offsets) under the lowest box. False when the model
// is outside 1..6 (nothing is started), the printer would not start the job, or drawing failed
// (then the job is dropped).
bool printCalibrationPage(PrintSurface& surface, int model, const PrinterOffsets& offsets, std::string_view caption);

}  // namespace norvex5
