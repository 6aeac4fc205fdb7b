#pragma once
// The library part of the main window's wheel list: below the eight built-in wheels and a line,
// the library wheels that fit the numbers ticked and fixed (the fixed ones are the key numbers,
// on every board), titled like the built-in wheels. The one chosen is held by the expansion, so
// that every output reads it as it reads a built-in wheel. A wheel the player had made under the
// filter set for the game type is offered only for the numbers it was made for, under that filter.

#include <QString>
#include <filesystem>
#include <optional>
#include <vector>

#include "library/wheellibrary.h"

class QComboBox;

namespace norvex5 {

class Texts;
struct Settings;
struct CurrentGame;

class LibraryWheelList {
public:
    // The wheel list's hidden number of the first library entry; the others follow it.
    static constexpr int kFirstNumber = 101;

    LibraryWheelList(const Texts& texts, const Settings& settings, CurrentGame& game,
                     std::filesystem::path shippedFolder, std::filesystem::path userFolder,
                     std::filesystem::path filterSettingsFile = {});

    // Reads the user's folder again, and the shipped one when a list first needs it. What the
    // user's folder refuses, each a sentence for the player.
    QStringList read();

    // Puts the wheels that fit the ticked numbers after the list's built-in entries (`builtIn` of
    // them), a line between; keeps the library wheel chosen when it still fits.
    void fill(QComboBox& list, int builtIn);
    // The ticked or fixed numbers, or the player's filter, changed since the last fill.
    bool stale() const;

    // The filter the player set for the game type shown, over the numbers ticked; none with key
    // numbers, which a filter does not go with.
    std::optional<library::FilterClaim> playersFilter() const;
    // Whether the list offers a wheel for the numbers ticked keeping `guarantee` (made under the
    // player's filter when `filtered`) since the last fill.
    bool offers(workshop::Guarantee guarantee, bool filtered) const;
    // Chooses the entry of the wheel in `file`, as the player would; false when the list has none.
    bool chooseFile(QComboBox& list, int builtIn, const std::filesystem::path& file);
    const std::filesystem::path& userFolder() const { return userFolder_; }

    // The smallest wheel of the library (shipped or the user's) over `numbers` numbers on boards of
    // five keeping `guarantee` over every draw, its boards over 0..numbers-1; none when the library
    // has none or its file can no longer be read.
    std::optional<workshop::Wheel> smallestKnown(int numbers, workshop::Guarantee guarantee);

    // Holds the wheel of list number `number` in the expansion; false when it is no library entry
    // or its file can no longer be read (a built-in wheel: nothing is held).
    bool choose(int number);

private:
    std::optional<library::FittingWheel> chosen_;
    QString entryOf(const library::FittingWheel& wheel, int number) const;
    void readShippedOnFirstNeed(int ticked);

    const Texts& texts_;
    const Settings& settings_;
    CurrentGame& game_;
    std::vector<int> tickedNumbers() const;

    std::filesystem::path shippedFolder_, userFolder_, filterSettingsFile_;
    library::LibraryFolder userWheels_;
    bool shippedRead_ = false;
    std::vector<library::LibraryWheel> wheels_;
    std::vector<library::FittingWheel> fitting_;
    int filledTicked_ = -1, filledKeys_ = -1;
    std::vector<int> filledNumbers_;
    std::optional<library::FilterClaim> filledFilter_;
};

}  // namespace norvex5
