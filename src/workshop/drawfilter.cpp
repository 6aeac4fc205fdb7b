#include "workshop/drawfilter.h"

#include <algorithm>
#include <charconv>
#include <span>
#include <vector>

namespace norvex5::workshop {

namespace {

constexpr int kDraw = 5;
constexpr int kDigits = 10;

// A number is low when it is at most half the game's highest number.
int lowestHigh(int highest) { return highest / 2 + 1; }

int highestSum(int highest) { return kDraw * highest - kDraw * (kDraw - 1) / 2; }

bool isLimiting(const std::optional<int>& limit) { return limit && *limit < kDraw; }

// How many draws pass every condition but the last digit's, with each digit of `broken` on more
// than the filter's limit of them. The numbers are taken one by one, ascending; a partial draw
// of k numbers (k <= 4; the fifth is counted at once) is the cell
// [k][odd][run][decade][broken digit counts][sum]. A dimension a condition does not need has one
// entry, so an unfiltered dimension costs nothing; only cells a partial draw can reach are
// visited.
class PassingCounter {
public:
    PassingCounter(const DrawFilter& f, int highest, std::span<const int> broken)
        : f_(f), highest_(highest), broken_(broken) {
        size_[kOdd] = f.odd ? std::min(f.odd->high, kDraw - 1) + 1 : 1;
        size_[kRun] = isLimiting(f.longestRun) ? *f.longestRun + 1 : 1;
        size_[kDecade] = isLimiting(f.perDecade) ? *f.perDecade + 1 : 1;
        brokenAt_ = f.perLastDigit ? *f.perLastDigit + 1 : 0;
        size_[kDigit0] = broken.size() > 0 ? brokenAt_ + 1 : 1;
        size_[kDigit1] = broken.size() > 1 ? brokenAt_ + 1 : 1;
        bySum_ = f.sum.has_value();
        sumSize_ = bySum_ ? std::min(f.sum->high, highestSum(highest)) + 1 : 1;
        std::size_t stride = sumSize_;
        for (int dim = kDimensions - 1; dim >= 0; --dim) {
            stride_[dim] = stride;
            stride *= size_[dim];
        }
        levelStride_ = stride;
        cells_.assign(levelStride_ * kDraw, 0);
        cells_[0] = 1;  // no number taken yet
    }

    std::int64_t count() {
        if (sumSize_ <= 0) return 0;
        for (int n = 1; n <= highest_; ++n) {
            // A new decade: what the last one held no longer limits anything.
            if (size_[kDecade] > 1 && n % 10 == 0)
                for (int k = 1; k < kDraw; ++k) endCount(k, n, kDecade);
            for (int k = kDraw - 1; k >= 0; --k) {
                take(k, n);
                // Leaving n out ends the run going on, for the partial draws of k numbers that
                // were there before n (the ones just made of k - 1 numbers and n come later).
                if (size_[kRun] > 1 && k > 0) endCount(k, n, kRun);
            }
            if (f_.low && n == lowestHigh(highest_) - 1) {
                // Every number so far is low and every later one high: the low count is settled.
                for (int k = 0; k < kDraw; ++k)
                    if (!f_.low->holds(k)) std::fill_n(cells_.begin() + k * levelStride_, levelStride_, 0);
            }
        }
        return passing_;
    }

private:
    enum Dimension { kOdd, kRun, kDecade, kDigit0, kDigit1, kDimensions };
    using Index = std::array<int, kDimensions>;

    // Sums a partial draw of k numbers below n can have.
    int sumLow(int k) const { return bySum_ ? k * (k + 1) / 2 : 0; }
    int sumHigh(int k, int n) const { return bySum_ ? std::min(sumSize_ - 1, k * (n - 1) - k * (k - 1) / 2) : 0; }

    std::size_t offset(int k, const Index& at) const {
        std::size_t offset = k * levelStride_;
        for (int dim = 0; dim < kDimensions; ++dim) offset += at[dim] * stride_[dim];
        return offset;
    }

    // Calls visit with every index a partial draw of k numbers can have: no count above k.
    template <typename Visit>
    void forEachIndex(int k, Visit&& visit) const {
        Index at{};
        for (;;) {
            visit(at);
            int dim = kDimensions - 1;
            while (dim >= 0 && (at[dim] + 1 >= size_[dim] || at[dim] + 1 > k)) at[dim--] = 0;
            if (dim < 0) return;
            ++at[dim];
        }
    }

    // Moves every partial draw of k numbers to a count of 0 in `dim`.
    void endCount(int k, int n, int dim) {
        const int low = sumLow(k), high = sumHigh(k, n);
        forEachIndex(k, [&](const Index& at) {
            if (at[dim] == 0) return;
            Index to = at;
            to[dim] = 0;
            std::int64_t* from = &cells_[offset(k, at)];
            std::int64_t* into = &cells_[offset(k, to)];
            for (int s = low; s <= high; ++s) {
                into[s] += from[s];
                from[s] = 0;
            }
        });
    }

    void take(int k, int n) {
        const int low = sumLow(k), high = sumHigh(k, n);
        if (low > high) return;
        const int digit = n % 10;
        const int shift = bySum_ ? n : 0;
        forEachIndex(k, [&](const Index& at) {
            Index to = at;
            const int odd = at[kOdd] + n % 2;
            if (f_.odd) {
                if (odd > f_.odd->high) return;
                to[kOdd] = odd;
            }
            for (int dim : {kRun, kDecade})
                if (size_[dim] > 1 && ++to[dim] >= size_[dim]) return;
            if (size_[kDigit0] > 1 && digit == broken_[0]) to[kDigit0] = std::min(at[kDigit0] + 1, brokenAt_);
            if (size_[kDigit1] > 1 && digit == broken_[1]) to[kDigit1] = std::min(at[kDigit1] + 1, brokenAt_);
            const std::int64_t* from = &cells_[offset(k, at)];
            if (k + 1 < kDraw) {
                std::int64_t* into = &cells_[offset(k + 1, to)];
                for (int s = low; s <= std::min(high, sumSize_ - 1 - shift); ++s) into[s + shift] += from[s];
                return;
            }
            // The fifth number: the draw is whole and counted now.
            if (f_.odd && !f_.odd->holds(odd)) return;
            if (f_.low && n < lowestHigh(highest_) && !f_.low->holds(kDraw)) return;
            if ((size_[kDigit0] > 1 && to[kDigit0] < brokenAt_) || (size_[kDigit1] > 1 && to[kDigit1] < brokenAt_))
                return;
            const int first = bySum_ ? std::max(low, f_.sum->low - n) : low;
            const int last = bySum_ ? std::min(high, f_.sum->high - n) : high;
            for (int s = first; s <= last; ++s) passing_ += from[s];
        });
    }

    const DrawFilter& f_;
    int highest_;
    std::span<const int> broken_;
    Index size_{};
    std::array<std::size_t, kDimensions> stride_{};
    std::size_t levelStride_ = 0;
    int brokenAt_ = 0;
    bool bySum_ = false;
    int sumSize_ = 1;
    std::vector<std::int64_t> cells_;
    std::int64_t passing_ = 0;
};

std::int64_t countWithBrokenDigits(const DrawFilter& f, int highest, std::span<const int> broken) {
    return PassingCounter(f, highest, broken).count();
}

}  // namespace

bool passes(const DrawFilter& f, const Draw& draw, int highest) {
    int odd = 0, low = 0, sum = 0;
    int run = 0, longestRun = 0, inDecade = 0, mostInDecade = 0, mostOnDigit = 0;
    for (int i = 0; i < kDraw; ++i) {
        const int n = draw[i];
        odd += n % 2;
        low += n < lowestHigh(highest);
        sum += n;
        run = i > 0 && n == draw[i - 1] + 1 ? run + 1 : 1;
        longestRun = std::max(longestRun, run);
        // Ascending, so a decade's numbers come together.
        inDecade = i > 0 && n / 10 == draw[i - 1] / 10 ? inDecade + 1 : 1;
        mostInDecade = std::max(mostInDecade, inDecade);
        int onDigit = 0;
        for (int j = 0; j < kDraw; ++j) onDigit += draw[j] % 10 == n % 10;
        mostOnDigit = std::max(mostOnDigit, onDigit);
    }
    return (!f.odd || f.odd->holds(odd)) && (!f.low || f.low->holds(low)) && (!f.sum || f.sum->holds(sum)) &&
           (!f.longestRun || longestRun <= *f.longestRun) && (!f.perDecade || mostInDecade <= *f.perDecade) &&
           (!f.perLastDigit || mostOnDigit <= *f.perLastDigit);
}

namespace {

// Draws that pass every condition but the last digit's and put more than `limit` (2 or more)
// numbers on one digit. They are few, so they are listed: more than two on one digit leaves at
// most two numbers elsewhere, and only one digit can be over such a limit at once.
std::int64_t countOverDigitLimit(const DrawFilter& f, int highest, int limit) {
    DrawFilter others = f;
    others.perLastDigit.reset();
    std::int64_t over = 0;
    for (int digit = 0; digit < kDigits; ++digit) {
        std::vector<int> onDigit, elsewhere;
        for (int n = 1; n <= highest; ++n) (n % 10 == digit ? onDigit : elsewhere).push_back(n);
        const int columns = static_cast<int>(onDigit.size());
        for (unsigned chosen = 0; chosen < (1u << columns); ++chosen) {
            const int onCount = __builtin_popcount(chosen);
            if (onCount <= limit || onCount > kDraw) continue;
            Draw draw{};
            int taken = 0;
            for (int i = 0; i < columns; ++i)
                if (chosen >> i & 1) draw[taken++] = onDigit[i];
            auto count = [&](int a, int b) {
                Draw whole = draw;
                if (a > 0) whole[onCount] = a;
                if (b > 0) whole[onCount + 1] = b;
                std::sort(whole.begin(), whole.end());
                over += passes(others, whole, highest);
            };
            const std::size_t size = elsewhere.size();
            if (onCount == kDraw) count(0, 0);
            if (onCount == kDraw - 1)
                for (std::size_t a = 0; a < size; ++a) count(elsewhere[a], 0);
            if (onCount == kDraw - 2) {
                // Only pairs whose sum can bring the draw's into range are looked at.
                int restLow = 0, restHigh = 2 * highest;
                if (f.sum) {
                    const int taken = draw[0] + draw[1] + draw[2];
                    restLow = f.sum->low - taken;
                    restHigh = f.sum->high - taken;
                }
                for (std::size_t a = 0; a < size; ++a)
                    for (std::size_t b = a + 1; b < size && elsewhere[a] + elsewhere[b] <= restHigh; ++b)
                        if (elsewhere[a] + elsewhere[b] >= restLow) count(elsewhere[a], elsewhere[b]);
            }
        }
    }
    return over;
}

}  // namespace

std::int64_t passingDrawCount(const DrawFilter& f, int highest) {
    if (!isLimiting(f.perLastDigit)) return countWithBrokenDigits(f, highest, {});
    const int limit = *f.perLastDigit;
    if (limit >= 2) return countWithBrokenDigits(f, highest, {}) - countOverDigitLimit(f, highest, limit);
    // At most one a digit: inclusion and exclusion over the digits (one or two at once) that
    // hold two numbers or more, each counted by carrying how many of them are taken.
    std::vector<int> digits;
    for (int digit = 0; digit < kDigits; ++digit) {
        const int numbers = digit == 0 ? highest / 10 : (highest >= digit ? (highest - digit) / 10 + 1 : 0);
        if (numbers > limit) digits.push_back(digit);
    }
    std::int64_t passing = countWithBrokenDigits(f, highest, {});
    for (std::size_t a = 0; a < digits.size(); ++a) {
        passing -= countWithBrokenDigits(f, highest, std::span<const int>(&digits[a], 1));
        for (std::size_t b = a + 1; b < digits.size(); ++b) {
            const int pair[2] = {digits[a], digits[b]};
            passing += countWithBrokenDigits(f, highest, pair);
        }
    }
    return passing;
}

namespace {

// The draws of forEachPassingDraw, numbers chosen from the largest down so that a part of a draw
// that already fails cuts off every draw that would complete it. Decades and last digits are
// counted in four-bit fields of one word (ten digits, then up to six decades), and a count over
// its limit is seen in one test: the limit's complement to 7 added to each field makes any field
// over it reach 8.
class PassingWalk {
public:
    PassingWalk(const DrawFilter& f, int highest, const std::function<void(const Draw&)>& visit)
        : f_(f), highest_(highest), visit_(visit) {
        for (int digit = 0; digit < kDigits; ++digit) addLimit(digit * 4, f.perLastDigit);
        for (int decade = 0; decade <= kMaxDecade; ++decade) addLimit((kDigits + decade) * 4, f.perDecade);
    }

    void walk() {
        if (highest_ > (kMaxDecade + 1) * 10 - 1) return;
        Partial none{};
        choose(kDraw - 1, highest_ + 1, none);
    }

private:
    static constexpr int kMaxDecade = 5;
    struct Partial {
        int odd = 0, low = 0, sum = 0, leadingRun = 0, longestRun = 0;
        std::uint64_t fields = 0;
    };

    void addLimit(int shift, const std::optional<int>& limit) {
        if (!limit || *limit >= kDraw) return;
        bias_ |= std::uint64_t(7 - *limit) << shift;
        over_ |= std::uint64_t(8) << shift;
    }

    // Picks draw_[place] below `below`, then the smaller places.
    void choose(int place, int below, const Partial& above) {
        const int left = place;  // numbers still to choose below this one
        for (int n = place + 1; n < below; ++n) {
            Partial p = above;
            p.odd += n % 2;
            p.low += n < lowestHigh(highest_);
            p.sum += n;
            p.leadingRun = place < kDraw - 1 && n + 1 == draw_[place + 1] ? above.leadingRun + 1 : 1;
            p.longestRun = std::max(above.longestRun, p.leadingRun);
            p.fields += std::uint64_t(1) << (n % 10 * 4);
            p.fields += std::uint64_t(1) << ((kDigits + n / 10) * 4);
            if (f_.sum) {
                // The smallest numbers can add no less than 1 + ... + left, the largest no more
                // than those just below n.
                if (p.sum + left * (left + 1) / 2 > f_.sum->high) break;
                if (p.sum + left * (n - 1) - left * (left - 1) / 2 < f_.sum->low) continue;
            }
            if (f_.odd && (p.odd > f_.odd->high || p.odd + left < f_.odd->low)) continue;
            if (f_.low && (p.low > f_.low->high || p.low + left < f_.low->low)) continue;
            if (f_.longestRun && p.longestRun > *f_.longestRun) continue;
            if (((p.fields + bias_) & over_) != 0) continue;
            draw_[place] = n;
            if (place == 0)
                visit_(draw_);
            else
                choose(place - 1, n, p);
        }
    }

    const DrawFilter& f_;
    int highest_;
    const std::function<void(const Draw&)>& visit_;
    std::uint64_t bias_ = 0, over_ = 0;
    Draw draw_{};
};

}  // namespace

void forEachPassingDraw(const DrawFilter& filter, int highest, const std::function<void(const Draw&)>& visit) {
    PassingWalk(filter, highest, visit).walk();
}

std::string filterText(const DrawFilter& f) {
    std::string text;
    auto add = [&](const char* name, const std::string& value) {
        if (!text.empty()) text += ',';
        text += name;
        text += '=';
        text += value;
    };
    auto range = [](const CountRange& r) { return std::to_string(r.low) + "-" + std::to_string(r.high); };
    if (f.odd) add("odd", range(*f.odd));
    if (f.low) add("low", range(*f.low));
    if (f.sum) add("sum", range(*f.sum));
    if (f.longestRun) add("run", std::to_string(*f.longestRun));
    if (f.perDecade) add("decade", std::to_string(*f.perDecade));
    if (f.perLastDigit) add("digit", std::to_string(*f.perLastDigit));
    return text;
}

std::string FilterProblem::message() const {
    return "cannot read \"" + part + "\" in the filter: " + reason;
}

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::optional<int> wholeNumber(std::string_view text) {
    text = trimmed(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

std::optional<CountRange> rangeOf(std::string_view text) {
    const std::size_t dash = text.find('-');
    const auto low = wholeNumber(text.substr(0, dash));
    const auto high = dash == std::string_view::npos ? low : wholeNumber(text.substr(dash + 1));
    if (!low || !high) return std::nullopt;
    return CountRange{*low, *high};
}

}  // namespace

std::variant<DrawFilter, FilterProblem> parseDrawFilter(std::string_view text, int highest) {
    DrawFilter f;
    if (trimmed(text).empty()) return f;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view part = trimmed(text.substr(start, comma - start));
        start = comma + 1;
        auto problem = [&](std::string reason) { return FilterProblem{std::string(part), std::move(reason)}; };
        const std::size_t equals = part.find('=');
        if (part.empty()) return problem("a part is empty (two commas in a row, or one at an end)");
        if (equals == std::string_view::npos) return problem("a part is written name=value");
        const std::string_view name = trimmed(part.substr(0, equals));
        const std::string_view value = trimmed(part.substr(equals + 1));

        if (name == "odd" || name == "low" || name == "sum") {
            std::optional<CountRange>& slot = name == "odd" ? f.odd : name == "low" ? f.low : f.sum;
            if (slot) return problem("\"" + std::string(name) + "\" is given twice");
            const auto range = rangeOf(value);
            if (!range) return problem("\"" + std::string(value) + "\" is not a range of whole numbers a-b");
            if (range->low > range->high)
                return problem("the range goes the wrong way round (" + std::to_string(range->low) + " is above " +
                               std::to_string(range->high) + ")");
            const int most = name == "sum" ? highestSum(highest) : kDraw;
            if (range->high > most)
                return problem(name == "sum" ? "no draw of a game up to " + std::to_string(highest) +
                                                   " adds up to more than " + std::to_string(most)
                                             : "a draw has five numbers, so no count is above 5");
            slot = range;
        } else if (name == "run" || name == "decade" || name == "digit") {
            std::optional<int>& slot = name == "run" ? f.longestRun : name == "decade" ? f.perDecade : f.perLastDigit;
            if (slot) return problem("\"" + std::string(name) + "\" is given twice");
            const auto limit = wholeNumber(value);
            if (!limit) return problem("\"" + std::string(value) + "\" is not a whole number");
            if (*limit < 1 || *limit > kDraw) return problem("the limit must be from 1 to 5 (a draw has five numbers)");
            slot = limit;
        } else {
            return problem("unknown filter \"" + std::string(name) +
                           "\" (the filters are odd, low, sum, run, decade and digit)");
        }
    }
    return f;
}

}  // namespace norvex5::workshop
