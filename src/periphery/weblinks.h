#pragma once
// The program's links to the world outside its windows: the results pages on the web, the
// companion program or page started when the program ends, the help, and the rule that reads a
// viewer program out of a registered command line.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/lotteries.h"
#include "localisation/messagetable.h"

namespace norvex5 {

// The page where the operator of the game type's lottery publishes its latest results, as the
// lottery table names it; a game type of 0 or below is taken as 1. Empty when the table names none.
std::string resultsPageAddress(int gameType, LotteryTable table = kLotteries);

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

// The look every help page links to, shipped and installed beside the pages.
inline constexpr const char* kHelpStyleSheet = "norvex5-help.css";

}  // namespace norvex5
