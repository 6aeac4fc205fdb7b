// The outlines of every markable box: where the preview frames the marks, and that a ticket run
// drawn through the outlining surface is the same run, page for page.

#include "output/ticketoutlines.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "recordingsurface.h"

namespace norvex5 {
namespace {

using test::RecordedPage;
using test::RecordingSurface;

BoardSource boardsOf(int count, std::vector<int> numbers) {
    return {count, [count, numbers](int i, BoardMask& mask) {
                if (i < 1 || i > count) return false;
                for (int n : numbers) mask[n] = 1;
                return true;
            }};
}

bool inside(const DeviceRect& outer, int x1, int y1, int x2, int y2) {
    return outer.x1 < x1 && outer.y1 < y1 && x2 < outer.x2 && y2 < outer.y2;
}

// Which outlines a page carries, rebuilt from the four lines each one is drawn with.
std::vector<DeviceRect> outlinesOn(const RecordedPage& page) {
    std::vector<DeviceRect> rects;
    for (std::size_t i = 0; i + 3 < page.lines.size(); i += 4) {
        const auto& top = page.lines[i];
        const auto& right = page.lines[i + 1];
        if (top.y1 != top.y2 || right.x1 != right.x2) return {};  // not an outline
        rects.push_back({top.x1, top.y1, right.x2, right.y2});
    }
    return rects;
}

// Portugal's ticket stops at 49 and Romania's at 40: no box is framed for a number beyond.
TEST(MarkablePositions, OnlyTheNumbersThePaperTicketCarries) {
    RecordingSurface surface;
    EXPECT_EQ(markablePositions(surface, 1, {}).size(), 5u * 49 + 10);
    EXPECT_EQ(markablePositions(surface, 2, {}).size(), 4u * 40);
    EXPECT_EQ(markablePositions(surface, 3, {}).size(), 10u * 36);
    EXPECT_EQ(markablePositions(surface, 4, {}).size(), 10u * 49 + 13);
    EXPECT_TRUE(markablePositions(surface, 0, {}).empty());
    EXPECT_TRUE(markablePositions(surface, 7, {}).empty());
}

// Each outline is the model's box: as large as its pitch less a gap, so neighbouring boxes never
// overlap (FRANCE LOTO's rows are 0.4 cm apart), and centred on the mark drawn there.
TEST(MarkablePositions, EachOutlineIsTheModelsBoxCentredOnItsMark) {
    for (const int model : {1, 2, 3, 4, 5, 6}) {
        RecordingSurface surface;  // 600 x 300 dpi: the two axes differ
        surface.offsetX = 40;
        const PrinterOffsets offsets{3, -2};
        const std::vector<DeviceRect> rects = markablePositions(surface, model, offsets);
        const TextExtent mark = markSize(surface, ticketLayout(model)->markShape);
        const CmSize pitch = numberPitch(model);
        const int pitchX = markExtent(surface, Axis::X, pitch.width);
        const int pitchY = markExtent(surface, Axis::Y, pitch.height);
        const int count = ticketLayout(model)->numberCount;
        for (int n = 1; n <= count; ++n) {
            const DeviceRect& r = rects[static_cast<std::size_t>(count + n - 1)];  // slot 2
            SCOPED_TRACE(testing::Message() << "model " << model << " number " << n);
            EXPECT_LT(r.x2 - r.x1, pitchX);
            EXPECT_LT(r.y2 - r.y1, pitchY);
            EXPECT_GT(r.x2 - r.x1, mark.width);
            const CmPoint at = *numberPosition(model, n, 2);
            const int x = toDevice(surface, Axis::X, at.x, offsets);
            const int y = toDevice(surface, Axis::Y, at.y, offsets);
            EXPECT_EQ(r.x1 + r.x2, 2 * x + mark.width);
            EXPECT_EQ(r.y1 + r.y2, 2 * y + mark.height);
            for (int m = n + 1; m <= count; ++m) {
                const DeviceRect& o = rects[static_cast<std::size_t>(count + m - 1)];
                const bool overlap = r.x1 < o.x2 && o.x1 < r.x2 && r.y1 < o.y2 && o.y1 < r.y2;
                EXPECT_FALSE(overlap) << "with number " << m;
            }
        }
    }
}

// Twelve boards on model 4 with bonus numbers: every mark, bonus included, lies inside an outline
// of its page, and every page is outlined once, before its marks, with the pen put back.
TEST(OutlinedTicketSurface, EveryMarkInsideAnOutlineOnEveryPage) {
    for (const int model : {1, 4, 6}) {
        RecordingSurface surface;
        OutlinedTicketSurface outlined(surface, model, {2, 1});
        InternalTicketRequest request;
        request.model = model;
        request.last = 12;
        request.bonusWanted = true;
        request.bonusMode = 0;
        const PrintResult result = printInternalTickets(outlined, boardsOf(12, {1, 9, 26, 38, 39}), request, {2, 1});
        ASSERT_EQ(result.status(), PrintResult::Status::Printed);
        const auto pages = surface.allPages();
        ASSERT_EQ(static_cast<int>(pages.size()), result.tickets);
        EXPECT_EQ(outlined.pagesOutlined(), result.tickets);
        const std::vector<DeviceRect> expected = markablePositions(surface, model, {2, 1});
        for (const RecordedPage* page : pages) {
            const std::vector<DeviceRect> outlines = outlinesOn(*page);
            EXPECT_EQ(outlines, expected) << "model " << model;
            int marks = 0;
            for (const auto& t : page->texts) {
                EXPECT_EQ(t.font, internalTicketFont());
                const TextExtent cell{static_cast<int>(t.text.size()) * t.font.pointSize, 2 * t.font.pointSize + 4};
                const bool framed = std::any_of(outlines.begin(), outlines.end(), [&](const DeviceRect& r) {
                    return inside(r, t.x, t.y, t.x + cell.width, t.y + cell.height);
                });
                EXPECT_TRUE(framed) << "model " << model << " X at " << t.x << "," << t.y;
                ++marks;
            }
            for (const auto& r : page->rects) {
                EXPECT_EQ(r.penWidth, 1);
                EXPECT_EQ(r.brush, kBlack);
                const bool framed = std::any_of(outlines.begin(), outlines.end(),
                                                [&](const DeviceRect& o) { return inside(o, r.x1, r.y1, r.x2, r.y2); });
                EXPECT_TRUE(framed) << "model " << model << " square at " << r.x1 << "," << r.y1;
                ++marks;
            }
            EXPECT_GT(marks, 5);
        }
    }
}

TEST(OutlinedTicketSurface, ARefusedJobDrawsNothing) {
    RecordingSurface surface;
    surface.refuseBegin = true;
    OutlinedTicketSurface outlined(surface, 1, {});
    EXPECT_FALSE(outlined.beginDocument());
    EXPECT_EQ(outlined.pagesOutlined(), 0);
    EXPECT_TRUE(surface.jobs.empty());
}

// The window's progress can stop a run between two boards; the job being built is dropped.
TEST(TicketPrinting, StoppingBetweenBoardsDropsTheJob) {
    for (const TicketMode mode : {TicketMode::AllAtOnce, TicketMode::OneByOne}) {
        RecordingSurface surface;
        std::vector<int> seen;
        TicketHooks hooks;
        hooks.progress = [&](std::int64_t done) {
            seen.push_back(done);
            return done < 7;
        };
        InternalTicketRequest request;
        request.model = 1;
        request.mode = mode;
        request.last = 12;
        const PrintResult result = printInternalTickets(surface, boardsOf(12, {1, 2, 3, 4, 5}), request, {}, hooks);
        EXPECT_EQ(result.status(), PrintResult::Status::Cancelled);
        EXPECT_EQ(result.pass.count, 7);
        EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
        ASSERT_FALSE(surface.jobs.empty());
        EXPECT_TRUE(surface.jobs.back().aborted);
        EXPECT_FALSE(surface.jobs.back().ended);
        // On paper one ticket at a time, the first ticket had gone out as its own job.
        EXPECT_EQ(result.jobs, mode == TicketMode::OneByOne ? 1 : 0);
        EXPECT_EQ(surface.log.back(), "abort");
    }
}

}  // namespace
}  // namespace norvex5
