#include "library/libraryaddition.h"

#include "persistence/atomicfile.h"
#include "workshop/filteredcheck.h"
#include "workshop/keynumbers.h"
#include "workshop/wheelcheck.h"

namespace norvex5::library {

namespace {

namespace fs = std::filesystem;

LibraryAdditionResult failed(LibraryAdditionResult result, std::string reason, std::error_code error = {}) {
    result.outcome = LibraryAddition::Failed;
    result.reason = error ? error.message() : std::move(reason);
    result.error = error;
    return result;
}

// Why the wheel does not keep what it would be listed with; empty when it does.
std::string claimProblem(const workshop::Wheel& wheel, const LibraryClaim& claim,
                         const std::optional<FilterClaim>& filter) {
    if (wheel.numbers != claim.numbers || wheel.boardSize != claim.boardSize || wheel.boards.empty())
        return "the wheel is not one of " + std::to_string(claim.numbers) + " numbers on boards of " +
               std::to_string(claim.boardSize);
    const workshop::CoverageIndex index(wheel);
    std::int64_t holes = 0;
    if (filter) {
        const workshop::PlayedNumbers played{filter->highest, filter->played};
        if (const auto problem = workshop::playedNumbersProblem(played, claim.numbers)) return *problem;
        const auto profile = workshop::filteredProfile(index, workshop::PassingDraws(filter->filter, played));
        holes = profile ? profile->holesUnderFilter(claim.guarantee) : 1;
    } else {
        holes = workshop::checkGuarantee(index, claim.guarantee, 0).holes;
    }
    if (holes == 0) return {};
    return "the wheel does not keep " + std::to_string(claim.guarantee.t) + " if " + std::to_string(claim.guarantee.m) +
           ": " + std::to_string(holes) + " holes";
}

}  // namespace

LibraryAdditionResult addToUserLibrary(const fs::path& folder, const workshop::Wheel& wheel, LibraryClaim claim,
                                       const std::optional<FilterClaim>& filter) {
    claim.filterTag = filter ? filterTag(*filter) : std::string();
    LibraryAdditionResult result;
    result.file = folder / libraryFileName(claim);
    if (std::string problem = claimProblem(wheel, claim, filter); !problem.empty())
        return failed(result, std::move(problem));

    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return failed(result, {}, error);

    result.outcome = LibraryAddition::Added;
    if (fs::exists(result.file, error)) {
        // The file there is a wheel the player may rely on: it gives way only to a smaller one
        // that keeps the same; what is no such wheel is the player's to look at, not ours to drop.
        const auto there = checkLibraryFile(result.file);
        const auto* wheelThere = std::get_if<LibraryWheel>(&there);
        if (wheelThere == nullptr || wheelThere->kept != claim || wheelThere->filter != filter)
            return failed(result, "a file of that name that is no such wheel is in the way");
        result.previousBoards = wheelThere->boards;
        if (wheelThere->boards <= static_cast<std::int64_t>(wheel.boards.size())) {
            result.outcome = LibraryAddition::KeptExisting;
            return result;
        }
        result.outcome = LibraryAddition::ReplacedLarger;
    }

    AtomicFileWriter writer;
    const bool written = writer.open(result.file) && (!filter || writer.write(filterClaimLine(*filter))) &&
                         writer.write(workshop::wheelFileText(wheel, ';')) && writer.commit();
    if (!written) return failed(result, {}, writer.error() ? writer.error() : std::make_error_code(std::errc::io_error));
    return result;
}

}  // namespace norvex5::library
