#include "periphery/weblinks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>

namespace norvex5 {
namespace {

namespace fs = std::filesystem;

TEST(WebLinks, ViewerIsTheTextBetweenTheFirstTwoQuotes) {
    EXPECT_EQ(viewerFromCommandLine(R"("C:\Program Files\Viewer\viewer.exe" -nohome "%1")"),
              R"(C:\Program Files\Viewer\viewer.exe)");
    EXPECT_EQ(viewerFromCommandLine(R"(start "C:\v.exe")"), R"(C:\v.exe)");
    EXPECT_EQ(viewerFromCommandLine(R"("" "C:\v.exe")"), "");
    // Without two double quotes there is no program to start.
    EXPECT_EQ(viewerFromCommandLine(R"(C:\viewer.exe %1)"), "");
    EXPECT_EQ(viewerFromCommandLine(R"("C:\viewer.exe %1)"), "");
    EXPECT_EQ(viewerFromCommandLine(""), "");
}

TEST(WebLinks, ResultsPageOfEachLotterysOperator) {
    // Every game type the user can choose opens a page of its own, on the operator's site.
    std::set<std::string> pages;
    for (const int code : {1, 4, 6, 7, 8}) {
        const std::string page = resultsPageAddress(code);
        EXPECT_TRUE(page.starts_with("https://")) << code << " " << page;
        pages.insert(page);
    }
    EXPECT_EQ(pages.size(), 5u);
    EXPECT_NE(resultsPageAddress(1).find("fdj.fr"), std::string::npos);
    EXPECT_NE(resultsPageAddress(4).find("jogossantacasa.pt"), std::string::npos);
    // An old setting of 0 is the first game type; a code no lottery has opens nothing.
    EXPECT_EQ(resultsPageAddress(0), resultsPageAddress(1));
    EXPECT_EQ(resultsPageAddress(99), "");
}

TEST(WebLinks, HelpPageInEveryLanguageElseEnglish) {
    const char* const pages[] = {"norvex5-fr.html", "norvex5-en.html", "norvex5-pt.html", "norvex5-es.html",
                                 "norvex5-it.html", "norvex5-hr.html", "norvex5-de.html"};
    for (LanguageCode language = 1; language <= kLanguageCount; ++language)
        EXPECT_EQ(helpPageName(language), pages[language - 1]) << language;
    for (LanguageCode language : {0, 8, -1}) EXPECT_EQ(helpPageName(language), "norvex5-en.html") << language;
}

class CompanionTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("norvex5-companion-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    void touch(const char* name) { std::ofstream(dir / name) << "x"; }
    fs::path dir;
};

TEST_F(CompanionTest, ProgramBeforePageBeforeNothing) {
    EXPECT_EQ(findCompanion(dir).kind, Companion::Kind::None);
    touch(kCompanionPage);
    Companion found = findCompanion(dir);
    EXPECT_EQ(found.kind, Companion::Kind::Page);
    EXPECT_EQ(found.file, dir / "BRISANT.HTM");
    touch(kCompanionProgram);
    found = findCompanion(dir);
    EXPECT_EQ(found.kind, Companion::Kind::Program);
    EXPECT_EQ(found.file, dir / "BRISANT.EXE");
}

TEST_F(CompanionTest, FolderByTheNameIsNoCompanion) {
    fs::create_directory(dir / kCompanionProgram);
    touch(kCompanionPage);
    EXPECT_EQ(findCompanion(dir).kind, Companion::Kind::Page);
    EXPECT_EQ(findCompanion(dir / "missing").kind, Companion::Kind::None);
}

}  // namespace
}  // namespace norvex5
