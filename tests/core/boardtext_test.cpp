#include "core/boardtext.h"

#include <gtest/gtest.h>

#include "support/boardmasks.h"

namespace norvex5 {
namespace {

using testing::maskOf;

TEST(BoardText, NumberPaddedThenEachGridANumberInTwoDigits) {
    std::string text = "> ";
    appendBoardText(text, 7, ":", maskOf({41, 3, 12, 25, 33}));
    EXPECT_EQ(text, "> 007:-03-12-25-33-41");

    text.clear();
    appendBoardText(text, 1234, " :", maskOf({50, 1}));
    EXPECT_EQ(text, "1234 :-01-50");

    // Grid B numbers and marks other than 1 never show.
    BoardMask mask = maskOf({5, 51, 59});
    mask[6] = 2;
    text.clear();
    appendBoardText(text, 0, ":", mask);
    EXPECT_EQ(text, "000:-05");
}

}  // namespace
}  // namespace norvex5
