#include "textfiles/textfilereader.h"

#include <algorithm>
#include <optional>
#include <random>

#include <gtest/gtest.h>

#include "support/scratchfiles.h"
#include "textfiles/fieldnumber.h"
#include "textfilereference.h"

namespace norvex5 {
namespace {

using testing::ScratchDir;

std::vector<std::string> currentLines(const std::string& fileName) {
    TextFileReader reader;
    reader.open(fileName);
    std::vector<std::string> lines;
    while (!reader.atEnd()) {
        lines.push_back(reader.currentLine());
        reader.readLine();
    }
    return lines;
}

struct LinesCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

TEST(TextFile, LineEndsBlankLinesAndEndOfFile) {
    const std::string big(1 << 20, 'x');
    const LinesCase cases[] = {
        {"blank lines between", "one\n\n\n \t \ntwo\nthree", {"one", "two", "three"}},
        {"empty file", "", {}},
        {"only blank lines", "\n  \n\t\n\r\n", {}},
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"lone CR dropped", "a\rb\n\rc\r", {"ab", "c"}},
        {"only CRs", "\r\r\r", {}},
        {"Ctrl-Z mid-line",
         std::string("a\nb\x1a"
                     "c\nd\n"),
         {"a", "b"}},
        {"Ctrl-Z at a line start",
         std::string("a\n\x1a"
                     "b\n"),
         {"a"}},
        {"Ctrl-Z first",
         std::string("\x1a"
                     "a\n"),
         {}},
        {"no line end at the end", "a\nlast", {"a", "last"}},
        {"blanks kept", "  x \t", {"  x \t"}},
        {"NUL and high bytes", std::string("a\0b\xff\x80", 5), {std::string("a\0b\xff\x80", 5)}},
        {"1 MB line", "1;" + big + "\n2\n", {"1;" + big, "2"}},
    };
    ScratchDir dir;
    for (const LinesCase& c : cases) EXPECT_EQ(currentLines(dir.file("f.txt", c.bytes)), c.lines) << c.name;
}

TEST(TextFile, LineNumbersCountBlankLinesAsAnEditorDoes) {
    ScratchDir dir;
    TextFileReader reader;
    // CR LF, a blank line, a line of blanks, a lone CR inside a line and a last line without end.
    reader.open(dir.file("n.txt", "\r\nfirst\r\n\n  \nfo\rurth\nlast"));
    std::vector<std::pair<std::string, std::int64_t>> seen;
    while (!reader.atEnd()) {
        seen.emplace_back(reader.currentLine(), reader.lineNumber());
        reader.readLine();
    }
    EXPECT_EQ(seen, (std::vector<std::pair<std::string, std::int64_t>>{{"first", 2}, {"fourth", 5}, {"last", 6}}));
    // Opening another file counts afresh.
    reader.open(dir.file("m.txt", "\n\nx\n"));
    EXPECT_EQ(reader.lineNumber(), 3);
}

TEST(TextFile, AtEndOnlyAfterTheLastLineWasLeft) {
    ScratchDir dir;
    TextFileReader reader;
    reader.open(dir.file("f.txt", "a\nb\n\n"));
    EXPECT_EQ(reader.currentLine(), "a");
    EXPECT_TRUE(reader.readLine());
    EXPECT_EQ(reader.currentLine(), "b");
    EXPECT_FALSE(reader.atEnd()) << "the last line is current: not at the end yet";
    EXPECT_FALSE(reader.readLine());
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.readLine()) << "reading on past the end stays at the end";
    EXPECT_TRUE(reader.atEnd());
}

TEST(TextFile, OpenWithTheSameNameDoesNotRewind) {
    ScratchDir dir;
    const std::string first = dir.file("first.txt", "1\n2\n3\n");
    const std::string second = dir.file("second.txt", "x\n");
    TextFileReader reader;
    reader.open(first);
    reader.readLine();
    reader.open(first);
    EXPECT_EQ(reader.currentLine(), "2");
    reader.open(second);
    EXPECT_EQ(reader.currentLine(), "x");
}

template <typename Exception, typename Action>
std::string failure(Action action) {
    try {
        action();
    } catch (const Exception& e) {
        return e.what();
    } catch (...) {
        return "(another exception)";
    }
    return "(no exception)";
}

TEST(TextFile, FailuresAndTheirMessages) {
    ScratchDir dir;
    const std::string missing = (dir.path() / "missing.txt").string();
    const std::string folder = dir.path().string();

    TextFileReader reader;
    EXPECT_EQ(failure<TextFileError>([&] { reader.open(missing); }),
              "Could not open the file \"" + missing + "\" for reading");
    EXPECT_FALSE(reader.isOpen());

    TextFileReader truncatedName;
    const std::string withNul = dir.file("real.txt", "x\n") + std::string("\0.bak", 5);
    EXPECT_EQ(failure<TextFileError>([&] { truncatedName.open(withNul); }).rfind("Could not open the file \"", 0), 0u)
        << "a name with a NUL is not cut short into the name of another file";
    EXPECT_FALSE(truncatedName.isOpen());

    TextFileReader onFolder;
    EXPECT_EQ(failure<TextFileError>([&] { onFolder.open(folder); }),
              "Could not open the file \"" + folder + "\" for reading");

    // A device is no file of lines; a named pipe would even keep the reader waiting for a writer.
    TextFileReader onDevice;
    EXPECT_EQ(failure<TextFileError>([&] { onDevice.open("/dev/null"); }),
              "Could not open the file \"/dev/null\" for reading");

    TextFileReader fresh;
    EXPECT_EQ(failure<TextFileError>([&] { fresh.readLine(); }), "No valid file selected");
    EXPECT_EQ(failure<FileNotOpenError>([&] { (void)fresh.atEnd(); }), "File not open")
        << "a reader without a file fails with the platform's error, not the reader's";

    TextFileReader emptyName;
    emptyName.open("");
    EXPECT_FALSE(emptyName.isOpen());
    EXPECT_EQ(failure<TextFileError>([&] { emptyName.readLine(); }), "No valid file selected");

    // The kernel opens this file but refuses to read its first bytes.
    TextFileReader unreadable;
    EXPECT_EQ(failure<TextFileError>([&] { unreadable.open("/proc/self/mem"); }),
              "Read error while reading file \"/proc/self/mem\": Unknown error");
    EXPECT_FALSE(unreadable.isOpen());
}

struct FieldCase {
    char separator;
    std::string line;
    std::vector<std::pair<int, std::string>> fields;
};

TEST(TextFile, FieldsSplitAtExactlyOneSeparator) {
    std::string many;
    for (int k = 1; k <= 300; ++k) many += std::to_string(k) + ";";
    const FieldCase cases[] = {
        {',', "5,,7", {{1, "5"}, {2, ""}, {3, "7"}, {4, ""}}},
        {',', ",5", {{1, ""}, {2, "5"}}},
        {';', "a; b", {{1, "a"}, {2, " b"}}},
        {' ', "1  2", {{1, "1"}, {2, ""}, {3, "2"}}},
        {',', "1,", {{1, "1"}, {2, ""}}},
        {';', ";;;", {{1, ""}, {2, ""}, {3, ""}, {4, ""}}},
        {';', "x", {{0, ""}, {-1, ""}, {256, ""}, {1, "x"}}},
        {';', many, {{255, "255"}, {256, ""}, {1000, ""}, {1, "1"}}},
    };
    ScratchDir dir;
    for (const FieldCase& c : cases) {
        TextFileReader reader;
        reader.separator = c.separator;
        reader.open(dir.file("f.txt", c.line + "\n"));
        // Ask backwards too: the reader remembers where the last field ended.
        for (const auto& [index, text] : c.fields) EXPECT_EQ(reader.field(index), text) << c.line << " field " << index;
        for (auto it = c.fields.rbegin(); it != c.fields.rend(); ++it)
            EXPECT_EQ(reader.field(it->first), it->second) << c.line << " field " << it->first;
    }
}

TEST(TextFile, FieldsFollowTheSeparatorAndTheLine) {
    ScratchDir dir;
    TextFileReader reader;
    reader.separator = ',';
    reader.open(dir.file("f.txt", "1,2;3\n4,5\n"));
    EXPECT_EQ(reader.field(2), "2;3");
    reader.separator = ';';
    EXPECT_EQ(reader.field(2), "3");
    reader.separator = ',';
    reader.readLine();
    EXPECT_EQ(reader.field(2), "5");
    EXPECT_EQ(reader.field(1), "4");
}

// Random files of the bytes that matter (separators, blanks, tabs, CR, LF, Ctrl-Z, NUL, high
// bytes), some larger than the read buffer, read through the reader and through the obvious
// whole-file rules: every line and every field must agree.
TEST(TextFile, RandomFilesAgreeWithTheRules) {
    std::mt19937 random(20240611);
    const std::string alphabet = std::string("a1 \t;,\r\n\n\x1a\xff", 11) + std::string(1, '\0');
    const char separators[] = {' ', ',', ';'};
    ScratchDir dir;
    for (int round = 0; round < 400; ++round) {
        const std::size_t length = round % 40 == 0 ? 200000 + random() % 100000 : random() % 300;
        std::string bytes(length, ' ');
        const bool rareCtrlZ = round % 2 == 0;
        for (char& b : bytes) {
            b = alphabet[random() % alphabet.size()];
            if (b == '\x1a' && rareCtrlZ && random() % 64 != 0) b = '1';
        }
        const char separator = separators[random() % 3];
        const std::vector<std::string> expected = testing::referenceLines(bytes);

        TextFileReader reader;
        reader.separator = separator;
        reader.open(dir.file("r.txt", bytes));
        std::size_t k = 0;
        while (!reader.atEnd()) {
            ASSERT_LT(k, expected.size()) << "round " << round;
            ASSERT_EQ(reader.currentLine(), expected[k]) << "round " << round << " line " << k;
            for (int probe = 0; probe < 6; ++probe) {
                const int index = static_cast<int>(random() % 260);
                ASSERT_EQ(reader.field(index), testing::referenceField(expected[k], separator, index))
                    << "round " << round << " line " << k << " field " << index;
            }
            std::string_view all[8];
            reader.fields(all, 8);
            for (int f = 1; f <= 8; ++f)
                ASSERT_EQ(all[f - 1], testing::referenceField(expected[k], separator, f))
                    << "round " << round << " line " << k << " fields() " << f;
            // The one-walk reference the fuzz target uses must say the same as the literal one.
            const std::vector<std::string_view> walked = testing::referenceFields(expected[k], separator);
            for (int f = 1; f <= 256; ++f)
                ASSERT_EQ(std::size_t(f) <= walked.size() ? std::string(walked[f - 1]) : std::string(),
                          testing::referenceField(expected[k], separator, f))
                    << "round " << round << " line " << k << " walked field " << f;
            ++k;
            reader.readLine();
        }
        EXPECT_EQ(k, expected.size()) << "round " << round;
    }
}

// The loop that passes over huge files takes its usual lines without readLine(), and reads
// fields of one or two digits without the given reading: on random files of such lines among
// every kind of unusual one, both must agree with the plain loop and the plain fields, whether a
// line lies in the read buffer or runs across two fillings of it.
TEST(TextFile, LoopAndNumberFieldsAgreeWithThePlainReading) {
    std::mt19937 random(20261208);
    const std::string rare = "123 +-a\t;;\r\r\n\n\x1a";
    const char separators[] = {';', ',', ' '};
    const auto plainNumber = [](std::string_view text) { return trimmedFieldNumber(text); };
    ScratchDir dir;
    for (int round = 0; round < 300; ++round) {
        const char separator = separators[round % 3];
        const bool ctrlZ = round % 5 == 0;
        std::string bytes;
        const std::size_t size = round % 30 == 0 ? 150000 + random() % 100000 : random() % 2000;
        while (bytes.size() < size) {
            // Mostly the lines of a wheel file, "12;3;45;7;9;2;5" and its CR LF, some of them
            // longer or shorter; now and then anything at all.
            const int fields = 1 + static_cast<int>(random() % 9);
            for (int f = 0; f < fields; ++f) {
                if (f > 0) bytes += separator;
                const int digits = random() % 12 == 0 ? 3 : 1 + static_cast<int>(random() % 2);
                for (int d = 0; d < digits; ++d) bytes += static_cast<char>('0' + random() % 10);
                if (random() % 25 == 0) bytes += rare[random() % rare.size()];
            }
            bytes += random() % 3 == 0 ? "\n" : "\r\n";
            if (random() % 40 == 0) bytes += rare[random() % rare.size()];
        }
        if (!ctrlZ) std::replace(bytes.begin(), bytes.end(), '\x1a', '1');
        const std::string file = dir.file("r.txt", bytes);

        std::vector<std::string> plainLines;
        std::vector<std::vector<std::optional<std::int32_t>>> plainNumbers;
        {
            TextFileReader reader;
            reader.separator = separator;
            reader.open(file);
            while (!reader.atEnd()) {
                plainLines.push_back(reader.currentLine());
                auto& numbers = plainNumbers.emplace_back();
                for (int f = 1; f <= 8; ++f) numbers.push_back(trimmedFieldNumber(reader.field(f)));
                reader.readLine();
            }
        }
        ASSERT_EQ(plainLines, testing::referenceLines(bytes)) << "round " << round;

        TextFileReader reader;
        reader.separator = separator;
        reader.open(file);
        std::size_t k = 0;
        reader.forEachLine([&] {
            EXPECT_LT(k, plainLines.size()) << "round " << round;
            if (k >= plainLines.size()) return false;
            // The fields first: asking for the line copies it out of the buffer.
            const int count = 1 + static_cast<int>(k % 8);
            int visited = 0;
            reader.forEachFieldNumber(count, plainNumber, [&](int f, std::optional<std::int32_t> number) {
                EXPECT_EQ(f, ++visited);
                EXPECT_EQ(number, plainNumbers[k][static_cast<std::size_t>(f - 1)])
                    << "round " << round << " line " << k << " \"" << plainLines[k] << "\" field " << f;
            });
            EXPECT_EQ(visited, count);
            EXPECT_EQ(reader.currentLine(), plainLines[k]) << "round " << round << " line " << k;
            ++k;
            return true;
        });
        EXPECT_EQ(k, plainLines.size()) << "round " << round;
    }
}

TEST(TextFile, LoopStopsWhenAsked) {
    ScratchDir dir;
    TextFileReader reader;
    reader.open(dir.file("f.txt", "a\nb\nc\n"));
    std::vector<std::string> seen;
    reader.forEachLine([&] {
        seen.push_back(reader.currentLine());
        return seen.size() < 2;
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(reader.currentLine(), "b");
}

}  // namespace
}  // namespace norvex5
