#include "library/wheellibrary.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <cstdio>
#include <regex>
#include <sstream>

#include "draws/drawstore.h"
#include "externalwheels/fileshape.h"
#include "persistence/atomicfile.h"
#include "workshop/filteredcheck.h"
#include "workshop/keynumbers.h"
#include "workshop/wheelcheck.h"

namespace norvex5::library {

namespace {

namespace fs = std::filesystem;
using workshop::Guarantee;

// Where a guarantee stands among the players' ones: the strongest first, any other after them.
int strength(Guarantee g) {
    const auto* const end = std::end(kPlayersGuarantees);
    const auto* const found = std::find(std::begin(kPlayersGuarantees), end, g);
    return found == end ? 100 + 10 * (workshop::kBoardSize - g.t) + g.m : static_cast<int>(found - std::begin(kPlayersGuarantees));
}

bool listedBefore(const LibraryWheel& a, const LibraryWheel& b) {
    if (a.kept.numbers != b.kept.numbers) return a.kept.numbers < b.kept.numbers;
    if (a.kept.boardSize != b.kept.boardSize) return a.kept.boardSize > b.kept.boardSize;
    if (a.kept.guarantee != b.kept.guarantee) return strength(a.kept.guarantee) < strength(b.kept.guarantee);
    if (a.shipped != b.shipped) return a.shipped;
    return a.file.filename() < b.file.filename();
}

// The files of a folder by name; `unreadable` set when the folder cannot be listed.
std::vector<fs::path> filesIn(const fs::path& folder, LibraryFolder& listing) {
    std::vector<fs::path> files;
    std::error_code error;
    if (!fs::exists(folder, error)) return files;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error))
        if (it->is_regular_file(error) && !isUnfinishedWrite(it->path())) files.push_back(it->path());
    if (error) {
        listing.unreadable = true;
        listing.error = error.message();
        files.clear();
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The file read as a wheel over `numbers` numbers (the highest a game has when unknown), its
// shape guessed as the external tab guesses it.
workshop::WheelFileReading readBoards(const fs::path& file, int numbers, int boardSize) {
    ExternalWheel wheel;
    wheel.fileName = file.string();
    wheel.separator = ";";
    if (const auto shape = guessFileShape(wheel.fileName)) {
        wheel.separator = shape->separator;
        wheel.linesToSkip = shape->linesToSkip;
    }
    return workshop::readWheelFile(wheel, numbers, boardSize);
}

std::int64_t countedBoards(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::int64_t lines = 0;
    for (std::string line; std::getline(in, line);)
        if (line.find_first_of("0123456789") != std::string::npos) ++lines;
    return lines;
}

}  // namespace

constexpr const char* kFilterLineStart = "# filter ";

std::string filterClaimLine(const FilterClaim& claim) {
    std::string line = kFilterLineStart + workshop::filterText(claim.filter) + " highest " +
                       std::to_string(claim.highest) + " numbers";
    for (const int n : claim.played) line += ' ' + std::to_string(n);
    return line + "\r\n";
}

std::string filterTag(const FilterClaim& claim) {
    // FNV-1a: a tag, not a seal; the check reads the line itself and verifies the wheel under it.
    std::uint32_t hash = 2166136261u;
    for (const char c : filterClaimLine(claim)) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    char tag[9];
    std::snprintf(tag, sizeof tag, "%08x", static_cast<unsigned>(hash));
    return tag;
}

std::optional<FilterClaim> filterClaimInFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string line;
    if (!std::getline(in, line) || line.rfind(kFilterLineStart, 0) != 0) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line.substr(std::string(kFilterLineStart).size()));
    std::string filterText, highestWord, numbersWord;
    FilterClaim claim;
    if (!(words >> filterText >> highestWord >> claim.highest >> numbersWord) || highestWord != "highest" ||
        numbersWord != "numbers")
        return std::nullopt;
    for (int n = 0; words >> n;) claim.played.push_back(n);
    if (!words.eof()) return std::nullopt;
    if (claim.highest < workshop::kBoardSize || claim.highest > workshop::kMaxNumbers) return std::nullopt;
    auto filter = workshop::parseDrawFilter(filterText, claim.highest);
    if (!std::holds_alternative<workshop::DrawFilter>(filter)) return std::nullopt;
    claim.filter = std::get<workshop::DrawFilter>(filter);
    if (claim.filter.empty()) return std::nullopt;
    return claim;
}

std::optional<LibraryClaim> claimInFileName(const fs::path& file) {
    static const std::regex pattern(
        "([0-9]{1,2})-numbers-([0-9])-if-([0-9])(-boards-of-([0-9]))?(-filtered-([0-9a-f]{8}))?\\.[A-Za-z0-9]+");
    const std::string name = file.filename().string();
    std::smatch m;
    if (!std::regex_match(name, m, pattern)) return std::nullopt;
    LibraryClaim claim;
    claim.numbers = std::stoi(m[1]);
    claim.guarantee = {std::stoi(m[2]), std::stoi(m[3])};
    if (m[5].matched) claim.boardSize = std::stoi(m[5]);
    if (m[7].matched) claim.filterTag = m[7];
    // A filter goes with full boards only: key numbers are not drawn under a filter.
    if (!claim.filterTag.empty() && claim.boardSize != workshop::kBoardSize) return std::nullopt;
    if (workshop::checkLimitsProblem(claim.numbers, claim.guarantee, claim.boardSize)) return std::nullopt;
    return claim;
}

std::string libraryFileName(const LibraryClaim& claim) {
    std::string name = std::to_string(claim.numbers) + "-numbers-" + std::to_string(claim.guarantee.t) + "-if-" +
                       std::to_string(claim.guarantee.m);
    if (claim.boardSize != workshop::kBoardSize) name += "-boards-of-" + std::to_string(claim.boardSize);
    if (!claim.filterTag.empty()) name += "-filtered-" + claim.filterTag;
    return name + ".txt";
}

LibraryFolder readShippedLibrary(const fs::path& folder) {
    LibraryFolder listing;
    for (const fs::path& file : filesIn(folder, listing)) {
        const auto claim = claimInFileName(file);
        // A file that is no wheel of the library (a note, a licence); filtered wheels are the
        // player's own, never shipped.
        if (!claim || !claim->filterTag.empty()) continue;
        listing.wheels.push_back({file, true, *claim, countedBoards(file), std::nullopt});
    }
    std::sort(listing.wheels.begin(), listing.wheels.end(), listedBefore);
    return listing;
}

namespace {

// A filtered wheel keeps its claim among the draws that pass the filter its first line states.
std::variant<LibraryWheel, LibraryRefusal> checkFilteredWheel(const fs::path& file, const LibraryClaim& claim,
                                                              const workshop::Wheel& wheel) {
    const auto filter = filterClaimInFile(file);
    const workshop::PlayedNumbers played{filter ? filter->highest : 0,
                                         filter ? filter->played : std::vector<int>{}};
    if (!filter || filterTag(*filter) != claim.filterTag || workshop::playedNumbersProblem(played, claim.numbers))
        return LibraryRefusal{file, LibraryProblem::NotAWheel, "no filter as its name says on its first line", claim,
                              0};
    const auto profile =
        workshop::filteredProfile(workshop::CoverageIndex(wheel), workshop::PassingDraws(filter->filter, played));
    const std::int64_t holes = profile ? profile->holesUnderFilter(claim.guarantee) : 1;
    if (holes > 0) return LibraryRefusal{file, LibraryProblem::ClaimNotKept, {}, claim, holes};
    return LibraryWheel{file, false, claim, static_cast<std::int64_t>(wheel.boards.size()), filter};
}

}  // namespace

std::variant<LibraryWheel, LibraryRefusal> checkLibraryFile(const fs::path& file) {
    const auto claim = claimInFileName(file);
    const int boardSize = claim ? claim->boardSize : workshop::kBoardSize;
    const workshop::WheelFileReading reading =
        readBoards(file, claim ? claim->numbers : workshop::kMaxNumbers, boardSize);
    if (!reading.ok())
        return LibraryRefusal{file, LibraryProblem::NotAWheel,
                              workshop::describeProblem(reading, claim ? claim->numbers : workshop::kMaxNumbers,
                                                        boardSize),
                              claim, 0};
    workshop::Wheel wheel = reading.wheel;
    const auto boards = static_cast<std::int64_t>(wheel.boards.size());
    if (claim && !claim->filterTag.empty()) return checkFilteredWheel(file, *claim, wheel);
    if (claim) {
        const auto report = workshop::checkGuarantee(workshop::CoverageIndex(wheel), claim->guarantee, 0);
        if (report.holes > 0) return LibraryRefusal{file, LibraryProblem::ClaimNotKept, {}, claim, report.holes};
        return LibraryWheel{file, false, *claim, boards, std::nullopt};
    }
    // Unnamed: over the numbers it uses, with the strongest guarantee it keeps.
    int highest = 0;
    for (const workshop::Board& board : wheel.boards) highest = std::max<int>(highest, board[boardSize - 1] + 1);
    wheel.numbers = std::max(highest, workshop::kMinNumbers);
    const auto profile = workshop::coverageProfile(workshop::CoverageIndex(wheel));
    for (const Guarantee g : kPlayersGuarantees)
        if (profile->keeps(g)) return LibraryWheel{file, false, {wheel.numbers, g, boardSize}, boards, std::nullopt};
    return LibraryRefusal{file, LibraryProblem::NoGuaranteeKept, {}, std::nullopt, 0};
}

LibraryFolder readUserLibrary(const fs::path& folder) {
    LibraryFolder listing;
    for (const fs::path& file : filesIn(folder, listing)) {
        auto checked = checkLibraryFile(file);
        if (auto* wheel = std::get_if<LibraryWheel>(&checked))
            listing.wheels.push_back(std::move(*wheel));
        else
            listing.refused.push_back(std::get<LibraryRefusal>(std::move(checked)));
    }
    std::sort(listing.wheels.begin(), listing.wheels.end(), listedBefore);
    return listing;
}

std::optional<workshop::Wheel> loadLibraryWheel(const LibraryWheel& wheel) {
    const workshop::WheelFileReading reading = readBoards(wheel.file, wheel.kept.numbers, wheel.kept.boardSize);
    if (!reading.ok()) return std::nullopt;
    return reading.wheel;
}

fs::path shippedLibraryFolder(const fs::path& programDataFolder) { return programDataFolder / "library"; }

fs::path defaultUserLibraryFolder() { return draws::defaultUserDataFolder() / "library"; }

std::vector<LibraryWheel> allWheels(const LibraryFolder& shipped, const LibraryFolder& user) {
    std::vector<LibraryWheel> wheels = shipped.wheels;
    wheels.insert(wheels.end(), user.wheels.begin(), user.wheels.end());
    std::stable_sort(wheels.begin(), wheels.end(), listedBefore);
    return wheels;
}

}  // namespace norvex5::library

namespace norvex5::library {

std::vector<FittingWheel> fittingWheels(const std::vector<LibraryWheel>& all, int ticked, int keys,
                                        const std::optional<FilterClaim>& playersFilter) {
    std::vector<FittingWheel> fitting;
    if (keys < 0 || keys > workshop::kMostKeyNumbers) return fitting;
    const int others = ticked - keys;
    const int besideSize = workshop::kBoardSize - keys;
    for (const workshop::Guarantee g : kPlayersGuarantees) {
        if (workshop::keyNumbersProblem(ticked, g, keys) && keys > 0) continue;
        const workshop::Guarantee beside = keys > 0 ? workshop::guaranteeBesideKeys(g, keys) : g;
        if (keys > 0) {
            if (auto made = workshop::wheelWithoutSearch(others, beside, besideSize)) {
                fitting.push_back({ticked, keys, g, static_cast<std::int64_t>(made->boards.size()), std::nullopt});
                continue;
            }
        }
        for (const LibraryWheel& w : all) {
            const bool filterFits = !w.filter || (keys == 0 && w.filter == playersFilter);
            if (filterFits && w.kept == LibraryClaim{others, beside, besideSize, w.kept.filterTag})
                fitting.push_back({ticked, keys, g, w.boards, w});
        }
    }
    return fitting;
}

std::optional<workshop::Wheel> loadFittingWheel(const FittingWheel& wheel) {
    const int others = wheel.numbers - wheel.keys;
    std::optional<workshop::Wheel> beside;
    if (wheel.source)
        beside = loadLibraryWheel(*wheel.source);
    else
        beside = workshop::wheelWithoutSearch(others, workshop::guaranteeBesideKeys(wheel.guarantee, wheel.keys),
                                              workshop::kBoardSize - wheel.keys);
    if (!beside) return std::nullopt;
    return wheel.keys > 0 ? workshop::withKeyNumbers(*beside, wheel.keys) : *beside;
}

}  // namespace norvex5::library
