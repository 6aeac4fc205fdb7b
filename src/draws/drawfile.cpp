#include "draws/drawfile.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>
#include <string_view>
#include <unordered_map>
#include <cstdint>

#include "externalwheels/fileshape.h"
#include "textfiles/fieldnumber.h"
#include "textfiles/textfilereader.h"

namespace norvex5::draws {

namespace {

// Operators publish semicolon and comma files, some programs tabs; plain lines use blanks. The
// blank comes last because blanks also sit inside the fields of the other shapes.
constexpr const char* kDrawSeparators[] = {";", ",", "\t", " "};
constexpr std::size_t kSampledLines = 20;

using Fields = std::vector<std::string_view>;

// What a field holds once blanks and the quotes of a quoted CSV field are taken off.
std::string_view cellText(std::string_view field) {
    field = trimBlanks(field);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') field = trimBlanks(field.substr(1, field.size() - 2));
    return field;
}

void splitFields(std::string_view line, char separator, Fields& fields, int most = TextFileReader::kMaxFields) {
    fields.clear();
    std::size_t p = 0;
    std::string_view field;
    while (static_cast<int>(fields.size()) < most &&
           nextField(line, separator, p, fields.empty(), field))
        fields.push_back(cellText(field));
}

std::optional<int> numberIn(std::string_view text, int lowest, int highest) {
    const auto value = fieldNumber(text);
    if (!value || *value < lowest || *value > highest) return std::nullopt;
    return *value;
}

// The numbers one field holds, split at blanks, dashes and commas ("04 12 19 25 33",
// "3-12-19-25-32"); `count` is how many pieces there were, numbers or not.
int numbersInOneField(std::string_view text, std::array<std::int32_t, kDrawnNumbers + 1>& numbers, bool& allNumbers) {
    int count = 0;
    allNumbers = true;
    std::size_t p = 0;
    while (p < text.size()) {
        while (p < text.size() && (text[p] == ' ' || text[p] == '-' || text[p] == ',' || text[p] == '\t')) ++p;
        if (p == text.size()) break;
        const std::size_t start = p;
        while (p < text.size() && text[p] != ' ' && text[p] != '-' && text[p] != ',' && text[p] != '\t') ++p;
        const auto value = fieldNumber(text.substr(start, p - start));
        if (!value) allNumbers = false;
        if (count < kDrawnNumbers + 1) numbers[count] = value.value_or(0);
        ++count;
    }
    return count;
}

bool fiveNumbersInField(std::string_view text, int highest) {
    std::array<std::int32_t, kDrawnNumbers + 1> numbers{};
    bool allNumbers = false;
    if (numbersInOneField(text, numbers, allNumbers) != kDrawnNumbers || !allNumbers) return false;
    return std::all_of(numbers.begin(), numbers.begin() + kDrawnNumbers, [&](int n) { return n >= 1 && n <= highest; });
}

bool fiveNumbersFrom(const Fields& fields, std::size_t first, int highest) {
    if (first + kDrawnNumbers > fields.size()) return false;
    for (std::size_t k = first; k < first + kDrawnNumbers; ++k)
        if (!numberIn(fields[k], 1, highest)) return false;
    return true;
}

// A line that can be a draw: a date and five numbers of the game, in five fields or in one.
bool readsAsDraw(std::string_view line, char separator, int highest) {
    Fields fields;
    splitFields(line, separator, fields);
    bool date = false;
    bool numbers = false;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        date = date || readWrittenDate(fields[k]).has_value();
        numbers = numbers || fiveNumbersFrom(fields, k, highest) || fiveNumbersInField(fields[k], highest);
    }
    return date && numbers;
}

// A line shaped like a draw line, good or bad: a date and at least four numbers of up to two
// digits, in fields or in one field. A bad draw among the first lines (six numbers, a 0, a 99, a
// day the calendar lacks) must not pass for a header line; a header line has no date.
bool looksLikeDrawLine(std::string_view line, char separator) {
    constexpr int kFewestNumbers = 4;
    Fields fields;
    splitFields(line, separator, fields);
    bool date = false;
    int numberFields = 0;
    bool oneFieldOfNumbers = false;
    std::array<std::int32_t, kDrawnNumbers + 1> numbers{};
    for (const std::string_view field : fields) {
        if (readWrittenDate(field)) {
            date = true;
            continue;
        }
        numberFields += numberIn(field, 0, kHighestBonusNumber).has_value();
        bool allNumbers = false;
        oneFieldOfNumbers =
            oneFieldOfNumbers || (numbersInOneField(field, numbers, allNumbers) >= kFewestNumbers && allNumbers);
    }
    return date && (numberFields >= kFewestNumbers || oneFieldOfNumbers);
}

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool namesDrawNumber(const std::string& name) {
    const std::string n = lowered(name);
    if (n.find("date") != std::string::npos) return false;
    return n.find("numero_de_tirage") != std::string::npos || n.find("numéro de tirage") != std::string::npos ||
           (n.find("draw") != std::string::npos &&
            (n.find("number") != std::string::npos || n.find("no") != std::string::npos) &&
            n.find("numbers") == std::string::npos);
}

// The first column for which `holds` is true in every sampled line; 0 when there is none.
template <typename Holds>
int firstColumnWhere(const std::vector<Fields>& sample, std::size_t columns, Holds&& holds) {
    for (std::size_t c = 0; c < columns; ++c) {
        const bool all = std::all_of(sample.begin(), sample.end(), [&](const Fields& f) { return holds(f, c); });
        if (all) return static_cast<int>(c) + 1;
    }
    return 0;
}

void guessColumns(DrawFileShape& shape, const std::vector<Fields>& sample, int highest) {
    std::size_t columns = 0;
    for (const Fields& f : sample) columns = std::max(columns, f.size());
    const auto cell = [](const Fields& f, std::size_t c) { return c < f.size() ? f[c] : std::string_view(); };

    shape.dateColumn =
        firstColumnWhere(sample, columns, [&](const Fields& f, std::size_t c) { return readWrittenDate(cell(f, c)).has_value(); });
    const auto holdsDate = [&](std::size_t first, std::size_t count) {
        const int date = shape.dateColumn - 1;
        return date >= static_cast<int>(first) && date < static_cast<int>(first + count);
    };
    const int run = firstColumnWhere(sample, columns, [&](const Fields& f, std::size_t c) {
        return !holdsDate(c, kDrawnNumbers) && fiveNumbersFrom(f, c, highest);
    });
    int afterNumbers = 0;
    if (run > 0) {
        for (int k = 0; k < kDrawnNumbers; ++k) shape.numberColumns.push_back(run + k);
        afterNumbers = run + kDrawnNumbers;
    } else if (const int single = firstColumnWhere(sample, columns, [&](const Fields& f, std::size_t c) {
                   return !holdsDate(c, 1) && fiveNumbersInField(cell(f, c), highest);
               });
               single > 0) {
        shape.numberColumns = {single};
        afterNumbers = single + 1;
    }
    // Bonus numbers follow the five: a number in each line, in a column whose name is no date.
    if (afterNumbers > 0) {
        for (int c = afterNumbers; c < afterNumbers + kMaxBonusNumbers && c <= static_cast<int>(columns); ++c) {
            const std::size_t index = static_cast<std::size_t>(c - 1);
            if (index < shape.columnNames.size() && lowered(shape.columnNames[index]).find("date") != std::string::npos)
                break;
            const bool numbers = std::all_of(sample.begin(), sample.end(), [&](const Fields& f) {
                return numberIn(cell(f, index), 1, std::min(highest, kHighestBonusNumber)).has_value();
            });
            if (!numbers || c == shape.dateColumn) break;
            shape.bonusColumns.push_back(c);
        }
    }
    for (std::size_t c = 0; c < shape.columnNames.size(); ++c) {
        if (!namesDrawNumber(shape.columnNames[c])) continue;
        if (std::all_of(sample.begin(), sample.end(), [&](const Fields& f) { return fieldNumber(cell(f, c)).has_value(); })) {
            shape.drawNumberColumn = static_cast<int>(c) + 1;
            break;
        }
    }
    // The field count most of the lines have: one line with a sixth number must not set it.
    std::unordered_map<std::size_t, int> lines;
    int most = 0;
    for (const Fields& f : sample)
        if (const int n = ++lines[f.size()]; n > most || (n == most && static_cast<int>(f.size()) < shape.fieldCount)) {
            most = n;
            shape.fieldCount = static_cast<int>(f.size());
        }
}

struct LineVerdict {
    std::optional<RefusalReason> refusal;
    WrittenDate written;
};

LineVerdict judgeLine(const Fields& fields, const DrawFileShape& shape, int highest, DrawRecord& draw) {
    const auto cell = [&](int column) {
        return column >= 1 && static_cast<std::size_t>(column) <= fields.size() ? fields[column - 1] : std::string_view();
    };
    std::array<std::int32_t, kDrawnNumbers + 1> numbers{};
    bool allNumbers = true;
    int count = 0;
    if (shape.numberColumns.size() == 1) {
        count = numbersInOneField(cell(shape.numberColumns[0]), numbers, allNumbers);
    } else {
        for (const int column : shape.numberColumns) {
            const auto value = fieldNumber(cell(column));
            allNumbers = allNumbers && value.has_value();
            numbers[count++] = value.value_or(0);
        }
        // A number where the file's draw lines have no more fields: the line draws six numbers.
        if (shape.fieldCount > 0 && fields.size() > static_cast<std::size_t>(shape.fieldCount) &&
            fieldNumber(fields[shape.fieldCount]).has_value())
            count = kDrawnNumbers + 1;
    }
    if (count != kDrawnNumbers || !allNumbers) return {RefusalReason::NotFiveNumbers, {}};
    for (int k = 0; k < kDrawnNumbers; ++k) draw.numbers[k] = numbers[k];
    draw.bonus.clear();
    if (const auto refusal = refusalOf(draw, highest)) return {*refusal, {}};
    for (const int column : shape.bonusColumns) {
        const auto bonus = numberIn(cell(column), 1, kHighestBonusNumber);
        if (!bonus) return {RefusalReason::BadBonus, {}};
        draw.bonus.push_back(*bonus);
    }
    const auto written = readWrittenDate(cell(shape.dateColumn));
    if (!written) return {RefusalReason::NotADate, {}};
    draw.drawNumber.reset();
    if (shape.drawNumberColumn > 0)
        if (const auto number = fieldNumber(cell(shape.drawNumberColumn)); number && *number >= 0) draw.drawNumber = *number;
    return {std::nullopt, *written};
}

bool isTooLarge(const std::string& fileName) {
    std::error_code error;
    const auto size = std::filesystem::file_size(fileName, error);
    return !error && size > kMaxDrawFileBytes;
}

}  // namespace

DrawShapeGuess guessDrawFileShape(const std::string& fileName, int highestNumber) {
    DrawShapeGuess guess;
    if (isTooLarge(fileName)) {
        guess.problem = DrawFileProblem::TooLarge;
        return guess;
    }
    const auto lines = linesForShapeGuess(fileName);
    if (!lines) {
        try {
            TextFileReader reader;
            reader.open(fileName);
        } catch (const std::exception& e) {
            guess.readerError = e.what();
        }
        guess.problem = DrawFileProblem::Unreadable;
        return guess;
    }
    if (startsLikeBinary(fileName)) {
        guess.problem = DrawFileProblem::NotText;
        return guess;
    }
    for (std::size_t k = 0; k < lines->size(); ++k)
        if ((*lines)[k].size() > kMaxDrawLineLength) {
            guess.problem = DrawFileProblem::LineTooLong;
            guess.problemLine = static_cast<std::int64_t>(k) + 1;
            return guess;
        }
    // A header line never holds a date, so the first line that looks like a draw ends the header:
    // a note or a year's heading among the first draws is refused as it is read, and the draws
    // above it are not lost as header lines.
    const auto base = guessShape(
        *lines, kDrawSeparators,
        [&](std::string_view line, char separator) { return looksLikeDrawLine(line, separator); },
        SampleFit::FirstAndMost);
    if (!base) {
        guess.problem = DrawFileProblem::NoDraw;
        return guess;
    }
    DrawFileShape& shape = guess.shape;
    shape.separator = base->separator;
    shape.linesToSkip = base->linesToSkip;
    const char separator = shape.separator[0];
    if (shape.linesToSkip > 0) {
        Fields names;
        splitFields((*lines)[shape.linesToSkip - 1], separator, names);
        shape.columnNames.assign(names.begin(), names.end());
    }
    // Only lines that read as draws tell the columns: a bad line among the first would hide them.
    std::vector<Fields> sample;
    for (std::size_t k = shape.linesToSkip; k < lines->size() && sample.size() < kSampledLines; ++k) {
        if (!readsAsDraw((*lines)[k], separator, highestNumber)) continue;
        sample.emplace_back();
        splitFields((*lines)[k], separator, sample.back());
    }
    guessColumns(shape, sample, highestNumber);
    if (shape.dateColumn == 0 || shape.numberColumns.empty()) {
        guess.problem = DrawFileProblem::NoDraw;
        return guess;
    }
    DateOrderVote vote;
    for (const Fields& f : sample)
        if (const auto written = readWrittenDate(f[shape.dateColumn - 1])) vote.add(*written);
    shape.dateOrder = vote.decided();
    return guess;
}

DrawFileReading readDrawFile(const std::string& fileName, const DrawFileShape& shape, int highestNumber,
                             std::size_t firstDraws) {
    DrawFileReading reading;
    if (isTooLarge(fileName)) {
        reading.problem = DrawFileProblem::TooLarge;
        return reading;
    }
    if (startsLikeBinary(fileName)) {
        reading.problem = DrawFileProblem::NotText;
        return reading;
    }
    // Dates are given their meaning once every line has been read: the order may only show late
    // in the file (the first day above 12).
    std::vector<WrittenDate> writtenDates;
    DateOrderVote vote;
    try {
        TextFileReader reader;
        reader.separator = shape.separator.empty() ? ';' : shape.separator[0];
        reader.open(fileName);
        for (int k = 0; k < shape.linesToSkip && !reader.atEnd(); ++k) reader.readLine();
        // A draw line is read only as far as its last column of use, and one field further (where
        // a sixth number would stand).
        int fieldsUsed = std::max({shape.dateColumn, shape.drawNumberColumn, shape.fieldCount + 1});
        for (const int column : shape.numberColumns) fieldsUsed = std::max(fieldsUsed, column);
        for (const int column : shape.bonusColumns) fieldsUsed = std::max(fieldsUsed, column);
        fieldsUsed = std::min(fieldsUsed, TextFileReader::kMaxFields);
        Fields fields;
        DrawRecord draw;
        while (!reader.atEnd() && reading.draws.size() < firstDraws) {
            if (reader.currentLine().size() > kMaxDrawLineLength) {
                reading.problem = DrawFileProblem::LineTooLong;
                reading.problemLine = reader.lineNumber();
                reading.draws.clear();
                return reading;
            }
            splitFields(reader.currentLine(), reader.separator, fields, fieldsUsed);
            draw.line = reader.lineNumber();
            const LineVerdict verdict = judgeLine(fields, shape, highestNumber, draw);
            if (verdict.refusal) {
                reading.refused.push_back({draw.line, *verdict.refusal});
            } else {
                reading.draws.push_back(draw);
                writtenDates.push_back(verdict.written);
                vote.add(verdict.written);
            }
            reader.readLine();
        }
    } catch (const std::exception& e) {
        reading.problem = DrawFileProblem::Unreadable;
        reading.readerError = e.what();
        reading.draws.clear();
        return reading;
    }
    reading.dateOrder = shape.dateOrder != DateOrder::Undecided ? shape.dateOrder : vote.decided();
    if (reading.draws.empty() && reading.refused.empty()) {
        reading.problem = DrawFileProblem::NoDraw;
        return reading;
    }
    if (reading.dateOrder == DateOrder::Undecided && !reading.draws.empty()) {
        reading.problem = DrawFileProblem::DatesUndecided;
        reading.draws.clear();
        return reading;
    }
    // Each date once: the first draw of a date is kept, in place, the others told apart. A table by
    // date key, spanning only the file's own dates, holds where each kept draw stands: a small file
    // pays for the days it covers, not for three centuries.
    std::vector<std::optional<CalendarDate>> dates(reading.draws.size());
    int firstKey = CalendarDate{kLastYear, 12, 31}.key();
    int lastKey = CalendarDate{kFirstYear, 1, 1}.key();
    for (std::size_t k = 0; k < reading.draws.size(); ++k) {
        dates[k] = calendarDate(writtenDates[k], reading.dateOrder);
        if (!dates[k]) continue;
        firstKey = std::min(firstKey, dates[k]->key());
        lastKey = std::max(lastKey, dates[k]->key());
    }
    std::vector<std::int32_t> keptAt(firstKey <= lastKey ? static_cast<std::size_t>(lastKey - firstKey + 1) : 0, -1);
    std::size_t kept = 0;
    for (std::size_t k = 0; k < reading.draws.size(); ++k) {
        DrawRecord& draw = reading.draws[k];
        const auto& date = dates[k];
        if (!date) {
            reading.refused.push_back({draw.line, RefusalReason::NotADate});
            continue;
        }
        draw.date = *date;
        std::int32_t& at = keptAt[static_cast<std::size_t>(date->key() - firstKey)];
        if (at < 0) {
            at = static_cast<std::int32_t>(kept);
            if (kept != k) reading.draws[kept] = std::move(draw);
            ++kept;
        } else if (reading.draws[static_cast<std::size_t>(at)].sameDraw(draw)) {
            ++reading.repeatedLines;
        } else {
            reading.refused.push_back({draw.line, RefusalReason::DateTwice});
        }
    }
    reading.draws.resize(kept);
    std::sort(reading.refused.begin(), reading.refused.end(),
              [](const RefusedLine& a, const RefusedLine& b) { return a.line < b.line; });
    return reading;
}

std::optional<RefusalReason> refusalOf(const DrawRecord& draw, int highestNumber) {
    for (std::size_t k = 0; k < draw.numbers.size(); ++k) {
        if (draw.numbers[k] < 1 || draw.numbers[k] > highestNumber) return RefusalReason::NumberOutOfRange;
        for (std::size_t j = 0; j < k; ++j)
            if (draw.numbers[j] == draw.numbers[k]) return RefusalReason::NumberTwice;
    }
    if (draw.bonus.size() > static_cast<std::size_t>(kMaxBonusNumbers)) return RefusalReason::BadBonus;
    for (const int bonus : draw.bonus)
        if (bonus < 1 || bonus > kHighestBonusNumber) return RefusalReason::BadBonus;
    return std::nullopt;
}

std::string describeRefusal(RefusalReason reason) {
    switch (reason) {
        case RefusalReason::NotFiveNumbers: return "not five numbers";
        case RefusalReason::NumberOutOfRange: return "a number outside the game's range";
        case RefusalReason::NumberTwice: return "a number twice";
        case RefusalReason::NotADate: return "a date that is not a date";
        case RefusalReason::BadBonus: return "a bonus number that is not a number";
        case RefusalReason::DateTwice: return "another draw on the same date";
    }
    return "";
}

std::ostream& operator<<(std::ostream& out, const RefusedLine& refused) {
    return out << "line " << refused.line << ": " << describeRefusal(refused.reason);
}

std::string describeProblem(DrawFileProblem problem, const std::string& readerError, std::int64_t problemLine) {
    switch (problem) {
        case DrawFileProblem::None: return "";
        case DrawFileProblem::Unreadable: return readerError.empty() ? "the file cannot be read" : readerError;
        case DrawFileProblem::NotText: return "not a text file";
        case DrawFileProblem::NoDraw: return "no line holds a draw (a date and five numbers of the game)";
        case DrawFileProblem::DatesUndecided:
            return "the dates read as day/month/year and as month/day/year alike; no day above 12 tells which";
        case DrawFileProblem::TooLarge:
            return "the file is larger than " + std::to_string(kMaxDrawFileBytes >> 20) + " MiB, too large for a draw file";
        case DrawFileProblem::LineTooLong:
            return "line " + std::to_string(problemLine) + " is longer than " + std::to_string(kMaxDrawLineLength) +
                   " bytes, too long for a draw";
    }
    return "";
}

}  // namespace norvex5::draws
