#include "output/calibrationpage.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <string>
#include <vector>

#include "output/ticketoutlines.h"

namespace norvex5 {

namespace {

const FontSpec kRulerFont{"Arial", 6, false};
const FontSpec kCaptionFont{"Arial", 9, false};

// Thin lines, yet thick enough to be seen on any printer.
constexpr double kLineWidthCm = 0.02;
// Room between a ruler's long tick and its number, and between the lowest box and the caption.
constexpr double kLabelGapCm = 0.04;
constexpr double kCaptionGapCm = 0.6;
// The caption starts under the left ruler's numbers.
constexpr double kCaptionLeftCm = 1.0;
constexpr int kMmPerCm = 10;

struct DevicePixel {
    int x = 0;
    int y = 0;
};

int lineWidth(const PrintSurface& surface) { return std::max(1, markExtent(surface, Axis::X, kLineWidthCm)); }

double tickLength(int mm) {
    if (mm % 10 == 0) return kLongTickCm;
    if (mm % 5 == 0) return kMiddleTickCm;
    return kShortTickCm;
}

// Where the paper's edge lies on the printable area along the axis: its own corner when the
// printer can print there, else the first printable pixel.
int edge(const PrintSurface& surface, Axis axis) { return std::max(0, toDevice(surface, axis, 0, {})); }

void drawCrosses(PrintSurface& surface, const std::vector<DevicePixel>& centres) {
    const int armX = markExtent(surface, Axis::X, kCrossArmCm);
    const int armY = markExtent(surface, Axis::Y, kCrossArmCm);
    surface.setPen(kBlack, lineWidth(surface));
    for (const DevicePixel& c : centres) {
        surface.line(c.x - armX, c.y, c.x + armX, c.y);
        surface.line(c.x, c.y - armY, c.x, c.y + armY);
    }
}

// The rulers measure the paper itself: positions without the user's offsets, 0 at the paper's
// corner, ticks only where the printer can print.
void drawRulers(PrintSurface& surface) {
    const PageSize page = surface.pageSize();
    const int top = edge(surface, Axis::Y);
    const int left = edge(surface, Axis::X);
    const int labelGapX = markExtent(surface, Axis::X, kLabelGapCm);
    const int labelGapY = markExtent(surface, Axis::Y, kLabelGapCm);
    // The numbers sit past the short ticks, beside the long tick they name.
    const int belowShortTicks = markExtent(surface, Axis::Y, kShortTickCm) + 2 * labelGapY;
    const int rightOfShortTicks = markExtent(surface, Axis::X, kShortTickCm) + 2 * labelGapX;
    surface.setPen(kBlack, lineWidth(surface));
    surface.setFont(kRulerFont);
    for (int mm = 0;; ++mm) {
        const int x = toDevice(surface, Axis::X, double(mm) / kMmPerCm, {});
        if (x >= page.width) break;
        if (x < 0) continue;
        surface.line(x, top, x, top + markExtent(surface, Axis::Y, tickLength(mm)));
        if (mm % 10 == 0 && mm > 0) surface.text(x + labelGapX, top + belowShortTicks, std::to_string(mm));
    }
    for (int mm = 0;; ++mm) {
        const int y = toDevice(surface, Axis::Y, double(mm) / kMmPerCm, {});
        if (y >= page.height) break;
        if (y < 0) continue;
        surface.line(left, y, left + markExtent(surface, Axis::X, tickLength(mm)), y);
        if (mm % 10 == 0 && mm > 0) surface.text(left + rightOfShortTicks, y + labelGapY, std::to_string(mm));
    }
}

void drawCaption(PrintSurface& surface, const std::vector<DeviceRect>& outlines, std::string_view caption) {
    if (caption.empty()) return;
    surface.setFont(kCaptionFont);
    int lowest = 0;
    for (const DeviceRect& r : outlines) lowest = std::max(lowest, r.y2);
    const int height = surface.textExtent(caption).height;
    // Under the boxes, or at the foot of the page when the boxes reach that far down.
    const int y = std::min(lowest + markExtent(surface, Axis::Y, kCaptionGapCm), surface.pageSize().height - height);
    surface.text(std::max(0, toDevice(surface, Axis::X, kCaptionLeftCm, {})), std::max(0, y), caption);
}

DevicePixel centreOf(const DeviceRect& r) {
    // Halves rounded down, whatever the sign, so every box gets the same rule.
    return {static_cast<int>(std::floor((r.x1 + r.x2) / 2.0)), static_cast<int>(std::floor((r.y1 + r.y2) / 2.0))};
}

}  // namespace

const FontSpec& rulerFont() { return kRulerFont; }
const FontSpec& captionFont() { return kCaptionFont; }

bool printCalibrationPage(PrintSurface& surface, int model, const PrinterOffsets& offsets, std::string_view caption) {
    if (ticketLayout(model) == nullptr) return false;
    if (!surface.beginDocument()) return false;
    try {
        // Measured inside the job, once the surface knows the printer it draws on.
        const std::vector<DeviceRect> outlines = markablePositions(surface, model, offsets);
        // An outline is centred on its mark, so its centre is where the mark's centre falls.
        std::vector<DevicePixel> centres;
        centres.reserve(outlines.size());
        for (const DeviceRect& r : outlines) centres.push_back(centreOf(r));
        drawOutlines(surface, outlines, kOutlineColour);
        drawCrosses(surface, centres);
        drawRulers(surface);
        drawCaption(surface, outlines, caption);
    } catch (const std::exception&) {
        surface.abortDocument();
        return false;
    }
    surface.endDocument();
    return true;
}

}  // namespace norvex5
