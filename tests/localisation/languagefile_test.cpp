#include "localisation/languagefile.h"

#include <gtest/gtest.h>

#include "localisation/messages.h"
#include "support/scratchfiles.h"

namespace norvex5 {
namespace {

using testing::ScratchDir;

// Ten header lines as a language file starts, with `number` as the header number.
std::string header(const std::string& number = "7") {
    std::string text = "Langue;Deutsch\r\nAuteur;Somebody\r\nVersion;" + number + "\r\n";
    for (int k = 4; k <= 10; ++k) text += "reserved;" + std::to_string(k) + "\r\n";
    return text;
}

TEST(LanguageFile, ReadsTheHeaderAndTheMessages) {
    ScratchDir dir;
    LanguageFile manager(dir.file("norvex5.lg", header() + "Grille;Spielschein\r\n"
                                                           "Retour;\r\n"
                                                           "Erreur;   \r\n"
                                                           "\r\n  \t\r\n"
                                                           "Mot; Wort \r\n"
                                                           "a;b;c\r\n"
                                                           "only\r\n"));
    ASSERT_TRUE(manager.load());
    EXPECT_TRUE(manager.loaded());
    EXPECT_EQ(manager.headerText1(), "Deutsch");
    EXPECT_EQ(manager.headerText2(), "Somebody");
    EXPECT_EQ(manager.headerNumber(), 7);
    const std::vector<std::string> expected = {"Spielschein", "Retour", "Erreur", " Wort ", "b", "only"};
    for (int n = 1; n <= 6; ++n) EXPECT_EQ(manager.message(n), expected[n - 1]) << n;
    EXPECT_EQ(manager.message(7), "");
    EXPECT_EQ(manager.message(0), "");
    EXPECT_EQ(manager.message(301), "");
    EXPECT_EQ(messageText(1, 2, &manager), "Spielschein") << "the file wins over the table";
}

TEST(LanguageFile, ShortOrOddHeaders) {
    ScratchDir dir;
    LanguageFile shortFile(dir.file("a.lg", "x;one\ny;two\n"));
    ASSERT_TRUE(shortFile.load()) << "fewer than 11 lines still loads";
    EXPECT_EQ(shortFile.headerText1(), "one");
    EXPECT_EQ(shortFile.headerNumber(), 1);
    EXPECT_EQ(shortFile.message(1), "");

    LanguageFile notNumber(dir.file("b.lg", header("v2") + "A;B\n"));
    ASSERT_TRUE(notNumber.load());
    EXPECT_EQ(notNumber.headerNumber(), 1);
    EXPECT_EQ(notNumber.message(1), "B");

    LanguageFile empty(dir.file("c.lg", ""));
    EXPECT_TRUE(empty.load());
}

TEST(LanguageFile, KeepsThreeHundredMessagesAndReadsOn) {
    ScratchDir dir;
    std::string text = header();
    for (int n = 1; n <= 320; ++n) text += "ref;message " + std::to_string(n) + "\n";
    LanguageFile manager(dir.file("norvex5.lg", text));
    ASSERT_TRUE(manager.load());
    EXPECT_EQ(manager.message(300), "message 300");
    EXPECT_EQ(manager.message(301), "");
}

TEST(LanguageFile, MissingUnreadableOrDamagedIsNotLoaded) {
    ScratchDir dir;
    LanguageFile missing(dir.path() / "norvex5.lg");
    EXPECT_FALSE(missing.load());
    LanguageFile folder(dir.path());
    EXPECT_FALSE(folder.load());
    LanguageFile unreadable("/proc/self/mem");
    EXPECT_FALSE(unreadable.load());
    EXPECT_FALSE(unreadable.loaded());
    EXPECT_NE(messageText(34, 1, &unreadable), "") << "the built-in table stays in use";
}

TEST(LanguageFile, Windows1252OrUtf8) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string message1;
        std::string header1;
    };
    const Case cases[] = {
        {"Windows-1252", header() + "x;R\xe9sultat \x80\n", "R\xc3\xa9sultat \xe2\x82\xac", "Deutsch"},
        {"UTF-8", header() + "x;R\xc3\xa9sultat\n", "R\xc3\xa9sultat", "Deutsch"},
        {"UTF-8 with a byte-order mark",
         "\xef\xbb\xbf" + header() +
             "x;\xc5\xa0"
             "ah\n",
         "\xc5\xa0"
         "ah",
         "Deutsch"},
        {"a mark alone on the first line is no line", "\xef\xbb\xbf\r\n" + header() + "x;y\n", "y", "Deutsch"},
        // One Windows-1252 byte anywhere makes the whole file Windows-1252.
        {"mixed", header() + "x;\xc3\xa9\ny;\xe9\n", "\xc3\x83\xc2\xa9", "Deutsch"},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        LanguageFile manager(dir.file("norvex5.lg", c.bytes));
        ASSERT_TRUE(manager.load()) << c.name;
        EXPECT_EQ(manager.message(1), c.message1) << c.name;
        EXPECT_EQ(manager.headerText1(), c.header1) << c.name;
    }
}

TEST(LanguageFile, TheUsersOwnCopyComesBeforeTheProgramsOne) {
    ScratchDir dir;
    const auto program = dir / "program";
    const auto config = dir / "config";
    std::filesystem::create_directories(program);
    std::filesystem::create_directories(config);
    dir.file("program/norvex5.lg", "shipped");

    EXPECT_EQ(findLanguageFile(program, config), program / "norvex5.lg");
    // A folder of that name is no language file.
    std::filesystem::create_directory(config / "norvex5.lg");
    EXPECT_EQ(findLanguageFile(program, config), program / "norvex5.lg");
    std::filesystem::remove(config / "norvex5.lg");
    dir.file("config/norvex5.lg", "own");
    EXPECT_EQ(findLanguageFile(program, config), config / "norvex5.lg");
    // No configuration directory known: beside the program.
    EXPECT_EQ(findLanguageFile(program, {}), program / "norvex5.lg");
}

}  // namespace
}  // namespace norvex5
