#include "periphery/wheeldescription.h"

namespace norvex5 {

namespace {

constexpr int kNumbers = 64;
constexpr int kBoard = 156;
constexpr int kYouShouldSelect = 159;
constexpr int kWith = 160;
constexpr int kFixed = 161;
constexpr int kIn = 162;
constexpr int kIfYouHave = 164;
constexpr int kGoodNumbers = 165;
constexpr int kWithTheFixedOne = 166;
constexpr int kWithTheFixedOnes = 167;
constexpr int kYouWillHave = 169;

}  // namespace

std::array<std::string, 4> wheelDescriptionLines(const WheelRecord& wheel, const MessageLookup& message) {
    const std::string n = std::to_string(wheel.numberCount);
    const std::string m = std::to_string(wheel.condition);
    const std::string k = std::to_string(wheel.guarantee);
    const std::string f = std::to_string(wheel.fixedCount);

    std::string select = message(kYouShouldSelect) + ' ' + n + ' ' + message(kNumbers) + ' ';
    if (wheel.fixedCount > 0) select += "( " + message(kWith) + ' ' + f + ' ' + message(kFixed) + "(s) )";
    select += ' ' + message(kIn) + ' ' + message(kBoard);

    std::string draw = message(kIfYouHave) + ' ' + m + ' ' + message(kGoodNumbers) + ' ';
    if (wheel.fixedCount == 1) draw += "(" + message(kWithTheFixedOne) + ")";
    if (wheel.fixedCount > 1) draw += "(" + message(kWithTheFixedOnes) + "!)";

    const std::string guarantee =
        message(kYouWillHave) + ' ' + k + ' ' + message(kNumbers) + ' ' + message(kIn) + ' ' + message(kBoard);

    return {select, draw, guarantee, std::string()};
}

}  // namespace norvex5
