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
    // The wheel workshop's two windows.
    WheelCheckTitle,  // the wheel check window
    WheelSummary,     // "%1" boards, "%2" numbers, "%3" the numbers played
    GuaranteeKept,
    GuaranteeHoles,  // "%1" holes, "%2" the share covered in percent
    IfDrawn,         // a row of the guarantee matrix
    OnABoard,        // a column of the guarantee matrix
    HolesOf,         // "%1 if %2", "%3" how many
    WinTableTitle,   // "%1" the game's highest number
    DrawnAmongYours,
    Probability,
    BestBoardHolds,       // "%1" numbers on the best board
    WheelGeneratorTitle,  // the wheel generator window
    NumbersToWheel,
    UseTickedNumbers,
    GuaranteeChoice,  // "%1" numbers on one board if "%2" are drawn among the player's
    GuaranteeLabel,
    SecondsAllowed,
    Generate,
    Stop,
    CheckWheel,
    SaveWheel,
    SendToExternalTab,
    GeneratorProgress,  // "%1" best size, "%2" size tried, "%3" its holes, "%4" seconds
    GeneratorDone,      // "%1" boards, "%2" numbers, "%3" seconds
    GeneratorNoWheel,
    NumbersOutOfRange,
    WheelFiles,        // the wheel file dialog's filter name
    WheelNotWritten,   // "%1" the file
    GuaranteeOneHole,  // GuaranteeHoles for a single hole: "%1" the share covered in percent
    GeneratorProgressOneHole,  // GeneratorProgress for a single hole: "%1" best, "%2" size tried, "%3" seconds
    GeneratorBestSoFar,        // while no size below the best is tried: "%1" best size, "%2" seconds
};
inline constexpr int kProgramTextCount = 47;

// The text in `language`; French for a language outside 1..7. Never empty.
std::string_view programText(ProgramText text, LanguageCode language);

}  // namespace norvex5
