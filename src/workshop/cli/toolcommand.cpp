#include "workshop/cli/toolcommand.h"

#include <charconv>
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

}  // namespace norvex5::workshop
