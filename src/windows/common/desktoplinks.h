#pragma once
// The program's ways out to the desktop: the help, the results pages on the web, and the
// companion program or page started when the program ends. All go through Platform.

#include <QString>
#include <filesystem>

#include "periphery/weblinks.h"

namespace norvex5 {

class Texts;
class Platform;

// Opens a web address or a local page with the desktop's program for it. False, with nothing
// started, when the desktop has none.
bool openInWebViewer(Platform& platform, const QString& target);

// The results page of the game type's lottery operator; silent when it cannot be opened.
void openResultsPage(Platform& platform, int gameType);

// The companion program when it lies beside the program (started as a program, with no
// arguments and no shell), else the companion page in the web viewer; silent on failure.
void launchCompanion(Platform& platform, const std::filesystem::path& programDirectory);

// The help: norvex5.chm beside the program when the desktop has a program for that type; else
// the help page in the player's language where it is written, else in English: the installed
// page in help/ beside the program when there is one, else the page built into the program,
// written into `helpFolder`, opened in the web viewer. When neither opens, a
// message says where the page is: asking for help never does nothing.
void openHelp(Platform& platform, const Texts& texts, const std::filesystem::path& programDirectory,
              const QString& helpFolder);
// Where the program writes its help pages: the user's cache directory.
QString defaultHelpFolder();

// Writes the shipped help page `pageName` into `folder`, with the stylesheet it links to; its
// path, or empty when the page could not be written.
QString writeHelpPage(const QString& pageName, const QString& folder);

}  // namespace norvex5
