#include "periphery/wheeldescription.h"

#include "localisation/messagenumbers.h"

namespace norvex5 {

std::array<std::string, 4> wheelDescriptionLines(const WheelRecord& wheel, const MessageLookup& message) {
    const std::string n = std::to_string(wheel.numberCount);
    const std::string m = std::to_string(wheel.condition);
    const std::string k = std::to_string(wheel.guarantee);
    const std::string f = std::to_string(wheel.fixedCount);

    std::string select = message(kMessageYouShouldSelect) + ' ' + n + ' ' + message(kMessageNumbers) + ' ';
    if (wheel.fixedCount > 0)
        select += "( " + message(kMessageOfWhich) + ' ' + f + ' ' + message(kMessageFixed) + "(s) )";
    select += ' ' + message(kMessageIn) + ' ' + message(kMessageBoardInSentence);

    std::string draw = message(kMessageIfYouHave) + ' ' + m + ' ' + message(kMessageGoodNumbers) + ' ';
    if (wheel.fixedCount == 1) draw += "(" + message(kMessageWithTheFixedOne) + ")";
    if (wheel.fixedCount > 1) draw += "(" + message(kMessageWithTheFixedOnes) + "!)";

    const std::string guarantee = message(kMessageYouWillHave) + ' ' + k + ' ' + message(kMessageNumbers) + ' ' +
                                  message(kMessageIn) + ' ' + message(kMessageBoardInSentence);

    return {select, draw, guarantee, std::string()};
}

}  // namespace norvex5
