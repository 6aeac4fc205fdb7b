#pragma once
// The rows of the message table that code asks for by name. Every number a piece of code shows
// or builds a text from is named here once, so two windows showing "the same" message cannot
// drift apart.

namespace norvex5 {

inline constexpr int kMessageComparisonTitle = 29;
inline constexpr int kMessageBoardWord = 34;  // "Grille" in the printed internal list
inline constexpr int kMessageProblem = 46;
inline constexpr int kMessageNumbers = 64;  // wheel titles
inline constexpr int kMessageWith = 67;
inline constexpr int kMessageBoards = 68;
inline constexpr int kMessageSaveTitle = 75;
inline constexpr int kMessageContinue = 76;
inline constexpr int kMessageFileExists = 77;
inline constexpr int kMessageLoadTitle = 78;
inline constexpr int kMessageNotAGame = 79;
inline constexpr int kMessageProblemTitle = 80;
inline constexpr int kMessageWriteError = 81;
inline constexpr int kMessageReadError = 82;
inline constexpr int kMessageNoSuchFile = 83;
inline constexpr int kMessageInternalListTitle = 86;
inline constexpr int kMessageIncorrectSelection = 109;
inline constexpr int kMessageCancelled = 114;
inline constexpr int kMessageNextTicket = 115;
inline constexpr int kMessageReturn = 126;
inline constexpr int kMessagePrinting = 130;
inline constexpr int kMessageProblemWarning = 143;  // "Problème !!" over a draw that repeats a number
inline constexpr int kMessageExternalListTitle = 148;
inline constexpr int kMessageExportTitle = 151;
inline constexpr int kMessageFixed = 161;  // wheel titles
inline constexpr int kMessageBonusOneToTen = 191;  // the print dialog's bonus numbers in turn

}  // namespace norvex5
