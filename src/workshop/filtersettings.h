#pragma once
// The filter on the draw a player last used, kept for each game type in a small text file of its
// own in the user's configuration folder (the parameters file is a fixed record that other
// versions read byte for byte, so it takes nothing new). One line a game type:
//   <game type> <filter as written, e.g. odd=2-3,low=2-3>
// A line that cannot be read is left out, as if that game type had no filter yet.

#include <filesystem>
#include <map>
#include <optional>

#include "workshop/drawfilter.h"

namespace norvex5::workshop {

inline constexpr const char* kFilterSettingsFileName = "filters.txt";

class FilterSettings {
public:
    // Reads the file; a missing or unreadable file gives no filters.
    static FilterSettings load(const std::filesystem::path& file);
    // Writes the file whole or not at all; false when it could not be written.
    bool save(const std::filesystem::path& file) const;

    // The filter kept for a game type whose highest number is `highest`; nullopt for none.
    std::optional<DrawFilter> filterFor(int gameType, int highest) const;
    // An empty filter forgets the game type's.
    void keep(int gameType, const DrawFilter& filter);

private:
    std::map<int, std::string> texts_;
};

}  // namespace norvex5::workshop
