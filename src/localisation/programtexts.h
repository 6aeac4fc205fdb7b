#pragma once
// The program's own texts: everything it shows beyond the designed windows' messages (print
// preview, progress, printer choice, ...), in the same seven languages. The message table keeps
// its designed rows; a new feature adds its words here instead. A language file replaces the
// message table only, so these texts always come from this table, in the language last chosen.

#include <string_view>

#include "localisation/messagetable.h"

namespace norvex5 {

enum class ProgramText {
    PrintPreview,  // a button and a window title
    PreviewPage,   // "%1" the page shown, "%2" the page count
    PreviousPage,
    NextPage,
    Close,
    Working,  // the label of a progress dialog
    Cancel,
    ChoosePrinter,  // the title of the printer choice
    PdfFile,        // the entry of the printer choice that prints into a file
    NotAnInteger,   // "%1" a typed text that should have been a whole number
    HelpNotOpened,  // "%1" where the help page is
    TestPrint,      // the parameters window's button printing the calibration sheet
    // Wheel files refused before an action starts; "%1" the file.
    WheelFileNotText,
    WheelFileNoBoard,
    WheelFileTooFewNumbers,  // "%2" the separator chosen
    AllFiles,                // the second filter of the wheel file dialog
};
inline constexpr int kProgramTextCount = 16;

// The text in `language`; French for a language outside 1..7. Never empty.
std::string_view programText(ProgramText text, LanguageCode language);

}  // namespace norvex5
