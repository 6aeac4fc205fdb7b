#include "workshop/cli/toolcommand.h"

#include <charconv>
#include <cstdio>

#include "externalwheels/fileshape.h"

namespace norvex5::workshop {

namespace {

void writeJson(std::ostream& out, const ToolJson& value) {
    if (value.is_object()) {
        out << "{";
        bool first = true;
        for (const auto& [key, item] : value.items()) {
            out << (first ? "" : ", ") << ToolJson(key).dump(-1, ' ', false, ToolJson::error_handler_t::replace)
                << ": ";
            writeJson(out, item);
            first = false;
        }
        out << "}";
    } else if (value.is_array()) {
        out << "[";
        for (std::size_t k = 0; k < value.size(); ++k) {
            if (k > 0) out << ", ";
            writeJson(out, value[k]);
        }
        out << "]";
    } else if (value.is_number_float()) {
        out << fixedDecimals(value.get<double>(), 6);
    } else {
        out << value.dump(-1, ' ', false, ToolJson::error_handler_t::replace);
    }
}

}  // namespace

void addGuaranteeOptions(CLI::App& command, int& numbers, int& t, int& m) {
    command.add_option("--numbers", numbers, "How many numbers the wheel plays (v)")->required();
    command.add_option("--guarantee", t, "Numbers guaranteed on one board (t)")->required();
    command.add_option("--if", m, "... when this many drawn numbers are among the v (m)")->required();
}

void writeJsonLine(std::ostream& out, const ToolJson& document) {
    writeJson(out, document);
    out << "\n";
}

std::string numbersText(const std::vector<std::uint8_t>& numbers, int first, const char* separator) {
    std::string text;
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        if (k > 0) text += separator;
        text += std::to_string(numbers[k] + first);
    }
    return text;
}

ToolJson numbersJson(const std::vector<std::uint8_t>& numbers, int first) {
    ToolJson list = ToolJson::array();
    for (const std::uint8_t n : numbers) list.push_back(n + first);
    return list;
}

const CLI::Validator kWholeNumber(
    [](std::string& text) -> std::string {
        std::uint64_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || end != text.data() + text.size())
            return "\"" + text + "\" is not a whole number from 0 to 18446744073709551615";
        return {};
    },
    "N");

std::string fixedDecimals(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void addWheelFileOptions(CLI::App& command, WheelFileLayout& layout, const std::string& whichFile) {
    layout.separatorOption =
        command.add_option("--separator", layout.separator,
                           "The one character between the fields of " + whichFile + " (guessed when not given)");
    layout.skipOption = command.add_option(
        "--skip", layout.skip, "Lines at the top of " + whichFile + " that hold no board (guessed when not given)");
}

namespace {

bool given(const CLI::Option* option) { return option != nullptr && option->count() > 0; }

// The layout with what was not given guessed from the file.
WheelFileLayout guessedLayout(const std::string& fileName, WheelFileLayout layout) {
    const bool separatorGiven = given(layout.separatorOption);
    const bool skipGiven = given(layout.skipOption);
    if (separatorGiven && skipGiven) return layout;
    const std::optional<FileShape> shape = guessFileShape(fileName);
    if (!shape) return layout;  // the reading says what is wrong
    if (separatorGiven && shape->separator != layout.separator) return layout;
    if (skipGiven && shape->linesToSkip != layout.skip) return layout;
    layout.separator = shape->separator;
    layout.skip = shape->linesToSkip;
    return layout;
}

}  // namespace

std::optional<WheelFileReading> readToolWheel(const std::string& fileName, const WheelFileLayout& asked,
                                              int numbers, std::ostream& err, int boardSize) {
    if (asked.separator.size() != 1) {
        err << kToolPrefix << "the separator must be one character\n";
        return std::nullopt;
    }
    if (asked.skip < 0) {
        err << kToolPrefix << "the lines to skip cannot be fewer than 0\n";
        return std::nullopt;
    }
    const WheelFileLayout layout = guessedLayout(fileName, asked);
    ExternalWheel file;
    file.fileName = fileName;
    file.separator = layout.separator;
    file.linesToSkip = layout.skip;
    WheelFileReading reading = readWheelFile(file, numbers, boardSize);
    if (!reading.ok()) {
        err << kToolPrefix << fileName << ": " << describeProblem(reading, numbers, boardSize) << "\n";
        return std::nullopt;
    }
    return reading;
}

}  // namespace norvex5::workshop
