#include "output/ticketoutlines.h"

#include <algorithm>

namespace norvex5 {

namespace {

// Thin enough to stay clear of the mark inside, thick enough to survive a preview scaled down
// from the printer's resolution to the screen's.
constexpr double kOutlineWidthCm = 0.02;

}  // namespace

std::vector<DeviceRect> markablePositions(PrintSurface& surface, int model, const PrinterOffsets& offsets) {
    std::vector<DeviceRect> rects;
    const TicketLayout* layout = ticketLayout(model);
    if (layout == nullptr) return rects;
    surface.setFont(internalTicketFont());
    const TextExtent mark = markSize(surface, layout->markShape);
    const int marginX = markExtent(surface, Axis::X, kOutlineMarginCm);
    const int marginY = markExtent(surface, Axis::Y, kOutlineMarginCm);
    const auto add = [&](CmPoint at) {
        const int x = toDevice(surface, Axis::X, at.x, offsets);
        const int y = toDevice(surface, Axis::Y, at.y, offsets);
        rects.push_back({x - marginX, y - marginY, x + mark.width + marginX, y + mark.height + marginY});
    };
    for (int slot = 1; slot <= layout->boardsPerTicket; ++slot)
        for (int n = 1; n <= kGridACount; ++n)
            if (const std::optional<CmPoint> at = numberPosition(model, n, slot)) add(*at);
    if (hasBonusRow(model))
        for (int b = 1; b <= bonusNumberCount(model); ++b)
            if (const std::optional<CmPoint> at = bonusPosition(model, b)) add(*at);
    return rects;
}

void drawOutlines(PrintSurface& surface, const std::vector<DeviceRect>& rects, PrintColour colour) {
    surface.setPen(colour, std::max(1, markExtent(surface, Axis::X, kOutlineWidthCm)));
    for (const DeviceRect& r : rects) {
        surface.line(r.x1, r.y1, r.x2, r.y1);
        surface.line(r.x2, r.y1, r.x2, r.y2);
        surface.line(r.x2, r.y2, r.x1, r.y2);
        surface.line(r.x1, r.y2, r.x1, r.y1);
    }
}

OutlinedTicketSurface::OutlinedTicketSurface(PrintSurface& inner, int model, const PrinterOffsets& offsets)
    : inner_(inner), model_(model), offsets_(offsets) {}

bool OutlinedTicketSurface::beginDocument() {
    if (!inner_.beginDocument()) return false;
    outlinePage();
    return true;
}

void OutlinedTicketSurface::newPage() {
    inner_.newPage();
    outlinePage();
}

void OutlinedTicketSurface::setFont(const FontSpec& font) {
    font_ = font;
    inner_.setFont(font);
}

void OutlinedTicketSurface::setBrush(PrintColour colour) {
    brush_ = colour;
    inner_.setBrush(colour);
}

void OutlinedTicketSurface::setPen(PrintColour colour, int width) {
    pen_ = colour;
    penWidth_ = width;
    inner_.setPen(colour, width);
}

void OutlinedTicketSurface::outlinePage() {
    // Measured once the job has begun, when the surface knows the printer it draws on.
    if (!measured_) {
        outlines_ = markablePositions(inner_, model_, offsets_);
        measured_ = true;
    }
    drawOutlines(inner_, outlines_, kOutlineColour);
    if (font_) inner_.setFont(*font_);
    inner_.setPen(pen_, penWidth_);
    inner_.setBrush(brush_);
    ++pagesOutlined_;
}

}  // namespace norvex5
