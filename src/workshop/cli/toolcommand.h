#pragma once
// What every subcommand of norvex5-wheels shares: how it joins the tool, how it speaks.
//
// Each subcommand lives in its own file and adds itself to the tool with an add…Command function
// that binds its options and returns how to run it; the tool runs the one that was parsed.

#include <CLI/CLI.hpp>
#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "workshop/wheel.h"

namespace norvex5::workshop {

struct ToolCommand {
    CLI::App* command = nullptr;
    // Called once the arguments are parsed, only when this command was the one named.
    std::function<int(std::ostream& out, std::ostream& err)> run;
};

// --numbers V --guarantee T --if M, all three required: what a wheel is asked to keep.
void addGuaranteeOptions(CLI::App& command, int& numbers, int& t, int& m);

// Every message of the tool starts with its name, so a script's log says who spoke.
inline constexpr const char* kToolPrefix = "norvex5-wheels: ";

// The JSON documents keep their keys in the order they are added.
using ToolJson = nlohmann::ordered_json;

// One document on one line, ", " and ": " between items (the shape scripts already read); a number
// with a fraction is written with six decimals, a text not in UTF-8 has its bad bytes replaced.
void writeJsonLine(std::ostream& out, const ToolJson& document);

// Numbers 0..v-1 shown from `first` (0 or 1) on.
std::string numbersText(const std::vector<std::uint8_t>& numbers, int first, const char* separator);
ToolJson numbersJson(const std::vector<std::uint8_t>& numbers, int first);

std::string fixedDecimals(double value, int decimals);

// A count or a seed: a whole number from 0 up to what the option holds, with a short word when it
// is not (CLI11's own range check names the highest double in 300 digits).
extern const CLI::Validator kWholeNumber;

// How a wheel file's lines are read: the one character between fields and the lines at the top
// that hold no board. What the user does not give is guessed from the file's first lines, by the
// rule the program follows when a wheel file is chosen (a guess that contradicts what was given
// is not taken).
struct WheelFileLayout {
    std::string separator = " ";
    int skip = 0;
    const CLI::Option* separatorOption = nullptr;  // set by addWheelFileOptions
    const CLI::Option* skipOption = nullptr;
};
// --separator and --skip; `whichFile` names the file in their help ("the wheel file").
void addWheelFileOptions(CLI::App& command, WheelFileLayout& layout, const std::string& whichFile);

// A wheel file read as every subcommand reads one; nothing, once the reason is on `err`, when the
// options or the file are not sound.
std::optional<WheelFileReading> readToolWheel(const std::string& fileName, const WheelFileLayout& layout,
                                              int numbers, std::ostream& err, int boardSize = kBoardSize);

}  // namespace norvex5::workshop
