#include "output/listprinting.h"

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include <gtest/gtest.h>

#include "core/appstate.h"
#include "recordingsurface.h"

namespace norvex5 {
namespace {

using test::RecordingSurface;
using Status = PrintResult::Status;

// The recording surface measures a character as wide as the point size and a line as twice the
// point size plus 4: "LISTE" in 24 points is 52 high, a body line height h is 24 + 10 = 34, and
// "W" is 10 wide. On a page 1000 high a page is full once y passes 1000 - 3 * 34 = 898.
constexpr int kH = 34;

ListProducer numberedLines(int count, bool failAtEnd = false) {
    return [count, failAtEnd](const LineSink& sink) {
        PassResult run;
        for (int i = 1; i <= count; ++i) {
            sink("line " + std::to_string(i));
            ++run.count;
        }
        if (failAtEnd) run.fail("read error");
        return run;
    };
}

// y of every body line, page by page.
std::vector<std::vector<int>> bodyLines(const RecordingSurface& surface) {
    std::vector<std::vector<int>> pages;
    for (const auto* page : surface.allPages()) {
        pages.emplace_back();
        for (const auto& t : page->texts)
            if (t.text.rfind("line ", 0) == 0 || t.font.pointSize == 10) pages.back().push_back(t.y);
    }
    return pages;
}

std::vector<int> steps(int first, int step, int count) {
    std::vector<int> ys;
    for (int k = 0; k < count; ++k) ys.push_back(first + k * step);
    return ys;
}

TEST(ListPrinting, PageBreaks) {
    struct {
        const char* name;
        PrintedListStyle style;
        int lines;
        std::vector<std::vector<int>> expected;
    } const cases[] = {
        // The first line sits two line heights under the title: 50 + 52 + 2 h = 170.
        {"internal, one page exactly full", kInternalListStyle, 11, {steps(170, 2 * kH, 11)}},
        {"internal, a line more", kInternalListStyle, 12, {steps(170, 2 * kH, 11), {4 * kH}}},
        {"internal, two full pages", kInternalListStyle, 23, {steps(170, 2 * kH, 11), steps(4 * kH, 2 * kH, 12)}},
        {"external, one page exactly full", kExternalListStyle, 22, {steps(170, kH, 22)}},
        {"external, three pages",
         kExternalListStyle,
         50,
         {steps(170, kH, 22), steps(4 * kH, kH, 23), steps(4 * kH, kH, 5)}},
        {"no line at all", kInternalListStyle, 0, {{}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSurface surface;
        surface.page = {1000, 1000};
        const PrintResult result = printBoardList(surface, c.style, "TITLE", numberedLines(c.lines));
        EXPECT_EQ(result.status(), Status::Printed);
        EXPECT_EQ(result.pass.count, c.lines);
        EXPECT_EQ(bodyLines(surface), c.expected);
        ASSERT_EQ(surface.jobs.size(), 1u);
        EXPECT_TRUE(surface.jobs[0].ended);
        // The rule heads every page after the first of the external list, and nothing else's.
        const auto pages = surface.allPages();
        for (std::size_t p = 0; p < pages.size(); ++p) {
            if (p == 0 || !c.style.ruleOnNewPage) {
                EXPECT_TRUE(pages[p]->lines.empty()) << "page " << p + 1;
                continue;
            }
            ASSERT_EQ(pages[p]->lines.size(), 1u);
            const test::LineItem& rule = pages[p]->lines[0];
            EXPECT_EQ(rule.x1, 10);
            EXPECT_EQ(rule.y1, 4 * kH - 10);
            EXPECT_EQ(rule.x2, 56 * 10 + 10);
            EXPECT_EQ(rule.y2, 4 * kH - 10);
            EXPECT_EQ(rule.penWidth, 10);
        }
    }
}

TEST(ListPrinting, TitleOnTheFirstPageOnly) {
    struct {
        const char* name;
        PrintedListStyle style;
        std::string title;
        int pageWidth;
        int x;
    } const cases[] = {
        {"internal: centred on itself", kInternalListStyle, "ABCDE", 1000, (1000 - 5 * 24) / 2},
        // The external list centres on the French title whatever the language.
        {"external", kExternalListStyle, "TICKETS  LIST", 1000, (1000 - 19 * 24) / 2},
        {"wider than the page: rounded toward zero", kInternalListStyle, "ABCDE", 101, -9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSurface surface;
        surface.page = {c.pageWidth, 1000};
        printBoardList(surface, c.style, c.title, numberedLines(60));
        const auto pages = surface.allPages();
        ASSERT_GT(pages.size(), 1u);
        const test::TextItem& title = pages[0]->texts.at(0);
        EXPECT_EQ(title.text, c.title);
        EXPECT_EQ(title.x, c.x);
        EXPECT_EQ(title.y, 50);
        EXPECT_EQ(title.font, (FontSpec{"Times New Roman", 24, false}));
        EXPECT_EQ(pages[0]->texts.at(1).font, (FontSpec{"Times New Roman", 10, false}));
        EXPECT_EQ(pages[0]->texts.at(1).x, 10);
        for (std::size_t p = 1; p < pages.size(); ++p)
            for (const auto& t : pages[p]->texts) EXPECT_NE(t.text, c.title);
    }
}

TEST(ListPrinting, AFailedListKeepsWhatWasPrinted) {
    RecordingSurface surface;
    const PrintResult result = printBoardList(surface, kExternalListStyle, "T", numberedLines(3, true));
    EXPECT_EQ(result.status(), Status::Failed);
    EXPECT_EQ(result.pass.error, "read error");
    ASSERT_EQ(surface.jobs.size(), 1u);
    EXPECT_TRUE(surface.jobs[0].ended);
    EXPECT_EQ(surface.jobs[0].pages[0].texts.size(), 4u);

    RecordingSurface refusing;
    refusing.refuseBegin = true;
    EXPECT_EQ(printBoardList(refusing, kExternalListStyle, "T", numberedLines(3)).status(), Status::Failed);
    EXPECT_TRUE(refusing.jobs.empty());
}

// A Cancel drops the list's job as it drops a ticket job: no half list comes out.
TEST(ListPrinting, ACancelledListDropsItsJob) {
    RecordingSurface surface;
    const PrintResult result = printBoardList(surface, kExternalListStyle, "T", [](const LineSink& sink) {
        PassResult run;
        for (int i = 1; i <= 100; ++i) {
            ++run.count;
            if (!sink("line " + std::to_string(i)) || i == 40) {
                run.stopped = true;
                break;
            }
        }
        return run;
    });
    EXPECT_EQ(result.status(), Status::Cancelled);
    EXPECT_EQ(result.pass.count, 40);
    EXPECT_EQ(result.jobs, 0);
    EXPECT_EQ(result.ticketsPrinted, 0);
    ASSERT_EQ(surface.jobs.size(), 1u);
    EXPECT_TRUE(surface.jobs[0].aborted);
    EXPECT_FALSE(surface.jobs[0].ended);
}

TEST(ListPrinting, InternalListOfTheBuiltInWheel) {
    AppState state;
    for (int n : {3, 11, 17, 25, 38, 44}) state.selection[n] = kSelected;
    RecordingSurface surface;
    const PrintResult result =
        printInternalList(surface, state.expansion, state.boardMask, state.selection, 1, state.messageLookup());
    EXPECT_EQ(result.status(), Status::Printed);
    EXPECT_EQ(result.pass.count, 5);
    const auto& texts = surface.jobs.at(0).pages.at(0).texts;
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[0].text, state.message(86));
    EXPECT_EQ(texts[1].text, "Grille :1  A : 3 ,11 ,17 ,25 ,44 B:");
    EXPECT_EQ(texts[5].text, "Grille :5  A : 11 ,17 ,25 ,38 ,44 B:");
    EXPECT_EQ(texts[2].y - texts[1].y, 2 * kH);
}

TEST(ListPrinting, ExternalListOfAWheelFile) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("norvex5-list-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / "wheel.txt";
    std::ofstream(file, std::ios::binary) << "3 17 22 31 45 2 9\r\n1 2 3 4 5\r\n";
    ExternalWheel wheel;
    wheel.fileName = file.string();
    wheel.separator = " ";
    AppState state;
    std::vector<std::string> errors;
    auto report = [&](const std::string& procedure) { errors.push_back(procedure); };

    RecordingSurface surface;
    PrintResult result = printExternalList(surface, wheel, state.messageLookup(), report);
    EXPECT_EQ(result.status(), Status::Printed);
    const auto& texts = surface.jobs.at(0).pages.at(0).texts;
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, state.message(148));
    EXPECT_EQ(texts[1].text, "1 : 3 17 22 31 45 2 9");
    EXPECT_EQ(texts[2].y - texts[1].y, kH);
    EXPECT_TRUE(errors.empty());

    wheel.fileName = (dir / "missing.txt").string();
    RecordingSurface failing;
    result = printExternalList(failing, wheel, state.messageLookup(), report);
    EXPECT_EQ(result.status(), Status::Failed);
    EXPECT_EQ(errors, std::vector<std::string>{"Pimprimelistebulletinfichier"});
    ASSERT_EQ(failing.jobs.size(), 1u);
    EXPECT_TRUE(failing.jobs[0].ended);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace norvex5
