#include "output/boardlists.h"

#include <gtest/gtest.h>

#include "support/boardmasks.h"
#include "support/scratchfiles.h"

namespace norvex5 {
namespace {

using testing::ScratchDir;

using testing::maskOf;

TEST(InternalList, LinesOfOneBoard) {
    struct Case {
        std::int64_t board;
        BoardMask mask;
        const char* window;
        const char* printed;
        const char* exported;
    };
    const Case cases[] = {
        {7, maskOf({3, 12, 25, 33, 41}), " 007:-03-12-25-33-41",
         "Grille :7  A : 3 ,12 ,25 ,33 ,41 B:", " 3 ,12 ,25 ,33 ,41"},
        {1, maskOf({5, 50}), " 001:-05-50", "Grille :1  A : 5 ,50 B:", " 5 ,50"},
        {9, maskOf({1}), " 009:-01", "Grille :9  A : 1 B:", " 1"},
        {10, maskOf({}), " 010:", "Grille :10  A : B:", ""},
        {99, maskOf({10, 20}), " 099:-10-20", "Grille :99  A : 10 ,20 B:", " 10 ,20"},
        {100, maskOf({2, 51, 53}), " 100:-02", "Grille :100  A : 2 B: 1 ,3", " 2 ,1 ,3"},
        {1234, maskOf({49, 59}), " 1234:-49", "Grille :1234  A : 49 B: 9", " 49 ,9"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(listWindowLine(c.board, c.mask), c.window);
        EXPECT_EQ(internalPrintedLine(c.board, c.mask, "Grille"), c.printed);
        EXPECT_EQ(internalExportLine(c.mask), c.exported);
    }
}

struct InternalRun {
    Expansion expansion;
    BoardMask mask{};
    SelectionState selection{};
    InternalRun() {
        for (int n : {3, 11, 17, 25, 38, 44}) selection[n] = kSelected;
    }
    std::vector<std::string> lines(int wheel, ListOutput output) {
        std::vector<std::string> out;
        forEachInternalListLine(
            expansion, mask, selection, wheel, output,
            [](int n) { return n == 34 ? std::string("Board") : std::string("?"); },
            [&](std::string_view line) {
                out.emplace_back(line);
                return true;
            });
        return out;
    }
};

TEST(InternalList, WalksEveryBoardOfTheWheel) {
    InternalRun run;
    // Wheel 1: positions {1,2,3,4,6} {1,2,3,5,6} {1,2,4,5,6} {1,3,4,5,6} {2,3,4,5,6}.
    EXPECT_EQ(run.lines(1, ListOutput::Export),
              (std::vector<std::string>{" 3 ,11 ,17 ,25 ,44", " 3 ,11 ,17 ,38 ,44", " 3 ,11 ,25 ,38 ,44",
                                        " 3 ,17 ,25 ,38 ,44", " 11 ,17 ,25 ,38 ,44"}));
    EXPECT_EQ(run.lines(1, ListOutput::Print).back(), "Board :5  A : 11 ,17 ,25 ,38 ,44 B:");
    EXPECT_EQ(run.mask, maskOf({11, 17, 25, 38, 44})) << "the mask holds the last board";
    EXPECT_EQ(run.expansion.currentBoard, 1);

    std::vector<std::string> window;
    forEachListWindowLine(run.expansion, run.mask, run.selection, 1, [&](std::string_view line) {
        window.emplace_back(line);
        return window.size() < 2;
    });
    EXPECT_EQ(window, (std::vector<std::string>{" 001:-03-11-17-25-44", " 002:-03-11-17-38-44"}))
        << "a sink returning false stops the walk";

    for (int wheel : {-1, 0, 9, 300}) EXPECT_TRUE(run.lines(wheel, ListOutput::Print).empty());
}

TEST(ExternalList, LinesOfEachFileLine) {
    struct Case {
        std::string line;
        const char* printed;
        const char* exported;
    };
    const Case cases[] = {
        {"3;17;22;31;45;2;9", "1 : 3 17 22 31 45 2 9", " 3, 17, 22, 31, 45, 2, 9"},
        {"3;;22;x;45;", "1 : 3 22 45", " 3, 22, 45"},
        {"0;51;-4;100;7;0;60", "1 : 0 51 -4 100 7 0 60", " 0, 51, -4, 100, 7, 0, 60"},
        {" 1 ; 2;3 ;4;5; 1 ;10;8", "1 : 11 2 3 4 5 4 0", " 11, 2, 3, 4, 5, 4, 0"},
        {"+5;-0;  7;7 ;99999999999;0x10;2", "1 : 5 0 7 7 2", " 5, 0, 7, 7, 2"},
        {"a;b", "1 :", ""},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        ExternalWheel wheel;
        wheel.fileName = dir.file("w.txt", "header\n" + c.line + "\n");
        wheel.separator = ";";
        wheel.linesToSkip = 1;
        wheel.map[1] = 11;
        wheel.map[51] = 4;
        for (const ListOutput output : {ListOutput::Print, ListOutput::Export}) {
            std::vector<std::string> lines;
            const PassResult run = forEachExternalListLine(wheel, output, [&](std::string_view line) {
                lines.emplace_back(line);
                return true;
            });
            EXPECT_TRUE(run.ok);
            EXPECT_EQ(run.count, 1);
            ASSERT_EQ(lines.size(), 1u);
            EXPECT_EQ(lines[0], output == ListOutput::Print ? c.printed : c.exported) << c.line;
        }
    }
}

TEST(ExternalList, NumbersEveryBoard) {
    ScratchDir dir;
    ExternalWheel wheel;
    std::string bytes;
    for (int k = 1; k <= 30; ++k) bytes += "\n1 2 3 4 5\n";
    wheel.fileName = dir.file("w.txt", bytes);
    std::string last;
    const PassResult run = forEachExternalListLine(wheel, ListOutput::Print, [&](std::string_view line) {
        last = line;
        return true;
    });
    EXPECT_TRUE(run.ok);
    EXPECT_EQ(run.count, 30);
    EXPECT_EQ(last, "30 : 1 2 3 4 5");
}

}  // namespace
}  // namespace norvex5
