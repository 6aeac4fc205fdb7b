#include "periphery/weblinks.h"

#include <system_error>

namespace norvex5 {

std::string resultsPageAddress(int gameType, LotteryTable table) {
    const Lottery* lottery = findLottery(effectiveGameType(gameType), table);
    return lottery != nullptr ? std::string(lottery->resultsPage) : std::string();
}

std::string viewerFromCommandLine(std::string_view commandLine) {
    const std::size_t open = commandLine.find('"');
    if (open == std::string_view::npos) return {};
    const std::size_t close = commandLine.find('"', open + 1);
    if (close == std::string_view::npos) return {};
    return std::string(commandLine.substr(open + 1, close - open - 1));
}

Companion findCompanion(const std::filesystem::path& programDirectory) {
    // A folder or a broken link by either name is not a companion.
    const auto present = [](const std::filesystem::path& file) {
        std::error_code error;
        return std::filesystem::is_regular_file(file, error);
    };
    if (const auto program = programDirectory / kCompanionProgram; present(program))
        return {Companion::Kind::Program, program};
    if (const auto page = programDirectory / kCompanionPage; present(page)) return {Companion::Kind::Page, page};
    return {};
}

std::string helpPageName(LanguageCode language) { return language == 1 ? "norvex5-fr.html" : "norvex5-en.html"; }

}  // namespace norvex5
