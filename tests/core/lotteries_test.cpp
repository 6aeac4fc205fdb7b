// The lottery table and its readers: a lottery added as one row reaches the ticket on screen,
// the radio buttons, the parameters' repair, the printing models and the results page.
#include "core/lotteries.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "output/ticketlayouts.h"
#include "periphery/weblinks.h"
#include "persistence/parameters.h"
#include "screen/boxpositions.h"

namespace norvex5 {
namespace {

constexpr TicketLayout kAddedSlip[] = {{.number = 7,
                                        .name = "ADDED LOTTO 5/45",
                                        .firstX = 1.0,
                                        .firstY = 2.0,
                                        .numberStepX = 0.5,
                                        .numberStepY = 0.4,
                                        .boardStepY = 2.5,
                                        .boardsPerTicket = 4,
                                        .bonusX = 1.0,
                                        .bonusY = 12.0,
                                        .bonusStepX = 0.5,
                                        .numberCount = 45,
                                        .boxes = SlipBoxes::StackedRows,
                                        .perRow = 9,
                                        .bonusNumbers = 12}};

const Lottery kAdded{.code = 9,
                     .name = "Added",
                     .highestNumber = 45,
                     .screen = {.picture = "igrille9", .boxes = ScreenBoxes::Rows, .perLine = 9},
                     .buttons = {{{"radded", "Added 5/45"}}},
                     .slips = kAddedSlip,
                     .resultsPage = "https://results.example/added"};

std::vector<Lottery> withAddedLottery() {
    std::vector<Lottery> table(std::begin(kLotteries), std::end(kLotteries));
    table.push_back(kAdded);
    return table;
}

TEST(Lotteries, AnAddedRowReachesEveryReader) {
    const std::vector<Lottery> table = withAddedLottery();

    // The ticket on screen: its picture, and its boxes nine to a row on the standard grid.
    const std::optional<BoxLayout> layout = boxPositions(9, TicketOwner::MainWindow, table);
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->picture, "igrille9");
    EXPECT_EQ(layout->boxes[9], (BoxPosition{178, 56}));
    EXPECT_EQ(layout->boxes[10], (BoxPosition{9, 77}));
    EXPECT_FALSE(layout->boxes[51].has_value());
    const std::vector<TicketPicture> pictures = ticketPictures(table);
    EXPECT_EQ(pictures.back(), "igrille9");
    EXPECT_EQ(pictures.size(), ticketPictures().size() + 1);

    // Its radio button comes after the others, carrying its code and its highest number.
    const std::vector<GameTypeChoice> buttons = gameTypeButtons(table);
    ASSERT_EQ(buttons.size(), gameTypeButtons().size() + 1);
    EXPECT_EQ(buttons.back().code, 9);
    EXPECT_EQ(buttons.back().button.objectName, "radded");
    EXPECT_EQ(highestNumberSetBy(9, table), 45);

    // Settings naming it are kept, with its own highest number when theirs is damaged.
    ParameterRecord saved;
    saved.gameType = 9;
    saved.highestNumber = 0;
    const ParameterRecord repaired = sanitiseParameters(saved, table);
    EXPECT_EQ(repaired.gameType, 9);
    EXPECT_EQ(repaired.highestNumber, 45);

    // Its slip joins the model lists under the next number and is proposed for its ticket.
    const std::vector<std::string> entries = ticketModelListEntries(table);
    ASSERT_EQ(entries.size(), 7u);
    EXPECT_EQ(entries.back(), "ADDED LOTTO 5/45" + std::string(kModelEntryBlanks, ' ') + "7");
    EXPECT_EQ(ticketModelFromEntry(entries.back()), 7);
    EXPECT_EQ(ticketModelForGameType(9, table), 7);
    const std::optional<CmPoint> tenthOfSecond = numberPosition(*ticketLayout(7, table), 10, 2);
    ASSERT_TRUE(tenthOfSecond.has_value());
    EXPECT_NEAR(tenthOfSecond->x, 1.0, 1e-12);              // first of the second row of nine
    EXPECT_NEAR(tenthOfSecond->y, 2.0 + 2.5 + 0.4, 1e-12);  // on the second board

    EXPECT_EQ(resultsPageAddress(9, table), "https://results.example/added");
}

TEST(Lotteries, TheBuiltInTableKnowsNothingOfTheAddedRow) {
    EXPECT_FALSE(boxPositions(9, TicketOwner::MainWindow).has_value());
    EXPECT_FALSE(highestNumberSetBy(9).has_value());
    ParameterRecord saved;
    saved.gameType = 9;
    EXPECT_EQ(sanitiseParameters(saved).gameType, 1);
    EXPECT_EQ(ticketModelForGameType(9), 1);
    EXPECT_EQ(ticketLayout(7), nullptr);
}

// Mistakes a new row could bring in, which the program would show only on that lottery's ticket.
TEST(Lotteries, EveryRowIsWhole) {
    std::set<std::int32_t> codes;
    std::set<std::string_view> buttonNames;
    for (const Lottery& lottery : kLotteries) {
        SCOPED_TRACE(std::string(lottery.name));
        EXPECT_GE(lottery.highestNumber, 5);
        EXPECT_LE(lottery.highestNumber, 50);  // grid A has fifty boxes
        EXPECT_FALSE(lottery.slips.empty() && lottery.code == kPrintedOnly) << "a row with nothing to show";
        for (const TicketLayout& slip : lottery.slips) {
            EXPECT_GT(slip.perRow, 0);
            EXPECT_GE(slip.numberCount, 5);
            EXPECT_GT(slip.boardsPerTicket, 0);
        }
        if (lottery.code == kPrintedOnly) {
            EXPECT_TRUE(lottery.screen.picture.empty());
            continue;
        }
        EXPECT_TRUE(codes.insert(lottery.code).second) << "code " << lottery.code << " twice";
        EXPECT_FALSE(lottery.screen.picture.empty());
        EXPECT_GT(lottery.screen.perLine, 0);
        ASSERT_FALSE(lottery.buttons[0].objectName.empty()) << "no button chooses code " << lottery.code;
        for (const GameTypeButton& button : lottery.buttons) {
            if (!button.objectName.empty()) {
                EXPECT_TRUE(buttonNames.insert(button.objectName).second) << button.objectName;
            }
        }
    }
    // The codes old settings may hold.
    EXPECT_EQ(codes, (std::set<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(ticketModelsNumberedFromOne(kLotteries));
}

TEST(Lotteries, NumberingTheSlipsWithAGapIsRefused) {
    std::vector<Lottery> table = withAddedLottery();
    constexpr TicketLayout kSkipping[] = {{.number = 9, .name = "SKIPPING", .perRow = 5}};
    table.back().slips = kSkipping;
    EXPECT_FALSE(ticketModelsNumberedFromOne(table));
}

}  // namespace
}  // namespace norvex5
