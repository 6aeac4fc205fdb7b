#include "workshop/cli/filteroptions.h"

#include <charconv>

namespace norvex5::workshop {

namespace {

// The numbers of --play, or the text that is not one.
std::variant<std::vector<int>, std::string> playedList(const std::string& text) {
    std::vector<int> numbers;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find_first_of(" ,;\t", at), text.size());
        if (end > at) {
            const std::string_view word(text.data() + at, end - at);
            int value = 0;
            const auto [stop, error] = std::from_chars(word.data(), word.data() + word.size(), value);
            if (error != std::errc() || stop != word.data() + word.size()) return std::string(word);
            numbers.push_back(value);
        }
        at = end + 1;
    }
    return numbers;
}

}  // namespace

void addFilterOptions(CLI::App& command, FilterOptions& o) {
    o.filterOption = command.add_option(
        "--filter", o.filter, "Only draws that pass count, e.g. \"odd=2-3,low=2-3,sum=90-160,run=2,decade=2,digit=2\"");
    command.add_option("--highest", o.highest, "The game's highest number (49 by default)");
    command.add_option("--play", o.play, "The numbers played, one for each of the wheel's 1..v (1..v by default)");
}

std::optional<FilterSetting> readFilterOptions(const FilterOptions& o, int numbers, std::ostream& err) {
    FilterSetting setting;
    // Without a filter nothing reads the numbers played unless they are given: a wheel over more
    // numbers than the default game has is still checked and generated.
    const bool filtered = o.filterOption != nullptr && o.filterOption->count() > 0;
    if (!filtered && o.play.empty()) {
        setting.played = firstNumbers(numbers, o.highest);
        setting.draws = setting.passing = 1;
        return setting;
    }
    if (o.play.empty()) {
        setting.played = firstNumbers(numbers, o.highest);
    } else {
        auto list = playedList(o.play);
        if (const auto* word = std::get_if<std::string>(&list)) {
            err << kToolPrefix << "--play: \"" << *word << "\" is not a number\n";
            return std::nullopt;
        }
        setting.played = {o.highest, std::get<std::vector<int>>(std::move(list))};
    }
    if (auto problem = playedNumbersProblem(setting.played, numbers)) {
        err << kToolPrefix << *problem << "\n";
        return std::nullopt;
    }
    setting.draws = binomial(o.highest, kBoardSize);
    setting.passing = setting.draws;
    if (!filtered) return setting;
    auto parsed = parseDrawFilter(o.filter, o.highest);
    if (const auto* problem = std::get_if<FilterProblem>(&parsed)) {
        err << kToolPrefix << problem->message() << "\n";
        return std::nullopt;
    }
    setting.filter = std::get<DrawFilter>(parsed);
    setting.passing = passingDrawCount(*setting.filter, o.highest);
    if (setting.passing == 0) {
        err << kToolPrefix << "no draw of a game up to " << o.highest << " passes the filter \""
            << filterText(*setting.filter) << "\"\n";
        return std::nullopt;
    }
    return setting;
}

}  // namespace norvex5::workshop
