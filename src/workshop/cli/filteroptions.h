#pragma once
// The options that put a subcommand under a filter on the draw: --filter, --highest, --play.
// Kept apart from any one subcommand: checking and generating read them alike.

#include <optional>

#include "workshop/cli/toolcommand.h"
#include "workshop/filteredcheck.h"

namespace norvex5::workshop {

struct FilterOptions {
    std::string filter;
    CLI::Option* filterOption = nullptr;  // set: --filter was given
    int highest = kDefaultHighest;
    std::string play;  // the numbers played, blank- or comma-separated; 1..v when empty
};

void addFilterOptions(CLI::App& command, FilterOptions& options);

// What the options say, read for a wheel over `numbers`.
struct FilterSetting {
    std::optional<DrawFilter> filter;  // nullopt: no --filter
    PlayedNumbers played;
    std::int64_t passing = 0;  // the game's draws that pass, counted
    std::int64_t draws = 0;
};

// nullopt when the options cannot be used, the reason written to `err`: an unreadable filter
// names the part at fault; a filter no draw passes is said so, nothing being worth making for it.
std::optional<FilterSetting> readFilterOptions(const FilterOptions& options, int numbers, std::ostream& err);

}  // namespace norvex5::workshop
