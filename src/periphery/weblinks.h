#pragma once
// The program's links to the world outside its windows: the results pages on the web, the
// companion program or page started when the program ends, the help, and the rule that reads a
// viewer program out of a registered command line.

#include <filesystem>
#include <string>
#include <string_view>

#include "localisation/messagetable.h"

namespace norvex5 {

// The web server that publishes the latest draw results.
inline constexpr std::string_view kResultsServerHost = "resultats.norvex5.net";

enum class ResultsPage {
    FrenchLotto,   // from the main window
    EuroMillions,  // from the results comparison window
};

// "http://" + host + the page's path and query.
std::string resultsPageAddress(ResultsPage page);

// The program a registered "open" command line starts: the text between its first two double
// quotes ("\"C:\\viewer.exe\" -nohome \"%1\"" gives C:\viewer.exe). Empty when the line holds
// fewer than two double quotes: nothing can then be opened with it.
std::string viewerFromCommandLine(std::string_view commandLine);

// What the program starts beside itself when it ends: the companion program when it is there,
// else the companion page, else nothing.
struct Companion {
    enum class Kind { None, Program, Page };
    Kind kind = Kind::None;
    std::filesystem::path file;
};
inline constexpr const char* kCompanionProgram = "BRISANT.EXE";
inline constexpr const char* kCompanionPage = "BRISANT.HTM";
Companion findCompanion(const std::filesystem::path& programDirectory);

// The help file looked for beside the program.
inline constexpr const char* kHelpFileName = "norvex5.chm";

// The help page the program ships for a language, named after its two-letter code; English for a
// language code outside 1..7.
std::string helpPageName(LanguageCode language);

}  // namespace norvex5
