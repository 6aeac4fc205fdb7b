#include <gtest/gtest.h>

#include "externalwheels/externalwheel.h"
#include "support/scratchfiles.h"
#include "support/wheelfiles.h"

namespace norvex5 {
namespace {

using testing::ScratchDir;

std::vector<std::string> row(const PreviewResult& result, std::size_t k) {
    const PreviewRow& r = result.rows.at(k);
    return {r.cells.begin() + 1, r.cells.end()};
}

using testing::wheelOf;

TEST(Preview, ShowsTheFirstTwentyBoards) {
    ScratchDir dir;
    std::string bytes;
    for (int k = 1; k <= 30; ++k) bytes += std::to_string(k) + ";2;3;4;5\n";
    const ExternalWheel wheel = wheelOf(dir.file("w.txt", bytes), ";");
    for (PreviewMode mode : {PreviewMode::Raw, PreviewMode::Replaced}) {
        const PreviewResult result = previewRows(wheel, mode);
        EXPECT_TRUE(result.pass.ok);
        ASSERT_EQ(result.rows.size(), 20u);
        EXPECT_EQ(result.rows.front().number, 1);
        EXPECT_EQ(result.rows.back().number, 20);
        EXPECT_EQ(row(result, 19), (std::vector<std::string>{"20", "2", "3", "4", "5"}));
    }
}

TEST(Preview, SkipsHeaderLinesButNotBlankOnes) {
    ScratchDir dir;
    const ExternalWheel wheel = wheelOf(dir.file("w.txt", "\nheader one\nheader two\n1 2 3 4 5\n6 7 8 9 10\n"), "", 2);
    const PreviewResult result = previewRows(wheel, PreviewMode::Raw);
    ASSERT_EQ(result.rows.size(), 2u);
    EXPECT_EQ(row(result, 0), (std::vector<std::string>{"1", "2", "3", "4", "5"}));

    ExternalWheel negative = wheel;
    negative.linesToSkip = -4;
    EXPECT_EQ(previewRows(negative, PreviewMode::Raw).rows.size(), 4u) << "negative skips count as 0";
    ExternalWheel all = wheel;
    all.linesToSkip = INT32_MAX;
    EXPECT_TRUE(previewRows(all, PreviewMode::Raw).rows.empty());
}

TEST(Preview, RawShowsFieldsReplacedTrimsAndMaps) {
    struct Case {
        std::string separator;
        std::string line;
        std::vector<std::string> raw;
        std::vector<std::string> replaced;
    };
    const Case cases[] = {
        {",", "1, 2,3,4,5", {"1", " 2", "3", "4", "5"}, {"1", "2", "44", "4", "5"}},
        {";", "A;B;C", {"A", "B", "C", "", ""}, {"A", "B", "C", "", ""}},
        {";", " 3 ;0;51;-0;x y", {" 3 ", "0", "51", "-0", "x y"}, {"44", "0", "51", "-0", "x y"}},
        {";",
         "\xe9t\xe9;\xc3\xa9;7",
         {"\xc3\xa9t\xc3\xa9", "\xc3\xa9", "7", "", ""},
         {"\xc3\xa9t\xc3\xa9", "\xc3\xa9", "7", "", ""}},
        {"", "3 9  12", {"3", "9", "", "12", ""}, {"44", "9", "", "12", ""}},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        ExternalWheel wheel = wheelOf(dir.file("w.txt", c.line + "\r\n"), c.separator);
        wheel.map[3] = 44;
        EXPECT_EQ(row(previewRows(wheel, PreviewMode::Raw), 0), c.raw) << c.line;
        EXPECT_EQ(row(previewRows(wheel, PreviewMode::Replaced), 0), c.replaced) << c.line;
    }
}

TEST(Preview, NoFileChosenFails) {
    const PreviewResult result = previewRows(wheelOf("", ";"), PreviewMode::Raw);
    EXPECT_FALSE(result.pass.ok);
    EXPECT_TRUE(result.rows.empty());
}

TEST(Preview, ValuesOfTheFirstPage) {
    EXPECT_EQ(wheelOf("", "").separatorChar(), ' ');
    EXPECT_EQ(wheelOf("", ";").separatorChar(), ';');
    EXPECT_EQ(linesToSkipFromText("3"), 3);
    EXPECT_EQ(linesToSkipFromText("abc"), 0);
    EXPECT_EQ(linesToSkipFromText(""), 0);
}

}  // namespace
}  // namespace norvex5
