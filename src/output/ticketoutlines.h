#pragma once
// Where a ticket run can put a mark: one rectangle per box of the paper ticket, in every board
// slot and along the bonus row, in device pixels. The print preview draws them under the marks
// so the user sees each mark inside its box; a calibration sheet prints the same rectangles to
// line the printer up with the paper tickets.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/printsurface.h"
#include "output/ticketprinting.h"

namespace norvex5 {

struct DeviceRect {
    int x1 = 0;  // top-left corner, included
    int y1 = 0;
    int x2 = 0;  // bottom-right corner, excluded
    int y2 = 0;
    bool operator==(const DeviceRect&) const = default;
};

// How much smaller than the pitch an outline is, so that neighbouring outlines never touch.
inline constexpr double kOutlineGapCm = 0.06;

// Every box of `model`'s paper ticket: the numbers it carries in every slot 1..boards per ticket,
// then the bonus numbers when the model has a bonus row. Each is a box of the model's pitch less
// kOutlineGapCm, centred on the mark the printer would draw there with these offsets. Leaves the
// internal ticket font set on the surface (an "X" is measured in it). Empty for a model outside
// 1..6.
std::vector<DeviceRect> markablePositions(PrintSurface& surface, int model, const PrinterOffsets& offsets);

// How many of those boxes would get a mark that is not wholly on the printable page with these
// offsets: such marks are cut or lost without a word from the printer.
int marksOffThePage(PrintSurface& surface, int model, const PrinterOffsets& offsets);

// The rectangles as thin outlines in `colour`, drawn with lines so nothing under them is covered.
void drawOutlines(PrintSurface& surface, const std::vector<DeviceRect>& rects, PrintColour colour);

inline constexpr PrintColour kOutlineColour = 0xA0A0A0;

// A surface that lays the model's outlines on every page before anything else is drawn there,
// and otherwise hands every call on unchanged, so the ticket printer draws exactly what it would
// draw on paper.
class OutlinedTicketSurface final : public PrintSurface {
public:
    OutlinedTicketSurface(PrintSurface& inner, int model, const PrinterOffsets& offsets);

    bool beginDocument() override;
    void newPage() override;
    void endDocument() override { inner_.endDocument(); }
    void abortDocument() override { inner_.abortDocument(); }
    bool printsOnPaper() const override { return inner_.printsOnPaper(); }

    int resolution(Axis axis) const override { return inner_.resolution(axis); }
    int printingOffset(Axis axis) const override { return inner_.printingOffset(axis); }
    PageSize pageSize() const override { return inner_.pageSize(); }

    void setFont(const FontSpec& font) override;
    void text(int x, int y, std::string_view utf8) override { inner_.text(x, y, utf8); }
    TextExtent textExtent(std::string_view utf8) override { return inner_.textExtent(utf8); }

    void setBrush(PrintColour colour) override;
    void setPen(PrintColour colour, int width) override;
    void rectangle(int x1, int y1, int x2, int y2) override { inner_.rectangle(x1, y1, x2, y2); }
    void line(int x1, int y1, int x2, int y2) override { inner_.line(x1, y1, x2, y2); }

    // The pages outlined so far.
    int pagesOutlined() const { return pagesOutlined_; }

private:
    // Draws the outlines, then puts back the font, pen and brush the printer chose last.
    void outlinePage();

    PrintSurface& inner_;
    int model_;
    PrinterOffsets offsets_;
    std::vector<DeviceRect> outlines_;
    bool measured_ = false;
    std::optional<FontSpec> font_;
    PrintColour brush_ = kBlack;
    PrintColour pen_ = kBlack;
    int penWidth_ = 1;
    int pagesOutlined_ = 0;
};

}  // namespace norvex5
