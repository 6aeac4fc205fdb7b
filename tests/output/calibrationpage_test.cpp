// The calibration sheet for the printer offsets: its crosses lie where ticket printing puts the
// marks, whatever the offsets, and its rulers measure the paper in millimetres.

#include "output/calibrationpage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include "output/ticketoutlines.h"
#include "recordingsurface.h"

namespace norvex5 {
namespace {

using test::LineItem;
using test::RecordedPage;
using test::RecordingSurface;
using Centre = std::pair<int, int>;

// A printer whose printable area starts off the paper's corner, with unequal resolutions, so a
// mixed-up axis or a forgotten printing offset shows.
RecordingSurface printer() {
    RecordingSurface surface;
    surface.offsetX = 40;
    surface.offsetY = 25;
    return surface;
}

int floorHalf(int sum) { return static_cast<int>(std::floor(sum / 2.0)); }

// The centre of every rectangle a ticket run marks on `model`: every number the paper ticket
// carries in every slot, and every bonus number, one per ticket, where the model has a bonus row.
std::set<Centre> markedCentres(int model, const PrinterOffsets& offsets) {
    RecordingSurface surface = printer();
    const TicketLayout& layout = *ticketLayout(model);
    const int tickets = hasBonusRow(model) ? bonusNumberCount(model) : 1;
    const int boards = layout.boardsPerTicket * tickets;
    const int numbers = layout.numberCount;
    const BoardSource everyNumber{boards, [boards, numbers](int i, BoardMask& mask) {
                                      if (i < 1 || i > boards) return false;
                                      for (int n = 1; n <= numbers; ++n) mask[n] = 1;
                                      return true;
                                  }};
    InternalTicketRequest request;
    request.model = model;
    request.last = boards;
    request.bonusWanted = true;
    request.bonusMode = 0;  // successive: ticket k carries bonus number k
    const PrintResult result = printInternalTickets(surface, everyNumber, request, offsets);
    EXPECT_EQ(result.tickets, tickets);
    std::set<Centre> centres;
    for (const RecordedPage* page : surface.allPages()) {
        for (const auto& r : page->rects) centres.insert({floorHalf(r.x1 + r.x2), floorHalf(r.y1 + r.y2)});
        for (const auto& t : page->texts) {
            // The recording surface's cell: point size per character, twice the size plus 4 high.
            const int w = static_cast<int>(t.text.size()) * t.font.pointSize;
            const int h = 2 * t.font.pointSize + 4;
            centres.insert({floorHalf(2 * t.x + w), floorHalf(2 * t.y + h)});
        }
    }
    return centres;
}

// The crosses of a page: a horizontal line straight followed by a vertical one through its middle.
std::vector<Centre> crossesOn(const RecordedPage& page) {
    std::vector<Centre> crosses;
    for (std::size_t i = 0; i + 1 < page.lines.size(); ++i) {
        const LineItem& a = page.lines[i];
        const LineItem& b = page.lines[i + 1];
        if (a.y1 != a.y2 || b.x1 != b.x2) continue;
        const int cx = (a.x1 + a.x2) / 2;
        const int cy = (b.y1 + b.y2) / 2;
        if (b.x1 == cx && a.y1 == cy && a.x1 < a.x2 && b.y1 < b.y2) crosses.push_back({cx, cy});
    }
    return crosses;
}

const RecordedPage& onlyPage(const RecordingSurface& surface) {
    EXPECT_EQ(surface.jobs.size(), 1u);
    EXPECT_EQ(surface.log, (std::vector<std::string>{"begin", "end"}));
    return surface.jobs.at(0).pages.at(0);
}

TEST(CalibrationPage, EachCrossSitsWhereTicketPrintingMarksTheBox) {
    for (int model = 1; model <= kTicketModelCount; ++model) {
        for (const PrinterOffsets offsets : {PrinterOffsets{0, 0}, PrinterOffsets{5, -3}}) {
            SCOPED_TRACE("model " + std::to_string(model) + ", offsets " + std::to_string(offsets.horizontalMm) + "/" +
                         std::to_string(offsets.verticalMm));
            RecordingSurface sheet = printer();
            ASSERT_TRUE(printCalibrationPage(sheet, model, offsets, "caption"));
            const std::vector<Centre> crosses = crossesOn(onlyPage(sheet));
            // One cross per box, boxes that share a place (model 5's rows pushed to the edge) included.
            const int boxes = ticketLayout(model)->boardsPerTicket * ticketLayout(model)->numberCount +
                              (hasBonusRow(model) ? bonusNumberCount(model) : 0);
            EXPECT_EQ(static_cast<int>(crosses.size()), boxes);
            EXPECT_EQ(std::set<Centre>(crosses.begin(), crosses.end()), markedCentres(model, offsets));
            // The cross is drawn in black over the grey outlines; outlines come first.
            const RecordedPage& page = onlyPage(sheet);
            EXPECT_GE(page.lines.size(), 4u * boxes + 2u * boxes);
        }
    }
}

TEST(CalibrationPage, OffsetsMoveTheCrossesButNotTheRulers) {
    RecordingSurface plain = printer();
    RecordingSurface shifted = printer();
    ASSERT_TRUE(printCalibrationPage(plain, 1, {0, 0}, ""));
    ASSERT_TRUE(printCalibrationPage(shifted, 1, {5, -3}, ""));
    const std::vector<Centre> before = crossesOn(onlyPage(plain));
    const std::vector<Centre> after = crossesOn(onlyPage(shifted));
    ASSERT_EQ(before.size(), after.size());
    // 5 mm at 600 dpi and -3 mm at 300 dpi, within the rounding of each end.
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_NEAR(after[i].first - before[i].first, 5 / 25.4 * 600, 1.0);
        EXPECT_NEAR(after[i].second - before[i].second, -3 / 25.4 * 300, 1.0);
    }
    // Whatever is not a cross or an outline (the rulers) lies in the same place on both sheets.
    const auto rulerLines = [](const RecordedPage& page) {
        std::vector<std::pair<int, int>> ends;
        for (const LineItem& l : page.lines)
            if (l.x1 == 0 || l.y1 == 0) ends.push_back({l.x2, l.y2});
        return ends;
    };
    EXPECT_FALSE(rulerLines(onlyPage(plain)).empty());
    EXPECT_EQ(rulerLines(onlyPage(plain)), rulerLines(onlyPage(shifted)));
    EXPECT_EQ(onlyPage(plain).texts.size(), onlyPage(shifted).texts.size());
}

// Ticks every millimetre from the paper's corner, as far as the printable area reaches: 5 mm
// ticks longer, 10 mm ticks longer still and numbered.
TEST(CalibrationPage, RulersTickEveryMillimetreAlongBothEdges) {
    RecordingSurface sheet = printer();
    ASSERT_TRUE(printCalibrationPage(sheet, 3, {7, 7}, ""));
    const RecordedPage& page = onlyPage(sheet);
    struct Ruler {
        Axis along;
        int dpi;
        int offset;
        int length;
        int dpiAcross;  // the ticks' lengths run across the ruler
    };
    for (const Ruler ruler : {Ruler{Axis::X, sheet.dpiX, sheet.offsetX, sheet.page.width, sheet.dpiY},
                              Ruler{Axis::Y, sheet.dpiY, sheet.offsetY, sheet.page.height, sheet.dpiX}}) {
        const bool top = ruler.along == Axis::X;
        SCOPED_TRACE(top ? "top ruler" : "left ruler");
        // The ticks: lines leaving the printable area's edge across the ruler.
        std::vector<std::pair<int, int>> ticks;  // position, length
        for (const LineItem& l : page.lines) {
            if (top && l.y1 == 0 && l.x1 == l.x2) ticks.push_back({l.x1, l.y2 - l.y1});
            if (!top && l.x1 == 0 && l.y1 == l.y2) ticks.push_back({l.y1, l.x2 - l.x1});
        }
        const int perCm = static_cast<int>(std::lround(ruler.dpi / 2.54));
        int firstMm = 0;
        while (std::lround(firstMm * ruler.dpi / 25.4) < ruler.offset) ++firstMm;
        std::size_t i = 0;
        for (int mm = firstMm;; ++mm, ++i) {
            const long at = std::lround(mm * ruler.dpi / 25.4) - ruler.offset;
            if (at >= ruler.length) break;
            ASSERT_LT(i, ticks.size()) << mm << " mm";
            EXPECT_EQ(ticks[i].first, at) << mm << " mm";
            const double expected = (mm % 10 == 0 ? 0.3 : mm % 5 == 0 ? 0.2 : 0.1) * ruler.dpiAcross / 2.54;
            EXPECT_NEAR(ticks[i].second, expected, 1.0) << mm << " mm";
            if (mm % 10 == 0) {
                // Numbered beside the tick: the number starts past it, within a few millimetres.
                const std::string label = std::to_string(mm);
                const bool numbered = std::any_of(page.texts.begin(), page.texts.end(), [&](const test::TextItem& t) {
                    const int along = top ? t.x : t.y;
                    return t.text == label && t.font == rulerFont() && along > at && along < at + perCm / 2;
                });
                EXPECT_TRUE(numbered) << mm << " mm";
            }
        }
        EXPECT_EQ(i, ticks.size());
        // An A4 or Letter sheet's worth of ticks, not a few.
        EXPECT_GT(i, 150u);
    }
}

TEST(CalibrationPage, CaptionUnderTheLowestBoxAndNothingForAnUnknownModel) {
    RecordingSurface sheet = printer();
    ASSERT_TRUE(printCalibrationPage(sheet, 1, {}, "FRANCE LOTO  0 mm  0 mm"));
    const RecordedPage& page = onlyPage(sheet);
    int lowest = 0;
    for (const DeviceRect& r : markablePositions(sheet, 1, {})) lowest = std::max(lowest, r.y2);
    const auto caption = std::find_if(page.texts.begin(), page.texts.end(),
                                      [](const test::TextItem& t) { return t.text == "FRANCE LOTO  0 mm  0 mm"; });
    ASSERT_NE(caption, page.texts.end());
    EXPECT_EQ(caption->font, captionFont());
    EXPECT_GT(caption->y, lowest);
    EXPECT_LT(caption->y, sheet.page.height);

    for (int model : {0, 7, -1}) {
        RecordingSurface none;
        EXPECT_FALSE(printCalibrationPage(none, model, {}, "x"));
        EXPECT_TRUE(none.log.empty());
    }
    RecordingSurface refusing;
    refusing.refuseBegin = true;
    EXPECT_FALSE(printCalibrationPage(refusing, 1, {}, "x"));
    EXPECT_TRUE(refusing.jobs.empty());
    // A printer failing halfway drops the job instead of handing on half a sheet.
    RecordingSurface failing;
    failing.throwOnText = 1;
    EXPECT_FALSE(printCalibrationPage(failing, 1, {}, "x"));
    EXPECT_EQ(failing.log, (std::vector<std::string>{"begin", "abort"}));
}

}  // namespace
}  // namespace norvex5
