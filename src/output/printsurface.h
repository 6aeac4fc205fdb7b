#pragma once
// The one door between the printing model and a printer. The model decides every position in
// device pixels and only asks the surface to draw; the program's surface draws on a QPrinter
// (qprintsurface.h), tests record what they are asked to draw.
//
// Coordinates are device pixels of the printable area: (0, 0) is its top-left corner, which
// lies printingOffset() pixels from the paper's corner. A text is placed by the top-left corner
// of its cell, as the printer of the ticket tables expects.

#include <cstdint>
#include <string>
#include <string_view>

namespace norvex5 {

enum class Axis { X = 1, Y = 2 };

struct FontSpec {
    std::string name;
    int pointSize = 10;
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

struct TextExtent {
    int width = 0;
    int height = 0;
};

struct PageSize {
    int width = 0;  // printable area, device pixels
    int height = 0;
};

using PrintColour = std::uint32_t;  // 0xRRGGBB
inline constexpr PrintColour kBlack = 0x000000;

class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    // Starts a print job. False when the printer would not start one; nothing may be drawn then.
    virtual bool beginDocument() = 0;
    virtual void newPage() = 0;
    // Hands the job over: only now does a printer start to print it.
    virtual void endDocument() = 0;
    // Drops the job so that nothing half-built comes out.
    virtual void abortDocument() = 0;

    // True when the output is paper coming out of a printer, where a job is printed only once
    // it ends. A file holds every ticket of a run in one document.
    virtual bool printsOnPaper() const = 0;

    // Pixels per inch along the axis.
    virtual int resolution(Axis axis) const = 0;
    // Distance from the paper's corner to the printable area along the axis, device pixels.
    virtual int printingOffset(Axis axis) const = 0;
    virtual PageSize pageSize() const = 0;

    // Any font the machine lacks is replaced by the nearest one it has.
    virtual void setFont(const FontSpec& font) = 0;
    virtual void text(int x, int y, std::string_view utf8) = 0;
    virtual TextExtent textExtent(std::string_view utf8) = 0;

    virtual void setBrush(PrintColour colour) = 0;
    // A solid pen; its width in device pixels, centred on the outline it draws.
    virtual void setPen(PrintColour colour, int width) = 0;
    // Outlined with the pen and filled with the brush; with a pen 1 pixel wide it covers the
    // pixels from (x1, y1) up to but not including (x2, y2).
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;
};

}  // namespace norvex5
