#include "output/ticketprinting.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <set>

#include <unistd.h>

#include <gtest/gtest.h>

#include "core/appstate.h"
#include "recordingsurface.h"
#include "support/scratchfiles.h"
#include "support/wheelfiles.h"

namespace norvex5 {
namespace {

using test::RecordedPage;
using test::RecordingSurface;
using Status = PrintResult::Status;

// --- helpers --------------------------------------------------------------------------------

// Board i holds i, i + 12, i + 24, i + 36 and 50 (49 for every tenth board), so each board of a
// run of up to 12 is told apart by its first number.
std::vector<int> boardOf(int i) {
    const int k = (i - 1) % 12 + 1;
    return {k, k + 12, k + 24, k + 36, i % 10 == 0 ? 49 : 50};
}

BoardSource syntheticBoards(int count) {
    return {count, [count](int i, BoardMask& mask) {
                if (i < 1 || i > count) return false;
                for (int n : boardOf(i)) mask[n] = 1;
                return true;
            }};
}

using norvex5::testing::ScratchDir;
using norvex5::testing::wheelOf;

// A wheel file holding the same boards as syntheticBoards, with two grid B numbers each.
std::string wheelFileText(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        for (int n : boardOf(i)) text += std::to_string(n) + " ";
        text += "2 9\r\n";
    }
    return text;
}

struct Decoded {
    std::map<int, std::vector<int>> boards;  // slot -> numbers, ascending
    std::vector<int> bonus;
    std::vector<std::string> other;  // marks that are no box of the model
};

// Reads a page back into boards: every mark must sit exactly on the device position of a box.
Decoded decode(const RecordedPage& page, const PrintSurface& surface, int model, const PrinterOffsets& offsets = {}) {
    std::map<std::pair<int, int>, std::pair<int, int>> boxes;  // device point -> (slot, n)
    for (int s = 1; s <= ticketLayout(model)->boardsPerTicket; ++s)
        for (int n = 1; n <= 50; ++n) {
            const CmPoint p = *numberPosition(model, n, s);
            boxes[{toDevice(surface, Axis::X, p.x, offsets), toDevice(surface, Axis::Y, p.y, offsets)}] = {s, n};
        }
    std::map<std::pair<int, int>, int> bonusBoxes;
    for (int b = 1; hasBonusRow(model) && b <= bonusNumberCount(model); ++b) {
        const CmPoint p = *bonusPosition(model, b);
        bonusBoxes[{toDevice(surface, Axis::X, p.x, offsets), toDevice(surface, Axis::Y, p.y, offsets)}] = b;
    }
    Decoded d;
    auto take = [&](int x, int y, const std::string& what) {
        if (auto b = bonusBoxes.find({x, y}); b != bonusBoxes.end()) {
            d.bonus.push_back(b->second);
        } else if (auto box = boxes.find({x, y}); box != boxes.end()) {
            d.boards[box->second.first].push_back(box->second.second);
        } else {
            d.other.push_back(what + "@" + std::to_string(x) + "," + std::to_string(y));
        }
    };
    for (const auto& t : page.texts)
        if (t.text == "X")
            take(t.x, t.y, t.text);
        else
            d.other.push_back(t.text);
    for (const auto& r : page.rects) take(r.x1, r.y1, "rect");
    for (auto& [slot, numbers] : d.boards) std::sort(numbers.begin(), numbers.end());
    return d;
}

std::vector<int> sortedBoard(int i) {
    std::vector<int> b = boardOf(i);
    std::sort(b.begin(), b.end());
    return b;
}

// The boards first, first + 1, ... in slots 1, 2, ...
std::map<int, std::vector<int>> expectedBoards(int first, int count) {
    std::map<int, std::vector<int>> m;
    for (int k = 0; k < count; ++k) m[k + 1] = sortedBoard(first + k);
    return m;
}

enum class Path { Internal, External };

struct PrintRun {
    RecordingSurface surface;
    PrintResult result;
    std::vector<std::string> errors;
    int prompts = 0;
    std::int64_t stopAfter = 0;  // the progress hook stops the run after this many boards; 0 never
    std::vector<std::int64_t> progress;
};

// Prints `boards` synthetic boards on `model` through either path; `answers` are the replies
// to the prompts in turn (OK once they run out).
void print(PrintRun& run, Path path, int boards, int model, TicketMode mode, std::vector<bool> answers = {},
           InternalTicketRequest request = {}, const PrinterOffsets& offsets = {}) {
    TicketHooks hooks;
    hooks.nextTicket = [&run, answers]() {
        run.surface.log.push_back("prompt");
        const std::size_t k = static_cast<std::size_t>(run.prompts++);
        return k < answers.size() ? bool(answers[k]) : true;
    };
    hooks.reportError = [&run](const std::string& procedure) { run.errors.push_back(procedure); };
    hooks.progress = [&run](std::int64_t done) {
        run.progress.push_back(done);
        return run.stopAfter == 0 || done < run.stopAfter;
    };
    if (path == Path::Internal) {
        request.model = model;
        request.mode = mode;
        if (request.last == 0) request.last = boards;
        run.result = printInternalTickets(run.surface, syntheticBoards(boards), request, offsets, hooks);
    } else {
        ScratchDir dir;
        run.result = printExternalTickets(run.surface, wheelOf(dir.file("wheel.txt", wheelFileText(boards))), mode,
                                          model, offsets, hooks);
    }
}

// --- ToDevice and marks ----------------------------------------------------------------------

TEST(ToDevice, ConversionAndRounding) {
    struct {
        int dpi;
        int printerOffset;
        int userMm;
        double cm;
        int expected;
    } const cases[] = {
        {600, 0, 0, 2.54, 600},     // one inch is dpi pixels
        {600, 0, 0, 2.2, 520},      // 519.685
        {600, 25, 0, 2.54, 575},    // the printable area starts 25 pixels in
        {600, 0, 5, 2.54, 718},     // 5 mm more: 600 + 118.11
        {600, 0, -3, 2.54, 529},    // 600 - 70.87
        {600, 40, 2, 0, -40 + 47},  // 47.24
        {1, 0, 0, 1.27, 0},         // exactly 0.5: halves go to the even neighbour
        {3, 0, 0, 1.27, 2},         // 1.5
        {5, 0, 0, 1.27, 2},         // 2.5
        {7, 0, 0, 1.27, 4},         // 3.5
        {5, 5, 0, 1.27, -2},        // -2.5
    };
    for (const auto& c : cases) {
        RecordingSurface s;
        s.dpiX = c.dpi;
        s.offsetX = c.printerOffset;
        EXPECT_EQ(toDevice(s, Axis::X, c.cm, {c.userMm, 0}), c.expected)
            << c.dpi << " dpi, offset " << c.printerOffset << ", " << c.userMm << " mm, " << c.cm << " cm";
    }
    // Each axis takes its own resolution, printing offset and user offset.
    RecordingSurface s;
    s.dpiX = 600, s.dpiY = 300, s.offsetX = 10, s.offsetY = 20;
    EXPECT_EQ(toDevice(s, Axis::X, 2.54, {1, 2}), 600 - 10 + 24);
    EXPECT_EQ(toDevice(s, Axis::Y, 2.54, {1, 2}), 300 - 20 + 24);
}

TEST(ToDevice, OffsetsOfADamagedParametersFileStayOnTheirSide) {
    // Offsets far past any paper, as a damaged nrvx5.par may hold: the point goes further the
    // same way, never wraps to the other side, and a mark's size can still be added to it.
    RecordingSurface s;
    const int far = toDevice(s, Axis::X, 2.54, {std::numeric_limits<std::int32_t>::max(), 0});
    EXPECT_GT(far, toDevice(s, Axis::X, 2.54, {99999, 0}));
    EXPECT_LE(far, std::numeric_limits<int>::max() - 1000);
    const int back = toDevice(s, Axis::Y, 2.54, {0, std::numeric_limits<std::int32_t>::min()});
    EXPECT_LT(back, toDevice(s, Axis::Y, 2.54, {0, -9999}));
    EXPECT_GE(back, std::numeric_limits<int>::min() + 1000);
}

TEST(ToDevice, MarkSizesDoNotDependOnOffsets) {
    // At 600 x 300 dpi: 0.35 cm = 83 px, 0.29 cm = 69 px across; 0.2 cm = 24, 0.1 cm = 12,
    // 0.29 cm = 34 px down.
    struct {
        MarkShape shape;
        int width;
        int height;
    } const shapes[] = {{MarkShape::Bar, 83, 24}, {MarkShape::ThinBar, 83, 12}, {MarkShape::Square, 69, 34}};
    for (const auto& shape : shapes) {
        for (int printerOffset : {0, 13, 37})
            for (int userMm : {-4, 0, 1, 3, 7}) {
                RecordingSurface s;
                s.offsetX = printerOffset;
                s.offsetY = printerOffset;
                s.beginDocument();
                const PrinterOffsets offsets{userMm, userMm};
                const int x = toDevice(s, Axis::X, 3.3, offsets);
                const int y = toDevice(s, Axis::Y, 4.4, offsets);
                drawMark(s, shape.shape, x, y);
                ASSERT_EQ(s.jobs[0].pages[0].rects.size(), 1u);
                const test::RectItem& r = s.jobs[0].pages[0].rects[0];
                EXPECT_EQ(r.x1, x);
                EXPECT_EQ(r.y1, y);
                EXPECT_EQ(r.x2 - r.x1, shape.width) << int(shape.shape) << " " << printerOffset << " " << userMm;
                EXPECT_EQ(r.y2 - r.y1, shape.height) << int(shape.shape) << " " << printerOffset << " " << userMm;
                EXPECT_EQ(r.brush, kBlack);
            }
    }
}

// --- tickets, pages and jobs ---------------------------------------------------------------------

TEST(TicketPrinting, TwelveBoardsMakeThreeTickets) {
    struct {
        const char* name;
        TicketMode mode;
        bool paper;
        std::vector<std::size_t> pagesPerJob;
        int prompts;
        std::vector<std::string> log;
    } const cases[] = {
        {"all at once", TicketMode::AllAtOnce, true, {3}, 0, {"begin", "page", "page", "end"}},
        {"one by one on paper",
         TicketMode::OneByOne,
         true,
         {1, 1, 1},
         2,
         {"begin", "end", "prompt", "begin", "end", "prompt", "begin", "end"}},
        {"one by one into a file",
         TicketMode::OneByOne,
         false,
         {3},
         2,
         {"begin", "prompt", "page", "prompt", "page", "end"}},
    };
    for (Path path : {Path::Internal, Path::External})
        for (const auto& c : cases) {
            SCOPED_TRACE(::testing::Message() << c.name << (path == Path::Internal ? ", internal" : ", external"));
            PrintRun run;
            run.surface.paper = c.paper;
            print(run, path, 12, 1, c.mode);
            EXPECT_EQ(run.result.status(), Status::Printed);
            EXPECT_EQ(run.result.pass.count, 12);
            EXPECT_EQ(run.result.tickets, 3);
            EXPECT_EQ(run.prompts, c.prompts);
            EXPECT_EQ(run.surface.log, c.log);
            std::vector<std::size_t> pagesPerJob;
            for (const auto& job : run.surface.jobs) {
                pagesPerJob.push_back(job.pages.size());
                EXPECT_TRUE(job.ended);
            }
            EXPECT_EQ(pagesPerJob, c.pagesPerJob);
            const auto pages = run.surface.allPages();
            ASSERT_EQ(pages.size(), 3u);
            const int firstOf[] = {1, 6, 11};
            const int countOf[] = {5, 5, 2};
            for (int p = 0; p < 3; ++p) {
                const Decoded d = decode(*pages[p], run.surface, 1);
                EXPECT_EQ(d.boards, expectedBoards(firstOf[p], countOf[p])) << "page " << p + 1;
                EXPECT_TRUE(d.other.empty()) << d.other.front();
            }
            EXPECT_TRUE(run.errors.empty());
        }
}

TEST(TicketPrinting, CancelAtTheFirstPromptLeavesOnlyTheFirstTicket) {
    for (Path path : {Path::Internal, Path::External})
        for (bool paper : {true, false})
            for (bool bonus : {false, true}) {
                SCOPED_TRACE(::testing::Message() << (path == Path::Internal ? "internal" : "external")
                                                << (paper ? ", paper" : ", file") << (bonus ? ", bonus" : ""));
                PrintRun run;
                run.surface.paper = paper;
                InternalTicketRequest request;
                request.bonusWanted = bonus;
                request.bonusMode = 0;
                print(run, path, 12, 1, TicketMode::OneByOne, {false}, request);
                EXPECT_EQ(run.result.status(), Status::Cancelled);
                EXPECT_EQ(run.prompts, 1);
                EXPECT_EQ(run.result.pass.count, 5);
                ASSERT_EQ(run.surface.jobs.size(), 1u);
                EXPECT_TRUE(run.surface.jobs[0].ended);
                ASSERT_EQ(run.surface.jobs[0].pages.size(), 1u) << "no second ticket, not even a blank one";
                const Decoded d = decode(run.surface.jobs[0].pages[0], run.surface, 1);
                EXPECT_EQ(d.boards, expectedBoards(1, 5));
                EXPECT_EQ(d.bonus, (bonus && path == Path::Internal ? std::vector<int>{1} : std::vector<int>{}));
                EXPECT_EQ(run.surface.log.back(), paper ? "prompt" : "end");
                EXPECT_TRUE(run.errors.empty());
            }
}

TEST(TicketPrinting, CancelLaterKeepsEveryTicketBefore) {
    PrintRun run;
    print(run, Path::External, 12, 1, TicketMode::OneByOne, {true, false});
    EXPECT_EQ(run.result.status(), Status::Cancelled);
    EXPECT_EQ(run.result.pass.count, 10);
    EXPECT_EQ(run.surface.jobs.size(), 2u);
    EXPECT_EQ(run.result.ticketsPrinted, 2);
    EXPECT_EQ(decode(run.surface.jobs[1].pages[0], run.surface, 1).boards, expectedBoards(6, 5));
}

TEST(TicketPrinting, ProgressCountsEveryBoardAndCanStopEitherPath) {
    for (Path path : {Path::Internal, Path::External}) {
        SCOPED_TRACE(path == Path::Internal ? "internal" : "external");
        PrintRun whole;
        print(whole, path, 12, 1, TicketMode::AllAtOnce);
        EXPECT_EQ(whole.result.status(), Status::Printed);
        EXPECT_EQ(whole.progress, (std::vector<std::int64_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));

        // A Cancel in the window's progress dialog after board 7: the job being built is dropped
        // (nothing half-built reaches the printer) and the run counts as cancelled.
        PrintRun stopped;
        stopped.stopAfter = 7;
        print(stopped, path, 12, 1, TicketMode::AllAtOnce);
        EXPECT_EQ(stopped.result.status(), Status::Cancelled);
        EXPECT_TRUE(stopped.result.pass.ok);
        EXPECT_EQ(stopped.result.pass.count, 7);
        EXPECT_EQ(stopped.progress.back(), 7);
        ASSERT_EQ(stopped.surface.jobs.size(), 1u);
        EXPECT_TRUE(stopped.surface.jobs[0].aborted);
        EXPECT_EQ(stopped.result.jobs, 0);
        EXPECT_EQ(stopped.result.ticketsPrinted, 0);

        // One by one on paper, a stop on the second ticket keeps the first, already handed over.
        PrintRun paper;
        paper.stopAfter = 7;
        print(paper, path, 12, 1, TicketMode::OneByOne);
        EXPECT_EQ(paper.result.status(), Status::Cancelled);
        ASSERT_EQ(paper.surface.jobs.size(), 2u);
        EXPECT_TRUE(paper.surface.jobs[0].ended);
        EXPECT_TRUE(paper.surface.jobs[1].aborted);
        EXPECT_EQ(paper.result.jobs, 1);
        EXPECT_EQ(paper.result.ticketsPrinted, 1);
        EXPECT_TRUE(stopped.errors.empty());
    }
}

TEST(TicketPrinting, BoardRange) {
    struct {
        int first;
        int last;
        int firstPrinted;
        int count;
    } const cases[] = {
        {3, 7, 3, 5},  // one ticket, slots 1 to 5
        {8, 8, 8, 1},
        {0, 4, 1, 12},  // a range outside the wheel prints every board
        {2, 13, 1, 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.first << ".." << c.last);
        PrintRun run;
        InternalTicketRequest request;
        request.first = c.first;
        request.last = c.last;
        print(run, Path::Internal, 12, 1, TicketMode::AllAtOnce, {}, request);
        EXPECT_EQ(run.result.pass.count, c.count);
        const auto pages = run.surface.allPages();
        ASSERT_FALSE(pages.empty());
        EXPECT_EQ(decode(*pages[0], run.surface, 1).boards, expectedBoards(c.firstPrinted, std::min(c.count, 5)));
    }
    // Nothing to print starts no job: no paper ticket goes through for nothing.
    PrintRun run;
    InternalTicketRequest request;
    request.first = 5;
    request.last = 3;
    request.bonusWanted = true;
    print(run, Path::Internal, 12, 1, TicketMode::AllAtOnce, {}, request);
    EXPECT_EQ(run.result.status(), Status::NothingToPrint);
    EXPECT_TRUE(run.surface.log.empty());
}

// --- bonus numbers ---------------------------------------------------------------------------

std::vector<int> bonusPerTicket(const PrintRun& run, int model) {
    std::vector<int> numbers;
    for (const RecordedPage* page : run.surface.allPages()) {
        const Decoded d = decode(*page, run.surface, model);
        EXPECT_EQ(d.bonus.size(), 1u);
        numbers.insert(numbers.end(), d.bonus.begin(), d.bonus.end());
    }
    return numbers;
}

TEST(TicketPrinting, BonusNumbers) {
    struct {
        const char* name;
        int model;
        int bonusMode;
        int tickets;
        std::vector<int> expected;
    } const cases[] = {
        {"successive, model 1", 1, 0, 12, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2}},
        {"successive, model 4", 4, 0, 14, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 1}},
        {"fixed 5", 1, 5, 3, {5, 5, 5}},
        {"fixed 13 on model 4", 4, 13, 2, {13, 13}},
        {"fixed 13 beyond model 1's ten boxes", 1, 13, 2, {1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int boards = c.tickets * ticketLayout(c.model)->boardsPerTicket;
        PrintRun run;
        InternalTicketRequest request;
        request.bonusWanted = true;
        request.bonusMode = c.bonusMode;
        print(run, Path::Internal, boards, c.model, TicketMode::AllAtOnce, {}, request);
        EXPECT_EQ(bonusPerTicket(run, c.model), c.expected);
    }
}

TEST(TicketPrinting, NoBonusMarkOnModelsWithoutBonusRow) {
    for (int model : {2, 3, 5, 6}) {
        PrintRun run;
        InternalTicketRequest request;
        request.bonusWanted = true;
        request.bonusMode = 0;
        print(run, Path::Internal, 10, model, TicketMode::AllAtOnce, {}, request);
        std::size_t marks = 0;
        for (const RecordedPage* page : run.surface.allPages()) marks += page->texts.size() + page->rects.size();
        EXPECT_EQ(marks, 50u) << "model " << model << ": five marks a board and nothing else";
    }
    // Not wanted: no bonus mark on the models that have the row either.
    PrintRun run;
    print(run, Path::Internal, 5, 1, TicketMode::AllAtOnce);
    EXPECT_TRUE(decode(*run.surface.allPages()[0], run.surface, 1).bonus.empty());
}

TEST(TicketPrinting, RandomBonusNumbersAreIndependentAndUniform) {
    // One generator for the run: tickets printed within the same instant do not share a number.
    for (int model : {1, 4}) {
        BonusSequence sequence(model, -1, true, 12345);
        const int count = bonusNumberCount(model);
        const int draws = 13000 * count / 10;
        std::vector<int> seen(count + 1, 0);
        int repeats = 0;
        int last = 0;
        for (int k = 0; k < draws; ++k) {
            const int b = sequence.next();
            ASSERT_GE(b, 1);
            ASSERT_LE(b, count);
            ++seen[b];
            repeats += b == last;
            last = b;
        }
        const double expected = double(draws) / count;
        for (int b = 1; b <= count; ++b)
            EXPECT_NEAR(seen[b], expected, 0.1 * expected) << "model " << model << " bonus " << b;
        EXPECT_NEAR(repeats, expected, 0.1 * expected) << "a repeat as often as any one number";
    }

    auto runWithSeed = [](std::uint32_t seed) {
        PrintRun run;
        InternalTicketRequest request;
        request.bonusWanted = true;
        request.bonusMode = -1;
        request.bonusSeed = seed;
        print(run, Path::Internal, 100, 1, TicketMode::AllAtOnce, {}, request);
        return bonusPerTicket(run, 1);
    };
    const std::vector<int> numbers = runWithSeed(7);
    ASSERT_EQ(numbers.size(), 20u);
    EXPECT_EQ(runWithSeed(7), numbers);
    EXPECT_GT(std::set<int>(numbers.begin(), numbers.end()).size(), 3u);

    EXPECT_FALSE(BonusSequence(2, -1, true, 1).applies());
    EXPECT_FALSE(BonusSequence(1, -1, false, 1).applies());
    EXPECT_TRUE(BonusSequence(4, 0, true, 1).applies());
}

// --- positions ---------------------------------------------------------------------------------

TEST(TicketPrinting, OffsetsMoveEveryMarkExactly) {
    for (Path path : {Path::Internal, Path::External}) {
        PrintRun plain;
        PrintRun moved;
        InternalTicketRequest request;
        request.bonusWanted = true;
        request.bonusMode = 0;
        print(plain, path, 12, 1, TicketMode::AllAtOnce, {}, request);
        print(moved, path, 12, 1, TicketMode::AllAtOnce, {}, request, {5, 0});
        const auto a = plain.surface.allPages();
        const auto b = moved.surface.allPages();
        ASSERT_EQ(a.size(), b.size());
        // Every column a mark can take on model 1, device x to centimetres.
        std::map<int, double> columns;
        for (int c = 0; c < 17; ++c) columns[toDevice(plain.surface, Axis::X, 2.2 + c * 0.4, {})] = 2.2 + c * 0.4;
        for (int b = 0; b < 10; ++b) columns[toDevice(plain.surface, Axis::X, 5.0 + b * 0.4, {})] = 5.0 + b * 0.4;
        std::size_t marks = 0;
        for (std::size_t p = 0; p < a.size(); ++p) {
            ASSERT_EQ(a[p]->texts.size(), b[p]->texts.size());
            for (std::size_t k = 0; k < a[p]->texts.size(); ++k) {
                ASSERT_EQ(columns.count(a[p]->texts[k].x), 1u);
                const double cm = columns[a[p]->texts[k].x];
                EXPECT_EQ(b[p]->texts[k].x, int(std::nearbyint((cm + 0.5) / 2.54 * 600))) << cm;
                EXPECT_EQ(b[p]->texts[k].y, a[p]->texts[k].y);
                ++marks;
            }
        }
        EXPECT_EQ(marks, path == Path::Internal ? 63u : 60u);
        // Read back through the moved offsets, every mark still lands on its box.
        EXPECT_EQ(decode(*b[0], moved.surface, 1, {5, 0}).boards, expectedBoards(1, 5));
    }
}

TEST(TicketPrinting, MarkShapesAreTheSameOnBothPaths) {
    // Models 3 and 6 draw squares and model 5 bars, from wheel files as from built-in wheels.
    const std::pair<int, std::pair<int, int>> models[] = {{3, {69, 34}}, {5, {83, 24}}, {6, {69, 34}}};
    for (const auto& [model, size] : models) {
        SCOPED_TRACE(::testing::Message() << "model " << model);
        const int boards = ticketLayout(model)->boardsPerTicket;
        PrintRun internal;
        PrintRun external;
        print(internal, Path::Internal, boards, model, TicketMode::AllAtOnce);
        print(external, Path::External, boards, model, TicketMode::AllAtOnce);
        const auto& a = internal.surface.jobs.at(0).pages.at(0);
        const auto& b = external.surface.jobs.at(0).pages.at(0);
        ASSERT_EQ(a.rects.size(), std::size_t(5 * boards));
        ASSERT_EQ(b.rects.size(), a.rects.size());
        for (std::size_t k = 0; k < a.rects.size(); ++k) {
            EXPECT_EQ(a.rects[k].x1, b.rects[k].x1);
            EXPECT_EQ(a.rects[k].y1, b.rects[k].y1);
            EXPECT_EQ(a.rects[k].x2 - a.rects[k].x1, size.first);
            EXPECT_EQ(a.rects[k].y2 - a.rects[k].y1, size.second);
            EXPECT_EQ(b.rects[k].x2, a.rects[k].x2);
            EXPECT_EQ(b.rects[k].y2, a.rects[k].y2);
        }
        if (model != 5) {  // model 5's boxes are too close together to be read back one by one
            EXPECT_EQ(decode(b, external.surface, model).boards, expectedBoards(1, boards));
        }
    }
}

TEST(TicketPrinting, BoardNumbersBesideTheirOwnBoards) {
    for (int model : {1, 4}) {
        PrintRun run;
        InternalTicketRequest request;
        request.boardNumbersWanted = true;
        const int perTicket = ticketLayout(model)->boardsPerTicket;
        print(run, Path::Internal, perTicket + 2, model, TicketMode::AllAtOnce, {}, request);
        const auto pages = run.surface.allPages();
        ASSERT_EQ(pages.size(), 2u);
        for (std::size_t p = 0; p < 2; ++p) {
            std::vector<test::TextItem> numbers;
            for (const auto& t : pages[p]->texts)
                if (t.text != "X") numbers.push_back(t);
            ASSERT_EQ(numbers.size(), p == 0 ? std::size_t(perTicket) : 2u);
            for (std::size_t k = 0; k < numbers.size(); ++k) {
                const int slot = int(k) + 1;
                const CmPoint at = *boardNumberPosition(model, slot);
                EXPECT_EQ(numbers[k].text, std::to_string(int(p) * perTicket + slot));
                EXPECT_EQ(numbers[k].x, toDevice(run.surface, Axis::X, at.x, {}));
                EXPECT_EQ(numbers[k].y, toDevice(run.surface, Axis::Y, at.y, {}));
                EXPECT_EQ(numbers[k].font, (FontSpec{"Fixedsys", 9, true}));
            }
        }
    }
}

TEST(TicketPrinting, BuiltInWheelOverTheTickedNumbers) {
    AppState state;
    for (int n : {3, 11, 17, 25, 38, 44}) state.selection[n] = kSelected;
    state.parameters.horizontalOffset = 2;
    RecordingSurface surface;
    InternalTicketRequest request;
    request.last = 5;
    const PrintResult result = printInternalTickets(surface, state, state, 1, request);
    EXPECT_EQ(result.status(), Status::Printed);
    ASSERT_EQ(surface.allPages().size(), 1u);
    const Decoded d = decode(*surface.allPages()[0], surface, 1, {2, 0});
    const std::map<int, std::vector<int>> expected{{1, {3, 11, 17, 25, 44}},
                                                   {2, {3, 11, 17, 38, 44}},
                                                   {3, {3, 11, 25, 38, 44}},
                                                   {4, {3, 17, 25, 38, 44}},
                                                   {5, {11, 17, 25, 38, 44}}};
    EXPECT_EQ(d.boards, expected);
    EXPECT_EQ(
        state.boardMask[11] + state.boardMask[17] + state.boardMask[25] + state.boardMask[38] + state.boardMask[44], 5)
        << "the mask holds the last board";
    EXPECT_EQ(state.expansion.currentBoard, 1);
}

// --- wheel files -------------------------------------------------------------------------------

TEST(ExternalTickets, FieldsReplacementAndGridB) {
    ScratchDir dir;
    ExternalWheel wheel = wheelOf(dir.file("wheel.csv",
                                              "header line\r\n"
                                              "n1;n2;n3;n4;n5;b1;b2\r\n"
                                              "3;17;22;31;45;2;9\r\n"
                                              "\r\n"
                                              " 4 ;x;0;51;-3;10;50;7\n"
                                              "1;2;;5;;\n"
                                              "6;7;8;9;10"));
    wheel.separator = ";x";  // only the first character counts
    wheel.linesToSkip = 2;
    wheel.map[3] = 33;  // the player plays 33 for the wheel's 3
    wheel.map[4] = 0;   // a replacement to 0 has no box
    RecordingSurface surface;
    const PrintResult result = printExternalTickets(surface, wheel, TicketMode::AllAtOnce, 1, {});
    EXPECT_EQ(result.status(), Status::Printed);
    EXPECT_EQ(result.pass.count, 4);
    const Decoded d = decode(surface.jobs.at(0).pages.at(0), surface, 1);
    const std::map<int, std::vector<int>> expected{
        {1, {17, 22, 31, 33, 45}},  // grid B fields 2 and 9 mark nothing
        {3, {1, 2, 5}},             // empty fields give no number
        {4, {6, 7, 8, 9, 10}},
    };
    // Slot 2 (" 4 ", "x", "0", "51", "-3", then grid B 10 and 50) marks nothing at all: no 50.
    EXPECT_EQ(d.boards, expected);
    EXPECT_TRUE(d.other.empty());
}

TEST(ExternalTickets, ProgressAndEventsForEveryBoard) {
    ScratchDir dir;
    std::vector<std::int64_t> progress;
    int events = 0;
    TicketHooks hooks;
    hooks.progress = [&](std::int64_t j) {
        progress.push_back(j);
        return true;
    };
    hooks.processEvents = [&] { ++events; };
    RecordingSurface surface;
    printExternalTickets(surface, wheelOf(dir.file("w.txt", wheelFileText(7))), TicketMode::AllAtOnce, 1, {}, hooks);
    EXPECT_EQ(progress, (std::vector<std::int64_t>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(events, 7);
}

TEST(ExternalTickets, NothingInTheFileStartsNoJob) {
    ScratchDir dir;
    for (const std::string& text : {std::string(""), std::string("\r\n  \r\n"), std::string("header\r\n")}) {
        ExternalWheel wheel = wheelOf(dir.file("w.txt", text));
        wheel.linesToSkip = 1;
        RecordingSurface surface;
        EXPECT_EQ(printExternalTickets(surface, wheel, TicketMode::AllAtOnce, 1, {}).status(), Status::NothingToPrint);
        EXPECT_TRUE(surface.log.empty());
    }
}

TEST(ExternalTickets, FailuresAreReportedAndDropTheJob) {
    ScratchDir dir;
    const std::string file = dir.file("w.txt", wheelFileText(12));
    struct {
        const char* name;
        std::string fileName;
        int throwOnNewPage;
        bool refuseBegin;
        std::vector<std::string> log;
    } const cases[] = {
        {"missing file", (dir / "none.txt").string(), 0, false, {}},
        {"no file chosen", "", 0, false, {}},
        {"printer refuses the job", file, 0, true, {"begin"}},
        {"printer fails on the second ticket", file, 1, false, {"begin", "page", "abort"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSurface surface;
        surface.throwOnNewPage = c.throwOnNewPage;
        surface.refuseBegin = c.refuseBegin;
        std::vector<std::string> errors;
        TicketHooks hooks;
        hooks.reportError = [&](const std::string& procedure) { errors.push_back(procedure); };
        const PrintResult result =
            printExternalTickets(surface, wheelOf(c.fileName), TicketMode::AllAtOnce, 1, {}, hooks);
        EXPECT_EQ(result.status(), Status::Failed);
        EXPECT_FALSE(result.pass.error.empty());
        EXPECT_EQ(errors, std::vector<std::string>{"Pimprimebulletinfichier"});
        EXPECT_EQ(surface.log, c.log);
        for (const auto& job : surface.jobs) EXPECT_FALSE(job.ended);
    }
}

TEST(ExternalTickets, ANumberThatCannotBeMarkedDoesNotStopTheRun) {
    ScratchDir dir;
    RecordingSurface surface;
    surface.throwOnText = 3;
    std::vector<std::string> errors;
    TicketHooks hooks;
    hooks.reportError = [&](const std::string& procedure) { errors.push_back(procedure); };
    const PrintResult result = printExternalTickets(surface, wheelOf(dir.file("w.txt", wheelFileText(2))),
                                                    TicketMode::AllAtOnce, 1, {}, hooks);
    EXPECT_EQ(result.status(), Status::Printed);
    EXPECT_EQ(errors, std::vector<std::string>{"pcochenumerosurgrille"});
    EXPECT_EQ(surface.jobs.at(0).pages.at(0).texts.size(), 9u);
    EXPECT_TRUE(surface.jobs.at(0).ended);
}

TEST(ExternalTickets, UnknownModelPrintsNothing) {
    ScratchDir dir;
    for (int model : {0, 7}) {
        RecordingSurface surface;
        EXPECT_EQ(printExternalTickets(surface, wheelOf(dir.file("w.txt", wheelFileText(2))), TicketMode::AllAtOnce,
                                       model, {})
                      .status(),
                  Status::NothingToPrint);
        EXPECT_TRUE(surface.log.empty());
    }
}

}  // namespace
}  // namespace norvex5
