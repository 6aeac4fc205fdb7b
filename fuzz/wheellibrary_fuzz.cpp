// Any file dropped into the user's library, under any name: the input is the file's name, a 0 byte,
// then its bytes.
//
// A name's claim, written back as the library names its files, reads as the same claim. A file
// accepted loads as boards of distinct numbers within its numbers, as many as counted, that keep
// what it is listed with (what its name claims, or unnamed the strongest of the players'
// guarantees); a file refused says why in valid UTF-8 and does not load as the wheel it claims.

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "fuzzinput.h"
#include "library/wheellibrary.h"
#include "textfiles/textencoding.h"
#include "workshop/filteredcheck.h"
#include "workshop/wheelcheck.h"

using namespace norvex5;
using fuzzing::require;
namespace fs = std::filesystem;

namespace {

// Checking a wheel over v numbers walks its C(v, 5) draws; over 50 that is two million a file,
// far too slow to fuzz. Wheels over more numbers than this are left out: the code is the same.
constexpr int kMostNumbersChecked = 18;

// Whether a number the reader may take from the file could make a wheel over more numbers than
// kMostNumbersChecked. Any number is a run of digits, the reader dropping a lone CR or a Ctrl-Z
// within a line ("4\r3" reads 43); runs above the largest game are refused by the reader before
// any check and are kept.
bool mayHoldManyNumbers(std::string_view bytes) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto dropped = [](char c) { return c == '\r' || c == '\x1a'; };
    for (std::size_t k = 0; k < bytes.size();) {
        if (!isDigit(bytes[k])) {
            ++k;
            continue;
        }
        int value = 0;
        for (; k < bytes.size() && (isDigit(bytes[k]) || dropped(bytes[k])); ++k)
            if (isDigit(bytes[k])) value = std::min(value * 10 + (bytes[k] - '0'), 1000);
        if (value >= kMostNumbersChecked && value <= workshop::kMaxNumbers) return true;
    }
    return false;
}

// The holes of `claim` in `wheel`: among every draw, or for a wheel made under a filter among the
// draws that pass the filter its first line states.
std::int64_t holesOf(const workshop::Wheel& wheel, const library::LibraryClaim& claim,
                     const std::optional<library::FilterClaim>& filter) {
    const workshop::CoverageIndex index(wheel);
    if (claim.filterTag.empty()) return workshop::checkGuarantee(index, claim.guarantee, 0).holes;
    const workshop::PlayedNumbers played{filter->highest, filter->played};
    const auto profile = workshop::filteredProfile(index, workshop::PassingDraws(filter->filter, played));
    require(profile.has_value(), "a filtered check stopped unasked");
    return profile->holesUnderFilter(claim.guarantee);
}

// The board numbers distinct, ascending and within the wheel's numbers.
void requireBoardsInRange(const workshop::Wheel& wheel) {
    for (const workshop::Board& board : wheel.boards)
        for (int k = 0; k < wheel.boardSize; ++k) {
            require(board[k] < wheel.numbers, "a number beyond the wheel");
            require(k == 0 || board[k - 1] < board[k], "a board not of distinct numbers, ascending");
        }
    for (int k = wheel.boardSize; k < workshop::kBoardSize; ++k)
        for (const workshop::Board& board : wheel.boards) require(board[k] == 0, "a short board with more numbers");
}

void checkAccepted(const library::LibraryWheel& accepted, const std::optional<library::LibraryClaim>& claim) {
    const library::LibraryClaim& kept = accepted.kept;
    require(!workshop::checkLimitsProblem(kept.numbers, kept.guarantee, kept.boardSize), "listed beyond the limits");
    require(library::claimInFileName(library::libraryFileName(kept)) == kept, "its claim does not name itself");
    if (claim) require(kept == *claim, "listed with another claim than its name's");
    const auto wheel = library::loadLibraryWheel(accepted);
    require(wheel.has_value(), "an accepted wheel does not load");
    require(wheel->numbers == kept.numbers && wheel->boardSize == kept.boardSize, "loaded over other numbers");
    require(static_cast<std::int64_t>(wheel->boards.size()) == accepted.boards, "boards miscounted");
    requireBoardsInRange(*wheel);
    require(accepted.filter.has_value() == !kept.filterTag.empty(), "a filter without its tag, or a tag without it");
    if (accepted.filter) require(library::filterTag(*accepted.filter) == kept.filterTag, "the filter is not its name's");
    if (claim) {
        require(holesOf(*wheel, kept, accepted.filter) == 0, "the claim is not kept");
        return;
    }
    const auto profile = workshop::coverageProfile(workshop::CoverageIndex(*wheel));
    const auto* const listed = std::find(std::begin(library::kPlayersGuarantees),
                                         std::end(library::kPlayersGuarantees), kept.guarantee);
    require(listed != std::end(library::kPlayersGuarantees), "unnamed, listed with no players' guarantee");
    require(profile->keeps(kept.guarantee), "unnamed, listed with a guarantee it does not keep");
    for (const auto* stronger = std::begin(library::kPlayersGuarantees); stronger != listed; ++stronger)
        require(!profile->keeps(*stronger), "unnamed, listed below a guarantee it keeps");
    int highest = 0;
    for (const workshop::Board& board : wheel->boards) highest = std::max<int>(highest, board[kept.boardSize - 1] + 1);
    require(kept.numbers == std::max(highest, workshop::kMinNumbers), "unnamed, over more numbers than it uses");
}

void checkRefused(const library::LibraryRefusal& refused, const std::optional<library::LibraryClaim>& claim,
                  bool nameIsText) {
    require(refused.claim == claim, "refused with another claim than its name's");
    require(isValidUtf8(refused.detail) || !nameIsText, "the reason is not UTF-8");
    switch (refused.problem) {
        case library::LibraryProblem::NotAWheel:
            require(!refused.detail.empty(), "not a wheel, without saying where");
            if (claim) require(!library::loadLibraryWheel({refused.file, false, *claim, 0, std::nullopt}), "refused, yet it loads");
            break;
        case library::LibraryProblem::ClaimNotKept: {
            require(claim.has_value() && refused.holes > 0, "a claim not kept without a hole");
            const auto wheel = library::loadLibraryWheel({refused.file, false, *claim, 0, std::nullopt});
            require(wheel.has_value(), "its boards read for the check but not for loading");
            const auto filter = library::filterClaimInFile(refused.file);
            require(claim->filterTag.empty() || filter.has_value(), "a filtered claim checked without its filter");
            require(holesOf(*wheel, *claim, filter) == refused.holes, "holes miscounted");
            break;
        }
        case library::LibraryProblem::NoGuaranteeKept:
            require(!claim, "a named file refused for keeping no players' guarantee");
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t end = std::min(input.find('\0'), input.size());
    const std::string name(input.substr(0, end));
    const std::string_view bytes = end < input.size() ? input.substr(end + 1) : std::string_view();

    if (const auto named = library::claimInFileName(name)) {
        require(!workshop::checkLimitsProblem(named->numbers, named->guarantee, named->boardSize),
                "a name claims beyond the limits");
        require(library::claimInFileName(library::libraryFileName(*named)) == named,
                "a claim written back reads as another");
    }
    if (mayHoldManyNumbers(bytes)) return -1;
    const fs::path file = fuzzing::namedInputFile(name, bytes);
    const std::optional<library::LibraryClaim> claim = library::claimInFileName(file);
    if (claim && claim->numbers > kMostNumbersChecked) return -1;

    const auto checked = library::checkLibraryFile(file);
    if (const auto* accepted = std::get_if<library::LibraryWheel>(&checked))
        checkAccepted(*accepted, claim);
    else
        checkRefused(std::get<library::LibraryRefusal>(checked), claim, isValidUtf8(file.string()));
    return 0;
}
