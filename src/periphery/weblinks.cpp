#include "periphery/weblinks.h"

#include <iterator>
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

std::string helpPageName(LanguageCode language) {
    // In language-code order, as the message table's columns.
    constexpr const char* kPages[] = {"norvex5-fr.html", "norvex5-en.html", "norvex5-pt.html", "norvex5-es.html",
                                      "norvex5-it.html", "norvex5-hr.html", "norvex5-de.html"};
    static_assert(std::size(kPages) == kLanguageCount);
    return language >= 1 && language <= kLanguageCount ? kPages[language - 1] : "norvex5-en.html";
}

}  // namespace norvex5
