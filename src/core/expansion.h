#pragma once
// Turning the chosen built-in wheel and the ticked numbers into boards, one at a time.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/selection.h"
#include "core/wheelcatalogue.h"

namespace norvex5 {

// A wheel chosen from the library rather than among the eight built-in ones, held with its boards
// so that every output reads it as it reads a built-in wheel. Its key numbers are its fixed ones,
// the first positions of every board.
struct LibraryWheelRecord {
    int number = 0;  // its number in the wheel list, above the built-in ones
    std::vector<WheelBoard> boards;
    WheelRecord record{};  // its boards are `boards`

    LibraryWheelRecord(int listNumber, std::vector<WheelBoard> wheelBoards, std::int32_t guarantee,
                       std::int32_t condition, std::int32_t numberCount, std::int32_t keyNumbers)
        : number(listNumber), boards(std::move(wheelBoards)) {
        record = {static_cast<std::int32_t>(boards.size()), guarantee, condition, numberCount, kNumbersPerBoard,
                  keyNumbers, boards};
    }
    LibraryWheelRecord(const LibraryWheelRecord&) = delete;
    LibraryWheelRecord& operator=(const LibraryWheelRecord&) = delete;
};

struct Expansion {
    std::array<std::int32_t, kNumberCount + 1> numberList{};  // wheel position -> number, 0 empty
    std::int32_t currentWheel = 0;
    std::int32_t boardCount = 0;
    std::int32_t currentBoard = 0;
    // The library wheel chosen last in the main window's list; none until one is.
    std::shared_ptr<const LibraryWheelRecord> libraryWheel;
};

// Wheel `wheel`: built-in wheel 1..8, or the library wheel the expansion holds under its number;
// nullptr for any other.
const WheelRecord* wheelRecordOf(const Expansion& expansion, int wheel);

// The same test for any wheel record; false for nullptr.
bool selectionFitsWheel(const SelectionState& selection, const WheelRecord* wheel);

// True when the ticked grid A numbers fit the wheel: as many ticked (selected or fixed) as its
// number count and as many fixed as its fixed count. Always false for a wheel outside 1..8.
// Grid B is not looked at. The caller shows message 109 with title 46 when it fails.
bool selectionFitsWheel(const SelectionState& selection, int wheel);

// Fixed numbers first, then selected ones, each group ascending; grid B never enters the list.
void prepareNumberList(Expansion& expansion, const SelectionState& selection);

// Board 1 of `wheel` over the ticked numbers of `selection` (the number list is prepared here);
// the board count is 0 for a wheel that is neither built in nor the library wheel held, so
// nothing can be built.
void startExpansion(Expansion& expansion, const SelectionState& selection, int wheel);

// Fills the mask with board i of the current wheel. A board number outside 1..board count
// leaves the mask untouched and returns false.
bool buildBoard(Expansion& expansion, BoardMask& mask, int i);

// The five numbers of board i in ascending order, for readers that want them as a list.
// All zero when the board does not exist.
std::array<std::int32_t, 5> boardNumbers(const Expansion& expansion, int i);

}  // namespace norvex5
