#include "output/ticketoutlines.h"

#include <algorithm>

namespace norvex5 {

namespace {

// Thin enough to stay clear of the mark inside, thick enough to survive a preview scaled down
// from the printer's resolution to the screen's.
constexpr double kOutlineWidthCm = 0.02;

// Calls visit(position, pitch) for every box of the model's ticket, in the order of
// markablePositions().
template <typename Visit>
void forEachBox(int model, Visit visit) {
    const TicketLayout* layout = ticketLayout(model);
    if (layout == nullptr) return;
    for (int slot = 1; slot <= layout->boardsPerTicket; ++slot)
        for (int n = 1; n <= kGridACount; ++n)
            if (carriesNumber(model, n))
                if (const std::optional<CmPoint> at = numberPosition(model, n, slot)) visit(*at, numberPitch(model));
    if (hasBonusRow(model))
        for (int b = 1; b <= bonusNumberCount(model); ++b)
            if (const std::optional<CmPoint> at = bonusPosition(model, b)) visit(*at, bonusPitch(model));
}

// `size`, made one smaller when needed so that it exceeds `inner` by an even number of pixels.
int evenSpare(int size, int inner) { return (size - inner) % 2 == 0 ? size : size - 1; }

}  // namespace

std::vector<DeviceRect> markablePositions(PrintSurface& surface, int model, const PrinterOffsets& offsets) {
    std::vector<DeviceRect> rects;
    const TicketLayout* layout = ticketLayout(model);
    if (layout == nullptr) return rects;
    surface.setFont(internalTicketFont());
    const TextExtent mark = markSize(surface, layout->markShape);
    forEachBox(model, [&](CmPoint at, CmSize pitch) {
        const int x = toDevice(surface, Axis::X, at.x, offsets);
        const int y = toDevice(surface, Axis::Y, at.y, offsets);
        // A pixel less where needed, so the box and its mark share their centre to the pixel.
        const int width = evenSpare(markExtent(surface, Axis::X, pitch.width - kOutlineGapCm), mark.width);
        const int height = evenSpare(markExtent(surface, Axis::Y, pitch.height - kOutlineGapCm), mark.height);
        const int x1 = x - (width - mark.width) / 2;
        const int y1 = y - (height - mark.height) / 2;
        rects.push_back({x1, y1, x1 + width, y1 + height});
    });
    return rects;
}

int marksOffThePage(PrintSurface& surface, int model, const PrinterOffsets& offsets) {
    const TicketLayout* layout = ticketLayout(model);
    if (layout == nullptr) return 0;
    surface.setFont(internalTicketFont());
    const TextExtent mark = markSize(surface, layout->markShape);
    const PageSize page = surface.pageSize();
    int off = 0;
    forEachBox(model, [&](CmPoint at, CmSize) {
        const int x = toDevice(surface, Axis::X, at.x, offsets);
        const int y = toDevice(surface, Axis::Y, at.y, offsets);
        if (x < 0 || y < 0 || x + mark.width > page.width || y + mark.height > page.height) ++off;
    });
    return off;
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
