#pragma once
// The library part of the main window's wheel list: below the eight built-in wheels and a line,
// the library wheels that fit the numbers ticked and fixed (the fixed ones are the key numbers,
// on every board), titled like the built-in wheels. The one chosen is held by the expansion, so
// that every output reads it as it reads a built-in wheel.

#include <QString>
#include <filesystem>
#include <optional>
#include <vector>

#include "library/wheellibrary.h"

class QComboBox;

namespace norvex5 {

struct AppState;

class LibraryWheelList {
public:
    // The wheel list's hidden number of the first library entry; the others follow it.
    static constexpr int kFirstNumber = 101;

    LibraryWheelList(AppState& state, std::filesystem::path shippedFolder, std::filesystem::path userFolder);

    // Reads the user's folder again, and the shipped one when a list first needs it. What the
    // user's folder refuses, each a sentence for the player.
    QStringList read();

    // Puts the wheels that fit the ticked numbers after the list's built-in entries (`builtIn` of
    // them), a line between; keeps the library wheel chosen when it still fits.
    void fill(QComboBox& list, int builtIn);
    // The ticked or fixed counts changed since the last fill.
    bool stale() const;

    // Holds the wheel of list number `number` in the expansion; false when it is no library entry
    // or its file can no longer be read (a built-in wheel: nothing is held).
    bool choose(int number);

private:
    std::optional<library::FittingWheel> chosen_;
    QString entryOf(const library::FittingWheel& wheel, int number) const;
    void readShippedOnFirstNeed(int ticked);

    AppState& state_;
    std::filesystem::path shippedFolder_, userFolder_;
    library::LibraryFolder userWheels_;
    bool shippedRead_ = false;
    std::vector<library::LibraryWheel> wheels_;
    std::vector<library::FittingWheel> fitting_;
    int filledTicked_ = -1, filledKeys_ = -1;
};

}  // namespace norvex5
