#pragma once
// Adding a wheel the player had made to the user's library folder: one file named by what it
// keeps, written whole or not at all (a program killed while writing leaves the old file or none,
// and the listing skips what it left behind). A wheel already there for the same claim is never
// lost silently: a smaller new one takes its place and says so; one as small or smaller stays.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "library/wheellibrary.h"

namespace norvex5::library {

enum class LibraryAddition {
    Added,           // the file is new
    ReplacedLarger,  // a wheel of the same claim with more boards was there (`previousBoards`)
    KeptExisting,    // a wheel of the same claim with as few boards or fewer is there: nothing written
    Failed,          // nothing written: `reason` (and `error` when the system refused) says why
};

struct LibraryAdditionResult {
    LibraryAddition outcome = LibraryAddition::Failed;
    std::filesystem::path file;       // the library file of the claim, written or not
    std::int64_t previousBoards = 0;  // the wheel that was there
    std::string reason;
    std::error_code error;

    bool added() const { return outcome == LibraryAddition::Added || outcome == LibraryAddition::ReplacedLarger; }
};

// Writes `wheel` (boards over 0..numbers-1) into `folder` as the file libraryFileName names for
// `claim`, creating the folder when it is missing. Under a filter the claim is the wheel's among
// the draws that pass `filter` for its numbers as played, and the file says so on its first line.
// The wheel must keep its claim: one that does not is refused, never written.
LibraryAdditionResult addToUserLibrary(const std::filesystem::path& folder, const workshop::Wheel& wheel,
                                       LibraryClaim claim, const std::optional<FilterClaim>& filter = std::nullopt);

}  // namespace norvex5::library
