#pragma once
// The reader's rules written the slow, obvious way over a whole file held in a string, to check
// the buffered reader against (the randomized test and the fuzz target).

#include <string>
#include <string_view>
#include <vector>

namespace norvex5::testing {

inline bool referenceBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

// The non-blank lines of `bytes`, in order: nothing after Ctrl-Z, split at LF, every CR removed.
inline std::vector<std::string> referenceLines(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\x1a'));
    std::vector<std::string> lines;
    std::string line;
    auto finish = [&] {
        if (!referenceBlank(line)) lines.push_back(line);
        line.clear();
    };
    for (const char c : bytes) {
        if (c == '\n')
            finish();
        else if (c != '\r')
            line.push_back(c);
    }
    finish();
    return lines;
}

// Field `index` following the published steps literally, positions from 1.
inline std::string referenceField(const std::string& s, char c, int index) {
    if (index < 1 || index > 255) return {};
    const std::size_t length = s.size();
    std::size_t p = 1;
    int i = 0;
    std::size_t start = 0;
    std::size_t end = 0;
    while (p <= length && i < index) {
        if (i > 0 && s[p - 1] == c) ++p;
        if (p > length) break;
        ++i;
        start = p;
        while (p <= length && s[p - 1] != c) ++p;
        end = p;
    }
    if (i == index && end > start) return s.substr(start - 1, end - start);
    return {};
}

// Every field of `s` by the same steps in one walk: element k - 1 is referenceField(s, c, k), and
// fields past the last are empty. The fuzz target asks for many fields of every line.
inline std::vector<std::string_view> referenceFields(std::string_view s, char c) {
    const std::size_t length = s.size();
    std::vector<std::string_view> fields;
    std::size_t p = 1;
    while (p <= length && fields.size() < 255) {
        if (!fields.empty() && s[p - 1] == c) ++p;
        if (p > length) break;
        const std::size_t start = p;
        while (p <= length && s[p - 1] != c) ++p;
        fields.push_back(p > start ? s.substr(start - 1, p - start) : std::string_view());
    }
    return fields;
}

}  // namespace norvex5::testing
