#include "localisation/programtexts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace norvex5 {
namespace {

TEST(ProgramTexts, EveryTextInEveryLanguageKeepsItsPlaceholders) {
    for (int t = 0; t < kProgramTextCount; ++t) {
        const auto text = static_cast<ProgramText>(t);
        const std::string french(programText(text, 1));
        std::set<std::string> distinct;
        for (LanguageCode language = 1; language <= kLanguageCount; ++language) {
            const std::string_view cell = programText(text, language);
            EXPECT_FALSE(cell.empty()) << t << " " << language;
            // A window fills the placeholders in: a language that lost one would show a wrong page.
            for (const char* placeholder : {"%1", "%2", "%3", "%4"})
                EXPECT_EQ(cell.find(placeholder) != std::string_view::npos,
                          french.find(placeholder) != std::string::npos)
                    << t << " " << language;
            distinct.insert(std::string(cell));
        }
        // The first-run language window speaks before a language is chosen: its words are the same
        // in every language on purpose.
        const bool neutral = text == ProgramText::LanguageChoiceTitle || text == ProgramText::LanguageChoiceNote ||
                             text == ProgramText::Ok;
        EXPECT_EQ(distinct.size() > 1u, !neutral) << "text " << t << (neutral ? " differs" : " is not translated");
    }
}

TEST(ProgramTexts, UnknownLanguageIsFrench) {
    for (LanguageCode language : {0, 8, -1})
        EXPECT_EQ(programText(ProgramText::Cancel, language), programText(ProgramText::Cancel, 1));
    EXPECT_EQ(programText(ProgramText::Cancel, 7), "Abbrechen");
}

}  // namespace
}  // namespace norvex5
