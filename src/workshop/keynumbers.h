#pragma once
// Key numbers: numbers the player puts on every board. With f of them the boards are the key
// numbers beside a wheel of shorter boards (five less f numbers) over the other numbers, and
// whenever every key number is drawn, that wheel's "t if m" over the others is "t + f if m + f"
// over all of them. Few boards then keep a high guarantee, on the condition that the key numbers
// come out.
//
// In a wheel with key numbers the key numbers are its first numbers, 0..f-1; the others follow.

#include <atomic>
#include <cstddef>
#include <optional>
#include <string>

#include "workshop/wheel.h"
#include "workshop/wheelcheck.h"
#include "workshop/wheelgenerator.h"

namespace norvex5::workshop {

inline constexpr int kMostKeyNumbers = 3;

// What the boards beside f key numbers must keep over the others for the whole wheel to keep g
// when the key numbers are drawn: "t - f if m - f", never below "0 if 0".
Guarantee guaranteeBesideKeys(Guarantee guarantee, int keys);

// Why f key numbers cannot stand on every board of a wheel of boards of `boardSize` over `numbers`
// numbers (key numbers counted) keeping g when they are drawn; nullopt when they can. The texts
// are the command line's.
std::optional<std::string> keyNumbersProblem(int numbers, Guarantee guarantee, int keys, int boardSize = kBoardSize);

// The whole wheel: every board of `others` (numbers 0..n-1 there, f..f+n-1 here) with the key
// numbers 0..f-1 in front.
Wheel withKeyNumbers(const Wheel& others, int keys);

// The wheel of boards of `boardSize` numbers over `numbers` numbers that keeps a guarantee of at
// most one without a search: "1 if m" needs boards over every number but m - 1 of them, one
// number each, and nothing less than one needs a single board. nullopt for a higher guarantee.
std::optional<Wheel> wheelWithoutSearch(int numbers, Guarantee guarantee, int boardSize);

// A wheel with f key numbers keeping `settings.guarantee` when they are drawn, boards of
// `settings.boardSize` numbers over `settings.numbers` numbers (key numbers counted): the
// generator makes the boards beside the key numbers. The settings must pass keyNumbersProblem.
GeneratorResult generateWithKeyNumbers(const GeneratorSettings& settings, int keys,
                                       const std::atomic<bool>* stop = nullptr,
                                       const GeneratorProgressCallback& progress = {});

// The holes of g among the draws that hold every key number 0..f-1: the m-subsets holding them
// that no board meets in t numbers. `subsets` counts those m-subsets.
GuaranteeReport checkGuaranteeWithKeys(const CoverageIndex& index, Guarantee guarantee, int keys,
                                       std::size_t firstHoleLimit = 20);

}  // namespace norvex5::workshop
