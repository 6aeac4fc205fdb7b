#include "output/listexport.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "output/boardlists.h"
#include "support/scratchfiles.h"
#include "textfiles/textfilereader.h"

namespace norvex5 {
namespace {

using testing::readAll;
using testing::ScratchDir;

TEST(ListExport, WritesCrLfLinesAndReplacesTheOldFile) {
    ScratchDir dir;
    ExternalWheel wheel;
    wheel.fileName = dir.file("w.csv", "n1,n2,n3,n4,n5\n1,2,3,4,5\n\n6,7,8,9,10,1\n");
    wheel.separator = ",";
    wheel.linesToSkip = 1;
    wheel.map[2] = 20;
    const auto target = dir.path() / "out.txt";
    dir.file("out.txt", "an older and much longer export that must disappear\r\n");

    const ExportResult result = exportExternalList(wheel, target);
    EXPECT_EQ(result.status, ExportStatus::Written);
    EXPECT_TRUE(result.pass.ok);
    EXPECT_EQ(result.pass.count, 2);
    EXPECT_EQ(readAll(target), " 1, 20, 3, 4, 5\r\n 6, 7, 8, 9, 10, 1\r\n");

    Expansion expansion;
    SelectionState selection{};
    for (int n : {5, 9, 23, 31, 40, 50, 12}) selection[n] = kSelected;
    BoardMask mask{};
    EXPECT_EQ(exportInternalList(expansion, mask, selection, 2, target).status, ExportStatus::Written);
    // Wheel 2 over 5 9 12 23 31 40 50: positions {1,2,4,6,7} {1,3,4,5,6} {2,3,5,6,7}.
    EXPECT_EQ(readAll(target), " 5 ,9 ,23 ,40 ,50\r\n 5 ,12 ,23 ,31 ,40\r\n 9 ,12 ,31 ,40 ,50\r\n");

    EXPECT_EQ(exportInternalList(expansion, mask, selection, 0, target).status, ExportStatus::Written);
    EXPECT_EQ(readAll(target), "") << "no wheel: an empty export";
}

TEST(ListExport, AFailedReadLeavesTheOldFileWhole) {
    ScratchDir dir;
    const auto target = dir.path() / "out.txt";
    const std::string old = "the export of yesterday\r\n";
    dir.file("out.txt", old);

    ExternalWheel missing;
    missing.fileName = (dir.path() / "missing.txt").string();
    ExportResult result = exportExternalList(missing, target);
    EXPECT_EQ(result.status, ExportStatus::ReadFailed);
    EXPECT_EQ(readAll(target), old);

    // Good boards, then a line the reader refuses as too long (a hole reads as NUL bytes).
    ExternalWheel broken;
    broken.fileName = dir.file("broken.txt", "1 2 3 4 5\n6 7 8 9 10\n");
    const int fd = ::open(broken.fileName.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(TextFileReader::kMaxLineLength + 4096)), 0);
    ::close(fd);
    result = exportExternalList(broken, target);
    EXPECT_EQ(result.status, ExportStatus::ReadFailed);
    EXPECT_FALSE(result.pass.ok);
    EXPECT_EQ(result.pass.count, 2) << "two lines were formed before the failure";
    EXPECT_NE(result.pass.error.find("Read error while reading file"), std::string::npos);
    EXPECT_EQ(readAll(target), old);
    EXPECT_EQ(testing::entries(dir.path()).size(), 2u) << "only the wheel file and the old export: no temporary file";
}

TEST(ListExport, ATargetThatCannotBeCreated) {
    ScratchDir dir;
    ExternalWheel wheel;
    wheel.fileName = dir.file("w.txt", "1 2 3 4 5\n");
    const ExportResult notCreated = exportExternalList(wheel, dir.path() / "no-such-dir" / "out.txt");
    EXPECT_EQ(notCreated.status, ExportStatus::NotCreated);
    EXPECT_FALSE(notCreated.pass.ok);
}

TEST(ListExport, StoppedPartWayLeavesTheOldFileWhole) {
    ScratchDir dir;
    const auto target = dir.path() / "out.txt";
    const std::string old = "the export of yesterday\r\n";
    dir.file("out.txt", old);

    ExternalWheel wheel;
    wheel.fileName = dir.file("w.txt", "1 2 3 4 5\n6 7 8 9 10\n11 12 13 14 15\n");
    std::vector<std::int64_t> asked;
    const auto stopAfterTwo = [&](std::int64_t lines) {
        asked.push_back(lines);
        return lines < 2;
    };
    ExportResult result = exportExternalList(wheel, target, stopAfterTwo);
    EXPECT_EQ(result.status, ExportStatus::Stopped);
    EXPECT_TRUE(result.pass.stopped);
    EXPECT_TRUE(result.pass.ok) << "a stop is no failure";
    EXPECT_EQ(asked, (std::vector<std::int64_t>{3})) << "an external list is asked after each block of lines";
    EXPECT_EQ(readAll(target), old);
    EXPECT_EQ(testing::entries(dir.path()).size(), 2u) << "no temporary file left behind";

    Expansion expansion;
    SelectionState selection{};
    for (int n : {1, 2, 3, 4, 5, 6}) selection[n] = kSelected;
    BoardMask mask{};
    asked.clear();
    EXPECT_EQ(exportInternalList(expansion, mask, selection, 1, target, stopAfterTwo).status, ExportStatus::Stopped);
    EXPECT_EQ(readAll(target), old);

    // Asked after every line and never stopping: the whole list, as without a question.
    asked.clear();
    result = exportInternalList(expansion, mask, selection, 1, target, [&](std::int64_t lines) {
        asked.push_back(lines);
        return true;
    });
    EXPECT_EQ(result.status, ExportStatus::Written);
    EXPECT_EQ(asked, (std::vector<std::int64_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(readAll(target),
              " 1 ,2 ,3 ,4 ,6\r\n 1 ,2 ,3 ,5 ,6\r\n 1 ,2 ,4 ,5 ,6\r\n 1 ,3 ,4 ,5 ,6\r\n 2 ,3 ,4 ,5 ,6\r\n");
}

// The external export forms its lines in large blocks: across many blocks, and with played
// numbers of every width (negative, eleven characters), the file holds exactly the list's lines,
// and the question is asked with the lines written so far, up to all of them.
TEST(ListExport, ExternalBlocksHoldTheListLineForLine) {
    ScratchDir dir;
    std::string bytes = "n1;n2;n3;n4;n5;b1;b2\r\n";
    for (int k = 0; k < 40000; ++k) {
        for (int f = 0; f < 7; ++f) bytes += std::to_string((k * 7 + f * 13) % (f < 5 ? 51 : 10)) + (f < 6 ? ";" : "");
        bytes += k % 1000 == 0 ? " ;x;;123; -4\r\n" : "\r\n";
    }
    ExternalWheel wheel;
    wheel.fileName = dir.file("w.txt", bytes);
    wheel.separator = ";";
    wheel.linesToSkip = 1;
    wheel.map[7] = 42;
    wheel.map[8] = -2147483647 - 1;
    wheel.map[9] = 2147483647;
    wheel.map[10] = -3;
    wheel.map[52] = 1000;

    std::string expected;
    const PassResult lines = forEachExternalListLine(wheel, ListOutput::Export, [&](std::string_view line) {
        expected.append(line);
        expected += "\r\n";
        return true;
    });
    ASSERT_TRUE(lines.ok);
    ASSERT_EQ(lines.count, 40000);
    ASSERT_NE(expected.find(" -2147483648, "), std::string::npos);

    std::vector<std::int64_t> asked;
    const auto target = dir.path() / "out.txt";
    const ExportResult result = exportExternalList(wheel, target, [&](std::int64_t written) {
        asked.push_back(written);
        return true;
    });
    EXPECT_EQ(result.status, ExportStatus::Written);
    EXPECT_EQ(result.pass.count, 40000);
    EXPECT_TRUE(readAll(target) == expected) << "the export differs from the list's lines";
    ASSERT_GT(asked.size(), 1u);
    EXPECT_TRUE(std::is_sorted(asked.begin(), asked.end()));
    EXPECT_EQ(asked.back(), 40000);
}

}  // namespace
}  // namespace norvex5
