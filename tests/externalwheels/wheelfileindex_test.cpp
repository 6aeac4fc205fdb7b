#include <gtest/gtest.h>

#include <filesystem>

#include "externalwheels/wheelfileindex.h"
#include "support/scratchfiles.h"
#include "support/wheelfiles.h"
#include "textfiles/textfilereader.h"

namespace norvex5 {
namespace {

using testing::ScratchDir;

using testing::wheelOf;

std::vector<std::string> cells(const PreviewRow& row) { return {row.cells.begin() + 1, row.cells.end()}; }

// Every row of the index against the preview the text file reader gives for the same wheel.
void expectSameAsThePreview(const ExternalWheel& wheel, PreviewMode mode) {
    PassResult pass;
    const auto index = WheelFileIndex::build(wheel, pass);
    ASSERT_TRUE(pass.ok) << pass.error;
    const PreviewResult preview = previewRows(wheel, mode, 1 << 20);
    ASSERT_TRUE(preview.pass.ok);
    ASSERT_EQ(index->boardCount(), static_cast<std::int64_t>(preview.rows.size())) << wheel.fileName;
    EXPECT_EQ(pass.count, index->boardCount());
    for (std::size_t k = 0; k < preview.rows.size(); ++k) {
        const PreviewRow row = index->row(static_cast<std::int64_t>(k), mode);
        EXPECT_EQ(row.number, preview.rows[k].number);
        EXPECT_EQ(cells(row), cells(preview.rows[k])) << wheel.fileName << " board " << k + 1;
    }
}

TEST(WheelFileIndex, ReadsTheBoardsTheReaderReads) {
    ScratchDir dir;
    ExternalWheel wheel = wheelOf(dir.file("tricky.txt",
                                           " \t\r\n\r\ntitle\r\nsecond title\n\n1;2;3;4;5\r\n"
                                           "\r\r\n1; 2;3;4;5;6;7\n  \n a;b\rc;;9\n1;2;3;4;50"),
                                  ";", 2);
    wheel.map[2] = 44;
    expectSameAsThePreview(wheel, PreviewMode::Replaced);
    expectSameAsThePreview(wheel, PreviewMode::Raw);

    // A Ctrl-Z ends the file; more header lines than lines leave no board.
    expectSameAsThePreview(wheelOf(dir.file("dos.txt",
                                            "1 2 3 4 5\r\n6 7 8 9 10\r\n\x1a"
                                            "11 12 13 14 15\r\n"),
                                   " "),
                           PreviewMode::Raw);
    expectSameAsThePreview(wheelOf(dir.file("short.txt", "a\nb\n"), " ", 5), PreviewMode::Raw);
    expectSameAsThePreview(wheelOf(dir.file("empty.txt", ""), " "), PreviewMode::Raw);

    for (const auto& entry : std::filesystem::directory_iterator(std::string(NORVEX5_TEST_DATA) + "/wheels")) {
        if (entry.path().extension() == ".md") continue;
        expectSameAsThePreview(wheelOf(entry.path().string(), " "), PreviewMode::Replaced);
        expectSameAsThePreview(wheelOf(entry.path().string(), ",", 1), PreviewMode::Raw);
    }
}

TEST(WheelFileIndex, ManyBoardsAndTheirRowsOnCall) {
    ScratchDir dir;
    std::string bytes = "n1,n2,n3,n4,n5\n";
    constexpr int kBoards = 100000;
    for (int k = 0; k < kBoards; ++k) bytes += std::to_string(k % 50 + 1) + ",2,3,4," + std::to_string(k) + "\n";
    ExternalWheel wheel = wheelOf(dir.file("many.csv", bytes), ",", 1);
    wheel.map[1] = 49;
    PassResult pass;
    std::int64_t asked = 0;
    const auto index = WheelFileIndex::build(wheel, pass, [&](std::int64_t) { return ++asked > 0; });
    ASSERT_TRUE(pass.ok);
    EXPECT_EQ(index->boardCount(), kBoards);
    EXPECT_GT(asked, 0);
    const PreviewRow last = index->row(kBoards - 1, PreviewMode::Replaced);
    EXPECT_EQ(last.number, kBoards);
    EXPECT_EQ(cells(last), (std::vector<std::string>{"50", "2", "3", "4", "99999"}));
    EXPECT_EQ(index->row(0, PreviewMode::Replaced).cells[1], "49");
    // Rows outside the file are empty, not a failure.
    EXPECT_EQ(cells(index->row(kBoards, PreviewMode::Raw)), std::vector<std::string>(5));

    // Stopped part-way: what was found so far, and the pass says it stopped.
    const auto stopped = WheelFileIndex::build(wheel, pass, [](std::int64_t boards) { return boards < 20000; });
    EXPECT_TRUE(pass.ok);
    EXPECT_TRUE(pass.stopped);
    EXPECT_LT(stopped->boardCount(), kBoards);
    EXPECT_GE(stopped->boardCount(), 20000);

    // The file goes away after indexing: its rows are still there to read.
    const auto kept = WheelFileIndex::build(wheel, pass);
    std::filesystem::remove(wheel.fileName);
    EXPECT_EQ(cells(kept->row(7, PreviewMode::Raw)), (std::vector<std::string>{"8", "2", "3", "4", "7"}));
}

TEST(WheelFileIndex, FailuresSayWhatTheReaderSays) {
    ScratchDir dir;
    PassResult pass;
    WheelFileIndex::build(wheelOf((dir.path() / "missing.txt").string(), ";"), pass);
    EXPECT_FALSE(pass.ok);
    EXPECT_NE(pass.error.find("Could not open the file"), std::string::npos);
    WheelFileIndex::build(wheelOf("/dev/null", ";"), pass);
    EXPECT_FALSE(pass.ok);
    EXPECT_NE(pass.error.find("Could not open the file"), std::string::npos);
    WheelFileIndex::build(wheelOf("", ";"), pass);
    EXPECT_FALSE(pass.ok);
    const std::string lines = "1;2;3;4;5\n" + std::string(TextFileReader::kMaxLineLength + 1, '1') + "\n";
    const auto index = WheelFileIndex::build(wheelOf(dir.file("long.txt", lines), ";"), pass);
    EXPECT_FALSE(pass.ok);
    EXPECT_EQ(index->boardCount(), 1);
}

}  // namespace
}  // namespace norvex5
