#include "workshop/drawfilter.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace norvex5::workshop {

namespace {

constexpr int kDraw = 5;
constexpr int kDigits = 10;
constexpr int kDecades = 6;  // 1-9 ... 50-59

// A number is low when it is at most half the game's highest number.
int lowestHigh(int highest) { return highest / 2 + 1; }

int highestSum(int highest) { return kDraw * highest - kDraw * (kDraw - 1) / 2; }

bool isLimiting(const std::optional<int>& limit) { return limit && *limit < kDraw; }

// What a filter asks of a draw, gathered number by number into counts that only grow, so that a
// part of a draw can be judged as it is built.
struct DrawTally {
    int odd = 0, low = 0, sum = 0;
    // Four-bit counts: the ten last digits, then the decades.
    std::uint64_t fields = 0;
    std::uint64_t numbers = 0;  // bit n for the number n
};

class DrawJudge {
public:
    DrawJudge(const DrawFilter& f, int highest) : f_(f), lowestHigh_(lowestHigh(highest)) {
        for (int digit = 0; digit < kDigits; ++digit) addLimit(digit * 4, f.perLastDigit);
        for (int decade = 0; decade < kDecades; ++decade) addLimit((kDigits + decade) * 4, f.perDecade);
    }

    const DrawFilter& filter() const { return f_; }

    void add(DrawTally& t, int n) const {
        t.odd += n % 2;
        t.low += n < lowestHigh_;
        t.sum += n;
        t.fields += std::uint64_t(1) << (n % 10 * 4);
        t.fields += std::uint64_t(1) << ((kDigits + n / 10) * 4);
        t.numbers |= std::uint64_t(1) << n;
    }

    // False once a count is over its limit or a run too long: more numbers cannot mend it.
    bool withinLimits(const DrawTally& t) const { return ((t.fields + bias_) & over_) == 0 && runWithin(t.numbers); }

    bool runWithin(std::uint64_t numbers) const {
        if (!f_.longestRun) return true;
        // A run of c + 1 numbers leaves a bit in the numbers anded with themselves shifted 1..c.
        std::uint64_t run = numbers;
        for (int shift = 1; shift <= *f_.longestRun && run != 0; ++shift) run &= numbers >> shift;
        return run == 0;
    }

    // False when a part of a draw with `left` numbers still to come can no longer pass: too many
    // odd or low numbers already, too few with all the rest odd or low, a count over its limit.
    bool mayComplete(const DrawTally& t, int left) const {
        if (f_.odd && (t.odd > f_.odd->high || t.odd + left < f_.odd->low)) return false;
        if (f_.low && (t.low > f_.low->high || t.low + left < f_.low->low)) return false;
        return withinLimits(t);
    }

    // Of a whole draw.
    bool passes(const DrawTally& t) const {
        return (!f_.odd || f_.odd->holds(t.odd)) && (!f_.low || f_.low->holds(t.low)) &&
               (!f_.sum || f_.sum->holds(t.sum)) && withinLimits(t);
    }

private:
    // The limit's complement to 7, added to a field, makes a count over the limit reach 8: one
    // test finds any count over its limit. A count is at most 5, so no field carries into the next.
    void addLimit(int shift, const std::optional<int>& limit) {
        if (!limit || *limit >= kDraw) return;
        bias_ |= std::uint64_t(7 - *limit) << shift;
        over_ |= std::uint64_t(8) << shift;
    }

    const DrawFilter& f_;
    int lowestHigh_;
    std::uint64_t bias_ = 0, over_ = 0;
};

// How many draws pass every condition but the last digit's. The numbers are taken one by one,
// ascending; a partial draw of k numbers (k <= 4; the fifth is counted at once) is the cell
// [k][odd][run][decade][sum]. A dimension a condition does not need has one entry, so an
// unfiltered dimension costs nothing; only cells a partial draw can reach are visited.
class PassingCounter {
public:
    PassingCounter(const DrawFilter& f, int highest) : f_(f), highest_(highest) {
        size_[kOdd] = f.odd ? std::min(f.odd->high, kDraw - 1) + 1 : 1;
        size_[kRun] = isLimiting(f.longestRun) ? *f.longestRun + 1 : 1;
        size_[kDecade] = isLimiting(f.perDecade) ? *f.perDecade + 1 : 1;
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
    enum Dimension { kOdd, kRun, kDecade, kDimensions };
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
            const std::int64_t* from = &cells_[offset(k, at)];
            if (k + 1 < kDraw) {
                std::int64_t* into = &cells_[offset(k + 1, to)];
                for (int s = low; s <= std::min(high, sumSize_ - 1 - shift); ++s) into[s + shift] += from[s];
                return;
            }
            // The fifth number: the draw is whole and counted now.
            if (f_.odd && !f_.odd->holds(odd)) return;
            if (f_.low && n < lowestHigh(highest_) && !f_.low->holds(kDraw)) return;
            const int first = bySum_ ? std::max(low, f_.sum->low - n) : low;
            const int last = bySum_ ? std::min(high, f_.sum->high - n) : high;
            for (int s = first; s <= last; ++s) passing_ += from[s];
        });
    }

    const DrawFilter& f_;
    int highest_;
    Index size_{};
    std::array<std::size_t, kDimensions> stride_{};
    std::size_t levelStride_ = 0;
    bool bySum_ = false;
    int sumSize_ = 1;
    std::vector<std::int64_t> cells_;
    std::int64_t passing_ = 0;
};

// How many draws pass when at most one number may end in each digit. The numbers are taken in
// order as by PassingCounter, a partial draw carrying which digits it has used: a number whose
// digit is used cannot join it. That set also settles the odd count (a number's parity is its
// digit's) and, with one number a digit, the digits' part of the sum, so the sum is carried as
// the sum of the decades only (n = 10 * decade + digit): a few values where the sum has many.
// The cell of a partial draw of k numbers is [k][digits used][run][decade count][decades' sum].
class DistinctDigitCounter {
public:
    DistinctDigitCounter(const DrawFilter& f, int highest) : f_(f), highest_(highest) {
        runSize_ = isLimiting(f.longestRun) ? *f.longestRun + 1 : 1;
        decadeSize_ = isLimiting(f.perDecade) ? *f.perDecade + 1 : 1;
        decadesSize_ = (kDraw - 1) * (highest / 10) + 1;
        for (unsigned used = 0; used < (1u << kDigits); ++used) {
            const int k = __builtin_popcount(used);
            if (k >= kDraw) continue;
            rankOf_[used] = static_cast<int>(usedSets_[k].size());
            usedSets_[k].push_back(used);
        }
        for (int k = 0; k < kDraw; ++k)
            cells_[k].assign(usedSets_[k].size() * runSize_ * decadeSize_ * decadesSize_, 0);
        cells_[0][0] = 1;
    }

    std::int64_t count() {
        for (int n = 1; n <= highest_; ++n) {
            if (decadeSize_ > 1 && n % 10 == 0)
                for (int k = 1; k < kDraw; ++k) endCount(k, n, kDecadeCount);
            for (int k = kDraw - 1; k >= 0; --k) {
                take(k, n);
                if (runSize_ > 1 && k > 0) endCount(k, n, kRun);
            }
            if (f_.low && n == lowestHigh(highest_) - 1)
                for (int k = 0; k < kDraw; ++k)
                    if (!f_.low->holds(k)) std::fill(cells_[k].begin(), cells_[k].end(), 0);
        }
        return passing_;
    }

private:
    enum Counted { kRun, kDecadeCount };

    std::size_t offset(unsigned used, int run, int decade) const {
        return ((std::size_t(rankOf_[used]) * runSize_ + run) * decadeSize_ + decade) * decadesSize_;
    }

    static int digitsSum(unsigned used) {
        int sum = 0;
        for (int digit = 0; digit < kDigits; ++digit) sum += (used >> digit & 1) * digit;
        return sum;
    }

    // The decades' sums a partial draw of k numbers below n can have, at most.
    int mostDecades(int k, int n) const { return std::min(decadesSize_ - 1, k * ((n - 1) / 10)); }

    // Moves every partial draw of k numbers below n to a count of 0 in the run or the decade's
    // count.
    void endCount(int k, int n, Counted counted) {
        std::vector<std::int32_t>& cells = cells_[k];
        const int most = mostDecades(k, n);
        for (const unsigned used : usedSets_[k])
            for (int run = 0; run < runSize_; ++run)
                for (int decade = 0; decade < decadeSize_; ++decade) {
                    const int from = counted == kRun ? run : decade;
                    if (from == 0) continue;
                    std::int32_t* source = &cells[offset(used, run, decade)];
                    std::int32_t* into = &cells[offset(used, counted == kRun ? 0 : run, counted == kRun ? decade : 0)];
                    for (int d = 0; d <= most; ++d) {
                        into[d] += source[d];
                        source[d] = 0;
                    }
                }
    }

    void take(int k, int n) {
        const unsigned bit = 1u << (n % 10);
        const int decadeOfN = n / 10;
        const int most = mostDecades(k, n);
        for (const unsigned used : usedSets_[k]) {
            if (used & bit) continue;
            const unsigned joined = used | bit;
            for (int run = 0; run < runSize_; ++run) {
                const int toRun = runSize_ > 1 ? run + 1 : 0;
                if (toRun >= runSize_ && runSize_ > 1) continue;
                for (int decade = 0; decade < decadeSize_; ++decade) {
                    const int toDecade = decadeSize_ > 1 ? decade + 1 : 0;
                    if (toDecade >= decadeSize_ && decadeSize_ > 1) continue;
                    const std::int32_t* from = &cells_[k][offset(used, run, decade)];
                    if (k + 1 < kDraw) {
                        std::int32_t* into = &cells_[k + 1][offset(joined, toRun, toDecade)];
                        for (int d = 0; d <= most; ++d) into[d + decadeOfN] += from[d];
                        continue;
                    }
                    complete(joined, n, from, most);
                }
            }
        }
    }

    // The fifth number n makes the draw of the digits `used` whole.
    void complete(unsigned used, int n, const std::int32_t* from, int most) {
        constexpr unsigned kOddDigits = 0b1010101010;
        if (f_.odd && !f_.odd->holds(__builtin_popcount(used & kOddDigits))) return;
        if (f_.low && n < lowestHigh(highest_) && !f_.low->holds(kDraw)) return;
        const int fixed = digitsSum(used) + 10 * (n / 10);
        for (int d = 0; d <= most; ++d)
            if (!f_.sum || f_.sum->holds(fixed + 10 * d)) passing_ += from[d];
    }

    const DrawFilter& f_;
    int highest_;
    int runSize_ = 1, decadeSize_ = 1, decadesSize_ = 1;
    std::array<std::vector<unsigned>, kDraw> usedSets_;
    std::array<int, 1 << kDigits> rankOf_{};
    // A cell counts partial draws of at most four numbers: at most C(50, 4), well within 32 bits.
    std::array<std::vector<std::int32_t>, kDraw> cells_;
    std::int64_t passing_ = 0;
};

// The draws of forEachPassingDraw, numbers chosen from the largest down so that a part of a draw
// that already fails cuts off every draw that would complete it.
class PassingWalk {
public:
    PassingWalk(const DrawFilter& f, int highest, const std::function<void(const Draw&)>& visit)
        : judge_(f, highest), highest_(highest), visit_(visit) {}

    void walk() { choose(kDraw - 1, highest_ + 1, DrawTally{}); }

private:
    // Picks draw_[place] below `below`, then the smaller places.
    void choose(int place, int below, const DrawTally& above) {
        const DrawFilter& f = judge_.filter();
        const int left = place;  // numbers still to choose below this one
        for (int n = place + 1; n < below; ++n) {
            DrawTally t = above;
            judge_.add(t, n);
            if (f.sum) {
                // The smallest numbers can add no less than 1 + ... + left, the largest no more
                // than those just below n.
                if (t.sum + left * (left + 1) / 2 > f.sum->high) break;
                if (t.sum + left * (n - 1) - left * (left - 1) / 2 < f.sum->low) continue;
            }
            if (!judge_.mayComplete(t, left)) continue;
            draw_[place] = n;
            if (place == 0)
                visit_(draw_);
            else
                choose(place - 1, n, t);
        }
    }

    DrawJudge judge_;
    int highest_;
    const std::function<void(const Draw&)>& visit_;
    Draw draw_{};
};

// Draws that pass every condition but the last digit's and put more than `limit` numbers on
// each digit of `digits` (one or two). They are few beside all draws: the digits' own numbers
// are chosen first, then the rest among the other numbers, every part that already fails cut
// off, and the last number counted rather than listed.
class OverDigitCount {
public:
    OverDigitCount(const DrawFilter& others, int highest, std::vector<int> digits, int limit)
        : judge_(others, highest), highest_(highest), digits_(std::move(digits)), limit_(limit) {
        for (int n = 1; n <= highest; ++n)
            if (std::find(digits_.begin(), digits_.end(), n % 10) == digits_.end()) elsewhere_.push_back(n);
        for (const int digit : digits_) {
            columns_.emplace_back();
            for (int n = 1; n <= highest; ++n)
                if (n % 10 == digit) {
                    columns_.back().push_back(n);
                    onDigits_ |= std::uint64_t(1) << n;
                }
        }
        firstAtLeast_.resize(highest + 2);
        for (int n = highest + 1, place = int(elsewhere_.size()); n >= 0; --n) {
            while (place > 0 && elsewhere_[place - 1] >= n) --place;
            firstAtLeast_[n] = place;
        }
        // For the last number: how many of the other numbers up to each place fall in each kind.
        kindsUpTo_.assign((elsewhere_.size() + 1) * kKinds, 0);
        for (std::size_t i = 0; i < elsewhere_.size(); ++i) {
            std::copy_n(&kindsUpTo_[i * kKinds], kKinds, &kindsUpTo_[(i + 1) * kKinds]);
            ++kindsUpTo_[(i + 1) * kKinds + kindOf(elsewhere_[i])];
        }
    }

    std::int64_t count() {
        chooseOnDigit(0, DrawTally{}, 0);
        return over_;
    }

private:
    // The place of the first of the other numbers that is at least n.
    std::size_t firstAtLeast(int n) const {
        return firstAtLeast_[std::clamp(n, 0, static_cast<int>(firstAtLeast_.size()) - 1)];
    }

    // A number's kind: its decade, whether it is odd, whether it is low.
    static constexpr int kKinds = kDecades * 4;
    int kindOf(int n) const { return (n / 10) * 4 + (n % 2) * 2 + (n < lowestHigh(highest_)); }

    void chooseOnDigit(std::size_t which, const DrawTally& t, int taken) {
        if (which == digits_.size()) {
            complete(t, kDraw - taken, 0);
            return;
        }
        const std::vector<int>& column = columns_[which];
        for (unsigned chosen = 0; chosen < (1u << column.size()); ++chosen) {
            const int count = __builtin_popcount(chosen);
            if (count <= limit_ || taken + count > kDraw) continue;
            DrawTally more = t;
            for (std::size_t i = 0; i < column.size(); ++i)
                if (chosen >> i & 1) judge_.add(more, column[i]);
            if (judge_.withinLimits(more)) chooseOnDigit(which + 1, more, taken + count);
        }
    }

    void complete(const DrawTally& t, int left, std::size_t from) {
        if (left == 0) {
            over_ += judge_.passes(t);
            return;
        }
        if (left == 1) {
            countLast(t, from);
            return;
        }
        const DrawFilter& f = judge_.filter();
        const int rest = left - 1;
        for (std::size_t i = from; i + left <= elsewhere_.size(); ++i) {
            DrawTally more = t;
            const int n = elsewhere_[i];
            judge_.add(more, n);
            if (f.sum) {
                // The rest adds at least the numbers just above n, at most the highest ones.
                if (more.sum + rest * n + rest * (rest + 1) / 2 > f.sum->high) break;
                if (more.sum + rest * highest_ - rest * (rest - 1) / 2 < f.sum->low) continue;
            }
            if (judge_.mayComplete(more, rest)) complete(more, rest, i + 1);
        }
    }

    // The last number, among elsewhere_[from...]: counted by kind within the sums allowed; then
    // the few that would make a run too long, next to a number taken, are taken back.
    void countLast(const DrawTally& t, std::size_t from) {
        const DrawFilter& f = judge_.filter();
        std::size_t end = elsewhere_.size();
        if (f.sum) {
            from = std::max(from, firstAtLeast(f.sum->low - t.sum));
            end = std::min(end, firstAtLeast(f.sum->high - t.sum + 1));
        }
        if (from >= end) return;
        // Which parities and sides of the half may come, and which decades still have room.
        unsigned oddLow = 0, decades = 0;
        for (int odd = 0; odd < 2; ++odd)
            for (int low = 0; low < 2; ++low)
                if ((!f.odd || f.odd->holds(t.odd + odd)) && (!f.low || f.low->holds(t.low + low)))
                    oddLow |= 1u << (odd * 2 + low);
        for (int decade = 0; decade < kDecades; ++decade) {
            const int inDecade = int(t.fields >> ((kDigits + decade) * 4) & 15);
            if (!isLimiting(f.perDecade) || inDecade < *f.perDecade) decades |= 1u << decade;
        }
        auto allowed = [&](int kind) { return (decades >> (kind / 4) & 1) && (oddLow >> (kind % 4) & 1); };
        if (oddLow == 15 && decades == (1u << kDecades) - 1) {
            over_ += static_cast<std::int64_t>(end - from);
        } else {
            const std::int32_t* upToEnd = &kindsUpTo_[end * kKinds];
            const std::int32_t* upToFrom = &kindsUpTo_[from * kKinds];
            std::int32_t among = 0;
            for (int kind = 0; kind < kKinds; ++kind) among += allowed(kind) ? upToEnd[kind] - upToFrom[kind] : 0;
            over_ += among;
        }
        if (!f.longestRun) return;
        const int lowest = elsewhere_[from], highest = elsewhere_[end - 1];
        std::uint64_t beside = (t.numbers << 1 | t.numbers >> 1) & ~t.numbers & ~onDigits_;
        beside &= (~std::uint64_t(0) << lowest) & (~std::uint64_t(0) >> (63 - highest));
        for (; beside != 0; beside &= beside - 1) {
            const int n = __builtin_ctzll(beside);
            if (allowed(kindOf(n)) && !judge_.runWithin(t.numbers | std::uint64_t(1) << n)) --over_;
        }
    }

    DrawJudge judge_;
    int highest_;
    std::vector<int> digits_;
    int limit_;
    std::vector<int> elsewhere_;
    std::vector<std::vector<int>> columns_;
    std::vector<std::int32_t> kindsUpTo_;  // [place][kind]: the other numbers before the place
    std::uint64_t onDigits_ = 0;           // the numbers of `digits`
    std::vector<std::size_t> firstAtLeast_;
    std::int64_t over_ = 0;
};

}  // namespace

bool passes(const DrawFilter& f, const Draw& draw, int highest) {
    const DrawJudge judge(f, highest);
    DrawTally t;
    for (const int n : draw) judge.add(t, n);
    return judge.passes(t);
}

std::int64_t passingDrawCount(const DrawFilter& f, int highest) {
    if (highest > kDecades * 10 - 1) return 0;
    if (!isLimiting(f.perLastDigit)) return PassingCounter(f, highest).count();
    if (*f.perLastDigit == 1) return DistinctDigitCounter(f, highest).count();
    // Every draw that passes the rest, less those over the limit on some digit: by inclusion and
    // exclusion over the digits, where more than the limit on two digits at once is possible only
    // for a limit of 1, and on three never.
    const int limit = *f.perLastDigit;
    DrawFilter others = f;
    others.perLastDigit.reset();
    std::vector<int> digits;
    for (int digit = 0; digit < kDigits; ++digit) {
        const int numbers = digit == 0 ? highest / 10 : (highest >= digit ? (highest - digit) / 10 + 1 : 0);
        if (numbers > limit) digits.push_back(digit);
    }
    std::int64_t passing = PassingCounter(others, highest).count();
    for (std::size_t a = 0; a < digits.size(); ++a) {
        passing -= OverDigitCount(others, highest, {digits[a]}, limit).count();
        if (2 * (limit + 1) > kDraw) continue;
        for (std::size_t b = a + 1; b < digits.size(); ++b)
            passing += OverDigitCount(others, highest, {digits[a], digits[b]}, limit).count();
    }
    return passing;
}

void forEachPassingDraw(const DrawFilter& filter, int highest, const std::function<void(const Draw&)>& visit) {
    if (highest <= kDecades * 10 - 1) PassingWalk(filter, highest, visit).walk();
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
