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
    // A draw box of the comparison window: "%1" the box (1..5), "%2" what it holds, "%3" the
    // game's highest number.
    DrawNumberOutsideGame,
    // The second line of message 109 under a built-in wheel: "%1" the numbers it plays, "%2" the
    // numbers ticked and not fixed, "%3" the numbers fixed.
    WheelNeedsNumbers,
    OffsetOffThePaper,              // "%1" the offset field's caption, "%2" what it holds, "%3" the farthest offset
    MarksOffThePage,                // "%1" boxes off the printable page, "%2" boxes of the ticket; OK goes on
    TicketsPrintedRestCancelled,    // "%1" the tickets printed before a Cancel (two or more)
    OneTicketPrintedRestCancelled,  // the same for a single ticket
    NothingPrintedCancelled,
    // A wheel file that writes its numbers from 0, on the external tab's first page.
    NumbersStartAtZero,  // the check box
    ReadFromZero,        // the line under the file name, box ticked
    ReadAsWritten,       // the same, box unticked
    // Replacement boxes that would spoil the boards; "%1" the box, "%2" what it holds.
    ReplacementNotANumber,
    ReplacementNotOnTicket,  // "%3" the highest number a ticket carries there
    ReplacementSameNumber,   // "%3" the other box
    ReplacementGridBBox,     // "%1" a grid B box's label
    ContinueQuestion,
    GeneratorProgressOneHole,  // GeneratorProgress for a single hole: "%1" best, "%2" size tried, "%3" seconds
    GeneratorBestSoFar,        // while no size below the best is tried: "%1" best size, "%2" seconds
    Continue,  // the button that goes on past a warning
    // The print dialog's bonus option over a bonus row of other than ten boxes: "%1" its last number.
    BonusNumbersInTurn,
    // The windows' captions that were written in French (or in both first languages) in the code.
    AboutTitle,           // the about box's title
    LanguageChoiceTitle,  // the first-run language window, before any language is known
    LanguageChoiceNote,   // the same window's note on the crosses beside the boxes, lines ended by \n
    Ok,                   // the button that closes that window
    // A game that could not be saved: "%1" the file, "%2" why.
    GameNotSaved,
    WriteNotAllowed,  // why: the file or its folder may not be written
    WriteDiskFull,    // why: no room left
    WriteNoFolder,    // why: the folder does not exist
    WriteFailed,      // why: anything else; "%1" the system's own words
    // The draw history: its window, its import, its statistics and back-test.
    DrawsTitle,            // the window and the main window's menu entry
    DrawsPageStored,       // the first page: the stored draws
    DrawsPageStatistics,
    DrawsPageBacktest,
    StoredDrawCount,       // "%1" draws stored for the game type shown
    ImportDraws,
    DeleteDraw,
    DeleteDrawQuestion,    // "%1" the date, "%2" the numbers
    AddDrawGroup,
    DrawDate,
    DrawNumbers,
    DrawBonus,             // the bonus boxes of a draw typed by hand
    AddDraw,
    DrawRefusedNotFive,    // why a line or a typed draw is refused
    DrawRefusedOutOfRange,
    DrawRefusedTwice,
    DrawRefusedNotADate,
    DrawRefusedBadBonus,
    DrawRefusedDateTwice,
    RefusedLine,           // "%1" the line number, "%2" why
    ImportSummary,         // "%1" added, "%2" already there, "%3" lines refused
    HistoryDamaged,        // "%1" where the damaged file was kept
    HistoryFolderNotWritable,  // "%1" the folder
    HistoryInUse,
    HistoryCannotOpen,     // "%1" what the database said
    HistoryUnavailable,
    HistoryNotChangedInUse,
    HistoryNotChangedReadOnly,
    HistoryNotChangedDiskFull,
    HistoryNotChangedOther,  // "%1" what the database said
    HistoryImportStopped,
    ImportTitle,           // the import window
    ChooseFile,
    DrawFileFilter,
    FileSeparator,
    HeaderLines,
    DateColumn,
    DateOrderCaption,
    DateOrderGuessed,
    DateOrderDayMonth,
    DateOrderMonthDay,
    DateOrderYearFirst,
    NumberColumns,         // "5 6 7 8 9", or one column holding the five
    BonusColumns,
    PreviewOfDraws,        // "%1" draws shown
    FileColumns,           // "%1" the columns of the file's header line, numbered
    DrawFileUnreadable,    // "%1" the file, "%2" why
    DrawFileNotText,       // "%1" the file
    DrawFileNoDraw,        // "%1" the file
    DatesUndecidedQuestion,  // "%1" a date of the file as written
    DrawLine,              // a preview row's line number heading
    LastDrawsShown,        // the statistics' choice of the last N draws
    AllDrawsShown,
    ChancesUnchanged,      // said plainly beside the statistics
    NumberHeading,
    TimesDrawn,
    TimesExpected,
    DrawsSinceSeen,
    NeverSeen,
    FrequentPairs,
    PairHeading,
    DrawsCounted,          // "%1" draws the statistics count
    BacktestWheel,         // the group choosing the boards tested
    BacktestTickedWheel,
    BacktestFileWheel,
    BacktestPeriod,
    BacktestAllDates,
    BacktestFrom,
    BacktestTo,
    PrizesGroup,
    PrizeForRight,         // "%1" right numbers on a board
    BoardPrice,
    RunBacktest,
    ExportCsv,
    DrawsWithBest,         // the totals' column: draws whose best board holds that many
    BoardsHolding,         // the totals' column: boards holding that many, over every draw
    FewerThanTwo,
    OutcomeHeading,        // the heading over the per-draw lines
    CostAndWinnings,       // "%1" cost, "%2" winnings, "%3" balance
    BacktestSummary,       // "%1" boards, "%2" draws, "%3" first date, "%4" last date
    NoDrawInPeriod,
    NotAnAmount,           // "%1" what the box holds
    CsvFileFilter,
    FileNotWritten,        // "%1" the file
    NoExternalWheelFile,
    DrawFromHistory,       // the comparison window's list of stored draws
    SaveDrawToHistory,
    DrawSavedToHistory,    // "%1" the date
    LastStoredDraw,        // "%1" the date, "%2" the numbers
    NoStoredDrawQuestion,
    // Key numbers and the library of wheels.
    KeyNumbersAtMost,         // a fourth number fixed
    GuaranteeWhenKeyDrawn,    // "%1 if %2" kept when the one key number is drawn
    GuaranteeWhenKeysDrawn,   // the same with two or three key numbers
    LibraryFileNotAWheel,     // "%1" a file of the user's library
    LibraryClaimNotKept,      // "%1" the file, "%2 if %3" what its name claims
    LibraryFolderUnreadable,  // "%1" the folder
    FilterTitle,            // the panel of the filter on the draw
    FilterOdd,              // its conditions
    FilterLow,              // "%1": the highest low number
    FilterSum,
    FilterRun,
    FilterDecade,
    FilterDigit,
    FilterTo,               // between the two ends of a range
    FilterPassingShare,     // "%1" share in %, "%2" draws that pass, "%3" all draws
    FilterNoDraw,           // no draw passes: nothing is made or checked under it
    FilterDropFailing,      // the check window's choice to drop the boards that fail
    FilterCell,             // a guarantee cell's second line: "%1" its figure among passing draws
    FilterBoardsDropped,    // "%1" boards dropped
    WinTableUnderFilterTitle,  // "%1" the game's highest number
    GeneratorNothingToCover,   // "%1" the m of the guarantee
    DefaultWheelFileName,      // "%1" numbers, "%2" t, "%3" m
    // The external tab's separator list: the entry that splits the fields at blanks.
    BlankSeparator,
    // Over the replaced preview once every board of the file is in it: "%1" the number of lines.
    EveryLineShown,
    // The hints of the print dialog's two board fields.
    FirstBoardToPrint,
    LastBoardToPrint,
    // Under the last stored draw: the lottery operator's own results page, named in the lottery table.
    OpenOperatorResults,
    // Draw files refused for their size: "%1" the file, "%2" the largest size in MiB.
    DrawFileTooLarge,
    DrawFileLineTooLong,  // "%1" the file, "%2" the line, "%3" the longest line in bytes
    BacktestStopped,      // the back-test stopped by the player, in place of its summary
    // The check window's hole list under a filter: "%1 if %2", "%3" how many.
    HolesUnderFilterOf,
    // The parameters window's test page could not be printed: "%1" the printer, or the PDF file.
    TestPageNotPrinted,
    TestPageNotWritten,
    // Start-up files that are there but could not be read: "%1" the file; "%2" the reason the
    // system gave.
    LanguageFileNotRead,
    ParametersFileNotRead,

    EndOfTexts  // not a text: marks the end, so the count follows the list
};
inline constexpr int kProgramTextCount = static_cast<int>(ProgramText::EndOfTexts);

// The text in `language`; French for a language outside 1..7. Never empty.
std::string_view programText(ProgramText text, LanguageCode language);

}  // namespace norvex5
