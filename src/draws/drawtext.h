#pragma once
// The words and figures the draw history shows and writes: a draw on one line, the amounts the
// player types for prizes and prices, and a back-test written out as CSV for a spreadsheet.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "draws/backtest.h"
#include "draws/drawfile.h"

namespace norvex5::draws {

// "03 12 19 25 32" and, with bonus numbers, " + 05 07": two digits each, so that lists of draws
// line up in a fixed-pitch font.
std::string drawNumbersText(const DrawRecord& draw, bool withBonus = true);

// An amount typed as "2", "2.5", "2,50" or left blank (0), in cents; nothing for anything else,
// a negative amount or more than two decimals.
std::optional<std::int64_t> parseAmount(std::string_view typed);
// Cents written back as "2,50" with the decimal separator given; "0" decimals kept ("3,00").
std::string formatAmount(std::int64_t cents, char decimalSeparator);

// One line per draw: date, draw number, the five numbers, the best board's right numbers and the
// boards holding 5, 4, 3 and 2; a header line first. Fields separated by ';', as spreadsheets in
// the program's languages open them.
std::string backtestCsv(std::span<const DrawRecord> draws, const std::vector<DrawOutcome>& outcomes);

}  // namespace norvex5::draws
