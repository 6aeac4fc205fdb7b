#include "workshop/filtersettings.h"

#include <fstream>
#include <sstream>

#include "persistence/atomicfile.h"

namespace norvex5::workshop {

FilterSettings FilterSettings::load(const std::filesystem::path& file) {
    FilterSettings settings;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream fields(line);
        int gameType = 0;
        std::string text;
        if (fields >> gameType >> text && gameType > 0) settings.texts_[gameType] = text;
    }
    return settings;
}

bool FilterSettings::save(const std::filesystem::path& file) const {
    std::string text;
    for (const auto& [gameType, filter] : texts_) text += std::to_string(gameType) + " " + filter + "\n";
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);  // a first run has no folder yet
    AtomicFileWriter writer;
    return writer.open(file) && writer.write(text) && writer.commit();
}

std::optional<DrawFilter> FilterSettings::filterFor(int gameType, int highest) const {
    const auto found = texts_.find(gameType);
    if (found == texts_.end()) return std::nullopt;
    // Read against the game as it is now: a filter kept for another highest number may no
    // longer make sense, and is then forgotten rather than half applied.
    auto parsed = parseDrawFilter(found->second, highest);
    if (const auto* filter = std::get_if<DrawFilter>(&parsed); filter != nullptr && !filter->empty()) return *filter;
    return std::nullopt;
}

void FilterSettings::keep(int gameType, const DrawFilter& filter) {
    if (filter.empty())
        texts_.erase(gameType);
    else
        texts_[gameType] = filterText(filter);
}

}  // namespace norvex5::workshop
