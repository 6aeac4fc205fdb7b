#pragma once
// Entries of the drop-down lists that carry a number out of sight: the visible text, a long run
// of blanks that pushes the number past the list's right edge, then the number. The number
// survives the list being sorted, so the selected entry still names what it stands for.
//
// Two lists read their numbers back with rules of different strictness, and both are kept: the
// wheel list refuses an entry whose last three characters are not a number as they stand
// (listEntryNumber), while the ticket model lists also accept a short entry and blanks after the
// number (lenientListEntryNumber).

#include <optional>
#include <string>
#include <string_view>

#include "textfiles/fieldnumber.h"

namespace norvex5 {

// `text`, `blanks` blanks, then `number` in plain decimal.
inline std::string makeListEntry(std::string_view text, int blanks, std::int64_t number) {
    const std::size_t gap = static_cast<std::size_t>(blanks > 0 ? blanks : 0);
    std::string entry;
    entry.reserve(text.size() + gap + 20);
    entry.append(text.data(), text.size());
    entry.append(gap, ' ');
    appendDecimal(entry, number);
    return entry;
}

// The number hidden at the end of an entry: its last three characters read as a decimal integer
// (leading blanks allowed, the rule of fieldNumber()). Nothing for an entry shorter than three
// characters or whose tail is not a number.
inline std::optional<std::int32_t> listEntryNumber(std::string_view entry) {
    if (entry.size() < 3) return std::nullopt;
    return fieldNumber(entry.substr(entry.size() - 3));
}

// The same, but the last three characters (the whole entry when shorter) are read without their
// leading and trailing blanks.
inline std::optional<std::int32_t> lenientListEntryNumber(std::string_view entry) {
    const std::string_view tail = entry.size() > 3 ? entry.substr(entry.size() - 3) : entry;
    return trimmedFieldNumber(tail);
}

// What the list shows of an entry: the entry without the trailing digits and the blanks before
// them.
inline std::string_view listEntryText(std::string_view entry) {
    std::size_t end = entry.size();
    while (end > 0 && entry[end - 1] >= '0' && entry[end - 1] <= '9') --end;
    while (end > 0 && entry[end - 1] == ' ') --end;
    return entry.substr(0, end);
}

}  // namespace norvex5
