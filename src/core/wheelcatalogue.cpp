#include "core/wheelcatalogue.h"

#include "localisation/messagenumbers.h"
#include "textfiles/listentry.h"

namespace norvex5 {

namespace {

constexpr WheelBoard kBoards1[] = {{1, 2, 3, 4, 6}, {1, 2, 3, 5, 6}, {1, 2, 4, 5, 6}, {1, 3, 4, 5, 6}, {2, 3, 4, 5, 6}};
constexpr WheelBoard kBoards2[] = {{1, 2, 4, 6, 7}, {1, 3, 4, 5, 6}, {2, 3, 5, 6, 7}};
constexpr WheelBoard kBoards3[] = {{1, 2, 3, 4, 5}, {1, 2, 4, 5, 8}, {1, 3, 6, 7, 8}, {2, 3, 4, 5, 8}, {2, 4, 5, 6, 7}};
constexpr WheelBoard kBoards4[] = {{1, 2, 4, 6, 8}, {2, 3, 4, 5, 7}};
constexpr WheelBoard kBoards5[] = {{1, 2, 4, 7, 13}, {1, 2, 4, 9, 10},  {1, 2, 4, 11, 12}, {3, 5, 6, 7, 8},
                                   {3, 5, 7, 9, 12}, {3, 5, 9, 11, 13}, {6, 7, 8, 10, 11}, {6, 8, 10, 12, 13}};
constexpr WheelBoard kBoards6[] = {{1, 2, 3, 5, 6}, {1, 2, 4, 6, 7}, {1, 2, 4, 6, 8}, {3, 4, 5, 7, 8}};
constexpr WheelBoard kBoards7[] = {{1, 2, 4, 7, 8}, {1, 2, 6, 7, 8}, {1, 3, 5, 8, 9}, {2, 3, 5, 7, 9}, {3, 4, 5, 6, 9}};
constexpr WheelBoard kBoards8[] = {{1, 2, 4, 5, 9},  {1, 3, 5, 6, 10}, {1, 5, 7, 8, 9},
                                   {2, 3, 6, 9, 10}, {2, 4, 7, 8, 10}, {3, 4, 6, 7, 8}};

//                                        b  k  m   n  per fixed
const WheelRecord kCatalogue[kWheelCount + 1] = {
    {0, 0, 0, 0, 0, 0, {}},       {5, 4, 4, 6, 5, 0, kBoards1}, {3, 4, 5, 7, 5, 0, kBoards2},
    {5, 4, 5, 8, 5, 0, kBoards3}, {2, 3, 5, 8, 5, 0, kBoards4}, {8, 3, 5, 13, 5, 0, kBoards5},
    {4, 2, 2, 8, 5, 0, kBoards6}, {5, 2, 2, 9, 5, 0, kBoards7}, {6, 2, 2, 10, 5, 0, kBoards8},
};

constexpr int kHiddenNumberGap = 100;

}  // namespace

const WheelRecord* wheelRecord(int wheel) {
    if (wheel < 1 || wheel > kWheelCount) return nullptr;
    return &kCatalogue[wheel];
}

std::string pad(std::int64_t number, int width) {
    std::string digits = std::to_string(number);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), ' ');
    return digits;
}

std::string wheelTitle(const WheelRecord& wheel, const MessageLookup& message) {
    const WheelRecord* const w = &wheel;
    std::string title;
    if (w->fixedCount > 0) title += message(kMessageFixed);
    title += ' ' + pad(w->numberCount, 2);
    title += ' ' + message(kMessageNumbers);
    if (w->fixedCount > 0) title += "(" + pad(w->fixedCount, 2) + ' ' + message(kMessageFixed) + ")";
    title += ' ' + pad(w->guarantee, 2) + "/";
    title += ' ' + pad(w->condition, 2);
    title += ' ' + message(kMessageWith);
    title += ' ' + pad(w->boardCount, 5);
    title += ' ' + message(kMessageBoards);
    return title;
}

std::string wheelTitle(int wheel, bool withNumber, const MessageLookup& message) {
    const WheelRecord* w = wheelRecord(wheel);
    if (w == nullptr) return {};
    const std::string title = wheelTitle(*w, message);
    return withNumber ? makeListEntry(title, kHiddenNumberGap, wheel) : title;
}

int wheelNumberFromEntry(std::string_view entry) { return listEntryNumber(entry).value_or(-1); }

bool wheelEntryLess(std::string_view a, std::string_view b) {
    // string_view compares as unsigned char, so UTF-8 letters sort after ASCII.
    return a < b;
}

}  // namespace norvex5
