#pragma once
// The library of wheels: plain wheel files, one board a line, whose names say what they keep
// ("18-numbers-3-if-4.txt"; "11-numbers-2-if-2-boards-of-4.txt" for the shorter boards that stand
// beside key numbers). The program ships one, made by the generator and verified by the tests;
// the user adds wheels by dropping files into a folder of their own, and those are checked before
// they are listed, since a file may claim more than it keeps.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "workshop/drawfilter.h"
#include "workshop/wheel.h"

namespace norvex5::library {

// The guarantees players use, strongest first: a wheel is listed with the first it keeps when its
// name claims none.
inline constexpr workshop::Guarantee kPlayersGuarantees[] = {{4, 4}, {4, 5}, {3, 3}, {3, 4},
                                                              {3, 5}, {2, 3}, {2, 4}};

// What a library file keeps: over how many numbers, which guarantee, on boards of how many.
struct LibraryClaim {
    int numbers = 0;
    workshop::Guarantee guarantee;
    int boardSize = workshop::kBoardSize;
    // Made under a filter on the draw: the tag of its FilterClaim (filterTag), which the file's
    // first line states in full; empty for a wheel that keeps its guarantee over every draw.
    std::string filterTag = {};
    bool operator==(const LibraryClaim&) const = default;
};

// A wheel made under a filter covers only what the draws that pass need, and which those are
// depends on the numbers really played: it keeps its guarantee for these numbers of this game
// under this filter, and for nothing else. A name cannot hold all that, so the file's first line
// does ("# filter odd=2-3,low=2-3 highest 49 numbers 3 7 11 ..."), a line no reader takes for a
// board; the name carries a tag of it ("8-numbers-3-if-3-filtered-0a1b2c3d.txt"), so that wheels
// for other numbers or filters lie side by side.
struct FilterClaim {
    workshop::DrawFilter filter;
    int highest = workshop::kDefaultHighest;
    std::vector<int> played;  // the number played at each position of the wheel
    bool operator==(const FilterClaim&) const = default;
};
std::string filterTag(const FilterClaim& claim);
std::string filterClaimLine(const FilterClaim& claim);  // with its line end
// The claim of a file's first line; nullopt when it holds none that can be read.
std::optional<FilterClaim> filterClaimInFile(const std::filesystem::path& file);

// The claim of a file's name (its last part), or nullopt when the name says none or an
// impossible one.
std::optional<LibraryClaim> claimInFileName(const std::filesystem::path& file);
std::string libraryFileName(const LibraryClaim& claim);

struct LibraryWheel {
    std::filesystem::path file;
    bool shipped = false;
    LibraryClaim kept;
    std::int64_t boards = 0;
    std::optional<FilterClaim> filter;  // when kept.filterTag names one
};

enum class LibraryProblem {
    NotAWheel,         // not readable as boards of distinct numbers; `detail` says where
    ClaimNotKept,      // the name claims a guarantee the boards do not keep; `holes` counts its holes
                       // (under the filter its first line states, for a filtered wheel)
    NoGuaranteeKept,   // unnamed, and none of the players' guarantees is kept
};

struct LibraryRefusal {
    std::filesystem::path file;
    LibraryProblem problem = LibraryProblem::NotAWheel;
    std::string detail;
    std::optional<LibraryClaim> claim;
    std::int64_t holes = 0;
};

struct LibraryFolder {
    std::vector<LibraryWheel> wheels;  // by numbers, then board size, then the guarantee, strongest first
    std::vector<LibraryRefusal> refused;
    bool unreadable = false;  // the folder exists but cannot be listed; `error` says why
    std::string error;
};

// The shipped library: its wheels are taken at their names' word (the tests verify every one);
// only their boards are counted. A missing folder is an empty library.
LibraryFolder readShippedLibrary(const std::filesystem::path& folder);
// The user's library: every file read and checked. A missing folder is an empty library.
LibraryFolder readUserLibrary(const std::filesystem::path& folder);
// One file as the user's library reads it.
std::variant<LibraryWheel, LibraryRefusal> checkLibraryFile(const std::filesystem::path& file);

// The boards of a library wheel; nullopt when the file can no longer be read as it was.
std::optional<workshop::Wheel> loadLibraryWheel(const LibraryWheel& wheel);

// Where the program's library lies in its data folder, and where the user's lies.
std::filesystem::path shippedLibraryFolder(const std::filesystem::path& programDataFolder);
std::filesystem::path defaultUserLibraryFolder();

// The shipped wheels and the user's together, in the listing order.
std::vector<LibraryWheel> allWheels(const LibraryFolder& shipped, const LibraryFolder& user);

}  // namespace norvex5::library

namespace norvex5::library {

// A wheel of the library for the numbers ticked: over all of them, the key numbers first on every
// board, keeping its guarantee (when the key numbers are drawn).
struct FittingWheel {
    int numbers = 0;  // key numbers counted
    int keys = 0;
    workshop::Guarantee guarantee;  // over all the numbers
    std::int64_t boards = 0;
    // The file of the boards beside the key numbers (all the boards without key numbers); none for
    // the wheels that need no search beside key numbers.
    std::optional<LibraryWheel> source;
};

// The wheels of `all` that fit `ticked` numbers of which `keys` are key numbers, in the library's
// order; with key numbers also every players' guarantee that needs no search beside them. A wheel
// made under a filter fits only the numbers, game and filter of `playersFilter` (the filter the
// player has set, over the numbers ticked), and no key numbers.
std::vector<FittingWheel> fittingWheels(const std::vector<LibraryWheel>& all, int ticked, int keys,
                                        const std::optional<FilterClaim>& playersFilter = std::nullopt);

// Its boards over 0..numbers-1, the key numbers 0..keys-1; nullopt when its file can no longer be
// read as it was.
std::optional<workshop::Wheel> loadFittingWheel(const FittingWheel& wheel);

}  // namespace norvex5::library
