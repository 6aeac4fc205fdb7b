#include "library/wheellibrary.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <regex>

#include "draws/drawstore.h"
#include "externalwheels/fileshape.h"
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
        if (it->is_regular_file(error)) files.push_back(it->path());
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

std::optional<LibraryClaim> claimInFileName(const fs::path& file) {
    static const std::regex pattern("([0-9]{1,2})-numbers-([0-9])-if-([0-9])(-boards-of-([0-9]))?\\.[A-Za-z0-9]+");
    const std::string name = file.filename().string();
    std::smatch m;
    if (!std::regex_match(name, m, pattern)) return std::nullopt;
    LibraryClaim claim;
    claim.numbers = std::stoi(m[1]);
    claim.guarantee = {std::stoi(m[2]), std::stoi(m[3])};
    if (m[5].matched) claim.boardSize = std::stoi(m[5]);
    if (workshop::checkLimitsProblem(claim.numbers, claim.guarantee, claim.boardSize)) return std::nullopt;
    return claim;
}

std::string libraryFileName(const LibraryClaim& claim) {
    std::string name = std::to_string(claim.numbers) + "-numbers-" + std::to_string(claim.guarantee.t) + "-if-" +
                       std::to_string(claim.guarantee.m);
    if (claim.boardSize != workshop::kBoardSize) name += "-boards-of-" + std::to_string(claim.boardSize);
    return name + ".txt";
}

LibraryFolder readShippedLibrary(const fs::path& folder) {
    LibraryFolder listing;
    for (const fs::path& file : filesIn(folder, listing)) {
        const auto claim = claimInFileName(file);
        if (!claim) continue;  // a file that is no wheel of the library (a note, a licence)
        listing.wheels.push_back({file, true, *claim, countedBoards(file)});
    }
    std::sort(listing.wheels.begin(), listing.wheels.end(), listedBefore);
    return listing;
}

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
    if (claim) {
        const auto report = workshop::checkGuarantee(workshop::CoverageIndex(wheel), claim->guarantee, 0);
        if (report.holes > 0) return LibraryRefusal{file, LibraryProblem::ClaimNotKept, {}, claim, report.holes};
        return LibraryWheel{file, false, *claim, boards};
    }
    // Unnamed: over the numbers it uses, with the strongest guarantee it keeps.
    int highest = 0;
    for (const workshop::Board& board : wheel.boards) highest = std::max<int>(highest, board[boardSize - 1] + 1);
    wheel.numbers = std::max(highest, workshop::kMinNumbers);
    const auto profile = workshop::coverageProfile(workshop::CoverageIndex(wheel));
    for (const Guarantee g : kPlayersGuarantees)
        if (profile->keeps(g)) return LibraryWheel{file, false, {wheel.numbers, g, boardSize}, boards};
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

std::vector<FittingWheel> fittingWheels(const std::vector<LibraryWheel>& all, int ticked, int keys) {
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
        for (const LibraryWheel& w : all)
            if (w.kept == LibraryClaim{others, beside, besideSize})
                fitting.push_back({ticked, keys, g, w.boards, w});
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
