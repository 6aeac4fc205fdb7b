#pragma once
// A print surface that keeps what it is asked to draw, job by job and page by page, so tests can
// assert positions in device pixels. Text extents are simple and exact: each character is as
// wide as the font's point size and a line is twice the point size plus 4 pixels high.

#include <stdexcept>
#include <string>
#include <vector>

#include "output/printsurface.h"

namespace norvex5::test {

struct TextItem {
    int x;
    int y;
    std::string text;
    FontSpec font;
};

struct RectItem {
    int x1;
    int y1;
    int x2;
    int y2;
    int penWidth;
    PrintColour brush;
};

struct LineItem {
    int x1;
    int y1;
    int x2;
    int y2;
    int penWidth;
};

struct RecordedPage {
    std::vector<TextItem> texts;
    std::vector<RectItem> rects;
    std::vector<LineItem> lines;
};

struct RecordedJob {
    std::vector<RecordedPage> pages;
    bool ended = false;
    bool aborted = false;
};

class RecordingSurface : public PrintSurface {
public:
    int dpiX = 600;
    int dpiY = 300;
    int offsetX = 0;
    int offsetY = 0;
    PageSize page{4800, 3300};
    bool paper = true;
    bool refuseBegin = false;
    int throwOnNewPage = 0;  // the n-th newPage() call throws (0: never)
    int throwOnText = 0;     // the n-th text() call throws (0: never)

    std::vector<RecordedJob> jobs;
    // "begin", "page", "end", "abort" and whatever the test adds ("prompt"), in order.
    std::vector<std::string> log;

    bool beginDocument() override {
        log.push_back("begin");
        if (refuseBegin) return false;
        if (open_) throw std::logic_error("a job began inside another");
        jobs.push_back({});
        jobs.back().pages.push_back({});
        open_ = true;
        return true;
    }
    void newPage() override {
        requireOpen();
        log.push_back("page");
        if (++newPages_ == throwOnNewPage) throw std::runtime_error("the printer jammed");
        jobs.back().pages.push_back({});
    }
    void endDocument() override {
        requireOpen();
        log.push_back("end");
        jobs.back().ended = true;
        open_ = false;
    }
    void abortDocument() override {
        requireOpen();
        log.push_back("abort");
        jobs.back().aborted = true;
        open_ = false;
    }
    bool printsOnPaper() const override { return paper; }

    int resolution(Axis axis) const override { return axis == Axis::X ? dpiX : dpiY; }
    int printingOffset(Axis axis) const override { return axis == Axis::X ? offsetX : offsetY; }
    PageSize pageSize() const override { return page; }

    void setFont(const FontSpec& font) override { font_ = font; }
    void text(int x, int y, std::string_view utf8) override {
        requireOpen();
        if (++texts_ == throwOnText) throw std::runtime_error("no ink");
        current().texts.push_back({x, y, std::string(utf8), font_});
    }
    TextExtent textExtent(std::string_view utf8) override {
        return {static_cast<int>(utf8.size()) * font_.pointSize, 2 * font_.pointSize + 4};
    }
    void setBrush(PrintColour colour) override { brush_ = colour; }
    void setPen(PrintColour, int width) override { penWidth_ = width; }
    void rectangle(int x1, int y1, int x2, int y2) override {
        requireOpen();
        current().rects.push_back({x1, y1, x2, y2, penWidth_, brush_});
    }
    void line(int x1, int y1, int x2, int y2) override {
        requireOpen();
        current().lines.push_back({x1, y1, x2, y2, penWidth_});
    }

    // Every page of every job, in print order.
    std::vector<const RecordedPage*> allPages() const {
        std::vector<const RecordedPage*> pages;
        for (const RecordedJob& job : jobs)
            for (const RecordedPage& p : job.pages) pages.push_back(&p);
        return pages;
    }

private:
    void requireOpen() const {
        if (!open_) throw std::logic_error("drawing outside a print job");
    }
    RecordedPage& current() { return jobs.back().pages.back(); }

    bool open_ = false;
    int newPages_ = 0;
    int texts_ = 0;
    FontSpec font_;
    PrintColour brush_ = 0xFFFFFF;
    int penWidth_ = 1;
};

}  // namespace norvex5::test
