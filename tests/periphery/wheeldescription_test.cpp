#include "periphery/wheeldescription.h"

#include <gtest/gtest.h>

namespace norvex5 {
namespace {

MessageLookup inLanguage(LanguageCode language) {
    return [language](int number) { return messageText(number, language, nullptr); };
}

WheelRecord withFixed(int fixed) {
    WheelRecord wheel = *wheelRecord(1);  // 6 numbers, 4 if 4
    wheel.fixedCount = fixed;
    return wheel;
}

TEST(WheelDescription, SixFourFourInFrenchKeepsTheDoubleBlanks) {
    const auto lines = wheelDescriptionLines(*wheelRecord(1), inLanguage(1));
    EXPECT_EQ(lines[0], "Vous devez sélectionner 6 numéros  dans la Grille");
    EXPECT_EQ(lines[1], "Si lors du tirage vous avez dans la grille  4 bons numeros ");
    EXPECT_EQ(lines[2], "Vous aurez un ticket avec 4 numéros dans la Grille");
    EXPECT_EQ(lines[3], "");
}

TEST(WheelDescription, SixFourFourInEnglish) {
    const auto lines = wheelDescriptionLines(*wheelRecord(1), inLanguage(2));
    EXPECT_EQ(lines[0], "you should select 6 numbers  in  Board");
    EXPECT_EQ(lines[1], "On the draw If you have in the Board A 4 good numbers ");
    EXPECT_EQ(lines[2], "you will have a board with 4 numbers in  Board");
    EXPECT_EQ(lines[3], "");
}

TEST(WheelDescription, FixedNumbersAddTheirParentheses) {
    auto lines = wheelDescriptionLines(withFixed(1), inLanguage(1));
    EXPECT_EQ(lines[0], "Vous devez sélectionner 6 numéros ( dont 1 fixe(s) ) dans la Grille");
    EXPECT_EQ(lines[1], "Si lors du tirage vous avez dans la grille  4 bons numeros (DONT LE FIXE)");
    lines = wheelDescriptionLines(withFixed(2), inLanguage(1));
    EXPECT_EQ(lines[0], "Vous devez sélectionner 6 numéros ( dont 2 fixe(s) ) dans la Grille");
    EXPECT_EQ(lines[1], "Si lors du tirage vous avez dans la grille  4 bons numeros (DONT LES FIXES!)");
    EXPECT_EQ(lines[2], "Vous aurez un ticket avec 4 numéros dans la Grille");
}

TEST(WheelDescription, EveryWheelTellsItsOwnCounts) {
    // Wheel 5: 13 numbers, 5 if 3; a swapped field would show in one of the numbers.
    const auto lines = wheelDescriptionLines(*wheelRecord(5), inLanguage(2));
    EXPECT_EQ(lines[0], "you should select 13 numbers  in  Board");
    EXPECT_EQ(lines[1], "On the draw If you have in the Board A 5 good numbers ");
    EXPECT_EQ(lines[2], "you will have a board with 3 numbers in  Board");
}

}  // namespace
}  // namespace norvex5
