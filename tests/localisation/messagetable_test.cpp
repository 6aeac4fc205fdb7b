#include "localisation/messagetable.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "localisation/languagefile.h"
#include "localisation/messages.h"

namespace norvex5 {
namespace {

constexpr LanguageCode kFrench = 1;
constexpr LanguageCode kEnglish = 2;
constexpr LanguageCode kItalian = 5;
constexpr LanguageCode kGerman = 7;

std::set<int> rowsIn(std::initializer_list<std::pair<int, int>> ranges) {
    std::set<int> rows;
    for (auto [first, last] : ranges)
        for (int row = first; row <= last; ++row) rows.insert(row);
    return rows;
}

// The rows the program looks up; every other row is never asked for.
const std::set<int> kListedRows =
    rowsIn({{1, 2}, {21, 22}, {29, 50}, {53, 88}, {103, 148}, {151, 153}, {156, 169}, {171, 183}, {186, 192}});
const std::set<int> kFrenchOnlyRows = rowsIn({{171, 171}, {186, 187}});

std::set<int> rowsWithEnglish() {
    std::set<int> rows;
    for (int row : kListedRows)
        if (!kFrenchOnlyRows.contains(row)) rows.insert(row);
    return rows;
}

// Code points of a cell, or nothing when the bytes are not well-formed UTF-8 (stray continuation
// bytes, overlong forms, surrogates and truncated sequences included).
std::optional<std::u32string> decodeUtf8(std::string_view text) {
    std::u32string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t cp = lead;
        char32_t minimum = 0;
        if (lead >= 0xF8) return std::nullopt;
        if (lead >= 0xF0) {
            extra = 3, cp = lead & 0x07, minimum = 0x10000;
        } else if (lead >= 0xE0) {
            extra = 2, cp = lead & 0x0F, minimum = 0x800;
        } else if (lead >= 0xC0) {
            extra = 1, cp = lead & 0x1F, minimum = 0x80;
        } else if (lead >= 0x80) {
            return std::nullopt;
        }
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= text.size()) return std::nullopt;
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}

TEST(MessageTable, FrenchHoldsEveryListedRowAndEnglishAllButTheFrenchOnlyOnes) {
    for (int row : kListedRows) {
        EXPECT_FALSE(messageTableCell(row, kFrench).empty()) << "row " << row;
        EXPECT_EQ(messageTableCell(row, kEnglish).empty(), kFrenchOnlyRows.contains(row)) << "row " << row;
    }
}

TEST(MessageTable, OtherLanguagesLeaveExactlyTheKnownCellsEmpty) {
    struct Case {
        LanguageCode language;
        std::set<int> empty;  // among the rows that have English
    };
    // The cells left empty are those whose emptiness costs only a title, a hint or a word of a
    // joined text; a caption or a message box text is never empty.
    const std::vector<Case> cases = {
        {3, {}},
        {4, rowsIn({{33, 33}, {59, 59}, {63, 63}, {66, 66}, {117, 117}, {133, 133}, {151, 151}})},
        {5, rowsIn({{1, 2},
                    {22, 22},
                    {30, 30},
                    {50, 50},
                    {59, 59},
                    {70, 70},
                    {75, 75},
                    {87, 88},
                    {104, 104},
                    {106, 106},
                    {108, 108},
                    {111, 112},
                    {151, 151}})},
        {6, {}},
        {7, {}},
    };
    for (const Case& c : cases) {
        std::set<int> empty;
        for (int row : rowsWithEnglish())
            if (messageTableCell(row, c.language).empty()) empty.insert(row);
        EXPECT_EQ(empty, c.empty) << "language " << c.language;
    }
}

TEST(MessageTable, RowsWithoutEnglishAreFrenchOnly) {
    for (int row : kFrenchOnlyRows)
        for (LanguageCode language = kEnglish; language <= kLanguageCount; ++language)
            EXPECT_TRUE(messageTableCell(row, language).empty()) << "row " << row << " language " << language;
}

TEST(MessageTable, UnlistedRowsAreEmptyInEveryLanguage) {
    for (int row = 1; row <= kMessageTableRows; ++row) {
        if (kListedRows.contains(row)) continue;
        for (LanguageCode language = 1; language <= kLanguageCount; ++language)
            EXPECT_TRUE(messageTableCell(row, language).empty()) << "row " << row << " language " << language;
    }
}

TEST(MessageTable, OutOfRangeRowOrLanguageGivesEmpty) {
    for (int row : {INT_MIN, -1, 0, kMessageTableRows + 1, INT_MAX})
        EXPECT_TRUE(messageTableCell(row, kFrench).empty()) << "row " << row;
    for (LanguageCode language : {INT_MIN, -1, 0, kLanguageCount + 1, INT_MAX})
        EXPECT_TRUE(messageTableCell(1, language).empty()) << "language " << language;
    EXPECT_EQ(messageTableCell(kMessageTableRows, kFrench), "Un numero");
    EXPECT_EQ(messageTableCell(1, kGerman), "Bitte den nächsten Spielschein einlegen und OK drücken");
}

TEST(MessageTable, FrenchAndEnglishKeepEveryCharacterAndBlank) {
    struct Case {
        int row;
        LanguageCode language;
        std::string_view text;
    };
    const Case cases[] = {
        {1, kFrench, "Insérez le prochain ticket et appuyez sur OK"},
        {40, kFrench, "Type d' impression"},
        {103, kFrench, "Systèmes réducteurs "},
        {111, kFrench, "Entrez le numéro de la 1ère grille à imprimer"},
        {164, kFrench, "Si lors du tirage vous avez dans la grille "},
        {168, kFrench, "Si vous avez dans la grille B "},
        {173, kFrench, "Fichiers textes "},
        {187, kFrench, "Contactez nous "},
        {191, kFrench, "de 1 à 10 successivement"},
        {36, kEnglish, "Ticket's type"},
        {105, kEnglish, "Continue ?"},
        {148, kEnglish, "TICKETS  LIST"},
        {157, kEnglish, "Left click to select"},
        {158, kEnglish, "Right click for fixes"},
        {162, kEnglish, "in "},
        {183, kEnglish, "Number of lines to skip"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(messageTableCell(c.row, c.language), c.text) << "row " << c.row << " language " << c.language;
}

// Callers join fragments with a single blank of their own, so a translation that drops or adds
// a blank at either end changes the spacing of the assembled sentence.
TEST(MessageTable, TranslationsKeepTheEdgeBlanksOfFrenchOrEnglish) {
    int rowsWithEdgeBlanks = 0;
    for (int row : kListedRows) {
        const std::string_view fr = messageTableCell(row, kFrench);
        const std::string_view en = messageTableCell(row, kEnglish);
        const bool leading = fr.starts_with(' ') || en.starts_with(' ');
        const bool trailing = fr.ends_with(' ') || en.ends_with(' ');
        if (leading || trailing) ++rowsWithEdgeBlanks;
        for (LanguageCode language = 3; language <= kLanguageCount; ++language) {
            const std::string_view text = messageTableCell(row, language);
            if (text.empty()) continue;
            EXPECT_EQ(text.starts_with(' '), leading) << "row " << row << " language " << language;
            EXPECT_EQ(text.ends_with(' '), trailing) << "row " << row << " language " << language;
        }
    }
    EXPECT_GE(rowsWithEdgeBlanks, 4);  // 103, 162, 164, 168 at least
}

TEST(MessageTable, EveryCellIsWellFormedUtf8AndNotEncodedTwice) {
    for (int row = 1; row <= kMessageTableRows; ++row)
        for (LanguageCode language = 1; language <= kLanguageCount; ++language) {
            const auto decoded = decodeUtf8(messageTableCell(row, language));
            ASSERT_TRUE(decoded) << "row " << row << " language " << language;
            // Ã, Â and C1 controls are what accented UTF-8 turns into when it is decoded once more
            // as a single-byte code page; none of these texts uses them.
            for (char32_t cp : *decoded)
                EXPECT_TRUE(cp != U'Ã' && cp != U'Â' && (cp < 0x80 || cp > 0x9F))
                    << "row " << row << " language " << language;
        }
}

TEST(MessageTable, EachColumnWritesTheLettersOfItsLanguage) {
    const std::vector<std::pair<LanguageCode, std::u32string>> letters = {
        {1, U"éèà"}, {3, U"ãõçâáéóú"}, {4, U"áíóú¿¡"}, {5, U"èà"}, {6, U"čćšžđ"}, {7, U"äöüß"},
    };
    for (const auto& [language, wanted] : letters) {
        std::set<char32_t> seen;
        for (int row = 1; row <= kMessageTableRows; ++row)
            for (char32_t cp : decodeUtf8(messageTableCell(row, language)).value_or(U"")) seen.insert(cp);
        for (char32_t letter : wanted)
            EXPECT_TRUE(seen.contains(letter))
                << "language " << language << " never uses U+" << std::hex << int(letter);
    }
}

TEST(Pgloretlibmessage, EmptyCellGivesEmptyTextWithoutFallingBackToFrench) {
    ASSERT_FALSE(messageText(1, kFrench, nullptr).empty());
    EXPECT_EQ(messageText(1, kItalian, nullptr), "");
    EXPECT_EQ(messageText(30, kItalian, nullptr), "");
    EXPECT_EQ(messageText(171, kEnglish, nullptr), "");
}

TEST(Pgloretlibmessage, LanguageOutsideOneToSevenGivesEmptyText) {
    for (LanguageCode language : {0, 8, -1})
        EXPECT_EQ(messageText(1, language, nullptr), "") << "language " << language;
}

TEST(Pgloretlibmessage, ReadsTheTableWhenNoLanguageFileIsLoaded) {
    LanguageFile manager(std::string(NORVEX5_TEST_DATA) + "/no-such-dir/norvex5.lg");
    EXPECT_FALSE(manager.load());
    EXPECT_EQ(messageText(162, kEnglish, &manager), "in ");
    EXPECT_EQ(messageText(64, kGerman, &manager), "Zahlen");
    EXPECT_EQ(messageText(162, kEnglish, nullptr), "in ");
}

}  // namespace
}  // namespace norvex5
