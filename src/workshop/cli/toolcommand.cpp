#include "workshop/cli/toolcommand.h"

#include <cstdio>

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

std::string fixedDecimals(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::optional<WheelFileReading> readToolWheel(const std::string& fileName, const std::string& separator, int skip,
                                              int numbers, std::ostream& err) {
    if (separator.size() != 1) {
        err << kToolPrefix << "the separator must be one character\n";
        return std::nullopt;
    }
    if (skip < 0) {
        err << kToolPrefix << "the lines to skip cannot be fewer than 0\n";
        return std::nullopt;
    }
    ExternalWheel file;
    file.fileName = fileName;
    file.separator = separator;
    file.linesToSkip = skip;
    WheelFileReading reading = readWheelFile(file, numbers);
    if (!reading.ok()) {
        err << kToolPrefix << fileName << ": " << describeProblem(reading, numbers) << "\n";
        return std::nullopt;
    }
    return reading;
}

}  // namespace norvex5::workshop
