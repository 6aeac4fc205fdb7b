#pragma once
// The printing model's surface over a QPrinter. The window points printer() at the default
// printer, or at a PDF file the user names when the machine has none
// (Platform::choosePrintTarget), and hands the surface to the ticket or list printer.

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QString>
#include <memory>

#include "output/printsurface.h"

namespace norvex5 {

class PrinterSurface final : public PrintSurface {
public:
    // The default printer at its own resolution, until printer() is pointed elsewhere.
    PrinterSurface();
    // A PDF file instead of paper, at `dpi` pixels per inch.
    explicit PrinterSurface(const QString& pdfFile, int dpi = 600);
    // Draws on a printer owned elsewhere, such as the one a print preview hands out; it must
    // outlive the surface.
    explicit PrinterSurface(QPrinter& printer);
    ~PrinterSurface() override;

    // Where the print goes, its page size and margins: set before the run begins.
    QPrinter& printer() { return *printer_; }

    bool beginDocument() override;
    void newPage() override;
    void endDocument() override;
    void abortDocument() override;
    bool printsOnPaper() const override { return printer_->outputFormat() == QPrinter::NativeFormat; }

    int resolution(Axis axis) const override;
    int printingOffset(Axis axis) const override;
    PageSize pageSize() const override;

    void setFont(const FontSpec& font) override;
    void text(int x, int y, std::string_view utf8) override;
    TextExtent textExtent(std::string_view utf8) override;

    void setBrush(PrintColour colour) override;
    void setPen(PrintColour colour, int width) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void line(int x1, int y1, int x2, int y2) override;

private:
    void setUp();
    // A print queue rasterises a job at its own resolution, whatever Qt reports for it (1200 dpi
    // for any queue). Asked of the queue once it is chosen, before anything is measured, so that
    // every position falls on one of the queue's pixels, as it would in a PDF at that resolution.
    void matchQueueResolution() const;

    std::unique_ptr<QPrinter> owned_;
    QPrinter* printer_;
    QPainter painter_;
    FontSpec fontSpec_;
    QFont font_;
    mutable int ascent_ = 0;
    mutable QString matchedQueue_;
    QPen pen_;
    QBrush brush_;
};

}  // namespace norvex5
